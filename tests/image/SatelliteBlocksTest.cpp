// Favourite, satellite, transponder and broadcast blocks: exact bytes at
// exact offsets, worked out by hand from the layout tables.
#include "image/EntryCodecs.h"
#include "model/MuxParams.h"
#include "tests/image/ImageBuilder.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>

using namespace velmar::test;

using Blocks = CodecTest;

namespace {

constexpr int Z = 4096;
using Bytes = std::vector<BYTE>;
constexpr int kFav = 86, kSat = 86 + 4096, kBrd = 86 + 8192, kTp = 86 + 16384;

void AddFavorite(CZorvDB& db, DWORD key, const char* name, BYTE tail = 0) {
    auto f = NewRecord<FavoriteList>();
    f->Index = key;
    std::snprintf(f->Name, sizeof f->Name, "%s", name); // cut on purpose where too long
    f->Tail = tail;
    db.Add(kTableFavorite, key, std::move(f));
}

// In field order: Index, Frequency (0x2CE6), SymbolRate (0x55F0), TSID (0x0443), Word4,
// PolFEC, Byte5, SatID, TPID, ExtByte1, ExtByte2, ExtWord1, ExtWord2, ExtByte3, ExtByte4.
constexpr Transponder_Info_Tag kTransponder{0, 11494, 22000, 1091,   0x0102, 0x31, 0x05, 2,
                                            7, 1,     1,     0x1234, 0x5678, 9,    10};

// Every field of a satellite row but its key, for comparing a reload whole.
auto Fields(const Satellite_Info_Tag& s) {
    const auto group = [](const SatSettingGroup& g) {
        return std::tuple(g.w1, g.w2, g.w3, +g.b1, +g.b2, +g.b3, g.w4, +g.b4, +g.b5);
    };
    return std::tuple_cat(group(s.Group1), group(s.Group2),
                          std::tuple(s.Degree, +s.Flag, +s.ID, std::string(s.Name), +s.Tail));
}

} // namespace

// ---- Favourite block ----------------------------------------------------------

TEST_F(Blocks, FavoriteSectorOnAFullWriteProduct) {
    MakeProfile(1).Apply();
    auto base = Blank();
    base[kFav + Z - 4] = 0x77; // the receiver's word at Z-4 is kept
    base[kFav + Z - 3] = 0x66;
    base[kFav + 500] = 0x99; // inside the sector but past the entries: rewritten
    g_wFavHeader = 0x1234;
    AddFavorite(db, 1, "AB", 5);
    const auto out = Save(base);
    // Header word, "AB", Tail at entry byte 19; past the entries rewritten.
    EXPECT_EQ(Slice(out, kFav, 5), (Bytes{0x34, 0x12, 'A', 'B', 0}));
    EXPECT_EQ(Slice(out, kFav + 21, 2), (Bytes{5, 0}));
    EXPECT_EQ(out[kFav + 500], 0);
    // The kept word, then 1 + 0x34 + 0x12 + 'A' + 'B' + 5 + 0x77 + 0x66 = 428 = 0x01AC.
    EXPECT_EQ(Slice(out, kFav + Z - 4, 4), (Bytes{0x77, 0x66, 0x01, 0xAC}));
}

TEST_F(Blocks, FavoriteSectorOnList7WritesOnly170Bytes) {
    auto base = Blank();
    for (int i = 170; i < Z; ++i)
        base[kFav + i] = static_cast<BYTE>(i);
    for (int k = 1; k <= 8; ++k)
        AddFavorite(db, static_cast<DWORD>(k), "Twenty characters!!!"); // 20: one too many
    const auto out = Save(base);
    EXPECT_EQ(Slice(out, kFav + 170, Z - 170), Slice(base, kFav + 170, Z - 170));
    EXPECT_EQ(std::memcmp(&out[kFav + 2], "Twenty characters!!", 19), 0);
    EXPECT_EQ(out[kFav + 2 + 19], 0) << "Tail, not the 20th character";
    EXPECT_EQ(out.size(), base.size());
}

// Empty slots load with default names, which are saved.
TEST_F(Blocks, FavoriteHeaderWordSurvivesInBothOrders) {
    for (int order : {0, 1}) {
        MakeProfile(7, 1, order).Apply();
        auto base = Blank();
        base[kFav] = 0x12;
        base[kFav + 1] = 0x34;
        ASSERT_TRUE(Reload(base));
        EXPECT_EQ(g_wFavHeader, order ? 0x1234 : 0x3412);
        ASSERT_EQ(db.Size(kTableFavorite), 8u);
        EXPECT_STREQ(db.Get<FavoriteList>(kTableFavorite, 8)->Name, "Favorite 8");
        const auto out = Save(base);
        EXPECT_EQ(Slice(out, kFav, 2), (Bytes{0x12, 0x34})) << order;
        EXPECT_EQ(std::memcmp(&out[kFav + 2 + 2 * 20], "Favorite 3", 10), 0);
    }
}

