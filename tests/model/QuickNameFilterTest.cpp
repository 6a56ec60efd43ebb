// The quick name filter: contains, whatever the case, in Windows-1252.
#include "model/QuickNameFilter.h"
#include "contracts/ZorvDB.h"
#include "model/Product.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(QuickNameFilter, ContainsIgnoringCaseAndEmptyTextPassesEverything) {
    const QuickNameFilter f("lokal");
    std::string matches; // "lokA" is shorter than the text
    for (const char* name : {"WDR Lokalzeit Köln", "LOKAL", "Mein lokal", "Loka l", "lokA", ""})
        matches += f.Matches(name) ? 'Y' : 'n';
    EXPECT_EQ(matches, "YYYnnn");
    EXPECT_EQ(f.Text(), "lokal");
    EXPECT_FALSE(f.Empty());
    // No text passes everything.
    EXPECT_TRUE(QuickNameFilter().Empty() && QuickNameFilter().Matches("") &&
                QuickNameFilter("").Matches("x"));
}

TEST(QuickNameFilter, Windows1252LettersFoldToo) {
    // "ÉCOLE" finds "école"; Š, Œ, Ž and Ÿ pair with š, œ, ž and ÿ.
    EXPECT_TRUE(QuickNameFilter("\xE9\x63ole").Matches("\xC9\x43OLE"));
    EXPECT_TRUE(QuickNameFilter("\x8A\x8C\x8E\x9F").Matches("x\x9A\x9C\x9E\xFF"));
    // The multiplication and division signs are not a pair, nor is ß a case.
    EXPECT_FALSE(QuickNameFilter("\xD7").Matches("\xF7"));
    std::string folded;
    for (const char c : {'\xDF', 'Z', '[', '\xDE'})
        folded += FoldCase1252(c);
    EXPECT_EQ(folded, "\xDFz[\xFE");
}

TEST(QuickNameFilter, NarrowsTheListFilterNeverWidensIt) {
    using velmar::test::AddChannel;
    using velmar::test::Ch;
    CZorvDB db;
    const auto a = AddChannel(db, Ch{"WDR Lokalzeit Köln"}.On(1, 1));
    AddChannel(db, Ch{"WDR Lokalzeit Bonn"}.On(2, 1)); // another satellite
    const auto c = AddChannel(db, Ch{"wdr lokalzeit Aachen"}.On(1, 1));
    AddChannel(db, Ch{"Das Erste"}.On(1, 1));
    AddChannel(db, Ch{"WDR 2 Lokalzeit"}.Radio().On(1, 1)); // the other list
    ChannelFilter bySat1;
    bySat1.kind = ChannelFilterKind::Satellite;
    bySat1.satellite = 1;
    auto keys = [&](const ChannelFilter& f, const QuickNameFilter& q) {
        std::vector<std::uint32_t> out;
        for (const Channel_Info_Tag* ch :
             FilteredChannels(db, f, q, ChannelKind::TV, kProductSatellite))
            out.push_back(ch->Index);
        return out;
    };
    EXPECT_EQ(keys(bySat1, QuickNameFilter("LOKALZEIT")), (std::vector<std::uint32_t>{a, c}));
    EXPECT_EQ(keys(bySat1, QuickNameFilter()).size(), 3u) << "no text: the list filter alone";
    EXPECT_EQ(keys(ChannelFilter::All(), QuickNameFilter("lokalzeit")).size(), 3u);
    EXPECT_TRUE(keys(bySat1, QuickNameFilter("Bonn")).empty());
    // The name is read up to its terminator.
    Channel_Info_Tag hidden{};
    std::memcpy(hidden.Name, "Arte\0HIDDEN", 11);
    EXPECT_TRUE(QuickNameFilter("ART").Matches(hidden) &&
                !QuickNameFilter("hidden").Matches(hidden));
}
