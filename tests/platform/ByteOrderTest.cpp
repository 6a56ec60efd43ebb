#include "platform/ByteOrder.h"

#include <gtest/gtest.h>

#include <array>

TEST(ByteOrder, OrderZeroPutsTheLeastSignificantByteFirst) {
    EXPECT_EQ(ReadWORDFromBytes(0x34, 0x12, 0), 0x1234);
    EXPECT_EQ(ReadDWORDFromBytes(0x78, 0x56, 0x34, 0x12, 0), 0x12345678u);
    std::array<BYTE, 4> b{};
    MakeBytesFromWORD(&b[0], &b[1], 0xABCD, 0);
    EXPECT_EQ(b, (std::array<BYTE, 4>{0xCD, 0xAB, 0, 0}));
    MakeBytesFromDWORD(&b[0], &b[1], &b[2], &b[3], 474000, 0); // 0x00073B90
    EXPECT_EQ(b, (std::array<BYTE, 4>{0x90, 0x3B, 0x07, 0x00}));
}

TEST(ByteOrder, OrderOnePutsTheMostSignificantByteFirst) {
    EXPECT_EQ(ReadWORDFromBytes(0x12, 0x34, 1), 0x1234);
    EXPECT_EQ(ReadDWORDFromBytes(0x12, 0x34, 0x56, 0x78, 1), 0x12345678u);
    std::array<BYTE, 4> b{};
    MakeBytesFromWORD(&b[0], &b[1], 0x1AF4, 1);
    EXPECT_EQ(b, (std::array<BYTE, 4>{0x1A, 0xF4, 0, 0}));
    MakeBytesFromDWORD(&b[0], &b[1], &b[2], &b[3], 474000, 1);
    EXPECT_EQ(b, (std::array<BYTE, 4>{0x00, 0x07, 0x3B, 0x90}));
    // Any non-zero order counts as order 1.
    EXPECT_EQ(ReadWORDFromBytes(0x12, 0x34, 7), 0x1234);
}

TEST(ByteOrder, BufferFormsMatchTheByteForms) {
    std::array<BYTE, 4> b{};
    WriteDWORD(b.data(), 0xCAFEBABEu, 1);
    EXPECT_EQ(ReadDWORD(b.data(), 1), 0xCAFEBABEu);
    EXPECT_EQ(ReadDWORD(b.data(), 0), 0xBEBAFECAu);
    WriteWORD(b.data(), 0x0102, 0);
    EXPECT_EQ(b[0], 0x02);
    EXPECT_EQ(ReadWORD(b.data(), 1), 0x0201);
}
