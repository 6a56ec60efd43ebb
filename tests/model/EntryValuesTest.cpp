// What the satellite, transponder and cable multiplex forms enter, as record
// fields: positions, cable frequencies, the polarisation/FEC byte and the
// cable modulation bytes, each read back the way the grids read them.
#include "model/EntryValues.h"
#include "model/RecordTexts.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

TEST(DegreeEntry, EastUpTo1800AndWestAbove) {
    auto entry = [](WORD d) {
        const DegreeEntry e = DegreeToEntry(d);
        return e.degrees + (e.west ? "W" : "E");
    };
    // A value the image should not hold (3600) is shown as it is, East, so
    // that OK refuses it rather than quietly moving the satellite.
    std::vector<std::string> entries;
    for (const int d : {0, 192, 1800, 1801, 3592, 3599, 3600})
        entries.push_back(entry(static_cast<WORD>(d)));
    EXPECT_EQ(entries, (std::vector<std::string>{"0.0E", "19.2E", "180.0E", "179.9W", "0.8W",
                                                 "0.1W", "360.0E"}));
    // Every stored position comes back from its entry unchanged.
    for (WORD d = 0; d < 3600; ++d) {
        const DegreeEntry e = DegreeToEntry(d);
        ASSERT_EQ(DegreeFromEntry(e.degrees, e.west), std::optional<WORD>(d)) << d;
    }
}

TEST(DegreeEntry, DegreesWithOneDecimalUpTo180) {
    // 180 West is 180 East; 0 West is 0 East, not 3600.
    EXPECT_EQ((std::array{DegreeFromEntry("19.2", false), DegreeFromEntry(" 13 ", false),
                          DegreeFromEntry("0.8", true), DegreeFromEntry("180", true),
                          DegreeFromEntry("0", true)}),
              (std::array<std::optional<WORD>, 5>{192, 130, 3592, 1800, 0}));
    for (const char* bad :
         {"180.1", "19.25", "", " ", "-1", "+1", "13.", ".5", "1e2", "19,2", "999999999999999"})
        EXPECT_EQ(DegreeFromEntry(bad, false), std::nullopt) << bad;
}

TEST(CableFrequencyEntry, MHzWithThreeDecimalsHeldInKHz) {
    EXPECT_EQ(KHzToMHzEntry(474000) + " " + KHzToMHzEntry(474250) + " " + KHzToMHzEntry(5),
              "474.000 474.250 0.005");
    std::vector<std::optional<DWORD>> kHz;
    for (const char* text : {"474", "474.25", "474.250", "0.005", "4294967.295"})
        kHz.push_back(MHzEntryToKHz(text));
    EXPECT_EQ(kHz, (std::vector<std::optional<DWORD>>{474000, 474250, 474250, 5, 0xFFFFFFFF}));
    for (const char* bad : {"4294967.296", "474.2505", "", "474.", "MHz", "-474", "474 MHz"})
        EXPECT_EQ(MHzEntryToKHz(bad), std::nullopt) << bad;
    // What the form shows, the grid shows with its unit.
    EXPECT_EQ(CableFrequencyText(*MHzEntryToKHz(KHzToMHzEntry(474250))), "474.250 MHz");
}

TEST(PolFecEntry, PolarisationAndFecKeepBitsOneToThree) {
    const BYTE polFec = 0x3F; // FEC code 3, bits 1-3 set, horizontal
    EXPECT_EQ((std::array<int, 4>{FecCode(polFec), IsHorizontal(polFec),
                                  ComposePolFec(polFec, false, 5), ComposePolFec(0x00, true, 15)}),
              (std::array{3, 1, 0x5E, 0xF1}));
    EXPECT_EQ(PolarityText(ComposePolFec(0x0E, true, 0)), "HOR");
}

// The grid reads Modulation by the product: the whole byte is the code on
// list 10, elsewhere bits 2-7 with the inversion in bits 0-1.
TEST(CableModulationEntry, TheGridReadsBackWhatTheFormChose) {
    // Elsewhere than list 10 the Invert byte is carried.
    const CableModulation list1 = ComposeCableModulation({0x0D, 0x7F}, 5, 2, 1);
    EXPECT_EQ((std::array<int, 2>{list1.modulation, list1.invert}), (std::array{0x16, 0x7F}));
    // List 10: Invert is its own byte.
    const CableModulation list10 = ComposeCableModulation({0x0D, 1}, 4, 0, 10);
    EXPECT_EQ((std::array<int, 2>{list10.modulation, list10.invert}), (std::array{4, 0}));
    EXPECT_EQ((std::array{CableQamCode(list1.modulation, 1),
                          CableInvertValue(list1.modulation, list1.invert, 1), CableInvertMax(1),
                          CableInvertMax(10), CableInvertValue(10, 200, 10),
                          CableInvertValue(0x0D, 0, 7)}),
              (std::array{5, 2, 3, 255, 200, 1}));
    EXPECT_EQ(QamText(CableQamCode(list10.modulation, 10)) + ", " + QamText(CableQamCode(5, 10)) +
                  ", " + QamText(CableQamCode(0x0D, 10)) + ", " + QamText(CableQamCode(0x0D, 7)),
              "128 QAM, 256 QAM, --, 64 QAM");
}

TEST(NumberEntry, RangeByWidthWithTheFieldNamed) {
    std::string problem;
    EXPECT_EQ(NumberEntry("TS ID", " 65535 ", 16, problem), 65535u);
    EXPECT_TRUE(problem.empty());
    EXPECT_EQ(NumberEntry("TS ID", "65536", 16, problem), std::nullopt);
    EXPECT_EQ(problem, "TS ID must be a number from 0 to 65535.");
    EXPECT_EQ(NumberEntry("Group 1 w4", "256", 8, problem), std::nullopt);
    EXPECT_EQ(problem, "Group 1 w4 must be a number from 0 to 255.");
    EXPECT_EQ(NumberEntry("Frequency", "12a", 16, problem), std::nullopt);
    EXPECT_EQ(TextLengthMessage("Name", 15), "Name must have at most 15 characters.");
}
