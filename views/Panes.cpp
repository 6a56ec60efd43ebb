#include "views/Panes.h"

#include "contracts/Policy.h"
#include "model/Product.h"
#include "qtkit/PaneWidgets.h"
#include "views/ChannelListBar.h"
#include "views/Icons.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Header click: invert the view's flag, sort by text, renumber column 0.
void SortByHeader(CListGridCtrl* grid, int col, int& flag, bool renumber) {
    if (col == 0)
        return;
    flag = !flag;
    grid->SortItems(CGridCtrl::Compare::Text, col, flag != 0);
    if (renumber)
        grid->RenumberIndexColumn();
    grid->Refresh();
}

// A click on a data row (or a selection change) sends the row's key on.
void Forward(CListGridCtrl* grid, IMessageSink& frame, unsigned message, int row) {
    if (row < 1 || row >= grid->GetRowCount())
        return;
    frame.SendMessage(message, 0, static_cast<std::intptr_t>(grid->GetRowKey(row)));
}

} // namespace

// ---- Upper left -------------------------------------------------------------------

CLeftTopView::CLeftTopView(const ViewContext& context, QWidget* parent)
    : QWidget(parent), m_frame(context.frame) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    const std::uint32_t type = GetProductType();
    m_pCaption =
        new CColorStatic(IsSatellite(type)                              ? tr(" Satellite")
                         : IsTerrestrialOnly(type) || IsCableOnly(type) ? tr(" Mux information")
                                                                        : QString(),
                         this);
    m_pTabs = new QTabBar(this);
    m_pTabs->addTab(tr("Satellite"));
    m_pTabs->addTab(tr("Terrestrial"));
    m_pSatGrid = new CSatGridCtrl(context, this);
    m_pTPGrid = new CTPGridCtrl(context, this);
    m_pTerMuxGrid = new CTerMuxGridCtrl(context, this);
    m_pCableMuxGrid = new CCableMuxGridCtrl(context, this);
    setObjectName("LeftTopView");
    setMinimumSize(kLeftTopMinimum);
    m_pCaption->setObjectName("SourceCaption");
    m_pTabs->setObjectName("SourceTabs");
    m_pSatGrid->setObjectName("SatGrid");
    m_pTPGrid->setObjectName("TPGrid");
    m_pTerMuxGrid->setObjectName("TerMuxGrid");
    m_pCableMuxGrid->setObjectName("CableMuxGrid");
    // What a screen reader calls the pane's controls; no label beside them
    // says it.
    m_pTabs->setAccessibleName(tr("Source"));
    m_pSatGrid->setAccessibleName(tr("Satellites"));
    m_pTPGrid->setAccessibleName(tr("Transponders"));
    m_pTerMuxGrid->setAccessibleName(tr("Terrestrial multiplexes"));
    m_pCableMuxGrid->setAccessibleName(tr("Cable multiplexes"));
    for (QWidget* grid : {static_cast<QWidget*>(m_pSatGrid), static_cast<QWidget*>(m_pTPGrid),
                          static_cast<QWidget*>(m_pCableMuxGrid)})
        grid->setAccessibleDescription(
            tr("Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 "
               "goes to the next pane."));
    // The terrestrial grid has no commands.
    m_pTerMuxGrid->setAccessibleDescription(
        tr("Choosing a row filters the lists. F6 goes to the next pane."));
    for (CListGridCtrl* g :
         {static_cast<CListGridCtrl*>(m_pSatGrid), static_cast<CListGridCtrl*>(m_pTPGrid),
          static_cast<CListGridCtrl*>(m_pTerMuxGrid), static_cast<CListGridCtrl*>(m_pCableMuxGrid)})
        g->SetupGrid();
    m_pSatGrid->SetHeaderImage(0, Icons::Satellite());
    m_pTPGrid->SetHeaderImage(0, Icons::Transponder());
    m_pTerMuxGrid->SetHeaderImage(0, Icons::Multiplex());
    m_pCableMuxGrid->SetHeaderImage(0, Icons::Multiplex());

    connect(m_pSatGrid, &CGridCtrl::CellClicked, this, [this](int row, int col) {
        if (row == 0)
            HeaderSort(m_pSatGrid, col, true);
        else
            Forward(m_pSatGrid, m_frame, WM_SATELLITE_SELECTED, row);
    });
    connect(m_pSatGrid, &CGridCtrl::SelectionChanged, this,
            [this](int row) { Forward(m_pSatGrid, m_frame, WM_SATELLITE_SELECTED, row); });
    connect(m_pTPGrid, &CGridCtrl::CellClicked, this, [this](int row, int col) {
        if (row == 0)
            HeaderSort(m_pTPGrid, col, true);
        else
            Forward(m_pTPGrid, m_frame, WM_TRANSPONDER_SELECTED, row);
    });
    connect(m_pTPGrid, &CGridCtrl::SelectionChanged, this,
            [this](int row) { Forward(m_pTPGrid, m_frame, WM_TRANSPONDER_SELECTED, row); });
    connect(m_pTerMuxGrid, &CGridCtrl::CellClicked, this, [this](int row, int col) {
        if (row == 0)
            HeaderSort(m_pTerMuxGrid, col, false); // column 0 holds names
        else
            Forward(m_pTerMuxGrid, m_frame, WM_TRANSPONDER_SELECTED, row);
    });
    connect(m_pTerMuxGrid, &CGridCtrl::SelectionChanged, this,
            [this](int row) { Forward(m_pTerMuxGrid, m_frame, WM_TRANSPONDER_SELECTED, row); });
    connect(m_pCableMuxGrid, &CGridCtrl::CellClicked, this, [this](int row, int col) {
        if (row == 0)
            HeaderSort(m_pCableMuxGrid, col, true);
        else
            Forward(m_pCableMuxGrid, m_frame, WM_MUX_CLICKED, row);
    });
    connect(m_pCableMuxGrid, &CGridCtrl::SelectionChanged, this,
            [this](int row) { Forward(m_pCableMuxGrid, m_frame, WM_TRANSPONDER_SELECTED, row); });
    connect(m_pTabs, &QTabBar::currentChanged, this, [this](int tab) {
        Layout();
        m_frame.SendMessage(tab == 1 ? WM_TERRESTRIAL_TAB_SELECTED : WM_SATELLITE_SELECTED, 0, 0);
    });
    Layout();
}

