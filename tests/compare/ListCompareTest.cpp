// The comparison of two lists: what it pairs (channels as Apply order pairs
// them, satellites by position, transponders by frequency within 2 MHz and
// polarisation) and each kind of difference, with the texts a report shows.
#include "compare/ListCompare.h"
#include "compare/CompareReport.h"
#include "document/WorkbookDocument.h"
#include "tests/compare/CompareFixture.h"
#include "xls/ChannelWorkbook.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

using namespace velmar::test;

namespace {

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

} // namespace

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
