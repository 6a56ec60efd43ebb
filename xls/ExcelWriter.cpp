// The BIFF8 writer: default global records, the shared string table with
// its CONTINUE records and EXTSST, worksheet substreams with row blocks,
// INDEX and DBCELL, all in one "Workbook" stream of a compound file.
#include "platform/AtomicFile.h"
#include "xls/BiffRecords.h"
#include "xls/CompoundFile.h"
#include "xls/ExcelBook.h"

#include <map>

namespace {

using biff::Writer;

constexpr std::uint16_t kCellXf = 15; // the default cell format
constexpr unsigned kRowsPerBlock = 32;
constexpr std::uint32_t kSstBucket = 8; // strings per EXTSST entry

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> out;
    for (int v : values)
        out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

std::vector<std::uint8_t> Font(bool bold) {
    // 10 pt, automatic colour, normal or bold weight, "Arial".
    auto f = Bytes({200,
                    0,
                    0,
                    0,
                    0xFF,
                    0x7F,
                    bold ? 0xBC : 0x90,
                    bold ? 0x02 : 0x01,
                    0,
                    0,
                    0,
                    0,
                    0,
                    0,
                    5,
                    0,
                    'A',
                    'r',
                    'i',
                    'a',
                    'l'});
    return f;
}

std::vector<std::uint8_t> Xf(int font, int format, bool style) {
    // Bottom-aligned, no borders, no fill; a style XF has no parent.
    return Bytes({font,
                  0,
                  format,
                  0,
                  style ? 0xF5 : 0x01,
                  style ? 0xFF : 0x00,
                  0x20,
                  0,
                  0,
                  style ? 0 : 0xF8,
                  0,
                  0,
                  0,
                  0,
                  0,
                  0,
                  0,
                  0,
                  0xC0,
                  0x20});
}

struct SstTable {
    std::vector<std::pair<bool, std::u16string>> strings; // wide?, text
    std::map<std::pair<bool, std::u16string>, std::uint32_t> index;
    std::uint32_t references = 0;

