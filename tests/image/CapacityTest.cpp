// The capacity check before a save: each table against its block, at the
// exact boundary, with the message the user reads; a refused save writes
// nothing.
#include "image/Capacity.h"
#include "document/WorkingCopy.h"
#include "tests/image/ImageBuilder.h"

#include <cstring>
#include <functional>

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;

constexpr auto kAsIs = [](auto&, int, BYTE) {};

class Capacity : public WorkingCopyTest {
protected:
    void AddChannels(int n) {
        AddRows<Channel_Info_Tag>(db, kTableChannel, n, "C%d", [](auto& c, int, BYTE) {
            c.SatID = 1;
            c.Attributes = kAttrTV;
        });
    }
    void AddSatellites(int n) { AddRows<Satellite_Info_Tag>(db, kTableSatellite, n, "S%d", kAsIs); }
    void AddFavorites(int n) { AddRows<FavoriteList>(db, kTableFavorite, n, "F%d", kAsIs); }
    // N saves; one more is refused with `message` and the target stays as it was.
    void ExpectBoundary(const std::function<void(int)>& add, int n, const std::string& message) {
        const fs::path target = Path("target.bin");
        const std::vector<BYTE> old(1000, 0xA5);
        WriteFile(target, old);
        add(n);
        SaveReport report;
        ASSERT_EQ(ExportWorkingCopy(target.string(), &report), 1) << report.message;
        WriteFile(target, old);
        fs::remove(Path("target.bin.bak"));
        add(1);
        ASSERT_EQ(ExportWorkingCopy(target.string(), &report), 0);
        EXPECT_EQ(report.message, message);
        EXPECT_EQ(ReadFile(target), old);
        EXPECT_FALSE(fs::exists(Path("target.bin.bak")));
        EXPECT_EQ(ExportWorkingCopy(Path("fresh.bin").string()), 0);
        EXPECT_FALSE(fs::exists(Path("fresh.bin"))) << "no new file either";
    }
};

} // namespace

TEST_F(Capacity, EachTableAtItsBoundary) {
    const FlashGeometry g = FlashGeometry::FromPolicy();
    EXPECT_EQ(TableCapacity(g, kTableCableMux), 0) << "a satellite-only receiver";
    EXPECT_EQ(TableCapacity(g, kTableTerrestrialMux), -1) << "never written";
    ExpectBoundary([&](int n) { AddFavorites(n); }, 8,
                   "The favourite tree has 9 favourite lists, but this receiver holds at most 8. "
                   "Remove 1 favourite list and save again.");
    db.ClearAll();
    ExpectBoundary([&](int n) { AddSatellites(n); }, 127,
                   "The satellite list has 128 satellites, but this receiver holds at most 127. "
                   "Remove 1 satellite and save again.");
    db.ClearAll();
    ExpectBoundary([&](int n) { AddChannels(n); }, 4608,
                   "The channel list has 4,609 channels, but this receiver holds at most 4,608. "
                   "Remove 1 channel and save again.");
}

TEST_F(Capacity, EveryTableThatDoesNotFitIsNamedInBlockOrder) {
    AddChannels(4650);
    AddSatellites(130);
    AddFavorites(9);
    AddRows<Broadcast_Info_Tag>(db, kTableBroadcast, 409, "B%d", kAsIs);
    const auto problems = CheckCapacity(db, FlashGeometry::FromPolicy());
    std::vector<std::uint8_t> tables;
    for (const auto& problem : problems)
        tables.push_back(problem.table);
    ASSERT_EQ(tables, (std::vector<std::uint8_t>{kTableFavorite, kTableSatellite, kTableBroadcast,
                                                 kTableChannel}));
    EXPECT_EQ(problems[3].message,
              "The channel list has 4,650 channels, but this receiver holds at most 4,608. "
              "Remove 42 channels and save again.");
    EXPECT_EQ(CapacityMessage(problems).find('\n'), problems[0].message.size());
}

// The per-family numbers: CapacityFit.
TEST_F(Capacity, AProductWithoutAChannelLayoutHoldsNone) {
    MakeProfile(11).Apply();
    AddChannels(1);
    ASSERT_EQ(CheckCapacity(db, FlashGeometry::FromPolicy()).size(), 1u);
    EXPECT_EQ(CheckCapacity(db, FlashGeometry::FromPolicy())[0].message,
              "The channel list has 1 channel, but this receiver holds none. Remove 1 channel "
              "and save again.");
}

TEST_F(Capacity, ABrokenLayoutIsReportedInsteadOfCounted) {
    Profile p;
    p.ch = {49152, 1 << 20, 56, 28}; // 4 GB of channel block
    p.Apply();
    const auto problems = CheckCapacity(db, FlashGeometry::FromPolicy());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].message, "This receiver's flash layout is not valid: the channel block "
                                   "reaches beyond any receiver's image.");
    SaveReport report;
    EXPECT_EQ(ExportWorkingCopy(Path("x.bin").string(), &report), 0);
    EXPECT_EQ(report.message, problems[0].message);
    EXPECT_FALSE(fs::exists(Path("x.bin")));
}

TEST_F(Capacity, CountWordsAndTheSingleBlockWriterBound) {
    FlashGeometry g = FlashGeometry::FromPolicy();
    // 1 MiB sectors of 12-byte transponders would place 87,380 a sector, but
    // a count of 0xFFFF reads back as erased: 65,534 a sector at most.
    g.sectorSize = 1 << 20;
    g.tp = {0, 2, 12, 0};
    g.brd = {0, 1, 12, 0};
    EXPECT_EQ(TableCapacity(g, kTableTransponder), 2 * 0xFFFE);
    EXPECT_EQ(TableCapacity(g, kTableBroadcast), 0) << "broadcasts need 20 bytes";
    g.brd.entrySize = 20;
    EXPECT_EQ(TableCapacity(g, kTableBroadcast), 52428); // (2^20 - 5 - 20) / 20 + 1

    // The single block's writer stores nothing when an area has no entry
    // size: no area holds a row then.
    SingleBlockProfile(0).Apply();
    const FlashGeometry s = FlashGeometry::FromPolicy();
    EXPECT_EQ(TableCapacity(s, kTableCableMux), 0);
    EXPECT_EQ(TableCapacity(s, kTableChannel), 0);
    EXPECT_EQ(TableCapacity(s, kTableSatellite), 0);
    EXPECT_EQ(TableCapacity(s, kTableTerrestrialMux), 0);
    EXPECT_FALSE(WritesTable(s, kTableSatellite));
    EXPECT_TRUE(WritesTable(s, kTableCableMux));
}
