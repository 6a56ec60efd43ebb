// Hostile workbooks load within bounded memory: one long string referenced by
// 20,000 cells is held once, one cell far down in each of 2,000 sheets costs
// no empty rows, and a 10 MB workbook of dense cells stays far below 256 MB.
#include "contracts/ZorvDB.h"
#include "tests/image/CountingAllocator.h"
#include "tests/xls/XlsTestSupport.h"
#include "xls/BiffRecords.h"
#include "xls/ChannelWorkbook.h"
#include "xls/CompoundFile.h"
#include "xls/ExcelBook.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;
constexpr std::size_t kWorkbookBound = 256 * kMiB;

// One record of `data`.
void Put(biff::Writer& w, std::uint16_t type, const Bytes& data = {}) {
    w.Begin(type);
    w.Raw(data);
    w.End();
}

// The globals' BOF and the directory record of the one sheet, "Channel".
void Globals(biff::Writer& w) {
    Put(w, biff::kBof, kBof);
    Put(w, biff::kBoundSheet, kChannelSheet);
}

// The globals' EOF and the sheet's BOF.
void SheetBegins(biff::Writer& w) {
    Put(w, biff::kEof);
    Put(w, biff::kBof, kSheetBof);
}

void BoundSheet(biff::Writer& w, const std::string& name) {
    w.Begin(biff::kBoundSheet);
    w.U32(0);
    w.U16(0);
    w.U8(static_cast<std::uint8_t>(name.size()));
    w.U8(0);
    w.Raw({reinterpret_cast<const std::uint8_t*>(name.data()), name.size()});
    w.End();
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
    void Write(const Bytes& file) { m_path = WorkbookTest::Write(file, "peak.xls"); }
    // Peak heap of loading the workbook, and of importing its channels.
    std::size_t PeakOfLoad(WorkbookProblem expected = WorkbookProblem::None) {
        ResetHeapPeak();
        const std::size_t base = HeapInUse();
        {
            CExcelBook book;
            EXPECT_TRUE(book.Load(m_path.string()));
            EXPECT_EQ(book.Problem(), expected) << book.Error();
        }
        return HeapPeak() - base;
    }
    // The peaks of loading and of importing it, printed as `what`'s; the
    // channels imported.
    std::size_t Measure(const std::string& what, std::size_t& load, std::size_t& import) {
        load = PeakOfLoad();
        ResetHeapPeak();
        const std::size_t base = HeapInUse();
        std::string error;
        const auto list = ReadChannelWorkbook(m_path.string(), error);
        EXPECT_TRUE(list.has_value()) << error;
        import = HeapPeak() - base;
        std::printf("[ measured ] %s: load %.1f MB, import %.1f MB\n", what.c_str(),
                    static_cast<double>(load) / kMiB, static_cast<double>(import) / kMiB);
        return list ? list->size() : 0;
    }
    fs::path m_path;
};

} // namespace

TEST_F(PeakMemory, OneLongStringReferencedByTwentyThousandCells) {
    // A shared string of 32,767 16-bit characters (its CONTINUE records
    // restate the width), named in 20,000 rows of the Channel sheet.
    biff::Writer w;
    Globals(w);
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
    SheetBegins(w);
    for (int row = 1; row <= 20000; ++row) // string 0 in column 13 (Name)
        Put(w, biff::kLabelSst,
            Bytes{static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(row >> 8), 13, 0, 15, 0,
                  0, 0, 0, 0});
    Put(w, biff::kEof);
    Write(cfb::WriteCompoundFile(u"Workbook", w.Bytes()));

    std::size_t load = 0, import = 0;
    EXPECT_EQ(Measure("20,000 references to one 32,767-character string", load, import), 20000u);
    // Held once per reference it would be 20,000 x 64 KB = 1.3 GB.
    EXPECT_LT(load, 16 * kMiB);
    EXPECT_LT(import, 32 * kMiB);
}

TEST_F(PeakMemory, OneCellInRow65535OfTwoThousandSheets) {
    biff::Writer w;
    Globals(w);
    for (int s = 1; s < 2000; ++s)
        BoundSheet(w, "S" + std::to_string(s));
    Put(w, biff::kEof);
    for (int s = 0; s < 2000; ++s) {
        Put(w, biff::kBof, kSheetBof);
        // Rows 0 to 65535, columns 0 to 255; one RK cell in the last row.
        Put(w, biff::kDimensions, Bytes{0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0});
        Put(w, biff::kRk, Rk(65535, 0, 7));
        Put(w, biff::kEof);
    }
    Write(cfb::WriteCompoundFile(u"Workbook", w.Bytes()));

    std::size_t load = 0, import = 0;
    EXPECT_EQ(Measure("2,000 sheets with one cell in row 65535", load, import), 1u)
        << "one row holds a value";
    // Dense rows would take 2,000 x 65,536 rows.
    EXPECT_LT(load, 16 * kMiB);
    EXPECT_LT(import, 16 * kMiB);
}

TEST_F(PeakMemory, TenMegabytesOfDenseCellsStayWithinTheBound) {
    // Rows of 256 RK cells (the densest cell record: 6 bytes a cell), up to
    // 10 MB; every row a channel.
    biff::Writer w;
    Globals(w);
    SheetBegins(w);
    unsigned row = 0;
    while (w.Size() < 10 * kMiB - 120 * 1024)
        MulRk(w, ++row, 256);
    Put(w, biff::kEof);
    const auto file = cfb::WriteCompoundFile(u"Workbook", w.Bytes());
    ASSERT_LE(file.size(), 10 * kMiB);
    Write(file);

    std::size_t load = 0, import = 0;
    EXPECT_EQ(Measure(std::to_string(row) + " rows of 256 cells in " + std::to_string(file.size()) +
                          " bytes",
                      load, import),
              row);
    EXPECT_LT(load, kWorkbookBound);
    EXPECT_LT(import, kWorkbookBound);
}

TEST_F(PeakMemory, TenMegabytesOfEmptySharedStrings) {
    // The most strings 10 MB can announce: three bytes each.
    biff::Writer w;
    Globals(w);
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
    SheetBegins(w);
    Put(w, biff::kEof);
    Write(cfb::WriteCompoundFile(u"Workbook", w.Bytes()));
    const std::size_t load = PeakOfLoad();
    std::printf("[ measured ] %u one-character shared strings: load %.1f MB\n", count,
                static_cast<double>(load) / kMiB);
    EXPECT_LT(load, kWorkbookBound);
}

TEST_F(PeakMemory, MoreCellsThanTheReaderKeepsIsAProblemNotAnAllocation) {
    // 20,000 rows of 256 cells: 5.1 million cells in 31 MB.
    biff::Writer w;
    Globals(w);
    SheetBegins(w);
    for (unsigned row = 0; row < 20000; ++row)
        MulRk(w, row, 256);
    Put(w, biff::kEof);
    Write(cfb::WriteCompoundFile(u"Workbook", w.Bytes()));
    const std::size_t load = PeakOfLoad(WorkbookProblem::TooLarge);
    std::printf("[ measured ] 5.1 million cells in 31 MB, stopped at the cap: %.1f MB\n",
                static_cast<double>(load) / kMiB);
    EXPECT_LT(load, kWorkbookBound);
    std::string error;
    EXPECT_FALSE(ReadChannelWorkbook(m_path.string(), error).has_value());
    EXPECT_EQ(error, "The workbook holds more cells or sheets than this program reads. The channel "
                     "list was not changed.");
}
