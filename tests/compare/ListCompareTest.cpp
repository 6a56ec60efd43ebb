// Two lists compared and merged. The comparison: what it pairs (channels as
// Apply order pairs them, satellites by position, transponders by frequency
// within 2 MHz and polarisation) and each kind of difference, with the texts
// a report shows. The merge of what only the other list has: the channels
// with the satellites, transponders and providers they need, taken from this
// list where the comparison pairs them and added otherwise; one edit, refused
// whole when the receiver cannot hold the result. Cable and terrestrial
// lists: their multiplexes pair by frequency (never by number, which a new
// scan hands out afresh), a channel's tuning is its multiplex, and a merge
// brings the multiplex a new channel needs once. The terrestrial network of a
// satellite receiver is kept as transponders of its pseudo-satellite; those
// are multiplexes too.
#include "compare/ListCompare.h"
#include "compare/CompareReport.h"
#include "compare/FrequencyPairing.h"
#include "compare/ListMerge.h"
#include "contracts/Policy.h"
#include "contracts/ReceiverProfiles.h"
#include "document/Document.h"
#include "document/EditSession.h"
#include "document/WorkbookDocument.h"
#include "image/Capacity.h"
#include "image/FlashGeometry.h"
#include "model/BroadcastCommands.h"
#include "model/ChannelIdentity.h"
#include "model/ChannelRecords.h"
#include "model/MuxParams.h"
#include "model/SatelliteRecords.h"
#include "tests/image/ImageBuilder.h"
#include "xls/ChannelWorkbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

using namespace velmar::test;

namespace {

// A difference as velmar-cli says it, in English.
struct Said {
    DifferenceKind kind;
    std::uint32_t keyA, keyB;
    std::string subject, a, b;
};

inline Said InEnglish(const Difference& d) {
    return {d.kind, d.keyA, d.keyB, English(d.subject), English(d.a), English(d.b)};
}

// The differences of one kind, in the report's order.
inline std::vector<Said> OfKind(const Comparison& c, DifferenceKind kind) {
    std::vector<Said> out;
    for (const Difference& d : c.differences)
        if (d.kind == kind)
            out.push_back(InEnglish(d));
    return out;
}

// The image bytes a save of the current tables makes: equal bytes, equal lists.
inline std::vector<BYTE> Saved(CDocument& doc) {
    std::vector<BYTE> out;
    EXPECT_TRUE(EncodeImage(doc, true, out));
    return out;
}

inline const std::string kExample = std::string(VELMAR_SOURCE_DIR) + "/examples/demo-satellite.bin";

class TwoLists : public CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        Open(kExample);
    }
    // Both documents read from the image at `path`.
    void Open(const std::string& path) {
        const ImageStateValues start;
        ASSERT_EQ(ReadImageDocument(path, ImageForm::Convert, start, a), 1);
        ASSERT_EQ(ReadImageDocument(path, ImageForm::Convert, start, b), 1);
    }

    // The first row of `table` in `doc` that `is` picks; the test fails without one.
    template <class T, class Pick> static T& First(CDocument& doc, std::uint8_t table, Pick is) {
        for (auto& row : doc.Store().Rows<T>(table))
            if (is(row))
                return row;
        throw std::runtime_error("no such row in table " + std::to_string(table));
    }
    static Channel_Info_Tag& Channel(CDocument& doc, std::string_view name) {
        return First<Channel_Info_Tag>(doc, kTableChannel,
                                       [&](auto& c) { return NameOf(c) == name; });
    }
    static Satellite_Info_Tag& Satellite(CDocument& doc, BYTE id) {
        return First<Satellite_Info_Tag>(doc, kTableSatellite, [&](auto& s) { return s.ID == id; });
    }
    static Transponder_Info_Tag& Transponder(CDocument& doc, BYTE satID, BYTE tpid) {
        return First<Transponder_Info_Tag>(
            doc, kTableTransponder, [&](auto& t) { return t.SatID == satID && t.TPID == tpid; });
    }
    static std::uint32_t AddSatellite(CDocument& doc, BYTE id, WORD degree, const char* name) {
        auto s = NewRecord<Satellite_Info_Tag>();
        s->ID = id;
        s->Degree = degree;
        std::strncpy(s->Name, name, sizeof s->Name - 1);
        return static_cast<std::uint32_t>(doc.Store().AddIndexed(kTableSatellite, std::move(s)));
    }
    static std::uint32_t AddTransponder(CDocument& doc, BYTE satID, BYTE tpid, WORD frequency,
                                        bool horizontal, WORD symbolRate = 27500) {
        auto t = NewRecord<Transponder_Info_Tag>();
        t->SatID = satID;
        t->TPID = tpid;
        t->Frequency = frequency;
        t->SymbolRate = symbolRate;
        t->PolFEC = static_cast<BYTE>((horizontal ? 1 : 0) | 0x30);
        return static_cast<std::uint32_t>(doc.Store().AddIndexed(kTableTransponder, std::move(t)));
    }
    static std::uint32_t AddChannel(CDocument& doc, const char* name, BYTE satID, BYTE tpid,
                                    WORD serviceID, WORD number, bool tv = true) {
        auto c = NewRecord<Channel_Info_Tag>();
        std::strncpy(c->Name, name, sizeof c->Name - 1);
        c->SatID = satID;
        c->TPID = tpid;
        // Service id 0: a channel without ids, paired by its name only.
        c->ServiceID = serviceID;
        c->OrgNetID = serviceID ? 1 : 0;
        c->TSID = serviceID ? 7000 : 0;
        c->ProgramNum = number;
        c->Attributes = tv ? kAttrTV : kAttrRadio;
        return static_cast<std::uint32_t>(doc.Store().AddIndexed(kTableChannel, std::move(c)));
    }

    CDocument a, b;
};

