// Workbooks LibreOffice wrote, committed, so the reader is tested against
// foreign files even where LibreOffice is not installed.
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "tests/xls/XlsTestSupport.h"
#include "xls/ChannelWorkbook.h"
#include "xls/ExcelBook.h"

#include <gtest/gtest.h>

#include <string>

using namespace velmar::test;

namespace {
std::string Fixture(const char* name) {
    return std::string(VELMAR_SOURCE_DIR) + "/tests/xls/fixtures/" + name;
}
} // namespace

TEST(LibreOfficeFixtures, MixedCellsFromACsv) {
    // a,b,c / 1,-2,123456789 / 3.25,-0.5,2147483647 / café,Жи,中
    CExcelBook book;
    ASSERT_TRUE(book.Load(Fixture("libreoffice-mixed.xls")));
    ASSERT_EQ(book.SheetCount(), 1u);
    // LibreOffice stores 3.25 and -0.5 as RK integers 325 and -50 with the
    // x100 flag, which this reader turns into truncated integers; 2147483647
    // has no RK form. 8-bit text is Latin-1 bytes.
    EXPECT_EQ(
        Rows(*book.Sheet(0)),
        (std::vector<std::string>{"s a | s b | s c", "i 1 | i -2 | i 123456789",
                                  "i 3 | i 0 | d 2147483647", "s caf\xE9 | w 416 438 | w 4e2d"}));
}

TEST(LibreOfficeFixtures, ChannelSheetImports) {
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    ImportChannelWorkbook(TheZorvDB(), Fixture("libreoffice-channel.xls"));
    ASSERT_EQ(db.Size(kTableChannel), 2u);
    const auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0);
    EXPECT_EQ(c->ProgramNum, 7);
    EXPECT_EQ(c->CAS, 0xFFFFFFFFu) << "a number beyond 32 signed bits keeps its low 32 bits";
    EXPECT_EQ(c->Favorite, 0x80000000u);
    EXPECT_EQ(c->ServiceID, 28106);
    EXPECT_EQ(c->Attributes, 1045);
    EXPECT_STREQ(c->Name, "Das Erste HD");
    EXPECT_EQ(c->F[0], 5);
    EXPECT_EQ(c->ShowNum, 11);
    const auto* d = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index);
    EXPECT_EQ(d->SatID, 44);
    EXPECT_STREQ(d->Name, "Radio Fran\xE7"
                          "aise \x80");
    EXPECT_EQ(d->ServiceType, 2);
    db.ClearAll();
}
