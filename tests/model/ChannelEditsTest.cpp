// The channel edit operations over a hand-built store: drops, favourite
// membership and positions, renumbering a moved set, rename, and moving
// transponders.
#include "model/ChannelEdits.h"
#include "contracts/ZorvDB.h"
#include "model/SatelliteRecords.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Keys = std::vector<std::uint32_t>;

class Edits : public ::testing::Test {
protected:
    // "T<number>" or "R<number>" on satellite 1, transponder 1.
    std::uint32_t Channel(WORD number, bool radio = false) {
        return velmar::test::AddChannel(
            db, velmar::test::Ch{(radio ? "R" : "T") + std::to_string(number)}
                    .Attr(radio ? kAttrRadio : kAttrTV)
                    .Nums(number));
    }
    Channel_Info_Tag& C(std::uint32_t key) { return *db.Get<Channel_Info_Tag>(kTableChannel, key); }
    // ProgramNum of each key, in the given order.
    std::vector<int> Numbers(const Keys& keys) {
        return Field(&Channel_Info_Tag::ProgramNum, keys);
    }
    // One field of each key's channel, in the given order.
    template <class T> std::vector<int> Field(T Channel_Info_Tag::*field, const Keys& keys) {
        std::vector<int> out;
        for (auto k : keys)
            out.push_back(static_cast<int>(C(k).*field));
        return out;
    }
    // Positions in favourite list `index + 1`.
    std::vector<int> Positions(int index, const Keys& keys) {
        std::vector<int> out;
        for (auto k : keys)
            out.push_back(C(k).F[index]);
        return out;
    }
    // ProgramNum, LogicalNumber, ShowNum.
    std::array<int, 3> Triple(std::uint32_t key) {
        return {C(key).ProgramNum, C(key).LogicalNumber, C(key).ShowNum};
    }

    CZorvDB db;
};

} // namespace

// ---- Drops on source rows ---------------------------------------------------------------

// On terrestrial products a multiplex drop takes the TPID, on cable the multiplex's.
TEST_F(Edits, SatelliteAndMuxDropsTakeTheirIdsAndTheRowsLeave) {
    auto s = NewRecord<Satellite_Info_Tag>();
    s->ID = 3;
    db.Add(kTableSatellite, 7, std::move(s)); // key 7, ID 3
    const auto a = Channel(1), b = Channel(2), c = Channel(3);
    C(b).SatID = 3;
    const EditedRows r = SetChannelsSatellite(db, Keys{a, b, 99}, 7);
    EXPECT_EQ(Field(&Channel_Info_Tag::SatID, Keys{a, c}), (std::vector<int>{3, 1}))
        << "c was not dropped";
    EXPECT_EQ(r.changed, Keys{a}) << "b was on 3 already; 99 has no record";
    EXPECT_EQ(r.leaving, (Keys{a, b})) << "every dropped row leaves the list";

    // Multiplex key 4 has TPID 6.
    auto m = NewRecord<CableMux_Info_Tag>();
    m->TPID = 6;
    db.Add(kTableCableMux, 4, std::move(m));
    SetChannelsMux(db, Keys{a}, 9, 0x02);
    EXPECT_EQ(C(a).TPID, 9) << "the terrestrial grid reports the TPID";
    EXPECT_EQ(SetChannelsMux(db, Keys{a}, 4, 0x04).leaving, Keys{a});
    EXPECT_EQ(C(a).TPID, 6) << "the cable grid reports the store key";
    EXPECT_TRUE(SetChannelsMux(db, Keys{a}, 5, 0x04).leaving.empty()) << "no such multiplex";
}

