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
#include "tests/model/ChannelMaker.h"
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

// The subjects of the differences of one kind, sorted.
inline std::vector<std::string> Subjects(const Comparison& c, DifferenceKind kind) {
    std::vector<std::string> out;
    for (const Said& d : OfKind(c, kind))
        out.push_back(d.subject);
    std::ranges::sort(out);
    return out;
}

// The channels of A whose tuning the comparison says changed.
inline std::set<std::uint32_t> Retuned(const Comparison& c) {
    std::set<std::uint32_t> out;
    for (const Said& d : OfKind(c, DifferenceKind::TuningChanged))
        out.insert(d.keyA);
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
    // The keys of the channels of `doc` that `is` picks.
    template <class Pick> static std::set<std::uint32_t> ChannelsWhere(CDocument& doc, Pick is) {
        std::set<std::uint32_t> out;
        for (const auto& ch : std::as_const(doc.Store()).Rows<Channel_Info_Tag>(kTableChannel))
            if (is(ch))
                out.insert(ch.Index);
        return out;
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
        const std::uint32_t key = velmar::test::AddSatellite(doc.Store(), id, degree);
        std::snprintf(doc.Store().Get<Satellite_Info_Tag>(kTableSatellite, key)->Name,
                      sizeof(Satellite_Info_Tag::Name), "%s", name);
        return key;
    }
    static std::uint32_t AddTransponder(CDocument& doc, BYTE satID, BYTE tpid, WORD frequency,
                                        bool horizontal, WORD symbolRate = 27500) {
        const std::uint32_t key = velmar::test::AddTransponder(doc.Store(), satID, tpid, frequency);
        auto* t = doc.Store().Get<Transponder_Info_Tag>(kTableTransponder, key);
        t->SymbolRate = symbolRate;
        t->PolFEC = static_cast<BYTE>((horizontal ? 1 : 0) | 0x30);
        return key;
    }
    // Service id 0: a channel without ids, paired by its name only.
    static std::uint32_t AddChannel(CDocument& doc, const char* name, BYTE satID, BYTE tpid,
                                    WORD serviceID, WORD number, bool tv = true) {
        Ch c = Ch{name}
                   .On(satID, tpid)
                   .Num(number)
                   .Ids(serviceID ? 1 : 0, serviceID ? 7000 : 0, serviceID);
        return velmar::test::AddChannel(doc.Store(), tv ? c : c.Radio());
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

TEST_F(ListCompare, EachKindOfDifferenceIsSeenOnceWithBothSidesValues) {
    AddChannel(a, "Only In A", 1, 1, 0, 900);
    AddChannel(b, "Only In B \xC9t\xE9", 1, 1, 0, 901); // Windows-1252 É, é
    Channel(b, "3sat HD").ProgramNum = 5000;
    std::strcpy(Channel(b, "PHOENIX HD").Name, "Phoenix");
    Channel(b, "KiKA HD").VideoPID = 999;
    Channel(b, "tagesschau24 HD").Attributes |= kAttrSkipped;
    Channel(b, "ONE HD").Favorite |= 1u << 2;
    // Positions are east up to 180.0 and west beyond it.
    AddSatellite(a, 7, 1801, "Gone Sat");
    AddSatellite(b, 7, 1800, "New Sat");
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

    std::vector<std::string> said;
    for (const Difference& d : c.differences)
        said.push_back(English(d.subject) + " | " + English(d.a) + " | " + English(d.b));
    EXPECT_EQ(said, (std::vector<std::string>{
                        "TV 900 \"Only In A\" | 19.2E 11494 H, PIDs 0/0/0 | ",
                        "TV 901 \"Only In B \xC3\x89t\xC3\xA9\" |  | 19.2E 11494 H, PIDs 0/0/0",
                        "TV 3 \"3sat HD\" | 3 | 5000",
                        "TV 5 \"PHOENIX HD\" | \"PHOENIX HD\" | \"Phoenix\"",
                        "TV 6 \"KiKA HD\" | 19.2E 11362 H, PIDs 336/337/336 | 19.2E 11362 H, PIDs "
                        "999/337/336",
                        "TV 7 \"tagesschau24 HD\" | - | skipped",
                        "TV 8 \"ONE HD\" | 4 | 3, 4",
                        "satellite 179.9W | \"Gone Sat\" | ",
                        "satellite 180.0E |  | \"New Sat\"",
                        "satellite 19.2E | \"Astra 1\" | \"Astra 1 New\"",
                        "transponder 13.0E 12999 V | 12999 V 27500 FEC 3 | ",
                        "transponder 13.0E 10999 V |  | 10999 V 27500 FEC 3",
                        "transponder 19.2E 11494 H | 11494 H 22000 FEC 2 | 11494 H 27000 FEC 2",
                    }));
    // The JSON carries the same.
    const std::string json = ComparisonJson(c, "old.bin", "new.bin");
    for (const char* part :
         {"\"format\": 1", "\"same\": false", "\"a\": null",
          "\"channel-only-in-b\": 1, \"number-changed\": 1",
          "{\"kind\": \"number-changed\", \"subject\": \"TV 3 \\\"3sat HD\\\"\", "
          "\"a\": \"3\", \"b\": \"5000\"}"})
        EXPECT_NE(json.find(part), std::string::npos) << part << "\n" << json;
    // Keys name the rows on each side.
    const auto& d = c.differences;
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
    using Strings = std::vector<std::string>;
    EXPECT_EQ(Subjects(c, DifferenceKind::TransponderChanged),
              Strings{"transponder 19.2E 11494 H"});
    EXPECT_EQ(OfKind(c, DifferenceKind::TransponderChanged).at(0).b, "11496 H 22000 FEC 2");
    EXPECT_EQ(Subjects(c, DifferenceKind::TransponderOnlyInA),
              (Strings{"transponder 19.2E 11362 H", "transponder 19.2E 11953 H"}));
    EXPECT_EQ(Subjects(c, DifferenceKind::TransponderOnlyInB),
              (Strings{"transponder 19.2E 11365 H", "transponder 19.2E 11953 V"}));

    // Channels on the paired transponder keep their tuning; those on the
    // others changed it.
    const auto onMoved = ChannelsWhere(
        a, [](const auto& ch) { return ch.SatID == 1 && (ch.TPID == 2 || ch.TPID == 3); });
    EXPECT_FALSE(onMoved.empty());
    EXPECT_EQ(Retuned(c), onMoved);
}

TEST_F(ListCompare, ACopyIsTheSameEveryRowPairedAndSatellitesPairByPositionWhateverTheirIds) {
    // B numbers its satellites the other way round: the same satellites, and
    // every row is paired.
    for (auto& s : b.Store().Rows<Satellite_Info_Tag>(kTableSatellite))
        s.ID = static_cast<BYTE>(7 - s.ID);
    for (auto& t : b.Store().Rows<Transponder_Info_Tag>(kTableTransponder))
        t.SatID = static_cast<BYTE>(7 - t.SatID);
    for (auto& ch : b.Store().Rows<Channel_Info_Tag>(kTableChannel))
        ch.SatID = static_cast<BYTE>(7 - ch.SatID);
    const Comparison same = CompareDocuments(a, b);
    EXPECT_EQ(
        std::tuple(ComparisonText(same, "a", "b"), same.comparedSources, same.channelAtoB.size(),
                   same.satelliteBtoA.size(), same.transponderBtoA.size()),
        std::tuple("", true, a.Store().Size(kTableChannel), 6u, a.Store().Size(kTableTransponder)));
    // Moved to another position, a satellite is another one.
    Satellite(b, 6).Degree = 100; // Astra 1, ID 1 in A
    const Comparison c = CompareDocuments(a, b);
    EXPECT_EQ(std::tuple(c.Count(DifferenceKind::SatelliteOnlyInA),
                         c.Count(DifferenceKind::SatelliteOnlyInB)),
              std::tuple(1u, 1u));
    EXPECT_EQ(Retuned(c), ChannelsWhere(a, [](const auto& ch) { return ch.SatID == 1; }));
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

// ---- Merging ------------------------------------------------------------------------

class ListMerge : public EditedLists {
protected:
    void SetUp() override {
        TwoLists::SetUp();
        Edit();
    }
    // "name SatID/TPID provider" of this list's channels named from `prefix`.
    std::string Named(const std::string& prefix) {
        std::string out;
        for (const auto& c : std::as_const(here.Store()).Rows<Channel_Info_Tag>(kTableChannel))
            if (NameOf(c).starts_with(prefix))
                out += std::string(NameOf(c)) + " " + std::to_string(c.SatID) + "/" +
                       std::to_string(c.TPID) + " p" + std::to_string(c.BroadcastID) + "; ";
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
    EXPECT_EQ(Named("Velmar "), "Velmar One 7/1 p0; Velmar Two 7/1 p0; Velmar Three 7/2 p0; ");
    EXPECT_EQ(std::tuple(Channel(here, "Velmar One").ProgramNum,
                         Channel(here, "Velmar Two").ProgramNum,
                         Channel(here, "Velmar Three").ProgramNum),
              std::tuple(last + 1, last + 2, last + 3));
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
    // Astra 1 and Hot Bird by their IDs here; the new provider after this
    // list's highest.
    EXPECT_EQ(Named("Velmar "), "Velmar Here 1/1 p" + std::to_string(knownProvider) +
                                    "; Velmar Radio 2/1 p" + std::to_string(highestProvider + 1) +
                                    "; ");
    EXPECT_EQ(BroadcastDescriptionText(here.Store(), here.Store().Keys(kTableBroadcast).back()),
              "Broadcast Name : Velmar Networks (ID : " + std::to_string(highestProvider + 1) +
                  ")");
}

TEST_F(ListMerge, OnlyTheChosenKindIsTakenAndNothingToAddRecordsNothing) {
    AddChannel(b, "Velmar TV", 1, 1, 701, 900, true);
    AddChannel(b, "Velmar FM", 1, 1, 702, 900, false);
    MergeReport report = RunMergeChannels(session, b.Store(), MergeKinds::Radio);
    ASSERT_TRUE(report.Applied());
    EXPECT_EQ(std::tuple(report.channels, Named("Velmar "), session.UndoCount()),
              std::tuple(1u, "Velmar FM 1/1 p0; ", 1u));

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
    EXPECT_EQ(std::tuple(report.channels, Named("Velmar ")), std::tuple(1u, "Velmar One 1/1 p0; "));
}

// ---- Cable and terrestrial multiplexes ----------------------------------------------

const std::string kCable = std::string(VELMAR_SOURCE_DIR) + "/examples/demo-cable.bin";

// Two copies of the cable example, the first one the current document: its
// multiplexes TPID 1 up on the 8 MHz raster from 306 MHz.
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
};

TEST_F(CableLists, ACopyIsTheSameEvenWhenANewScanNumberedItsMultiplexesAfresh) {
    Comparison c = CompareDocuments(here, b);
    EXPECT_TRUE(c.Same()) << ComparisonText(c, "a", "b");
    EXPECT_TRUE(c.comparedSources);
    EXPECT_EQ(c.multiplexBtoA.size(), here.Store().Size(kTableCableMux));

    // B numbers its multiplexes afresh, in the opposite order, and its
    // channels follow: the same list to anyone tuning it.
    const auto renumbered = [](BYTE tpid) { return static_cast<BYTE>(250 - tpid); };
    for (auto& m : b.Store().Rows<CableMux_Info_Tag>(kTableCableMux))
        m.TPID = renumbered(m.TPID);
    for (auto& ch : b.Store().Rows<Channel_Info_Tag>(kTableChannel))
        ch.TPID = renumbered(ch.TPID);
    c = CompareDocuments(here, b);
    EXPECT_TRUE(c.Same()) << ComparisonText(c, "a", "b");
}

TEST_F(CableLists, AMultiplexOneMegahertzOffIsTheSameOneChangedTenMegahertzOffAnother) {
    Mux(b, 1).Frequency = 307000;
    Comparison c = CompareDocuments(here, b);
    ASSERT_EQ(c.differences.size(), 1u) << ComparisonText(c, "a", "b");
    const Said changed = InEnglish(c.differences[0]);
    EXPECT_EQ(std::tuple(changed.kind, changed.keyA, changed.keyB, changed.subject),
              std::tuple(DifferenceKind::MultiplexChanged, Mux(here, 1).Index, Mux(b, 1).Index,
                         "multiplex 306.000 MHz"));
    EXPECT_EQ(changed.a.substr(0, 12), "306.000 MHz ");
    EXPECT_EQ("307.000 MHz " + changed.a.substr(12), changed.b);

    // The tolerance at its edge, both ways: 2 MHz is the same multiplex,
    // one kHz more is another.
    for (const DWORD off : {308000, 304000, 308001, 303999}) {
        Mux(b, 1).Frequency = off;
        const bool same = off % 1000 == 0;
        c = CompareDocuments(here, b);
        EXPECT_EQ(c.Count(DifferenceKind::MultiplexChanged), same ? 1u : 0u) << off;
        EXPECT_EQ(c.Count(DifferenceKind::MultiplexOnlyInB), same ? 0u : 1u) << off;
    }

    // Ten megahertz: the old one gone, a new one there, and every channel on
    // it re-tuned.
    Mux(b, 1).Frequency = 316000;
    Mux(b, 2).SymbolRate = static_cast<WORD>(Mux(b, 2).SymbolRate + 1);
    c = CompareDocuments(here, b);
    EXPECT_EQ(Subjects(c, DifferenceKind::MultiplexOnlyInB),
              std::vector<std::string>{"multiplex 316.000 MHz"});
    const auto onFirst = ChannelsWhere(here, [](const auto& ch) { return ch.TPID == 1; });
    ASSERT_FALSE(onFirst.empty());
    EXPECT_EQ(Retuned(c), onFirst);
    const Said tuning = OfKind(c, DifferenceKind::TuningChanged).at(0);
    EXPECT_EQ(
        std::tuple(tuning.a.substr(0, tuning.a.find(',')), tuning.b.substr(0, tuning.b.find(','))),
        std::tuple("cable 306.000 MHz", "cable 316.000 MHz"));
    const std::string report = ComparisonText(c, "a", "b");
    EXPECT_NE(report.find("@@ multiplexes only in A: 1 @@\n- multiplex 306.000 MHz"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("@@ multiplex changed: 1 @@\n~ multiplex 314.000 MHz"),
              std::string::npos);
    EXPECT_NE(ComparisonJson(c, "a", "b").find("\"multiplex-only-in-b\": 1"), std::string::npos);
}

TEST_F(CableLists, AChannelMovedToAnotherMultiplexHasItsTuningChanged) {
    Channel_Info_Tag& moved =
        First<Channel_Info_Tag>(b, kTableChannel, [&](auto& ch) { return ch.TPID == 1; });
    moved.TPID = 2;
    const Comparison c = CompareDocuments(here, b);
    ASSERT_EQ(c.differences.size(), 1u) << ComparisonText(c, "a", "b");
    const Said d = InEnglish(c.differences[0]);
    EXPECT_EQ(
        std::tuple(d.kind, d.keyB, d.a.substr(0, d.a.find(',')), d.b.substr(0, d.b.find(','))),
        std::tuple(DifferenceKind::TuningChanged, moved.Index, "cable 306.000 MHz",
                   "cable 314.000 MHz"));
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
    for (auto& ch : b.Store().Rows<Channel_Info_Tag>(kTableChannel))
        if (ch.TPID == 1)
            ch.TPID = 151;
    Mux(b, 1).TPID = 151;
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
    EXPECT_EQ(Channel(here, "Velmar Known").TPID, 1);
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

// 8K, 2/3, guard 1/4, on the frequency table and with the constellation given.
DWORD Params(BYTE freqTable, BYTE constellation) {
    return MuxParams{.Flag = 0,
                     .TransMode = 2,
                     .FreqTable = freqTable,
                     .Constellation = constellation,
                     .CodeRate = 2,
                     .GuardInterval = 4,
                     .Priority = 0,
                     .Value18 = 0,
                     .Value24 = 0}
        .Pack();
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