// TwoLists whose `a` becomes the current document (call Edit), edited
// through `session` as the editor's is.
class EditedLists : public TwoLists {
protected:
    void Edit() {
        CDocument::MakeCurrent(a);
        session.StartFresh();
    }
    CDocument& here = CDocument::Current();
    EditSession session{here};
};

// ---- Comparing ----------------------------------------------------------------------

using ListCompare = TwoLists;

TEST_F(ListCompare, AListAgainstItsCopyIsTheSameAndEveryRowIsPaired) {
    const Comparison c = CompareDocuments(a, b);
    EXPECT_TRUE(c.Same());
    EXPECT_TRUE(c.comparedSources);
    EXPECT_EQ(c.channelAtoB.size(), a.Store().Size(kTableChannel));
    EXPECT_EQ(c.satelliteBtoA.size(), 6u);
    EXPECT_EQ(c.transponderBtoA.size(), a.Store().Size(kTableTransponder));
    EXPECT_EQ(ComparisonText(c, "a", "b"), "");
}

TEST_F(ListCompare, EachKindOfDifferenceIsSeenOnceWithBothSidesValues) {
    AddChannel(a, "Only In A", 1, 1, 0, 900);
    AddChannel(b, "Only In B", 1, 1, 0, 901);
    Channel(b, "3sat HD").ProgramNum = 5000;
    std::strcpy(Channel(b, "PHOENIX HD").Name, "Phoenix");
    Channel(b, "KiKA HD").VideoPID = 999;
    Channel(b, "tagesschau24 HD").Attributes |= kAttrSkipped;
    Channel(b, "ONE HD").Favorite |= 1u << 2;
    AddSatellite(a, 7, 80, "Gone Sat");
    AddSatellite(b, 7, 70, "New Sat");
    std::strcpy(Satellite(b, 1).Name, "Astra 1 New");
    AddTransponder(a, 2, 40, 12999, false);
    AddTransponder(b, 2, 40, 10999, false);
    Transponder(b, 1, 1).SymbolRate = 27000;

    const Comparison c = CompareDocuments(a, b);
    // Every kind but the multiplexes', which a satellite list has none of.
    const auto kinds = static_cast<std::size_t>(DifferenceKind::MultiplexOnlyInA);
    for (std::size_t k = 0; k < kDifferenceKinds; ++k)
        EXPECT_EQ(c.counts[k], k < kinds ? 1u : 0u) << DifferenceId(static_cast<DifferenceKind>(k));
    ASSERT_EQ(c.differences.size(), kinds);
    // Grouped in the order of the kinds.
    for (std::size_t k = 0; k < kinds; ++k)
        EXPECT_EQ(c.differences[k].kind, static_cast<DifferenceKind>(k));

    std::vector<Said> d;
    for (const Difference& each : c.differences)
        d.push_back(InEnglish(each));
    using Sides = std::pair<std::string, std::string>;
    EXPECT_EQ(std::tuple(d[0].subject, d[0].a, d[0].b),
              std::tuple("TV 900 \"Only In A\"", "19.2E 11494 H, PIDs 0/0/0", ""));
    EXPECT_EQ(d[1].subject, "TV 901 \"Only In B\"");
    EXPECT_EQ(Sides(d[2].a, d[2].b), Sides("3", "5000"));
    EXPECT_EQ(d[3].b, "\"Phoenix\"");
    EXPECT_EQ(d[4].b.substr(d[4].b.find("PIDs")), "PIDs 999/337/336");
    EXPECT_EQ(Sides(d[5].a, d[5].b), Sides("-", "skipped"));
    EXPECT_EQ(d[6].b.substr(0, 2), "3,");
    EXPECT_EQ(Sides(d[7].subject, d[7].a), Sides("satellite 8.0E", "\"Gone Sat\""));
    EXPECT_EQ(d[8].subject, "satellite 7.0E");
    EXPECT_EQ(Sides(d[9].subject, d[9].b), Sides("satellite 19.2E", "\"Astra 1 New\""));
    EXPECT_EQ(Sides(d[10].subject, d[11].subject),
              Sides("transponder 13.0E 12999 V", "transponder 13.0E 10999 V"));
    EXPECT_EQ(
        std::tuple(d[12].subject, d[12].a, d[12].b),
        std::tuple("transponder 19.2E 11494 H", "11494 H 22000 FEC 2", "11494 H 27000 FEC 2"));
    // Keys name the rows on each side.
    EXPECT_EQ(std::tuple(d[2].keyA, d[2].keyB, d[0].keyB, d[1].keyA),
              std::tuple(Channel(a, "3sat HD").Index, Channel(b, "3sat HD").Index, 0u, 0u));
}