TEST_F(Edits, DropsWithoutARowUnderThePointerDoNothing) {
    velmar::test::AddSatellite(db, 2);
    velmar::test::AddBroadcast(db, 9);
    const auto a = Channel(1);
    C(a).BroadcastID = 5;
    C(a).Attributes |= 6;
    const Channel_Info_Tag before = C(a);
    const Keys keys{a};
    for (const EditedRows& r :
         {SetChannelsSatellite(db, keys, 0), SetChannelsMux(db, keys, 0, 0x02),
          SetChannelsMux(db, keys, 0, 0x04), SetChannelsTransponder(db, keys, 0),
          SetChannelsBroadcast(db, keys, 0), RenumberMovedSet(db, keys, 0, ChannelKind::TV, 7),
          MoveTranspondersToSatellite(db, keys, 0)}) {
        EXPECT_TRUE(r.changed.empty() && r.leaving.empty());
    }
    EXPECT_EQ(std::memcmp(&before, &C(a), sizeof before), 0)
        << "SatID 0 would drop the channel from the saved image";
    // Values that would truncate to 0 are refused as well.
    EXPECT_TRUE(SetChannelsMux(db, keys, 256, 0x02).changed.empty());
    EXPECT_EQ(C(a).TPID, 1);
}

TEST_F(Edits, TransponderDropTakesBothIdsAndBroadcastDropTheBroadcastId) {
    const std::uint32_t key = velmar::test::AddTransponder(db, 4, 12);
    const auto a = Channel(1), b = Channel(2);
    const EditedRows r = SetChannelsTransponder(db, Keys{a, b}, key);
    EXPECT_EQ(Field(&Channel_Info_Tag::SatID, Keys{a, b}), (std::vector<int>{4, 4}));
    EXPECT_EQ(Field(&Channel_Info_Tag::TPID, Keys{a, b}), (std::vector<int>{12, 12}));
    EXPECT_EQ(r.changed, (Keys{a, b}));
    EXPECT_TRUE(SetChannelsTransponder(db, Keys{a}, key + 1).changed.empty());

    // Broadcaster key 1 has ID 300.
    velmar::test::AddBroadcast(db, 300);
    EXPECT_EQ(SetChannelsBroadcast(db, Keys{a}, 1).leaving, Keys{a});
    EXPECT_EQ(C(a).BroadcastID, 300);
}

TEST_F(Edits, GenreDropKeepsTheFlagsAndLeavesOnlyInGenreMode) {
    const auto a = Channel(1);
    C(a).Attributes |= kAttrLocked | kAttrSkipped | 3;
    EditedRows r = SetChannelsGenre(db, Keys{a}, 9, false);
    EXPECT_EQ(C(a).Attributes, kAttrTV | kAttrLocked | kAttrSkipped | 9);
    EXPECT_EQ(r.changed, Keys{a});
    EXPECT_TRUE(r.leaving.empty()) << "outside genre mode the row is rewritten";
    r = SetChannelsGenre(db, Keys{a}, 9, true);
    EXPECT_EQ(std::pair(r.changed, r.leaving), std::pair(Keys{}, Keys{a}));
    EXPECT_TRUE(SetChannelsGenre(db, Keys{a}, 16, false).changed.empty());
    EXPECT_EQ(SetChannelsGenre(db, Keys{a}, 15, false).changed, Keys{a}) << "the highest genre";
    EXPECT_EQ(C(a).Attributes, kAttrTV | kAttrLocked | kAttrSkipped | 15);
}

// ---- Favourites --------------------------------------------------------------------------

TEST_F(Edits, JoiningAListTakesTheNextPositionAmongTheKind) {
    const auto a = Channel(1), b = Channel(2), c = Channel(3), r = Channel(1, true);
    C(a).Favorite = 0x4; // list 3
    C(a).F[2] = 5;
    C(r).F[2] = 40; // radio positions do not count for TV channels
    const EditedRows out = JoinFavoriteList(db, Keys{b, c}, 2, ChannelKind::TV);
    EXPECT_EQ(Positions(2, Keys{b, c}), (std::vector<int>{6, 7}));
    EXPECT_TRUE(C(b).Favorite & 0x4);
    EXPECT_TRUE(out.leaving.empty()) << "the rows stay";
    EXPECT_EQ(out.changed, (Keys{b, c}));
    // A member dropped again takes a new position too.
    JoinFavoriteList(db, Keys{a}, 2, ChannelKind::TV);
    EXPECT_EQ(C(a).F[2], 8);
    JoinFavoriteList(db, Keys{a}, 31, ChannelKind::TV); // list 32, the last one a channel has
    EXPECT_EQ(std::pair(C(a).Favorite, C(a).F[31]), std::pair(DWORD{0x80000004}, WORD{1}));
    EXPECT_TRUE(JoinFavoriteList(db, Keys{a}, 32, ChannelKind::TV).changed.empty());
    EXPECT_TRUE(JoinFavoriteList(db, Keys{a}, -1, ChannelKind::TV).changed.empty());
}

