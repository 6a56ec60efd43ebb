// The Information figures over a small list, on the start-up receiver and on
// a cable receiver.
#include "document/Statistics.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "model/SatelliteRecords.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

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

} // namespace

TEST_F(StatisticsTest, StartUpReceiver) {
    const Statistics s = ComputeStatistics(db, true);
    EXPECT_TRUE(s.zorvImage);
    EXPECT_EQ((std::array<int, 3>{s.productList, static_cast<int>(s.productType), s.byteOrder}),
              (std::array{7, 1, 0}));

    ASSERT_EQ(s.tables.size(), 5u) << "no multiplex tables on a satellite receiver";
    const std::uint8_t order[] = {kTableFavorite, kTableSatellite, kTableTransponder,
                                  kTableBroadcast, kTableChannel};
    const std::uint32_t counts[] = {3, 2, 0, 1, 5};
    const std::int64_t capacities[] = {8, 127, 1624, 408, 4608};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(s.tables[i].table, order[i]);
        EXPECT_EQ(s.tables[i].count, counts[i]);
        EXPECT_EQ(s.tables[i].capacity, capacities[i]);
        EXPECT_EQ(s.tables[i].Free(), capacities[i] - counts[i]);
    }
    EXPECT_STREQ(TableName(s.tables[4].table), "channels");

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
    std::vector<std::uint8_t> tables;
    for (const TableUsage& t : s.tables)
        tables.push_back(t.table);
    // Satellites stay because they hold rows; transponders are empty and go.
    EXPECT_EQ(tables, (std::vector<std::uint8_t>{kTableFavorite, kTableSatellite, kTableBroadcast,
                                                 kTableCableMux, kTableChannel}));
    EXPECT_FALSE(s.tables[1].capacity || s.tables[1].Free()) << "no satellite block on cable";
    EXPECT_EQ(s.tables[3].count, 1u);
    EXPECT_EQ(s.tables[3].capacity, 1624);
    EXPECT_TRUE(s.perSatellite.empty());
    EXPECT_EQ(s.perBroadcaster.size(), 2u);
}

TEST_F(StatisticsTest, OverfullTableShowsNegativeFree) {
    SetFlashMMIBlockInfo(0, 1, 20, 2);
    const Statistics s = ComputeStatistics(db, false);
    EXPECT_EQ(s.tables[0].table, kTableFavorite);
    EXPECT_EQ(s.tables[0].Free(), -1);
}
