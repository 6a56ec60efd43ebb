// The BIFF8 writer: default global records, the shared string table with
// its CONTINUE records and EXTSST, worksheet substreams with row blocks,
// INDEX and DBCELL, all in one "Workbook" stream of a compound file.
#include "platform/AtomicFile.h"
#include "xls/BiffRecords.h"
#include "xls/CompoundFile.h"
#include "xls/ExcelBook.h"

#include <array>
#include <functional>
#include <unordered_set>

namespace {

using biff::Writer;

constexpr std::uint16_t kCellXf = 15; // the default cell format
constexpr unsigned kRowsPerBlock = 32;
// The most cells one MULRK holds (6 bytes each): it stays inside one record.
constexpr std::size_t kMaxRunCells = 1300;
// Strings per EXTSST entry: at least 8, and so many that the entries (8
// bytes each) stay inside one record.
std::size_t SstBucket(std::size_t strings) {
    constexpr std::size_t kMostEntries = (biff::kMaxRecordData - 2) / 8;
    return std::max<std::size_t>(8, (strings + kMostEntries - 1) / kMostEntries);
}

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

// The shared strings in the order first met, each once: the texts packed in
// one buffer, found again through a hash set of their indexes.
class SstTable {
public:
    SstTable() : m_index(64, Hash{this}, Same{this}) {}
    SstTable(const SstTable&) = delete;
    SstTable& operator=(const SstTable&) = delete;

    template <class Char> std::uint32_t Add(bool wide, const Char* text) {
        ++references;
        // Appended as a candidate; taken back when the set has it already.
        for (const Char* p = text; *p; ++p)
            m_strings.chars.push_back(static_cast<char16_t>(
                sizeof(Char) == 1 ? static_cast<unsigned char>(*p) : static_cast<char16_t>(*p)));
        m_strings.ends.push_back(static_cast<std::uint32_t>(m_strings.chars.size()));
        m_strings.wide.push_back(wide);
        const auto candidate = static_cast<std::uint32_t>(m_strings.Size() - 1);
        const auto [it, fresh] = m_index.insert(candidate);
        if (!fresh) {
            m_strings.chars.resize(candidate == 0 ? 0 : m_strings.ends[candidate - 1]);
            m_strings.ends.pop_back();
            m_strings.wide.pop_back();
        }
        return *it;
    }
    std::size_t Size() const { return m_strings.Size(); }
    std::size_t Characters() const { return m_strings.chars.size(); }
    bool Wide(std::size_t i) const { return m_strings.wide[i]; }
    std::u16string_view Text(std::size_t i) const { return m_strings.Text(i); }

