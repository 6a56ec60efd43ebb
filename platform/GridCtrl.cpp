#include "platform/GridCtrl.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>

#include <algorithm>
#include <numeric>

const char* const kGridRowsMime = "application/x-velmar-grid-rows";

namespace {
const char* const kRowsMime = kGridRowsMime;

// The leading integer of a text, as atoi reads it.
long Number(const QString& text) {
    return std::strtol(text.toLatin1().constData(), nullptr, 10);
}
} // namespace

// ---- Model ------------------------------------------------------------------------

int CGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_nColumns;
}

QVariant CGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size()))
        return {};
    if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && m_bToolTips))
        return m_rows[static_cast<std::size_t>(index.row())]
                     [static_cast<std::size_t>(index.column())];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_alignment[static_cast<std::size_t>(index.column())]);
    return {};
}

QVariant CGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_nColumns)
        return {};
    if (role == Qt::DisplayRole)
        return m_header[static_cast<std::size_t>(section)];
    if (role == Qt::DecorationRole && !m_headerIcons[static_cast<std::size_t>(section)].isNull())
        return m_headerIcons[static_cast<std::size_t>(section)];
    return {};
}

Qt::ItemFlags CGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled
                           : Qt::ItemIsDropEnabled;
}

void CGridModel::SetColumnCount(int n) {
    beginResetModel();
    m_nColumns = n;
    m_header.assign(static_cast<std::size_t>(n), {});
    m_headerIcons.assign(static_cast<std::size_t>(n), {});
    m_alignment.assign(static_cast<std::size_t>(n), Qt::AlignLeft | Qt::AlignVCenter);
    for (auto& row : m_rows)
        row.resize(static_cast<std::size_t>(n));
    endResetModel();
}

void CGridModel::SetRowCount(int n) {
    const int data = std::max(0, n - 1);
    const int now = static_cast<int>(m_rows.size());
    if (data > now)
        InsertRows(data - now);
    else if (data < now) {
        beginRemoveRows({}, data, now - 1);
        m_rows.resize(static_cast<std::size_t>(data));
        endRemoveRows();
    }
}

void CGridModel::InsertRows(int count) {
    const int now = static_cast<int>(m_rows.size());
    beginInsertRows({}, now, now + count - 1);
    m_rows.resize(static_cast<std::size_t>(now + count),
                  std::vector<QString>(static_cast<std::size_t>(m_nColumns)));
    endInsertRows();
}

void CGridModel::SetText(int row, int col, const QString& text) {
    if (col < 0 || col >= m_nColumns || row < 0 || row >= RowCount())
        return;
    if (row == 0) {
        m_header[static_cast<std::size_t>(col)] = text;
        emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    m_rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)] = text;
    const QModelIndex at = index(row - 1, col);
    emit dataChanged(at, at, {Qt::DisplayRole});
}

QString CGridModel::Text(int row, int col) const {
    if (col < 0 || col >= m_nColumns || row < 0 || row >= RowCount())
        return {};
    return row == 0 ? m_header[static_cast<std::size_t>(col)]
                    : m_rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
}

void CGridModel::SetHeaderIcon(int col, const QIcon& icon) {
    if (col >= 0 && col < m_nColumns) {
        m_headerIcons[static_cast<std::size_t>(col)] = icon;
        emit headerDataChanged(Qt::Horizontal, col, col);
    }
}

void CGridModel::SetAlignment(int col, Qt::Alignment alignment) {
    if (col >= 0 && col < m_nColumns)
        m_alignment[static_cast<std::size_t>(col)] = alignment;
}

void CGridModel::DeleteRow(int row) {
    if (row < 1 || row >= RowCount())
        return;
    beginRemoveRows({}, row - 1, row - 1);
    m_rows.erase(m_rows.begin() + (row - 1));
    endRemoveRows();
}

void CGridModel::Sort(int col, bool numeric, bool ascending) {
    if (col < 0 || col >= m_nColumns)
        return;
    const auto c = static_cast<std::size_t>(col);
    emit layoutAboutToBeChanged();
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const auto& a, const auto& b) {
        const bool less = numeric ? Number(a[c]) < Number(b[c]) : a[c].compare(b[c]) < 0;
        const bool greater = numeric ? Number(b[c]) < Number(a[c]) : b[c].compare(a[c]) < 0;
        return ascending ? less : greater;
    });
    emit layoutChanged();
}

// ---- View -------------------------------------------------------------------------

