#include "model/ChannelTable.h"
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ChannelTable : public ::testing::Test {
protected:
    void SetUp() override { db.ClearAll(); }
    void TearDown() override { db.ClearAll(); }
    void Add(const char* name, WORD number, WORD attributes) {
        auto c = NewRecord<Channel_Info_Tag>();
        std::snprintf(c->Name, sizeof c->Name, "%s", name);
        c->ProgramNum = number;
        c->Attributes = attributes;
        db.AddIndexed(kTableChannel, std::move(c));
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

TEST_F(ChannelTable, MaxProgramNumPerKind) {
    EXPECT_EQ(GetMaxProgramNum(true), 0);
    Add("a", 5, kAttrTV);
    Add("b", 9, kAttrRadio);
    Add("c", 3, kAttrTV);
    EXPECT_EQ(GetMaxProgramNum(true), 5);
    EXPECT_EQ(GetMaxProgramNum(false), 9);
}

TEST_F(ChannelTable, SortRegroupRenumber) {
    Add("r", 2, kAttrRadio);
    Add("t", 7, kAttrTV);
    Add("u", 1, kAttrTV);
    Add("s", 1, kAttrRadio);
    SortChannelsByNumber();
    EXPECT_EQ(Order(), "u1 s1 r2 t7 ");
    EXPECT_EQ(db.Size(kTableScratch), 0u);
    EXPECT_STREQ(db.Get<Channel_Info_Tag>(kTableChannel, 1)->Name, "u")
        << "keys were handed out anew";
    RegroupChannels();
    EXPECT_EQ(Order(), "u1 t7 s1 r2 ");
    RenumberChannels();
    EXPECT_EQ(Order(), "u1 s1 r2 t2 ") << "sorted by number first, then counted per kind";
    // Every record's key field matches its store key.
    for (auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
         c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index))
        EXPECT_EQ(db.GetRow(kTableChannel, c->Index), c);
}

TEST_F(ChannelTable, RecordsWithBothOrNeitherBitStayOnce) {
    Add("both", 2, kAttrTV | kAttrRadio);
    Add("none", 1, 0);
    Add("tv", 3, kAttrTV);
    RegroupChannels();
    EXPECT_EQ(Order(), "both2 tv3 none1 ");
}

TEST_F(ChannelTable, WorksOnTheStoreItIsGiven) {
    Add("global", 4, kAttrTV);
    CZorvDB other;
    for (int n : {9, 3}) {
        auto c = NewRecord<Channel_Info_Tag>();
        c->ProgramNum = static_cast<WORD>(n);
        c->Attributes = kAttrRadio;
        other.AddIndexed(kTableChannel, std::move(c));
    }
    EXPECT_EQ(GetMaxProgramNum(false, other), 9);
    RenumberChannels(other);
    std::vector<int> numbers;
    for (const Channel_Info_Tag& c : std::as_const(other).Rows<Channel_Info_Tag>(kTableChannel))
        numbers.push_back(c.ProgramNum);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
    EXPECT_EQ(Order(), "global4 ") << "the program's store is untouched";
    EXPECT_EQ(other.Size(kTableScratch), 0u);
}
