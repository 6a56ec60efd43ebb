// The Information figures over a small list, on the start-up receiver and on
// a cable receiver, and the table capacities they show where the policy's
// geometry decides them. The capacities of the receiver families, worked out
// by hand from the block writers' fit rules, are checked against the real
// codec in tests/image/CapacityFitTest.cpp.
#include "document/Statistics.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "document/Capacity.h"
#include "model/SatelliteRecords.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

using velmar::test::AddBroadcast;
using velmar::test::AddChannel;
using velmar::test::AddSatellite;
using velmar::test::Ch;

namespace {

class StatisticsTest : public ::testing::Test {
protected:
    void SetUp() override {
        velmar::policy_profile::Reset();
        ConfigureStartupPolicy();
        AddSatellite(db, 2);
        AddSatellite(db, 1);
        AddBroadcast(db, 7);
        for (int i = 0; i < 3; ++i)
            db.AddIndexed(kTableFavorite, NewRecord<FavoriteList>());

        Ch tv{"One"};
        tv.broadcast = 7;
        AddChannel(db, tv.Ids(1, 1, 1).On(1, 1));
        const auto copy = AddChannel(db, Ch{"One again"}.Ids(1, 1, 1).On(2, 3));
        db.Get<Channel_Info_Tag>(kTableChannel, copy)->Attributes |= kAttrLocked | kAttrSkipped;
        const auto radio = AddChannel(db, Ch{"Radio"}.Radio().On(1, 1));
        db.Get<Channel_Info_Tag>(kTableChannel, radio)->Attributes |= kAttrScrambled;
        Ch both{"Both"};
        both.attributes = kAttrTV | kAttrRadio | kAttrScrambled;
        AddChannel(db, both.On(9, 1)); // satellite 9 has no record
        Ch neither{"Neither"};
        neither.attributes = 0;
        AddChannel(db, neither.On(1, 1));
    }
    void TearDown() override { velmar::policy_profile::Reset(); }

    CZorvDB db;
};

// Each table shown, in order: its name, rows and capacity ("-": none).
std::string Tables(const Statistics& s) {
    std::string out;
    for (const TableUsage& t : s.tables)
        out += std::string(TableName(t.table)) + " " + std::to_string(t.count) + "/" +
               (t.capacity ? std::to_string(*t.capacity) : "-") + "; ";
    return out;
}

} // namespace

