// Cells, sheets, the workbook's sheet operations and the BIFF8 reader.
#include "xls/ExcelBook.h"

#include "platform/InputFile.h"
#include "platform/LargePages.h"
#include "xls/BiffRecords.h"
#include "xls/CompoundFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <string_view>

namespace {

constexpr unsigned kMaxRows = 65536;
constexpr unsigned kMaxCols = 256;
// What the reader keeps of a workbook: enough for a full channel sheet of
// 65,535 rows and 60 columns besides other sheets, and bounded however the
// file is made.
constexpr std::size_t kMaxCells = 5'000'000;
// BOOLERR, the shortest record that holds a cell: header and 8 bytes.
constexpr std::size_t kSmallestCellRecord = 12;
constexpr std::size_t kMaxSheets = 10'000;

} // namespace

// ---- Cell -----------------------------------------------------------------------

CExcelCell::CExcelCell(CExcelCell&& other) noexcept
    : m_value(other.m_value), m_type(other.m_type), m_bOwned(other.m_bOwned) {
    other.m_type = kEmpty;
    other.m_bOwned = false;
}

CExcelCell& CExcelCell::operator=(const CExcelCell& other) {
    if (this != &other) {
        Clear();
        CopyFrom(other);
    }
    return *this;
}

CExcelCell& CExcelCell::operator=(CExcelCell&& other) noexcept {
    if (this != &other) {
        Clear();
        m_value = other.m_value;
        m_type = other.m_type;
        m_bOwned = other.m_bOwned;
        other.m_type = kEmpty;
        other.m_bOwned = false;
    }
    return *this;
}

void CExcelCell::CopyFrom(const CExcelCell& other) {
    m_value = other.m_value;
    m_type = other.m_type;
    m_bOwned = false;
    if (other.m_bOwned) {
        // An owned text is copied with the cell; a viewed one stays a view.
        if (m_type == kString)
            SetString(other.m_value.s);
        else
            SetWString(other.m_value.w);
    }
}

void CExcelCell::FreeText() noexcept {
    if (m_type == kString)
        delete[] m_value.s;
    else
        delete[] m_value.w;
}

std::int32_t CExcelCell::NumberAsInteger() const {
    if (m_type == kDouble) {
        // Truncated toward zero, then wrapped to 32 bits like the fields it
        // feeds: 4294967295 typed into a CAS cell is 0xFFFFFFFF, not a clamp.
        const double t = std::trunc(m_value.d);
        if (!(t > -9.2e18 && t < 9.2e18))
            return 0; // NaN, infinities and numbers no field could mean
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(t)));
    }
    return 0;
}

double CExcelCell::GetDouble() const {
    if (m_type == kDouble)
        return m_value.d;
    if (m_type == kInteger)
        return m_value.i;
    return 0;
}

void CExcelCell::SetString(const char* text) {
    if (!text || !*text) {
        Clear();
        return;
    }
    const std::size_t n = std::strlen(text) + 1;
    char* copy = new char[n]; // before Clear: `text` may be this cell's own
    std::memcpy(copy, text, n);
    Clear();
    m_value.s = copy;
    m_type = kString;
    m_bOwned = true;
}

void CExcelCell::SetWString(const char16_t* text) {
    if (!text || !*text) {
        Clear();
        return;
    }
    const std::size_t n = std::char_traits<char16_t>::length(text) + 1;
    char16_t* copy = new char16_t[n];
    std::memcpy(copy, text, n * sizeof(char16_t));
    Clear();
    m_value.w = copy;
    m_type = kWString;
    m_bOwned = true;
}

void CExcelCell::View(const char* text) {
    Clear();
    if (text && *text) {
        m_value.s = text;
        m_type = kString;
    }
}

void CExcelCell::View(const char16_t* text) {
    Clear();
    if (text && *text) {
        m_value.w = text;
        m_type = kWString;
    }
}

// ---- Cells in the stream ----------------------------------------------------------

struct ExcelBookData {
    // Whichever holds the stream: the file read (its sectors in a run), or
    // the stream gathered from its sectors.
    std::string file;
    std::vector<std::uint8_t> gathered;
    std::span<const std::uint8_t> stream;
    // The shared strings, zero-terminated, 8-bit ones as bytes.
    std::vector<char> narrow;
    std::vector<char16_t> wide;
    struct Text {
        std::uint32_t at;
        bool wide;
    };
    std::vector<Text> strings;
};

