#include "model/RecordTexts.h"

#include <gtest/gtest.h>

TEST(RecordTexts, DegreesEastAndWest) {
    EXPECT_EQ(DegreeText(1800), "180.0E");
    EXPECT_EQ(DegreeText(1801), "179.9W");
    EXPECT_EQ(DegreeText(0), "0.0E");
    EXPECT_EQ(DegreeText(192), "19.2E");
    EXPECT_EQ(DegreeText(3592), "0.8W");
    EXPECT_EQ(DegreeText(130), "13.0E");
}

TEST(RecordTexts, CodedMultiplexFields) {
    EXPECT_EQ(TransModeText(1), "2K");
    EXPECT_EQ(TransModeText(2), "8K");
    EXPECT_EQ(TransModeText(0), "--");
    EXPECT_EQ(TransModeText(3), "--");
    EXPECT_EQ(ConstellationText(3), "64QAM");
    EXPECT_EQ(ConstellationText(0), "--");
    EXPECT_EQ(CodeRateText(5), "7/8");
    EXPECT_EQ(CodeRateText(6), "--");
    EXPECT_EQ(GuardIntervalText(4), "1/4");
    EXPECT_EQ(GuardIntervalText(5), "--");
    EXPECT_EQ(PriorityText(0), "Auto");
    EXPECT_EQ(PriorityText(2), "Low");
    EXPECT_EQ(PriorityText(3), "--");
}

TEST(RecordTexts, CableModulationDependsOnTheProduct) {
    EXPECT_EQ(QamText(CableQamCode(0x0D, 7)), "64 QAM");
    EXPECT_EQ(CableInvertValue(0x0D, 0, 7), 1);
    EXPECT_EQ(QamText(CableQamCode(0x0D, 10)), "--");
    EXPECT_EQ(QamText(CableQamCode(5, 10)), "256 QAM");
    EXPECT_EQ(CableInvertValue(0x0D, 7, 10), 7);
    EXPECT_EQ(QamText(0), "--");
}

TEST(RecordTexts, FrequenciesRatesAndPolarity) {
    EXPECT_EQ(CableFrequencyText(474000), "474.000 MHz");
    EXPECT_EQ(CableFrequencyText(50250), "050.250 MHz");
    EXPECT_EQ(MuxFrequencyText(474166), "474.166");
    EXPECT_EQ(MuxFrequencyText(474000), "474.0");
    EXPECT_EQ(SymbolRateText(6900), "6900 Ks/s");
    EXPECT_EQ(PolarityText(0x31), "HOR");
    EXPECT_EQ(PolarityText(0x30), "VER");
}
