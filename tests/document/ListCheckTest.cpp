// Lists that never ship broken: the check before every save and send, the
// duplicates Delete takes away, and what a workbook import leaves out.
#include "document/ListCheck.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "document/WorkbookImport.h"
#include "image/FlashGeometry.h"
#include "model/Duplicates.h"
#include "model/SatelliteRecords.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <tuple>
#include <utility>

using velmar::test::AddChannel;
using velmar::test::AddSmallSources;
using velmar::test::Ch;

namespace {

constexpr std::uint32_t kSatellite = 0x01;
constexpr std::uint32_t kCable = 0x04;
constexpr std::uint32_t kSatelliteWithPositions = 0x01 | 0x20;

// The small sources of ChannelMaker.h, one favourite list and three channels:
// a list with nothing wrong.
class ListCheck : public ::testing::Test {
protected:
    void SetUp() override {
        velmar::policy_profile::Reset();
        ConfigureStartupPolicy();
        AddSmallSources(db);
        db.AddIndexed(kTableFavorite, NewRecord<FavoriteList>());
        AddChannel(db, Ch{"One"}.Num(1).On(1, 1));
        AddChannel(db, Ch{"Two"}.Num(2).On(1, 2));
        AddChannel(db, Ch{"Radio One"}.Num(1).Radio().On(2, 1));
    }
    void TearDown() override { velmar::policy_profile::Reset(); }

