// The three panes of the main window: sources (satellites, transponders,
// multiplexes), providers and favourites, and the channel lists. Their
// controls are their own; the frame calls the operations below, and tests
// find the controls by object name.
#pragma once

#include "views/ChannelGridCtrl.h"
#include "views/FavTreeCtrl.h"
#include "views/SourceGrids.h"

#include "contracts/ZorvDB.h"

#include <QComboBox>
#include <QSize>
#include <QTabBar>
#include <QWidget>

// The smallest each pane gets, so that a small window or a dragged splitter
// bar never squeezes a grid, the tree or a channel list out of sight. With
// the splitter bars and the toolbar they fit the frame's own minimum.
inline constexpr QSize kLeftTopMinimum{180, 110};
inline constexpr QSize kLeftBottomMinimum{180, 110};
inline constexpr QSize kRightMinimum{240, 150};

class CColorStatic;
class CChannelListBar;
class IUiSeam;

class CLeftTopView final : public QWidget {
    Q_OBJECT
public:
    CLeftTopView(const ViewContext& context, QWidget* parent = nullptr);
    void RefreshView();
    void ShowSatelliteTransponders(std::uint32_t satelliteKey);
    void ClearTransponderGrid();
    // After an undo or redo changed `tables`: the grids that show them
    // rebuild; the transponder grid keeps its satellite.
    void Refill(TableMask tables);
    // The selected transponders move to satellite `satelliteKey`.
    void MoveTranspondersToSatellite(std::uint32_t satelliteKey);
    void Layout();
    // The list the keyboard focus goes to when it comes to the pane and no
    // control of the pane had it before: the first one on show.
    QWidget* MainList() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void HeaderSort(CListGridCtrl* grid, int col, bool renumber);
    IMessageSink& m_frame;
    int m_nSortFlag = 1;
    CColorStatic* m_pCaption;
    QTabBar* m_pTabs;
    CSatGridCtrl* m_pSatGrid;
    CTPGridCtrl* m_pTPGrid;
    CTerMuxGridCtrl* m_pTerMuxGrid;
    CCableMuxGridCtrl* m_pCableMuxGrid;
};

class CLeftBottomView final : public QWidget {
    Q_OBJECT
public:
    CLeftBottomView(const ViewContext& context, QWidget* parent = nullptr);
    void RefreshView();
    // After a drop on the tree: no node stays chosen.
    void ClearTreeSelection();
    // After an undo or redo changed `tables`: the provider counts and the
    // favourite names follow.
    void Refill(TableMask tables);
    // The list the keyboard focus goes to when it comes to the pane and no
    // control of the pane had it before: the first one on show.
    QWidget* MainList() const;

private:
    IMessageSink& m_frame;
    int m_nSortFlag = 1;
    CColorStatic* m_pProviderCaption;
    CColorStatic* m_pFavoriteCaption;
    CFAVTreeCtrl* m_pTree;
    CBroadcastGridCtrl* m_pBroadcastGrid;
};

class CRightView final : public QWidget {
    Q_OBJECT
public:
    CRightView(const ViewContext& context, QWidget* parent = nullptr);
    void RefreshView();
    void FilterByFavorite(int kind, int value);
    void FilterBySatellite(std::uint32_t key);
    void FilterByTransponder(std::uint32_t key);
    void FilterByMux(std::uint32_t key);
    void FilterByBroadcast(std::uint32_t key);
    void ClearLists();
    void RefillLists();
    // After an undo or redo changed `tables`: both lists rebuild with their
    // filters when anything they show or filter by changed.
    void Refill(TableMask tables);
    void Layout();
    // The list a drag id names (TV 8, radio 9), or null.
    CChannelGridCtrl* ChannelList(int dragId) const;
    // The list the keyboard focus goes to when it comes to the pane and no
    // control of the pane had it before: the first one on show.
    QWidget* MainList() const;

protected:
    void resizeEvent(QResizeEvent*) override { Layout(); }

    // The quick name filter and the line beside the caption.
    CChannelListBar& ListBar() { return *m_pListBar; }

private:
    template <class F> void Both(F f) {
        f(*m_pTVGrid);
        f(*m_pRadioGrid);
    }
    // Additions to the lists (ChannelListTools.cpp): the quick filter and the
    // status line, the Name columns that take the spare width, the flag
    // columns' header tooltips.
    void AddListTools();
    // Places the status line beside the caption (band height `caption`) and
    // the filter field below it; returns where the lists begin.
    int PlaceListTools(int caption);
    IMessageSink& m_frame;
    int m_nSortFlag = 1;
    CColorStatic* m_pCaption;
    QComboBox* m_pChooser;
    CTVGridCtrl* m_pTVGrid;
    CRadioGridCtrl* m_pRadioGrid;
    CChannelListBar* m_pListBar = nullptr;
};
