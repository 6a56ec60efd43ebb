// The grids of the left panes: satellites, transponders, broadcasters and
// the cable and terrestrial multiplexes; their columns, fills and filters.
#pragma once

#include "views/ListGridCtrl.h"

class CSatGridCtrl final : public CListGridCtrl {
    Q_OBJECT
public:
    explicit CSatGridCtrl(const ViewContext& context, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
};

class CTPGridCtrl final : public CListGridCtrl {
    Q_OBJECT
public:
    explicit CTPGridCtrl(const ViewContext& context, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
    void FilterBySatellite(std::uint32_t satelliteKey);
    // Rebuilds the rows for the satellite shown now.
    void Refill() { Fill(); }
    // The dragged transponders move to satellite `satKey` (its key, 8 bits).
    void MoveSelectedToSatellite(std::uint32_t satKey);

private:
    void Fill();
    int m_nSatellite = 0;
};

class CBroadcastGridCtrl final : public CListGridCtrl {
    Q_OBJECT
public:
    explicit CBroadcastGridCtrl(const ViewContext& context, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
    bool OnDragEnter(const QPoint&) override { return AcceptsChannels(); }
    bool OnDragOver(const QPoint&) override { return AcceptsChannels(); }

private:
    bool AcceptsChannels() const;
};

class CCableMuxGridCtrl final : public CListGridCtrl {
    Q_OBJECT
public:
    explicit CCableMuxGridCtrl(const ViewContext& context, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
};

class CTerMuxGridCtrl final : public CListGridCtrl {
    Q_OBJECT
public:
    explicit CTerMuxGridCtrl(const ViewContext& context, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
};
