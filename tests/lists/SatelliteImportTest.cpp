// satellites.xml into the demo image: a satellite added with its
// transponders, one brought up to date (updated, added, the missing one kept
// or pruned with its channels), every value mapped as the records hold it,
// and the files refused whole: malformed XML with its line, deep nesting.
#include "lists/SatelliteImport.h"

#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/Document.h"
#include "document/EditSession.h"
#include "document/ListImportEdits.h"
#include "lists/SatellitesXml.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "tests/image/ImageBuilder.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const std::string kFixtures = VELMAR_SOURCE_DIR "/tests/lists/fixtures/";
constexpr BYTE kThor = 4; // the demo image's satellite at 0.8W

class SatelliteImport : public velmar::test::CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        ConfigureStartupPolicy();
        ASSERT_EQ(
            OpenAsCurrent(VELMAR_SOURCE_DIR "/examples/demo-satellite.bin", ImageForm::Convert), 1);
        std::string error;
        auto parsed = ReadSatellitesXml(kFixtures + "thor-and-eutelsat7.xml", error);
        ASSERT_TRUE(parsed) << error;
        file = *parsed;
    }
    static const Transponder_Info_Tag* Tp(BYTE sat, int mhz) {
        for (const auto& t : TheZorvDB().Rows<Transponder_Info_Tag>(kTableTransponder))
            if (t.SatID == sat && t.Frequency == mhz)
                return &t;
        return nullptr;
    }
    // TPID, symbol rate, PolFEC and the carried bytes of a transponder, or "none".
    static std::string Tuning(BYTE sat, int mhz) {
        const Transponder_Info_Tag* t = Tp(sat, mhz);
        char text[64] = "none";
        if (t)
            (void)std::snprintf(text, sizeof text, "TPID %d %d 0x%02x %d %d", t->TPID,
                                t->SymbolRate, t->PolFEC, t->ExtByte1, t->ExtByte2);
        return text;
    }
    static std::size_t Count(std::uint8_t table) {
        return static_cast<std::size_t>(TheZorvDB().Size(table));
    }
    // Satellites, transponders, channels and the highest TPID handed out.
    static auto Sizes() {
        return std::tuple(Count(kTableSatellite), Count(kTableTransponder), Count(kTableChannel),
                          g_nMaxTPID);
    }
    static std::size_t ChannelsOn(BYTE sat, BYTE tp) {
        return static_cast<std::size_t>(
            std::ranges::count_if(TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel),
                                  [&](const auto& c) { return c.SatID == sat && c.TPID == tp; }));
    }
    std::vector<XmlSatellite> file;
    // Only Thor's transponders, those the file no longer has deleted.
    const SatelliteImportOptions pruneThor{.positions = {-8}, .prune = true};
};

// A report's counts: satellites added and updated, transponders added,
// updated, unchanged and deleted, channels deleted; left out as APSK; taken
// as circular and with FEC Auto.
auto Counts(const SatelliteImportReport& r) {
    return std::tuple(r.satellitesAdded, r.satellitesUpdated, r.added, r.updated, r.unchanged,
                      r.deleted, r.channelsDeleted, r.apsk, r.circular, r.fecAuto);
}
using CountsOf = decltype(Counts(SatelliteImportReport{}));

} // namespace

// What the file says is checked through the import below; here its encoding.
TEST(SatellitesXml, ALatin1FilesNamesComeToWindows1252) {
    std::string error;
    const auto latin = ReadSatellitesXml(kFixtures + "latin1.xml", error);
    ASSERT_TRUE(latin) << error;
    EXPECT_EQ((*latin)[0].name, "30.0W Espa\xF1"
                                "a");
}

TEST(SatellitesXml, AMalformedFileIsRefusedWithItsLine) {
    std::string error;
    EXPECT_FALSE(ReadSatellitesXml(kFixtures + "malformed.xml", error));
    // The <transponder> of line 5 is never closed; the parser finds out at </sat>.
    EXPECT_NE(error.find("malformed.xml, line 6: the XML is malformed"), std::string::npos)
        << error;
    EXPECT_FALSE(ReadSatellitesXml(kFixtures + "bad-polarization.xml", error));
    EXPECT_NE(error.find("line 5: polarization=\"L\" is not a number from 0 to 3"),
              std::string::npos)
        << error;
    EXPECT_FALSE(ParseSatellitesXml("<transponders/>", error));
    EXPECT_EQ(error, "line 1: the file has no <satellites> element");
    EXPECT_FALSE(ParseSatellitesXml("<satellites><sat name=\"x\"/></satellites>", error));
    EXPECT_EQ(error, "line 1: <sat> has no position");
}

