// The merge of what only the other list has: the channels with the
// satellites, transponders and providers they need, taken from this list
// where the comparison pairs them and added otherwise; one edit that Undo
// takes back, refused whole when the receiver cannot hold the result.
#include "compare/ListMerge.h"
#include "document/EditCatalogue.h"
#include "document/EditSession.h"
#include "image/Capacity.h"
#include "image/FlashGeometry.h"
#include "model/BroadcastCommands.h"
#include "tests/compare/CompareFixture.h"

#include <map>
#include <tuple>
#include <vector>

using namespace velmar::test;

namespace {

class ListMerge : public EditedLists {
protected:
    void SetUp() override {
        TwoLists::SetUp();
        Edit();
    }
    std::vector<const Channel_Info_Tag*> Named(const std::string& prefix) {
        std::vector<const Channel_Info_Tag*> out;
        for (const auto& c : std::as_const(here.Store()).Rows<Channel_Info_Tag>(kTableChannel))
            if (NameOf(c).starts_with(prefix))
                out.push_back(&c);
        return out;
    }
    WORD HighestTV() {
        WORD n = 0;
        for (const auto& c : std::as_const(here.Store()).Rows<Channel_Info_Tag>(kTableChannel))
            if (IsTV(c))
                n = std::max(n, c.ProgramNum);
        return n;
    }
};

TEST_F(ListMerge, ThreeChannelsOnANewSatelliteComeWithTheirSatelliteAndTransponders) {
    AddSatellite(b, 7, 70, "Eutelsat 7E");
    AddTransponder(b, 7, 1, 10721, true, 22000);
    AddTransponder(b, 7, 2, 11471, false, 30000);
    AddChannel(b, "Velmar One", 7, 1, 501, 900);
    AddChannel(b, "Velmar Two", 7, 1, 502, 901);
    AddChannel(b, "Velmar Three", 7, 2, 503, 902);
    const WORD last = HighestTV();
    const auto sizes = [&] {
        return std::tuple(here.Store().Size(kTableChannel), here.Store().Size(kTableSatellite),
                          here.Store().Size(kTableTransponder));
    };
    const auto [channels, satellites, transponders] = sizes();

    const MergeReport report = RunMergeChannels(session, b.Store(), MergeKinds::All);
    ASSERT_TRUE(report.Applied()) << report.error;
    EXPECT_EQ(MergeSummary(report),
              "Added 3 channels, 1 satellite, 2 transponders and 0 providers.");
    EXPECT_EQ(sizes(), std::tuple(channels + 3, satellites + 1, transponders + 2));

    // The satellite at 7.0E with the next free ID, its transponders under it,
    // the channels on them, numbered after the last TV channel in B's order.
    const Satellite_Info_Tag& sat =
        First<Satellite_Info_Tag>(here, kTableSatellite, [](auto& s) { return s.Degree == 70; });
    EXPECT_EQ(std::tuple(+sat.ID, std::string(sat.Name)),
              std::tuple(7, std::string("Eutelsat 7E")));
    std::map<BYTE, WORD> frequency;
    for (const auto& t : std::as_const(here.Store()).Rows<Transponder_Info_Tag>(kTableTransponder))
        if (t.SatID == 7)
            frequency[t.TPID] = t.Frequency;
    EXPECT_EQ(frequency, (std::map<BYTE, WORD>{{1, 10721}, {2, 11471}}));
    const auto added = Named("Velmar ");
    ASSERT_EQ(added.size(), 3u);
    std::map<std::string, std::pair<WORD, BYTE>> got;
    for (const auto* c : added) {
        EXPECT_EQ(c->SatID, 7);
        got[std::string(NameOf(*c))] = {c->ProgramNum, c->TPID};
    }
    EXPECT_EQ(got, (std::map<std::string, std::pair<WORD, BYTE>>{{"Velmar One", {last + 1, 1}},
                                                                 {"Velmar Two", {last + 2, 1}},
                                                                 {"Velmar Three", {last + 3, 2}}}));
    // The lists compared again: only B's numbers differ.
    const Comparison again = CompareLists(here.Store(), b.Store());
    EXPECT_EQ(std::tuple(again.Count(DifferenceKind::ChannelOnlyInB),
                         again.Count(DifferenceKind::SatelliteOnlyInB),
                         again.Count(DifferenceKind::TransponderOnlyInB)),
              std::tuple(0u, 0u, 0u));
}

TEST_F(ListMerge, WhatThisListHasIsUsedAndNewProvidersAreAddedByName) {
    // B numbers Astra 1 (19.2E) and Hot Bird (13.0E) the other way round,
    // and has Astra 1's first transponder 1 MHz off: the same ones to a
    // comparison.
    const auto swap = [](BYTE& id) { id = id == 1 ? 2 : id == 2 ? 1 : id; };
    for (auto& s : b.Store().Rows<Satellite_Info_Tag>(kTableSatellite))
        swap(s.ID);
    for (auto& t : b.Store().Rows<Transponder_Info_Tag>(kTableTransponder))
        swap(t.SatID);
    for (auto& c : b.Store().Rows<Channel_Info_Tag>(kTableChannel))
        swap(c.SatID);
    Transponder(b, 2, 1).Frequency = static_cast<WORD>(Transponder(b, 2, 1).Frequency + 1);
    const WORD knownProvider = Channel(b, "Das Erste HD").BroadcastID;
    const std::uint32_t k1 = AddChannel(b, "Velmar Here", 2, 1, 601, 900);
    b.Store().Get<Channel_Info_Tag>(kTableChannel, k1)->BroadcastID = knownProvider;
    const std::uint32_t provider = NewBroadcast(b.Store(), 400, "Velmar Networks");
    const WORD newId = b.Store().Get<Broadcast_Info_Tag>(kTableBroadcast, provider)->BroadcastID;
    const std::uint32_t k2 = AddChannel(b, "Velmar Radio", 1, 1, 602, 900, false);
    b.Store().Get<Channel_Info_Tag>(kTableChannel, k2)->BroadcastID = newId;
    WORD highestProvider = 0;
    for (const auto& p : std::as_const(here.Store()).Rows<Broadcast_Info_Tag>(kTableBroadcast))
        highestProvider = std::max(highestProvider, p.BroadcastID);

    const MergeReport report = RunMergeChannels(session, b.Store(), MergeKinds::All);
    ASSERT_TRUE(report.Applied()) << report.error;
    EXPECT_EQ(MergeSummary(report),
              "Added 2 channels, 0 satellites, 0 transponders and 1 provider.");
    const Channel_Info_Tag& here1 = *Named("Velmar Here").at(0);
    EXPECT_EQ(std::tuple(+here1.SatID, +here1.TPID, here1.BroadcastID),
              std::tuple(1, 1, knownProvider));
    const Channel_Info_Tag& here2 = *Named("Velmar Radio").at(0);
    // Hot Bird's ID here; the new provider after this list's highest.
    EXPECT_EQ(std::tuple(+here2.SatID, +here2.BroadcastID), std::tuple(2, highestProvider + 1));
    EXPECT_EQ(BroadcastDescriptionText(here.Store(), here.Store().Keys(kTableBroadcast).back()),
              "Broadcast Name : Velmar Networks (ID : " + std::to_string(highestProvider + 1) +
                  ")");
}

TEST_F(ListMerge, OnlyTheChosenKindIsTakenAndNothingToAddRecordsNothing) {
    AddChannel(b, "Velmar TV", 1, 1, 701, 900, true);
    AddChannel(b, "Velmar FM", 1, 1, 702, 900, false);
    MergeReport report = RunMergeChannels(session, b.Store(), MergeKinds::Radio);
    ASSERT_TRUE(report.Applied());
    ASSERT_EQ(Named("Velmar ").size(), 1u);
    EXPECT_EQ(std::tuple(report.channels, NameOf(*Named("Velmar ")[0]), session.UndoCount()),
              std::tuple(1u, "Velmar FM", 1u));

    report = RunMergeChannels(session, b.Store(), MergeKinds::Radio);
    EXPECT_TRUE(report.Applied());
    EXPECT_EQ(std::tuple(report.channels, session.UndoCount()), std::tuple(0u, 1u));
    EXPECT_EQ(MergeSummary(report), "The other list has no channels that this list lacks.");
}

TEST_F(ListMerge, AMergeTheReceiverCannotHoldIsRefusedWithTheCapacityMessage) {
    const std::int64_t capacity = TableCapacity(FlashGeometry::FromPolicy(), kTableChannel);
    ASSERT_EQ(capacity, 4608);
    const auto extra = static_cast<int>(capacity - here.Store().Size(kTableChannel) + 1);
    for (int i = 0; i < extra; ++i)
        AddChannel(b, ("Velmar " + std::to_string(i)).c_str(), 1, 1, static_cast<WORD>(1000 + i),
                   static_cast<WORD>(1000 + i));
    const std::vector<BYTE> before = Saved(here);

    const MergeReport report = RunMergeChannels(session, b.Store(), MergeKinds::All);
    EXPECT_FALSE(report.Applied());
    EXPECT_EQ(report.error, "The channel list has 4,609 channels, but this receiver holds at most "
                            "4,608. Remove 1 channel and save again.");
    EXPECT_EQ(session.UndoCount(), 0u);
    EXPECT_EQ(Saved(here), before);
}

TEST_F(ListMerge, AChosenSubsetTakesOnlyChannelsThisListLacks) {
    const std::uint32_t one = AddChannel(b, "Velmar One", 1, 1, 801, 900);
    AddChannel(b, "Velmar Two", 1, 1, 802, 901);
    const std::uint32_t existing = Channel(b, "Das Erste HD").Index;
    const std::vector<std::uint32_t> keys{one, existing};
    const MergeReport report = RunMergeChannels(session, b.Store(), keys);
    ASSERT_TRUE(report.Applied());
    ASSERT_EQ(std::tuple(report.channels, Named("Velmar ").size()), std::tuple(1u, 1u));
    EXPECT_EQ(NameOf(*Named("Velmar ")[0]), "Velmar One");
}

TEST(MergeKindsWords, TheScriptWordsNameTheKinds) {
    MergeKinds k = MergeKinds::All;
    for (const auto& [word, kind] :
         {std::pair{"tv", MergeKinds::TV}, {"radio", MergeKinds::Radio}, {"all", MergeKinds::All}})
        EXPECT_TRUE(ParseMergeKinds(word, k) && k == kind) << word;
    EXPECT_FALSE(ParseMergeKinds("TV", k) || ParseMergeKinds("", k));
}

} // namespace
