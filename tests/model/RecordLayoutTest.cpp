// The packed multiplex word, the terrestrial transponder's shared bytes, and
// the record each table holds. (The records' own offsets are static_asserts
// beside their declarations.)
#include "model/ChannelRecords.h"
#include "model/MuxParams.h"
#include "model/SatelliteRecords.h"
#include "model/TableRecords.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

TEST(RecordLayout, MuxParamsFieldsSitInTheirBits) {
    MuxParams p{};
    p.TransMode = 2;
    p.Constellation = 3;
    p.CodeRate = 3;
    p.GuardInterval = 1;
    p.Priority = 1;
    // 2<<1 | 3<<6 | 3<<8 | 1<<11 | 1<<16
    EXPECT_EQ(p.Pack(), 0x00010BC4u);
    const MuxParams all = MuxParams::Unpack(0xFFFFFFFFu);
    EXPECT_EQ(
        (std::array<int, 5>{all.Flag, all.FreqTable, all.GuardInterval, all.Value18, all.Value24}),
        (std::array{1, 7, 31, 63, 63}));
    EXPECT_EQ(all.Pack(), 0x3FFFFFFFu) << "bits 30-31 are never set";
    EXPECT_EQ(MuxParams::Unpack(0x12345678u).Pack(), 0x12345678u & 0x3FFFFFFFu);
}

TEST(RecordLayout, TerrestrialTransponderSharesTheStandardBytes) {
    Transponder_Info_Tag t{};
    SetTpParams(t, 0x0A0B0C0Du);
    SetTpTerrestrialBytes(t, 0x11, 0x22);
    EXPECT_EQ((std::array<DWORD, 5>{TpParams(t), TpCarried(t), TpNameIndex(t), t.Frequency,
                                    t.SymbolRate}),
              (std::array<DWORD, 5>{0x0A0B0C0D, 0x11, 0x22, 0x0C0D, 0x0A0B}));
}

TEST(TableRecords, EachTableHoldsOneRecordSize) {
    std::vector<std::size_t> sizes;
    // Tables 0 to 7 in their order, then one past the last.
    for (std::uint8_t table = 0; table <= 8; ++table)
        sizes.push_back(RecordSizeOf(table));
    EXPECT_EQ(sizes, (std::vector<std::size_t>{68, 24, 148, 24, 24, 372, 28, 372, 0}));

    CZorvDB db;
    db.AddIndexed(kTableChannel, NewRecord<Channel_Info_Tag>());
    db.AddIndexed(kTableFavorite, NewRecord<FavoriteList>());
    EXPECT_TRUE(RowSizesMatchTables(db));
    db.AddIndexed(kTableBroadcast, NewRecord<Channel_Info_Tag>());
    EXPECT_FALSE(RowSizesMatchTables(db)) << "a channel in the broadcast table";
}