    std::uint32_t Add(bool wide, std::u16string text) {
        ++references;
        auto key = std::make_pair(wide, std::move(text));
        const auto it = index.find(key);
        if (it != index.end())
            return it->second;
        const auto i = static_cast<std::uint32_t>(strings.size());
        index.emplace(key, i);
        strings.push_back(std::move(key));
        return i;
    }
};

std::u16string Widen(const char* text) {
    std::u16string out;
    for (const char* p = text; *p; ++p)
        out += static_cast<char16_t>(static_cast<unsigned char>(*p));
    return out;
}

// SST with CONTINUE records; the EXTSST that follows lists where every
// eighth string starts.
void WriteSst(Writer& w, const SstTable& sst) {
    std::vector<std::pair<std::uint32_t, std::uint16_t>> buckets; // stream pos, offset in record
    w.Begin(biff::kSst);
    w.U32(sst.references);
    w.U32(static_cast<std::uint32_t>(sst.strings.size()));
    std::size_t recordStart = w.Size() - 12;
    auto next = [&] {
        w.End();
        recordStart = w.Size();
        w.Begin(biff::kContinue);
    };
    for (std::size_t i = 0; i < sst.strings.size(); ++i) {
        const auto& [wide, text] = sst.strings[i];
        // A string's header (count and flags) never splits.
        if (w.InRecord() + 3 + (wide ? 2 : 1) > biff::kMaxRecordData)
            next();
        if (i % kSstBucket == 0)
            buckets.emplace_back(static_cast<std::uint32_t>(w.Size()),
                                 static_cast<std::uint16_t>(w.Size() - recordStart));
        w.U16(static_cast<std::uint16_t>(text.size()));
        w.U8(wide ? 1 : 0);
        const std::size_t width = wide ? 2 : 1;
        for (char16_t c : text) {
            if (w.InRecord() + width > biff::kMaxRecordData) {
                next();
                w.U8(wide ? 1 : 0); // the continued piece restates the width
            }
            if (wide)
                w.U16(c);
            else
                w.U8(static_cast<std::uint8_t>(c));
        }
    }
    w.End();
    w.Begin(biff::kExtSst);
    w.U16(kSstBucket);
    for (const auto& [pos, offset] : buckets) {
        w.U32(pos);
        w.U16(offset);
        w.U16(0);
    }
    w.End();
}

void WriteBof(Writer& w, std::uint16_t kind) {
    w.Begin(biff::kBof);
    w.U16(0x0600); // BIFF8
    w.U16(kind);   // 0x0005 globals, 0x0010 worksheet
    w.U16(0x0DBB);
    w.U16(0x07CC);
    w.U32(0x00000041);
    w.U32(0x00000006);
    w.End();
}

void WriteCell(Writer& w, std::uint16_t row, std::uint16_t col, std::uint32_t sstIndex) {
    w.Begin(biff::kLabelSst);
    w.U16(row);
    w.U16(col);
    w.U16(kCellXf);
    w.U32(sstIndex);
    w.End();
}

// The cells of one row: runs of integers in the RK form as MULRK (or RK when
// alone), integers beyond it and doubles as NUMBER, texts as LABELSST.
void WriteRowCells(Writer& w, std::uint16_t row, const CExcelSheet::Row& cells,
                   const std::vector<std::uint32_t>& sstIndex, std::size_t& sstNext) {
    for (std::size_t i = 0; i < cells.size();) {
        const auto& [col, cell] = cells[i];
        std::uint32_t rk = 0;
        if (cell.Type() == CExcelCell::kInteger && biff::EncodeRkInteger(cell.GetInteger(), rk)) {
            std::size_t end = i + 1;
            std::uint32_t unused = 0;
            while (end < cells.size() && cells[end].first == cells[end - 1].first + 1 &&
                   cells[end].second.Type() == CExcelCell::kInteger &&
                   biff::EncodeRkInteger(cells[end].second.GetInteger(), unused) &&
                   (end - i) < 1300) // keeps a MULRK inside one record
                ++end;
            if (end - i == 1) {
                w.Begin(biff::kRk);
                w.U16(row);
                w.U16(col);
                w.U16(kCellXf);
                w.U32(rk);
                w.End();
            } else {
                w.Begin(biff::kMulRk);
                w.U16(row);
                w.U16(col);
                for (std::size_t k = i; k < end; ++k) {
                    biff::EncodeRkInteger(cells[k].second.GetInteger(), rk);
                    w.U16(kCellXf);
                    w.U32(rk);
                }
                w.U16(cells[end - 1].first);
                w.End();
            }
            i = end;
            continue;
        }
        if (cell.Type() == CExcelCell::kInteger || cell.Type() == CExcelCell::kDouble) {
            w.Begin(biff::kNumber);
            w.U16(row);
            w.U16(col);
            w.U16(kCellXf);
            w.F64(cell.GetDouble());
            w.End();
        } else if (cell.Type() == CExcelCell::kString || cell.Type() == CExcelCell::kWString) {
            WriteCell(w, row, col, sstIndex[sstNext++]);
        }
        ++i;
    }
}

void WriteSheet(Writer& w, const CExcelSheet& sheet, const std::vector<std::uint32_t>& sstIndex,
                std::size_t& sstNext) {
    WriteBof(w, 0x0010);
    std::vector<std::pair<unsigned, const CExcelSheet::Row*>> used; // rows that hold a cell
    for (const auto& [r, cells] : sheet.Rows())
        if (!cells.empty())
            used.emplace_back(r, &cells);
    const std::size_t blocks = (used.size() + kRowsPerBlock - 1) / kRowsPerBlock;

    w.Begin(biff::kIndex);
    w.U32(0);
    w.U32(used.empty() ? 0 : used.front().first);
    w.U32(used.empty() ? 0 : used.back().first + 1);
    w.U32(0);
    const std::size_t indexTable = w.Size();
    for (std::size_t b = 0; b < blocks; ++b)
        w.U32(0); // DBCELL positions, filled in below
    w.End();

    w.Begin(biff::kDimensions);
    w.U32(0);
    w.U32(sheet.GetTotalRows());
    w.U16(0);
    w.U16(static_cast<std::uint16_t>(sheet.GetTotalCols()));
    w.U16(0);
    w.End();

    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t first = b * kRowsPerBlock;
        const std::size_t last = std::min(used.size(), first + kRowsPerBlock);
        const std::size_t firstRow = w.Size();
        for (std::size_t k = first; k < last; ++k) {
            const auto& cells = *used[k].second;
            w.Begin(biff::kRow);
            w.U16(static_cast<std::uint16_t>(used[k].first));
            w.U16(cells.front().first);
            w.U16(static_cast<std::uint16_t>(cells.back().first + 1));
            w.U16(0x00FF);
            w.U16(0);
            w.U16(0);
            w.U32(0x000F0100); // default height, XF 15
            w.End();
        }
        std::vector<std::size_t> cellStarts;
        for (std::size_t k = first; k < last; ++k) {
            cellStarts.push_back(w.Size());
            WriteRowCells(w, static_cast<std::uint16_t>(used[k].first), *used[k].second, sstIndex,
                          sstNext);
        }
        const std::size_t dbcell = w.Size();
        w.Patch32(indexTable + 4 * b, static_cast<std::uint32_t>(dbcell));
        w.Begin(biff::kDbCell);
        w.U32(static_cast<std::uint32_t>(dbcell - firstRow));
        // First: from the second ROW record to the first cell; then row to row.
        std::size_t from = firstRow + 20;
        for (std::size_t start : cellStarts) {
            w.U16(static_cast<std::uint16_t>(start - from));
            from = start;
        }
        w.End();
    }

