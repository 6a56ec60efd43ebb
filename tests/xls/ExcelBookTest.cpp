// The workbook: sheet operations, cell rules, RK decoding, and written
// records read back by our reader (LibreOffice checks them in the interop test).
#include "xls/ExcelBook.h"
#include "tests/xls/XlsTestSupport.h"

using namespace velmar::test;

namespace {

std::vector<std::string> Names(CExcelBook& book) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < book.SheetCount(); ++i)
        names.push_back(book.Sheet(i)->Name());
    return names;
}

} // namespace

TEST(ExcelBook, SheetsAndCells) {
    CExcelBook book;
    EXPECT_TRUE(book.SaveToMemory().empty()) << "no workbook held";
    book.New(3);
    EXPECT_EQ(Names(book), (std::vector<std::string>{"Sheet1", "Sheet2", "Sheet3"}));
    EXPECT_EQ(book.AddWorksheet("Sheet2"), nullptr);
    EXPECT_TRUE(book.DeleteWorksheet("Sheet3"));
    EXPECT_EQ(book.AddWorksheet()->Name(), "Sheet3");
    book.New(1);
    EXPECT_TRUE(book.RenameWorksheet("Sheet1", "Sheet2"));
    EXPECT_EQ(book.AddWorksheet()->Name(), "Sheet3") << "Sheet2 is taken";
    EXPECT_FALSE(book.RenameWorksheet("Sheet2", "Sheet3"));
    EXPECT_FALSE(book.RenameWorksheet("Nope", "X"));
    EXPECT_FALSE(book.DeleteWorksheet("Nope"));
    // Cells grow the sheet and follow their type rules.
    CExcelSheet* s = book.GetWorksheet("Sheet2");
    EXPECT_EQ(s->Cell(0, 300), nullptr);
    EXPECT_EQ(s->Cell(65536, 0), nullptr);
    s->Cell(2, 3)->SetInteger(7);
    EXPECT_EQ(Rows(*s),
              (std::vector<std::string>{"- | - | - | -", "- | - | - | -", "- | - | - | i 7"}));
    ASSERT_NE(s->Cell(1, s->GetTotalCols()), nullptr);
    EXPECT_EQ(s->GetTotalCols(), 5u) << "widened by one column";
    CExcelCell* c = s->Cell(0, 0);
    c->SetDouble(-12.9);
    EXPECT_EQ(c->GetInteger(), -12);
    EXPECT_EQ(c->GetString(), nullptr);
    c->SetString("abc");
    EXPECT_EQ(Text(*c), "s abc");
    EXPECT_EQ(c->GetInteger(), 0);
    c->SetString("");
    EXPECT_EQ(Text(*c), "-");
    c->SetWString(u"\u00e9\u4e2d");
    EXPECT_EQ(Text(*c), "w e9 4e2d");
}

TEST(ExcelBook, RkDecoding) {
    EXPECT_TRUE(biff::DecodeRk(0x192).integer);
    EXPECT_EQ(biff::DecodeRk(0x192).i, 100);
    EXPECT_EQ(biff::DecodeRk(0x193).i, 1);
    EXPECT_EQ(biff::DecodeRk(0xFFFFFFFE).i, -1);
    EXPECT_EQ(biff::DecodeRk(0x3FF00000).d, 1.0) << "the upper half of a double";
    EXPECT_DOUBLE_EQ(biff::DecodeRk(0x405EC001).d, 1.23) << "123 x 0.01";
    std::uint32_t rk = 0;
    EXPECT_TRUE(biff::EncodeRkInteger((1 << 29) - 1, rk));
    EXPECT_FALSE(biff::EncodeRkInteger(1 << 29, rk));
    EXPECT_TRUE(biff::EncodeRkInteger(-(1 << 29), rk));
    EXPECT_FALSE(biff::EncodeRkInteger(-(1 << 29) - 1, rk));
}

