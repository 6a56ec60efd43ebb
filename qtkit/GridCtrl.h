// The grid control the editor's lists derive from: a table whose row 0 is
// the header row and whose column 0 is the fixed ordinal column, with cell
// texts, a "selected" cell state, hidden columns, text or numeric sorting,
// header images and row drag and drop. One model holds the texts in rows,
// so thousands of rows fill and sort fast. Column 1 of every data row holds
// the record key as decimal text; the model keeps the parsed key beside the
// texts and an index from key to row, so the link from a record to its row
// costs no text parsing.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QItemSelectionModel>
#include <QTableView>

#include <cstdint>
#include <functional>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

inline constexpr unsigned GVIS_SELECTED = 0x0002;
// The drag data of grid rows.
extern const char* const kGridRowsMime;

struct CCellID {
    int row = -1;
    int col = -1;
    bool IsValid() const { return row >= 0 && col >= 0; }
};

// The key that column 1's text stands for, read as atoi reads it.
std::uint32_t ParseRowKey(const QString& text);
// The leading integer of a cell's text as the numeric sort reads it.
long ParseCellNumber(const QString& text);

// Where the cells of keyed rows come from. A grid whose rows each stand for
// one record can keep only the keys and have the texts made when rows are
// drawn, read or sorted, so a rebuild of thousands of rows makes no text.
class IGridRowSource {
public:
    virtual ~IGridRowSource() = default;
    // The text of column `col` (2 and up) in the row of record `key`.
    virtual QString CellText(std::uint32_t key, int col) const = 0;
    // The number the numeric sort reads from that text.
    virtual long CellNumber(std::uint32_t key, int col) const {
        return ParseCellNumber(CellText(key, col));
    }
};

class CGridModel final : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Grid rows: 0 is the header, data rows are 1 .. RowCount()-1.
    int RowCount() const { return static_cast<int>(m_rows.size()) + 1; }
    int ColumnCount() const { return m_nColumns; }
    void SetColumnCount(int n);
    void SetRowCount(int n);
    void SetText(int row, int col, const QString& text);
    QString Text(int row, int col) const;
    void SetHeaderIcon(int col, const QIcon& icon);
    void SetHeaderToolTip(int col, const QString& tip);
    void SetAlignment(int col, Qt::Alignment alignment);
    void SetToolTips(bool show) { m_bToolTips = show; }
    void DeleteRow(int row);
    // Deletes these data rows (any order, repeats allowed), one removal per
    // run of adjacent rows.
    void DeleteRows(std::vector<int> rows);
    void InsertRows(int count); // appends empty data rows
    // Stable sort of the data rows by one column; each row's value is read
    // once per sort; persistent indexes follow their rows.
    void Sort(int col, bool numeric, bool ascending);

    // Keyed rows: every data row is replaced by one row per key, in this
    // order, whose column 1 is the key, column 0 the number NumberRows
    // gives it, and the other columns the row source's texts. A keyed row
    // whose text is set becomes a row of stored texts.
    void SetRowSource(const IGridRowSource* source) { m_pSource = source; }
    void SetKeyedRows(std::span<const std::uint32_t> keys);
    // Column 0 of every data row becomes its row number, as one change.
    void NumberRows();
    // The cells of a row changed (for a keyed row: its record did).
    void RowChanged(int row);
    // Rows first to last changed, as one change.
    void RowsChanged(int first, int last);
    bool IsKeyed(int row) const {
        return row >= 1 && row < RowCount() && m_rows[static_cast<std::size_t>(row - 1)].keyed;
    }
    // Changes made between BeginBulk and EndBulk reach the views as one
    // reset at the end instead of one signal per row and cell. Nests.
    void BeginBulk();
    void EndBulk();

    // The key of a data row (0 for the header row or a row past the end),
    // and the first data row with a key (0 when none has it).
    std::uint32_t Key(int row) const;
    int FindRowByKey(std::uint32_t key) const;

private:
    struct Row {
        std::uint32_t key = 0;
        bool keyed = false; // cells come from the row source
        int number = 0;     // a keyed row's column 0; 0 shows nothing
        std::vector<QString> cells;
    };
    void RebuildKeyIndex();
    QString CellOf(const Row& row, int col) const;
    // A keyed row takes its texts as stored ones.
    void Store(Row& row) const;
    bool Quiet() const { return m_nBulk > 0; }

    int m_nColumns = 0;
    bool m_bToolTips = false;
    std::vector<QString> m_header;
    std::vector<QIcon> m_headerIcons;
    std::vector<QString> m_headerTips;
    std::vector<Qt::Alignment> m_alignment;
    std::vector<Row> m_rows;
    // Key -> model row (grid row - 1) of the first row with that key.
    std::unordered_map<std::uint32_t, int> m_keyIndex;
    // Set when a key was overwritten that another row might also carry; the
    // next lookup rebuilds the index from the stored keys.
    mutable bool m_bKeyIndexStale = false;
    const IGridRowSource* m_pSource = nullptr;
    int m_nBulk = 0;
};

