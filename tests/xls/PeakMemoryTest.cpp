// Hostile workbooks load within bounded memory: one long string referenced by
// 20,000 cells is held once, one cell far down in each of 2,000 sheets costs
// no empty rows, and a 10 MB workbook of dense cells stays far below 256 MB.
#include "tests/image/CountingAllocator.h"
#include "tests/xls/XlsTestSupport.h"
#include "xls/ChannelWorkbook.h"

using namespace velmar::test;

namespace {

constexpr std::size_t kWorkbookBound = 256 * kMiB;

// One record of `data`.
void Put(biff::Writer& w, std::uint16_t type, const Bytes& data = {}) {
    w.Begin(type);
    w.Raw(data);
    w.End();
}

// A stream begun with the globals' BOF and the directory record of the one
// sheet, "Channel"; with `sheet`, their EOF and the sheet's BOF too.
biff::Writer Globals(bool sheet) {
    biff::Writer w;
    Put(w, biff::kBof, kBof);
    Put(w, biff::kBoundSheet, kChannelSheet);
    if (sheet) {
        Put(w, biff::kEof);
        Put(w, biff::kBof, kSheetBof);
    }
    return w;
}

// A row of `cells` RK integers from column 0.
void MulRk(biff::Writer& w, unsigned row, unsigned cells) {
    w.Begin(biff::kMulRk);
    w.U16(static_cast<std::uint16_t>(row));
    w.U16(0);
    for (unsigned col = 0; col < cells; ++col) {
        w.U16(15);
        w.U32((row + col) << 2 | 2);
    }
    w.U16(static_cast<std::uint16_t>(cells - 1));
    w.End();
}

class PeakMemory : public WorkbookTest {
protected:
    // Ends the stream and writes it as the workbook the test loads.
    void Write(biff::Writer& w) {
        Put(w, biff::kEof);
        m_path = WorkbookTest::Write(cfb::WriteCompoundFile(u"Workbook", w.Bytes()), "peak.xls");
    }
    // Peak heap of loading the workbook, printed as `what`'s.
    std::size_t PeakOfLoad(const std::string& what,
                           WorkbookProblem expected = WorkbookProblem::None) {
        ResetHeapPeak();
        const std::size_t base = HeapInUse();
        {
            CExcelBook book;
            EXPECT_TRUE(book.Load(m_path));
            EXPECT_EQ(book.Problem(), expected) << book.Error();
        }
        const std::size_t peak = HeapPeak() - base;
        std::printf("[ measured ] %s: load %.1f MB\n", what.c_str(),
                    static_cast<double>(peak) / kMiB);
        return peak;
    }
    // The peak of importing its channels; the channels imported.
    std::size_t PeakOfImport(std::size_t& channels) {
        ResetHeapPeak();
        const std::size_t base = HeapInUse();
        std::string error;
        const auto list = ReadChannelWorkbook(m_path, error);
        EXPECT_TRUE(list.has_value()) << error;
        channels = list ? list->size() : 0;
        return HeapPeak() - base;
    }
    std::string m_path;
};

} // namespace

TEST_F(PeakMemory, OneLongStringReferencedByTwentyThousandCells) {
    // A shared string of 32,767 16-bit characters (its CONTINUE records
    // restate the width), named in 20,000 rows of the Channel sheet.
    biff::Writer w = Globals(false);
    w.Begin(biff::kSst);
    w.U32(20000);
    w.U32(1);
    w.U16(32767);
    w.U8(1);
    for (int i = 0; i < 32767; ++i) {
        if (w.InRecord() + 2 > biff::kMaxRecordData) {
            w.End();
            w.Begin(biff::kContinue);
            w.U8(1);
        }
        w.U16(static_cast<std::uint16_t>(0x0410 + i % 32));
    }
    w.End();
    Put(w, biff::kEof);
    Put(w, biff::kBof, kSheetBof);
    for (int row = 1; row <= 20000; ++row) // string 0 in column 13 (Name)
        Put(w, biff::kLabelSst,
            {static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(row >> 8), 13, 0, 15, 0, 0,
             0, 0, 0});
    Write(w);
    // Held once per reference it would be 20,000 x 64 KB = 1.3 GB.
    EXPECT_LT(PeakOfLoad("20,000 references to one 32,767-character string"), 16 * kMiB);
    std::size_t channels = 0;
    EXPECT_LT(PeakOfImport(channels), 32 * kMiB);
    EXPECT_EQ(channels, 20000u);
}