namespace {

// Reads the fixed fields of a cell record, as Cursor would, from a view.
struct Fields {
    std::span<const std::uint8_t> d;
    std::uint16_t U16(std::size_t at) const {
        return static_cast<std::uint16_t>(d[at] | d[at + 1] << 8);
    }
    std::uint32_t U32(std::size_t at) const {
        return U16(at) | static_cast<std::uint32_t>(U16(at + 2)) << 16;
    }
};

bool IsCellRecord(std::uint16_t type) {
    switch (type) {
    case biff::kNumber:
    case biff::kRk:
    case biff::kMulRk:
    case biff::kBoolErr:
    case biff::kLabelSst:
    case biff::kLabel:
    case biff::kRString:
        return true;
    default:
        return false;
    }
}

void RkInto(CExcelCell& cell, std::uint32_t rk) {
    const biff::RkValue v = biff::DecodeRk(rk);
    if (v.integer)
        cell.SetInteger(v.i);
    else
        cell.SetDouble(v.d);
}

// One cell record into the cells it stores: put(row, col, cell) for each,
// columns beyond the format left out. Returns how many cells it counts
// against the reader's cap (a record that stores nothing may still count).
template <class Put>
std::size_t DecodeCellRecord(std::span<const std::uint8_t> stream, const biff::RecordSpan& span,
                             const ExcelBookData& strings, biff::Record& scratch, Put&& put) {
    const auto data = biff::RecordData(stream, span, scratch);
    const Fields f{data};
    CExcelCell cell;
    auto store = [&](unsigned row, unsigned col) {
        if (col < kMaxCols)
            put(row, col, std::move(cell));
    };
    switch (span.type) {
    case biff::kNumber:
        if (data.size() >= 14) {
            cell.SetDouble(
                std::bit_cast<double>(std::uint64_t{f.U32(6)} | std::uint64_t{f.U32(10)} << 32));
            store(f.U16(0), f.U16(2));
        }
        return 1;
    case biff::kRk:
        if (data.size() >= 10) {
            RkInto(cell, f.U32(6));
            store(f.U16(0), f.U16(2));
        }
        return 1;
    case biff::kMulRk: {
        // colLast closes the record; the cells lie in between, six bytes each.
        if (data.size() < 6)
            return 0;
        const std::size_t count = (data.size() - 6) / 6;
        const unsigned row = f.U16(0), first = f.U16(2);
        for (std::size_t k = 0; k < count; ++k) {
            RkInto(cell, f.U32(4 + 6 * k + 2));
            store(row, static_cast<unsigned>(first + k));
        }
        return count;
    }
    case biff::kBoolErr:
        if (data.size() >= 8 && data[7] == 0) {
            cell.SetInteger(data[6] ? 1 : 0);
            store(f.U16(0), f.U16(2));
        }
        return 1;
    case biff::kLabelSst:
        if (data.size() >= 10) {
            const std::uint32_t index = f.U32(6);
            if (index < strings.strings.size()) {
                const ExcelBookData::Text& t = strings.strings[index];
                if (t.wide)
                    cell.View(strings.wide.data() + t.at);
                else
                    cell.View(strings.narrow.data() + t.at);
                store(f.U16(0), f.U16(2));
            }
        }
        return 1;
    case biff::kLabel:
    case biff::kRString: {
        if (!span.continued) {
            scratch.data.assign(data.begin(), data.end());
            scratch.pieces.clear();
        }
        std::uint16_t row = 0, col = 0;
        biff::SstString text;
        if (biff::ReadLabel(scratch, row, col, text)) {
            if (text.wide) {
                cell.SetWString(text.text.c_str());
            } else {
                std::string bytes; // 8-bit strings: every unit fits a byte
                for (char16_t u : text.text)
                    bytes += static_cast<char>(u);
                cell.SetString(bytes.c_str());
            }
            store(row, col);
        }
        return 1;
    }
    default:
        return 0;
    }
}

// What DecodeCellRecord would store, without making the cells: put(row,
// col) for the last column of the record that it stores (cells are stored
// left to right), and the count against the cap.
template <class Put>
std::size_t IndexCellRecord(std::span<const std::uint8_t> stream, const biff::RecordSpan& span,
                            const ExcelBookData& strings, biff::Record& scratch, Put&& put) {
    const auto data = biff::RecordData(stream, span, scratch);
    const Fields f{data};
    auto store = [&](unsigned row, unsigned col) {
        if (col < kMaxCols)
            put(row, col);
    };
    switch (span.type) {
    case biff::kNumber:
        if (data.size() >= 14)
            store(f.U16(0), f.U16(2));
        return 1;
    case biff::kRk:
    case biff::kLabelSst:
        if (data.size() >= 10 && (span.type == biff::kRk || f.U32(6) < strings.strings.size()))
            store(f.U16(0), f.U16(2));
        return 1;
    case biff::kMulRk: {
        if (data.size() < 6)
            return 0;
        const std::size_t count = (data.size() - 6) / 6;
        const std::size_t first = f.U16(2);
        if (count > 0 && first < kMaxCols)
            store(f.U16(0),
                  static_cast<unsigned>(std::min<std::size_t>(first + count, kMaxCols) - 1));
        return count;
    }
    case biff::kBoolErr:
        if (data.size() >= 8 && data[7] == 0)
            store(f.U16(0), f.U16(2));
        return 1;
    default:
        return DecodeCellRecord(stream, span, strings, scratch,
                                [&](unsigned row, unsigned col, CExcelCell&&) { put(row, col); });
    }
}

// Stores into a row kept in column order; a later record for the same
// column wins, as it would in the spreadsheet.
void PutInRow(CExcelSheet::Row& row, unsigned col, CExcelCell&& cell) {
    const auto key = static_cast<std::uint16_t>(col);
    if (row.empty() || row.back().first < key) {
        row.emplace_back(key, std::move(cell));
        return;
    }
    auto it = std::lower_bound(row.begin(), row.end(), key,
                               [](const auto& c, std::uint16_t k) { return c.first < k; });
    if (it != row.end() && it->first == key)
        it->second = std::move(cell);
    else
        row.emplace(it, key, std::move(cell));
}

} // namespace

