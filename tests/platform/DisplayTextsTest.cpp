#include "platform/DisplayTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace {
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
    EXPECT_EQ(Text(GetTunerName, 0), "Tuner 1");
    EXPECT_EQ(Text(GetTunerName, 1), "Tuner 2");
    EXPECT_EQ(Text(GetTunerName, 17), "Tuner 1");
    EXPECT_EQ(Text(GetTunerName, 18), "Tuner 2");
}

TEST(DisplayTexts, GenreAndFecNames) {
    EXPECT_EQ(Text(GetGenreName, 0), "None");
    EXPECT_EQ(Text(GetGenreName, 4), "Sport");
    EXPECT_EQ(Text(GetGenreName, 16), "--");
    EXPECT_EQ(Text(GetGenreName, -1), "--");
    EXPECT_EQ(Text(GetFECName, 0, 0, 0x30), "3/4");
    EXPECT_EQ(Text(GetFECName, 0, 0, 0x00), "Auto");
    EXPECT_EQ(Text(GetFECName, 1, 1, 0x20), "S2 8PSK 2/3");
    EXPECT_EQ(Text(GetFECName, 1, 0, 0x90), "S2 9/10");
    EXPECT_EQ(Text(GetFECName, 0, 0, 0xF0), "--");
}

TEST(DisplayTexts, CommaDigitString) {
    EXPECT_EQ(Commas("11494"), "11,494");
    EXPECT_EQ(Commas("999"), "999");
    EXPECT_EQ(Commas("1000"), "1,000");
    EXPECT_EQ(Commas("1234567"), "1,234,567");
    EXPECT_EQ(Commas("123456"), "123,456");
    EXPECT_EQ(Commas("-100000"), "-100,000");
    EXPECT_EQ(Commas("-1234"), "-1,234");
    EXPECT_EQ(Commas(""), "");
    EXPECT_EQ(Commas("18446744073709551615"), "18,446,744,073,709,551,615");
}
