#include "qtkit/GridCtrl.h"

#include "qtkit/FocusFrame.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <iterator>
#include <numeric>

const char* const kGridRowsMime = "application/x-velmar-grid-rows";

namespace {
const char* const kRowsMime = kGridRowsMime;

// The leading integer of a text, as atoi reads it: blanks, a sign, digits.
long Number(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    long value = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i)
        if (value < 100'000'000'000L) // longer numbers saturate instead of overflowing
            value = value * 10 + (text[i].unicode() - u'0');
    return negative ? -value : value;
}
} // namespace

std::uint32_t ParseRowKey(const QString& text) {
    return static_cast<std::uint32_t>(static_cast<int>(Number(text)));
}

long ParseCellNumber(const QString& text) {
    return Number(text);
}

// ---- Model ------------------------------------------------------------------------

int CGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_nColumns;
}

QVariant CGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size()) ||
        index.column() >= m_nColumns)
        return {};
    if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && m_bToolTips))
        return CellOf(m_rows[static_cast<std::size_t>(index.row())], index.column());
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
    if (role == Qt::ToolTipRole && !m_headerTips[static_cast<std::size_t>(section)].isEmpty())
        return m_headerTips[static_cast<std::size_t>(section)];
    return {};
}

Qt::ItemFlags CGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled
                           : Qt::ItemIsDropEnabled;
}

void CGridModel::SetColumnCount(int n) {
    beginResetModel();
    m_nColumns = std::max(0, n);
    const auto columns = static_cast<std::size_t>(m_nColumns);
    m_header.assign(columns, {});
    m_headerIcons.assign(columns, {});
    m_headerTips.assign(columns, {});
    m_alignment.assign(columns, Qt::AlignLeft | Qt::AlignVCenter);
    for (auto& row : m_rows) {
        if (row.keyed)
            continue; // their texts come from the source, whatever the count
        row.cells.resize(columns);
        row.key = columns > 1 ? ParseRowKey(row.cells[1]) : 0;
    }
    RebuildKeyIndex();
    endResetModel();
}

void CGridModel::SetRowCount(int n) {
    const int data = std::max(0, n - 1);
    const int now = static_cast<int>(m_rows.size());
    if (data > now) {
        InsertRows(data - now);
    } else if (data < now) {
        if (!Quiet())
            beginRemoveRows({}, data, now - 1);
        m_rows.resize(static_cast<std::size_t>(data));
        if (data == 0)
            m_keyIndex.clear();
        else
            RebuildKeyIndex();
        if (!Quiet())
            endRemoveRows();
    }
}

void CGridModel::InsertRows(int count) {
    if (count <= 0)
        return;
    const int now = static_cast<int>(m_rows.size());
    if (!Quiet())
        beginInsertRows({}, now, now + count - 1);
    m_rows.resize(static_cast<std::size_t>(now + count),
                  Row{0, false, 0, std::vector<QString>(static_cast<std::size_t>(m_nColumns))});
    if (!Quiet())
        endInsertRows();
}

