// Table capacities worked out by hand from the block writers' fit rules.
// That a save at each capacity succeeds and one more row does not come back
// is shown against the real codec in tests/image/CapacityFitTest.cpp.
#include "document/Capacity.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"

#include <gtest/gtest.h>

namespace {

class Capacity : public ::testing::Test {
protected:
    void SetUp() override {
        velmar::policy_profile::Reset();
        ConfigureStartupPolicy();
    }
    void TearDown() override { velmar::policy_profile::Reset(); }
};

} // namespace

TEST_F(Capacity, StartUpGeometry) {
    // Favourites: the maximum of 8 (the sector would take (4096-4)/20 = 204).
    EXPECT_EQ(TableCapacity(kTableFavorite), 8);
    // Satellites: one sector, offsets p with p + 32 < 4096 - 7: (4096-8)/32 = 127.
    EXPECT_EQ(TableCapacity(kTableSatellite), 127);
    // Broadcasts: p + 20 < 4092, so p <= 4051: 204 a sector, 2 sectors.
    EXPECT_EQ(TableCapacity(kTableBroadcast), 408);
    // Transponders: p + 40 < 4092, so p <= 4051 - 20: 203 a sector, 8 sectors.
    EXPECT_EQ(TableCapacity(kTableTransponder), 1624);
    // Channels: 4096 - p - 49 > 56, so p <= 3990: 72 a sector, 64 sectors.
    EXPECT_EQ(TableCapacity(kTableChannel), 4608);
    EXPECT_EQ(EntriesPerChannel(), 1);
}

TEST_F(Capacity, TablesTheProductDoesNotWriteHaveNone) {
    EXPECT_FALSE(TableCapacity(kTableTerrestrialMux).has_value());
    EXPECT_FALSE(TableCapacity(kTableCableMux).has_value());
    EXPECT_FALSE(TableCapacity(kTableScratch).has_value());
    EXPECT_FALSE(TableCapacity(42).has_value());
    SetProductType(0x04); // cable only
    EXPECT_FALSE(TableCapacity(kTableSatellite).has_value());
    EXPECT_FALSE(TableCapacity(kTableTransponder).has_value());
    // Cable multiplexes use the transponder block's geometry and rule.
    EXPECT_EQ(TableCapacity(kTableCableMux), 1624);
}

TEST_F(Capacity, TwinTunerWriterHalvesTheChannels) {
    SetProductList(5);
    EXPECT_EQ(EntriesPerChannel(), 2);
    // Standard layout, same entry size: 72 x 64 entries, two per channel.
    EXPECT_EQ(TableCapacity(kTableChannel), 2304);
    SetProductList(6);
    EXPECT_EQ(TableCapacity(kTableChannel), 2304);
}

TEST_F(Capacity, LongSatelliteEntriesAndLargeChannelEntries) {
    SetProductList(64);
    SetProductType(0x49);
    SetFlashSatBlockInfo(4096, 1, 44);
    SetFlashCHBlockInfo(49152, 64, 124, 28);
    EXPECT_EQ(TableCapacity(kTableSatellite), 92);    // (4096-8)/44
    EXPECT_EQ(TableCapacity(kTableChannel), 32 * 64); // (3922/124)+1 a sector
    SetFlashSatBlockInfo(4096, 1, 32);
    EXPECT_EQ(TableCapacity(kTableSatellite), 0) << "the long form needs 44 bytes";
}

TEST_F(Capacity, OneByteCountsCapSatellitesAndNetworkChannels) {
    velmar::policy_profile::SetFlashOneSectorSize(16384);
    EXPECT_EQ(TableCapacity(kTableSatellite), 255); // (16384-8)/32 = 511 would fit
    SetProductList(9);
    SetFlashCHBlockInfo(196608, 2, 40, 4);
    EXPECT_EQ(TableCapacity(kTableChannel), 2 * 255); // 408 would fit a sector
    SetProductList(7);
    EXPECT_EQ(TableCapacity(kTableChannel), 2 * 408);
}

TEST_F(Capacity, SingleBlockAreasHoldTheirSlotCounts) {
    SetProductList(10);
    SetProductType(0x04);
    SetFlashTPBlockInfo(16384, 10, 20);
    SetFlashBrdBlockInfo(0, 5, 20);
    SetFlashCHBlockInfo(0, 300, 56, 28);
    EXPECT_EQ(TableCapacity(kTableCableMux), 10);
    EXPECT_EQ(TableCapacity(kTableBroadcast), 5);
    EXPECT_EQ(TableCapacity(kTableChannel), 300);
    EXPECT_EQ(TableCapacity(kTableFavorite), 8);
    EXPECT_FALSE(TableCapacity(kTableSatellite).has_value());
    EXPECT_EQ(EntriesPerChannel(), 1) << "list 10's single block has no twin writer";
    // A block beyond the writer's 64 MiB bound saves nothing.
    SetFlashCHBlockInfo(0, 2'000'000, 56, 28);
    EXPECT_EQ(TableCapacity(kTableChannel), 0);
    EXPECT_EQ(TableCapacity(kTableCableMux), 0);
}

TEST_F(Capacity, GeometryTheCodecRefusesHoldsNothing) {
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
