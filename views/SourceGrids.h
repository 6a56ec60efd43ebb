// The grids of the left panes: satellites, transponders, broadcasters and
// the cable and terrestrial multiplexes; their columns, fills and filters,
// and the commands of their menus and keys (SourceGridCommands.cpp).
#pragma once

#include "model/BroadcastCounts.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "views/SourceGridCtrl.h"

class CSatGridCtrl final : public CSourceGridCtrl {
    Q_OBJECT
public:
    explicit CSatGridCtrl(const ViewContext& context, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
    void OnLButtonDblClk(const QPoint& point) override;

protected:
    void OnNew() override;
    void OnUpdate() override;
    void OnDelete() override;
    void OnDescription() override;

private:
    QStringList Cells(const Satellite_Info_Tag& s) const;
};

class CTPGridCtrl final : public CSourceGridCtrl {
    Q_OBJECT
public:
    explicit CTPGridCtrl(const ViewContext& context, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
    void FilterBySatellite(std::uint32_t satelliteKey);
    // Rebuilds the rows for the satellite shown now.
    void Refill() { Fill(); }
    // After its satellite was deleted: no rows, and no satellite kept for
    // the next refill, whose IDs the cascade has moved.
    void Empty() {
        m_nSatellite = 0;
        ClearRows();
    }
    // The dragged transponders move to satellite `satKey` (its key, 8 bits).
    void MoveSelectedToSatellite(std::uint32_t satKey);
    void OnLButtonDblClk(const QPoint& point) override;

protected:
    void OnNew() override;
    void OnUpdate() override;
    void OnDelete() override;
    void OnDescription() override;

private:
    void Fill();
    QStringList Cells(const Transponder_Info_Tag& t) const;
    int m_nSatellite = 0;
};

class CBroadcastGridCtrl final : public CSourceGridCtrl {
    Q_OBJECT
public:
    explicit CBroadcastGridCtrl(const ViewContext& context, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
    bool OnDragEnter(const QPoint&) override { return AcceptsChannels(); }
    bool OnDragOver(const QPoint&) override { return AcceptsChannels(); }

protected:
    void OnNew() override;
    void OnUpdate() override;
    void OnDelete() override;
    void OnDescription() override;

private:
    bool AcceptsChannels() const;
    QStringList Cells(const Broadcast_Info_Tag& b) const;
    QStringList Cells(const Broadcast_Info_Tag& b, BroadcastCount counts) const;
    // The name from the one-line name dialog captioned `caption`, preset to
    // `preset`; false when it was cancelled or refused.
    bool AskName(const QString& caption, const QString& preset, std::string& name);
};

class CCableMuxGridCtrl final : public CSourceGridCtrl {
    Q_OBJECT
public:
    explicit CCableMuxGridCtrl(const ViewContext& context, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;

protected:
    void OnNew() override;
    void OnUpdate() override;
    void OnDelete() override;

private:
    QStringList Cells(const CableMux_Info_Tag& m) const;
};

// Shows the terrestrial multiplexes; no menu, keys or commands.
class CTerMuxGridCtrl final : public CListGridCtrl {
    Q_OBJECT
public:
    explicit CTerMuxGridCtrl(const ViewContext& context, QWidget* parent = nullptr);
    void SetupGrid() override;
    void FillGrid() override;
};