// ---- Satellite block ----------------------------------------------------------

TEST_F(Blocks, SatelliteShortEntryAndTrailer) {
    // Index, Reserved, Group1, Reserved1, Group2 (the short form has none), Reserved2, Degree,
    // Flag, ID, Name, Tail.
    const SatSettingGroup g1{0x0102, 0x0304, 0x0506, 7, 8, 9, 0x0A, 0x0B, 0x0C};
    const SatSettingGroup g2{0xFFFF, 0, 0, 0, 0, 0, 0, 0, 0};
    const Satellite_Info_Tag s{0, 0, g1, {}, g2, {}, 192, 1, 3, "Astra", 0xEE};
    Satellite_Info_Tag want = s; // as the short form brings it back
    want.Group1.b5 = 0;
    want.Group2 = {};
    db.AddIndexed(kTableSatellite, CopyRecord(s));
    g_byPreservedA = 0x11;
    g_byPreservedB = 0x22;
    g_byPreservedC = 0x33;
    g_byPreservedD = 0x44;
    const auto out = Save(Blank());
    const Bytes entry = {0x02, 0x01, 0x04, 0x03, 0xC0, 0x00, 0x06, 0x05, 0x07, 0x08, 0x09,
                         0x0A, 0x0B, 0x01, 0x03, 'A',  's',  't',  'r',  'a',  0,    0,
                         0,    0,    0,    0,    0,    0,    0,    0,    0,    0xEE};
    EXPECT_EQ(Slice(out, kSat, 32), entry);
    // Preserved A, B, the count, C, D; entry bytes 1007 + trailer 171 + 1 = 1179 = 0x049B.
    EXPECT_EQ(Slice(out, kSat + Z - 7, 7), (Bytes{0x11, 0x22, 1, 0x33, 0x44, 0x04, 0x9B}));

    db.ClearAll();
    ResetImageState();
    ASSERT_EQ(Load(out), 1);
    const auto* back = db.Get<Satellite_Info_Tag>(kTableSatellite, 1);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Fields(*back), Fields(want)) << "b5 and the second group are not carried";
    EXPECT_EQ(g_byPreservedA, 0x11);
    EXPECT_EQ(g_byPreservedD, 0x44);
}

TEST_F(Blocks, SatelliteLongFormKeepsBothGroups) {
    Profile p = MakeProfile(7, 0x09);
    p.sat.entrySize = 44;
    p.Apply();
    // Degree 3400: 20.0W.
    const SatSettingGroup g1{1, 2, 3, 4, 5, 6, 7, 8, 9};
    const SatSettingGroup g2{0x1011, 0x1213, 0x1415, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B};
    const Satellite_Info_Tag want{0, 0, g1, {}, g2, {}, 3400, 2, 9, "Fifteen chars!!", 0x33};
    db.AddIndexed(kTableSatellite, CopyRecord(want));
    const auto out = Save(Blank());
    // Group 1 b5, group 2 w1 (order 0); group 2 w4 in one byte; Degree; ID.
    EXPECT_EQ(Slice(out, kSat + 11, 3), (Bytes{9, 0x11, 0x10}));
    EXPECT_EQ(out[kSat + 21], 0x19);
    EXPECT_EQ(Slice(out, kSat + 23, 3), (Bytes{0x1B, 3400 & 0xFF, 3400 >> 8}));
    EXPECT_EQ(out[kSat + 27], 9);
    EXPECT_EQ(std::memcmp(&out[kSat + 28], "Fifteen chars!!", 15), 0);
    ASSERT_TRUE(Reload(out));
    const auto* back = db.Get<Satellite_Info_Tag>(kTableSatellite, 1);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Fields(*back), Fields(want));
}