// A read sheet's cells as an index of its cell records in the stream, by row.
struct CExcelSheet::Source {
    // 16 bytes, one per cell record of the sheet: positions in a stream no
    // larger than the largest workbook read (ParseWorkbook refuses more).
    struct CellRecord {
        std::uint32_t offset, end, row;
        std::uint16_t type;
        bool continued;
        biff::RecordSpan Span() const { return {type, offset, end, continued}; }
    };
    struct RowRecords {
        std::uint32_t row, begin, end; // into `records`
    };
    std::vector<CellRecord> records;
    std::vector<RowRecords> rows;
};

// ---- Sheet ----------------------------------------------------------------------

CExcelSheet::CExcelSheet(std::string name, bool wideName)
    : m_name(std::move(name)), m_bWideName(wideName) {}

CExcelSheet::~CExcelSheet() = default;

void CExcelSheet::Walk(const std::function<void(std::uint32_t, Row&)>& visit) const {
    Row row;
    if (m_pSource) {
        biff::Record scratch;
        const auto stream = m_data->stream;
        for (const Source::RowRecords& r : m_pSource->rows) {
            row.clear();
            for (std::uint32_t k = r.begin; k < r.end; ++k)
                DecodeCellRecord(stream, m_pSource->records[k].Span(), *m_data, scratch,
                                 [&](unsigned, unsigned col, CExcelCell&& cell) {
                                     PutInRow(row, col, std::move(cell));
                                 });
            visit(r.row, row);
        }
    } else if (m_maker) {
        // The maker sets every cell, so the last row's room is reused as it is.
        for (std::uint32_t r = 0; r < m_nMadeRows; ++r) {
            m_maker(r, row);
            if (!row.empty())
                visit(r, row);
        }
    } else {
        for (auto& [index, cells] : m_rows) {
            row = cells;
            visit(index, row);
        }
    }
}

void CExcelSheet::ForEachRow(
    const std::function<void(std::uint32_t index, const Row& row)>& visit) const {
    if (!m_pSource && !m_maker) {
        for (const auto& [index, cells] : m_rows)
            visit(index, cells);
        return;
    }
    Walk([&](std::uint32_t index, Row& row) { visit(index, row); });
}

std::size_t CExcelSheet::RowsHeld() const {
    return m_pSource ? m_pSource->rows.size() : m_maker ? m_nMadeRows : m_rows.size();
}

