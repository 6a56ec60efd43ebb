// Interoperability with real spreadsheet software: LibreOffice converts a
// CSV into .xls for our reader, and converts our .xls back into CSV.
// Skipped where LibreOffice is not installed (CI installs it).
#include "tests/xls/XlsTestSupport.h"
#include "xls/ChannelWorkbook.h"

#include <cstdlib>

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;

class LibreOffice : public WorkbookTest {
protected:
    void SetUp() override {
        if (std::system("command -v soffice >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "soffice not installed";
        WorkbookTest::SetUp();
    }
    // Runs a headless conversion with a private profile; true on success.
    bool Convert(const fs::path& input, const std::string& filter, const std::string& target) {
        const std::string command = "timeout 180 soffice -env:UserInstallation=file://" +
                                    (m_dir / "profile").string() + " --headless " + filter +
                                    " --convert-to '" + target + "' --outdir " + m_dir.string() +
                                    " " + input.string() + " >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }
    static std::string ReadText(const fs::path& path) {
        const Bytes bytes = ReadBytes(path);
        return {bytes.begin(), bytes.end()};
    }
    // The lines of a CSV file LibreOffice wrote.
    static std::vector<std::string> Lines(const fs::path& path) {
        std::istringstream in(ReadText(path));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
};

} // namespace

TEST_F(LibreOffice, ReadsWhatLibreOfficeWrites) {
    const fs::path csv = m_dir / "values.csv";
    std::ofstream(csv) << "n,text\n"
                          "0,plain\n"
                          "-17,caf\xC3\xA9\n"
                          "536870912,\xC3\x85ngstr\xC3\xB6m\n"
                          "-2147483648,\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82\n"
                          "4294967295,\xE4\xB8\xAD\xE6\x96\x87\n"
                          "12.75,\"with, comma\"\n"
                          "3.14159,\"\"\n";
    ASSERT_TRUE(Convert(csv, "--infilter=CSV:44,34,76", "xls"));
    CExcelBook book;
    ASSERT_TRUE(book.Load((m_dir / "values.xls").string()));
    ASSERT_EQ(book.SheetCount(), 1u);
    // Beyond the RK integers a number is a double; 12.75 is RK 1275 with the
    // x100 flag, truncated; 3.14159 has no RK form.
    EXPECT_EQ(Rows(*book.Sheet(0)),
              (std::vector<std::string>{
                  "s n | s text", "i 0 | s plain", "i -17 | s caf\xE9",
                  "d 536870912 | s \xC5ngstr\xF6m", "d -2147483648 | w 41f 440 438 432 435 442",
                  "d 4294967295 | w 4e2d 6587", "i 12 | s with, comma", "d 3.14159 | -"}));
    EXPECT_EQ(book.Sheet(0)->At(5, 0).GetInteger(), -1) << "4294967295 keeps its low 32 bits";
}

TEST_F(LibreOffice, ReadsWhatWeWrite) {
    CExcelBook book;
    book.New(1);
    CExcelSheet* s = book.GetWorksheet("Sheet1");
    const std::int32_t ints[] = {0, 1, -1, 536870911, 536870912, -536870913, INT32_MIN, INT32_MAX};
    for (unsigned i = 0; i < std::size(ints); ++i)
        s->Cell(0, i)->SetInteger(ints[i]);
    s->Cell(1, 0)->SetString("Latin \xE9\xFC");
    s->Cell(1, 1)->SetWString(u"\u041c\u0438\u0440 \u4e16\u754c");
    s->Cell(1, 3)->SetDouble(-2.5);
    // Enough rows for several row blocks and a long shared string table.
    for (unsigned r = 2; r < 300; ++r) {
        s->Cell(r, 0)->SetInteger(static_cast<std::int32_t>(r * 1000));
        s->Cell(r, 1)->SetWString(
            (u"row " + std::u16string(1, static_cast<char16_t>(0x400 + r))).c_str());
    }
    const fs::path xls = m_dir / "ours.xls";
    ASSERT_TRUE(book.SaveAs(xls.string()));
    ASSERT_TRUE(Convert(xls, "", "csv:Text - txt - csv (StarCalc):44,34,76"));
    std::vector<std::string> expect = {
        "0,1,-1,536870911,536870912,-536870913,-2147483648,2147483647",
        "Latin \xC3\xA9\xC3\xBC,\xD0\x9C\xD0\xB8\xD1\x80 \xE4\xB8\x96\xE7\x95\x8C,,-2.5,,,,"};
    for (unsigned r = 2; r < 300; ++r) // U+0400 + r in UTF-8
        expect.push_back(std::to_string(r * 1000) + ",row " + char(0xC0 | ((0x400 + r) >> 6)) +
                         char(0x80 | (r & 0x3F)) + ",,,,,,");
    EXPECT_EQ(Lines(m_dir / "ours.csv"), expect);
}

namespace {

// The value of attribute `name` on the first element after `from` that has it.
std::string Attribute(const std::string& xml, const std::string& name, std::size_t from = 0) {
    const std::size_t at = xml.find(name + "=\"", from);
    if (at == std::string::npos)
        return {};
    const std::size_t begin = at + name.size() + 2;
    return xml.substr(begin, xml.find('"', begin) - begin);
}

// The width LibreOffice gives the first column of sheet `sheet`.
std::string FirstColumnWidth(const std::string& xml, const std::string& sheet) {
    const std::size_t table = xml.find("table:name=\"" + sheet + "\"");
    const std::string style =
        Attribute(xml, "table:style-name", xml.find("<table:table-column", table));
    return Attribute(xml, "style:column-width", xml.find("style:name=\"" + style + "\""));
}

} // namespace

TEST_F(LibreOffice, ExportIntoItsWorkbookKeepsTheOtherSheetAndTheProperties) {
    // LibreOffice writes a workbook with a "Channel" sheet and a sheet
    // "Notes" holding 12.5, a merged range, a formula and a wide column.
    const fs::path fods = m_dir / "notes.fods";
    fs::copy_file(std::string(VELMAR_SOURCE_DIR) + "/tests/xls/fixtures/libreoffice-notes.fods",
                  fods);
    ASSERT_TRUE(Convert(fods, "", "xls"));
    const fs::path xls = m_dir / "notes.xls";
    ASSERT_TRUE(Convert(xls, "", "fods:OpenDocument Spreadsheet Flat XML"));
    const std::string before = ReadText(m_dir / "notes.fods");
    const std::string width = FirstColumnWidth(before, "Notes");
    ASSERT_FALSE(width.empty());

    AddChannels(db, 3, "Sender %d");
    std::string message;
    ASSERT_TRUE(ExportChannelWorkbook(TheZorvDB(), xls.string(), &message)) << message;
    db.ClearAll();

    ASSERT_TRUE(Convert(xls, "", "fods:OpenDocument Spreadsheet Flat XML"));
    const std::string after = ReadText(m_dir / "notes.fods");
    const std::size_t channel = after.find("table:name=\"Channel\"");
    const std::size_t notes = after.find("table:name=\"Notes\"");
    ASSERT_NE(channel, std::string::npos);
    ASSERT_NE(notes, std::string::npos);
    EXPECT_LT(channel, notes) << "the Channel sheet stays first";
    EXPECT_NE(after.find("<text:p>Sender 3</text:p>", channel), std::string::npos);
    EXPECT_LT(after.find("<text:p>Sender 3</text:p>", channel), notes);
    EXPECT_EQ(after.find("<text:p>old</text:p>"), std::string::npos) << "the old sheet is gone";
    for (const char* kept : {"office:value=\"12.5\"", "table:formula=\"of:=[.A1]*2\"",
                             "table:number-columns-spanned=\"2\"", "<text:p>merged</text:p>"})
        EXPECT_NE(after.find(kept, notes), std::string::npos) << kept;
    EXPECT_EQ(FirstColumnWidth(after, "Notes"), width);
    EXPECT_NE(after.find("<dc:title>Keep me</dc:title>"), std::string::npos)
        << "the document properties";
}

TEST_F(LibreOffice, ReadsAFullSheetWrittenWithExtensionSectors) {
    AddChannels(db, 65535);
    const fs::path xls = m_dir / "full.xls";
    std::string message;
    ASSERT_TRUE(ExportChannelWorkbook(TheZorvDB(), xls.string(), &message)) << message;
    db.ClearAll();
    ASSERT_TRUE(Convert(xls, "", "csv:Text - txt - csv (StarCalc):44,34,76"));
    const auto lines = Lines(m_dir / "full.csv");
    ASSERT_EQ(lines.size(), 65536u);
    EXPECT_EQ(lines.back().rfind("65535,0,0,1,", 0), 0u) << lines.back().substr(0, 40);
    EXPECT_NE(lines.back().find(",Channel 65535,"), std::string::npos);
}