// What the parser finds wrong is said in the parser's own English (and
// marked for the editor to say in the user's language): each kind of damage
// against pugixml's description of it.
TEST(SatellitesXml, TheParsersFindingIsSaidInItsOwnWords) {
    const char* const damaged[] = {
        "<satellites><sat></satellites>",      "<satellites><sat a=></sat></satellites>",
        "<satellites></sat x></satellites>",   "<satellites><![CDATA[ x </satellites>",
        "<satellites><!-- x </satellites>",    "<satellites><? x </satellites>",
        "<!DOCTYPE <satellites></satellites>", "",
        "<satellites><#></satellites>",        "<satellites><sat",
    };
    std::set<std::string> said;
    for (const char* text : damaged) {
        SCOPED_TRACE(text);
        pugi::xml_document doc;
        const pugi::xml_parse_result parsed = doc.load_string(text);
        std::string error;
        EXPECT_FALSE(ParseSatellitesXml(text, error));
        const std::size_t at = error.find("the XML is malformed (");
        if (parsed || at == std::string::npos)
            continue; // refused before the parser, or by the checks after it
        EXPECT_EQ(error.substr(at),
                  std::string("the XML is malformed (") + parsed.description() + ")");
        said.insert(parsed.description());
    }
    EXPECT_GE(said.size(), 7u) << "kinds of damage that reached the parser";
}

TEST(SatellitesXml, HundredThousandNestedElementsAreRefusedBeforeParsing) {
    std::string deep = "<?xml version=\"1.0\"?>\n<satellites>\n";
    for (int i = 0; i < 100000; ++i)
        deep += "<sat>";
    for (int i = 0; i < 100000; ++i)
        deep += "</sat>";
    deep += "</satellites>\n";
    std::string error;
    EXPECT_FALSE(ParseSatellitesXml(deep, error));
    EXPECT_EQ(error, "line 3: elements are nested more than 16 deep, which no transponder list is");
    // Comments, CDATA and quoted '>' do not fool the count, and flat files pass.
    EXPECT_TRUE(ParseSatellitesXml("<satellites><!-- <a><b> --><![CDATA[<c>]]>"
                                   "<sat name=\"a>b\" position=\"1\"/></satellites>",
                                   error))
        << error;
}

TEST(SatellitesXml, PositionsInTenthsOrDegrees) {
    std::vector<std::optional<int>> read;
    for (const char* text : {"192", "-50", "19.2E", "5W", "0.8w", "180.1E", "19.25E", "east"})
        read.push_back(ParsePosition(text));
    EXPECT_EQ(read, (std::vector<std::optional<int>>{192, -50, 192, -50, -8, std::nullopt,
                                                     std::nullopt, std::nullopt}));
    EXPECT_EQ(PositionText(-8), "0.8W");
    EXPECT_EQ(PositionText(1800), "180.0E");
    EXPECT_EQ(DegreeOfPosition(-8), 3592);
}

TEST_F(SatelliteImport, AddsASatelliteAndBringsAnotherUpToDateInOneEdit) {
    const auto [satellites, transponders, channels, maxTpid] = Sizes();
    ASSERT_NE(Tp(kThor, 10778), nullptr);
    const Transponder_Info_Tag thor10778 = *Tp(kThor, 10778);

    EditSession session(TheZorvDB());
    const SatelliteImportReport r = RunImportSatellites(session, file, {});
    ASSERT_TRUE(r.Ok()) << r.error;
    // Added: Thor 11216, Eutelsat 10721, 11492, 12500; updated Thor 10778 ->
    // 10779; 12600 16APSK left out.
    EXPECT_EQ(Counts(r), CountsOf(1, 1, 4, 1, 0, 0, 0, 1, 1, 1));
    EXPECT_EQ(r.missing, std::vector<std::string>{"0.8W 11325 MHz H 24500"});
    // Nothing pruned.
    EXPECT_EQ(Sizes(), std::tuple(satellites + 1, transponders + 4, channels, maxTpid + 4));

    // The updated one keeps its TPID, TS ID and carried bytes; the tuning is the file's.
    const Transponder_Info_Tag* moved = Tp(kThor, 10779);
    ASSERT_NE(moved, nullptr);
    // V, 7/8; DVB-S2, 8PSK.
    EXPECT_EQ(std::tuple(+moved->TPID, +moved->TSID, +moved->SymbolRate, +moved->PolFEC,
                         +moved->ExtByte1, +moved->ExtByte2),
              std::tuple(+thor10778.TPID, +thor10778.TSID, 30000, 0x50 | (thor10778.PolFEC & 0x0E),
                         1, 1));
    EXPECT_EQ(Tuning(kThor, 11216), "TPID 3 24500 0x70 1 1");

    // The new satellite: the next ID, its position and its name cut to 15.
    const auto sats = std::as_const(TheZorvDB()).Rows<Satellite_Info_Tag>(kTableSatellite);
    const auto sat = std::ranges::find(sats, WORD{70}, &Satellite_Info_Tag::Degree);
    ASSERT_NE(sat, sats.end());
    EXPECT_EQ(std::tuple(+sat->ID, +sat->Flag, std::string(sat->Name)),
              std::tuple(7, 1, "7.0E Eutelsat 7"));
    EXPECT_EQ(Tuning(7, 10721) + "; " + Tuning(7, 11492) + "; " + Tuning(7, 12500) + "; " +
                  Tuning(7, 12600),
              "TPID 1 22000 0x31 0 0; TPID 2 30000 0x90 1 1; TPID 3 30000 0x00 0 0; none");
    EXPECT_EQ(SatelliteImportSummary(r),
              "1 satellite added, 1 brought up to date; transponders: 4 added, 1 updated, 0 "
              "unchanged.\n"
              "1 transponder of the list the file no longer has was kept:\n"
              "  0.8W 11325 MHz H 24500\n"
              "1 transponder of the file was not imported: 1 16APSK or 32APSK, which the "
              "receiver cannot hold.\n"
              "1 circular transponder was taken with left as H and right as V.\n"
              "1 FEC the receiver has no name for was taken as Auto.");

    // The same file again: nothing left to change. (That one step takes an
    // import back, g_nMaxTPID too, HistoryPropertyTest checks.)
    const auto again = RunImportSatellites(session, file, {});
    EXPECT_EQ(std::tuple(again.added, again.updated, again.unchanged), std::tuple(0u, 0u, 5u));
}