TEST_F(ListCompare, TranspondersPairWithinTwoMegahertzOfTheSamePolarisationOnly) {
    // Astra 1 (19.2E): 11494 H moves by 2 MHz, 11362 H by 3 MHz, 11953 turns
    // vertical (its polarisation bit).
    Transponder(b, 1, 1).Frequency = 11496;
    Transponder(b, 1, 2).Frequency = 11365;
    Transponder(b, 1, 3).PolFEC ^= 1;
    const Comparison c = CompareDocuments(a, b);

    const auto changed = OfKind(c, DifferenceKind::TransponderChanged);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].subject, "transponder 19.2E 11494 H");
    EXPECT_EQ(changed[0].b, "11496 H 22000 FEC 2");
    const auto subjects = [&](DifferenceKind kind) {
        std::set<std::string> out;
        for (const auto& d : OfKind(c, kind))
            out.insert(d.subject);
        return out;
    };
    const bool horizontal = Transponder(a, 1, 3).PolFEC & 1;
    EXPECT_EQ(subjects(DifferenceKind::TransponderOnlyInA),
              (std::set<std::string>{"transponder 19.2E 11362 H",
                                     horizontal ? "transponder 19.2E 11953 H"
                                                : "transponder 19.2E 11953 V"}));
    EXPECT_EQ(subjects(DifferenceKind::TransponderOnlyInB),
              (std::set<std::string>{"transponder 19.2E 11365 H",
                                     horizontal ? "transponder 19.2E 11953 V"
                                                : "transponder 19.2E 11953 H"}));

    // Channels on the paired transponder keep their tuning; those on the
    // others changed it.
    for (const auto& d : OfKind(c, DifferenceKind::TuningChanged)) {
        const auto* ch = a.Store().Get<Channel_Info_Tag>(kTableChannel, d.keyA);
        ASSERT_NE(ch, nullptr);
        EXPECT_EQ(ch->SatID, 1);
        EXPECT_NE(ch->TPID, 1) << d.subject;
    }
    const auto onMoved = std::ranges::count_if(
        std::as_const(a.Store()).Rows<Channel_Info_Tag>(kTableChannel),
        [](const auto& ch) { return ch.SatID == 1 && (ch.TPID == 2 || ch.TPID == 3); });
    EXPECT_GT(onMoved, 0);
    EXPECT_EQ(c.Count(DifferenceKind::TuningChanged), static_cast<std::size_t>(onMoved));
}

TEST_F(ListCompare, SatellitesPairByPositionWhateverTheirIds) {
    // B numbers its satellites the other way round: the same satellites.
    for (auto& s : b.Store().Rows<Satellite_Info_Tag>(kTableSatellite))
        s.ID = static_cast<BYTE>(7 - s.ID);
    for (auto& t : b.Store().Rows<Transponder_Info_Tag>(kTableTransponder))
        t.SatID = static_cast<BYTE>(7 - t.SatID);
    for (auto& ch : b.Store().Rows<Channel_Info_Tag>(kTableChannel))
        ch.SatID = static_cast<BYTE>(7 - ch.SatID);
    EXPECT_TRUE(CompareDocuments(a, b).Same());
    // Moved to another position, a satellite is another one.
    Satellite(b, 6).Degree = 100; // Astra 1, ID 1 in A
    const Comparison c = CompareDocuments(a, b);
    const auto onAstra =
        std::ranges::count_if(std::as_const(a.Store()).Rows<Channel_Info_Tag>(kTableChannel),
                              [](const auto& ch) { return ch.SatID == 1; });
    EXPECT_EQ(std::tuple(c.Count(DifferenceKind::SatelliteOnlyInA),
                         c.Count(DifferenceKind::SatelliteOnlyInB),
                         c.Count(DifferenceKind::TuningChanged)),
              std::tuple(1u, 1u, static_cast<std::size_t>(onAstra)));
}

