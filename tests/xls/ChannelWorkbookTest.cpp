// The "Channel" sheet: export then import gives back every field; workbooks
// LibreOffice wrote, committed, so the reader is tested against foreign files
// even where LibreOffice is not installed.
#include "xls/ChannelWorkbook.h"
#include "tests/xls/XlsTestSupport.h"

#include <cstring>

using namespace velmar::test;

namespace {

class ChannelSheet : public WorkbookTest {
protected:
    std::string Xls() const { return (m_dir / "channels.xls").string(); }
};

std::string Fixture(const char* name) {
    return std::string(VELMAR_SOURCE_DIR) + "/tests/xls/fixtures/" + name;
}

Channel_Info_Tag Full(int i) {
    Channel_Info_Tag c{};
    auto* bytes = reinterpret_cast<unsigned char*>(&c);
    for (std::size_t k = 0; k < sizeof c; ++k)
        bytes[k] = static_cast<unsigned char>(k * 7 + static_cast<std::size_t>(i));
    std::memset(c.Name, 0, sizeof c.Name);
    // The padding after the last field is no field: zero, as a new record has it.
    const std::size_t end = offsetof(Channel_Info_Tag, ServiceType) + 1;
    std::memset(bytes + end, 0, sizeof c - end);
    std::snprintf(c.Name, sizeof c.Name, "Cha\xEEne %d \x80 \xE9", i);
    return c;
}

} // namespace

TEST_F(ChannelSheet, ExportThenImportKeepsEveryField) {
    std::vector<Channel_Info_Tag> rows;
    for (int i = 0; i < 40; ++i) {
        Channel_Info_Tag c = Full(i);
        if (i == 0) {
            c.CAS = 0xFFFFFFFF;
            c.Favorite = 0x80000000;
        }
        if (i == 1) {
            c.CAS = 0x20000000; // just past the RK integer range
            c.Favorite = 0xE0000000;
        }
        rows.push_back(c);
        db.AddIndexed(kTableChannel, CopyRecord(c));
    }
    ExportChannelWorkbook(TheZorvDB(), Xls());
    db.ClearAll();
    ImportChannelWorkbook(TheZorvDB(), Xls());
    ASSERT_EQ(db.Size(kTableChannel), rows.size());
    std::size_t i = 0;
    for (auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0); c;
         c = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index), ++i) {
        Channel_Info_Tag expect = rows[i];
        expect.Index = c->Index; // keys are the store's
        std::memset(expect.Name + std::strlen(expect.Name), 0,
                    sizeof expect.Name - std::strlen(expect.Name));
        EXPECT_EQ(std::memcmp(c, &expect, sizeof expect), 0) << "row " << i << " name " << c->Name;
    }
}

TEST_F(ChannelSheet, EmptyTableHeaderRowAndOtherSheetsKept) {
    CExcelBook book;
    book.New(1);
    book.GetWorksheet("Sheet1")->Cell(0, 0)->SetString("keep me");
    book.AddWorksheet("Channel")->Cell(5, 5)->SetInteger(1);
    ASSERT_TRUE(book.SaveAs(Xls()));
    ExportChannelWorkbook(TheZorvDB(), Xls());
    CExcelBook back;
    ASSERT_TRUE(back.Load(Xls()));
    ASSERT_EQ(back.SheetCount(), 2u);
    EXPECT_EQ(back.Sheet(0)->Name() + " " + back.Sheet(1)->Name(), "Sheet1 Channel");
    EXPECT_EQ(Rows(*back.Sheet(0)), std::vector<std::string>{"s keep me"});
    CExcelSheet* sheet = back.Sheet(1);
    EXPECT_EQ(sheet->GetTotalRows(), 1u);
    for (const auto& [col, name] :
         {std::pair{0u, "ProgramNum"}, std::pair{18u, "F0"}, std::pair{49u, "F31"},
          std::pair{54u, "TSID"}, std::pair{58u, "NetworkID"}, std::pair{59u, "ServiceType"}})
        EXPECT_STREQ(sheet->At(0, col).GetString(), name) << "column " << col;
    db.AddIndexed(kTableChannel, NewRecord<Channel_Info_Tag>());
    ImportChannelWorkbook(TheZorvDB(), Xls());
    EXPECT_EQ(db.Size(kTableChannel), 0u) << "an empty table comes back empty";
}

TEST_F(ChannelSheet, ImportRulesByColumnPosition) {
    CExcelBook book;
    book.New(1);
    book.RenameWorksheet("Sheet1", "Channel");
    CExcelSheet* s = book.GetWorksheet("Channel");
    s->Cell(0, 0)->SetString("whatever");
    s->Cell(1, 0)->SetDouble(12.9);
    s->Cell(1, 3)->SetInteger(300);
    s->Cell(1, 5)->SetString(" 42abc");
    s->Cell(1, 6)->SetString("-1");
    s->Cell(1, 13)->SetString("Plain \xE9");
    s->Cell(2, 13)->SetWString(u"\u4e2d\u20ac");
    ASSERT_TRUE(book.SaveAs(Xls()));
    db.AddIndexed(kTableChannel, NewRecord<Channel_Info_Tag>());
    ImportChannelWorkbook(TheZorvDB(), Xls());
    ASSERT_EQ(db.Size(kTableChannel), 2u);
    const auto* c = db.NextAs<Channel_Info_Tag>(kTableChannel, 0);
    // 12.9 truncated, 300 keeps its low 8 bits, text read as a number.
    EXPECT_EQ((std::vector<int>{c->ProgramNum, c->SatID, c->BroadcastID, c->ServiceID}),
              (std::vector<int>{12, 44, 42, 0xFFFF}));
    // Unmappable characters become '?'.
    EXPECT_EQ(Names(db), (std::vector<std::string>{"Plain \xE9", "?\x80"}));
}

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
    const auto* d = db.NextAs<Channel_Info_Tag>(kTableChannel, c->Index);
    // A number beyond 32 signed bits keeps its low 32 bits.
    EXPECT_EQ(
        (std::vector<long long>{c->ProgramNum, c->CAS, c->Favorite, c->ServiceID, c->Attributes,
                                c->F[0], c->ShowNum, d->SatID, d->ServiceType}),
        (std::vector<long long>{7, 0xFFFFFFFF, 0x80000000, 28106, 1045, 5, 11, 44, 2}));
    EXPECT_EQ(Names(db), (std::vector<std::string>{"Das Erste HD", "Radio Fran\xE7"
                                                                   "aise \x80"}));
    db.ClearAll();
}