void CExcelSheet::Materialize() const {
    if (!m_pSource && !m_maker)
        return;
    std::vector<std::pair<std::uint32_t, Row>> rows;
    Walk([&](std::uint32_t index, Row& row) { rows.emplace_back(index, std::move(row)); });
    m_rows = std::move(rows);
    m_pSource.reset();
    m_maker = nullptr;
}

const std::vector<std::pair<std::uint32_t, CExcelSheet::Row>>& CExcelSheet::Rows() const {
    Materialize();
    return m_rows;
}

void CExcelSheet::SetRowMaker(std::uint32_t rows, std::uint32_t cols, RowMaker make) {
    m_rows.clear();
    m_pSource.reset();
    m_nMadeRows = std::min<std::uint32_t>(rows, kMaxRows);
    m_nRows = m_nMadeRows;
    m_nCols = std::min<std::uint32_t>(cols, kMaxCols);
    m_maker = std::move(make);
    m_bChanged = true;
}

CExcelCell* CExcelSheet::Cell(unsigned row, unsigned col) {
    CExcelCell* cell = Store(row, col);
    if (cell)
        m_bChanged = true;
    return cell;
}

CExcelCell* CExcelSheet::Store(unsigned row, unsigned col) {
    if (row >= kMaxRows || col >= kMaxCols)
        return nullptr;
    Materialize();
    m_nRows = std::max(m_nRows, row + 1);
    m_nCols = std::max(m_nCols, col + 1);
    auto found = m_rows.end();
    if (m_rows.empty() || m_rows.back().first < row) {
        m_rows.emplace_back(row, Row());
        found = m_rows.end() - 1;
    } else {
        found = std::lower_bound(m_rows.begin(), m_rows.end(), row,
                                 [](const auto& r, unsigned k) { return r.first < k; });
        if (found == m_rows.end() || found->first != row)
            found = m_rows.emplace(found, row, Row());
    }
    Row& r = found->second;
    const auto key = static_cast<std::uint16_t>(col);
    if (!r.empty() && r.back().first < key)
        return &r.emplace_back(key, CExcelCell()).second;
    auto it = std::lower_bound(r.begin(), r.end(), key,
                               [](const auto& cell, std::uint16_t c) { return cell.first < c; });
    if (it == r.end() || it->first != key)
        it = r.insert(it, Row::value_type(key, CExcelCell()));
    return &it->second;
}

const CExcelCell& CExcelSheet::At(unsigned row, unsigned col) const {
    static const CExcelCell kEmptyCell;
    Materialize();
    const auto found = std::lower_bound(m_rows.begin(), m_rows.end(), row,
                                        [](const auto& r, unsigned k) { return r.first < k; });
    if (found == m_rows.end() || found->first != row)
        return kEmptyCell;
    const Row& r = found->second;
    const auto it = std::lower_bound(r.begin(), r.end(), col,
                                     [](const auto& cell, unsigned c) { return cell.first < c; });
    return it != r.end() && it->first == col ? it->second : kEmptyCell;
}

void CExcelSheet::SetDimensions(std::uint32_t rows, std::uint32_t cols) {
    // A DIMENSIONS record after the cells cannot take away rows they hold.
    m_nRows = std::max(m_nRows, std::min<std::uint32_t>(rows, kMaxRows));
    m_nCols = std::max(m_nCols, std::min<std::uint32_t>(cols, kMaxCols));
}

// ---- Book: sheet operations -------------------------------------------------------

CExcelBook::~CExcelBook() = default;

void CExcelBook::Reset() {
    m_bHolds = false;
    m_problem = WorkbookProblem::None;
    m_said = {};
    m_fonts.clear();
    m_xfs.clear();
    m_styles.clear();
    m_sheets.clear();
    m_source.reset();
    m_data.reset();
}

CExcelSheet* CExcelBook::GetWorksheet(const char* name) {
    if (!name)
        return nullptr;
    for (const auto& sheet : m_sheets)
        if (!sheet->WideName() && sheet->Name() == name)
            return sheet.get();
    return nullptr;
}

CExcelSheet* CExcelBook::AddWorksheet(const char* name) {
    if (!name || GetWorksheet(name))
        return nullptr;
    m_sheets.push_back(std::make_unique<CExcelSheet>(name, false));
    return m_sheets.back().get();
}

CExcelSheet* CExcelBook::AddWorksheet() {
    for (std::size_t n = m_sheets.size() + 1;; ++n) {
        const std::string name = "Sheet" + std::to_string(n);
        if (!GetWorksheet(name.c_str()))
            return AddWorksheet(name.c_str());
    }
}