TEST_F(ListCompare, ChannelsPairByIdsThenByNameWithinTheirKind) {
    a.Store().ClearAll();
    b.Store().ClearAll();
    AddChannel(a, "Same Ids", 1, 1, 100, 1);
    AddChannel(b, "Other Name", 1, 1, 100, 1); // ids pair them: a rename
    AddChannel(a, "By Name", 1, 1, 0, 2);
    AddChannel(b, "By Name", 1, 1, 0, 7); // no ids: the name pairs them
    AddChannel(a, "Kind", 1, 1, 0, 3, true);
    AddChannel(b, "Kind", 1, 1, 0, 3, false); // a radio channel is another one
    const Comparison c = CompareDocuments(a, b);
    EXPECT_FALSE(c.comparedSources); // neither has satellites
    // A rename, a new number, one channel on each side only; no tuning changed.
    std::vector<std::string> said;
    for (const Difference& d : c.differences)
        said.push_back(DifferenceId(d.kind) + (" " + English(d.subject)));
    EXPECT_EQ(said, (std::vector<std::string>{
                        "channel-only-in-a TV 3 \"Kind\"", "channel-only-in-b radio 3 \"Kind\"",
                        "number-changed TV 2 \"By Name\"", "name-changed TV 1 \"Same Ids\""}));
}

TEST_F(ListCompare, AWorkbookReadAloneComparesTuningByIds) {
    const std::string book = Path("list.xls").string();
    ASSERT_TRUE(ExportChannelWorkbook(a.Store(), book));
    CDocument sheet;
    Phrase error;
    ASSERT_EQ(ReadListDocument(book, ImageStateValues{}, sheet, nullptr, &error), 1)
        << English(error);
    EXPECT_EQ(sheet.Store().Size(kTableSatellite), 0u);
    EXPECT_EQ(sheet.Store().Size(kTableChannel), a.Store().Size(kTableChannel));

    Comparison c = CompareDocuments(a, sheet);
    EXPECT_FALSE(c.comparedSources);
    EXPECT_TRUE(c.Same()) << ComparisonText(c, "a", "sheet");
    // The same satellite position under another id is another satellite to
    // a workbook, which knows ids only.
    Channel(sheet, "Das Erste HD").SatID = 3;
    c = CompareDocuments(a, sheet);
    ASSERT_EQ(c.differences.size(), 1u);
    EXPECT_EQ(c.differences[0].kind, DifferenceKind::TuningChanged);
    EXPECT_EQ(English(c.differences[0].b), "satellite 3 transponder 1, PIDs 256/257/256");
}

TEST_F(ListCompare, AFileThatIsNoListIsRefusedWithItsMessage) {
    const std::string junk = Path("junk.xls").string();
    WriteFile(junk, std::vector<BYTE>(600, 0x41));
    CDocument doc;
    Phrase error;
    EXPECT_EQ(ReadListDocument(junk, ImageStateValues{}, doc, nullptr, &error), kImportFileError);
    EXPECT_EQ(English(error), "The file is not an Excel 97-2003 workbook (.xls). The channel list "
                              "was not changed.");
    EXPECT_EQ(doc.Store().Size(kTableChannel), 0u);
    const std::string missing = Path("missing.bin").string();
    EXPECT_EQ(ReadListDocument(missing, ImageStateValues{}, doc, nullptr, &error),
              kImportFileError);
    EXPECT_EQ(English(error), "Cannot open " + missing + ": No such file or directory.");
}

TEST_F(ListCompare, TheReportGroupsLinesUnderCountedHeadingsAndJsonCarriesTheSame) {
    AddChannel(b, "Velmar \xC9t\xE9", 1, 1, 0, 901); // Windows-1252 É, é
    Channel(b, "3sat HD").ProgramNum = 5000;
    const Comparison c = CompareDocuments(a, b);
    EXPECT_EQ(ComparisonText(c, "old.bin", "new.bin"),
              "--- old.bin\n+++ new.bin\n"
              "@@ channels only in B: 1 @@\n"
              "+ TV 901 \"Velmar \xC3\x89t\xC3\xA9\"  19.2E 11494 H, PIDs 0/0/0\n"
              "@@ number changed: 1 @@\n"
              "~ TV 3 \"3sat HD\"  3 -> 5000\n");
    const std::string json = ComparisonJson(c, "old.bin", "new.bin");
    EXPECT_NE(json.find("\"format\": 1"), std::string::npos);
    EXPECT_NE(json.find("\"same\": false"), std::string::npos);
    EXPECT_NE(json.find("\"channel-only-in-b\": 1, \"number-changed\": 1"), std::string::npos);
    EXPECT_NE(json.find("{\"kind\": \"number-changed\", \"subject\": \"TV 3 \\\"3sat HD\\\"\", "
                        "\"a\": \"3\", \"b\": \"5000\"}"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"a\": null"), std::string::npos);
}