TEST(ExcelBook, WrittenWorkbookReadsBackWithTypesAndValues) {
    CExcelBook book;
    book.New(2);
    CExcelSheet* s = book.GetWorksheet("Sheet1");
    const std::int32_t values[] = {0, 1, -1, (1 << 29) - 1, 1 << 29, INT32_MIN, INT32_MAX, -5000};
    for (unsigned i = 0; i < std::size(values); ++i)
        s->Cell(1, i)->SetInteger(values[i]); // one MULRK run, broken by the large ones
    s->Cell(2, 0)->SetString("plain");
    s->Cell(2, 1)->SetWString(u"Caf\u00e9 \u0417\u0434");
    s->Cell(2, 2)->SetString("");
    s->Cell(70, 5)->SetInteger(9);   // a later row block
    std::string longText(9000, 'x'); // spans SST CONTINUE records
    longText[8500] = 'y';
    book.GetWorksheet("Sheet2")->Cell(0, 0)->SetString(longText.c_str());
    std::u16string longWide(5000, u'\u0416');
    book.GetWorksheet("Sheet2")->Cell(1, 0)->SetWString(longWide.c_str());

    CExcelBook back;
    ASSERT_TRUE(back.LoadFromMemory(book.SaveToMemory()));
    CExcelSheet* r = back.GetWorksheet("Sheet1");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->GetTotalRows(), 71u);
    EXPECT_EQ(Rows(*r)[1], "i 0 | i 1 | i -1 | i 536870911 | d 536870912 | d -2147483648 | "
                           "d 2147483647 | i -5000")
        << "beyond the RK range: a NUMBER";
    EXPECT_EQ(Rows(*r)[2], "s plain | w 43 61 66 e9 20 417 434 | - | - | - | - | - | -");
    EXPECT_EQ(r->At(70, 5).GetInteger(), 9);
    CExcelSheet* r2 = back.GetWorksheet("Sheet2");
    EXPECT_EQ(std::string(r2->At(0, 0).GetString()), longText);
    EXPECT_EQ(std::u16string(r2->At(1, 0).GetWString()), longWide);
}

TEST(ExcelBook, ReaderRulesOnHandMadeStreams) {
    // Globals with two sheets, the second named in 16-bit characters; an SST
    // with an 8-bit and a 16-bit string; cells of every kind.
    const auto file = WorkbookOf({
        {0x0809, kBof},
        {0x0085, {0, 0, 0, 0, 0, 0, 5, 0, 'S', 'h', 'e', 'e', 't'}},
        {0x0085, {0, 0, 0, 0, 0, 0, 2, 1, 'A', 0, 'B', 0}},
        {0x00FC, {2, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 'h', 'i', 1, 0, 1, 0x16, 0x04}},
        {0x000A, {}},
        {0x0809, kSheetBof},
        {0x0200, {0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 4, 0, 0, 0}},
        {0x027E, {0, 0, 0, 0, 0, 0, 0x93, 0x01, 0, 0}},             // RK 0x193 -> 1
        {0x0203, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x29, 0x40}}, // NUMBER 12.5
        {0x0205, {1, 0, 0, 0, 0, 0, 1, 0}},                         // TRUE
        {0x0205, {1, 0, 1, 0, 0, 0, 7, 1}},                         // an error: empty
        {0x00FD, {2, 0, 0, 0, 0, 0, 0, 0, 0, 0}},                   // "hi"
        {0x00FD, {2, 0, 1, 0, 0, 0, 1, 0, 0, 0}},                   // Ж
        {0x00FD, {2, 0, 2, 0, 0, 0, 9, 0, 0, 0}},                   // index out of range
        {0x0006, {2, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F}}, // FORMULA: empty
        {0x00BD, {0, 0, 2, 0, 0, 0, 0x0A, 0, 0, 0, 0, 0, 0x0E, 0, 0, 0, 3, 0}}, // MULRK 2, 3
        {0x000A, {}},
        {0x0809, kSheetBof},
        {0x000A, {}},
    });
    CExcelBook book;
    ASSERT_TRUE(book.LoadFromMemory(file));
    ASSERT_EQ(book.SheetCount(), 2u);
    EXPECT_EQ(book.GetWorksheet("AB"), nullptr) << "16-bit names are invisible";
    EXPECT_FALSE(book.DeleteWorksheet("AB"));
    EXPECT_NE(book.AddWorksheet("AB"), nullptr) << "and block no new name";
    CExcelSheet* s = book.GetWorksheet("Sheet");
    ASSERT_NE(s, nullptr);
    // An error cell, a string index out of range and a formula read as empty.
    EXPECT_EQ(Rows(*s), (std::vector<std::string>{"i 1 | d 12.5 | i 2 | i 3", "i 1 | - | - | -",
                                                  "s hi | w 416 | - | -"}));
}

