// Every table's capacity against the real codec: that many rows save and all
// come back; one row more fails the save or does not come back.
#include "document/Capacity.h"
#include "image/BlockRules.h"
#include "image/SectorWriter.h"
#include "tests/image/ImageBuilder.h"

#include <string>

namespace velmar::test {
namespace {

struct FitCase {
    const char* name;
    Profile profile;
    std::uint8_t table;
    std::int64_t capacity; // worked out by hand
};

// 16 KiB sectors: the one-byte counts of satellites and network channels bind.
Profile BigSectors(int list) {
    Profile p = MakeProfile(list);
    p.sectorSize = 16384;
    p.mmi = {0, 1, 20, 8};
    p.sat = {16384, 1, 32, 0};
    p.brd = {32768, 2, 20, 0};
    p.tp = {65536, 8, 20, 0};
    p.ch = {196608, 2, 40, 4};
    return p;
}
Profile ManyFavorites() {
    Profile p; // more lists allowed than the first sector holds; a second sector
    p.mmi = {0, 2, 20, 300};
    p.sat = {8192, 1, 32, 0};
    p.brd = {12288, 1, 20, 0};
    return p;
}
Profile SingleBlock() {
    Profile p = MakeProfile(10, 0x04);
    p.tp = {16384, 10, 20, 0};
    p.brd = {0, 5, 20, 0};
    p.ch = {16384, 300, 56, 28};
    return p;
}

// Two satellite sectors: the reader takes the first sector's trailer only,
// so the second makes no room for a 128th satellite.
Profile TwoSatelliteSectors() {
    Profile p;
    p.sat.sectors = 2;
    p.brd = {12288, 1, 20, 0};
    return p;
}

// Entries of 34 bytes end exactly 50 bytes before the sector end at slot
// 119: the tightest fit the rule allows.
Profile TightChannels() {
    Profile p = MakeProfile(1);
    p.ch = {49152, 2, 34, 4};
    return p;
}

const FitCase kCases[] = {
    {"startup_favorites", Profile{}, kTableFavorite, 8},
    {"startup_satellites", Profile{}, kTableSatellite, 127},
    {"startup_broadcasts", Profile{}, kTableBroadcast, 408},
    {"startup_transponders", Profile{}, kTableTransponder, 1624},
    {"startup_channels", Profile{}, kTableChannel, 4608},
    {"tight_channels", TightChannels(), kTableChannel, 2 * 119},
    {"two_sector_satellites", TwoSatelliteSectors(), kTableSatellite, 127},
    {"long_satellites", LongSatelliteProfile(), kTableSatellite, 92},
    {"long_channels", LongSatelliteProfile(), kTableChannel, 2048},
    // List 5 on a cable receiver: the reader drops the second tuner's copies,
    // which it tells by the tuner byte at 28 + L, so the entry must hold it.
    {"twin_tuner_channels", MakeProfile(5, 0x04, 0, 60), kTableChannel, 67 * 64 / 2},
    {"cable_muxes", MakeProfile(5, 0x04, 0, 60), kTableCableMux, 1624},
    {"big_sector_satellites", BigSectors(7), kTableSatellite, 255},
    {"big_sector_broadcasts", BigSectors(7), kTableBroadcast, 1636},
    {"big_sector_channels", BigSectors(7), kTableChannel, 816},
    {"network_channels", BigSectors(9), kTableChannel, 510},
    {"favorites_first_sector", ManyFavorites(), kTableFavorite, 204},
    {"single_block_muxes", SingleBlock(), kTableCableMux, 10},
    {"single_block_broadcasts", SingleBlock(), kTableBroadcast, 5},
    {"single_block_channels", SingleBlock(), kTableChannel, 300},
};

class CapacityFit : public CodecTest, public ::testing::WithParamInterface<FitCase> {
protected:
    void Fill(std::uint8_t table, std::int64_t rows) {
        db.ClearAll();
        const auto none = [](auto&, int, BYTE) {};
        switch (table) {
        case kTableFavorite:
            return AddRows<FavoriteList>(db, table, rows, "F%d", none);
        case kTableSatellite:
            return AddRows<Satellite_Info_Tag>(db, table, rows, "S%d",
                                               [](auto& s, int, BYTE id) { s.ID = id; });
        case kTableBroadcast:
            return AddRows<Broadcast_Info_Tag>(db, table, rows, "B%d", [](auto& b, int n, BYTE) {
                b.BroadcastID = static_cast<WORD>(n + 1);
            });
        case kTableTransponder:
            return AddRows<Transponder_Info_Tag>(db, table, rows, "", [](auto& t, int, BYTE id) {
                t.SatID = 2;
                t.TPID = id;
            });
        case kTableCableMux:
            return AddRows<CableMux_Info_Tag>(db, table, rows, "",
                                              [](auto& m, int, BYTE id) { m.TPID = id; });
        default:
            return AddRows<Channel_Info_Tag>(db, table, rows, "%04d", [](auto& c, int n, BYTE) {
                c.SatID = 2;
                c.TPID = 1;
                c.Attributes = n % 3 ? kAttrTV : kAttrRadio;
            });
        }
    }
    // Saves `rows` rows of the table into a blank image and reads it back:
    // the rows that came back, or -1 when the save failed.
    std::int64_t SaveAndReload(std::uint8_t table, std::int64_t rows) {
        Fill(table, rows);
        const Profile& p = GetParam().profile;
        int ok = 0;
        const std::vector<BYTE> saved = Save(Image(p.FlashSize() + (1 << 20)).Bytes(), &ok);
        if (ok != 1)
            return -1;
        db.ClearAll();
        if (Load(saved) != 1)
            return -2;
        return db.Size(table);
    }
};

} // namespace

TEST_P(CapacityFit, CapacityRowsSurviveOneMoreDoesNot) {
    const FitCase& c = GetParam();
    c.profile.Apply();
    ASSERT_EQ(TableCapacity(c.table), c.capacity);
    EXPECT_EQ(SaveAndReload(c.table, c.capacity), c.capacity);
    const std::int64_t over = SaveAndReload(c.table, c.capacity + 1);
    EXPECT_NE(over, c.capacity + 1) << "one more row than the capacity came back";
}

// The writers' own check before they place an entry: whole sectors, rounded
// up, from the first entry's offset on; one entry more than the block holds
// is refused before a sector is written.
TEST(SectorWriter, SectorsNeededRoundUpFromTheFirstOffset) {
    constexpr int Z = 4096, E = 56; // 72 channel entries a sector
    CImageBuffer image;
    const std::vector<BYTE> before(3 * Z, 0xA5);
    image.Own(before);
    CSectorWriter writer(
        image, 0, Z, 2, E, [](int off) { return fit::Channel(Z, E, off, false); },
        [](std::span<BYTE>) {});
    for (const auto& [entries, sectors] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{72, 1},
                                           std::pair{73, 2}, std::pair{144, 2}, std::pair{145, 3}})
        EXPECT_EQ(writer.SectorsNeeded(entries), sectors) << entries << " entries";
    EXPECT_TRUE(writer.Fit(144));
    EXPECT_FALSE(writer.Fit(145));
    writer.SetFirstOffset(3 * E); // three slots taken: 69 + 72 fit
    EXPECT_EQ(writer.SectorsNeeded(69), 1);
    EXPECT_EQ(writer.SectorsNeeded(70), 2);
    EXPECT_EQ(writer.SectorsNeeded(142), 3);
    EXPECT_TRUE(writer.Fit(141));
    EXPECT_FALSE(writer.Fit(142));
    EXPECT_EQ(image.Release(), before) << "asking writes nothing";
}

INSTANTIATE_TEST_SUITE_P(Profiles, CapacityFit, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace velmar::test