QWidget* CLeftTopView::MainList() const {
    for (QWidget* grid : {static_cast<QWidget*>(m_pSatGrid), static_cast<QWidget*>(m_pTerMuxGrid),
                          static_cast<QWidget*>(m_pCableMuxGrid)})
        if (!grid->isHidden())
            return grid;
    return m_pSatGrid;
}

void CLeftTopView::HeaderSort(CListGridCtrl* grid, int col, bool renumber) {
    SortByHeader(grid, col, m_nSortFlag, renumber);
}

void CLeftTopView::Layout() {
    const QRect r = rect();
    const int band = 23;
    const std::uint32_t type = GetProductType();
    // Every window not placed below ends hidden. A window that is placed is
    // never hidden on the way: hiding the focused grid would pass the focus
    // on, and the grid with it its current row, which filters the lists.
    std::vector<std::pair<QWidget*, QRect>> placed;
    auto place = [&](QWidget* w, int left, int top, int right, int bottom) {
        placed.emplace_back(w, QRect(left, top, right - left, bottom - top));
    };
    place(IsSatelliteAndTerrestrial(type) ? static_cast<QWidget*>(m_pTabs) : m_pCaption, r.left(),
          r.top(), r.right() + 1, r.top() + band);
    const int mid = (r.right() + 1) / 2;
    if (IsSatellite(type) && m_pTabs->currentIndex() == 0) {
        place(m_pSatGrid, r.left(), r.top() + band, mid, r.bottom() + 1);
        place(m_pTPGrid, mid, r.top() + band, r.right() + 1, r.bottom() + 1);
    } else if (IsCable(type)) {
        place(m_pCableMuxGrid, r.left(), r.top() + band, r.right() + 1, r.bottom() + 1);
    } else {
        place(m_pTerMuxGrid, r.left(), r.top() + band, r.right() + 1, r.bottom() + 1);
    }
    for (QWidget* w :
         {static_cast<QWidget*>(m_pTabs), static_cast<QWidget*>(m_pCaption),
          static_cast<QWidget*>(m_pSatGrid), static_cast<QWidget*>(m_pTPGrid),
          static_cast<QWidget*>(m_pTerMuxGrid), static_cast<QWidget*>(m_pCableMuxGrid)})
        if (std::none_of(placed.begin(), placed.end(), [w](const auto& p) { return p.first == w; }))
            w->hide();
    // The places are worked out left to right; a right-to-left window has them
    // mirrored, as a layout would (a child's geometry is not mirrored by Qt).
    for (const auto& [w, at] : placed) {
        w->setGeometry(QStyle::visualRect(layoutDirection(), r, at));
        w->show();
    }
}

