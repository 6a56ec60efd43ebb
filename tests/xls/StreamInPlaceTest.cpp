// A new workbook is written from the buffer its stream was built in, after a
// head laid out for it: the file must be, byte for byte, the one the
// container writer makes with the stream copied in, on both sides of the
// mini-stream cut-off, of a sector's end and of the header's 109 FAT sectors.
#include "tests/xls/XlsTestSupport.h"
#include "xls/CompoundFile.h"
#include "xls/ExcelBook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace velmar::test;

namespace {

Bytes Pattern(std::size_t size) {
    Bytes d(size);
    for (std::size_t i = 0; i < size; ++i)
        d[i] = static_cast<std::uint8_t>(i * 7 + i / 509);
    return d;
}

TEST(StreamInPlace, HeadStreamAndPaddingAreTheWholeFile) {
    // 109 FAT sectors of 128 entries cover 13,952 sectors; past them the
    // FAT needs an extension sector, ahead of the stream.
    constexpr std::size_t kDifat = 13952 * 512;
    for (const std::size_t size : {std::size_t{4096}, std::size_t{4097}, std::size_t{5119},
                                   std::size_t{5120}, kDifat - 4096, kDifat + 4096}) {
        SCOPED_TRACE(size);
        const Bytes data = Pattern(size);
        const Bytes whole = cfb::WriteCompoundFile(u"Workbook", data);
        Bytes pieces = cfb::CompoundFileHead(u"Workbook", size);
        ASSERT_FALSE(pieces.empty());
        pieces.insert(pieces.end(), data.begin(), data.end());
        pieces.insert(pieces.end(), cfb::SectorPadding(size), 0);
        ASSERT_EQ(pieces.size(), whole.size());
        EXPECT_TRUE(pieces == whole);
    }
    // No head where the stream would not stand apart at the end.
    EXPECT_TRUE(cfb::CompoundFileHead(u"Workbook", 4095).empty());
    EXPECT_TRUE(cfb::CompoundFileHead(std::u16string(32, u'x'), 8192).empty());
    EXPECT_EQ(cfb::SectorPadding(512), 0u);
    EXPECT_EQ(cfb::SectorPadding(513), 511u);
}

class StreamInPlaceBook : public WorkbookTest {};

TEST_F(StreamInPlaceBook, ANewWorkbookOnDiskIsTheOneBuiltInMemory) {
    for (const int rows : {3, 400}) { // a stream in the mini stream, one in sectors
        SCOPED_TRACE(rows);
        CExcelBook book;
        book.New(1);
        CExcelSheet* sheet = book.GetWorksheet("Sheet1");
        ASSERT_NE(sheet, nullptr);
        for (int r = 0; r < rows; ++r) {
            sheet->Cell(static_cast<unsigned>(r), 0)->SetInteger(r * 1000);
            sheet->Cell(static_cast<unsigned>(r), 1)
                ->SetString(("row " + std::to_string(r)).c_str());
        }
        const std::string path = (m_dir / ("book" + std::to_string(rows) + ".xls")).string();
        ASSERT_TRUE(book.SaveAs(path));
        const Bytes onDisk = ReadBytes(path);
        EXPECT_TRUE(onDisk == book.SaveToMemory());
        EXPECT_EQ(onDisk.size() % 512, 0u);
    }
}

} // namespace
