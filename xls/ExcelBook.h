// An Excel 97-2003 workbook (BIFF8 in a compound file) as typed cell tables
// per worksheet: read from a file, built in memory, written back. A workbook
// read whole keeps everything this program does not understand (the other
// sheets' records, the global records, the other streams of the compound
// file) and writes it back verbatim around what was changed.
#pragma once

#include "platform/Phrase.h"
#include "xls/CompoundFile.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The shared strings and the stream of a workbook read from a file, shared
// by its sheets: a read sheet's cells are found in the stream when asked for,
// and their shared texts are views into one buffer.
struct ExcelBookData;

class CExcelCell {
public:
    enum Type : int { kEmpty = 0, kInteger = 1, kDouble = 2, kString = 3, kWString = 4 };
    using Text = std::shared_ptr<const std::string>;
    using WText = std::shared_ptr<const std::u16string>;

    CExcelCell() = default;
    CExcelCell(const CExcelCell& other) { CopyFrom(other); }
    CExcelCell(CExcelCell&& other) noexcept;
    CExcelCell& operator=(const CExcelCell& other);
    CExcelCell& operator=(CExcelCell&& other) noexcept;
    ~CExcelCell() { Clear(); }

    int Type() const { return m_type; }
    // An integer's value, a double truncated toward zero, 0 otherwise.
    std::int32_t GetInteger() const { return m_type == kInteger ? m_value.i : NumberAsInteger(); }
    double GetDouble() const;
    // The text of a type-3 (8-bit) or type-4 (16-bit) cell; null for other types.
    const char* GetString() const { return m_type == kString ? m_value.s : nullptr; }
    const char16_t* GetWString() const { return m_type == kWString ? m_value.w : nullptr; }

    void SetInteger(std::int32_t value) {
        Clear();
        m_type = kInteger;
        m_value.i = value;
    }
    void SetDouble(double value) {
        Clear();
        m_type = kDouble;
        m_value.d = value;
    }
    // An empty text makes the cell empty; the cell holds a copy.
    void SetString(const char* text);
    void SetWString(const char16_t* text);
    // The cell takes a copy of a shared text; an empty text makes it empty.
    template <class T> void SetShared(std::shared_ptr<const T> text) {
        if (text && !text->empty())
            Set(text->c_str());
        else
            Clear();
    }
    // Inline: a sheet being written clears and sets every cell of every row,
    // and only copied texts have anything to free.
    void Clear() {
        if (m_bOwned)
            FreeText();
        m_bOwned = false;
        m_type = kEmpty;
        m_value.d = 0;
    }

    // A text that lives elsewhere, at least as long as the cell (the
    // zero-terminated texts of a read workbook's string buffer); empty text
    // makes the cell empty.
    void View(const char* text);
    void View(const char16_t* text);

private:
    void Set(const char* text) { SetString(text); }
    void Set(const char16_t* text) { SetWString(text); }
    void CopyFrom(const CExcelCell& other);
    void FreeText() noexcept;
    std::int32_t NumberAsInteger() const;

    // Sixteen bytes, no allocation for numbers or viewed texts.
    union Value {
        std::int32_t i;
        double d;
        const char* s;
        const char16_t* w;
    } m_value{};
    std::uint8_t m_type = kEmpty;
    bool m_bOwned = false; // the text was copied in and is freed with the cell
};

class CExcelSheet {
public:
    CExcelSheet(std::string name, bool wideName);
    ~CExcelSheet();
    CExcelSheet(const CExcelSheet&) = delete;
    CExcelSheet& operator=(const CExcelSheet&) = delete;

    unsigned GetTotalRows() const { return m_nRows; }
    unsigned GetTotalCols() const { return m_nCols; }
    // The cell, growing the table when row or col lie beyond it; null for
    // row >= 65536 or col >= 256. The pointer stays valid until the next
    // Cell call on the same row. A sheet read from a file whose cells are
    // asked for this way is written anew, from its cells alone.
    CExcelCell* Cell(unsigned row, unsigned col);
    // Reading without growing: an empty cell where nothing is stored. The
    // first call on a sheet read from a file (or made by a row maker) builds
    // its table of cells: a sheet is not for use from two threads at once.
    const CExcelCell& At(unsigned row, unsigned col) const;

    // The name's bytes; for a name stored with 16-bit characters, its UTF-16
    // code units as little-endian pairs.
    const std::string& Name() const { return m_name; }
    bool WideName() const { return m_bWideName; }
    void Rename(std::string name) {
        m_name = std::move(name);
        m_bWideName = false;
        m_bRenamed = true;
    }

    // Sets the size a read DIMENSIONS record gives (clamped to the format;
    // never below the cells already stored).
    void SetDimensions(std::uint32_t rows, std::uint32_t cols);
    // The stored cells of one row, in column order.
    using Row = std::vector<std::pair<std::uint16_t, CExcelCell>>;
    // The rows that hold a cell, in order, each with its stored cells in
    // column order (builds the table of cells, as At does).
    const std::vector<std::pair<std::uint32_t, Row>>& Rows() const;
    // How many rows ForEachRow visits at most, without visiting them.
    std::size_t RowsHeld() const;
    // The same rows one at a time, without building the table: a read sheet
    // is decoded row by row from the workbook's stream. `row` is valid for
    // the call only.
    void ForEachRow(const std::function<void(std::uint32_t index, const Row& row)>& visit) const;