TEST_F(Blocks, SatelliteCountZeroMeans120AndEmptySlotsKeepTheirKeys) {
    Image img(Profile{}.FlashSize());
    img.Put8(4096 + Z - 5, 0);
    img.PutText(4096 + 0 * 32 + 15, "First");
    img.PutText(4096 + 2 * 32 + 15, "Third");
    img.PutText(4096 + 119 * 32 + 15, "Last");
    img.PutText(4096 + 120 * 32 + 15, "Beyond");
    ASSERT_EQ(Load(img.Bytes()), 1);
    ASSERT_EQ(db.Size(kTableSatellite), 3u);
    EXPECT_STREQ(db.Get<Satellite_Info_Tag>(kTableSatellite, 3)->Name, "Third");
    EXPECT_STREQ(db.Get<Satellite_Info_Tag>(kTableSatellite, 120)->Name, "Last");
    EXPECT_EQ(db.GetRow(kTableSatellite, 2), nullptr);
}

// ---- Transponder block ----------------------------------------------------------

// The extension only on lists 7 and 8.
TEST_F(Blocks, TransponderEntryWithExtensionInOrderOne) {
    MakeProfile(7, 1, 1).Apply();
    db.AddIndexed(kTableTransponder, CopyRecord(kTransponder));
    const auto out = Save(Blank());
    const Bytes entry = {0x2C, 0xE6, 0x55, 0xF0, 0x04, 0x43, 0x01, 0x02, 0x31, 0x05,
                         0x02, 0x07, 0x01, 0x01, 0x12, 0x34, 0x56, 0x78, 0x09, 0x0A};
    EXPECT_EQ(Slice(out, kTp, 20), entry);
    // The count, then 1 + entry bytes (1033) + count (1) = 1035 = 0x040B.
    EXPECT_EQ(Slice(out, kTp + Z - 4, 4), (Bytes{0x00, 0x01, 0x04, 0x0B}));
    EXPECT_EQ(FirstNot(out, kTp + Z, 7 * Z, 0), -1) << "padding sectors are all zero";
    ASSERT_TRUE(Reload(out));
    const auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, 1);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->ExtWord2, 0x5678);
    EXPECT_EQ(g_nMaxTPID, 7u);

    MakeProfile(1).Apply();
    db.ClearAll();
    db.AddIndexed(kTableTransponder, CopyRecord(kTransponder));
    const auto plain = Save(Blank());
    EXPECT_EQ(Slice(plain, kTp + 12, 8), Bytes(8));
    ASSERT_TRUE(Reload(plain));
    t = db.Get<Transponder_Info_Tag>(kTableTransponder, 1);
    EXPECT_EQ(t->ExtByte1 | t->ExtByte2 | t->ExtWord1 | t->ExtWord2 | t->ExtByte3 | t->ExtByte4, 0);
}

TEST_F(Blocks, TerrestrialTransponderPacksParamsOnlyWithTheTerrestrialBit) {
    // TransMode 2, Constellation 3, CodeRate 3, GuardInterval 1, Priority 1.
    const MuxParams mp{0, 2, 0, 3, 3, 1, 1, 0, 0};
    Transponder_Info_Tag t{};
    SetTpParams(t, mp.Pack());
    t.TSID = 0x0203;
    SetTpTerrestrialBytes(t, 0x44, 5);
    t.SatID = 1;
    t.TPID = 3;
    for (std::uint32_t type : {0x03u, 0x01u}) {
        MakeProfile(1, type, 1).Apply();
        db.ClearAll();
        db.AddIndexed(kTableTransponder, CopyRecord(t));
        const auto out = Save(Blank());
        const Bytes got = Slice(out, kTp, 12);
        if (type == 0x03)
            EXPECT_EQ(got, (Bytes{0x43, 0x61, 0x40, 0x00, 0x02, 0x03, 0x44, 0x05, 0, 0, 1, 3}));
        else // the same bytes of the record, as Frequency, SymbolRate and Word4
            EXPECT_EQ(got, (Bytes{0x0B, 0xC4, 0x00, 0x01, 0x02, 0x03, 0x05, 0x44, 0, 0, 1, 3}));
        ASSERT_TRUE(Reload(out));
        const auto* back = db.Get<Transponder_Info_Tag>(kTableTransponder, 1);
        EXPECT_EQ(TpParams(*back), mp.Pack()) << type;
        EXPECT_EQ(TpNameIndex(*back), 5) << type;
    }
}

