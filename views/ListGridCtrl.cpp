#include "views/ListGridCtrl.h"

#include "qtkit/Translation.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>
#include <vector>

CListGridCtrl::CListGridCtrl(const ViewContext& context, int dragId, QWidget* parent)
    : CGridCtrl(parent), m_frame(context.frame), m_ui(context.ui), m_session(context.session),
      m_nDragId(dragId) {}

void CListGridCtrl::SetupColumns(const std::vector<GridColumn>& columns, bool singleRowSelection) {
    SetColumnCount(static_cast<int>(columns.size()));
    SetRowCount(1);
    SetFontSize(8);
    SetListMode(true);
    SetShowToolTipText(true);
    SetEditable(false); // every edit goes through a dialog
    // One fixed row and one fixed column, which never selects, and no
    // unhiding of hidden columns are how the grid control always is.
    if (singleRowSelection)
        SetSingleRowSelection(true);
    EnableDragAndDrop(true);
    if (singleRowSelection)
        SetAlwaysShowScroll(true, true);
    SetRowResize(false);
    const QFontMetrics metrics(font());
    for (int c = 0; c < GetColumnCount(); ++c) {
        const auto& column = columns[static_cast<std::size_t>(c)];
        const QString header = Text(column.header);
        SetItemText(0, c, header);
        // The template's width plus 5, and room for the header's sort margin;
        // a translated header wider than that widens its column.
        int width = metrics.horizontalAdvance(column.widthTemplate);
        if (header != QLatin1String(column.header))
            width = std::max(width, metrics.horizontalAdvance(header));
        setColumnWidth(c, width + 5 + 12);
    }
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void CListGridCtrl::ClearRows() {
    const bool hide = GetRowCount() > 50 && isVisible();
    if (hide)
        setUpdatesEnabled(false);
    SetRowCount(1);
    if (hide)
        setUpdatesEnabled(true);
    ClearSelectionRange();
    Refresh();
}

void CListGridCtrl::RenumberIndexColumn() {
    NumberRows(); // "%d" of rows 1 to n-1, one change for the column
}

void CListGridCtrl::SetRowSelected(int row, bool on) {
    // The state is the row's, so one cell sets it for every non-fixed column.
    SetItemState(row, 1, on ? GVIS_SELECTED : 0);
    RedrawRow(row);
}

void CListGridCtrl::RemoveRow(int row) {
    if (row > 0 && row < GetRowCount())
        DeleteRow(row);
    RenumberIndexColumn();
    Refresh();
}

void CListGridCtrl::SetRowCells(int row, const QStringList& cells) {
    if (row < 1 || row >= GetRowCount())
        return;
    for (int c = 1; c < cells.size() && c < GetColumnCount(); ++c)
        SetItemText(row, c, cells[c]);
    RedrawRow(row);
}

void CListGridCtrl::RemoveRowsByKey(std::span<const std::uint32_t> keys) {
    std::vector<int> rows;
    for (std::uint32_t key : keys)
        if (const int row = FindRowByKey(key))
            rows.push_back(row);
    if (rows.empty())
        return;
    DeleteRows(rows);
    RenumberIndexColumn();
    Refresh();
}

int CListGridCtrl::AppendRow(const QStringList& cells) {
    const int row = GetRowCount();
    SetRowCount(row + 1);
    for (int c = 0; c < cells.size() && c < GetColumnCount(); ++c)
        SetItemText(row, c, cells[c]);
    return row;
}

void CListGridCtrl::OnBeginDrag() {
    m_frame.SendMessage(WM_GRID_DRAG_BEGIN, static_cast<std::uintptr_t>(m_nDragId), 0);
}

void CListGridCtrl::OnDrop(const QPoint& point) {
    const CCellID cell = GetCellFromPt(point);
    m_frame.SendMessage(WM_GRID_DROP, static_cast<std::uintptr_t>(m_nDragId),
                        static_cast<std::intptr_t>(GetRowKey(cell.row)));
}

KeyPress GridKeyPress(const QKeyEvent& event) {
    KeyPress key;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key.key = kKeyEnter;
        break;
    case Qt::Key_Delete:
        key.key = kKeyDelete;
        break;
    default:
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
            key.key = 'A' + (event.key() - Qt::Key_A);
        break;
    }
    key.ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    key.alt = event.modifiers().testFlag(Qt::AltModifier);
    return key;
}