CGridCtrl::CGridCtrl(QWidget* parent) : QTableView(parent) {
    setModel(&m_model);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    connect(this, &QTableView::clicked, this,
            [this](const QModelIndex& i) { emit CellClicked(i.row() + 1, i.column()); });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int col) { emit CellClicked(0, col); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now, const QModelIndex&) {
                if (now.isValid())
                    emit SelectionChanged(now.row() + 1);
            });
}

void CGridCtrl::SetFontSize(int points) {
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 4);
}

void CGridCtrl::SetListMode(bool rows) {
    setSelectionBehavior(rows ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

void CGridCtrl::SetEditable(bool editable) {
    setEditTriggers(editable ? QAbstractItemView::DoubleClicked
                             : QAbstractItemView::NoEditTriggers);
}

void CGridCtrl::SetAlwaysShowScroll(bool horizontal, bool vertical) {
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

void CGridCtrl::SetRowResize(bool resize) {
    verticalHeader()->setSectionResizeMode(resize ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void CGridCtrl::SetItemState(int row, int, unsigned state) {
    if (row < 1 || row >= GetRowCount())
        return;
    const QItemSelectionModel::SelectionFlags flags =
        (state & GVIS_SELECTED) ? QItemSelectionModel::Select : QItemSelectionModel::Deselect;
    selectionModel()->select(m_model.index(row - 1, 0), flags | QItemSelectionModel::Rows);
}

unsigned CGridCtrl::GetItemState(int row, int) const {
    if (row < 1 || row >= GetRowCount())
        return 0;
    return selectionModel()->isRowSelected(row - 1, {}) ? GVIS_SELECTED : 0;
}

void CGridCtrl::SetColHidden(int col, bool hidden) {
    setColumnHidden(col, hidden);
}

void CGridCtrl::SetSingleRowSelection(bool single) {
    setSelectionMode(single ? QAbstractItemView::SingleSelection
                            : QAbstractItemView::ExtendedSelection);
}

void CGridCtrl::EnableDragAndDrop(bool enable) {
    setDragEnabled(enable);
    setAcceptDrops(enable);
    setDragDropMode(enable ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
    setDropIndicatorShown(false);
}

void CGridCtrl::SortItems(Compare compare, int col, bool ascending) {
    clearSelection();
    m_model.Sort(col, compare == Compare::Numeric, ascending);
}

void CGridCtrl::ExpandColumnsToFit() {
    int used = 0;
    for (int c = 0; c < GetColumnCount(); ++c)
        if (!isColumnHidden(c))
            used += columnWidth(c);
    const int room = viewport()->width() - used;
    if (room <= 0 || GetColumnCount() == 0)
        return;
    int visible = 0;
    for (int c = 0; c < GetColumnCount(); ++c)
        visible += isColumnHidden(c) ? 0 : 1;
    for (int c = 0; c < GetColumnCount(); ++c)
        if (!isColumnHidden(c))
            setColumnWidth(c, columnWidth(c) + room / std::max(1, visible));
}

CCellID CGridCtrl::GetFocusCell() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? CCellID{i.row() + 1, i.column()} : CCellID{};
}

CCellID CGridCtrl::GetCellFromPt(const QPoint& viewportPoint) const {
    const QModelIndex i = indexAt(viewportPoint);
    return i.isValid() ? CCellID{i.row() + 1, i.column()} : CCellID{};
}

std::vector<int> CGridCtrl::GetSelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& i : selectionModel()->selectedRows())
        rows.push_back(i.row() + 1);
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CGridCtrl::startDrag(Qt::DropActions) {
    OnBeginDrag();
    auto* drag = new QDrag(this); // owned by Qt, deleted after exec
    auto* mime = new QMimeData;
    mime->setData(kRowsMime, QByteArray::number(static_cast<int>(GetSelectedRows().size())));
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction);
}

void CGridCtrl::dragEnterEvent(QDragEnterEvent* event) {
    if (!event->mimeData()->hasFormat(kRowsMime))
        return event->ignore();
    // Rows of a grid always enter, so that moves over the grid are reported;
    // whether entering already allows a drop is the grid's word.
    event->accept();
    if (OnDragEnter(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->setDropAction(Qt::IgnoreAction);
}

void CGridCtrl::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(kRowsMime) && OnDragOver(event->position().toPoint())) {
        event->acceptProposedAction();
    } else {
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
    }
}

void CGridCtrl::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasFormat(kRowsMime) || !OnDragOver(event->position().toPoint()))
        return event->ignore();
    OnDrop(event->position().toPoint());
    event->setDropAction(Qt::IgnoreAction); // records move, not rows: the grids refill
    event->accept();
}