void CLeftTopView::resizeEvent(QResizeEvent*) {
    Layout();
}

void CLeftTopView::RefreshView() {
    const std::uint32_t type = GetProductType();
    if (IsTerrestrial(type))
        m_pTerMuxGrid->FillGrid();
    if (IsCable(type))
        m_pCableMuxGrid->FillGrid();
    if (IsSatellite(type)) {
        m_pSatGrid->FillGrid();
        m_pTPGrid->FillGrid();
    }
    {
        const QSignalBlocker quiet(m_pTabs);
        m_pTabs->setCurrentIndex(0);
    }
    Layout();
    m_pSatGrid->ExpandColumnsToFit();
    m_pTPGrid->ExpandColumnsToFit();
    m_pCableMuxGrid->ExpandColumnsToFit();
}

void CLeftTopView::ShowSatelliteTransponders(std::uint32_t satelliteKey) {
    m_pTPGrid->FilterBySatellite(satelliteKey);
}

void CLeftTopView::Refill(TableMask tables) {
    if (tables & TableBit(kTableSatellite))
        m_pSatGrid->FillGrid();
    if (tables & (TableBit(kTableSatellite) | TableBit(kTableTransponder)))
        m_pTPGrid->Refill();
    if (tables & (TableBit(kTableTerrestrialMux) | TableBit(kTableTransponder)))
        m_pTerMuxGrid->FillGrid();
    if (tables & TableBit(kTableCableMux))
        m_pCableMuxGrid->FillGrid();
}

void CLeftTopView::ClearTransponderGrid() {
    m_pTPGrid->Empty();
}

void CLeftTopView::MoveTranspondersToSatellite(std::uint32_t satelliteKey) {
    m_pTPGrid->MoveSelectedToSatellite(satelliteKey);
}

// ---- Lower left ---------------------------------------------------------------------