void CGridModel::SetText(int row, int col, const QString& text) {
    if (col < 0 || col >= m_nColumns || row < 0 || row >= RowCount())
        return;
    if (row == 0) {
        m_header[static_cast<std::size_t>(col)] = text;
        if (!Quiet())
            emit headerDataChanged(Qt::Horizontal, col, col);
        return;
    }
    const int at = row - 1;
    Row& r = m_rows[static_cast<std::size_t>(at)];
    Store(r);
    r.cells[static_cast<std::size_t>(col)] = text;
    if (col == 1) {
        const std::uint32_t key = ParseRowKey(text);
        if (key != r.key) {
            const auto old = m_keyIndex.find(r.key);
            if (old != m_keyIndex.end() && old->second == at) {
                m_keyIndex.erase(old);
                m_bKeyIndexStale = true; // another row may carry the old key
            }
            r.key = key;
            const auto [it, added] = m_keyIndex.try_emplace(key, at);
            if (!added && it->second > at)
                it->second = at; // the first row with a key wins
        }
    }
    if (Quiet())
        return;
    const QModelIndex changed = index(at, col);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

QString CGridModel::Text(int row, int col) const {
    if (col < 0 || col >= m_nColumns || row < 0 || row >= RowCount())
        return {};
    return row == 0 ? m_header[static_cast<std::size_t>(col)]
                    : CellOf(m_rows[static_cast<std::size_t>(row - 1)], col);
}

QString CGridModel::CellOf(const Row& row, int col) const {
    if (!row.keyed)
        return row.cells[static_cast<std::size_t>(col)];
    if (col == 0)
        return row.number ? QString::number(row.number) : QString();
    if (col == 1)
        return QString::number(row.key);
    return m_pSource ? m_pSource->CellText(row.key, col) : QString();
}

void CGridModel::Store(Row& row) const {
    if (!row.keyed)
        return;
    std::vector<QString> cells(static_cast<std::size_t>(m_nColumns));
    for (int c = 0; c < m_nColumns; ++c)
        cells[static_cast<std::size_t>(c)] = CellOf(row, c);
    row.cells = std::move(cells);
    row.keyed = false;
}

void CGridModel::SetKeyedRows(std::span<const std::uint32_t> keys) {
    BeginBulk();
    m_rows.clear();
    m_rows.reserve(keys.size());
    for (std::uint32_t key : keys)
        m_rows.push_back(Row{key, true, 0, {}});
    RebuildKeyIndex();
    EndBulk();
}

void CGridModel::NumberRows() {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        Row& r = m_rows[i];
        if (r.keyed)
            r.number = static_cast<int>(i) + 1;
        else if (m_nColumns > 0)
            r.cells[0] = QString::number(i + 1);
    }
    if (!Quiet() && !m_rows.empty())
        emit dataChanged(index(0, 0), index(static_cast<int>(m_rows.size()) - 1, 0),
                         {Qt::DisplayRole});
}

void CGridModel::RowChanged(int row) {
    RowsChanged(row, row);
}

void CGridModel::RowsChanged(int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, RowCount() - 1);
    if (Quiet() || first > last || m_nColumns == 0)
        return;
    emit dataChanged(index(first - 1, 0), index(last - 1, m_nColumns - 1), {Qt::DisplayRole});
}

void CGridModel::BeginBulk() {
    if (m_nBulk++ == 0)
        beginResetModel();
}

void CGridModel::EndBulk() {
    if (m_nBulk > 0 && --m_nBulk == 0)
        endResetModel();
}

std::uint32_t CGridModel::Key(int row) const {
    return row < 1 || row >= RowCount() ? 0 : m_rows[static_cast<std::size_t>(row - 1)].key;
}

int CGridModel::FindRowByKey(std::uint32_t key) const {
    if (m_bKeyIndexStale)
        const_cast<CGridModel*>(this)->RebuildKeyIndex();
    const auto it = m_keyIndex.find(key);
    return it == m_keyIndex.end() ? 0 : it->second + 1;
}

void CGridModel::RebuildKeyIndex() {
    m_keyIndex.clear();
    m_keyIndex.reserve(m_rows.size());
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_keyIndex.try_emplace(m_rows[i].key, static_cast<int>(i));
    m_bKeyIndexStale = false;
}

void CGridModel::SetHeaderIcon(int col, const QIcon& icon) {
    if (col >= 0 && col < m_nColumns) {
        m_headerIcons[static_cast<std::size_t>(col)] = icon;
        if (!Quiet())
            emit headerDataChanged(Qt::Horizontal, col, col);
    }
}