// Positions are east up to 180.0 and west beyond it.
TEST_F(ListCompare, SatellitePositionsAreEastUpTo180AndWestBeyond) {
    AddSatellite(a, 8, 1800, "Date Line");
    AddSatellite(a, 9, 1801, "Just West");
    AddSatellite(a, 10, 3550, "Five West");
    std::vector<std::string> subjects;
    for (const auto& d : CompareDocuments(a, b).differences)
        subjects.push_back(English(d.subject));
    std::sort(subjects.begin(), subjects.end());
    EXPECT_EQ(subjects,
              (std::vector<std::string>{"satellite 179.9W", "satellite 180.0E", "satellite 5.0W"}));
}

// ---- Merging ------------------------------------------------------------------------

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

// ---- Cable and terrestrial multiplexes ----------------------------------------------

const std::string kCable = std::string(VELMAR_SOURCE_DIR) + "/examples/demo-cable.bin";

// A cable frequency as the multiplex grid writes it: MHz with three places.
std::string CableMHz(DWORD kHz) {
    char text[32];
    (void)std::snprintf(text, sizeof text, "%03u.%03u MHz", kHz / 1000, kHz % 1000);
    return text;
}

// Two copies of the cable example, the first one the current document.
class CableLists : public EditedLists {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        ConfigurePolicy(*FindReceiverProfile("cable"));
        Open(kCable);
        ASSERT_GE(a.Store().Size(kTableCableMux), 3u);
        Edit();
    }
    static CableMux_Info_Tag& Mux(CDocument& doc, BYTE tpid) {
        return First<CableMux_Info_Tag>(doc, kTableCableMux,
                                        [&](auto& m) { return m.TPID == tpid; });
    }
    static std::vector<BYTE> MuxIds(CDocument& doc) {
        std::vector<BYTE> ids;
        for (const auto& m : std::as_const(doc.Store()).Rows<CableMux_Info_Tag>(kTableCableMux))
            ids.push_back(m.TPID);
        return ids;
    }
    static std::size_t ChannelsOn(CDocument& doc, BYTE tpid) {
        return static_cast<std::size_t>(
            std::ranges::count(std::as_const(doc.Store()).Rows<Channel_Info_Tag>(kTableChannel),
                               tpid, &Channel_Info_Tag::TPID));
    }
};

TEST_F(CableLists, ACopyIsTheSameEvenWhenANewScanNumberedItsMultiplexesAfresh) {
    Comparison c = CompareDocuments(here, b);
    EXPECT_TRUE(c.Same()) << ComparisonText(c, "a", "b");
    EXPECT_TRUE(c.comparedSources);
    EXPECT_EQ(c.multiplexBtoA.size(), here.Store().Size(kTableCableMux));

    // B numbers its multiplexes 200 and up, in the opposite order, and its
    // channels follow: the same list to anyone tuning it.
    std::map<BYTE, BYTE> renumbered;
    const std::vector<BYTE> ids = MuxIds(b);
    for (std::size_t i = 0; i < ids.size(); ++i)
        renumbered[ids[i]] = static_cast<BYTE>(200 + ids.size() - i);
    for (auto& m : b.Store().Rows<CableMux_Info_Tag>(kTableCableMux))
        m.TPID = renumbered.at(m.TPID);
    for (auto& ch : b.Store().Rows<Channel_Info_Tag>(kTableChannel))
        if (renumbered.contains(ch.TPID))
            ch.TPID = renumbered.at(ch.TPID);
    c = CompareDocuments(here, b);
    EXPECT_TRUE(c.Same()) << ComparisonText(c, "a", "b");
}

