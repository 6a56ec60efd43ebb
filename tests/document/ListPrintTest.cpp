// The printed list's rows to pages, its flag, page-number and title texts.
#include "document/ListPrint.h"

#include "model/ChannelRecords.h"

#include <gtest/gtest.h>

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
    const std::size_t expected[6][3] = {{0, 0, 2}, {0, 2, 2}, {0, 4, 1},
                                        {1, 0, 0}, {2, 0, 2}, {2, 2, 1}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(pages[i].section, expected[i][0]) << i;
        EXPECT_EQ(pages[i].firstRow, expected[i][1]) << i;
        EXPECT_EQ(pages[i].rowCount, expected[i][2]) << i;
    }
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
    const auto& headers = PrintColumnHeaders();
    EXPECT_EQ(headers[0], "CH#");
    EXPECT_EQ(headers[5], "Flags");
}

} // namespace