void CGridModel::SetHeaderToolTip(int col, const QString& tip) {
    if (col >= 0 && col < m_nColumns) {
        m_headerTips[static_cast<std::size_t>(col)] = tip;
        if (!Quiet())
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
    if (!Quiet())
        beginRemoveRows({}, row - 1, row - 1);
    m_rows.erase(m_rows.begin() + (row - 1));
    RebuildKeyIndex();
    if (!Quiet())
        endRemoveRows();
}

void CGridModel::DeleteRows(std::vector<int> rows) {
    std::erase_if(rows, [this](int row) { return row < 1 || row >= RowCount(); });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // From the bottom up, so the rows still to go keep their numbers.
    for (std::size_t end = rows.size(); end > 0;) {
        std::size_t begin = end - 1;
        while (begin > 0 && rows[begin - 1] == rows[begin] - 1)
            --begin;
        const int first = rows[begin] - 1, last = rows[end - 1] - 1; // model rows
        if (!Quiet())
            beginRemoveRows({}, first, last);
        m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
        m_bKeyIndexStale = true; // a lookup meanwhile rebuilds the index
        if (!Quiet())
            endRemoveRows();
        end = begin;
    }
    if (!rows.empty())
        RebuildKeyIndex();
}

void CGridModel::Sort(int col, bool numeric, bool ascending) {
    if (col < 0 || col >= m_nColumns || m_rows.size() < 2)
        return;
    // Order a permutation by values read once per row, not per comparison.
    std::vector<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (numeric) {
        std::vector<long> numbers(m_rows.size());
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const Row& r = m_rows[i];
            if (r.keyed && col >= 2 && m_pSource)
                numbers[i] = m_pSource->CellNumber(r.key, col);
            else if (r.keyed && col == 1)
                numbers[i] = static_cast<int>(r.key);
            else if (r.keyed && col == 0)
                numbers[i] = r.number;
            else
                numbers[i] = Number(CellOf(r, col));
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const long x = numbers[static_cast<std::size_t>(a)];
            const long y = numbers[static_cast<std::size_t>(b)];
            return ascending ? x < y : y < x;
        });
    } else {
        std::vector<QString> texts(m_rows.size());
        for (std::size_t i = 0; i < m_rows.size(); ++i)
            texts[i] = CellOf(m_rows[i], col);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const QString& x = texts[static_cast<std::size_t>(a)];
            const QString& y = texts[static_cast<std::size_t>(b)];
            return ascending ? x.compare(y) < 0 : y.compare(x) < 0;
        });
    }
    if (!Quiet())
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newRowOf(m_rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(m_rows[static_cast<std::size_t>(order[i])]));
        newRowOf[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    }
    m_rows = std::move(sorted);
    RebuildKeyIndex();
    if (Quiet())
        return; // the reset at the end of the bulk update renews every index
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& i : from)
        to.push_back(index(newRowOf[static_cast<std::size_t>(i.row())], i.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// ---- Selection --------------------------------------------------------------------

namespace {
using Run = CGridSelectionModel::Run;
using Runs = CGridSelectionModel::Runs;

// Sorted, overlapping or adjacent runs merged.
Runs Merged(Runs runs) {
    std::sort(runs.begin(), runs.end(),
              [](const Run& a, const Run& b) { return a.first < b.first; });
    Runs out;
    for (const Run& r : runs) {
        if (!out.empty() && r.first <= out.back().last + 1)
            out.back().last = std::max(out.back().last, r.last);
        else
            out.push_back(r);
    }
    return out;
}

Runs Union(const Runs& a, const Runs& b) {
    Runs all;
    all.reserve(a.size() + b.size());
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(all),
               [](const Run& x, const Run& y) { return x.first < y.first; });
    Runs out;
    for (const Run& r : all) {
        if (!out.empty() && r.first <= out.back().last + 1)
            out.back().last = std::max(out.back().last, r.last);
        else
            out.push_back(r);
    }
    return out;
}

// The rows of `a` that are not in `b`.
Runs Minus(const Runs& a, const Runs& b) {
    Runs out;
    std::size_t j = 0;
    for (Run r : a) {
        while (j < b.size() && b[j].last < r.first)
            ++j;
        for (std::size_t k = j; k < b.size() && b[k].first <= r.last; ++k) {
            if (b[k].first > r.first)
                out.push_back({r.first, b[k].first - 1});
            r.first = b[k].last + 1;
            if (r.first > r.last)
                break;
        }
        if (r.first <= r.last)
            out.push_back(r);
    }
    return out;
}

// `current` applied to `committed` as Qt merges a command's selection:
// Deselect takes precedence over Toggle, Toggle over Select.
Runs Applied(const Runs& committed, const Runs& current, QItemSelectionModel::SelectionFlags how) {
    if (current.empty())
        return committed;
    if (how & QItemSelectionModel::Deselect)
        return Minus(committed, current);
    if (how & QItemSelectionModel::Toggle)
        return Union(Minus(committed, current), Minus(current, committed));
    if (how & QItemSelectionModel::Select)
        return Union(committed, current);
    return committed;
}
} // namespace

CGridSelectionModel::CGridSelectionModel(QAbstractItemModel* model, QObject* parent)
    : QItemSelectionModel(model, parent) {
    // Qt itself moves the stored ranges when rows come, go or are sorted;
    // the runs are read back from them before the next command.
    const auto stale = [this] { MarkStale(); };
    connect(model, &QAbstractItemModel::rowsInserted, this, stale);
    connect(model, &QAbstractItemModel::rowsRemoved, this, stale);
    connect(model, &QAbstractItemModel::rowsMoved, this, stale);
    connect(model, &QAbstractItemModel::columnsInserted, this, stale);
    connect(model, &QAbstractItemModel::columnsRemoved, this, stale);
    connect(model, &QAbstractItemModel::columnsMoved, this, stale);
    connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, [this] { SaveForLayout(); });
    connect(model, &QAbstractItemModel::layoutChanged, this, [this] { RestoreAfterLayout(); });
    connect(model, &QAbstractItemModel::modelReset, this, stale);
}