// The drop finds the highest position once; the positions must still be
// those of joining one channel after the other, also when one wraps.
TEST_F(Edits, JoiningManyChannelsGivesConsecutivePositionsAndSurvivesTheWrap) {
    std::vector<std::uint32_t> keys;
    for (int i = 0; i < 300; ++i)
        keys.push_back(Channel(static_cast<WORD>(i + 1)));
    const auto radio = Channel(1, true);
    C(keys[7]).F[0] = 40;                   // the highest before the drop
    keys.insert(keys.begin() + 150, radio); // another kind takes a position but does not count
    JoinFavoriteList(db, keys, 0, ChannelKind::TV);
    // The radio channel's position is not among the TV's.
    EXPECT_EQ(Positions(0, Keys{keys[0], keys[149], radio, keys[151], keys.back()}),
              (std::vector<int>{41, 190, 191, 191, 340}));

    // 65535 wraps to 0; the next one follows the highest that is left.
    const auto top = Channel(500), low = Channel(501), next = Channel(502);
    for (std::uint32_t k : keys)
        C(k).F[0] = 0;
    C(top).F[0] = 0xFFFF;
    C(low).F[0] = 12;
    JoinFavoriteList(db, Keys{top, next}, 0, ChannelKind::TV);
    EXPECT_EQ(Positions(0, Keys{top, next}), (std::vector<int>{0, 13}));
}

TEST_F(Edits, NewGivesAPositionOnlyOnProductsWithPositions) {
    Channel(1);
    EXPECT_EQ(FavoritePositionOnJoin(db, 1, ChannelKind::TV), 1) << "1 when nobody has one";
    EXPECT_TRUE(JoiningGetsPosition(FavoriteJoin::Drop, 1, 0x01));
    EXPECT_FALSE(JoiningGetsPosition(FavoriteJoin::New, 1, 0x01));
    EXPECT_TRUE(JoiningGetsPosition(FavoriteJoin::New, 1, 0x21));
    EXPECT_FALSE(JoiningGetsPosition(FavoriteJoin::Drop, 0, 0x21)) << "f must be 1 or more";

    Channel_Info_Tag fresh{};
    JoinFavorite(db, fresh, 4, ChannelKind::TV, FavoriteJoin::New, 0x01);
    EXPECT_EQ(std::pair(fresh.Favorite, fresh.F[3]), std::pair(DWORD{0x8}, WORD{0}));
    JoinFavorite(db, fresh, 4, ChannelKind::TV, FavoriteJoin::New, 0x41);
    EXPECT_EQ(fresh.F[3], 1);
}

