#include "model/ChannelListModel.h"

#include "platform/Translate.h"

#include "contracts/ZorvDB.h"
#include "model/RecordTexts.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <utility>

namespace {

std::string YesNo(bool on) {
    return on ? "Y" : "N";
}

} // namespace

int ChannelSortValue(const Channel_Info_Tag& c, const ChannelListState& list, int column) {
    if (column == kChannelColumnFavorite)
        return list.filter.IsFavoriteMode() ? c.F[list.filter.FavoriteIndex()] : 0;
    return ShowsShowNum(list.product.list) ? c.ShowNum : c.ProgramNum;
}

const std::array<ChannelColumn, kChannelColumnCount>& ChannelColumns() {
    static const std::array<ChannelColumn, kChannelColumnCount> columns = {
        {{"", "0000"},
         {VELMAR_TRANSLATE_NOOP("Velmar", "Index"), "Index"},
         {VELMAR_TRANSLATE_NOOP("Velmar", "Fav"), "Fav"},
         {VELMAR_TRANSLATE_NOOP("Velmar", "SatID"), "SatID"},
         {VELMAR_TRANSLATE_NOOP("Velmar", "TPID"), "TPID"},
         {VELMAR_TRANSLATE_NOOP("Velmar", "CH#"), "CH #"},
         {VELMAR_TRANSLATE_NOOP("Velmar", "Name"), "000000000000"},
         {VELMAR_TRANSLATE_NOOP("Velmar", "VPID"), "0000"},
         {VELMAR_TRANSLATE_NOOP("Velmar", "APID"), "0000"},
         {VELMAR_TRANSLATE_NOOP("Velmar", "PCR-PID"), "0000"},
         {VELMAR_TRANSLATE_NOOP("Velmar", "Genre"), "0000000"},
         {"", "0000"},
         {"", "0000"},
         {"", "0000"},
         {"", "Tuner1"}}};
    return columns;
}

bool IsChannelColumnHidden(int column, std::uint32_t productType, int gridColumn) {
    switch (column) {
    case 2:
        return true;
    case 1:
    case 3:
    case 4:
    case 7:
    case 8:
    case 9:
        return gridColumn == 0;
    case 14:
        return IsTerrestrialOrCable(productType);
    default:
        return false;
    }
}

ChannelCells ChannelRowCells(const Channel_Info_Tag& c, std::size_t rowNumber,
                             const ChannelListState& list) {
    ChannelCells cells;
    cells[0] = std::to_string(rowNumber);
    for (int column = 1; column < kChannelColumnCount; ++column)
        cells[static_cast<std::size_t>(column)] = ChannelCellText(c, column, list);
    return cells;
}

std::string ChannelCellText(const Channel_Info_Tag& c, int column, const ChannelListState& list) {
    const int productList = list.product.list;
    switch (column) {
    case 1:
        return std::to_string(c.Index);
    case 2:
        return list.filter.IsFavoriteMode() ? std::to_string(c.F[list.filter.FavoriteIndex()])
                                            : std::string();
    case 3:
        return std::to_string(c.SatID);
    case 4:
        return std::to_string(c.TPID);
    case 5:
        return std::to_string(ShowsShowNum(productList) ? c.ShowNum : c.ProgramNum);
    case 6:
        return std::string(c.Name, strnlen(c.Name, sizeof c.Name));
    case 7:
        return std::to_string(c.VideoPID);
    case 8:
        return std::to_string(c.AudioPID);
    case 9:
        return std::to_string(c.PCRPID);
    case kChannelColumnGenre:
        return GenreText(c.Attributes & kAttrGenreMask);
    case 11:
        return YesNo(c.Attributes & kAttrScrambled);
    case 12:
        return YesNo(c.Attributes & kAttrLocked);
    case 13:
        return YesNo(c.Attributes & kAttrSkipped);
    case 14:
        return TunerText(TunerNameCode(productList, c.SatID, c.Tuner));
    default:
        return {};
    }
}