CLeftBottomView::CLeftBottomView(const ViewContext& context, QWidget* parent)
    : QWidget(parent), m_frame(context.frame) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    m_pProviderCaption = new CColorStatic(tr(" Provider"), this);
    m_pFavoriteCaption = new CColorStatic(tr(" Favorite"), this);
    m_pTree = new CFAVTreeCtrl(context, this);
    m_pBroadcastGrid = new CBroadcastGridCtrl(context, this);
    m_pBroadcastGrid->SetupGrid();
    setObjectName("LeftBottomView");
    setMinimumSize(kLeftBottomMinimum);
    m_pProviderCaption->setObjectName("ProviderCaption");
    m_pFavoriteCaption->setObjectName("FavoriteCaption");
    m_pTree->setObjectName("FavTree");
    m_pBroadcastGrid->setObjectName("BroadcastGrid");
    m_pBroadcastGrid->setAccessibleName(tr("Providers"));
    m_pBroadcastGrid->setAccessibleDescription(
        tr("Choosing a row filters the lists. Menu or Shift+F10 opens the commands; F6 goes "
           "to the next pane."));
    m_pTree->setAccessibleName(tr("Favorite lists and genres"));
    m_pTree->setAccessibleDescription(
        tr("Choosing a list or a genre shows its channels; F2 renames a favorite list."));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(m_pProviderCaption, 0, 0);
    grid->addWidget(m_pFavoriteCaption, 0, 1);
    grid->addWidget(m_pBroadcastGrid, 1, 0);
    grid->addWidget(m_pTree, 1, 1);
    // Tab goes through the pane as it reads: the providers, then the tree.
    setTabOrder(m_pBroadcastGrid, m_pTree);
    connect(m_pBroadcastGrid, &CGridCtrl::CellClicked, this, [this](int row, int col) {
        if (row == 0)
            SortByHeader(m_pBroadcastGrid, col, m_nSortFlag, true);
        else
            Forward(m_pBroadcastGrid, m_frame, WM_BROADCAST_SELECTED, row);
    });
    connect(m_pBroadcastGrid, &CGridCtrl::SelectionChanged, this,
            [this](int row) { Forward(m_pBroadcastGrid, m_frame, WM_BROADCAST_SELECTED, row); });
}

QWidget* CLeftBottomView::MainList() const {
    return m_pBroadcastGrid;
}

void CLeftBottomView::RefreshView() {
    m_pBroadcastGrid->FillGrid();
    m_pBroadcastGrid->ExpandColumnsToFit();
    m_pTree->Fill();
}

void CLeftBottomView::Refill(TableMask tables) {
    if (tables & (TableBit(kTableBroadcast) | TableBit(kTableChannel)))
        m_pBroadcastGrid->FillGrid(); // the counts are of channels
    if (tables & TableBit(kTableFavorite))
        m_pTree->Fill();
}

void CLeftBottomView::ClearTreeSelection() {
    m_pTree->setCurrentItem(nullptr);
}

// ---- Right ----------------------------------------------------------------------------

CRightView::CRightView(const ViewContext& context, QWidget* parent)
    : QWidget(parent), m_frame(context.frame) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    m_pCaption = new CColorStatic(tr(" Channels"), this);
    m_pChooser = new QComboBox(this);
    m_pChooser->addItems({tr("All"), tr("TV Only"), tr("Radio Only")});
    m_pTVGrid = new CTVGridCtrl(context, this);
    m_pRadioGrid = new CRadioGridCtrl(context, this);
    setObjectName("RightView");
    setMinimumSize(kRightMinimum);
    m_pCaption->setObjectName("ChannelsCaption");
    m_pChooser->setObjectName("ListChooser");
    m_pTVGrid->setObjectName("TVGrid");
    m_pRadioGrid->setObjectName("RadioGrid");
    m_pChooser->setAccessibleName(tr("Lists shown"));
    m_pTVGrid->setAccessibleName(tr("TV channels"));
    m_pRadioGrid->setAccessibleName(tr("Radio channels"));
    Both([](CChannelGridCtrl& g) {
        g.setAccessibleDescription(
            tr("Menu or Shift+F10 opens the commands; Ctrl+1 to Ctrl+8 add the selected "
               "channels to favorite list 1 to 8; F6 goes to the next pane."));
    });
    Both([](CChannelGridCtrl& g) { g.SetupGrid(); });
    m_pTVGrid->SetHeaderImage(0, Icons::TV());
    m_pRadioGrid->SetHeaderImage(0, Icons::Radio());
    Both([](CChannelGridCtrl& g) {
        g.SetHeaderImage(11, Icons::Scrambled());
        g.SetHeaderImage(12, Icons::Locked());
        g.SetHeaderImage(13, Icons::Skipped());
        g.SetHeaderImage(14, Icons::Tuner());
    });
    AddListTools();
    // Tab goes through the pane as it reads: the chooser, the name filter
    // below the caption, then the lists.
    setTabOrder(m_pChooser, &m_pListBar->Field());
    setTabOrder(&m_pListBar->Field(), m_pTVGrid);
    setTabOrder(m_pTVGrid, m_pRadioGrid);
    for (CChannelGridCtrl* g :
         {static_cast<CChannelGridCtrl*>(m_pTVGrid), static_cast<CChannelGridCtrl*>(m_pRadioGrid)})
        connect(g, &CGridCtrl::CellClicked, this, [this, g](int row, int col) {
            if (row == 0)
                SortByHeader(g, col, m_nSortFlag, true);
        });
    connect(m_pChooser, &QComboBox::currentIndexChanged, this, [this] { Layout(); });
    Layout();
}