TEST_F(CableLists, AMultiplexOneMegahertzOffIsTheSameOneChangedTenMegahertzOffAnother) {
    const BYTE first = MuxIds(here).at(0), second = MuxIds(here).at(1);
    const DWORD kHz = Mux(here, first).Frequency;
    Mux(b, first).Frequency = kHz + 1000;
    Comparison c = CompareDocuments(here, b);
    ASSERT_EQ(c.Count(DifferenceKind::MultiplexChanged), 1u) << ComparisonText(c, "a", "b");
    EXPECT_EQ(c.differences.size(), 1u) << ComparisonText(c, "a", "b");
    const Said changed = OfKind(c, DifferenceKind::MultiplexChanged).at(0);
    EXPECT_EQ(std::tuple(changed.keyA, changed.keyB),
              std::tuple(Mux(here, first).Index, Mux(b, first).Index));
    EXPECT_EQ(CableMHz(kHz), "306.000 MHz"); // the example's first
    EXPECT_EQ(changed.subject, "multiplex 306.000 MHz");
    EXPECT_EQ(changed.a.substr(0, changed.a.find(' ', 8)), CableMHz(kHz));
    EXPECT_EQ(changed.b.substr(0, changed.b.find(' ', 8)), CableMHz(kHz + 1000));
    EXPECT_EQ(changed.a.substr(changed.a.find(' ', 8)), changed.b.substr(changed.b.find(' ', 8)));

    // The tolerance at its edge, both ways: 2 MHz is the same multiplex,
    // one kHz more is another.
    for (const DWORD off : {kHz + 2000, kHz - 2000, kHz + 2001, kHz - 2001}) {
        Mux(b, first).Frequency = off;
        const bool same = off == kHz + 2000 || off == kHz - 2000;
        c = CompareDocuments(here, b);
        EXPECT_EQ(c.Count(DifferenceKind::MultiplexChanged), same ? 1u : 0u) << CableMHz(off);
        EXPECT_EQ(c.Count(DifferenceKind::MultiplexOnlyInB), same ? 0u : 1u) << CableMHz(off);
    }

    // Ten megahertz: the old one gone, a new one there, and every channel on
    // it re-tuned.
    Mux(b, first).Frequency = kHz + 10000;
    Mux(b, second).SymbolRate = static_cast<WORD>(Mux(b, second).SymbolRate + 1);
    c = CompareDocuments(here, b);
    EXPECT_EQ(std::tuple(c.Count(DifferenceKind::MultiplexOnlyInA),
                         c.Count(DifferenceKind::MultiplexOnlyInB),
                         c.Count(DifferenceKind::MultiplexChanged)),
              std::tuple(1u, 1u, 1u));
    EXPECT_EQ(OfKind(c, DifferenceKind::MultiplexOnlyInA).at(0).subject,
              "multiplex " + CableMHz(kHz));
    EXPECT_EQ(OfKind(c, DifferenceKind::MultiplexOnlyInB).at(0).subject,
              "multiplex " + CableMHz(kHz + 10000));
    ASSERT_GT(ChannelsOn(here, first), 0u);
    EXPECT_EQ(c.Count(DifferenceKind::TuningChanged), ChannelsOn(here, first));
    const Said tuning = OfKind(c, DifferenceKind::TuningChanged).at(0);
    EXPECT_EQ(tuning.a.substr(0, tuning.a.find(',')), "cable " + CableMHz(kHz));
    EXPECT_EQ(tuning.b.substr(0, tuning.b.find(',')), "cable " + CableMHz(kHz + 10000));
    const std::string report = ComparisonText(c, "a", "b");
    EXPECT_NE(report.find("@@ multiplexes only in A: 1 @@\n- multiplex " + CableMHz(kHz)),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("@@ multiplex changed: 1 @@\n~ multiplex "), std::string::npos);
    EXPECT_NE(ComparisonJson(c, "a", "b").find("\"multiplex-only-in-b\": 1"), std::string::npos);
}

TEST_F(CableLists, AChannelMovedToAnotherMultiplexHasItsTuningChanged) {
    const BYTE first = MuxIds(here).at(0), second = MuxIds(here).at(1);
    Channel_Info_Tag& moved =
        First<Channel_Info_Tag>(b, kTableChannel, [&](auto& ch) { return ch.TPID == first; });
    moved.TPID = second;
    const Comparison c = CompareDocuments(here, b);
    ASSERT_EQ(c.differences.size(), 1u) << ComparisonText(c, "a", "b");
    const Said d = InEnglish(c.differences[0]);
    EXPECT_EQ(std::tuple(d.kind, d.keyB), std::tuple(DifferenceKind::TuningChanged, moved.Index));
    EXPECT_EQ(d.a.substr(0, d.a.find(',')), "cable " + CableMHz(Mux(here, first).Frequency));
    EXPECT_EQ(d.b.substr(0, d.b.find(',')), "cable " + CableMHz(Mux(here, second).Frequency));
}

