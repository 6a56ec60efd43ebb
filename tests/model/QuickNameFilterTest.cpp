// The quick name filter: contains, whatever the case, in Windows-1252.
#include "model/QuickNameFilter.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(QuickNameFilter, ContainsIgnoringCase) {
    const QuickNameFilter f("lokal");
    EXPECT_TRUE(f.Matches("WDR Lokalzeit Köln"));
    EXPECT_TRUE(f.Matches("LOKAL"));
    EXPECT_TRUE(f.Matches("Mein lokal"));
    EXPECT_FALSE(f.Matches("Loka l"));
    EXPECT_FALSE(f.Matches("lokA")) << "shorter than the text";
    EXPECT_FALSE(f.Matches(""));
    EXPECT_EQ(f.Text(), "lokal");
    EXPECT_FALSE(f.Empty());
}

TEST(QuickNameFilter, EmptyTextPassesEverything) {
    const QuickNameFilter f;
    EXPECT_TRUE(f.Empty());
    EXPECT_TRUE(f.Matches(""));
    EXPECT_TRUE(f.Matches("anything"));
    EXPECT_TRUE(QuickNameFilter("").Matches("x"));
}

TEST(QuickNameFilter, Windows1252LettersFoldToo) {
    // "ÉCOLE" finds "école"; Š, Œ, Ž and Ÿ pair with š, œ, ž and ÿ.
    EXPECT_TRUE(QuickNameFilter("\xE9"
                                "cole")
                    .Matches("\xC9"
                             "COLE"));
    EXPECT_TRUE(QuickNameFilter("\x8A\x8C\x8E\x9F").Matches("x\x9A\x9C\x9E\xFF"));
    // The multiplication and division signs are not a pair, nor is ß a case.
    EXPECT_FALSE(QuickNameFilter("\xD7").Matches("\xF7"));
    EXPECT_EQ(FoldCase1252('\xDF'), '\xDF');
    EXPECT_EQ(FoldCase1252('Z'), 'z');
    EXPECT_EQ(FoldCase1252('['), '[');
    EXPECT_EQ(FoldCase1252('\xDE'), '\xFE');
}

TEST(QuickNameFilter, ChannelNameIsReadUpToItsTerminator) {
    Channel_Info_Tag c{};
    std::memcpy(c.Name, "Arte\0HIDDEN", 11);
    EXPECT_TRUE(QuickNameFilter("ART").Matches(c));
    EXPECT_FALSE(QuickNameFilter("hidden").Matches(c));
}
