// YMODEM blocks and block 0, byte for byte. The CRC values were computed
// independently (Python's binascii.crc_hqx, which is CRC-16/XMODEM).
#include "link/YmodemFrame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <tuple>

using namespace ymodem;

namespace {

using V = std::vector<std::uint8_t>;

// `n` bytes of `frame` from `at`.
V Slice(const V& frame, std::size_t at, std::size_t n) {
    return {frame.begin() + static_cast<std::ptrdiff_t>(at),
            frame.begin() + static_cast<std::ptrdiff_t>(at + n)};
}

// A block 0 payload: `text` with '|' standing for NUL, padded with NULs.
V Payload(std::string_view text) {
    V payload(text.begin(), text.end());
    std::replace(payload.begin(), payload.end(), std::uint8_t{'|'}, std::uint8_t{0});
    payload.resize(kSmallPayload, 0);
    return payload;
}

} // namespace

TEST(YmodemFrame, ShortBlockLayout) {
    const auto frame = BuildFrame(1, V{'A'}, kSmallPayload);
    ASSERT_EQ(frame.size(), 133u);
    EXPECT_EQ(Slice(frame, 0, 4), (V{0x01, 0x01, 0xFE, 'A'})); // SOH, number, complement
    EXPECT_EQ(Slice(frame, 4, 127), V(127, 0x1A)) << "padding";
    // CRC of "A" and 127 x 0x1A is 0xF2DD, most significant byte first.
    EXPECT_EQ(Slice(frame, 131, 2), (V{0xF2, 0xDD}));
}

TEST(YmodemFrame, LongBlockLayoutAndNumberWrap) {
    V data(1024);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i);
    const auto frame = BuildFrame(static_cast<std::uint8_t>(256 + 3), data, kLargePayload);
    ASSERT_EQ(frame.size(), 1029u);
    EXPECT_EQ(Slice(frame, 0, 4), (V{0x02, 0x03, 0xFC, 0x00})); // STX
    EXPECT_EQ(frame[3 + 255], 0xFF);
    EXPECT_EQ(Slice(frame, 1026, 3), (V{0xFF, 0xC2, 0xE0}));
}

TEST(YmodemFrame, PayloadSizeComesFromTheStartByte) {
    EXPECT_EQ((std::vector{PayloadSizeFor(0x01), PayloadSizeFor(0x02), PayloadSizeFor(0x04),
                           PayloadSizeFor('C')}),
              (std::vector<std::size_t>{128, 1024, 0, 0}));
}

TEST(YmodemFrame, CheckFrameFindsEveryDamagedByte) {
    const auto frame = BuildFrame(7, V{'d', 'a', 't', 'a'}, kSmallPayload);
    const std::span<const std::uint8_t> body(frame.data() + 1, frame.size() - 1);
    EXPECT_TRUE(CheckFrame(body));
    for (std::size_t i = 1; i < frame.size(); ++i) {
        auto damaged = frame;
        damaged[i] ^= 0x10;
        EXPECT_FALSE(CheckFrame(std::span<const std::uint8_t>(damaged).subspan(1)))
            << "byte " << i << " damaged";
    }
    EXPECT_FALSE(CheckFrame(body.first(3)));
}

TEST(YmodemFrame, HeaderAsSbWritesIt) {
    const auto payload = BuildHeaderPayload(
        {.name = "demo.bin", .size = 311382, .modified = 1700000000, .mode = 0100644});
    EXPECT_EQ(payload, Payload("demo.bin|311382 14524770400 100644"));
    const auto frame = BuildFrame(0, payload, payload.size(), 0);
    EXPECT_EQ(Slice(frame, 0, 3), (V{0x01, 0x00, 0xFF}));
    EXPECT_EQ(Slice(frame, 131, 2), (V{0x40, 0x0D}));
}

TEST(YmodemFrame, EndOfBatchIsAllZero) {
    const auto payload = BuildHeaderPayload({});
    EXPECT_EQ(payload, V(128, 0));
    EXPECT_EQ(Slice(BuildFrame(0, payload, payload.size(), 0), 131, 2), (V{0, 0}));
    const auto parsed = ParseHeaderPayload(payload);
    ASSERT_TRUE(parsed);
    EXPECT_TRUE(parsed->name.empty());
}

// The header text (name, NUL, "5 0 0") must be followed by a NUL inside the
// block: a text of exactly 128 bytes needs the long block too.
TEST(YmodemFrame, LongNamesTakeALongBlock) {
    for (const auto& [nameLength, payloadSize] : {std::pair{121, 128u}, std::pair{122, 1024u},
                                                  std::pair{123, 1024u}, std::pair{125, 1024u}}) {
        const FileHeader header{.name = std::string(static_cast<std::size_t>(nameLength), 'n'),
                                .size = 5};
        const auto payload = BuildHeaderPayload(header);
        const std::size_t text = header.name.size() + 1 + 5;
        ASSERT_EQ(payload.size(), payloadSize) << "a text of " << text << " bytes";
        EXPECT_EQ(payload[text], 0) << "the text ends inside the block";
        const auto parsed = ParseHeaderPayload(payload);
        ASSERT_TRUE(parsed);
        EXPECT_EQ(std::tuple(parsed->name, parsed->size), std::tuple(header.name, header.size));
    }
}

TEST(YmodemFrame, ParsesWhatSendersWrite) {
    struct Case {
        const char* text;
        std::optional<FileHeader> header;
    };
    const Case cases[] = {
        // sb: size, mtime, mode, serial, files left, bytes left
        {"image.bin|311382 14524770400 100644 0 1 311382",
         FileHeader{"image.bin", 311382, 1700000000, 0100644}},
        {"a|12", FileHeader{"a", 12}},
        {"a|", FileHeader{"a", std::nullopt}},
        {"a|0", FileHeader{"a", 0}},
        {"a|x12", std::nullopt},
        {"a|99999999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseHeaderPayload(Payload(c.text));
        ASSERT_EQ(parsed.has_value(), c.header.has_value()) << c.text;
        if (parsed) {
            EXPECT_EQ(
                std::tuple(parsed->name, parsed->size, parsed->modified, parsed->mode),
                std::tuple(c.header->name, c.header->size, c.header->modified, c.header->mode))
                << c.text;
        }
    }
    // A name that fills the whole block has no terminator.
    EXPECT_FALSE(ParseHeaderPayload(V(128, 'x')));
}
