// Applying a reference list's order: matching by ids, then by name, within one
// kind; numbers and favourite places for the matched, the rest after them.
#include "model/ReferenceOrder.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <utility>
#include <vector>

using velmar::test::AddChannel;
using velmar::test::Ch;

namespace {

class ReferenceOrder : public ::testing::Test {
protected:
    void SetUp() override { ConfigureStartupPolicy(); }
    void TearDown() override { velmar::policy_profile::Reset(); }

    std::uint32_t Add(const Ch& c) { return AddChannel(db, c); }
    void Ref(const Ch& c) { reference.push_back(c.Record()); }
    Channel_Info_Tag& Row(std::uint32_t key) {
        return *db.Get<Channel_Info_Tag>(kTableChannel, key);
    }
    ReferenceOrderReport Apply() { return ApplyReferenceOrder(db, reference); }
    // By ids, by name, not matched, reference unused.
    using Counts = std::array<std::uint32_t, 4>;
    static Counts CountsOf(const ReferenceOrderReport& r) {
        return {r.matchedByIds, r.matchedByName, r.notMatched, r.referenceUnused};
    }
    // Every channel's name with its number, in table order.
    std::string Numbers() {
        std::string out;
        for (const Channel_Info_Tag& c : std::as_const(db).Rows<Channel_Info_Tag>(kTableChannel))
            out += std::string(c.Name) + "=" + std::to_string(c.ProgramNum) + " ";
        return out;
    }
    // ProgramNum, LogicalNumber, ShowNum.
    std::array<WORD, 3> Numbers3(std::uint32_t key) {
        return {Row(key).ProgramNum, Row(key).LogicalNumber, Row(key).ShowNum};
    }

    CZorvDB db;
    std::vector<Channel_Info_Tag> reference;
};

} // namespace

TEST_F(ReferenceOrder, IdsMatchWhateverTheNameAndBringEveryOrderField) {
    const auto a = Add(Ch{"Das Erste HD"}.Ids(1, 1019, 10301).Num(40));
    Ch r{"ARD"};
    r.logical = 101;
    r.show = 7;
    Channel_Info_Tag ref = r.Ids(1, 1019, 10301).Num(1).Record();
    ref.Favorite = 0b101;
    ref.F[0] = 3;
    ref.F[2] = 9;
    ref.F[5] = 44; // carried as it is, even outside the memberships
    reference.push_back(ref);
    Row(a).Favorite = 0b010; // not in the reference's lists: leaves list 2
    Row(a).F[1] = 5;

    EXPECT_EQ(CountsOf(Apply()), (Counts{1, 0, 0, 0}));
    const Channel_Info_Tag& c = Row(a);
    EXPECT_EQ((std::array<DWORD, 8>{c.ProgramNum, c.LogicalNumber, c.ShowNum, c.Favorite, c.F[0],
                                    c.F[1], c.F[2], c.F[5]}),
              (std::array<DWORD, 8>{1, 101, 7, 0b101, 3, 0, 9, 44}));
    EXPECT_STREQ(c.Name, "Das Erste HD") << "only the order fields change";
    EXPECT_EQ(c.ServiceID, 10301);
}

