#include "views/ChannelGridCtrl.h"

#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "model/ChannelEdits.h"
#include "model/ChannelRecords.h"
#include "model/EditSession.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"
#include "platform/DisplayTexts.h"

#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {

const std::vector<GridColumn> kColumns = {{"", "0000"},
                                          {"Index", "Index"},
                                          {"Fav", "Fav"},
                                          {"SatID", "SatID"},
                                          {"TPID", "TPID"},
                                          {"CH#", "CH #"},
                                          {"Name", "000000000000"},
                                          {"VPID", "0000"},
                                          {"APID", "0000"},
                                          {"PCR-PID", "0000"},
                                          {"Genre", "0000000"},
                                          {"", "0000"},
                                          {"", "0000"},
                                          {"", "0000"},
                                          {"", "Tuner1"}};

QString YesNo(bool on) {
    return on ? "Y" : "N";
}

QString Text(void (*name)(int, char*), int code) {
    char buffer[kDisplayTextMax] = {};
    name(code, buffer);
    return QString::fromLatin1(buffer);
}

CZorvDB& Db() {
    return TheZorvDB();
}

} // namespace

CChannelGridCtrl::CChannelGridCtrl(const ViewContext& context, bool tv, QWidget* parent)
    : CListGridCtrl(context, tv ? kDragTV : kDragRadio, parent), m_bTV(tv) {}

void CChannelGridCtrl::SetupGrid() {
    SetupColumns(kColumns, false);
    SetRowSource(this);
    m_nProductList = GetProductList();
    m_nProductType = GetProductType();
    SetColHidden(2, true);
    if (GetGridColumn() == 0)
        for (int c : {1, 3, 4, 7, 8, 9})
            SetColHidden(c, true);
    if (IsTerrestrialOrCable(m_nProductType))
        SetColHidden(14, true);
    m_dropTarget.Register(this);
}

QString CChannelGridCtrl::CellText(const Channel_Info_Tag& c, int col) const {
    switch (col) {
    case 1:
        return QString::number(c.Index);
    case 2: {
        const int list = m_filter.FavoriteIndex();
        return list >= 0 ? QString::number(c.F[list]) : QString();
    }
    case 3:
        return QString::number(c.SatID);
    case 4:
        return QString::number(c.TPID);
    case 5:
        return QString::number(ShownNumber(c));
    case 6:
        return QString::fromLatin1(c.Name);
    case 7:
        return QString::number(c.VideoPID);
    case 8:
        return QString::number(c.AudioPID);
    case 9:
        return QString::number(c.PCRPID);
    case 10:
        return Text(GetGenreName, c.Attributes & kAttrGenreMask);
    case 11:
        return YesNo(c.Attributes & kAttrScrambled);
    case 12:
        return YesNo(c.Attributes & kAttrLocked);
    case 13:
        return YesNo(c.Attributes & kAttrSkipped);
    case 14:
        return Text(GetTunerName, TunerNameCode(m_nProductList, c.SatID, c.Tuner));
    default:
        return {};
    }
}

int CChannelGridCtrl::ShownNumber(const Channel_Info_Tag& c) const {
    return ShowsShowNum(m_nProductList) ? c.ShowNum : c.ProgramNum;
}

QStringList CChannelGridCtrl::Cells(const Channel_Info_Tag& c) const {
    QStringList cells;
    cells.reserve(GetColumnCount());
    for (int col = 0; col < GetColumnCount(); ++col)
        cells.push_back(CellText(c, col));
    return cells;
}

QString CChannelGridCtrl::CellText(std::uint32_t key, int col) const {
    const auto* c = std::as_const(Db()).Get<Channel_Info_Tag>(kTableChannel, key);
    return c ? CellText(*c, col) : QString();
}

long CChannelGridCtrl::CellNumber(std::uint32_t key, int col) const {
    const auto* c = std::as_const(Db()).Get<Channel_Info_Tag>(kTableChannel, key);
    if (!c)
        return 0;
    // The sort columns as numbers straight from the record: no text per row.
    switch (col) {
    case 2: {
        const int list = m_filter.FavoriteIndex();
        return list >= 0 ? c->F[list] : 0;
    }
    case 5:
        return ShownNumber(*c);
    default:
        return ParseCellNumber(CellText(*c, col));
    }
}