TEST_F(CableLists, ThreeChannelsOnANewMultiplexBringItOnce) {
    const std::size_t muxes = here.Store().Size(kTableCableMux);
    auto m = NewRecord<CableMux_Info_Tag>();
    m->TPID = 150;
    m->Frequency = 858000;
    m->SymbolRate = 6875;
    m->Modulation = 0x0C; // 64 QAM
    b.Store().AddIndexed(kTableCableMux, std::move(m));
    AddChannel(b, "Velmar One", 0, 150, 501, 900);
    AddChannel(b, "Velmar Two", 0, 150, 502, 901);
    AddChannel(b, "Velmar Radio", 0, 150, 503, 902, false);
    // And one on a multiplex this list has under another number.
    const BYTE first = MuxIds(here).at(0);
    for (auto& ch : b.Store().Rows<Channel_Info_Tag>(kTableChannel))
        if (ch.TPID == first)
            ch.TPID = 151;
    Mux(b, first).TPID = 151;
    AddChannel(b, "Velmar Known", 0, 151, 504, 903);

    const MergeReport report = RunMergeChannels(session, b.Store(), MergeKinds::All);
    ASSERT_TRUE(report.Applied()) << report.error;
    EXPECT_EQ(MergeSummary(report), "Added 4 channels, 1 multiplex and 0 providers.");
    ASSERT_EQ(here.Store().Size(kTableCableMux), muxes + 1);
    const CableMux_Info_Tag& added =
        *std::as_const(here.Store())
             .Get<CableMux_Info_Tag>(kTableCableMux, here.Store().Keys(kTableCableMux).back());
    EXPECT_EQ(std::tuple(added.Frequency, +added.SymbolRate), std::tuple(858000u, 6875));
    EXPECT_NE(added.TPID, 150); // this list's next number, not the other list's
    EXPECT_EQ(Channel(here, "Velmar Known").TPID, first);
    for (const char* name : {"Velmar One", "Velmar Two", "Velmar Radio"})
        EXPECT_EQ(Channel(here, name).TPID, added.TPID) << name;
    // Compared again, nothing of B's is missing here.
    const Comparison again = CompareLists(here.Store(), b.Store());
    EXPECT_EQ(std::tuple(again.Count(DifferenceKind::ChannelOnlyInB),
                         again.Count(DifferenceKind::MultiplexOnlyInB),
                         again.Count(DifferenceKind::TuningChanged)),
              std::tuple(0u, 0u, 0u))
        << ComparisonText(again, "a", "b");
}

DWORD Params(int freqTable, int constellation) {
    MuxParams p{};
    p.TransMode = 2;
    p.FreqTable = static_cast<BYTE>(freqTable);
    p.Constellation = static_cast<BYTE>(constellation);
    p.CodeRate = 2;
    p.GuardInterval = 4;
    return p.Pack();
}

// Lists built by hand on a terrestrial receiver: its multiplexes are numbered
// by their UHF channel (number 1 is 474 MHz, 8 MHz apart), shifted by the
// frequency table.
class TerrestrialLists : public EditedLists {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        ConfigurePolicy(*FindReceiverProfile("terrestrial"));
        Edit();
    }
    static void AddMux(CDocument& doc, BYTE tpid, DWORD params) {
        auto m = NewRecord<SMux_Info_Tag>();
        m->TPID = tpid;
        m->Params = params;
        doc.Store().AddIndexed(kTableTerrestrialMux, std::move(m));
    }
};

TEST_F(TerrestrialLists, MultiplexesPairByFrequencyAndAMergeKeepsANewOnesNumber) {
    AddMux(here, 1, Params(0, 3));
    AddMux(here, 5, Params(0, 3));
    AddChannel(here, "Velmar A1", 0, 1, 301, 1);
    AddMux(b, 1, Params(1, 2)); // 166 kHz up, 16QAM: the same one, changed
    AddMux(b, 9, Params(0, 3));
    AddChannel(b, "Velmar A1", 0, 1, 301, 1);
    AddChannel(b, "Velmar B9", 0, 9, 309, 2);
    const std::vector<BYTE> before = Saved(here);

    const Comparison c = CompareDocuments(here, b);
    EXPECT_TRUE(c.comparedSources);
    EXPECT_EQ(ComparisonText(c, "a", "b"),
              "--- a\n+++ b\n"
              "@@ channels only in B: 1 @@\n"
              "+ TV 2 \"Velmar B9\"  terrestrial 538.0 MHz, PIDs 0/0/0\n"
              "@@ multiplexes only in A: 1 @@\n"
              "- multiplex 506.0 MHz  506.0 MHz 8K 64QAM 2/3 1/4 Auto\n"
              "@@ multiplexes only in B: 1 @@\n"
              "+ multiplex 538.0 MHz  538.0 MHz 8K 64QAM 2/3 1/4 Auto\n"
              "@@ multiplex changed: 1 @@\n"
              "~ multiplex 474.0 MHz  474.0 MHz 8K 64QAM 2/3 1/4 Auto -> "
              "474.166 MHz 8K 16QAM 2/3 1/4 Auto\n");

    const MergeReport report = RunMergeChannels(session, b.Store(), MergeKinds::All);
    ASSERT_TRUE(report.Applied()) << report.error;
    EXPECT_EQ(MergeSummary(report), "Added 1 channel, 1 multiplex and 0 providers.");
    std::set<BYTE> tpids;
    for (const auto& m : std::as_const(here.Store()).Rows<SMux_Info_Tag>(kTableTerrestrialMux))
        tpids.insert(m.TPID);
    EXPECT_EQ(tpids, (std::set<BYTE>{1, 5, 9}));
    EXPECT_EQ(Channel(here, "Velmar B9").TPID, 9);
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(Saved(here), before);
}