TEST_F(StatisticsTest, StartUpReceiver) {
    const Statistics s = ComputeStatistics(db, true);
    EXPECT_TRUE(s.zorvImage);
    EXPECT_EQ((std::array<int, 3>{s.productList, static_cast<int>(s.productType), s.byteOrder}),
              (std::array{7, 1, 0}));

    // No multiplex tables on a satellite receiver.
    EXPECT_EQ(Tables(s), "favourites 3/8; satellites 2/127; transponders 0/1624; broadcasts "
                         "1/408; channels 5/4608; ");

    // TV, radio, locked, skipped, scrambled.
    EXPECT_EQ((std::array{s.tv, s.radio, s.locked, s.skipped, s.scrambled}),
              (std::array<std::uint32_t, 5>{3, 1, 1, 1, 2}));

    const auto per = [](const std::vector<ChannelsPer>& rows) {
        std::string out;
        for (const auto& x : rows)
            out += std::to_string(x.id) + " " + x.name + ":" + std::to_string(x.channels) + "; ";
        return out;
    };
    EXPECT_EQ(per(s.perSatellite), "1 Sat 1:3; 2 Sat 2:1; 9 :1; ") << "satellite 9 has no record";
    EXPECT_EQ(per(s.perBroadcaster), "0 :4; 7 Provider 7:1; ");

    ASSERT_EQ(s.duplicates.size(), 1u);
    EXPECT_EQ(s.duplicates[0], (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(s.DuplicateChannels(), 2u);
}

TEST_F(StatisticsTest, CableReceiverShowsItsOwnTables) {
    SetProductType(0x04);
    db.AddIndexed(kTableCableMux, NewRecord<CableMux_Info_Tag>());
    const Statistics s = ComputeStatistics(db, false);
    // Satellites stay because they hold rows, without a block on cable;
    // transponders are empty and go.
    EXPECT_EQ(Tables(s), "favourites 3/8; satellites 2/-; broadcasts 1/408; cable muxes 1/1624; "
                         "channels 5/4608; ");
    EXPECT_FALSE(s.tables[1].Free());
    EXPECT_TRUE(s.perSatellite.empty());
    EXPECT_EQ(s.perBroadcaster.size(), 2u);
}

TEST_F(StatisticsTest, OverfullTableShowsNegativeFree) {
    SetFlashMMIBlockInfo(0, 1, 20, 2);
    const Statistics s = ComputeStatistics(db, false);
    EXPECT_EQ(s.tables[0].table, kTableFavorite);
    EXPECT_EQ(s.tables[0].Free(), -1);
}

// Start-up receiver: one image entry per channel.
TEST_F(StatisticsTest, TablesTheProductDoesNotWriteHaveNoCapacity) {
    EXPECT_EQ(EntriesPerChannel(), 1);
    for (const std::uint8_t table : {kTableTerrestrialMux, kTableCableMux, kTableScratch})
        EXPECT_FALSE(TableCapacity(table).has_value()) << int{table};
    EXPECT_FALSE(TableCapacity(42).has_value());
    SetProductType(0x04); // cable only
    for (const std::uint8_t table : {kTableSatellite, kTableTransponder})
        EXPECT_FALSE(TableCapacity(table).has_value()) << int{table};
    // Cable multiplexes use the transponder block's geometry and rule.
    EXPECT_EQ(TableCapacity(kTableCableMux), 1624);
}

TEST_F(StatisticsTest, TwinTunerWriterHalvesTheChannelsAndLongSatellitesNeed44Bytes) {
    // Standard layout, same entry size: 72 x 64 entries, two per channel.
    SetProductList(6);
    EXPECT_EQ(std::tuple(EntriesPerChannel(), TableCapacity(kTableChannel)), std::tuple(2, 2304));
    // The long satellite form needs 44 bytes an entry.
    SetProductList(64);
    SetProductType(0x49);
    SetFlashCHBlockInfo(49152, 64, 124, 28);
    SetFlashSatBlockInfo(4096, 1, 32);
    EXPECT_EQ(TableCapacity(kTableSatellite), 0);
}

TEST_F(StatisticsTest, SingleBlockAreasAndTheWritersBound) {
    SetProductList(10);
    SetProductType(0x04);
    SetFlashTPBlockInfo(16384, 10, 20);
    SetFlashBrdBlockInfo(0, 5, 20);
    SetFlashCHBlockInfo(0, 300, 56, 28);
    EXPECT_EQ(TableCapacity(kTableFavorite), 8);
    EXPECT_FALSE(TableCapacity(kTableSatellite).has_value());
    EXPECT_EQ(EntriesPerChannel(), 1) << "list 10's single block has no twin writer";
    // A block beyond the writer's 64 MiB bound saves nothing.
    SetFlashCHBlockInfo(0, 2'000'000, 56, 28);
    EXPECT_EQ(TableCapacity(kTableChannel), 0);
    EXPECT_EQ(TableCapacity(kTableCableMux), 0);
}

TEST_F(StatisticsTest, GeometryTheCodecRefusesHoldsNothing) {
    velmar::policy_profile::SetFlashOneSectorSize(8);
    EXPECT_EQ(TableCapacity(kTableChannel), 0);
    EXPECT_EQ(TableCapacity(kTableFavorite), 0);
    velmar::policy_profile::SetFlashOneSectorSize(4096);
    SetFlashBrdBlockInfo(8192, -1, 20);
    EXPECT_EQ(TableCapacity(kTableChannel), 0);
    SetFlashBrdBlockInfo(8192, 2, 20);
    SetProductList(11); // no channel layout
    EXPECT_EQ(TableCapacity(kTableChannel), 0);
    SetProductList(7);
    SetFlashCHBlockInfo(49152, 64, 56, 0); // no name
    EXPECT_EQ(TableCapacity(kTableChannel), 0);
}
