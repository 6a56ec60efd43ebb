// The parts a fast load and save rest on, at their edges: the sector checksum
// at every length around its eight-byte steps and its lane folds, entry
// fields cut off by the end of the entry, and records made in bulk by an
// arena that the store frees one by one.
#include "contracts/RecordArena.h"
#include "image/Checksums.h"
#include "image/EntryIO.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

struct Row {
    std::uint32_t Index;
    BYTE bytes[27]; // an odd size: the arena pads every slot
};

} // namespace

TEST(SectorChecksum, EveryLengthAroundTheWordStepsAndTheFolds) {
    // Bytes 1, 2, 3, ...: the sum of the first n is n(n+1)/2, plus the 1.
    for (std::size_t n = 0; n <= 40; ++n) {
        std::vector<BYTE> bytes(n);
        for (std::size_t i = 0; i < n; ++i)
            bytes[i] = static_cast<BYTE>(i + 1);
        EXPECT_EQ(SectorChecksum(bytes), static_cast<WORD>(1 + n * (n + 1) / 2)) << n << " bytes";
    }
    // All 0xFF: lanes that would overflow 16 bits if they were not folded
    // every 1,024 bytes. 1 + 2048 * 255 = 522241 = 7 * 65536 + 0xF801;
    // 1 + 4096 * 255 = 1044481 = 15 * 65536 + 0xF001; 1 + 4099 * 255 =
    // 1045246 = 15 * 65536 + 0xF2FE (three bytes after the words); 1 + 1031 *
    // 255 = 262906 = 4 * 65536 + 0x02FA (a fold, then seven bytes).
    for (const auto& [n, sum] : {std::pair<std::size_t, WORD>{2048, 0xF801},
                                 {4096, 0xF001},
                                 {4099, 0xF2FE},
                                 {1031, 0x02FA}})
        EXPECT_EQ(SectorChecksum(std::vector<BYTE>(n, 0xFF)), sum) << n << " bytes of 0xFF";

    // Stamped at the end of an odd-length sector, most significant byte first.
    std::vector<BYTE> sector(13, 0x10);
    sector[11] = sector[12] = 0xEE; // count as zero
    StampSectorChecksum(sector);
    EXPECT_EQ(Bytes(sector.begin() + 11, sector.end()), (Bytes{0x00, 0xB1})); // 1 + 11 * 0x10
}

TEST(EntryFields, CutOffByTheEndOfTheEntry) {
    const BYTE raw[] = {'A', 'B', 'C', 0x12, 0x34, 0x56};
    const EntryReader e(raw, 1);
    EXPECT_EQ(e.U16(4), 0x3456);
    EXPECT_EQ(e.U16(5), 0) << "a word that would end past the entry reads 0";
    EXPECT_EQ(e.U32(2), 0x43123456u);
    EXPECT_EQ(e.U32(3), 0u);
    EXPECT_EQ(EntryReader(raw, 0).U16(3), 0x3412);

    // The whole buffer of eight after each read, 'x' where it was not touched.
    const auto text = [&](std::size_t at, std::size_t field, std::size_t buffer) {
        std::string t(8, 'x');
        e.Text(at, t.data(), field, buffer);
        return t;
    };
    // A field longer than what is left of the entry; one cut to the buffer,
    // always terminated; one all past the end.
    EXPECT_EQ(text(0, 5, 8), std::string("ABC\x12\x34\0\0\0", 8));
    EXPECT_EQ(text(1, 20, 4), std::string("BC\x12\0xxxx", 8));
    EXPECT_EQ(text(9, 3, 8), std::string(8, '\0'));

    BYTE out[4];
    std::memset(out, 0xAA, sizeof out);
    e.Bytes(4, out, 4);
    EXPECT_EQ(Bytes(out, out + 4), (Bytes{0x34, 0x56, 0, 0}));

    // The writer leaves everything past the entry alone.
    BYTE buffer[10];
    std::memset(buffer, 0xAA, sizeof buffer);
    EntryWriter w(std::span<BYTE>(buffer, 6), 1);
    w.Text(3, "HELLO", 5);
    EXPECT_EQ(std::memcmp(buffer, "\xAA\xAA\xAAHEL\xAA", 7), 0);
    w.Text(0, "Z", 5); // padded with zeros up to the field's end only
    EXPECT_EQ(std::memcmp(buffer, "Z\0\0\0\0L\xAA", 7), 0);
    w.U32(3, 0x01020304);
    EXPECT_EQ(buffer[3], 0x00) << "a word that would end past the entry is not written";
    w.U16(4, 0xBEEF);
    EntryWriter(std::span<BYTE>(buffer, 6), 0).U16(0, 0xBEEF);
    EXPECT_EQ(Bytes(buffer, buffer + 10),
              (Bytes{0xEF, 0xBE, 0, 0, 0xBE, 0xEF, 0xAA, 0xAA, 0xAA, 0xAA}));
}

TEST(RecordArena, RecordsAreZeroedSizedAndFreedOneByOne) {
    std::vector<Row*> kept;
    {
        RecordArena<Row> arena(4);
        for (int i = 0; i < 10; ++i) {
            auto row = arena.New();
            EXPECT_EQ(RecordBytes(row.get()), sizeof(Row));
            for (BYTE b : row->bytes)
                ASSERT_EQ(b, 0) << "record " << i;
            std::memset(row->bytes, 0xC0 + i, sizeof row->bytes);
            if (i % 3 == 0)
                continue; // dropped at once: its room is taken by the next
            kept.push_back(row.release());
        }
        // A dropped slot comes back zeroed, not with the bytes it had.
        auto again = arena.New();
        for (BYTE b : again->bytes)
            EXPECT_EQ(b, 0);
    }
    // The records outlive the arena, each still whole, and go in any order.
    ASSERT_EQ(kept.size(), 6u);
    for (std::size_t i = 0; i < kept.size(); ++i)
        EXPECT_EQ(kept[i]->bytes[26], kept[i]->bytes[0]);
    EXPECT_NE(kept[0]->bytes[0], kept[1]->bytes[0]) << "two rows may not share a slot";
    for (std::size_t i : {3u, 0u, 5u, 1u, 4u, 2u})
        FreeRecordBytes(kept[i]);
}