void CChannelGridCtrl::Rebuild() {
    ++m_nFills;
    // The rows are the keys of the channels that pass; their cells are read
    // from the records when shown, so the rebuild makes no text.
    std::vector<std::uint32_t> keys;
    if (!m_bQuickMatchesNothing)
        for (const Channel_Info_Tag* c :
             FilteredChannels(Db(), m_filter, m_quick, Kind(), m_nProductType))
            keys.push_back(c->Index);
    ClearSelectionRange();
    const auto bulk = Bulk();
    SetKeyedRows(keys);
    SortItems(Compare::Numeric, m_filter.SortColumn(m_nProductType), true);
    RenumberIndexColumn();
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

EditedRows CChannelGridCtrl::EditSelected(std::string_view name,
                                          const std::function<EditedRows(KeySpan)>& edit) {
    const std::vector<std::uint32_t> keys = SelectedKeys();
    EditedRows rows;
    m_session.Run(name, TableBit(kTableChannel), [&] {
        rows = edit(keys);
        return true;
    });
    return rows;
}

void CChannelGridCtrl::ShowEdited(const EditedRows& rows) {
    RemoveRowsByKey(rows.leaving);
    for (std::uint32_t key : rows.changed)
        if (const int row = FindRowByKey(key)) {
            if (IsKeyedRow(row))
                UpdateRow(row); // its cells are read from the record
            else if (const auto* c = std::as_const(Db()).Get<Channel_Info_Tag>(kTableChannel, key))
                SetRowCells(row, Cells(*c));
        }
}

void CChannelGridCtrl::SetSatelliteOfSelected(std::uint32_t satKey) {
    ShowEdited(EditSelected(
        "Set satellite", [&](KeySpan keys) { return SetChannelsSatellite(Db(), keys, satKey); }));
}

void CChannelGridCtrl::SetMuxOfSelected(std::uint32_t muxValue) {
    ShowEdited(EditSelected("Set multiplex", [&](KeySpan keys) {
        return SetChannelsMux(Db(), keys, muxValue, m_nProductType);
    }));
}

void CChannelGridCtrl::SetTransponderOfSelected(std::uint32_t tpKey) {
    ShowEdited(EditSelected("Set transponder", [&](KeySpan keys) {
        return SetChannelsTransponder(Db(), keys, tpKey);
    }));
}

void CChannelGridCtrl::SetBroadcastOfSelected(std::uint32_t broadcastKey) {
    ShowEdited(EditSelected("Set provider", [&](KeySpan keys) {
        return SetChannelsBroadcast(Db(), keys, broadcastKey);
    }));
}

void CChannelGridCtrl::AddSelectedToFavorite(int list0) {
    ShowEdited(EditSelected("Add to favourite list", [&](KeySpan keys) {
        return JoinFavoriteList(Db(), keys, list0, Kind());
    }));
}

void CChannelGridCtrl::SetGenreOfSelected(int genre) {
    ShowEdited(EditSelected("Set genre", [&](KeySpan keys) {
        return SetChannelsGenre(Db(), keys, genre, m_filter.IsGenreMode());
    }));
}

void CChannelGridCtrl::SetQuickFilter(const std::optional<std::string>& nameBytes) {
    m_bQuickMatchesNothing = !nameBytes;
    m_quick = QuickNameFilter(nameBytes ? *nameBytes : std::string());
    Rebuild();
}

std::vector<std::uint32_t> CChannelGridCtrl::FavoriteOrder() const {
    const int list = m_filter.FavoriteIndex();
    std::vector<const Channel_Info_Tag*> members =
        FilteredChannels(Db(), m_filter, Kind(), m_nProductType);
    const bool byPosition = m_filter.SortsByFavoritePosition(m_nProductType);
    std::stable_sort(members.begin(), members.end(), [&](const auto* a, const auto* b) {
        return byPosition ? a->F[list] < b->F[list] : ShownNumber(*a) < ShownNumber(*b);
    });
    std::vector<std::uint32_t> keys;
    keys.reserve(members.size());
    for (const Channel_Info_Tag* c : members)
        keys.push_back(c->Index);
    return keys;
}

void CChannelGridCtrl::ReorderFavorite(std::uint32_t dropKey) {
    std::vector<std::uint32_t> rows;
    if (QuickFilterActive()) {
        // The rows shown are part of the list only: the new positions are
        // worked out over the whole list, or the members out of sight would
        // keep positions that the shown ones take.
        rows = FavoriteOrder();
    } else {
        for (int row = 1; row < GetRowCount(); ++row)
            rows.push_back(GetRowKey(row));
    }
    const std::vector<std::uint32_t> selected = SelectedKeys();
    bool changed = false;
    m_session.Run("Reorder favourite list", TableBit(kTableChannel), [&] {
        changed = !ReorderFavoriteList(Db(), rows, selected, dropKey, m_filter.favorite)
                       .rows.changed.empty();
        return true;
    });
    if (!changed)
        return;
    Rebuild();
    SelectRowsByKey(selected);
}

void CChannelGridCtrl::MoveSelectedTo(std::uint32_t targetKey) {
    if (m_filter.IsFavoriteMode())
        return ReorderFavorite(targetKey);
    const std::vector<std::uint32_t> moved = SelectedKeys();
    const EditedRows rows = EditSelected("Move channels", [&](KeySpan keys) {
        return RenumberMovedSet(Db(), keys, targetKey, Kind(), m_nProductList);
    });
    if (rows.changed.empty())
        return;
    Rebuild();
    const int selected = SelectRowsByKey(moved);
    // Show the moved rows: scroll so the last of them stands a few rows
    // below the top of their run.
    int last = 0;
    for (std::uint32_t key : moved)
        last = std::max(last, FindRowByKey(key));
    verticalScrollBar()->setValue(std::max(0, last - selected - 5));
    Refresh();
}
