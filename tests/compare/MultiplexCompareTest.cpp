// Cable and terrestrial lists compared and merged: their multiplexes pair by
// frequency (never by number, which a new scan hands out afresh), a channel's
// tuning is its multiplex, and a merge brings the multiplex a new channel
// needs once. The terrestrial network of a satellite receiver is kept as
// transponders of its pseudo-satellite; those are multiplexes too.
#include "compare/CompareReport.h"
#include "compare/FrequencyPairing.h"
#include "compare/ListCompare.h"
#include "compare/ListMerge.h"
#include "contracts/Policy.h"
#include "contracts/ReceiverProfiles.h"
#include "document/EditSession.h"
#include "model/MuxParams.h"
#include "tests/compare/CompareFixture.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <tuple>
#include <vector>

using namespace velmar::test;

namespace {

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

} // namespace

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
