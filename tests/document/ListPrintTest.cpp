// The printed list's rows to pages, what a print holds by the user's choice,
// the page's lines and columns, its flag, page-number and title texts.
#include "document/ListPrint.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "tests/model/ChannelMaker.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <utility>

using velmar::test::AddChannel;
using velmar::test::Ch;

namespace {

PrintSection Rows(std::size_t n) {
    PrintSection s;
    s.rows.resize(n);
    return s;
}

TEST(ListPrint, PagesBreakBetweenRowsAndEverySectionStartsAPage) {
    const std::vector<PrintSection> sections{Rows(5), Rows(0), Rows(3)};
    const auto pages = PaginatePrint(sections, 2);
    ASSERT_EQ(pages.size(), 6u);
    // Section, first row, rows of each page.
    std::vector<std::array<std::size_t, 3>> got;
    for (const PrintPage& p : pages)
        got.push_back({p.section, p.firstRow, p.rowCount});
    EXPECT_EQ(got, (std::vector<std::array<std::size_t, 3>>{
                       {0, 0, 2}, {0, 2, 2}, {0, 4, 1}, {1, 0, 0}, {2, 0, 2}, {2, 2, 1}}));
    // A page too small for a row still holds one.
    EXPECT_EQ(PaginatePrint(sections, 0).size(), 9u);
}

TEST(ListPrint, FlagsPageNumbersAndTitle) {
    EXPECT_EQ(PrintFlagsText(0), "");
    EXPECT_EQ(PrintFlagsText(kAttrScrambled | kAttrSkipped | kAttrTV), "Scr Skip");
    EXPECT_EQ(PrintFlagsText(kAttrLocked | kAttrScrambled | kAttrSkipped), "Scr Lock Skip");
    EXPECT_EQ(PrintPageNumberText(1, 12), "1 / 12");
    EXPECT_EQ(PrintTitleText("list.bin", "VX-7 receivers", "2026-12-08"),
              "list.bin - VX-7 receivers - 2026-12-08");
    EXPECT_EQ(PrintTitleText("", "VX-7 receivers", "2026-12-08"), "VX-7 receivers - 2026-12-08");
}

// Two TV channels out of number order, one radio channel, and two favourite
// lists of which only the second has members (one of each kind).
class ListPrintChoice : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"News", "Sport"}) {
            auto fav = NewRecord<FavoriteList>();
            std::snprintf(fav->Name, sizeof fav->Name, "%s", name);
            const auto key = db.AddIndexed(kTableFavorite, std::move(fav));
            db.Get<FavoriteList>(kTableFavorite, key)->Index = ++m_nLists;
        }
        one = AddChannel(db, Ch{"One"}.Num(2));
        AddChannel(db, Ch{"Two"}.Num(1));
        radio = AddChannel(db, Ch{"Radio"}.Radio().Num(1));
        for (const auto& [key, position] : {std::pair{radio, 1}, std::pair{one, 2}}) {
            auto* c = db.Get<Channel_Info_Tag>(kTableChannel, key);
            c->Favorite |= 1u << 1;
            c->F[1] = static_cast<WORD>(position);
        }
    }
    static std::vector<std::string> Titles(const std::vector<PrintSection>& sections) {
        std::vector<std::string> out;
        for (const auto& s : sections)
            out.push_back(s.title);
        return out;
    }
    static std::vector<std::string> Names(const PrintSection& section) {
        std::vector<std::string> out;
        for (const auto& row : section.rows)
            out.push_back(row[1]);
        return out;
    }

    CZorvDB db;
    const Product product{7, kProductSatellite | kProductFavorites8};
    std::uint32_t one = 0, radio = 0;
    DWORD m_nLists = 0;
};

TEST_F(ListPrintChoice, SectionsFollowTheChoiceInTheWholeListsOrder) {
    const auto lists = ChosenPrintSections(db, product, {});
    ASSERT_EQ(Titles(lists), (std::vector<std::string>{"TV list", "Radio list"}));
    EXPECT_EQ(Names(lists[0]), (std::vector<std::string>{"Two", "One"}));
    EXPECT_EQ(Names(lists[1]), (std::vector<std::string>{"Radio"}));

    // The empty favourite list is left out even when chosen; members of
    // both kinds in their favourite order.
    const auto favourites = ChosenPrintSections(db, product, {false, false, {1, 2}});
    ASSERT_EQ(Titles(favourites), (std::vector<std::string>{"Favourite 2: Sport"}));
    EXPECT_EQ(favourites[0].favorite, 2);
    EXPECT_EQ(Names(favourites[0]), (std::vector<std::string>{"Radio", "One"}));

    const auto radioAndFavourite = ChosenPrintSections(db, product, {false, true, {2}});
    EXPECT_EQ(Titles(radioAndFavourite),
              (std::vector<std::string>{"Radio list", "Favourite 2: Sport"}));
    EXPECT_TRUE(ChosenPrintSections(db, product, {false, false, {}}).empty());
}

TEST_F(ListPrintChoice, DefaultIsWhatTheListsShow) {
    using enum ChannelFilterKind;
    EXPECT_EQ(DefaultPrintChoice({.kind = Favorite, .favorite = 2}),
              (PrintChoice{false, false, {2}}));
    // Every channel (favourite 0), a satellite's: the TV and the radio list.
    for (const ChannelFilter& shown : {ChannelFilter::All(), ChannelFilter{.kind = Favorite},
                                       ChannelFilter{.kind = Satellite, .satellite = 1}})
        EXPECT_EQ(DefaultPrintChoice(shown), (PrintChoice{true, true, {}}));
}

TEST(ListPrint, PageLinesColumnsAndHeadings) {
    // Title, heading, blank, headers above the rows; blank and number below.
    EXPECT_EQ((std::array{PrintRowsPerPage(60), PrintRowsPerPage(7), PrintRowsPerPage(2)}),
              (std::array{54, 1, 1}));

    // In average characters each column holds its typical text.
    const auto starts = PrintColumnStarts(PrintLineCharacters());
    EXPECT_EQ(starts[0], 0);
    EXPECT_EQ(starts[kPrintColumnCount], PrintLineCharacters());
    const int least[kPrintColumnCount] = {4, 28, 16, 14, 17, 13};
    for (std::size_t i = 0; i < kPrintColumnCount; ++i)
        EXPECT_GT(starts[i + 1] - starts[i], least[i]) << PrintColumnHeaders()[i];
    // Any width is shared out in the same proportions, to the last unit.
    const auto wide = PrintColumnStarts(2 * PrintLineCharacters());
    for (std::size_t i = 0; i <= kPrintColumnCount; ++i)
        EXPECT_EQ(wide[i], 2 * starts[i]);

    const PrintSection tv{"TV list", {}, 0};
    EXPECT_EQ(PrintSectionHeading(tv, {0, 0, 40}), "TV list");
    EXPECT_EQ(PrintSectionHeading(tv, {0, 40, 40}), "TV list (continued)");
}

} // namespace