TEST_F(Edits, FavoriteReorderPutsTheSelectionAfterTheUnselectedRowsAndSetsPositions) {
    Keys rows;
    for (WORD n = 1; n <= 6; ++n)
        rows.push_back(Channel(n));
    auto order = [&](const Keys& selected, std::uint32_t drop) {
        return ReorderFavoriteList(db, rows, selected, drop, 7).order;
    };
    // Rows 1..6; move row 1 onto row 3: after the two unselected rows 2, 3.
    EXPECT_EQ(order({rows[0]}, rows[2]),
              (Keys{rows[1], rows[2], rows[0], rows[3], rows[4], rows[5]}));
    EXPECT_EQ(Positions(6, Keys{rows[0], rows[2]}), (std::vector<int>{3, 2}));
    // Rows 2 and 5 onto row 1: one unselected row up to the drop.
    EXPECT_EQ(order({rows[1], rows[4]}, rows[0]),
              (Keys{rows[0], rows[1], rows[4], rows[2], rows[3], rows[5]}));
    // Dropped on a selected row: after all unselected rows.
    EXPECT_EQ(order({rows[1], rows[4]}, rows[4]),
              (Keys{rows[0], rows[2], rows[3], rows[5], rows[1], rows[4]}));
    EXPECT_EQ(C(rows[4]).F[6], 6);
    // Below the last row (key 0), or on a row not in the list: nothing.
    const WORD kept = C(rows[1]).F[6];
    EXPECT_EQ(order({rows[1]}, 0), rows);
    EXPECT_EQ(order({rows[1]}, 999), rows);
    EXPECT_EQ(C(rows[1]).F[6], kept);
    EXPECT_TRUE(ReorderFavoriteList(db, rows, Keys{rows[1]}, 0, 7).rows.changed.empty());

    // Positions set straight follow the order given; a key without a record is passed over.
    const EditedRows r = SetFavoritePositions(db, Keys{rows[2], 77, rows[0], rows[1]}, 2);
    EXPECT_EQ(Positions(1, Keys{rows[2], rows[0], rows[1]}), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(r.changed, (Keys{rows[2], rows[0], rows[1]}));
}

TEST_F(Edits, RenameFavoriteListAcceptsOneToNineteenCharacters) {
    auto f = NewRecord<FavoriteList>();
    std::snprintf(f->Name, sizeof f->Name, "Old");
    f->Tail = 0x5A;
    db.Add(kTableFavorite, 3, std::move(f));
    const auto* list = db.Get<FavoriteList>(kTableFavorite, 3);
    EXPECT_EQ(RenameFavoriteList(db, 3, "Nineteen characters"), FavoriteRename::Renamed);
    EXPECT_STREQ(list->Name, "Nineteen characters");
    EXPECT_EQ(RenameFavoriteList(db, 3, "Twenty characters!!!"), FavoriteRename::WrongSize);
    EXPECT_STREQ(list->Name, "Nineteen characters");
    EXPECT_EQ(RenameFavoriteList(db, 3, ""), FavoriteRename::Ignored);
    EXPECT_EQ(RenameFavoriteList(db, 3, "A"), FavoriteRename::Renamed);
    EXPECT_STREQ(list->Name, "A");
    for (std::size_t i = 1; i < sizeof list->Name; ++i)
        EXPECT_EQ(list->Name[i], 0) << "no rest of the old name at " << i;
    EXPECT_EQ(list->Tail, 0x5A);
    EXPECT_EQ(RenameFavoriteList(db, 4, "New"), FavoriteRename::NoSuchList);
}

// ---- Renumbering -------------------------------------------------------------------------

// Moving down, the channels between shift up; each gets LogicalNumber and
// ShowNum as well on list 7; the other kind, and keys without a record or
// of the other kind, are left alone.
TEST_F(Edits, MovingDownThreeBeforeSevenGivesSix) {
    Keys k;
    for (WORD n = 1; n <= 8; ++n)
        k.push_back(Channel(n));
    const auto radio = Channel(4, true);
    const EditedRows r = RenumberMovedSet(db, Keys{k[2]}, k[6], ChannelKind::TV, 7);
    EXPECT_EQ(r.changed, (Keys{k[2], k[3], k[4], k[5]}));
    EXPECT_EQ((std::array{Triple(k[2]), Triple(k[3])}),
              (std::array{std::array{6, 6, 6}, std::array{3, 3, 3}}));
    RenumberMovedSet(db, Keys{radio, 4242}, k[2], ChannelKind::TV, 7);
    EXPECT_EQ(Numbers(k), (std::vector<int>{1, 2, 6, 3, 4, 5, 7, 8}));
    EXPECT_EQ(C(radio).ProgramNum, 4);
}

// Lists often hold two channels on one number; the ranges that shift
// include the moved channel's number and the target's, and no other. A moved
// set keeps its order; the table order stays whatever moves.
TEST_F(Edits, MovesRenumberTheRangeBetween) {
    struct Case {
        std::vector<WORD> numbers;
        std::vector<std::size_t> moved;
        std::size_t target;
        std::vector<int> after;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8}, {6}, 2, {1, 2, 4, 5, 6, 7, 3, 8}},    // up, seven to three
        {{1, 2, 3, 4, 5, 6, 7, 8}, {1, 2}, 5, {1, 4, 5, 2, 3, 6, 7, 8}}, // a set down before 6
        {{1, 4, 5, 2, 3, 6, 7, 8}, {6, 7}, 3, {1, 6, 7, 4, 5, 8, 2, 3}}, // a set up before 2
        {{1, 2, 3, 3, 4, 5}, {2}, 5, {1, 2, 4, 2, 3, 5}}, // down: the other 3 shifts too
        {{1, 2, 3, 3}, {3}, 0, {2, 3, 3, 1}},             // up: the other 3 stays
        {{1, 2, 2, 3, 4}, {4}, 1, {1, 3, 3, 4, 2}},       // up: both 2s shift
        {{1, 2, 2, 3}, {0}, 2, {1, 2, 2, 3}},             // down before the second 2: no change
    };
    for (const Case& c : cases) {
        db.ClearAll();
        Keys k, moved;
        for (const WORD n : c.numbers)
            k.push_back(Channel(n));
        for (const std::size_t m : c.moved)
            moved.push_back(k[m]);
        RenumberMovedSet(db, moved, k[c.target], ChannelKind::TV, 7);
        EXPECT_EQ(Numbers(k), c.after) << "moving " << c.moved[0] << " to " << c.target;
        EXPECT_EQ(db.Keys(kTableChannel), k) << "the table order stays";
    }
}