// A satellite receiver with a terrestrial tuner keeps its multiplexes as
// transponders of satellite 1, Params in place of frequency and symbol rate.
class SatelliteTerrestrialLists : public EditedLists {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        ConfigurePolicy(*FindReceiverProfile("satellite-terrestrial"));
        for (CDocument* doc : {&a, &b}) {
            AddSatellite(*doc, 1, doc == &a ? 0 : 5, "Terrestrial");
            AddSatellite(*doc, 2, 192, "Astra 1");
            AddTransponder(*doc, 2, 1, 11494, true);
            AddMux(*doc, 1, Params(0, 3));
            AddMux(*doc, 5, Params(0, 3));
            AddChannel(*doc, "Velmar Sat", 2, 1, 401, 1);
            AddChannel(*doc, "Velmar UHF 21", 1, 1, 402, 2);
        }
        Edit();
    }
    static void AddMux(CDocument& doc, BYTE tpid, DWORD params) {
        auto t = NewRecord<Transponder_Info_Tag>();
        t->SatID = kTerrestrialSatelliteId;
        t->TPID = tpid;
        SetTpParams(*t, params);
        doc.Store().AddIndexed(kTableTransponder, std::move(t));
    }
};

TEST_F(SatelliteTerrestrialLists, ThePseudoSatellitesTranspondersAreMultiplexes) {
    // Placed elsewhere in B, the terrestrial network is still the same one.
    Comparison c = CompareDocuments(here, b);
    EXPECT_TRUE(c.Same()) << ComparisonText(c, "a", "b");

    AddMux(b, 3, Params(0, 3));
    AddChannel(b, "Velmar UHF 23", 1, 3, 403, 3);
    c = CompareDocuments(here, b);
    EXPECT_EQ(ComparisonText(c, "a", "b"),
              "--- a\n+++ b\n"
              "@@ channels only in B: 1 @@\n"
              "+ TV 3 \"Velmar UHF 23\"  terrestrial 490.0 MHz, PIDs 0/0/0\n"
              "@@ multiplexes only in B: 1 @@\n"
              "+ multiplex 490.0 MHz  490.0 MHz 8K 64QAM 2/3 1/4 Auto\n");

    // The merge keeps its number (its frequency), where a new transponder
    // would get the next one (6).
    const MergeReport report = RunMergeChannels(session, b.Store(), MergeKinds::All);
    ASSERT_TRUE(report.Applied()) << report.error;
    EXPECT_EQ(MergeSummary(report),
              "Added 1 channel, 0 satellites, 0 transponders, 1 multiplex and 0 providers.");
    const Channel_Info_Tag& uhf23 = Channel(here, "Velmar UHF 23");
    EXPECT_EQ(std::tuple(+uhf23.SatID, +uhf23.TPID), std::tuple(1, 3));
    EXPECT_EQ(TpParams(Transponder(here, 1, 3)), Params(0, 3));
    EXPECT_TRUE(CompareLists(here.Store(), b.Store()).Count(DifferenceKind::MultiplexOnlyInB) == 0);
}

// Of two free rows at the same distance the first in pairing order (the
// lower frequency) is the partner, wherever the rows sit in their table.
TEST(FrequencyPairing, TheFirstOfEqualGapsWins) {
    const std::vector<TunedRow> a = {{1, 0, 11000000}};
    const std::vector<TunedRow> b = {{7, 0, 11001000}, {8, 0, 10999000}};
    const FrequencyPairs p = PairByFrequency(a, b, 2000);
    ASSERT_EQ(p.pairs.size(), 1u);
    EXPECT_EQ(p.pairs[0].second, 1u);
    EXPECT_EQ(p.onlyB, (std::vector<std::size_t>{0}));
}

} // namespace
