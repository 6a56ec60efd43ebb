// The TV and radio channel lists: columns, filters, and the record changes
// that drops of their selected rows make.
#pragma once

#include "views/ListGridCtrl.h"

#include <cstdint>
#include <vector>

struct Channel_Info_Tag;

class CChannelGridCtrl : public CListGridCtrl {
    Q_OBJECT
public:
    enum FilterKind {
        kAll = 0,
        kSatellite = 1,
        kTransponder = 2,
        kMux = 3,
        kBroadcast = 5,
        kFavorite = 7,
        kGenre = 8
    };

    CChannelGridCtrl(IMessageSink& frame, bool tv, QWidget* parent = nullptr);

    void SetupGrid() override;
    void FillGrid() override;
    void FilterBySatellite(std::uint32_t key);
    void FilterByTransponder(std::uint32_t key);
    void FilterByMux(std::uint32_t key);
    void FilterByBroadcast(std::uint32_t key);
    void FilterByFavorite(int which, int value);
    void Rebuild(); // with the current filter
    int Filter() const { return m_nFilterKind; }
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
    bool Passes(const Channel_Info_Tag& c) const;
    QStringList Cells(const Channel_Info_Tag& c) const;
    std::vector<Channel_Info_Tag*> SelectedRecords() const;
    void KeepFilterSatelliteForSource();

    bool m_bTV;
    int m_nFills = 0;
    int m_nFilterKind = kAll;
    int m_nSatellite = 0;
    std::uint32_t m_nTransponder = 0, m_nBroadcast = 0;
    int m_nFavorite = 0, m_nGenre = 0;
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