    // ForEachRow with each row in a buffer of the visitor's to keep (swap
    // it out): a stored row is copied into it.
    void Walk(const std::function<void(std::uint32_t index, Row& row)>& visit) const;

    // Rows 0 to rows - 1 made when they are read or written, by `make`, in
    // place of stored cells: a large sheet written once never holds all its
    // cells. `row` comes empty or holding an earlier row's cells, whose room
    // the maker reuses: it sets the row whole (size, columns and values). The
    // maker must give the same cells each time it is asked. The sheet counts
    // as changed.
    using RowMaker = std::function<void(std::uint32_t index, Row& row)>;
    void SetRowMaker(std::uint32_t rows, std::uint32_t cols, RowMaker make);

private:
    friend class CExcelBook;
    struct Source;
    // Turns a read or made sheet into its table of cells.
    void Materialize() const;
    CExcelCell* Store(unsigned row, unsigned col);

    std::string m_name;
    bool m_bWideName;
    unsigned m_nRows = 0, m_nCols = 0;
    // Sparse: only rows and cells that were stored or asked for exist, so a
    // hostile DIMENSIONS record, or one cell far down, costs nothing. Rows
    // in order, each row's cells in one vector.
    mutable std::vector<std::pair<std::uint32_t, Row>> m_rows;
    // Where the cells still are: in the stream read (the record index), or
    // with the row maker; null once the table holds them.
    mutable std::unique_ptr<Source> m_pSource;
    mutable RowMaker m_maker;
    mutable std::uint32_t m_nMadeRows = 0;
    // The read workbook's strings and stream, which read cells view.
    std::shared_ptr<const ExcelBookData> m_data;
    // The substream this sheet was read from (-1: made here), and whether it
    // was changed since, so it can be written back as it was.
    int m_nSource = -1;
    bool m_bChanged = false;
    bool m_bRenamed = false;
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
    Encrypted,        // protected with a password
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
    // Whether a save writes back everything read (the workbook was read
    // whole, with every stream of its compound file); `why` says why not.
    bool KeepsEverything(Phrase* why = nullptr) const;
    void New(unsigned sheetCount);
    // Replaces the file at `path` atomically; on failure Error() says why and
    // an existing file is left as it was.
    bool SaveAs(const std::string& path);
    const Phrase& Said() const { return m_said; }
    std::string Error() const { return English(m_said); }
    // The complete file as SaveAs would write it; empty without a workbook,
    // or when it cannot be written (Error() then says why).
    std::vector<std::uint8_t> SaveToMemory();

    std::size_t SheetCount() const { return m_sheets.size(); }
    CExcelSheet* Sheet(std::size_t index) { return m_sheets.at(index).get(); }

    CExcelSheet* AddWorksheet(const char* name);
    CExcelSheet* AddWorksheet();
    bool DeleteWorksheet(const char* name);
    bool RenameWorksheet(const char* from, const char* to);
    CExcelSheet* GetWorksheet(const char* name);
    // An empty sheet in place of the sheet `name` (same position, so the
    // other sheets' references by position stay right); null when none.
    CExcelSheet* ReplaceWorksheet(const char* name);

private:
    // What was read, for writing it back: the "Workbook" stream, where each
    // global record and each sheet's substream lie in it, and every entry
    // of the compound file.
    struct Source {
        struct Span {
            std::uint16_t type;
            std::size_t begin, end; // stream positions, CONTINUE records included
        };
        std::span<const std::uint8_t> stream; // held by `data`
        std::vector<Span> globals;
        std::vector<Span> sheets; // substream of each sheet in directory order
        std::vector<std::vector<std::uint8_t>> boundSheets; // their BOUNDSHEET data
        std::size_t tail = 0;                               // bytes after the last substream
        std::vector<cfb::DirectoryEntry> container;
        std::size_t workbookEntry = 0;
        bool whole = false; // every stream of the container was read
    };

    void Reset();
    bool Open(std::span<const std::uint8_t> file, std::string* owner);
    void DefaultGlobals();
    WorkbookProblem ParseWorkbook(std::span<const std::uint8_t> stream);
    void SetProblem(WorkbookProblem problem);
    std::vector<std::uint8_t> BuildStream() const;
    bool BuildPatchedStream(std::vector<std::uint8_t>& out);
    std::uint16_t CellFormat() const;

    bool m_bHolds = false;
    WorkbookProblem m_problem = WorkbookProblem::None;
    Phrase m_said;
    std::vector<std::vector<std::uint8_t>> m_fonts, m_xfs, m_styles; // record data
    std::vector<std::unique_ptr<CExcelSheet>> m_sheets;
    std::unique_ptr<Source> m_source;
    std::shared_ptr<ExcelBookData> m_data;
};
