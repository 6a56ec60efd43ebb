// An Excel 97-2003 workbook (BIFF8 in a compound file) as typed cell tables
// per worksheet: read from a file, built in memory, written back.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CExcelCell {
public:
    enum Type : int { kEmpty = 0, kInteger = 1, kDouble = 2, kString = 3, kWString = 4 };

    int Type() const { return m_nType; }
    // An integer's value, a double truncated toward zero, 0 otherwise.
    std::int32_t GetInteger() const;
    double GetDouble() const;
    // The text of a type-3 (8-bit) or type-4 (16-bit) cell; null for other types.
    const char* GetString() const { return m_nType == kString ? m_strText.c_str() : nullptr; }
    const char16_t* GetWString() const {
        return m_nType == kWString ? m_wstrText.c_str() : nullptr;
    }

    void SetInteger(std::int32_t value);
    void SetDouble(double value);
    // An empty text makes the cell empty.
    void SetString(const char* text);
    void SetWString(const char16_t* text);
    void Clear();

private:
    int m_nType = kEmpty;
    std::int32_t m_nValue = 0;
    double m_dValue = 0;
    std::string m_strText;
    std::u16string m_wstrText;
};

class CExcelSheet {
public:
    CExcelSheet(std::string name, bool wideName) : m_name(std::move(name)), m_bWideName(wideName) {}

    unsigned GetTotalRows() const { return m_nRows; }
    unsigned GetTotalCols() const { return m_nCols; }
    // The cell, growing the table when row or col lie beyond it; null for
    // row >= 65536 or col >= 256. The pointer stays valid until the next
    // Cell call on the same row.
    CExcelCell* Cell(unsigned row, unsigned col);
    // Reading without growing: an empty cell where nothing is stored.
    const CExcelCell& At(unsigned row, unsigned col) const;

    // The name's bytes; for a name stored with 16-bit characters, its UTF-16
    // code units as little-endian pairs.
    const std::string& Name() const { return m_name; }
    bool WideName() const { return m_bWideName; }
    void Rename(std::string name) {
        m_name = std::move(name);
        m_bWideName = false;
    }

    // Sets the size a read DIMENSIONS record gives (clamped to the format).
    void SetDimensions(std::uint32_t rows, std::uint32_t cols);
    // The rows that hold a cell, in order, each with its stored cells in
    // column order.
    using Row = std::vector<std::pair<std::uint16_t, CExcelCell>>;
    const std::map<std::uint32_t, Row>& Rows() const { return m_rows; }

private:
    std::string m_name;
    bool m_bWideName;
    unsigned m_nRows = 0, m_nCols = 0;
    // Sparse: only rows and cells that were stored or asked for exist, so a
    // hostile DIMENSIONS record, or one cell far down, costs nothing.
    std::map<std::uint32_t, Row> m_rows;
};

// Why a workbook could not be read whole.
enum class WorkbookProblem {
    None,
    Unreadable,       // missing, not a regular file, too large, or a read error
    NotCompound,      // no compound-file signature: not an .xls at all
    DamagedContainer, // the compound file's tables or directory are broken
    NoWorkbookStream, // a compound file without a "Workbook" stream
    BrokenStream,     // the stream ends early or its sectors chain wrongly
    BrokenSst,        // the shared string table does not parse
    TooLarge,         // more cells or sheets than the reader keeps
};

// No workbook the program writes comes near this; a larger file is refused
// before it is read.
inline constexpr std::uint64_t kMaxWorkbookFileBytes = std::uint64_t{64} << 20;

class CExcelBook {
public:
    CExcelBook() = default;
    ~CExcelBook();
    CExcelBook(const CExcelBook&) = delete;
    CExcelBook& operator=(const CExcelBook&) = delete;

    // False only when the file cannot be opened as a compound file. A
    // workbook that loads only in part still loads; Problem() then says what
    // is wrong and Error() says it in words.
    bool Load(const std::string& path);
    bool LoadFromMemory(std::span<const std::uint8_t> file);
    WorkbookProblem Problem() const { return m_problem; }
    void New(unsigned sheetCount);
    // Replaces the file at `path` atomically; on failure Error() says why and
    // an existing file is left as it was.
    bool SaveAs(const std::string& path);
    const std::string& Error() const { return m_strError; }
    // The complete file as SaveAs would write it; empty without a workbook.
    std::vector<std::uint8_t> SaveToMemory() const;

    std::size_t SheetCount() const { return m_sheets.size(); }
    CExcelSheet* Sheet(std::size_t index) { return m_sheets.at(index).get(); }

    CExcelSheet* AddWorksheet(const char* name);
    CExcelSheet* AddWorksheet();
    bool DeleteWorksheet(const char* name);
    bool RenameWorksheet(const char* from, const char* to);
    CExcelSheet* GetWorksheet(const char* name);

private:
    void Reset();
    void DefaultGlobals();
    WorkbookProblem ParseWorkbook(std::span<const std::uint8_t> stream);
    void SetProblem(WorkbookProblem problem);

    bool m_bHolds = false;
    WorkbookProblem m_problem = WorkbookProblem::None;
    std::string m_strError;
    std::vector<std::vector<std::uint8_t>> m_fonts, m_xfs, m_styles; // record data
    std::vector<std::unique_ptr<CExcelSheet>> m_sheets;
};
