#include "model/RecordTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// The texts `f` gives for each of `codes`, in order.
template <class T, class F> Texts Each(F f, std::initializer_list<T> codes) {
    Texts out;
    for (const T code : codes)
        out.push_back(f(code));
    return out;
}

} // namespace

TEST(RecordTexts, DegreesEastAndWest) {
    EXPECT_EQ(Each<WORD>(DegreeText, {1800, 1801, 0, 192, 3592, 130}),
              (Texts{"180.0E", "179.9W", "0.0E", "19.2E", "0.8W", "13.0E"}));
}

TEST(RecordTexts, CodedMultiplexFields) {
    EXPECT_EQ(Each(TransModeText, {1, 2, 0, 3}), (Texts{"2K", "8K", "--", "--"}));
    EXPECT_EQ(Each(ConstellationText, {3, 0}), (Texts{"64QAM", "--"}));
    EXPECT_EQ(Each(CodeRateText, {5, 6}), (Texts{"7/8", "--"}));
    EXPECT_EQ(Each(GuardIntervalText, {4, 5}), (Texts{"1/4", "--"}));
    EXPECT_EQ(Each(PriorityText, {0, 2, 3}), (Texts{"Auto", "Low", "--"}));
}

TEST(RecordTexts, FrequenciesRatesAndPolarity) {
    EXPECT_EQ(Each(CableFrequencyText, {474000u, 50250u}), (Texts{"474.000 MHz", "050.250 MHz"}));
    EXPECT_EQ(Each(MuxFrequencyText, {474166, 474000}), (Texts{"474.166", "474.0"}));
    EXPECT_EQ(SymbolRateText(6900) + QamText(0), "6900 Ks/s--");
    EXPECT_EQ(Each<BYTE>(PolarityText, {0x31, 0x30}), (Texts{"HOR", "VER"}));
}
