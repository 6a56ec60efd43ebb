// One channel list as the editor shows it: the channels of its kind that
// pass its filter, in display order, their cell texts, and the selection and
// focus row. The editor's grids compute their rows from it, and
// `velmar-cli edit` acts on it as a user acts on a grid.
#pragma once

#include "model/ChannelFilter.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/QuickNameFilter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CZorvDB;

inline constexpr int kChannelColumnCount = 15;
// The name column, the one cell whose text is the record's own bytes.
inline constexpr int kChannelColumnName = 6;
// The genre column: the genre's English name, which the editor shows translated.
inline constexpr int kChannelColumnGenre = 10;

struct ChannelColumn {
    std::string_view header;
    std::string_view widthTemplate;
};
// Columns in order: row number, Index, Fav, SatID, TPID, CH#, Name, VPID,
// APID, PCR-PID, Genre, scrambled, locked, skipped, tuner.
const std::array<ChannelColumn, kChannelColumnCount>& ChannelColumns();
// Hidden at set-up: Fav always; the technical columns when the policy hides
// them (`gridColumn` 0); the tuner on terrestrial and cable products.
bool IsChannelColumnHidden(int column, std::uint32_t productType, int gridColumn);

// What a command needs to know of the list it runs in.
struct ChannelListState {
    ChannelKind kind = ChannelKind::TV;
    ChannelFilter filter;
    Product product;
    bool IsTV() const { return kind == ChannelKind::TV; }
};

using ChannelCells = std::array<std::string, kChannelColumnCount>;
// The cells of a row showing `c` as row `rowNumber` (1-based, column 0).
// The name is the record's Windows-1252 bytes.
ChannelCells ChannelRowCells(const Channel_Info_Tag& c, std::size_t rowNumber,
                             const ChannelListState& list);
// One of those cells, for columns 1 and up (a grid that draws its rows
// from the records asks for one cell at a time).
std::string ChannelCellText(const Channel_Info_Tag& c, int column, const ChannelListState& list);
// The value the list's numeric sort reads from a sort column (favourite
// position or channel number).
int ChannelSortValue(const Channel_Info_Tag& c, const ChannelListState& list, int column);

// The keys of the list's rows in display order: table order, then sorted
// (stable, ascending) by favourite position or channel number.
std::vector<std::uint32_t> ChannelListKeys(const CZorvDB& db, const ChannelListState& list);
// The same with the quick name filter on top of the list's filter.
std::vector<std::uint32_t> ChannelListKeys(const CZorvDB& db, const ChannelListState& list,
                                           const QuickNameFilter& quick);

class ChannelListModel {
public:
    ChannelListModel(ChannelKind kind, const Product& product);

    const ChannelListState& State() const { return m_state; }
    ChannelKind Kind() const { return m_state.kind; }
    bool IsTV() const { return m_state.IsTV(); }
    const ChannelFilter& Filter() const { return m_state.filter; }

    // Takes the filter and rebuilds.
    void SetFilter(const CZorvDB& db, const ChannelFilter& filter);
    // The rows again from the table with the current filter. Selection and
    // focus are gone, as when a grid clears its rows.
    void Rebuild(const CZorvDB& db);
    // No rows until the next rebuild (the lists are emptied when a
    // satellite, transponder or multiplex is deleted); the filter stays.
    void ClearRows();

    std::size_t RowCount() const { return m_keys.size(); }
    std::span<const std::uint32_t> Keys() const { return m_keys; }
    // The key shown in `row` (0-based); 0 past the end.
    std::uint32_t Key(std::size_t row) const;
    std::optional<std::size_t> RowOf(std::uint32_t key) const;
    // The row's cells as the grid shows them; all empty past the end or when
    // the record is gone.
    ChannelCells Cells(const CZorvDB& db, std::size_t row) const;

    bool IsSelected(std::size_t row) const;
    void SetSelected(std::size_t row, bool on);
    // Selected exactly the rows showing these keys.
    void SelectKeys(std::span<const std::uint32_t> keys);
    // Selected exactly the rows whose record `pick` accepts.
    void SelectWhere(const CZorvDB& db, const std::function<bool(const Channel_Info_Tag&)>& pick);
    void InvertSelection();
    void ClearSelection();
    std::size_t SelectedCount() const;
    // Keys of the selected rows, top to bottom.
    std::vector<std::uint32_t> SelectedKeys() const;

    std::optional<std::size_t> FocusRow() const { return m_focus; }
    void SetFocusRow(std::optional<std::size_t> row);
    // The focus row's key; 0 without a focus row.
    std::uint32_t FocusKey() const;

private:
    ChannelListState m_state;
    std::vector<std::uint32_t> m_keys;
    std::vector<bool> m_selected;
    std::optional<std::size_t> m_focus;
};
