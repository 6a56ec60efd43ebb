#include "platform/ByteOrder.h"

#include <gtest/gtest.h>

#include <array>

// 0x1234 and 474000 = 0x00073B90 in each order, by hand: order 0 puts the
// least significant byte first, any other order the most significant.
TEST(ByteOrder, WordsAndDoubleWordsInEachOrder) {
    const struct {
        int order;
        std::array<BYTE, 2> word;
        std::array<BYTE, 4> dword;
    } cases[] = {{0, {0x34, 0x12}, {0x90, 0x3B, 0x07, 0x00}},
                 {1, {0x12, 0x34}, {0x00, 0x07, 0x3B, 0x90}},
                 {7, {0x12, 0x34}, {0x00, 0x07, 0x3B, 0x90}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.order);
        EXPECT_EQ(ReadWORDFromBytes(c.word[0], c.word[1], c.order), 0x1234);
        EXPECT_EQ(ReadDWORDFromBytes(c.dword[0], c.dword[1], c.dword[2], c.dword[3], c.order),
                  474000u);
        std::array<BYTE, 2> w{};
        MakeBytesFromWORD(&w[0], &w[1], 0x1234, c.order);
        EXPECT_EQ(w, c.word);
        std::array<BYTE, 4> d{};
        MakeBytesFromDWORD(&d[0], &d[1], &d[2], &d[3], 474000, c.order);
        EXPECT_EQ(d, c.dword);
    }
}