namespace {
std::vector<QPersistentModelIndex> RowsOf(const QAbstractItemModel& model, const Runs& runs) {
    std::vector<QPersistentModelIndex> out;
    for (const Run& r : runs)
        for (int row = r.first; row <= r.last; ++row)
            out.emplace_back(model.index(row, 0));
    return out;
}

Runs RunsOf(const std::vector<QPersistentModelIndex>& rows) {
    Runs out;
    out.reserve(rows.size());
    for (const QPersistentModelIndex& i : rows)
        if (i.isValid())
            out.push_back({i.row(), i.row()});
    return Merged(std::move(out));
}

// The stored selection as runs of whole rows, merged; false when it is not
// of whole rows.
bool StoredRuns(const QItemSelectionModel& selection, Runs& out) {
    const int last = selection.model()->columnCount() - 1;
    out.clear();
    for (const QItemSelectionRange& range : selection.selection()) {
        if (range.parent().isValid() || range.left() != 0 || range.right() != last)
            return false;
        out.push_back({range.top(), range.bottom()});
    }
    out = Merged(std::move(out));
    return true;
}
} // namespace

void CGridSelectionModel::SaveForLayout() {
    m_layoutCommitted.clear();
    m_layoutCurrent.clear();
    if (!Sync())
        return;
    m_layoutCommitted = RowsOf(*model(), m_committed);
    m_layoutCurrent = RowsOf(*model(), m_current);
}

void CGridSelectionModel::RestoreAfterLayout() {
    MarkStale();
    if (!m_bRows)
        return;
    Runs committed = RunsOf(m_layoutCommitted), current = RunsOf(m_layoutCurrent);
    m_layoutCommitted.clear();
    m_layoutCurrent.clear();
    Runs now = Applied(committed, current, m_currentCommand);
    Runs stored;
    if (!StoredRuns(*this, stored) || stored != now)
        return; // not what Qt kept: read back what it did keep
    m_committed = std::move(committed);
    m_current = std::move(current);
    m_selected = std::move(now);
    m_bStored = false; // Qt's ranges after a sort are rarely these runs
    m_bStale = false;
}

void CGridSelectionModel::clear() {
    QItemSelectionModel::clear();
    MarkStale();
}

void CGridSelectionModel::reset() {
    QItemSelectionModel::reset();
    MarkStale();
}

void CGridSelectionModel::MarkStale() {
    m_bStale = true;
    m_store.clear(); // its indexes may no longer be the runs' ends
}

bool CGridSelectionModel::Sync() {
    if (!m_bStale)
        return m_bRows;
    m_bStale = false;
    Runs runs;
    m_bRows = StoredRuns(*this, runs);
    // Qt commits its current part when rows come or go; after a reset
    // nothing is left of either.
    m_committed = m_bRows ? std::move(runs) : Runs();
    m_current.clear();
    m_currentCommand = NoUpdate;
    m_selected = m_committed;
    m_bStored = false;
    return m_bRows;
}

bool CGridSelectionModel::AllRowsSelected() {
    return Sync() && m_selected.size() == 1 && m_selected[0].first == 0 &&
           m_selected[0].last == model()->rowCount() - 1;
}

QItemSelection CGridSelectionModel::ToSelection(const Runs& runs) const {
    QItemSelection out;
    out.reserve(static_cast<qsizetype>(runs.size()));
    const int last = model()->columnCount() - 1;
    for (const Run& r : runs)
        out.append(QItemSelectionRange(model()->index(r.first, 0), model()->index(r.last, last)));
    return out;
}

