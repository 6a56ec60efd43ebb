// Duplicate channels: by service ids when one of them is non-zero, by name on
// the same satellite and transponder, within one kind, grouped transitively.
#include "model/Duplicates.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

using velmar::test::AddChannel;
using velmar::test::Ch;
using Groups = std::vector<std::vector<std::uint32_t>>;

TEST(Duplicates, SameIdsAreDuplicatesWhateverTheNameOrTransponderAndOneNonZeroIdIsEnough) {
    CZorvDB db;
    const auto a = AddChannel(db, Ch{"Das Erste"}.Ids(1, 1019, 10301).On(1, 3));
    AddChannel(db, Ch{"ZDF"}.Ids(1, 1079, 28006));
    const auto c = AddChannel(db, Ch{"Erste HD"}.Ids(1, 1019, 10301).On(2, 9));
    // One id differing is another service.
    AddChannel(db, Ch{"Das Erste"}.Ids(1, 1019, 10302).On(1, 7));
    // One non-zero id is enough.
    const auto e = AddChannel(db, Ch{"A"}.Ids(0, 0, 77).On(1, 1));
    const auto f = AddChannel(db, Ch{"B"}.Ids(0, 0, 77).On(3, 4));
    const auto g = AddChannel(db, Ch{"C"}.Ids(9, 0, 0).On(1, 1));
    const auto h = AddChannel(db, Ch{"D"}.Ids(9, 0, 0).On(2, 2));
    EXPECT_EQ(FindDuplicateGroups(db), (Groups{{a, c}, {e, f}, {g, h}}));
}

TEST(Duplicates, AllZeroIdsMatchOnlyByNameOnTheSameSatelliteAndTransponder) {
    CZorvDB db;
    const auto a = AddChannel(db, Ch{"WDR Lokalzeit"}.On(1, 5));
    AddChannel(db, Ch{"WDR Lokalzeit Köln"}.On(1, 5)); // another name
    AddChannel(db, Ch{"WDR Lokalzeit"}.On(1, 6));      // another transponder
    AddChannel(db, Ch{"WDR Lokalzeit"}.On(2, 5));      // another satellite
    AddChannel(db, Ch{"wdr lokalzeit"}.On(1, 5));      // names compare exactly
    const auto f = AddChannel(db, Ch{"WDR Lokalzeit"}.On(1, 5));
    // Two channels without ids and without names have nothing in common.
    AddChannel(db, Ch{""}.On(1, 5));
    AddChannel(db, Ch{""}.On(1, 5));
    EXPECT_EQ(FindDuplicateGroups(db), (Groups{{a, f}}));
}

TEST(Duplicates, NameOnTheSameTransponderJoinsChannelsWithDifferentIds) {
    // Either rule makes a pair; a group is everything the pairs connect.
    CZorvDB db;
    const auto a = AddChannel(db, Ch{"Sport 1"}.Ids(1, 10, 100).On(1, 1));
    const auto b = AddChannel(db, Ch{"Sport 1"}.Ids(1, 10, 101).On(1, 1));
    const auto c = AddChannel(db, Ch{"Sport Extra"}.Ids(1, 10, 101).On(4, 4));
    AddChannel(db, Ch{"Sport Extra"}.Ids(1, 10, 102).On(5, 5));
    EXPECT_EQ(FindDuplicateGroups(db), (Groups{{a, b, c}}));
}

TEST(Duplicates, KindsNeverMix) {
    CZorvDB db;
    const auto tv = AddChannel(db, Ch{"Bayern"}.Ids(1, 1, 1));
    const auto radio = AddChannel(db, Ch{"Bayern"}.Ids(1, 1, 1).Radio());
    EXPECT_TRUE(FindDuplicateGroups(db).empty());

    const auto radio2 = AddChannel(db, Ch{"Bayern 3"}.Ids(1, 1, 1).Radio());
    const auto tv2 = AddChannel(db, Ch{"Bayern"}.On(1, 1));
    EXPECT_EQ(FindDuplicateGroups(db), (Groups{{tv, tv2}, {radio, radio2}}));

    // A channel with both bits is TV, one with neither is in no list.
    const auto b = AddChannel(db, Ch{"Bayern"}.Attr(kAttrTV | kAttrRadio).Ids(1, 1, 1));
    AddChannel(db, Ch{"Bayern"}.Attr(0).Ids(1, 1, 1));
    EXPECT_EQ(FindDuplicateGroups(db), (Groups{{tv, tv2, b}, {radio, radio2}}));
}

TEST(Duplicates, GroupsAndKeysFollowTableOrderNotKeyOrder) {
    CZorvDB db;
    // Keys given out of order: the table order decides.
    auto add = [&](std::uint32_t key, const Ch& ch) {
        db.Add(kTableChannel, key, CopyRecord(ch.Record()));
    };
    add(50, Ch{"X"}.Ids(0, 0, 2));
    add(10, Ch{"Y"}.Ids(0, 0, 1));
    add(40, Ch{"Z"}.Ids(0, 0, 1));
    add(20, Ch{"W"}.Ids(0, 0, 2));
    add(30, Ch{"V"}.Ids(0, 0, 3));
    EXPECT_EQ(FindDuplicateGroups(db), (Groups{{50, 20}, {10, 40}}));
    EXPECT_EQ(DuplicateChannelKeys(db), (std::vector<std::uint32_t>{50, 10, 40, 20}));
}

TEST(Duplicates, AnEmptyOrUniqueListHasNoneALargeListEveryPlantedPair) {
    CZorvDB db;
    EXPECT_TRUE(FindDuplicateGroups(db).empty());
    // 4,000 distinct services, then a copy of every hundredth one.
    std::vector<std::uint32_t> originals;
    for (WORD i = 0; i < 4000; ++i)
        originals.push_back(AddChannel(db, Ch{"S" + std::to_string(i)}.Ids(1, i / 50, i)));
    EXPECT_TRUE(FindDuplicateGroups(db).empty());
    EXPECT_TRUE(DuplicateChannelKeys(db).empty());
    for (WORD i = 49; i < 4000; i += 100)
        AddChannel(db, Ch{"Copy"}.Ids(1, i / 50, i).On(2, static_cast<BYTE>(i / 100)));
    const auto groups = FindDuplicateGroups(db);
    ASSERT_EQ(groups.size(), 40u);
    EXPECT_EQ(groups[0][0], originals[49]);
    // The copies share a name, but each sits on its own transponder.
    for (const auto& g : groups)
        EXPECT_EQ(g.size(), 2u);
}
