// Workbooks LibreOffice wrote, committed, so the reader is tested against
// foreign files even where LibreOffice is not installed.
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "xls/ChannelWorkbook.h"
#include "xls/ExcelBook.h"

#include <gtest/gtest.h>

#include <string>

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
    CExcelSheet* s = book.Sheet(0);
    EXPECT_EQ(s->GetTotalRows(), 4u);
    EXPECT_EQ(s->GetTotalCols(), 3u);
    EXPECT_STREQ(s->At(0, 0).GetString(), "a");
    EXPECT_EQ(s->At(1, 0).GetInteger(), 1);
    EXPECT_EQ(s->At(1, 1).GetInteger(), -2);
    EXPECT_EQ(s->At(1, 2).GetInteger(), 123456789);
    // LibreOffice stores 3.25 and -0.5 as RK integers 325 and -50 with the
    // x100 flag, which this reader turns into truncated integers.
    EXPECT_EQ(s->At(2, 0).Type(), CExcelCell::kInteger);
    EXPECT_EQ(s->At(2, 0).GetInteger(), 3);
    EXPECT_EQ(s->At(2, 1).Type(), CExcelCell::kInteger);
    EXPECT_EQ(s->At(2, 1).GetInteger(), 0);
    EXPECT_EQ(s->At(2, 2).GetInteger(), 2147483647);
    EXPECT_STREQ(s->At(3, 0).GetString(), "caf\xE9") << "8-bit: Latin-1 bytes";
    EXPECT_EQ(std::u16string(s->At(3, 1).GetWString()), u"\u0416\u0438");
    EXPECT_EQ(std::u16string(s->At(3, 2).GetWString()), u"\u4e2d");
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