TEST_F(Blocks, TransponderSectorsTake203AndEmptySlotsAdvanceKeys) {
    for (int i = 0; i < 204; ++i) {
        Transponder_Info_Tag t = kTransponder;
        t.TPID = static_cast<BYTE>(i % 250 + 1);
        db.AddIndexed(kTableTransponder, CopyRecord(t));
    }
    auto out = Save(Blank());
    EXPECT_EQ(Word(out, kTp + Z - 4, 1), 203);
    EXPECT_EQ(Word(out, kTp + 2 * Z - 4, 1), 1);
    EXPECT_EQ(out[kTp + Z + 10], 2) << "the 204th starts the second sector";
    // A slot with SatID 0 is dropped but still takes its key.
    out[kTp + 1 * 20 + 10] = 0;
    ASSERT_TRUE(Reload(out));
    EXPECT_EQ(db.Size(kTableTransponder), 203u);
    EXPECT_EQ(db.GetRow(kTableTransponder, 2), nullptr);
    EXPECT_NE(db.GetRow(kTableTransponder, 204), nullptr);
}

// An empty table: the satellite block is left as it was, the transponder
// block is zeroed.
TEST_F(Blocks, EmptyTablesLeaveTheSatelliteBlockAndZeroTheTransponderBlock) {
    auto base = Blank();
    std::fill(base.begin() + kSat, base.begin() + kSat + Z, BYTE{0xA5});
    std::fill(base.begin() + kTp, base.begin() + kTp + 8 * Z, BYTE{0xA5});
    const auto out = Save(base);
    EXPECT_EQ(FirstNot(out, kSat, Z, 0xA5), -1);
    EXPECT_EQ(FirstNot(out, kTp, 8 * Z, 0), -1);
}

// ---- Broadcast block ------------------------------------------------------------

TEST_F(Blocks, BroadcastEntriesAndTwoSectorsOf204) {
    AddRows<Broadcast_Info_Tag>(db, kTableBroadcast, 205, "BBC", [](auto& b, int i, BYTE) {
        b.BroadcastID = static_cast<WORD>(0x100 + i);
        if (i == 0)
            std::strcpy(b.Name, "Sixteen chars!!!");
    });
    const auto out = Save(Blank());
    EXPECT_EQ(Slice(out, kBrd, 2), (Bytes{0x00, 0x01}));
    EXPECT_EQ(std::memcmp(&out[kBrd + 2], "Sixteen chars!!!\0", 17), 0);
    EXPECT_EQ(Word(out, kBrd + Z - 4, 1), 204);
    EXPECT_EQ(Word(out, kBrd + 2 * Z - 4, 1), 1);
    EXPECT_EQ(Word(out, kBrd + Z, 0), 0x100 + 204);
    ASSERT_TRUE(Reload(out));
    EXPECT_EQ(db.Size(kTableBroadcast), 205u);
    EXPECT_STREQ(db.Get<Broadcast_Info_Tag>(kTableBroadcast, 1)->Name, "Sixteen chars!!!");
    EXPECT_EQ(db.Get<Broadcast_Info_Tag>(kTableBroadcast, 205)->BroadcastID, 0x100 + 204);
}

TEST_F(Blocks, BroadcastNameFillingSeventeenBytesIsCut) {
    Image img(Profile{}.FlashSize());
    img.Put16(8192 + Z - 4, 2, 1);
    img.PutText(8192 + 2, "ABCDEFGHIJKLMNOPQ"); // bytes 2-18 all used
    img.Put8(8192 + 19, 0x7E);
    img.PutText(8192 + 20 + 2, ""); // second slot empty: dropped, key 2 skipped
    img.Put16(8192 + Z + Z - 4, 0, 1);
    ASSERT_EQ(Load(img.Bytes()), 1);
    ASSERT_EQ(db.Size(kTableBroadcast), 1u);
    const auto* b = db.Get<Broadcast_Info_Tag>(kTableBroadcast, 1);
    EXPECT_STREQ(b->Name, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(b->Tail, 0x7E);
}

TEST_F(Blocks, OversizedAndErasedCountsNeverReadPastTheSector) {
    Image img(Profile{}.FlashSize());
    img.Put16(8192 + Z - 4, 0x1000, 1); // more than a sector holds: clamped to 204
    for (int j = 0; j < 205; ++j)
        img.PutText(8192 + j * 20 + 2, "X");
    img.Put16(8192 + 2 * Z - 4, 0xFFFF, 1); // erased: nothing in that sector
    img.PutText(8192 + Z + 2, "Y");
    img.Put16(16384 + Z - 4, 0xFFFF, 1);
    img.Put8(16384 + 10, 1);
    ASSERT_EQ(Load(img.Bytes()), 1);
    EXPECT_EQ(db.Size(kTableBroadcast), 204u);
    EXPECT_EQ(db.Size(kTableTransponder), 0u);
}