void CGridSelectionModel::select(const QItemSelection& selection, SelectionFlags command) {
    if (command == NoUpdate || !model())
        return;
    const int columns = model()->columnCount();
    bool rows = Sync() && !(command & Columns) && columns > 0;
    Runs incoming;
    for (const QItemSelectionRange& range : selection) {
        if (!rows)
            break;
        if (!range.isValid())
            continue;
        if (range.model() != model() || range.parent().isValid() ||
            (!(command & Rows) && (range.left() != 0 || range.right() != columns - 1)))
            rows = false;
        else
            incoming.push_back({range.top(), range.bottom()});
    }
    if (!rows) {
        QItemSelectionModel::select(selection, command);
        MarkStale();
        return;
    }
    if (command & Clear) {
        m_committed.clear();
        m_current.clear();
    }
    if (!(command & Current)) {
        m_committed = Applied(m_committed, m_current, m_currentCommand);
        m_current.clear();
    }
    if (command & (Toggle | Select | Deselect)) {
        m_current = Merged(std::move(incoming));
        m_currentCommand = command;
    }
    Runs now = Applied(m_committed, m_current, m_currentCommand);
    if (now == m_selected && m_bStored)
        return;
    Store(std::move(now));
}

QItemSelection CGridSelectionModel::StoreOf(const Runs& runs) const {
    // While the store holds exactly m_selected, m_store[i] is the range of
    // m_selected[i]: a run that stays takes its range from there, as making
    // a range looks its two indexes up among all the model's kept ones.
    const bool reuse = m_bStored && m_store.size() == static_cast<qsizetype>(m_selected.size());
    QItemSelection out;
    out.reserve(static_cast<qsizetype>(runs.size()));
    const int last = model()->columnCount() - 1;
    std::size_t j = 0;
    for (const Run& r : runs) {
        while (reuse && j < m_selected.size() && m_selected[j].first < r.first)
            ++j;
        if (reuse && j < m_selected.size() && m_selected[j] == r)
            out.append(m_store[static_cast<qsizetype>(j)]);
        else
            out.append(
                QItemSelectionRange(model()->index(r.first, 0), model()->index(r.last, last)));
    }
    return out;
}

void CGridSelectionModel::Store(Runs now) {
    const Runs added = Minus(now, m_selected), removed = Minus(m_selected, now);
    QItemSelection store = StoreOf(now);
    m_selected = std::move(now);
    m_store = std::move(store);
    {
        // Qt compares the old stored list with the new one range by range,
        // which costs the square of the runs when they differ near the top.
        // Emptied, then filled, it compares nothing; its signals are held and
        // the views are told the difference of the runs instead.
        const QSignalBlocker quiet(this);
        QItemSelectionModel::select(QItemSelection(), Clear);
        QItemSelectionModel::select(m_store, Select);
    }
    m_bStored = true;
    m_bStale = false; // the store change above was this class's own
    if (!added.empty() || !removed.empty())
        emit selectionChanged(ToSelection(added), ToSelection(removed));
}

// ---- View -------------------------------------------------------------------------

