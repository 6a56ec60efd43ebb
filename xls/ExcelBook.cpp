// Cells, sheets, the workbook's sheet operations and the BIFF8 reader.
#include "xls/ExcelBook.h"

#include "platform/InputFile.h"
#include "xls/BiffRecords.h"
#include "xls/CompoundFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

namespace {

constexpr unsigned kMaxRows = 65536;
constexpr unsigned kMaxCols = 256;
// What the reader keeps of a workbook: enough for a full channel sheet of
// 65,535 rows and 60 columns besides other sheets, and bounded however the
// file is made.
constexpr std::size_t kMaxCells = 5'000'000;
constexpr std::size_t kMaxSheets = 10'000;

} // namespace

// ---- Cell -----------------------------------------------------------------------

std::int32_t CExcelCell::GetInteger() const {
    if (const auto* i = std::get_if<std::int32_t>(&m_value))
        return *i;
    if (const auto* d = std::get_if<double>(&m_value)) {
        // Truncated toward zero, then wrapped to 32 bits like the fields it
        // feeds: 4294967295 typed into a CAS cell is 0xFFFFFFFF, not a clamp.
        const double t = std::trunc(*d);
        if (!(t > -9.2e18 && t < 9.2e18))
            return 0; // NaN, infinities and numbers no field could mean
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(t)));
    }
    return 0;
}

double CExcelCell::GetDouble() const {
    if (const auto* d = std::get_if<double>(&m_value))
        return *d;
    if (const auto* i = std::get_if<std::int32_t>(&m_value))
        return *i;
    return 0;
}

const char* CExcelCell::GetString() const {
    const auto* t = std::get_if<Text>(&m_value);
    return t ? (*t)->c_str() : nullptr;
}

const char16_t* CExcelCell::GetWString() const {
    const auto* t = std::get_if<WText>(&m_value);
    return t ? (*t)->c_str() : nullptr;
}

void CExcelCell::SetString(const char* text) {
    if (text && *text)
        m_value = std::make_shared<const std::string>(text);
    else
        Clear();
}

void CExcelCell::SetWString(const char16_t* text) {
    if (text && *text)
        m_value = std::make_shared<const std::u16string>(text);
    else
        Clear();
}

// ---- Sheet ----------------------------------------------------------------------

CExcelCell* CExcelSheet::Cell(unsigned row, unsigned col) {
    CExcelCell* cell = Store(row, col);
    if (cell)
        m_bChanged = true;
    return cell;
}

CExcelCell* CExcelSheet::Store(unsigned row, unsigned col) {
    if (row >= kMaxRows || col >= kMaxCols)
        return nullptr;
    m_nRows = std::max(m_nRows, row + 1);
    m_nCols = std::max(m_nCols, col + 1);
    Row& r = m_rows[row];
    const auto key = static_cast<std::uint16_t>(col);
    auto it = std::lower_bound(r.begin(), r.end(), key,
                               [](const auto& cell, std::uint16_t c) { return cell.first < c; });
    if (it == r.end() || it->first != key)
        it = r.insert(it, Row::value_type(key, CExcelCell()));
    return &it->second;
}

