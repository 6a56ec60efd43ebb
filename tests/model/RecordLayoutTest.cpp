// Record layouts shared with the dialogs, and the packed multiplex word.
#include "model/ChannelRecords.h"
#include "model/MuxParams.h"
#include "model/SatelliteRecords.h"
#include "model/TableRecords.h"

#include <gtest/gtest.h>

#include <cstddef>

TEST(RecordLayout, FieldOrderAndWidthsAreFixed) {
    EXPECT_EQ(offsetof(Channel_Info_Tag, CAS), 4u);
    EXPECT_EQ(offsetof(Channel_Info_Tag, Favorite), 8u);
    EXPECT_EQ(offsetof(Channel_Info_Tag, ProgramNum), 12u);
    EXPECT_EQ(offsetof(Channel_Info_Tag, SatID), 14u);
    EXPECT_EQ(offsetof(Channel_Info_Tag, TPID), 15u);
    EXPECT_EQ(offsetof(Channel_Info_Tag, Attributes), 26u);
    EXPECT_EQ(offsetof(Channel_Info_Tag, CodeTable), 285u);
    EXPECT_EQ(offsetof(Channel_Info_Tag, ShowNum), 354u);
    EXPECT_EQ(sizeof(Channel_Info_Tag::F) / sizeof(WORD), 32u);
    EXPECT_EQ(offsetof(Transponder_Info_Tag, SatID), 14u);
    EXPECT_EQ(offsetof(Transponder_Info_Tag, ExtWord1), 18u);
    EXPECT_EQ(offsetof(Broadcast_Info_Tag, Name), 6u);
    EXPECT_EQ(offsetof(Satellite_Info_Tag, Group1), 8u);
    EXPECT_EQ(offsetof(Satellite_Info_Tag, Group2), 28u);
    EXPECT_EQ(offsetof(CableMux_Info_Tag, Tail), 20u);
    EXPECT_EQ(offsetof(SMux_Info_Tag, TPID), 15u);
}

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
    EXPECT_EQ(all.Flag, 1);
    EXPECT_EQ(all.FreqTable, 7);
    EXPECT_EQ(all.GuardInterval, 31);
    EXPECT_EQ(all.Value18, 63);
    EXPECT_EQ(all.Value24, 63);
    EXPECT_EQ(all.Pack(), 0x3FFFFFFFu) << "bits 30-31 are never set";
    EXPECT_EQ(MuxParams::Unpack(0x12345678u).Pack(), 0x12345678u & 0x3FFFFFFFu);
}

TEST(RecordLayout, TerrestrialTransponderSharesTheStandardBytes) {
    Transponder_Info_Tag t{};
    SetTpParams(t, 0x0A0B0C0Du);
    SetTpTerrestrialBytes(t, 0x11, 0x22);
    EXPECT_EQ(TpParams(t), 0x0A0B0C0Du);
    EXPECT_EQ(TpCarried(t), 0x11);
    EXPECT_EQ(TpNameIndex(t), 0x22);
    EXPECT_EQ(t.Frequency, 0x0C0D);
    EXPECT_EQ(t.SymbolRate, 0x0A0B);
}

TEST(TableRecords, EachTableHoldsOneRecordSize) {
    EXPECT_EQ(RecordSizeOf(kTableSatellite), 68u);
    EXPECT_EQ(RecordSizeOf(kTableTerrestrialMux), 24u);
    EXPECT_EQ(RecordSizeOf(kTableCableMux), 148u);
    EXPECT_EQ(RecordSizeOf(kTableBroadcast), 24u);
    EXPECT_EQ(RecordSizeOf(kTableTransponder), 24u);
    EXPECT_EQ(RecordSizeOf(kTableChannel), 372u);
    EXPECT_EQ(RecordSizeOf(kTableFavorite), 28u);
    EXPECT_EQ(RecordSizeOf(kTableScratch), 372u);
    EXPECT_EQ(RecordSizeOf(8), 0u);

    CZorvDB db;
    db.AddIndexed(kTableChannel, NewRecord<Channel_Info_Tag>());
    db.AddIndexed(kTableFavorite, NewRecord<FavoriteList>());
    EXPECT_TRUE(RowSizesMatchTables(db));
    db.AddIndexed(kTableBroadcast, NewRecord<Channel_Info_Tag>());
    EXPECT_FALSE(RowSizesMatchTables(db)) << "a channel in the broadcast table";
}
