// The TV and radio channel lists: columns, filters, and the record changes
// that drops of their selected rows make.
#pragma once

#include "model/ChannelEdits.h"
#include "model/ChannelFilter.h"
#include "model/QuickNameFilter.h"
#include "views/ListGridCtrl.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class CChannelGridCtrl : public CListGridCtrl, private IGridRowSource {
    Q_OBJECT
public:
    CChannelGridCtrl(const ViewContext& context, bool tv, QWidget* parent = nullptr);

    void SetupGrid() override;
    void FillGrid() override;
    void FilterBySatellite(std::uint32_t key);
    void FilterByTransponder(std::uint32_t key);
    void FilterByMux(std::uint32_t key);
    void FilterByBroadcast(std::uint32_t key);
    void FilterByFavorite(int which, int value);
    void Rebuild(); // with the current filter
    const ChannelFilter& Filter() const { return m_filter; }
    // The search field's text in the names' code page, on top of the filter;
    // none when the text holds a character no name can hold (nothing
    // passes). Rebuilds the rows: the channels that do not pass are not
    // rows, so no command can select them.
    void SetQuickFilter(const std::optional<std::string>& nameBytes);
    bool QuickFilterActive() const { return m_bQuickMatchesNothing || !m_quick.Empty(); }
    // How many times the rows were built, so tests can tell a rebuild that
    // should happen once from one that happens as a side effect.
    int FillCount() const { return m_nFills; }

    // Drop operations on the selected rows, with the drop's value; each is
    // one edit. Rows that leave the list go, the other changed rows are
    // rewritten; a drop with no row under the pointer changes nothing.
    void SetSatelliteOfSelected(std::uint32_t satKey);
    void SetMuxOfSelected(std::uint32_t muxValue);
    void SetTransponderOfSelected(std::uint32_t tpKey);
    void SetBroadcastOfSelected(std::uint32_t broadcastKey);
    void AddSelectedToFavorite(int list0);
    void SetGenreOfSelected(int genre);
    void MoveSelectedTo(std::uint32_t targetKey);

    bool OnDragEnter(const QPoint&) override { return false; }
    bool OnDragOver(const QPoint& point) override;

private:
    void ReorderFavorite(std::uint32_t dropKey);
    // The shown favourite list's members of the kind in their list order,
    // whatever the quick filter leaves on show.
    std::vector<std::uint32_t> FavoriteOrder() const;
    // The cells of a channel's row, as the column table says.
    QStringList Cells(const Channel_Info_Tag& c) const;
    QString CellText(const Channel_Info_Tag& c, int col) const;
    int ShownNumber(const Channel_Info_Tag& c) const; // CH#
    // The rows are keyed: their cells come from the records.
    QString CellText(std::uint32_t key, int col) const override;
    long CellNumber(std::uint32_t key, int col) const override;
    using KeySpan = std::span<const std::uint32_t>;
    // Keys of the selected rows, top to bottom.
    std::vector<std::uint32_t> SelectedKeys() const;
    // Runs `edit` on the selected keys as the edit `name`.
    EditedRows EditSelected(std::string_view name, const std::function<EditedRows(KeySpan)>& edit);
    void ShowEdited(const EditedRows& rows);
    ChannelKind Kind() const { return m_bTV ? ChannelKind::TV : ChannelKind::Radio; }

    bool m_bTV;
    int m_nFills = 0;
    ChannelFilter m_filter;
    QuickNameFilter m_quick;
    bool m_bQuickMatchesNothing = false;
    int m_nProductList = 0;
    std::uint32_t m_nProductType = 0;
};

class CTVGridCtrl final : public CChannelGridCtrl {
public:
    explicit CTVGridCtrl(const ViewContext& context, QWidget* parent = nullptr)
        : CChannelGridCtrl(context, true, parent) {}
};

class CRadioGridCtrl final : public CChannelGridCtrl {
public:
    explicit CRadioGridCtrl(const ViewContext& context, QWidget* parent = nullptr)
        : CChannelGridCtrl(context, false, parent) {}
};