// The grid's selection. Qt keeps a selection as the list of ranges it was
// made of, unmerged, and compares the whole old list with the whole new one
// on every change: clicking rows one at a time costs more with each row.
// Here a selection of whole rows is kept as disjoint runs of rows, adjacent
// rows merged, and the stored selection is always exactly those runs; a
// click costs what the number of runs costs, not the number of rows, and
// the views are told only of the rows that changed. The meaning of every
// command (Clear, Select, Deselect, Toggle, Current, Rows) is Qt's; a
// selection that is not of whole rows is left to Qt as it is.
class CGridSelectionModel final : public QItemSelectionModel {
public:
    explicit CGridSelectionModel(QAbstractItemModel* model, QObject* parent = nullptr);

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, SelectionFlags command) override;
    void clear() override;
    void reset() override;
    // Every data row selected (so every column is), without a walk; false
    // for a selection not of whole rows.
    bool AllRowsSelected();

    // Model rows first..last, inclusive.
    struct Run {
        int first;
        int last;
        bool operator==(const Run&) const = default;
    };
    using Runs = std::vector<Run>;

private:
    // Reads the runs back from the stored selection after anything but this
    // class changed it (rows inserted, removed or sorted, a reset); false
    // when the stored selection is not of whole rows.
    bool Sync();
    // The store changed outside this class: read it back before the next use.
    void MarkStale();
    QItemSelection ToSelection(const Runs& runs) const;
    // Makes the stored selection exactly these runs and tells the views
    // the rows that changed.
    void Store(Runs now);
    // The ranges of these runs, those of unchanged runs shared with m_store.
    QItemSelection StoreOf(const Runs& runs) const;
    // A sort keeps Qt's two parts apart (a Shift click after it replaces
    // the current part only), so the rows of each part are followed through
    // it one by one.
    void SaveForLayout();
    void RestoreAfterLayout();

    // Qt's two parts of a selection: what earlier commands left, and what
    // the last command selects (which a command with Current replaces),
    // applied with that command.
    Runs m_committed, m_current;
    SelectionFlags m_currentCommand = NoUpdate;
    Runs m_selected;        // the two applied
    bool m_bStored = true;  // the store holds exactly m_selected's runs
    QItemSelection m_store; // those runs as stored, while m_bStored
    bool m_bStale = true;
    bool m_bRows = true;
    std::vector<QPersistentModelIndex> m_layoutCommitted, m_layoutCurrent;
};

class CGridCtrl : public QTableView {
    Q_OBJECT
public:
    enum class Compare { Text, Numeric };
    // What a key-down hook did with the key.
    enum class Key { PassOn, Consumed };

    explicit CGridCtrl(QWidget* parent = nullptr);

    void SetColumnCount(int n) { m_model.SetColumnCount(n); }
    int GetColumnCount() const { return m_model.ColumnCount(); }
    void SetRowCount(int n) { m_model.SetRowCount(n); }
    int GetRowCount() const { return m_model.RowCount(); }
    void SetItemText(int row, int col, const QString& text) { m_model.SetText(row, col, text); }
    QString GetItemText(int row, int col) const { return m_model.Text(row, col); }
    // The selected state is kept per row: any column sets or reads the row's.
    void SetItemState(int row, int col, unsigned state);
    unsigned GetItemState(int row, int col) const;
    void SetColHidden(int col, bool hidden);
    bool IsColHidden(int col) const { return isColumnHidden(col); }
    void SetHeaderImage(int col, const QIcon& icon) { m_model.SetHeaderIcon(col, icon); }
    // What the header cell says when the pointer rests on it (the columns
    // whose header is an image name themselves this way).
    void SetHeaderToolTip(int col, const QString& tip) { m_model.SetHeaderToolTip(col, tip); }
    void SetColumnAlignment(int col, Qt::Alignment a) { m_model.SetAlignment(col, a); }
    void SetSingleRowSelection(bool single);
    void EnableDragAndDrop(bool enable);
    // The set-up calls of the grid options. The stand-in always has exactly
    // one fixed row and one fixed column, the fixed column never selects and
    // a hidden column never comes back by dragging, so those options have
    // no calls here.
    void SetFontSize(int points);
    void SetListMode(bool rows);
    void SetShowToolTipText(bool show) { m_model.SetToolTips(show); }
    void SetEditable(bool editable);
    void SetAlwaysShowScroll(bool horizontal, bool vertical);
    void SetRowResize(bool resize);
    void SortItems(Compare compare, int col, bool ascending);
    // Keyed rows (see CGridModel): the grid's rows become these keys.
    void SetRowSource(const IGridRowSource* source) { m_model.SetRowSource(source); }
    void SetKeyedRows(std::span<const std::uint32_t> keys) { m_model.SetKeyedRows(keys); }
    void NumberRows() { m_model.NumberRows(); }
    // Redraws a row whose cells (or record) changed.
    void UpdateRow(int row) { m_model.RowChanged(row); }
    void UpdateRows(int first, int last) { m_model.RowsChanged(first, last); }
    bool IsKeyedRow(int row) const { return m_model.IsKeyed(row); }