CGridCtrl::CGridCtrl(QWidget* parent) : QTableView(parent) {
    setModel(&m_model);
    QItemSelectionModel* const qtOwn = selectionModel();
    auto* const selection = new CGridSelectionModel(&m_model, this);
    setSelectionModel(selection);
    delete qtOwn;
    // The column header asks its selection model whether each column is
    // selected on every repaint, a walk over the selected rows. It is given
    // a model of its own that holds every row exactly when the grid's does
    // (a column of whole-row selections is selected only then).
    auto* const header = new QItemSelectionModel(&m_model, this);
    horizontalHeader()->setSelectionModel(header);
    connect(selection, &QItemSelectionModel::selectionChanged, this, [this, selection, header] {
        const bool all = selection->AllRowsSelected();
        if (all == header->hasSelection())
            return;
        if (all)
            header->select(
                QItemSelection(m_model.index(0, 0),
                               m_model.index(m_model.rowCount() - 1, m_model.ColumnCount() - 1)),
                QItemSelectionModel::ClearAndSelect);
        else
            header->clearSelection();
    });
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    // Right button presses and releases reach the grid itself (its menu
    // opens on release), not a context-menu event.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // Tab moves to the next control: the grid is a tab stop, and a hidden
    // grid passing its focus on must not move its own current row.
    setTabKeyNavigation(false);
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
    return selectionModel()->isSelected(m_model.index(row - 1, 1 < GetColumnCount() ? 1 : 0))
               ? GVIS_SELECTED
               : 0;
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

std::vector<std::pair<int, int>> CGridCtrl::SelectedRuns() const {
    // A row counts as selected when its first non-fixed cell is, read from
    // the selection's ranges: the cost is the ranges', not the grid's rows'.
    const int rows = GetRowCount() - 1;
    const int probe = GetColumnCount() > 1 ? 1 : 0;
    std::vector<std::pair<int, int>> runs;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (range.left() <= probe && probe <= range.right())
            runs.emplace_back(std::max(range.top(), 0), std::min(range.bottom(), rows - 1));
    std::sort(runs.begin(), runs.end());
    std::vector<std::pair<int, int>> out;
    for (const auto& [first, last] : runs) {
        if (first > last)
            continue;
        if (!out.empty() && first <= out.back().second + 1)
            out.back().second = std::max(out.back().second, last);
        else
            out.emplace_back(first, last);
    }
    return out;
}

std::vector<int> CGridCtrl::GetSelectedRows() const {
    std::vector<int> out;
    for (const auto& [first, last] : SelectedRuns())
        for (int r = first; r <= last; ++r)
            out.push_back(r + 1);
    return out;
}

int CGridCtrl::GetSelectedRowCount() const {
    int count = 0;
    for (const auto& [first, last] : SelectedRuns())
        count += last - first + 1;
    return count;
}

void CGridCtrl::SelectModelRows(const std::vector<int>& rows) {
    QItemSelection selection;
    const int last = GetColumnCount() - 1;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j; // one range per run of adjacent rows
        selection.append(
            QItemSelectionRange(m_model.index(rows[i], 0), m_model.index(rows[j], last)));
        i = j + 1;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int CGridCtrl::SelectRowsWhere(const std::function<bool(int row)>& pick) {
    std::vector<int> rows;
    for (int r = 1; r < GetRowCount(); ++r)
        if (pick(r))
            rows.push_back(r - 1);
    SelectModelRows(rows);
    return static_cast<int>(rows.size());
}

int CGridCtrl::SelectRowsByKey(std::span<const std::uint32_t> keys) {
    std::vector<int> rows;
    rows.reserve(keys.size());
    for (std::uint32_t key : keys)
        if (const int row = FindRowByKey(key))
            rows.push_back(row - 1);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    SelectModelRows(rows);
    return static_cast<int>(rows.size());
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        OnRButtonUp(event->position().toPoint());
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(event->position().toPoint());
    QTableView::mouseDoubleClickEvent(event);
}

bool CGridCtrl::IsMenuKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    return (event.key() == Qt::Key_Menu && held == Qt::NoModifier) ||
           (event.key() == Qt::Key_F10 && held == Qt::ShiftModifier);
}

QPoint CGridCtrl::KeyboardMenuPoint() const {
    const QRect cell = visualRect(currentIndex());
    const QRect shown = viewport()->rect();
    if (cell.isValid() && shown.intersects(cell))
        return shown.intersected(cell).center();
    return shown.topLeft() + QPoint(4, 4);
}

void CGridCtrl::keyPressEvent(QKeyEvent* event) {
    if (IsMenuKey(*event)) {
        event->accept();
        OnRButtonUp(KeyboardMenuPoint());
        return;
    }
    if (OnKeyDown(*event) == Key::Consumed)
        return event->accept();
    QTableView::keyPressEvent(event);
}

void CGridCtrl::focusInEvent(QFocusEvent* event) {
    // The item view would make its first row current when it gains focus
    // without one; a current row is a choice the user makes (it filters the
    // other panes), so gaining focus leaves it alone.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CGridCtrl::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update(); // the focus frame goes
}

void CGridCtrl::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    PaintFocusFrame(*this);
}

void CGridCtrl::startDrag(Qt::DropActions) {
    OnBeginDrag();
    auto* drag = new QDrag(this); // owned by Qt, deleted after exec
    auto* mime = new QMimeData;
    mime->setData(kRowsMime, QByteArray::number(GetSelectedRowCount()));
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
