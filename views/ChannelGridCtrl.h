// The TV and radio channel lists: columns, filters, and the record changes
// that drops of their selected rows make.
#pragma once

#include "model/ChannelFilter.h"
#include "views/ListGridCtrl.h"

#include <cstdint>
#include <vector>

class CChannelGridCtrl : public CListGridCtrl {
    Q_OBJECT
public:
    CChannelGridCtrl(IMessageSink& frame, bool tv, QWidget* parent = nullptr);

    void SetupGrid() override;
    void FillGrid() override;
    void FilterBySatellite(std::uint32_t key);
    void FilterByTransponder(std::uint32_t key);
    void FilterByMux(std::uint32_t key);
    void FilterByBroadcast(std::uint32_t key);
    void FilterByFavorite(int which, int value);
    void Rebuild(); // with the current filter
    const ChannelFilter& Filter() const { return m_filter; }
    // How many times the rows were built, so tests can tell a rebuild that
    // should happen once from one that happens as a side effect.
    int FillCount() const { return m_nFills; }

    // Drop operations on the selected rows, with the drop's value.
    void SetSatelliteOfSelected(std::uint32_t satKey);
    void SetMuxOfSelected(std::uint32_t tpid);
    void SetTransponderOfSelected(std::uint32_t tpKey);
    void SetBroadcastOfSelected(std::uint32_t broadcastKey);
    void AddSelectedToFavorite(int list0);
    void SetGenreOfSelected(int genre);
    void MoveSelectedTo(std::uint32_t targetKey);

    bool OnDragEnter(const QPoint&) override { return false; }
    bool OnDragOver(const QPoint& point) override;

private:
    void ReorderFavorite(std::uint32_t dropKey);
    QStringList Cells(const Channel_Info_Tag& c) const;
    // Keys of the selected rows, top to bottom.
    std::vector<std::uint32_t> SelectedKeys() const;
    void Select(const std::vector<std::uint32_t>& keys);
    ChannelKind Kind() const { return m_bTV ? ChannelKind::TV : ChannelKind::Radio; }

    bool m_bTV;
    int m_nFills = 0;
    ChannelFilter m_filter;
    int m_nProductList = 0;
    std::uint32_t m_nProductType = 0;
};

class CTVGridCtrl final : public CChannelGridCtrl {
public:
    explicit CTVGridCtrl(IMessageSink& frame, QWidget* parent = nullptr)
        : CChannelGridCtrl(frame, true, parent) {}
};

class CRadioGridCtrl final : public CChannelGridCtrl {
public:
    explicit CRadioGridCtrl(IMessageSink& frame, QWidget* parent = nullptr)
        : CChannelGridCtrl(frame, false, parent) {}
};