    w.Begin(biff::kWindow2);
    for (int v : {0x06B6, 0, 0, 0x0040, 0, 0, 0, 0, 0})
        w.U16(static_cast<std::uint16_t>(v));
    w.End();
    w.Begin(biff::kEof);
    w.End();
}

} // namespace

void CExcelBook::DefaultGlobals() {
    m_fonts = {Font(false), Font(false), Font(false), Font(false)};
    m_xfs.clear();
    for (int i = 0; i < 15; ++i)
        m_xfs.push_back(Xf(i == 0 ? 0 : 1, 0, true));
    m_xfs.push_back(Xf(0, 0, false)); // 15: cells
    for (int format : {43, 41, 44, 42, 9})
        m_xfs.push_back(Xf(1, format, true));
    m_styles = {Bytes({0x10, 0x80, 3, 0xFF}), Bytes({0x11, 0x80, 6, 0xFF}),
                Bytes({0x12, 0x80, 4, 0xFF}), Bytes({0x13, 0x80, 7, 0xFF}),
                Bytes({0x00, 0x80, 0, 0xFF}), Bytes({0x14, 0x80, 5, 0xFF})};
}

std::vector<std::uint8_t> CExcelBook::SaveToMemory() const {
    if (!m_bHolds)
        return {};
    // The shared strings, in the order the sheets' cells will be written.
    SstTable sst;
    std::vector<std::uint32_t> sstIndex;
    for (const auto& sheet : m_sheets)
        for (const auto& [r, row] : sheet->Rows())
            for (const auto& [col, cell] : row) {
                if (cell.Type() == CExcelCell::kString)
                    sstIndex.push_back(sst.Add(false, Widen(cell.GetString())));
                else if (cell.Type() == CExcelCell::kWString)
                    sstIndex.push_back(sst.Add(true, cell.GetWString()));
            }

    Writer w;
    WriteBof(w, 0x0005);
    w.Begin(biff::kWindow1);
    for (int v : {0, 0, 0x25BC, 0x1572, 0x0038, 0, 0, 1, 0x0258})
        w.U16(static_cast<std::uint16_t>(v));
    w.End();
    for (const auto* records : {&m_fonts, &m_xfs, &m_styles})
        for (const auto& data : *records) {
            w.Begin(records == &m_fonts ? biff::kFont
                    : records == &m_xfs ? biff::kXf
                                        : biff::kStyle);
            w.Raw(data);
            w.End();
        }
    std::vector<std::size_t> sheetPositions;
    for (const auto& sheet : m_sheets) {
        w.Begin(biff::kBoundSheet);
        sheetPositions.push_back(w.Size());
        w.U32(0);
        w.U16(0); // visible worksheet
        const std::string& name = sheet->Name();
        const bool wide = sheet->WideName();
        w.U8(static_cast<std::uint8_t>(wide ? name.size() / 2 : name.size()));
        w.U8(wide ? 1 : 0);
        w.Raw({reinterpret_cast<const std::uint8_t*>(name.data()), name.size()});
        w.End();
    }
    WriteSst(w, sst);
    w.Begin(biff::kEof);
    w.End();

    std::size_t sstNext = 0;
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        w.Patch32(sheetPositions[i], static_cast<std::uint32_t>(w.Size()));
        WriteSheet(w, *m_sheets[i], sstIndex, sstNext);
    }
    return cfb::WriteCompoundFile(u"Workbook", w.Bytes());
}

bool CExcelBook::SaveAs(const std::string& path) {
    if (!m_bHolds)
        return false;
    const std::vector<std::uint8_t> file = SaveToMemory();
    if (file.empty())
        return false;
    return WriteFileAtomically(path, file, &m_strError);
}