bool CExcelBook::DeleteWorksheet(const char* name) {
    const auto it = std::find_if(m_sheets.begin(), m_sheets.end(), [&](const auto& s) {
        return name && !s->WideName() && s->Name() == name;
    });
    if (it == m_sheets.end())
        return false;
    m_sheets.erase(it);
    return true;
}

bool CExcelBook::RenameWorksheet(const char* from, const char* to) {
    CExcelSheet* sheet = GetWorksheet(from);
    if (!sheet || !to || GetWorksheet(to))
        return false;
    sheet->Rename(to);
    return true;
}

CExcelSheet* CExcelBook::ReplaceWorksheet(const char* name) {
    for (auto& sheet : m_sheets) {
        if (name && !sheet->WideName() && sheet->Name() == name) {
            // Written anew, but in the old one's directory record and tab id.
            auto fresh = std::make_unique<CExcelSheet>(name, false);
            fresh->m_nSource = sheet->m_nSource;
            fresh->m_bChanged = true;
            sheet = std::move(fresh);
            return sheet.get();
        }
    }
    return nullptr;
}

void CExcelBook::New(unsigned sheetCount) {
    Reset();
    m_bHolds = true;
    DefaultGlobals();
    AddWorksheet("Sheet1");
    for (unsigned i = 1; i < sheetCount; ++i)
        AddWorksheet();
}

bool CExcelBook::KeepsEverything(Phrase* why) const {
    Phrase reason;
    if (!m_bHolds)
        reason = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "No workbook was read."));
    else if (m_problem != WorkbookProblem::None)
        reason = m_said;
    else if (!m_source)
        reason =
            phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "The workbook was not read from a file."));
    else if (!m_source->whole)
        reason = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar", "The workbook is damaged: a stream of its compound file cannot be read."));
    if (why)
        *why = reason;
    return reason.Empty();
}

// ---- Book: reading ------------------------------------------------------------------

void CExcelBook::SetProblem(WorkbookProblem problem) {
    m_problem = problem;
    switch (problem) {
    case WorkbookProblem::None:
    case WorkbookProblem::Unreadable:
        break; // the caller says why
    case WorkbookProblem::NotCompound:
        m_said = phrase::Text(
            VELMAR_TRANSLATE_NOOP("Velmar", "The file is not an Excel 97-2003 workbook (.xls)."));
        break;
    case WorkbookProblem::DamagedContainer:
        m_said = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar",
            "The workbook is damaged: its sector tables or its directory cannot be read."));
        break;
    case WorkbookProblem::NoWorkbookStream:
        m_said = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar", "The file holds no \"Workbook\" stream, so it is not an Excel 97-2003 "
                      "workbook."));
        break;
    case WorkbookProblem::BrokenStream:
        m_said = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar", "The workbook is damaged: its \"Workbook\" stream ends early or its "
                      "sectors are chained wrongly."));
        break;
    case WorkbookProblem::BrokenSst:
        m_said = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar", "The workbook is damaged: its table of shared strings cannot be read."));
        break;
    case WorkbookProblem::Encrypted:
        m_said = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar", "The workbook is protected with a password, so it cannot be read."));
        break;
    case WorkbookProblem::TooLarge:
        m_said = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar", "The workbook holds more cells or sheets than this program reads."));
        break;
    }
}

bool CExcelBook::Load(const std::string& path) {
    Reset();
    std::string contents;
    if (!ReadInputFile(path, kMaxWorkbookFileBytes,
                       VELMAR_TRANSLATE_NOOP("Velmar", "an Excel workbook"), contents, m_said)) {
        m_problem = WorkbookProblem::Unreadable;
        return false;
    }
    const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t*>(contents.data()),
                                             contents.size());
    return Open(file, &contents);
}

bool CExcelBook::LoadFromMemory(std::span<const std::uint8_t> file) {
    Reset();
    return Open(file, nullptr);
}