    std::map<ListProblem, std::size_t> Found(std::uint32_t type = kSatellite) {
        std::map<ListProblem, std::size_t> out;
        for (const ListFinding& f : CheckList(db, type, FlashGeometry::FromPolicy()))
            out[f.problem] = f.count;
        return out;
    }
    Channel_Info_Tag& Channel(const char* name) {
        for (Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
            if (std::string(c.Name) == name)
                return c;
        throw std::runtime_error(name);
    }

    CZorvDB db;
};

TEST_F(ListCheck, AWholeListHasNoFindings) {
    EXPECT_TRUE(CheckList(db, kSatellite, FlashGeometry::FromPolicy()).empty());
    EXPECT_EQ(ListFindingsText({}), "");
    EXPECT_EQ(ListFindingsJson({}), "[]");
}

TEST_F(ListCheck, EachKindOfProblemIsFoundAndCounted) {
    // Two on TV number 2 (a radio channel on 2 is no clash).
    AddChannel(db, Ch{"Also Two"}.Num(2).On(1, 1));
    AddChannel(db, Ch{"Radio Two"}.Num(2).Radio().On(2, 1));
    EXPECT_EQ(Found(), (std::map<ListProblem, std::size_t>{{ListProblem::DuplicateNumber, 2}}));

    Channel("Also Two").ProgramNum = 3;
    Channel("One").SatID = 7;               // no such satellite
    Channel("Two").TPID = 9;                // no such transponder on satellite 1
    Channel("Radio One").BroadcastID = 555; // no such provider
    Channel("Radio Two").BroadcastID = 100; // this one exists
    velmar::test::AddTransponder(db, 8, 1);
    std::snprintf(Channel("Also Two").Name, 28, "Caf\x81");
    EXPECT_EQ(Found(), (std::map<ListProblem, std::size_t>{{ListProblem::MissingSatellite, 1},
                                                           {ListProblem::MissingTransponder, 1},
                                                           {ListProblem::MissingProvider, 1},
                                                           {ListProblem::OrphanTransponder, 1},
                                                           {ListProblem::UnencodableName, 1}}));

    const auto findings = CheckList(db, kSatellite, FlashGeometry::FromPolicy());
    EXPECT_EQ(findings[0].text, "1 channel names a satellite the list does not have");
    EXPECT_EQ(findings[0].examples, (std::vector<std::string>{"TV 1 One (satellite 7)"}));
    const std::string json = ListFindingsJson(findings);
    EXPECT_NE(json.find("{\"problem\": \"missing-satellite\", \"count\": 1"), std::string::npos)
        << json;
    // The name as UTF-8 in messages: 0x81 has no character, so it is U+0081.
    EXPECT_NE(ListFindingsText(findings).find("TV 3 Caf\xC2\x81"), std::string::npos);
    // A name's own "%1" and "%2" stay as they are.
    std::snprintf(Channel("One").Name, 28, "50%%1 %%2");
    EXPECT_EQ(CheckList(db, kSatellite, FlashGeometry::FromPolicy())[0].examples,
              (std::vector<std::string>{"TV 1 50%1 %2 (satellite 7)"}));
}

// The five bytes Windows-1252 leaves undefined and the controls are found;
// the bytes around them are characters.
TEST_F(ListCheck, NamesWithBytesTheCodePageLacksAreFound) {
    Channel_Info_Tag& two = Channel("Two");
    for (const int byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x1F, 0x7F, 0x80, 0x8E, 0x9F, 0xA0}) {
        std::snprintf(two.Name, 28, "Tw%c", byte);
        const bool undefined = byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D ||
                               byte == 0x8F || byte == 0x90 || byte == 0x9D;
        EXPECT_EQ(Found().contains(ListProblem::UnencodableName), undefined) << std::hex << byte;
    }
}

TEST_F(ListCheck, CableListsCheckMultiplexesInsteadOfTransponders) {
    velmar::test::AddCableMux(db, 1);
    velmar::test::AddCableMux(db, 2);
    // The start-up geometry has no cable block; its capacity is not what
    // this test is about.
    const auto references = [&] {
        auto found = Found(kCable);
        found.erase(ListProblem::OverCapacity);
        return found;
    };
    EXPECT_EQ(references(), (std::map<ListProblem, std::size_t>{}));
    Channel("Two").TPID = 3;
    Channel("One").SatID = 9; // satellites mean nothing on a cable receiver
    EXPECT_EQ(references(),
              (std::map<ListProblem, std::size_t>{{ListProblem::MissingMultiplex, 1}}));
}

TEST_F(ListCheck, FavouritePositionsMustRunFromOneWithoutRepeatsOrHoles) {
    // Radio counts on its own.
    for (const auto& [name, position] : {std::pair{"One", 1}, {"Two", 2}, {"Radio One", 1}}) {
        Channel(name).Favorite = 1;
        Channel(name).F[0] = static_cast<WORD>(position);
    }
    EXPECT_TRUE(Found(kSatelliteWithPositions).empty());
    Channel("Two").F[0] = 3; // a hole at 2
    EXPECT_EQ(Found(kSatelliteWithPositions),
              (std::map<ListProblem, std::size_t>{{ListProblem::FavoritePositions, 1}}));
    Channel("Two").F[0] = 1; // a repeat
    EXPECT_EQ(Found(kSatelliteWithPositions).at(ListProblem::FavoritePositions), 1u);
    EXPECT_TRUE(Found(kSatellite).empty()) << "a receiver that keeps no positions";
}

// The question before a save lists what the check finds, but a list that the
// save refuses for its size gets no question first: only the refusal.
TEST_F(ListCheck, TheQuestionBeforeWritingLeavesTheCapacityRefusalAlone) {
    const FlashGeometry geometry = FlashGeometry::FromPolicy();
    EXPECT_TRUE(FindingsBeforeWriting(db, kSatellite, geometry).empty());
    AddChannel(db, Ch{"Twin"}.Num(1).On(1, 1));
    const auto asked = FindingsBeforeWriting(db, kSatellite, geometry);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].problem, ListProblem::DuplicateNumber);
    EXPECT_EQ(ListFindingsText(asked),
              "2 channels share a number with another channel of their kind\n"
              "    TV 1 One; TV 1 Twin\n");
    for (int i = 0; i < 4700; ++i)
        AddChannel(db, Ch{"Filler " + std::to_string(i)}.Num(static_cast<WORD>(10 + i)).On(1, 1));
    EXPECT_TRUE(FindingsBeforeWriting(db, kSatellite, geometry).empty());
    // The check itself sees both, the channels over the receiver's capacity counted.
    const auto found = Found();
    EXPECT_TRUE(found.contains(ListProblem::DuplicateNumber));
    EXPECT_EQ(found.at(ListProblem::OverCapacity), 4u + 4700u - 4608u);
}