    std::uint32_t references = 0;

private:
    struct Hash {
        const SstTable* table;
        std::size_t operator()(std::uint32_t i) const {
            return std::hash<std::u16string_view>()(table->Text(i)) ^ table->Wide(i);
        }
    };
    struct Same {
        const SstTable* table;
        bool operator()(std::uint32_t a, std::uint32_t b) const {
            return table->Wide(a) == table->Wide(b) && table->Text(a) == table->Text(b);
        }
    };
    biff::SstTable m_strings;
    std::unordered_set<std::uint32_t, Hash, Same> m_index;
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
    const std::size_t bucket = SstBucket(sst.Size());
    w.Begin(biff::kSst);
    w.U32(sst.references);
    w.U32(static_cast<std::uint32_t>(sst.Size()));
    std::size_t recordStart = w.Size() - 12;
    auto next = [&] {
        w.End();
        recordStart = w.Size();
        w.Begin(biff::kContinue);
    };
    for (std::size_t i = 0; i < sst.Size(); ++i) {
        const bool wide = sst.Wide(i);
        const std::u16string_view text = sst.Text(i);
        // A string's header (count and flags) never splits.
        if (w.InRecord() + 3 + (wide ? 2 : 1) > biff::kMaxRecordData)
            next();
        if (i % bucket == 0)
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
    w.U16(static_cast<std::uint16_t>(bucket));
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

// How a sheet's cells are written: the cell format, and how a text cell
// becomes a record (LABELSST into a shared string table of our own, or LABEL
// where the workbook's own table is kept as it was).
struct CellStyle {
    std::uint16_t xf = kCellXf;
    std::function<void(Writer&, std::uint16_t row, std::uint16_t col, const CExcelCell&)> text;
};

// The cells of one row: runs of integers in the RK form as MULRK (or RK when
// alone), integers beyond it and doubles as NUMBER, texts as the style says.
void WriteRowCells(Writer& w, std::uint16_t row, const CExcelSheet::Row& cells,
                   const CellStyle& style) {
    for (std::size_t i = 0; i < cells.size();) {
        const auto& [col, cell] = cells[i];
        // A run's values, each encoded once.
        std::array<std::uint32_t, kMaxRunCells> rks;
        if (cell.Type() == CExcelCell::kInteger &&
            biff::EncodeRkInteger(cell.GetInteger(), rks[0])) {
            std::size_t end = i + 1;
            while (end < cells.size() && end - i < rks.size() &&
                   cells[end].first == cells[end - 1].first + 1 &&
                   cells[end].second.Type() == CExcelCell::kInteger &&
                   biff::EncodeRkInteger(cells[end].second.GetInteger(), rks[end - i]))
                ++end;
            if (end - i == 1) {
                w.Begin(biff::kRk);
                w.U16(row);
                w.U16(col);
                w.U16(style.xf);
                w.U32(rks[0]);
                w.End();
            } else {
                w.Begin(biff::kMulRk);
                w.U16(row);
                w.U16(col);
                w.RkCells(style.xf, std::span(rks).first(end - i));
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
            w.U16(style.xf);
            w.F64(cell.GetDouble());
            w.End();
        } else if (cell.Type() == CExcelCell::kString || cell.Type() == CExcelCell::kWString) {
            style.text(w, row, col, cell);
        }
        ++i;
    }
}

// The cells of each block of rows: ROW records, the rows' cells, DBCELL.
class BlockWriter {
public:
    BlockWriter(Writer& w, const CellStyle& style, std::size_t indexTable)
        : m_w(w), m_style(style), m_indexTable(indexTable) {}
    void Add(std::uint32_t index, CExcelSheet::Row& row) {
        if (row.empty())
            return; // no cell: no ROW record
        if (m_count == m_rows.size())
            m_rows.emplace_back();
        m_rows[m_count].first = index;
        m_rows[m_count].second.swap(row);
        if (++m_count == kRowsPerBlock)
            Flush();
    }
    void Flush() {
        if (m_count == 0)
            return;
        Writer& w = m_w;
        const std::size_t firstRow = w.Size();
        for (std::size_t k = 0; k < m_count; ++k) {
            const auto& cells = m_rows[k].second;
            w.Begin(biff::kRow);
            w.U16(static_cast<std::uint16_t>(m_rows[k].first));
            w.U16(cells.front().first);
            w.U16(static_cast<std::uint16_t>(cells.back().first + 1));
            w.U16(0x00FF);
            w.U16(0);
            w.U16(0);
            w.U32(0x000F0100); // default height, XF 15
            w.End();
        }
        std::size_t cellStarts[kRowsPerBlock];
        for (std::size_t k = 0; k < m_count; ++k) {
            cellStarts[k] = w.Size();
            WriteRowCells(w, static_cast<std::uint16_t>(m_rows[k].first), m_rows[k].second,
                          m_style);
        }
        const std::size_t dbcell = w.Size();
        w.Patch32(m_indexTable + 4 * m_block++, static_cast<std::uint32_t>(dbcell));
        w.Begin(biff::kDbCell);
        w.U32(static_cast<std::uint32_t>(dbcell - firstRow));
        // First: from the second ROW record to the first cell; then row to row.
        std::size_t from = firstRow + 20;
        for (std::size_t k = 0; k < m_count; ++k) {
            w.U16(static_cast<std::uint16_t>(cellStarts[k] - from));
            from = cellStarts[k];
        }
        w.End();
        m_count = 0;
    }

private:
    Writer& m_w;
    const CellStyle& m_style;
    std::size_t m_indexTable;
    std::size_t m_block = 0;
    std::size_t m_count = 0;
    std::vector<std::pair<std::uint32_t, CExcelSheet::Row>> m_rows;
};

// The rows that hold a cell, for the INDEX record ahead of them, and about
// how many bytes their records take (a ROW, a DBCELL entry and a few runs'
// headers a row; an RK value, a NUMBER or a LABELSST a cell), so that the
// stream's buffer is made once at its size.
struct UsedRows {
    std::uint32_t used = 0, first = 0, last = 0;
    std::size_t bytes = 0;
    void Add(std::uint32_t index, const CExcelSheet::Row& cells) {
        if (cells.empty())
            return;
        if (used++ == 0)
            first = index;
        last = index;
        bytes += 20 + 2 + 3 * 10;
        for (const auto& [col, cell] : cells)
            bytes += cell.Type() == CExcelCell::kInteger  ? 6
                     : cell.Type() == CExcelCell::kDouble ? 18
                     : cell.Type() == CExcelCell::kEmpty  ? 0
                                                          : 14;
    }
};

UsedRows CountUsedRows(const CExcelSheet& sheet) {
    UsedRows rows;
    sheet.ForEachRow(
        [&](std::uint32_t index, const CExcelSheet::Row& cells) { rows.Add(index, cells); });
    return rows;
}

// A sheet's rows are made (or decoded) again for each pass over them, so the
// caller that walks them anyway counts them on that walk.
void WriteSheet(Writer& w, const CExcelSheet& sheet, const CellStyle& style, const UsedRows& rows) {
    WriteBof(w, 0x0010);
    const std::uint32_t used = rows.used, first = rows.first, last = rows.last;
    const std::size_t blocks = (used + kRowsPerBlock - 1) / kRowsPerBlock;

    w.Begin(biff::kIndex);
    w.U32(0);
    w.U32(used == 0 ? 0 : first);
    w.U32(used == 0 ? 0 : last + 1);
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

    BlockWriter block(w, style, indexTable);
    sheet.Walk([&](std::uint32_t index, CExcelSheet::Row& row) { block.Add(index, row); });
    block.Flush();

    w.Begin(biff::kWindow2);
    for (int v : {0x06B6, 0, 0, 0x0040, 0, 0, 0, 0, 0})
        w.U16(static_cast<std::uint16_t>(v));
    w.End();
    w.Begin(biff::kEof);
    w.End();
}

std::uint16_t Get16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t Get32(std::span<const std::uint8_t> b, std::size_t at) {
    return Get16(b, at) | static_cast<std::uint32_t>(Get16(b, at + 2)) << 16;
}

// A sheet substream copied to a new place: its INDEX records hold stream
// positions (of DefColWidth and of each DBCELL), which move with it.
void MoveIndexRecords(Writer& w, std::size_t begin, std::int64_t delta) {
    auto& b = w.Bytes();
    int depth = 0;
    for (std::size_t p = begin; p + 4 <= b.size();) {
        const std::uint16_t type = Get16(b, p), length = Get16(b, p + 2);
        if (type == biff::kBof)
            ++depth;
        else if (type == biff::kEof)
            --depth;
        else if (type == biff::kIndex && depth == 1 && length >= 16) {
            for (std::size_t at = p + 4 + 12; at + 4 <= p + 4 + length; at += 4)
                if (const std::uint32_t pos = Get32(b, at); pos != 0)
                    w.Patch32(at, static_cast<std::uint32_t>(pos + delta));
        }
        p += 4u + length;
    }
}

// A BOUNDSHEET record: the position is patched in later.
std::size_t WriteBoundSheet(Writer& w, std::uint16_t flags, const std::string& name, bool wide) {
    w.Begin(biff::kBoundSheet);
    const std::size_t at = w.Size();
    w.U32(0);
    w.U16(flags);
    w.U8(static_cast<std::uint8_t>(wide ? name.size() / 2 : name.size()));
    w.U8(wide ? 1 : 0);
    w.Raw({reinterpret_cast<const std::uint8_t*>(name.data()), name.size()});
    w.End();
    return at;
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

std::uint16_t CExcelBook::CellFormat() const {
    // The first cell format (not a style format) of the workbook.
    for (std::size_t i = 0; i < m_xfs.size() && i < 0xFFFF; ++i)
        if (m_xfs[i].size() > 4 && !(m_xfs[i][4] & 0x04))
            return static_cast<std::uint16_t>(i);
    return kCellXf;
}

std::vector<std::uint8_t> CExcelBook::BuildStream() const {
    // The shared strings, in the order the sheets' cells will be written.
    SstTable sst;
    std::vector<std::uint32_t> sstIndex;
    std::vector<UsedRows> used(m_sheets.size());
    for (std::size_t i = 0; i < m_sheets.size(); ++i)
        m_sheets[i]->ForEachRow([&](std::uint32_t index, const CExcelSheet::Row& row) {
            used[i].Add(index, row);
            for (const auto& [col, cell] : row) {
                if (cell.Type() == CExcelCell::kString)
                    sstIndex.push_back(sst.Add(false, cell.GetString()));
                else if (cell.Type() == CExcelCell::kWString)
                    sstIndex.push_back(sst.Add(true, cell.GetWString()));
            }
        });

    Writer w;
    std::size_t estimate = std::size_t{64} * 1024 + 2 * sst.Characters() + 4 * sst.Size();
    for (const UsedRows& rows : used)
        estimate += 1024 + rows.bytes;
    w.Reserve(estimate + estimate / 16); // a margin rather than a doubling
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
    for (const auto& sheet : m_sheets)
        sheetPositions.push_back(WriteBoundSheet(w, 0, sheet->Name(), sheet->WideName()));
    WriteSst(w, sst);
    w.Begin(biff::kEof);
    w.End();

    std::size_t sstNext = 0;
    CellStyle style;
    style.text = [&](Writer& out, std::uint16_t row, std::uint16_t col, const CExcelCell&) {
        out.Begin(biff::kLabelSst);
        out.U16(row);
        out.U16(col);
        out.U16(kCellXf);
        out.U32(sstIndex[sstNext++]);
        out.End();
    };
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        w.Patch32(sheetPositions[i], static_cast<std::uint32_t>(w.Size()));
        WriteSheet(w, *m_sheets[i], style, used[i]);
    }
    return std::move(w.Bytes());
}

bool CExcelBook::BuildPatchedStream(std::vector<std::uint8_t>& out) {
    const Source& src = *m_source;
    const std::span<const std::uint8_t> in = src.stream;
    Writer w;
    auto copy = [&](std::size_t begin, std::size_t end) {
        w.Raw({in.data() + begin, end - begin});
    };

    // Globals as they were, but for the sheet directory and what points into the stream.
    std::vector<std::size_t> sheetPositions;
    bool directoryWritten = false;
    auto writeDirectory = [&] {
        // Position, visibility and type, name length and width: what a
        // directory record holds ahead of the name.
        constexpr std::size_t kBoundSheetHead = 8;
        for (const auto& sheet : m_sheets) {
            const int from = sheet->m_nSource;
            // A record too short to hold the sheet's position (a damaged
            // one the reader let pass) is written anew: copied, the position
            // patched into it would overwrite the next sheet's record.
            if (from >= 0 && !sheet->m_bRenamed &&
                src.boundSheets[static_cast<std::size_t>(from)].size() >= kBoundSheetHead) {
                // The original record, with its visibility, type and name bytes.
                const auto& data = src.boundSheets[static_cast<std::size_t>(from)];
                w.Begin(biff::kBoundSheet);
                sheetPositions.push_back(w.Size());
                w.Raw(data);
                w.End();
            } else {
                const std::uint16_t flags =
                    from >= 0 && src.boundSheets[static_cast<std::size_t>(from)].size() >= 6
                        ? Get16(src.boundSheets[static_cast<std::size_t>(from)], 4)
                        : 0;
                sheetPositions.push_back(
                    WriteBoundSheet(w, flags, sheet->Name(), sheet->WideName()));
            }
        }
        directoryWritten = true;
    };
    std::int64_t sstMoved = 0;
    bool sstSeen = false;
    for (const Source::Span& g : src.globals) {
        const std::size_t length = g.end - g.begin;
        switch (g.type) {
        case biff::kBoundSheet:
            if (!directoryWritten)
                writeDirectory();
            break;
        case biff::kEof:
            if (!directoryWritten)
                writeDirectory();
            copy(g.begin, g.end);
            break;
        case biff::kSst:
            sstMoved = static_cast<std::int64_t>(w.Size()) - static_cast<std::int64_t>(g.begin);
            sstSeen = true;
            copy(g.begin, g.end);
            break;
        case biff::kExtSst: {
            // Stream positions of every n-th shared string: they moved with the table.
            const std::size_t at = w.Size();
            copy(g.begin, g.end);
            const std::size_t data = Get16(in, g.begin + 2);
            for (std::size_t p = at + 4 + 2; sstSeen && p + 4 <= at + 4 + data; p += 8)
                w.Patch32(p, static_cast<std::uint32_t>(Get32(w.Bytes(), p) + sstMoved));
            break;
        }
        case biff::kSupBook:
            copy(g.begin, g.end);
            // The workbook's reference to itself counts its sheets.
            if (length == 8 && Get16(in, g.begin + 6) == 0x0401)
                w.Patch16(w.Size() - 4, static_cast<std::uint16_t>(m_sheets.size()));
            break;
        case biff::kTabId: {
            // One tab id per sheet: the kept sheets keep theirs, new ones get new ids.
            const std::size_t count = Get16(in, g.begin + 2) / 2;
            std::vector<std::uint16_t> ids(count);
            std::uint16_t highest = 0;
            for (std::size_t k = 0; k < count; ++k)
                highest = std::max(highest, ids[k] = Get16(in, g.begin + 4 + 2 * k));
            w.Begin(biff::kTabId);
            for (const auto& sheet : m_sheets) {
                const auto from = static_cast<std::size_t>(sheet->m_nSource);
                w.U16(sheet->m_nSource >= 0 && from < count ? ids[from] : ++highest);
            }
            w.End();
            break;
        }
        default:
            copy(g.begin, g.end);
            break;
        }
    }

    // Sheets as they were where nothing changed them; the others anew, with
    // their texts as LABEL records so the shared string table stays whole.
    bool tooLong = false;
    CellStyle style;
    style.xf = CellFormat();
    style.text = [&](Writer& o, std::uint16_t row, std::uint16_t col, const CExcelCell& cell) {
        std::u16string text =
            cell.Type() == CExcelCell::kWString ? cell.GetWString() : Widen(cell.GetString());
        const bool wide = cell.Type() == CExcelCell::kWString;
        if (text.size() > 255) {
            tooLong = true; // a LABEL cell holds at most 255 characters
            return;
        }
        o.Begin(biff::kLabel);
        o.U16(row);
        o.U16(col);
        o.U16(style.xf);
        o.U16(static_cast<std::uint16_t>(text.size()));
        o.U8(wide ? 1 : 0);
        for (char16_t c : text) {
            if (wide)
                o.U16(c);
            else
                o.U8(static_cast<std::uint8_t>(c));
        }
        o.End();
    };
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        const CExcelSheet& sheet = *m_sheets[i];
        const std::size_t begin = w.Size();
        w.Patch32(sheetPositions[i], static_cast<std::uint32_t>(begin));
        if (sheet.m_nSource >= 0 && !sheet.m_bChanged) {
            const Source::Span& from = src.sheets[static_cast<std::size_t>(sheet.m_nSource)];
            copy(from.begin, from.end);
            MoveIndexRecords(
                w, begin, static_cast<std::int64_t>(begin) - static_cast<std::int64_t>(from.begin));
        } else {
            WriteSheet(w, sheet, style, CountUsedRows(sheet));
        }
    }
    copy(src.tail, in.size());
    if (tooLong) {
        m_said = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar", "A text of more than 255 characters cannot be added to this workbook."));
        return false;
    }
    out = std::move(w.Bytes());
    return true;
}

std::vector<std::uint8_t> CExcelBook::SaveToMemory() {
    if (!m_bHolds)
        return {};
    if (!KeepsEverything())
        return cfb::WriteCompoundFile(u"Workbook", BuildStream());
    // Every entry of the compound file as it was, with the new stream.
    std::vector<cfb::DirectoryEntry> entries = m_source->container;
    if (!BuildPatchedStream(entries[m_source->workbookEntry].data))
        return {};
    return cfb::WriteCompoundFile(entries);
}

bool CExcelBook::SaveAs(const std::string& path) {
    if (!m_bHolds)
        return false;
    std::vector<std::uint8_t> file;
    if (KeepsEverything()) {
        file = SaveToMemory();
    } else {
        // A new workbook's stream goes to the file from where it was built;
        // one too small for regular sectors goes into the mini stream.
        std::vector<std::uint8_t> stream = BuildStream();
        const std::vector<std::uint8_t> head = cfb::CompoundFileHead(u"Workbook", stream.size());
        if (!head.empty()) {
            static constexpr std::uint8_t kZeros[512] = {};
            return WriteFileAtomically(
                path, {head, stream, std::span(kZeros).first(cfb::SectorPadding(stream.size()))},
                &m_said);
        }
        file = cfb::WriteCompoundFile(u"Workbook", std::move(stream));
    }
    if (file.empty()) {
        if (m_said.Empty())
            m_said = phrase::Text(
                VELMAR_TRANSLATE_NOOP("Velmar", "The workbook is too large to be written."));
        return false;
    }
    return WriteFileAtomically(path, file, &m_said);
}
