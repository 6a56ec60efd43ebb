#include "model/ChannelTable.h"
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

using velmar::test::AddChannel;
using velmar::test::Ch;

namespace {

class ChannelTable : public ::testing::Test {
protected:
    void SetUp() override { db.ClearAll(); }
    void TearDown() override { db.ClearAll(); }
    void Add(const std::string& name, WORD number, WORD attributes) {
        AddChannel(db, Ch{name}.Num(number).Attr(attributes));
    }
    std::string Order() {
        std::string out;
        for (auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
             c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index))
            out += std::string(c->Name) + std::to_string(c->ProgramNum) + " ";
        return out;
    }
    CZorvDB& db = TheZorvDB();
};

} // namespace

TEST_F(ChannelTable, MaxProgramNumPerKindOnTheStoreItIsGiven) {
    EXPECT_EQ(GetMaxProgramNum(true), 0);
    Add("global", 4, kAttrTV);
    Add("b", 9, kAttrRadio);
    Add("c", 3, kAttrTV);
    EXPECT_EQ((std::array<int, 2>{GetMaxProgramNum(true), GetMaxProgramNum(false)}),
              (std::array{4, 9}));
    CZorvDB other;
    for (WORD n : {WORD{9}, WORD{3}})
        AddChannel(other, Ch{"o"}.Num(n).Radio());
    EXPECT_EQ(GetMaxProgramNum(false, other), 9);
    EXPECT_EQ(GetMaxProgramNum(true, other), 0);
    RenumberChannels(other);
    std::vector<int> numbers;
    for (const Channel_Info_Tag& c : std::as_const(other).Rows<Channel_Info_Tag>(kTableChannel))
        numbers.push_back(c.ProgramNum);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
    EXPECT_EQ(Order(), "global4 b9 c3 ") << "the program's store is untouched";
    EXPECT_EQ(other.Size(kTableScratch), 0u);
}