// Select duplicates takes every copy but the first in the list's order, so
// Delete after it leaves one channel of each group.
TEST(DuplicatesToRemove, KeepsTheLowestNumberOfEachGroup) {
    CZorvDB db;
    const auto late = AddChannel(db, Ch{"Das Erste"}.Ids(1, 1019, 10301).Num(40));
    AddChannel(db, Ch{"Das Erste HD"}.Ids(1, 1019, 10301).Num(3)); // kept
    const auto copy = AddChannel(db, Ch{"Das Erste"}.Ids(1, 1019, 10301).Num(3));
    AddChannel(db, Ch{"ZDF"}.Ids(1, 1079, 28006).Num(2));
    const auto radioA = AddChannel(db, Ch{"Bayern 3"}.Radio().Num(7));
    AddChannel(db, Ch{"Bayern 3"}.Radio().Num(5)); // kept
    EXPECT_EQ(DuplicatesToRemove(db), (std::vector<std::uint32_t>{late, copy, radioA}));
    for (const std::uint32_t key : DuplicatesToRemove(db))
        db.Delete(kTableChannel, key);
    EXPECT_TRUE(FindDuplicateGroups(db).empty());
    EXPECT_EQ(db.Size(kTableChannel), 3u);
}

TEST_F(ListCheck, AnImportLeavesOutWhatNoListShowsAndSaysWhatItTook) {
    ChannelList rows;
    const auto row = [&](const Ch& c) { rows.push_back(c.Record()); };
    row(Ch{"Good"}.Num(1).On(1, 1));
    for (int i = 0; i < 9; ++i) {
        Ch c{"Plain " + std::to_string(i)};
        c.attributes = 0; // filled in by hand: neither TV nor radio
        row(c.Num(static_cast<WORD>(20 + i)));
    }
    for (int i = 0; i < 3; ++i)
        row(Ch{"Far " + std::to_string(i)}.Num(static_cast<WORD>(30 + i)).On(14, 1));
    row(Ch{"Again"}.Num(1).On(1, 2)); // number 1 is taken by "Good"
    const ImportReport report = FilterImportedChannels(db, kSatellite, rows);
    EXPECT_EQ(std::tuple(report.rows, report.taken, report.Refused()), std::tuple(14u, 5u, false));
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[4].ProgramNum, 33) << "after the last channel of its kind";
    EXPECT_EQ(ImportReportMessage(report),
              "9 rows of Channel were not imported: 9 mark neither TV nor radio.\n"
              "Of the rows imported, 3 name satellite 14, which the image does not have; the "
              "check before Save and Send lists them.\n"
              "1 row of Channel had a number that an earlier row has and now follows the last "
              "channel of its kind.");

    ChannelList bad{Ch{"Plain"}.Record(), Ch{"Both"}.Record()};
    bad[0].Attributes = 0;
    bad[1].Attributes = kAttrTV | kAttrRadio;
    const ImportReport refused = FilterImportedChannels(db, kSatellite, bad);
    EXPECT_TRUE(refused.Refused());
    EXPECT_EQ(ImportReportMessage(refused),
              "None of the 2 rows of Channel can be imported: 1 mark neither TV nor radio, 1 "
              "mark both TV and radio. The channel list was not changed.");

    // With nothing opened there is no list to compare against.
    CZorvDB empty;
    ChannelList sheet{Ch{"Far"}.Num(1).On(14, 1).Record()};
    const ImportReport alone = FilterImportedChannels(empty, kSatellite, sheet);
    EXPECT_EQ(std::tuple(alone.taken, ImportReportMessage(alone)), std::tuple(1u, ""));
}

} // namespace
