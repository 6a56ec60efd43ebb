#include "views/ChannelGridCtrl.h"

#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "document/EditCatalogue.h"
#include "document/EditSession.h"
#include "model/ChannelEdits.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/RecordFormDialog.h"

#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {

// The channel columns as the grid base takes them; the texts are literals.
std::vector<GridColumn> Columns() {
    std::vector<GridColumn> out;
    for (const ChannelColumn& c : ChannelColumns())
        out.push_back({c.header.data(), c.widthTemplate.data()});
    return out;
}

CZorvDB& Db() {
    return TheZorvDB();
}

} // namespace

CChannelGridCtrl::CChannelGridCtrl(const ViewContext& context, bool tv, QWidget* parent)
    : CListGridCtrl(context, tv ? kDragTV : kDragRadio, parent), m_bTV(tv) {}

void CChannelGridCtrl::SetupGrid() {
    SetupColumns(Columns(), false);
    SetRowSource(this);
    m_nProductList = GetProductList();
    m_nProductType = GetProductType();
    const int gridColumn = GetGridColumn();
    for (int c = 0; c < kChannelColumnCount; ++c)
        if (IsChannelColumnHidden(c, m_nProductType, gridColumn))
            SetColHidden(c, true);
    m_dropTarget.Register(this);
}

ChannelListState CChannelGridCtrl::ListState() const {
    return {Kind(), m_filter, Product{m_nProductList, m_nProductType}};
}

namespace {
// Names are Windows-1252 bytes; every other cell is ASCII. The genre is a
// name from the genre list, shown in the desktop's language as the
// favourites tree shows it.
QString CellString(const std::string& text, int col) {
    if (col == kChannelColumnName)
        return AnsiFieldText(text.data(), text.size());
    return col == kChannelColumnGenre ? Text(text) : QString::fromStdString(text);
}
} // namespace

QStringList CChannelGridCtrl::Cells(const Channel_Info_Tag& c, int row) const {
    const ChannelCells cells = ChannelRowCells(c, static_cast<std::size_t>(row), ListState());
    QStringList out;
    for (int col = 0; col < kChannelColumnCount; ++col)
        out << CellString(cells[static_cast<std::size_t>(col)], col);
    return out;
}

QString CChannelGridCtrl::CellText(std::uint32_t key, int col) const {
    const auto* c = std::as_const(Db()).Get<Channel_Info_Tag>(kTableChannel, key);
    return c ? CellString(ChannelCellText(*c, col, ListState()), col) : QString();
}

long CChannelGridCtrl::CellNumber(std::uint32_t key, int col) const {
    const auto* c = std::as_const(Db()).Get<Channel_Info_Tag>(kTableChannel, key);
    if (!c)
        return 0;
    // The sort columns as numbers straight from the record: no text per row.
    if (col == kChannelColumnFavorite || col == kChannelColumnNumber)
        return ChannelSortValue(*c, ListState(), col);
    return ParseCellNumber(CellText(key, col));
}

void CChannelGridCtrl::Empty() {
    m_bEmptied = true;
    ClearRows();
    emit Emptied(); // also when there were no rows to remove
}

void CChannelGridCtrl::Rebuild() {
    ++m_nFills;
    m_bEmptied = false;
    // The rows are the keys of the channels on show, in display order; their
    // cells are read from the records when drawn, so a rebuild makes no text
    // and reaches the view as one reset.
    const std::vector<std::uint32_t> keys =
        m_bQuickMatchesNothing ? std::vector<std::uint32_t>()
                               : ChannelListKeys(std::as_const(Db()), ListState(), m_quick);
    ClearSelectionRange();
    const auto bulk = Bulk();
    SetKeyedRows(keys);
    RenumberIndexColumn();
}

void CChannelGridCtrl::SetQuickFilter(const std::optional<std::string>& nameBytes) {
    m_bQuickMatchesNothing = !nameBytes;
    m_quick = QuickNameFilter(nameBytes ? *nameBytes : std::string());
    Rebuild();
}

void CChannelGridCtrl::FillGrid() {
    m_filter = ChannelFilter::All();
    Rebuild();
}

void CChannelGridCtrl::FilterBySatellite(std::uint32_t key) {
    m_filter = ChannelFilter::BySatellite(Db(), key);
    Rebuild();
}

void CChannelGridCtrl::FilterByTransponder(std::uint32_t key) {
    m_filter = ChannelFilter::ByTransponder(m_filter, key);
    Rebuild();
}

void CChannelGridCtrl::FilterByMux(std::uint32_t key) {
    m_filter = ChannelFilter::ByMux(key);
    Rebuild();
}

void CChannelGridCtrl::FilterByBroadcast(std::uint32_t key) {
    m_filter = ChannelFilter::ByBroadcast(m_filter, key, m_nProductType);
    Rebuild();
}

void CChannelGridCtrl::FilterByFavorite(int which, int value) {
    m_filter = ChannelFilter::ByFavoriteOrGenre(m_filter, which, value, m_nProductType);
    Rebuild();
}

std::vector<std::uint32_t> CChannelGridCtrl::SelectedKeys() const {
    std::vector<std::uint32_t> out;
    for (int row : GetSelectedRows())
        out.push_back(GetRowKey(row));
    return out;
}

