// libFuzzer target: arbitrary bytes as a workbook file. Whatever loads is
// written again and must load again.
#include "xls/ExcelBook.h"

#include <cstddef>
#include <cstdint>
#include <span>

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
    CExcelBook again;
    if (!again.LoadFromMemory(book.SaveToMemory()) || again.SheetCount() != book.SheetCount())
        __builtin_trap();
    return 0;
}