// `owner`, when given, holds `file` and may be kept instead of a copy of the stream.
bool CExcelBook::Open(std::span<const std::uint8_t> file, std::string* owner) {
    cfb::CCompoundFileReader reader;
    if (!reader.Open(file)) {
        SetProblem(reader.Damaged() ? WorkbookProblem::DamagedContainer
                                    : WorkbookProblem::NotCompound);
        return false;
    }
    m_bHolds = true;
    m_source = std::make_unique<Source>();
    m_data = std::make_shared<ExcelBookData>();
    std::span<const std::uint8_t> stream;
    const auto found = reader.FindStream(u"Workbook", stream, m_data->gathered);
    if (found == cfb::CCompoundFileReader::Stream::Ok) {
        const bool inFile = m_data->gathered.empty() && !stream.empty();
        if (inFile && !owner) {
            // Not ours to keep: one copy of the stream.
            m_data->gathered.assign(stream.begin(), stream.end());
            stream = m_data->gathered;
        }
        m_data->stream = stream;
        m_source->stream = stream;
        // Everything else of the compound file, to be written back as it is.
        const std::int64_t entry = reader.StreamIndex(u"Workbook");
        m_source->whole = reader.ReadAll(m_source->container, entry);
        m_source->workbookEntry = static_cast<std::size_t>(entry);
        if (inFile && owner)
            m_data->file = std::move(*owner); // the same bytes: the view stays valid
        else if (owner)
            std::string().swap(*owner); // the stream was gathered: the file can go
        SetProblem(ParseWorkbook(stream));
    } else {
        SetProblem(found == cfb::CCompoundFileReader::Stream::Missing
                       ? WorkbookProblem::NoWorkbookStream
                       : WorkbookProblem::BrokenStream);
    }
    if (m_problem != WorkbookProblem::None) {
        m_source.reset(); // the sheets read so far stay, with what they hold
        m_data.reset();
    }
    if (m_fonts.empty() || m_xfs.size() < 16)
        DefaultGlobals(); // a workbook must have them to be written back
    return true;
}

namespace {

std::string SheetName(biff::Cursor& c) {
    const std::uint8_t cch = c.U8();
    const bool wide = c.U8() & 1;
    std::string name;
    for (unsigned i = 0; i < cch && c.Ok(); ++i) {
        name += static_cast<char>(c.U8());
        if (wide)
            name += static_cast<char>(c.U8());
    }
    return name;
}

// The shared strings into the book's buffers, zero-terminated, each in the
// width it was stored with.
void KeepStrings(const biff::SstTable& sst, ExcelBookData& data) {
    std::size_t narrow = 0, wide = 0;
    for (std::size_t i = 0; i < sst.Size(); ++i)
        (sst.wide[i] ? wide : narrow) += sst.Text(i).size() + 1;
    data.narrow.reserve(narrow);
    data.wide.reserve(wide);
    data.strings.reserve(sst.Size());
    for (std::size_t i = 0; i < sst.Size(); ++i) {
        const std::u16string_view text = sst.Text(i);
        if (sst.wide[i]) {
            data.strings.push_back({static_cast<std::uint32_t>(data.wide.size()), true});
            data.wide.insert(data.wide.end(), text.begin(), text.end());
            data.wide.push_back(0);
        } else {
            data.strings.push_back({static_cast<std::uint32_t>(data.narrow.size()), false});
            for (char16_t u : text) // 8-bit strings: every unit fits a byte
                data.narrow.push_back(static_cast<char>(u));
            data.narrow.push_back(0);
        }
    }
}

} // namespace