namespace {

// The rule as first written: every step copies the table into the scratch
// table, clears it and re-adds the rows in their new order (here a stable
// sort of the scratch rows by `before`).
template <class Before> void RefillThroughScratch(CZorvDB& db, Before before) {
    db.Clear(kTableScratch);
    std::vector<std::uint32_t> keys;
    for (const auto& c : std::as_const(db).Rows<Channel_Info_Tag>(kTableChannel))
        keys.push_back(static_cast<std::uint32_t>(db.AddIndexed(kTableScratch, CopyRecord(c))));
    const auto row = [&](std::uint32_t key) -> const Channel_Info_Tag& {
        return *db.Get<Channel_Info_Tag>(kTableScratch, key);
    };
    std::stable_sort(keys.begin(), keys.end(),
                     [&](auto a, auto b) { return before(row(a), row(b)); });
    db.Clear(kTableChannel);
    for (std::uint32_t key : keys)
        db.AddIndexed(kTableChannel, CopyRecord(row(key)));
    db.Clear(kTableScratch);
}
void ReferenceSort(CZorvDB& db) {
    RefillThroughScratch(db,
                         [](const auto& a, const auto& b) { return a.ProgramNum < b.ProgramNum; });
}
void ReferenceRegroup(CZorvDB& db) {
    ReferenceSort(db);
    RefillThroughScratch(db, [](const auto& a, const auto& b) { return IsTV(a) && !IsTV(b); });
}
void ReferenceRenumber(CZorvDB& db) {
    ReferenceSort(db);
    WORD tv = 0, other = 0;
    for (auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        c.ProgramNum = IsTV(c) ? ++tv : ++other;
}

// Everything of tables 5 and 7 a later step can see: keys, order, bytes and
// the key counters.
std::string StateOf(const CZorvDB& db) {
    std::string out;
    for (std::uint8_t table : {kTableChannel, kTableScratch}) {
        out += "table " + std::to_string(table) + " counter " +
               std::to_string(db.HighestKey(table)) + ":";
        for (std::uint32_t key : db.Keys(table)) {
            const auto* c = db.Get<Channel_Info_Tag>(table, key);
            out += " " + std::to_string(key) + "=";
            const auto* bytes = reinterpret_cast<const unsigned char*>(c);
            for (std::size_t i = 0; i < sizeof *c; ++i)
                out += std::to_string(bytes[i]) + ",";
        }
        out += "\n";
    }
    return out;
}

// A table of `count` channels in one of the shapes the editor meets: as
// loaded (any order, repeated numbers, both or neither kind bit), already
// grouped and numbered with one new channel at the end, with gaps in its
// keys from deletes, with a scratch row left over, or with keys 1..N in
// another order than the rows'.
void FillRandom(CZorvDB& db, std::mt19937& random, int count, int shape) {
    db.ClearAll();
    std::uniform_int_distribution<int> number(0, count / 2 + 1), kind(0, 9);
    const WORD kinds[] = {kAttrTV, kAttrRadio, kAttrTV | kAttrRadio, 0};
    std::vector<std::uint32_t> keys(static_cast<std::size_t>(count));
    std::iota(keys.begin(), keys.end(), 1u);
    if (shape == 4)
        std::shuffle(keys.begin(), keys.end(), random);
    for (int i = 0; i < count; ++i) {
        auto c = NewRecord<Channel_Info_Tag>();
        std::snprintf(c->Name, sizeof c->Name, "c%d", i);
        c->ProgramNum = static_cast<WORD>(number(random));
        const int k = kind(random);
        c->Attributes = kinds[k < 5 ? 0 : k < 8 ? 1 : k - 6];
        db.Add(kTableChannel, keys[static_cast<std::size_t>(i)], std::move(c));
    }
    if (shape == 1) {
        ReferenceRegroup(db);
        ReferenceRenumber(db);
        ReferenceRegroup(db);
        auto c = NewRecord<Channel_Info_Tag>();
        c->Attributes = kind(random) < 5 ? kAttrTV : kAttrRadio;
        c->ProgramNum = static_cast<WORD>(GetMaxProgramNum(IsTV(*c), db) + 1);
        db.AddIndexed(kTableChannel, std::move(c));
    } else if (shape == 2 && count > 2) {
        db.Delete(kTableChannel, db.Keys(kTableChannel)[1]);
    } else if (shape == 3) {
        db.AddIndexed(kTableScratch, NewRecord<Channel_Info_Tag>());
    }
}

} // namespace

TEST_F(ChannelTable, EachOperationLeavesTheTableAsRefillingThroughTheScratchTableDoes) {
    std::mt19937 random(20261208);
    CZorvDB reference;
    for (int round = 0; round < 600; ++round) {
        const int count = round % 40;
        const int shape = round % 5;
        const int operation = (round / 5) % 4;
        const auto seed = random();
        std::mt19937 a(seed), b(seed);
        FillRandom(db, a, count, shape);
        FillRandom(reference, b, count, shape);
        ASSERT_EQ(StateOf(db), StateOf(reference));
        const std::string before = StateOf(db);
        db.BeginJournal();
        switch (operation) {
        case 0:
            SortChannelsByNumber(db);
            ReferenceSort(reference);
            break;
        case 1:
            RegroupChannels(db);
            ReferenceRegroup(reference);
            break;
        case 2:
            RenumberChannels(db);
            ReferenceRenumber(reference);
            break;
        default:
            RegroupAndRenumberChannels(db);
            ReferenceRegroup(reference);
            ReferenceRenumber(reference);
            ReferenceRegroup(reference);
            break;
        }
        auto journal = db.EndJournal();
        ASSERT_EQ(StateOf(db), StateOf(reference))
            << "round " << round << ", " << count << " rows, shape " << shape << ", operation "
            << operation;
        // Undo puts the table back exactly, whichever rows were rewritten.
        db.Revert(std::move(journal));
        ASSERT_EQ(StateOf(db), before) << "round " << round;
    }
}

TEST_F(ChannelTable, ANewChannelAtTheEndOfANumberedListRewritesOnlyTheRowsItMoves) {
    for (int i = 1; i <= 50; ++i)
        Add("t" + std::to_string(i), static_cast<WORD>(i), kAttrTV);
    for (int i = 1; i <= 10; ++i)
        Add("r" + std::to_string(i), static_cast<WORD>(i), kAttrRadio);
    RegroupAndRenumberChannels(db);
    Add("new", 51, kAttrTV);
    db.BeginJournal();
    RegroupAndRenumberChannels(db);
    const auto journal = db.EndJournal();
    EXPECT_EQ(Order().substr(0, 12), "t11 t22 t33 ");
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 51)->Name, std::string("new"));
    EXPECT_EQ(db.Get<Channel_Info_Tag>(kTableChannel, 52)->Name, std::string("r1"));
    // The new channel and the ten radio channels behind it, each removed and
    // added again; the fifty TV rows before it are not touched.
    EXPECT_EQ(journal.EntryCount(), 22u);
}