TEST(ExcelBook, MalformedStreamsLoadPartialNeverCrash) {
    CExcelBook book;
    EXPECT_FALSE(book.LoadFromMemory(std::vector<std::uint8_t>(600, 0)));
    EXPECT_FALSE(book.Load("/nonexistent/file.xls"));
    // No Workbook stream: a workbook without sheets.
    ASSERT_TRUE(
        book.LoadFromMemory(cfb::WriteCompoundFile(u"Other", std::vector<std::uint8_t>(10))));
    EXPECT_EQ(book.SheetCount(), 0u);
    const auto cases = {
        // Huge DIMENSIONS: clamped to the format, and nothing allocated for it.
        WorkbookOf(ChannelBook({{0x0200, {0, 0, 0, 0, 255, 255, 255, 255, 0, 0, 255, 255, 0, 0}}})),
        // An SST that claims a million strings in a few bytes.
        WorkbookOf({{0x0809, kBof},
                    {0x00FC, {0, 0, 0, 0, 0x40, 0x42, 0x0F, 0, 3, 0, 0, 'a'}},
                    {0x000A, {}}}),
        // A record whose length runs past the stream, and a truncated MULRK.
        WorkbookOf({{0x0809, kBof},
                    {0x0085, {0, 0, 0, 0, 0, 0, 1, 0, 'S'}},
                    {0x000A, {}},
                    {0x0809, kSheetBof},
                    {0x00BD, {0, 0}},
                    {0x027E, {1, 2}},
                    {0x0203, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 0x7F}}}),
        // BOUNDSHEET names run past their record.
        WorkbookOf({{0x0809, kBof}, {0x0085, {0, 0, 0, 0, 0, 0, 200, 1, 'S'}}, {0x000A, {}}}),
    };
    for (const auto& file : cases) {
        CExcelBook b;
        EXPECT_TRUE(b.LoadFromMemory(file));
        for (std::size_t i = 0; i < b.SheetCount(); ++i)
            EXPECT_LE(b.Sheet(i)->GetTotalRows(), 65536u);
    }
}

// The cell index keeps 32-bit stream positions: a stream larger than any
// file the reader takes is refused as too large before a record is read;
// one of exactly that size is read (here it holds nothing but a BOF, so it
// ends early).
TEST(ExcelBookLimits, AStreamLargerThanAnyFileReadIsTooLarge) {
    for (const std::uint64_t size : {kMaxWorkbookFileBytes, kMaxWorkbookFileBytes + 1}) {
        SCOPED_TRACE(size);
        Bytes stream = StreamOf({{0x0809, kBof}});
        stream.resize(static_cast<std::size_t>(size), 0);
        CExcelBook book;
        ASSERT_TRUE(book.LoadFromMemory(cfb::WriteCompoundFile(u"Workbook", std::move(stream))));
        EXPECT_EQ(book.Problem(), size > kMaxWorkbookFileBytes ? WorkbookProblem::TooLarge
                                                               : WorkbookProblem::BrokenStream);
    }
}