TEST_F(Edits, RenumberCopiesNumbersByProductList) {
    auto setUp = [&] {
        db.ClearAll();
        Keys k;
        for (WORD n = 1; n <= 4; ++n)
            k.push_back(Channel(n));
        for (auto key : k)
            C(key).LogicalNumber = C(key).ShowNum = static_cast<WORD>(100 + C(key).ProgramNum);
        return k;
    };
    Keys k = setUp();
    RenumberMovedSet(db, Keys{k[0]}, k[3], ChannelKind::TV, 9);
    EXPECT_EQ(Numbers(k), (std::vector<int>{3, 1, 2, 4}));
    EXPECT_EQ(Triple(k[0]), (std::array{3, 101, 101})) << "list 9 copies nothing";

    k = setUp();
    // List 8 moves to the target's ShowNum (104): before it means 103.
    RenumberMovedSet(db, Keys{k[0]}, k[3], ChannelKind::TV, 8);
    EXPECT_EQ(Triple(k[0]), (std::array{103, 101, 103})) << "list 8 copies ShowNum only";
    EXPECT_EQ(Triple(k[1]), (std::array{1, 102, 1}))
        << "every channel of the kind gets ShowNum = ProgramNum";

    k = setUp();
    RenumberMovedSet(db, Keys{k[1]}, k[1], ChannelKind::TV, 7);
    EXPECT_EQ(Numbers(k), (std::vector<int>{1, 2, 3, 4})) << "onto itself: numbers stay";
    EXPECT_EQ(C(k[0]).LogicalNumber, 1) << "but the copies are made";
}

// ---- Transponders ------------------------------------------------------------------------

TEST_F(Edits, TranspondersMoveToTheSatellitesIdAndChannelsStay) {
    auto s = NewRecord<Satellite_Info_Tag>();
    s->ID = 6;
    db.Add(kTableSatellite, 2, std::move(s));
    Keys tps;
    for (int i = 1; i <= 3; ++i)
        tps.push_back(velmar::test::AddTransponder(db, i == 3 ? 6 : 1, i));
    const auto a = Channel(1);
    const EditedRows r = MoveTranspondersToSatellite(db, Keys{tps[0], tps[2], 50}, 2);
    std::vector<int> sats;
    for (const std::uint32_t key : tps)
        sats.push_back(db.Get<Transponder_Info_Tag>(kTableTransponder, key)->SatID);
    EXPECT_EQ(sats, (std::vector<int>{6, 1, 6}));
    EXPECT_EQ(r.changed, Keys{tps[0]}) << "the third was there already";
    EXPECT_EQ(C(a).SatID, 1);
    EXPECT_TRUE(MoveTranspondersToSatellite(db, Keys{tps[1]}, 3).changed.empty())
        << "no satellite with key 3";
}