// Small lists against small references: what matched how, and every
// channel's number after, in table order.
TEST_F(ReferenceOrder, MatchingAndNumbering) {
    const struct {
        const char* what;
        std::vector<Ch> list, ref;
        Counts counts;
        const char* numbers;
    } cases[] = {
        {"names match exactly within the kind when ids do not",
         {Ch{"Arte"}.Num(5),                     // no ids
          Ch{"Phoenix"}.Ids(1, 1, 28725).Num(6), // ids the reference lacks
          Ch{"arte"}.Num(7),                     // case differs
          Ch{"Arte"}.Radio().Num(8)},            // another kind
         {Ch{"Arte"}.Ids(1, 1, 28724).Num(20), Ch{"Phoenix"}.Ids(1, 1, 99).Num(21)},
         {0, 2, 2, 0},
         "Arte=20 Phoenix=21 arte=22 Arte=1 "},
        {"ids come first and a reference taken is not offered to names",
         {Ch{"Sky"}.Ids(1, 2, 3).Num(1), Ch{"Sky News"}.Num(2), Ch{"Sky"}.Num(3)},
         {Ch{"Sky News"}.Ids(1, 2, 3).Num(10), Ch{"Sky"}.Ids(4, 5, 6).Num(11)},
         {1, 1, 1, 0},
         "Sky=10 Sky News=12 Sky=11 "},
        // The current order is by number, not the table's; TV and radio are
        // numbered apart, as the lists number them.
        {"unmatched follow the highest reference number in their current order",
         {Ch{"New C"}.Num(30), Ch{"Known"}.Ids(1, 1, 1).Num(1), Ch{"New A"}.Num(10),
          Ch{"New B"}.Num(20), Ch{"Radio new"}.Radio().Num(1),
          Ch{"Radio known"}.Radio().Ids(1, 1, 9).Num(2)},
         {Ch{"Known"}.Ids(1, 1, 1).Num(5), Ch{"Radio known"}.Radio().Ids(1, 1, 9).Num(3)},
         {2, 0, 4, 0},
         "New C=8 Known=5 New A=6 New B=7 Radio new=4 Radio known=3 "},
        {"a reference holding channels the list lacks leaves their numbers free",
         {Ch{"B"}.Ids(0, 0, 2).Num(1), Ch{"New"}.Num(2)},
         {Ch{"A"}.Ids(0, 0, 1).Num(1), Ch{"B"}.Ids(0, 0, 2).Num(2), Ch{"C"}.Ids(0, 0, 3).Num(3),
          Ch{"Radio only"}.Radio().Ids(0, 0, 4).Num(900)}, // another group's numbers
         {1, 0, 1, 3},
         "B=2 New=4 "},
        // The lowest current number takes the lowest reference.
        {"duplicates on either side pair off in number order",
         {Ch{"X"}.Ids(1, 1, 1).Num(3), Ch{"X"}.Ids(1, 1, 1).Num(1), Ch{"X"}.Ids(1, 1, 1).Num(2)},
         {Ch{"X"}.Ids(1, 1, 1).Num(50), Ch{"X"}.Ids(1, 1, 1).Num(40),
          Ch{"X"}.Ids(7, 7, 7).Num(60)}, // same name, other ids: the third by name
         {2, 1, 0, 0},
         "X=60 X=40 X=50 "},
        {"one channel against a doubled reference takes the lower number",
         {Ch{"Y"}.Ids(2, 2, 2).Num(9)},
         {Ch{"Y"}.Ids(2, 2, 2).Num(12), Ch{"Y"}.Ids(2, 2, 2).Num(11)},
         {1, 0, 0, 1},
         "Y=11 "},
        {"all-zero ids never match by ids",
         {Ch{"Local"}.Num(1)},
         {Ch{"Other"}.Num(8)},
         {0, 0, 1, 1},
         "Local=9 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        db.ClearAll();
        reference.clear();
        for (const Ch& ch : c.list)
            Add(ch);
        for (const Ch& ch : c.ref)
            Ref(ch);
        EXPECT_EQ(CountsOf(Apply()), c.counts);
        EXPECT_EQ(Numbers(), c.numbers);
    }
}

TEST_F(ReferenceOrder, UnmatchedFavouritesStayInTheirListsAfterTheReferencePositions) {
    const auto known = Add(Ch{"Known"}.Ids(1, 1, 1).Num(1));
    const auto late = Add(Ch{"Late"}.Num(2));
    const auto early = Add(Ch{"Early"}.Num(3));
    Row(late).Favorite = Row(early).Favorite = 1u << 3; // list 4
    Row(late).F[3] = 9;
    Row(early).F[3] = 2;
    Row(known).Favorite = 1u << 3;
    Row(known).F[3] = 1;
    Channel_Info_Tag r = Ch{"Known"}.Ids(1, 1, 1).Num(1).Record();
    r.Favorite = (1u << 3) | (1u << 31);
    r.F[3] = 5;
    r.F[31] = 2;
    reference.push_back(r);
    Channel_Info_Tag other = Ch{"Gone"}.Ids(9, 9, 9).Num(2).Record();
    other.Favorite = 1u << 3;
    other.F[3] = 6; // the list's highest position in the reference
    reference.push_back(other);

    ASSERT_TRUE(Apply().Applied());
    // Current position order: early (2) before late (9).
    EXPECT_EQ((std::array{Row(known).F[3], Row(known).F[31], Row(early).F[3], Row(late).F[3]}),
              (std::array<WORD, 4>{5, 2, 7, 8}));
    EXPECT_EQ(Row(late).Favorite, 1u << 3);
}

TEST_F(ReferenceOrder, ProductList8NumbersByShowNum) {
    SetProductList(8);
    Ch a1{"A"}, b2{"B"};
    a1.show = 1;
    b2.show = 2;
    const auto a = Add(a1.Ids(1, 1, 1)), b = Add(b2);
    Ch r{"A"};
    r.show = 30;
    Ref(r.Ids(1, 1, 1).Num(3));
    ASSERT_TRUE(Apply().Applied());
    EXPECT_EQ(Row(a).ShowNum, 30);
    // After the highest shown number, not ProgramNum 3; LogicalNumber kept apart.
    EXPECT_EQ(Numbers3(b), (std::array<WORD, 3>{31, 0, 31}));
}

TEST_F(ReferenceOrder, UnmatchedNumbersCarryShowNumAndLogicalNumberAsRenumberingDoes) {
    const auto a = Add(Ch{"A"}.Nums(1));
    Ref(Ch{"Z"}.Ids(1, 1, 1).Num(4));
    ASSERT_TRUE(Apply().Applied());
    EXPECT_EQ(Numbers3(a), (std::array<WORD, 3>{5, 5, 5}));

    SetProductList(9); // the network models keep both apart
    reference.front().ProgramNum = 10;
    ASSERT_TRUE(Apply().Applied());
    EXPECT_EQ(Numbers3(a), (std::array<WORD, 3>{11, 5, 5}));
}

TEST_F(ReferenceOrder, RefusalsChangeNothing) {
    const auto a = Add(Ch{"A"}.Num(4));
    Add(Ch{"B"}.Num(5));
    const std::string before = Numbers();

    auto report = Apply(); // empty reference
    EXPECT_FALSE(report.Applied());
    EXPECT_EQ(report.error, "The reference list holds no channels. Nothing was changed.");
    EXPECT_EQ(Numbers(), before);

    // Two unmatched channels after 65534 would need 65536.
    Ref(Ch{"Z"}.Ids(3, 3, 3).Num(65534));
    report = Apply();
    EXPECT_FALSE(report.Applied());
    EXPECT_NE(report.error.find("65534"), std::string::npos) << report.error;
    EXPECT_EQ(Numbers(), before);
    EXPECT_EQ(ReferenceOrderSummary(report), report.error);

    // One favourite list full to the last position.
    reference.clear();
    Channel_Info_Tag full = Ch{"Z"}.Ids(3, 3, 3).Num(1).Record();
    full.Favorite = 1;
    full.F[0] = 65535;
    reference.push_back(full);
    Row(a).Favorite = 1;
    Row(a).F[0] = 1;
    report = Apply();
    EXPECT_EQ(report.error, "Favourite list 1 has no room after the reference's positions. "
                            "Nothing was changed.");
    EXPECT_EQ(Numbers(), before);
    EXPECT_EQ(Row(a).F[0], 1);

    // One position left: the member takes the last one.
    reference.back().F[0] = 65534;
    report = Apply();
    EXPECT_TRUE(report.Applied()) << report.error;
    EXPECT_EQ(Row(a).F[0], 65535);
}

TEST_F(ReferenceOrder, ThousandsOfChannelsMatchAgainstAShuffledReference) {
    // 3,000 channels, the reference holds every second one by ids (numbers
    // reversed) and every third of the rest by name only.
    for (WORD i = 0; i < 3000; ++i)
        Add(Ch{"N" + std::to_string(i)}.Ids(1, static_cast<WORD>(i / 100), i).Num(i + 1));
    for (WORD i = 0; i < 3000; ++i) {
        if (i % 2 == 0)
            Ref(Ch{"other"}.Ids(1, static_cast<WORD>(i / 100), i).Num(static_cast<WORD>(3000 - i)));
        else if (i % 3 == 0)
            Ref(Ch{"N" + std::to_string(i)}.Num(static_cast<WORD>(5000 + i)));
    }
    const std::vector<std::uint32_t> keys = db.Keys(kTableChannel);
    EXPECT_EQ(CountsOf(Apply()), (Counts{1500, 500, 1000, 0}));
    EXPECT_EQ(db.Keys(kTableChannel), keys) << "keys and table order stay";
    std::map<WORD, int> seen;
    for (const Channel_Info_Tag& c : std::as_const(db).Rows<Channel_Info_Tag>(kTableChannel))
        ++seen[c.ProgramNum];
    EXPECT_EQ(seen.size(), 3000u) << "no number given twice";
    EXPECT_EQ(seen.rbegin()->first, 5000 + 2997 + 1000);
}