TEST_F(PeakMemory, OneCellInRow65535OfTwoThousandSheets) {
    biff::Writer w = Globals(false);
    for (int s = 1; s < 2000; ++s) {
        const std::string name = "S" + std::to_string(s);
        Bytes record = {0, 0, 0, 0, 0, 0, static_cast<std::uint8_t>(name.size()), 0};
        record.insert(record.end(), name.begin(), name.end());
        Put(w, biff::kBoundSheet, record);
    }
    Put(w, biff::kEof);
    for (int s = 0; s < 2000; ++s) {
        Put(w, biff::kBof, kSheetBof);
        // Rows 0 to 65535, columns 0 to 255; one RK cell in the last row.
        Put(w, biff::kDimensions, Bytes{0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0});
        Put(w, biff::kRk, Rk(65535, 0, 7));
        if (s + 1 < 2000)
            Put(w, biff::kEof);
    }
    Write(w);
    // Dense rows would take 2,000 x 65,536 rows.
    EXPECT_LT(PeakOfLoad("2,000 sheets with one cell in row 65535"), 16 * kMiB);
    std::size_t channels = 0;
    EXPECT_LT(PeakOfImport(channels), 16 * kMiB);
    EXPECT_EQ(channels, 1u) << "one row holds a value";
}

TEST_F(PeakMemory, TenMegabytesOfDenseCellsStayWithinTheBound) {
    // Rows of 256 RK cells (the densest cell record: 6 bytes a cell), up to
    // 10 MB; every row a channel.
    biff::Writer w = Globals(true);
    unsigned row = 0;
    while (w.Size() < 10 * kMiB - 120 * 1024)
        MulRk(w, ++row, 256);
    Write(w);
    ASSERT_LE(std::filesystem::file_size(m_path), 10 * kMiB);
    EXPECT_LT(PeakOfLoad(std::to_string(row) + " rows of 256 cells"), kWorkbookBound);
    std::size_t channels = 0;
    EXPECT_LT(PeakOfImport(channels), kWorkbookBound);
    EXPECT_EQ(channels, row);
}

TEST_F(PeakMemory, TenMegabytesOfEmptySharedStrings) {
    // The most strings 10 MB can announce: three bytes each.
    biff::Writer w = Globals(false);
    const std::uint32_t count = 3'400'000;
    w.Begin(biff::kSst);
    w.U32(count);
    w.U32(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (w.InRecord() + 4 > biff::kMaxRecordData) {
            w.End();
            w.Begin(biff::kContinue);
        }
        w.U16(1);
        w.U8(0);
        w.U8('x');
    }
    w.End();
    Put(w, biff::kEof);
    Put(w, biff::kBof, kSheetBof);
    Write(w);
    EXPECT_LT(PeakOfLoad(std::to_string(count) + " one-character shared strings"), kWorkbookBound);
}

TEST_F(PeakMemory, MoreCellsThanTheReaderKeepsIsAProblemNotAnAllocation) {
    // 20,000 rows of 256 cells: 5.1 million cells in 31 MB.
    biff::Writer w = Globals(true);
    for (unsigned row = 0; row < 20000; ++row)
        MulRk(w, row, 256);
    Write(w);
    EXPECT_LT(
        PeakOfLoad("5.1 million cells in 31 MB, stopped at the cap", WorkbookProblem::TooLarge),
        kWorkbookBound);
    std::string error;
    EXPECT_FALSE(ReadChannelWorkbook(m_path, error).has_value());
    EXPECT_EQ(error, "The workbook holds more cells or sheets than this program reads. The channel "
                     "list was not changed.");
}
