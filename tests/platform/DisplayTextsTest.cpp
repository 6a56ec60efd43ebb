#include "platform/DisplayTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Texts = std::vector<std::string>;
template <class F, class... Args> std::string Text(F f, Args... args) {
    char buffer[kDisplayTextMax] = {};
    f(args..., buffer);
    return buffer;
}
std::string Commas(std::string text) {
    char buffer[kDisplayTextMax] = {};
    text.copy(buffer, text.size());
    MakeCommaDigitString(buffer);
    return buffer;
}
} // namespace

TEST(DisplayTexts, TunerNamesTheSelectionDependsOn) {
    EXPECT_EQ((Texts{Text(GetTunerName, 0), Text(GetTunerName, 1), Text(GetTunerName, 17),
                     Text(GetTunerName, 18)}),
              (Texts{"Tuner 1", "Tuner 2", "Tuner 1", "Tuner 2"}));
}

TEST(DisplayTexts, GenreAndFecNames) {
    EXPECT_EQ((Texts{Text(GetGenreName, 0), Text(GetGenreName, 4), Text(GetGenreName, 16),
                     Text(GetGenreName, -1)}),
              (Texts{"None", "Sport", "--", "--"}));
    EXPECT_EQ((Texts{Text(GetFECName, 0, 0, 0x30), Text(GetFECName, 0, 0, 0x00),
                     Text(GetFECName, 1, 1, 0x20), Text(GetFECName, 1, 0, 0x90),
                     Text(GetFECName, 0, 0, 0xF0)}),
              (Texts{"3/4", "Auto", "S2 8PSK 2/3", "S2 9/10", "--"}));
}

TEST(DisplayTexts, CommaDigitString) {
    Texts out;
    for (const char* digits : {"11494", "999", "1000", "1234567", "123456", "-100000", "-1234", "",
                               "18446744073709551615"})
        out.push_back(Commas(digits));
    EXPECT_EQ(out, (Texts{"11,494", "999", "1,000", "1,234,567", "123,456", "-100,000", "-1,234",
                          "", "18,446,744,073,709,551,615"}));
}
