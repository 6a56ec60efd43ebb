// The grids of the left panes: satellites, transponders, broadcasters and
// the cable and terrestrial multiplexes; their columns, fills and filters.
#pragma once

#include "views/ListGridCtrl.h"

class CSatGridCtrl final : public CListGridCtrl {
    Q_OBJECT
public:
    explicit CSatGridCtrl(IMessageSink& frame, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
};

class CTPGridCtrl final : public CListGridCtrl {
    Q_OBJECT
public:
    explicit CTPGridCtrl(IMessageSink& frame, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
    void FilterBySatellite(std::uint32_t satelliteKey);
    // The dragged transponders move to satellite `satKey` (its key, 8 bits).
    void MoveSelectedToSatellite(std::uint32_t satKey);

private:
    void Fill();
    int m_nSatellite = 0;
};

class CBroadcastGridCtrl final : public CListGridCtrl {
    Q_OBJECT
public:
    explicit CBroadcastGridCtrl(IMessageSink& frame, QWidget* parent = nullptr);
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
    explicit CCableMuxGridCtrl(IMessageSink& frame, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
};

class CTerMuxGridCtrl final : public CListGridCtrl {
    Q_OBJECT
public:
    explicit CTerMuxGridCtrl(IMessageSink& frame, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
};