void CRightView::Layout() {
    const QRect r = rect();
    const int caption = 22, mid = (r.right() + 1) / 2;
    // Left to right here; mirrored in a right-to-left window.
    auto put = [this, &r](QWidget* w, const QRect& at) {
        w->setGeometry(QStyle::visualRect(layoutDirection(), r, at));
    };
    put(m_pCaption, QRect(r.left(), r.top(), mid, caption));
    put(m_pChooser, QRect(r.right() + 1 - 100, r.top(), 100, caption));
    const int band = PlaceListTools(caption);
    const int choice = m_pChooser->currentIndex();
    m_pTVGrid->setVisible(choice != 2);
    m_pRadioGrid->setVisible(choice != 1);
    const int h = r.bottom() + 1 - band;
    if (choice == 0) {
        put(m_pTVGrid, QRect(r.left(), band, mid, h));
        put(m_pRadioGrid, QRect(mid, band, r.right() + 1 - mid, h));
    } else {
        put(choice == 1 ? static_cast<QWidget*>(m_pTVGrid) : m_pRadioGrid,
            QRect(r.left(), band, r.width(), h));
    }
}

QWidget* CRightView::MainList() const {
    return m_pTVGrid->isHidden() ? static_cast<QWidget*>(m_pRadioGrid) : m_pTVGrid;
}

CChannelGridCtrl* CRightView::ChannelList(int dragId) const {
    if (dragId == kDragTV)
        return m_pTVGrid;
    if (dragId == kDragRadio)
        return m_pRadioGrid;
    return nullptr;
}

void CRightView::RefreshView() {
    Both([](CChannelGridCtrl& g) { g.FillGrid(); });
}
void CRightView::FilterByFavorite(int kind, int value) {
    Both([&](CChannelGridCtrl& g) { g.FilterByFavorite(kind, value); });
}
void CRightView::FilterBySatellite(std::uint32_t key) {
    Both([&](CChannelGridCtrl& g) { g.FilterBySatellite(key); });
}
void CRightView::FilterByTransponder(std::uint32_t key) {
    Both([&](CChannelGridCtrl& g) { g.FilterByTransponder(key); });
}
void CRightView::FilterByMux(std::uint32_t key) {
    Both([&](CChannelGridCtrl& g) { g.FilterByMux(key); });
}
void CRightView::FilterByBroadcast(std::uint32_t key) {
    Both([&](CChannelGridCtrl& g) { g.FilterByBroadcast(key); });
}
void CRightView::ClearLists() {
    Both([](CChannelGridCtrl& g) { g.Empty(); });
}
void CRightView::Refill(TableMask tables) {
    if (tables & ~(TableBit(kTableFavorite) | TableBit(kTableScratch)))
        RefillLists();
}

void CRightView::RefillLists() {
    Both([](CChannelGridCtrl& g) { g.Rebuild(); });
}
