// What the satellite, transponder and cable multiplex forms enter, as record
// fields: positions, cable frequencies, the polarisation/FEC byte and the
// cable modulation bytes, each read back the way the grids read them.
#include "model/EntryValues.h"
#include "model/RecordTexts.h"

#include <gtest/gtest.h>

TEST(DegreeEntry, EastUpTo1800AndWestAbove) {
    auto entry = [](WORD d) {
        const DegreeEntry e = DegreeToEntry(d);
        return e.degrees + (e.west ? "W" : "E");
    };
    EXPECT_EQ(entry(0), "0.0E");
    EXPECT_EQ(entry(192), "19.2E");
    EXPECT_EQ(entry(1800), "180.0E");
    EXPECT_EQ(entry(1801), "179.9W");
    EXPECT_EQ(entry(3592), "0.8W");
    EXPECT_EQ(entry(3599), "0.1W");
    // A value the image should not hold is shown as it is, East, so that OK
    // refuses it rather than quietly moving the satellite.
    EXPECT_EQ(entry(3600), "360.0E");
    // Every stored position comes back from its entry unchanged.
    for (WORD d = 0; d < 3600; ++d) {
        const DegreeEntry e = DegreeToEntry(d);
        ASSERT_EQ(DegreeFromEntry(e.degrees, e.west), std::optional<WORD>(d)) << d;
    }
}

TEST(DegreeEntry, DegreesWithOneDecimalUpTo180) {
    EXPECT_EQ(DegreeFromEntry("19.2", false), 192);
    EXPECT_EQ(DegreeFromEntry(" 13 ", false), 130);
    EXPECT_EQ(DegreeFromEntry("0.8", true), 3592);
    EXPECT_EQ(DegreeFromEntry("180", true), 1800) << "180 West is 180 East";
    EXPECT_EQ(DegreeFromEntry("0", true), 0) << "0 West is 0 East, not 3600";
    for (const char* bad :
         {"180.1", "19.25", "", " ", "-1", "+1", "13.", ".5", "1e2", "19,2", "999999999999999"})
        EXPECT_EQ(DegreeFromEntry(bad, false), std::nullopt) << bad;
}

TEST(CableFrequencyEntry, MHzWithThreeDecimalsHeldInKHz) {
    EXPECT_EQ(KHzToMHzEntry(474000), "474.000");
    EXPECT_EQ(KHzToMHzEntry(474250), "474.250");
    EXPECT_EQ(KHzToMHzEntry(5), "0.005");
    EXPECT_EQ(MHzEntryToKHz("474"), 474000u);
    EXPECT_EQ(MHzEntryToKHz("474.25"), 474250u);
    EXPECT_EQ(MHzEntryToKHz("474.250"), 474250u);
    EXPECT_EQ(MHzEntryToKHz("0.005"), 5u);
    EXPECT_EQ(MHzEntryToKHz("4294967.295"), 0xFFFFFFFFu);
    for (const char* bad : {"4294967.296", "474.2505", "", "474.", "MHz", "-474", "474 MHz"})
        EXPECT_EQ(MHzEntryToKHz(bad), std::nullopt) << bad;
    // What the form shows, the grid shows with its unit.
    EXPECT_EQ(CableFrequencyText(*MHzEntryToKHz(KHzToMHzEntry(474250))), "474.250 MHz");
}

TEST(PolFecEntry, PolarisationAndFecKeepBitsOneToThree) {
    const BYTE polFec = 0x3F; // FEC code 3, bits 1-3 set, horizontal
    EXPECT_EQ(FecCode(polFec), 3);
    EXPECT_TRUE(IsHorizontal(polFec));
    EXPECT_EQ(ComposePolFec(polFec, false, 5), 0x5E);
    EXPECT_EQ(ComposePolFec(0x00, true, 15), 0xF1);
    EXPECT_EQ(PolarityText(ComposePolFec(0x0E, true, 0)), "HOR");
}

TEST(CableModulationEntry, TheGridReadsBackWhatTheFormChose) {
    // Elsewhere than list 10: code in bits 2-7, inversion in bits 0-1, the
    // Invert byte carried.
    const CableModulation list1 = ComposeCableModulation({0x0D, 0x7F}, 5, 2, 1);
    EXPECT_EQ(list1.modulation, 0x16);
    EXPECT_EQ(list1.invert, 0x7F);
    EXPECT_EQ(CableQamCode(list1.modulation, 1), 5);
    EXPECT_EQ(CableInvertValue(list1.modulation, list1.invert, 1), 2);
    EXPECT_EQ(CableInvertMax(1), 3);
    // List 10: the whole Modulation byte is the code, Invert its own byte.
    const CableModulation list10 = ComposeCableModulation({0x0D, 1}, 4, 0, 10);
    EXPECT_EQ(list10.modulation, 4);
    EXPECT_EQ(list10.invert, 0);
    EXPECT_EQ(QamText(CableQamCode(list10.modulation, 10)), "128 QAM");
    EXPECT_EQ(CableInvertMax(10), 255);
    EXPECT_EQ(CableInvertValue(10, 200, 10), 200);
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