WorkbookProblem CExcelBook::ParseWorkbook(std::span<const std::uint8_t> stream) {
    if (stream.size() > kMaxWorkbookFileBytes)
        return WorkbookProblem::TooLarge; // the cell index keeps 32-bit positions
    biff::Reader reader(stream);
    biff::Record r;
    if (!reader.Next(r) || r.type != biff::kBof)
        return WorkbookProblem::BrokenStream;
    Source& source = *m_source;
    source.globals.push_back({r.type, r.offset, r.end});
    biff::SstTable sst;
    bool sstBroken = false, encrypted = false;
    // Global substream, up to its EOF.
    bool ended = false;
    while (!ended && reader.Next(r)) {
        source.globals.push_back({r.type, r.offset, r.end});
        biff::Cursor c(r);
        switch (r.type) {
        case biff::kEof:
            ended = true;
            break;
        case biff::kFilePass:
            encrypted = true; // everything after it is ciphertext
            ended = true;
            break;
        case biff::kBoundSheet: {
            if (m_sheets.size() >= kMaxSheets)
                return WorkbookProblem::TooLarge;
            c.U32(); // position of the sheet's BOF: substreams are taken in order
            c.U16(); // visibility and type
            const bool wide = r.data.size() > 7 && (r.data[7] & 1);
            std::string name = SheetName(c);
            m_sheets.push_back(std::make_unique<CExcelSheet>(std::move(name), wide));
            source.boundSheets.push_back(r.data);
            break;
        }
        case biff::kSst:
            sstBroken = !biff::ReadSst(r, sst);
            break;
        case biff::kFont:
            m_fonts.push_back(r.data);
            break;
        case biff::kXf:
            m_xfs.push_back(r.data);
            break;
        case biff::kStyle:
            m_styles.push_back(r.data);
            break;
        default:
            break;
        }
    }
    if (encrypted)
        return WorkbookProblem::Encrypted;
    if (!ended)
        return WorkbookProblem::BrokenStream;
    if (sstBroken)
        return WorkbookProblem::BrokenSst;
    KeepStrings(sst, *m_data);
    biff::SstTable().chars.swap(sst.chars);
    std::size_t cells = 0;
    source.tail = r.end;
    biff::Record scratch;
    biff::RecordSpan span;
    // One substream per sheet, in directory order: its cell records indexed,
    // their cells made when asked for.
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        CExcelSheet& sheet = *m_sheets[i];
        if (!reader.Skim(span) || span.type != biff::kBof)
            return WorkbookProblem::BrokenStream;
        const std::size_t begin = span.offset;
        auto index = std::make_unique<CExcelSheet::Source>();
        // Room for as many cell records as the rest of the stream can hold,
        // in large pages, so the index fills without a copy or a page fault
        // per 4 KiB; room it does not use is never touched.
        index->records.reserve((stream.size() - begin) / kSmallestCellRecord);
        PreferLargePagesFor(index->records);
        bool inOrder = true;
        int depth = 1; // an embedded object brings its own BOF/EOF pair
        while (depth > 0 && reader.Skim(span)) {
            if (span.type == biff::kBof) {
                ++depth;
                continue;
            }
            if (span.type == biff::kEof) {
                --depth;
                continue;
            }
            if (depth != 1)
                continue;
            if (span.type == biff::kDimensions) {
                const auto data = biff::RecordData(stream, span, scratch);
                if (data.size() >= 12) {
                    const Fields f{data};
                    sheet.SetDimensions(f.U32(4), f.U16(10));
                }
                continue;
            }
            if (!IsCellRecord(span.type))
                continue;
            bool stored = false;
            std::uint32_t row = 0;
            cells +=
                IndexCellRecord(stream, span, *m_data, scratch, [&](unsigned at, unsigned col) {
                    stored = true;
                    row = at;
                    sheet.m_nRows = std::max(sheet.m_nRows, at + 1);
                    sheet.m_nCols = std::max(sheet.m_nCols, col + 1);
                });
            if (cells > kMaxCells)
                return WorkbookProblem::TooLarge;
            if (!stored)
                continue;
            inOrder = inOrder && (index->records.empty() || index->records.back().row <= row);
            index->records.push_back({static_cast<std::uint32_t>(span.offset),
                                      static_cast<std::uint32_t>(span.end), row, span.type,
                                      span.continued});
        }
        if (depth > 0)
            return WorkbookProblem::BrokenStream; // the stream ended inside the sheet
        auto& records = index->records;
        if (!inOrder) // cells of a row in the order the file gives them
            std::stable_sort(records.begin(), records.end(),
                             [](const auto& a, const auto& b) { return a.row < b.row; });
        if (records.capacity() > 2 * records.size()) {
            std::vector<CExcelSheet::Source::CellRecord> tight;
            tight.reserve(records.size());
            PreferLargePagesFor(tight);
            tight.assign(records.begin(), records.end());
            records.swap(tight);
        }
        for (std::uint32_t k = 0; k < records.size(); ++k) {
            if (index->rows.empty() || index->rows.back().row != records[k].row)
                index->rows.push_back({records[k].row, k, k});
            index->rows.back().end = k + 1;
        }
        if (!records.empty()) {
            sheet.m_pSource = std::move(index);
            sheet.m_data = m_data;
        }
        source.sheets.push_back({biff::kBof, begin, span.end});
        source.tail = span.end;
        sheet.m_nSource = static_cast<int>(i);
        sheet.m_bChanged = false; // read, not changed
    }
    return WorkbookProblem::None;
}