std::vector<std::uint32_t> ChannelListKeys(const CZorvDB& db, const ChannelListState& list) {
    return ChannelListKeys(db, list, QuickNameFilter());
}

std::vector<std::uint32_t> ChannelListKeys(const CZorvDB& db, const ChannelListState& list,
                                           const QuickNameFilter& quick) {
    const auto channels = FilteredChannels(db, list.filter, quick, list.kind, list.product.type);
    const int column = list.filter.SortColumn(list.product.type);
    std::vector<std::pair<int, std::uint32_t>> rows;
    rows.reserve(channels.size());
    for (const Channel_Info_Tag* c : channels)
        rows.emplace_back(ChannelSortValue(*c, list, column), c->Index);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::uint32_t> keys;
    keys.reserve(rows.size());
    for (const auto& row : rows)
        keys.push_back(row.second);
    return keys;
}

ChannelListModel::ChannelListModel(ChannelKind kind, const Product& product) {
    m_state.kind = kind;
    m_state.product = product;
}

void ChannelListModel::SetFilter(const CZorvDB& db, const ChannelFilter& filter) {
    m_state.filter = filter;
    Rebuild(db);
}

void ChannelListModel::Rebuild(const CZorvDB& db) {
    m_keys = ChannelListKeys(db, m_state);
    m_selected.assign(m_keys.size(), false);
    m_focus.reset();
}

void ChannelListModel::ClearRows() {
    m_keys.clear();
    m_selected.clear();
    m_focus.reset();
}

std::uint32_t ChannelListModel::Key(std::size_t row) const {
    return row < m_keys.size() ? m_keys[row] : 0;
}

std::optional<std::size_t> ChannelListModel::RowOf(std::uint32_t key) const {
    const auto it = std::find(m_keys.begin(), m_keys.end(), key);
    if (key == 0 || it == m_keys.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - m_keys.begin());
}

ChannelCells ChannelListModel::Cells(const CZorvDB& db, std::size_t row) const {
    const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, Key(row));
    if (!c)
        return {};
    return ChannelRowCells(*c, row + 1, m_state);
}

bool ChannelListModel::IsSelected(std::size_t row) const {
    return row < m_selected.size() && m_selected[row];
}

void ChannelListModel::SetSelected(std::size_t row, bool on) {
    if (row < m_selected.size())
        m_selected[row] = on;
}

void ChannelListModel::SelectKeys(std::span<const std::uint32_t> keys) {
    const std::unordered_set<std::uint32_t> wanted(keys.begin(), keys.end());
    for (std::size_t row = 0; row < m_keys.size(); ++row)
        m_selected[row] = wanted.count(m_keys[row]) != 0;
}

void ChannelListModel::SelectWhere(const CZorvDB& db,
                                   const std::function<bool(const Channel_Info_Tag&)>& pick) {
    for (std::size_t row = 0; row < m_keys.size(); ++row) {
        const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, m_keys[row]);
        m_selected[row] = c && pick(*c);
    }
}

void ChannelListModel::InvertSelection() {
    m_selected.flip();
}

void ChannelListModel::ClearSelection() {
    m_selected.assign(m_keys.size(), false);
}

std::size_t ChannelListModel::SelectedCount() const {
    return static_cast<std::size_t>(std::count(m_selected.begin(), m_selected.end(), true));
}

std::vector<std::uint32_t> ChannelListModel::SelectedKeys() const {
    std::vector<std::uint32_t> keys;
    for (std::size_t row = 0; row < m_keys.size(); ++row)
        if (m_selected[row])
            keys.push_back(m_keys[row]);
    return keys;
}

void ChannelListModel::SetFocusRow(std::optional<std::size_t> row) {
    m_focus = row && *row < m_keys.size() ? row : std::nullopt;
}

std::uint32_t ChannelListModel::FocusKey() const {
    return m_focus ? Key(*m_focus) : 0;
}