const CExcelCell& CExcelSheet::At(unsigned row, unsigned col) const {
    static const CExcelCell kEmptyCell;
    const auto found = m_rows.find(row);
    if (found == m_rows.end())
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
    m_strError.clear();
    m_fonts.clear();
    m_xfs.clear();
    m_styles.clear();
    m_sheets.clear();
    m_source.reset();
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

bool CExcelBook::KeepsEverything(std::string* why) const {
    std::string reason;
    if (!m_bHolds)
        reason = "No workbook was read.";
    else if (m_problem != WorkbookProblem::None)
        reason = m_strError;
    else if (!m_source)
        reason = "The workbook was not read from a file.";
    else if (!m_source->whole)
        reason = "The workbook is damaged: a stream of its compound file cannot be read.";
    if (why)
        *why = reason;
    return reason.empty();
}

// ---- Book: reading ------------------------------------------------------------------

void CExcelBook::SetProblem(WorkbookProblem problem) {
    m_problem = problem;
    switch (problem) {
    case WorkbookProblem::None:
    case WorkbookProblem::Unreadable:
        break; // the caller says why
    case WorkbookProblem::NotCompound:
        m_strError = "The file is not an Excel 97-2003 workbook (.xls).";
        break;
    case WorkbookProblem::DamagedContainer:
        m_strError = "The workbook is damaged: its sector tables or its directory cannot be read.";
        break;
    case WorkbookProblem::NoWorkbookStream:
        m_strError = "The file holds no \"Workbook\" stream, so it is not an Excel 97-2003 "
                     "workbook.";
        break;
    case WorkbookProblem::BrokenStream:
        m_strError = "The workbook is damaged: its \"Workbook\" stream ends early or its "
                     "sectors are chained wrongly.";
        break;
    case WorkbookProblem::BrokenSst:
        m_strError = "The workbook is damaged: its table of shared strings cannot be read.";
        break;
    case WorkbookProblem::Encrypted:
        m_strError = "The workbook is protected with a password, so it cannot be read.";
        break;
    case WorkbookProblem::TooLarge:
        m_strError = "The workbook holds more cells or sheets than this program reads.";
        break;
    }
}

bool CExcelBook::Load(const std::string& path) {
    Reset();
    std::string contents, error;
    if (!ReadInputFile(path, kMaxWorkbookFileBytes, "an Excel workbook", contents, error)) {
        m_problem = WorkbookProblem::Unreadable;
        m_strError = error;
        return false;
    }
    return LoadFromMemory(std::span<const std::uint8_t>(
        reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()));
}

bool CExcelBook::LoadFromMemory(std::span<const std::uint8_t> file) {
    Reset();
    cfb::CCompoundFileReader reader;
    if (!reader.Open(file)) {
        SetProblem(reader.Damaged() ? WorkbookProblem::DamagedContainer
                                    : WorkbookProblem::NotCompound);
        return false;
    }
    m_bHolds = true;
    m_source = std::make_unique<Source>();
    const auto found = reader.FindStream(u"Workbook", m_source->stream);
    if (found == cfb::CCompoundFileReader::Stream::Ok)
        SetProblem(ParseWorkbook(m_source->stream));
    else
        SetProblem(found == cfb::CCompoundFileReader::Stream::Missing
                       ? WorkbookProblem::NoWorkbookStream
                       : WorkbookProblem::BrokenStream);
    if (m_problem == WorkbookProblem::None) {
        // Everything else of the compound file, to be written back as it is.
        m_source->whole = reader.ReadAll(m_source->container);
        m_source->workbookEntry = static_cast<std::size_t>(reader.StreamIndex(u"Workbook"));
        if (m_source->whole)
            std::vector<std::uint8_t>().swap(
                m_source->container[m_source->workbookEntry].data); // kept in `stream`
    } else {
        m_source.reset();
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

// Shared strings become cell texts once, when a cell first refers to them;
// every further cell shares that text.
class SharedStrings {
public:
    explicit SharedStrings(const biff::SstTable& sst) : m_sst(sst) {}
    std::size_t Size() const { return m_sst.Size(); }
    bool Set(CExcelCell& cell, std::uint32_t index) {
        if (index >= m_sst.Size())
            return false;
        auto [it, fresh] = m_made.try_emplace(index);
        if (fresh) {
            const std::u16string_view text = m_sst.Text(index);
            if (m_sst.wide[index]) {
                it->second = std::make_shared<const std::u16string>(text);
            } else {
                std::string bytes; // 8-bit strings: every unit fits a byte
                bytes.reserve(text.size());
                for (char16_t u : text)
                    bytes += static_cast<char>(u);
                it->second = std::make_shared<const std::string>(std::move(bytes));
            }
        }
        std::visit([&](const auto& t) { cell.SetShared(t); }, it->second);
        return true;
    }

private:
    const biff::SstTable& m_sst;
    std::unordered_map<std::uint32_t, std::variant<CExcelCell::Text, CExcelCell::WText>> m_made;
};

void StoreText(CExcelCell* cell, const biff::SstString& s) {
    if (!cell)
        return;
    if (s.wide) {
        cell->SetWString(s.text.c_str());
    } else {
        std::string bytes;
        for (char16_t u : s.text) // 8-bit strings: every unit fits a byte
            bytes += static_cast<char>(u);
        cell->SetString(bytes.c_str());
    }
}

void StoreRk(CExcelCell* cell, std::uint32_t rk) {
    const biff::RkValue v = biff::DecodeRk(rk);
    if (!cell)
        return;
    if (v.integer)
        cell->SetInteger(v.i);
    else
        cell->SetDouble(v.d);
}

// One record of a worksheet substream into its cells; false once the
// workbook holds more cells than the reader keeps.
bool ReadCellRecord(CExcelSheet& sheet, const biff::Record& r, SharedStrings& sst,
                    std::size_t& cells) {
    biff::Cursor c(r);
    auto store = [&](unsigned row, unsigned col) { return sheet.Cell(row, col); };
    switch (r.type) {
    case biff::kDimensions: {
        c.U32();
        const std::uint32_t rows = c.U32();
        c.U16();
        const std::uint16_t cols = c.U16();
        if (c.Ok())
            sheet.SetDimensions(rows, cols);
        return true;
    }
    case biff::kNumber: {
        const std::uint16_t row = c.U16(), col = c.U16();
        c.U16();
        const double d = c.F64();
        if (c.Ok())
            if (CExcelCell* cell = store(row, col))
                cell->SetDouble(d);
        return ++cells <= kMaxCells;
    }
    case biff::kRk: {
        const std::uint16_t row = c.U16(), col = c.U16();
        c.U16();
        const std::uint32_t rk = c.U32();
        if (c.Ok())
            StoreRk(store(row, col), rk);
        return ++cells <= kMaxCells;
    }
    case biff::kMulRk: {
        const std::uint16_t row = c.U16(), first = c.U16();
        // colLast closes the record; the cells lie in between, six bytes each.
        if (r.data.size() < 6)
            return true;
        const std::size_t count = (r.data.size() - 6) / 6;
        for (std::size_t k = 0; k < count; ++k) {
            c.U16();
            const std::uint32_t rk = c.U32();
            if (c.Ok())
                StoreRk(store(row, static_cast<unsigned>(first + k)), rk);
            if (++cells > kMaxCells)
                return false;
        }
        return true;
    }
    case biff::kBoolErr: {
        const std::uint16_t row = c.U16(), col = c.U16();
        c.U16();
        const std::uint8_t value = c.U8();
        const std::uint8_t isError = c.U8();
        if (c.Ok() && isError == 0)
            if (CExcelCell* cell = store(row, col))
                cell->SetInteger(value ? 1 : 0);
        return ++cells <= kMaxCells;
    }
    case biff::kLabelSst: {
        const std::uint16_t row = c.U16(), col = c.U16();
        c.U16();
        const std::uint32_t index = c.U32();
        if (c.Ok() && index < sst.Size())
            if (CExcelCell* cell = store(row, col))
                sst.Set(*cell, index);
        return ++cells <= kMaxCells;
    }
    case biff::kLabel:
    case biff::kRString: {
        std::uint16_t row = 0, col = 0;
        biff::SstString text;
        if (biff::ReadLabel(r, row, col, text))
            StoreText(store(row, col), text);
        return ++cells <= kMaxCells;
    }
    default:
        return true;
    }
}

} // namespace

WorkbookProblem CExcelBook::ParseWorkbook(std::span<const std::uint8_t> stream) {
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
    SharedStrings strings(sst);
    std::size_t cells = 0;
    source.tail = r.end;
    // One substream per sheet, in directory order.
    for (std::size_t i = 0; i < m_sheets.size(); ++i) {
        CExcelSheet& sheet = *m_sheets[i];
        if (!reader.Next(r) || r.type != biff::kBof)
            return WorkbookProblem::BrokenStream;
        const std::size_t begin = r.offset;
        int depth = 1; // an embedded object brings its own BOF/EOF pair
        while (depth > 0 && reader.Next(r)) {
            if (r.type == biff::kBof) {
                ++depth;
                continue;
            }
            if (r.type == biff::kEof) {
                --depth;
                continue;
            }
            if (depth == 1 && !ReadCellRecord(sheet, r, strings, cells))
                return WorkbookProblem::TooLarge;
        }
        if (depth > 0)
            return WorkbookProblem::BrokenStream; // the stream ended inside the sheet
        source.sheets.push_back({biff::kBof, begin, r.end});
        source.tail = r.end;
        sheet.m_nSource = static_cast<int>(i);
        sheet.m_bChanged = false; // read, not changed
    }
    return WorkbookProblem::None;
}