TEST_F(SatelliteImport, PruneDeletesTheMissingTransponderWithItsChannels) {
    const Transponder_Info_Tag* gone = Tp(kThor, 11325);
    ASSERT_NE(gone, nullptr);
    const BYTE goneTpid = gone->TPID;
    const std::size_t onIt = ChannelsOn(kThor, goneTpid);
    ASSERT_GT(onIt, 0u) << "the demo has channels there";
    const std::size_t channels = Count(kTableChannel), transponders = Count(kTableTransponder);

    EditSession session(TheZorvDB());
    const SatelliteImportReport r = RunImportSatellites(session, file, pruneThor);
    ASSERT_TRUE(r.Ok()) << r.error;
    EXPECT_EQ(std::tuple(r.satellitesAdded, r.deleted, r.channelsDeleted), std::tuple(0u, 1u, onIt))
        << "only the chosen satellite is imported; one transponder deleted with its channels";
    EXPECT_EQ(Tp(kThor, 11325), nullptr);
    EXPECT_EQ(std::tuple(Count(kTableChannel), Count(kTableTransponder)),
              std::tuple(channels - onIt, transponders + 1 - 1));
    // The cascade closes the gap: the added transponder moves down to TPID 2.
    EXPECT_EQ(Tuning(kThor, 11216), "TPID 2 24500 0x70 1 1");
    for (const auto& c : TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel))
        EXPECT_FALSE(c.SatID == kThor && c.TPID > 2) << c.Name;
    EXPECT_NE(
        SatelliteImportSummary(r).find("1 deleted with " + std::to_string(onIt) + " channels"),
        std::string::npos);
}

TEST_F(SatelliteImport, PruneOfTwoTranspondersOnOneTpidDeletesBoth) {
    // A transponder dropped on Thor from another satellite keeps its TPID,
    // here the one of the transponder the file no longer has; the file has
    // neither. Deleting the first takes both (same satellite and TPID): the
    // prune must not read the second after it went.
    const Transponder_Info_Tag* gone = Tp(kThor, 11325);
    ASSERT_NE(gone, nullptr);
    auto twin = NewRecord<Transponder_Info_Tag>();
    *twin = *gone;
    twin->Frequency = 12345;
    TheZorvDB().AddIndexed(kTableTransponder, std::move(twin));
    const std::size_t onIt = ChannelsOn(kThor, gone->TPID);
    const std::size_t channels = Count(kTableChannel), transponders = Count(kTableTransponder);

    EditSession session(TheZorvDB());
    const SatelliteImportReport r = RunImportSatellites(session, file, pruneThor);
    ASSERT_TRUE(r.Ok()) << r.error;
    // Both went and both are counted, their channels once.
    EXPECT_EQ(std::tuple(r.missing.size(), r.deleted, r.channelsDeleted), std::tuple(2u, 2u, onIt));
    EXPECT_EQ(Tuning(kThor, 11325) + Tuning(kThor, 12345), "nonenone");
    EXPECT_EQ(std::tuple(Count(kTableTransponder), Count(kTableChannel)),
              std::tuple(transponders + 1 - 2, channels - onIt));
    ASSERT_TRUE(session.Undo());
    EXPECT_EQ(Count(kTableTransponder), transponders);
    EXPECT_NE(Tp(kThor, 12345), nullptr);
}

TEST_F(SatelliteImport, RefusalsChangeNothing) {
    EditSession session(TheZorvDB());
    EXPECT_EQ(RunImportSatellites(session, file, {.positions = {192}}).error,
              "The file has no satellite at 19.2E. Nothing was changed.");
    EXPECT_EQ(session.UndoCount(), 0u);

    // A receiver without satellites takes none.
    const std::size_t transponders = Count(kTableTransponder);
    DWORD maxTpid = 0;
    const auto cable = ImportSatellites(TheZorvDB(), file, {}, 0x04, 5, maxTpid);
    EXPECT_EQ(cable.error, "This receiver has no satellites. Nothing was changed.");
    EXPECT_EQ(Count(kTableTransponder), transponders);
}