bool CChannelGridCtrl::OnDragOver(const QPoint& point) {
    if (m_frame.DragSource() != DragId())
        return false;
    // Scroll while the pointer is near the top or bottom edge.
    const int y = point.y();
    if (y >= viewport()->height() - 20)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + 1);
    else if (y <= 20)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - 1);
    return true;
}

EditedRows CChannelGridCtrl::EditSelected(EditId id,
                                          const std::function<EditedRows(KeySpan)>& edit) {
    const std::vector<std::uint32_t> keys = SelectedKeys();
    EditedRows rows;
    RunEdit(m_session, id, [&] {
        rows = edit(keys);
        return true;
    });
    return rows;
}

void CChannelGridCtrl::ShowEdited(const EditedRows& rows) {
    RemoveRowsByKey(rows.leaving);
    RewriteRows(rows.changed);
}

void CChannelGridCtrl::RewriteRows(std::span<const std::uint32_t> keys) {
    // Keyed rows read their cells from the records: they are only redrawn,
    // all of them as one change.
    int first = GetRowCount(), last = 0;
    for (std::uint32_t key : keys)
        if (const int row = FindRowByKey(key)) {
            if (IsKeyedRow(row)) {
                first = std::min(first, row);
                last = std::max(last, row);
            } else if (const auto* c =
                           std::as_const(Db()).Get<Channel_Info_Tag>(kTableChannel, key)) {
                SetRowCells(row, Cells(*c, row));
            }
        }
    UpdateRows(first, last);
}

void CChannelGridCtrl::SetSatelliteOfSelected(std::uint32_t satKey) {
    ShowEdited(EditSelected(EditId::SetSatellite, [&](KeySpan keys) {
        return SetChannelsSatellite(Db(), keys, satKey);
    }));
}

void CChannelGridCtrl::SetMuxOfSelected(std::uint32_t muxValue) {
    ShowEdited(EditSelected(EditId::SetMultiplex, [&](KeySpan keys) {
        return SetChannelsMux(Db(), keys, muxValue, m_nProductType);
    }));
}

void CChannelGridCtrl::SetTransponderOfSelected(std::uint32_t tpKey) {
    ShowEdited(EditSelected(EditId::SetTransponder, [&](KeySpan keys) {
        return SetChannelsTransponder(Db(), keys, tpKey);
    }));
}

void CChannelGridCtrl::SetBroadcastOfSelected(std::uint32_t broadcastKey) {
    ShowEdited(EditSelected(EditId::SetBroadcaster, [&](KeySpan keys) {
        return SetChannelsBroadcast(Db(), keys, broadcastKey);
    }));
}

void CChannelGridCtrl::AddSelectedToFavorite(int list0) {
    ShowEdited(EditSelected(EditId::AddToFavorite, [&](KeySpan keys) {
        return JoinFavoriteList(Db(), keys, list0, Kind());
    }));
}

void CChannelGridCtrl::SetGenreOfSelected(int genre) {
    ShowEdited(EditSelected(EditId::SetGenre, [&](KeySpan keys) {
        return SetChannelsGenre(Db(), keys, genre, m_filter.IsGenreMode());
    }));
}

void CChannelGridCtrl::ReorderFavorite(std::uint32_t dropKey) {
    std::vector<std::uint32_t> rows;
    if (QuickFilterActive()) {
        // The rows on show are part of the list only: the new positions are
        // worked out over the whole list, or the members out of sight would
        // keep positions that the shown ones take.
        rows = ChannelListKeys(std::as_const(Db()), ListState());
    } else {
        for (int row = 1; row < GetRowCount(); ++row)
            rows.push_back(GetRowKey(row));
    }
    const std::vector<std::uint32_t> selected = SelectedKeys();
    bool changed = false;
    RunEdit(m_session, EditId::ReorderFavorite, [&] {
        changed = !ReorderFavoriteList(Db(), rows, selected, dropKey, m_filter.favorite)
                       .rows.changed.empty();
        return true;
    });
    if (!changed)
        return;
    Rebuild();
    SelectRowsByKey(selected);
    MakeFirstCurrent(selected);
}

void CChannelGridCtrl::MoveSelectedTo(std::uint32_t targetKey) {
    if (m_filter.IsFavoriteMode())
        return ReorderFavorite(targetKey);
    const std::vector<std::uint32_t> moved = SelectedKeys();
    const EditedRows rows = EditSelected(EditId::MoveChannels, [&](KeySpan keys) {
        return RenumberMovedSet(Db(), keys, targetKey, Kind(), m_nProductList);
    });
    if (rows.changed.empty())
        return;
    Rebuild();
    ShowMovedSet(moved);
}

void CChannelGridCtrl::MakeFirstCurrent(std::span<const std::uint32_t> moved) {
    int first = 0;
    for (std::uint32_t key : moved)
        if (const int row = FindRowByKey(key); row > 0 && (first == 0 || row < first))
            first = row;
    if (first > 0)
        selectionModel()->setCurrentIndex(model()->index(first - 1, kChannelColumnName),
                                          QItemSelectionModel::NoUpdate);
}

void CChannelGridCtrl::ShowMovedSet(std::span<const std::uint32_t> moved) {
    const int selected = SelectRowsByKey(moved);
    // Before the scroll below: making a row current scrolls it into sight.
    MakeFirstCurrent(moved);
    int last = 0;
    for (std::uint32_t key : moved)
        last = std::max(last, FindRowByKey(key));
    verticalScrollBar()->setValue(std::max(0, last - selected - 5));
    Refresh();
}