    // Everything done to the rows while the guard lives reaches the view as
    // one reset: a fill of many rows costs no signal per row or cell.
    class BulkUpdate {
    public:
        explicit BulkUpdate(CGridModel& model) : m_pModel(&model) { model.BeginBulk(); }
        BulkUpdate(BulkUpdate&& other) noexcept : m_pModel(other.m_pModel) {
            other.m_pModel = nullptr;
        }
        BulkUpdate(const BulkUpdate&) = delete;
        BulkUpdate& operator=(const BulkUpdate&) = delete;
        BulkUpdate& operator=(BulkUpdate&&) = delete;
        ~BulkUpdate() {
            if (m_pModel)
                m_pModel->EndBulk();
        }

    private:
        CGridModel* m_pModel;
    };
    [[nodiscard]] BulkUpdate Bulk() { return BulkUpdate(m_model); }
    void DeleteRow(int row) { m_model.DeleteRow(row); }
    void DeleteRows(std::vector<int> rows) { m_model.DeleteRows(std::move(rows)); }
    void Refresh() { viewport()->update(); }
    void RedrawRow(int) { viewport()->update(); }
    void ExpandColumnsToFit();
    CCellID GetFocusCell() const;
    CCellID GetCellFromPt(const QPoint& viewportPoint) const;
    // Data rows (grid numbering) that are selected, in display order.
    std::vector<int> GetSelectedRows() const;
    // How many there are, without listing them.
    int GetSelectedRowCount() const;
    void ClearSelectionRange() { clearSelection(); }

    // Record keys: column 1 of a data row as an integer; 0 for the header
    // row and rows past the end. The row of a key is found without a scan.
    std::uint32_t GetRowKey(int row) const { return m_model.Key(row); }
    int FindRowByKey(std::uint32_t key) const { return m_model.FindRowByKey(key); }

    // Bulk selection, as one selection change: every data row for which
    // `pick` (grid row) is true becomes selected, every other one
    // unselected. Returns the number of rows selected.
    int SelectRowsWhere(const std::function<bool(int row)>& pick);
    // The same for the rows whose keys are in `keys` (keys without a row
    // are skipped). Returns the number of rows selected.
    int SelectRowsByKey(std::span<const std::uint32_t> keys);

    // Row drag and drop. A drag starts with OnBeginDrag; while a drag of
    // rows is over this grid OnDragOver tells whether it may drop here.
    virtual void OnBeginDrag() {}
    virtual bool OnDragEnter(const QPoint&) { return true; }
    virtual bool OnDragOver(const QPoint&) { return true; }
    virtual void OnDrop(const QPoint&) {}

    // Hooks for the grids' own commands, points in viewport coordinates.
    // The right button was released (after the control's own handling).
    virtual void OnRButtonUp(const QPoint&) {}
    // A key went down; PassOn lets the control handle it as usual.
    virtual Key OnKeyDown(const QKeyEvent&) { return Key::PassOn; }
    // A double click, before the control's own handling.
    virtual void OnLButtonDblClk(const QPoint&) {}

    // The Menu key and Shift+F10 open the menu a right click opens, at the
    // current cell (or the top left of the rows when none is current or it
    // is out of sight): OnRButtonUp with that point. The selection stays.
    static bool IsMenuKey(const QKeyEvent& event);
    QPoint KeyboardMenuPoint() const;

signals:
    // A click on a cell (row 0 = header), and a changed current row.
    void CellClicked(int row, int col);
    void SelectionChanged(int row);

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The rows, then the focus frame while the grid has the focus.
    void paintEvent(QPaintEvent* event) override;

private:
    // The selected model rows as ascending, disjoint runs (first, last).
    std::vector<std::pair<int, int>> SelectedRuns() const;
    // Replaces the selection by these model rows (ascending), one change.
    void SelectModelRows(const std::vector<int>& rows);

    CGridModel m_model;
};

// Registers a grid as a target for row drops (the grid control already
// takes drops once drag and drop is on; this names the registration).
class CGridDropTarget {
public:
    bool Register(CGridCtrl* grid) {
        if (!grid)
            return false;
        grid->setAcceptDrops(true);
        return true;
    }
};
