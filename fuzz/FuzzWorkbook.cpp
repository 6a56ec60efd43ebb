// libFuzzer target: arbitrary bytes as a workbook file. Whatever loads is
// read as a channel sheet, then the channels go back into it the way an
// export does (into the workbook as read, keeping everything else) and it
// must load again with the same sheets and channels. The last bytes also
// drive cells set at chosen places, so growth and the writer's record forms
// are exercised as well.
#include "xls/ChannelWorkbook.h"
#include "xls/ExcelBook.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace {

// Cells at places and of kinds taken from `tail`: integers in and out of the
// RK range, doubles, 8- and 16-bit texts.
void Scribble(CExcelSheet& sheet, std::span<const std::uint8_t> tail) {
    for (std::size_t i = 0; i + 6 <= tail.size() && i < 6 * 64; i += 6) {
        const unsigned row = tail[i] | (tail[i + 1] & 0x7F) << 8;
        const unsigned col = tail[i + 2];
        CExcelCell* cell = sheet.Cell(row, col);
        if (!cell)
            continue;
        const std::int32_t value = tail[i + 3] | tail[i + 4] << 8 | tail[i + 5] << 24;
        switch (tail[i + 3] % 5) {
        case 0:
            cell->SetInteger(value);
            break;
        case 1:
            cell->SetDouble(value / 7.0);
            break;
        case 2:
            cell->SetString(std::string(tail[i + 4] % 40 + 1, 'a').c_str());
            break;
        case 3:
            cell->SetWString(std::u16string(tail[i + 4] % 40 + 1, u'\u0416').c_str());
            break;
        default:
            cell->Clear();
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CExcelBook book;
    if (!book.LoadFromMemory(std::span<const std::uint8_t>(data, size)))
        return 0;
    for (std::size_t i = 0; i < book.SheetCount(); ++i) {
        CExcelSheet* sheet = book.Sheet(i);
        for (unsigned row = 0; row < sheet->GetTotalRows() && row < 64; ++row)
            for (unsigned col = 0; col < sheet->GetTotalCols() && col < 64; ++col)
                (void)sheet->At(row, col).GetInteger();
    }
    std::string error;
    const auto channels = ChannelsFromBook(book, error);
    const bool whole = book.KeepsEverything();

    // Back into the workbook as an export writes them.
    CExcelSheet* sheet = book.GetWorksheet("Channel") ? book.ReplaceWorksheet("Channel")
                                                      : book.AddWorksheet("Channel");
    if (!sheet)
        return 0; // "Channel" exists only under a 16-bit name
    const std::size_t rows = channels ? channels->size() : 0;
    for (std::size_t r = 0; r < rows && r < 2000; ++r) {
        sheet->Cell(static_cast<unsigned>(r + 1), 0)->SetInteger((*channels)[r].ProgramNum);
        sheet->Cell(static_cast<unsigned>(r + 1), 13)->SetString("Channel");
    }
    Scribble(*sheet,
             std::span<const std::uint8_t>(data, size).last(std::min<std::size_t>(size, 384)));
    const auto written = book.SaveToMemory();
    if (written.empty())
        return 0; // a text too long for a LABEL cell in a kept workbook
    CExcelBook again;
    if (!again.LoadFromMemory(written) || again.Problem() != WorkbookProblem::None ||
        again.SheetCount() != book.SheetCount() || !again.GetWorksheet("Channel"))
        __builtin_trap();
    // A workbook kept whole keeps its other streams whole too.
    if (whole && !again.KeepsEverything())
        __builtin_trap();
    return 0;
}
