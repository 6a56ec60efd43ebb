// The grid control the editor's lists derive from: a table whose row 0 is
// the header row and whose column 0 is the fixed ordinal column, with cell
// texts, a "selected" cell state, hidden columns, text or numeric sorting,
// header images and row drag and drop. One model holds the texts in rows,
// so thousands of rows fill and sort fast.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QTableView>

#include <vector>

inline constexpr unsigned GVIS_SELECTED = 0x0002;
// The drag data of grid rows.
extern const char* const kGridRowsMime;

struct CCellID {
    int row = -1;
    int col = -1;
    bool IsValid() const { return row >= 0 && col >= 0; }
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
    void SetAlignment(int col, Qt::Alignment alignment);
    void SetToolTips(bool show) { m_bToolTips = show; }
    void DeleteRow(int row);
    void InsertRows(int count); // appends empty data rows
    // Stable sort of the data rows by one column.
    void Sort(int col, bool numeric, bool ascending);

private:
    int m_nColumns = 0;
    bool m_bToolTips = false;
    std::vector<QString> m_header;
    std::vector<QIcon> m_headerIcons;
    std::vector<Qt::Alignment> m_alignment;
    std::vector<std::vector<QString>> m_rows;
};

class CGridCtrl : public QTableView {
    Q_OBJECT
public:
    enum class Compare { Text, Numeric };

    explicit CGridCtrl(QWidget* parent = nullptr);

    void SetColumnCount(int n) { m_model.SetColumnCount(n); }
    int GetColumnCount() const { return m_model.ColumnCount(); }
    void SetRowCount(int n) { m_model.SetRowCount(n); }
    int GetRowCount() const { return m_model.RowCount(); }
    void SetItemText(int row, int col, const QString& text) { m_model.SetText(row, col, text); }
    QString GetItemText(int row, int col) const { return m_model.Text(row, col); }
    void SetItemState(int row, int col, unsigned state);
    unsigned GetItemState(int row, int col) const;
    void SetColHidden(int col, bool hidden);
    bool IsColHidden(int col) const { return isColumnHidden(col); }
    void SetHeaderImage(int col, const QIcon& icon) { m_model.SetHeaderIcon(col, icon); }
    void SetColumnAlignment(int col, Qt::Alignment a) { m_model.SetAlignment(col, a); }
    void SetSingleRowSelection(bool single);
    void EnableDragAndDrop(bool enable);
    // The set-up calls of the grid options.
    void SetFontSize(int points);
    void SetListMode(bool rows);
    void SetShowToolTipText(bool show) { m_model.SetToolTips(show); }
    void SetEditable(bool editable);
    void SetFixedRowCount(int rows) { m_nFixedRows = rows; }
    void SetFixedColumnCount(int cols) { m_nFixedCols = cols; }
    void SetFixedColumnSelection(bool select) { m_bFixedColumnSelection = select; }
    void EnableHiddenColUnhide(bool unhide) { m_bHiddenColUnhide = unhide; }
    void SetAlwaysShowScroll(bool horizontal, bool vertical);
    void SetRowResize(bool resize);
    void SortItems(Compare compare, int col, bool ascending);
    void DeleteRow(int row) { m_model.DeleteRow(row); }
    void Refresh() { viewport()->update(); }
    void RedrawRow(int) { viewport()->update(); }
    void ExpandColumnsToFit();
    CCellID GetFocusCell() const;
    CCellID GetCellFromPt(const QPoint& viewportPoint) const;
    // Data rows (grid numbering) that are selected, in display order.
    std::vector<int> GetSelectedRows() const;
    void ClearSelectionRange() { clearSelection(); }

    // Row drag and drop. A drag starts with OnBeginDrag; while a drag of
    // rows is over this grid OnDragOver tells whether it may drop here.
    virtual void OnBeginDrag() {}
    virtual bool OnDragEnter(const QPoint&) { return true; }
    virtual bool OnDragOver(const QPoint&) { return true; }
    virtual void OnDrop(const QPoint&) {}

signals:
    // A click on a cell (row 0 = header), and a changed selection.
    void CellClicked(int row, int col);
    void SelectionChanged(int row);

protected:
    void startDrag(Qt::DropActions actions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    CGridModel m_model;
    int m_nFixedRows = 1, m_nFixedCols = 1;
    bool m_bFixedColumnSelection = false, m_bHiddenColUnhide = false;
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
