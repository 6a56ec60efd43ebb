#include "app/MainFrame.h"

#include "app/CaptionEntries.h"
#include "app/FrameGeometry.h"
#include "app/ListTools.h"
#include "app/PrintTools.h"
#include "app/RecoveryWriter.h"
#include "contracts/ReceiverProfiles.h"
#include "contracts/ZorvDB.h"
#include "document/EditCatalogue.h"
#include "document/WorkingCopy.h"
#include "qtkit/AccessibleNames.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/PaneWidgets.h"
#include "qtkit/Translation.h"
#include "views/CaptionLine.h"
#include "views/Panes.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

namespace {
// "Undo" alone, or "Undo Paste": the tip as a whole sentence of the language.
QString HistoryTip(const QString& alone, const QString& withEdit, const std::string& edit) {
    return edit.empty() ? alone : withEdit.arg(Text(edit));
}
} // namespace

CMainFrame::CMainFrame(IUiSeam& ui, bool configurePolicy, const ReceiverProfile* profile)
    : m_ui(ui), m_prompt(ui, this), m_session(TheZorvDB()) {
    setObjectName("MainFrame");
    // Controls named by what the window shows beside them, the dialogs' too.
    QCoreApplication::instance()->installEventFilter(new CAccessibleNames(this));
    setMinimumSize(kFrameMinimumSize);

    QToolBar* bar = addToolBar(tr("Standard"));
    bar->setObjectName("Toolbar");
    bar->setMovable(true);
    auto add = [&](QAction* a, QStyle::StandardPixmap icon) {
        a->setIcon(style()->standardIcon(icon));
        bar->addAction(a);
    };
    add(AddCommand("ID_FILE_OPEN", tr("Open"), tr("Open existing database"), tr("Open file"),
                   QKeySequence("Ctrl+O")),
        QStyle::SP_DialogOpenButton);
    add(AddCommand("ID_SAVE_TO_FILE", tr("Save to file"), tr("Save to file"), tr("Save to file"),
                   QKeySequence("Ctrl+S")),
        QStyle::SP_DialogSaveButton);
    bar->addSeparator();
    QAction* receive = AddCommand("ID_RECEIVE_DB", tr("Receive"), tr("Receive DB from STB"),
                                  tr("Receive"), QKeySequence("Ctrl+R"));
    add(receive, QStyle::SP_ArrowDown);
    // Send has an accelerator but no button.
    AddCommand("ID_SEND_DB", tr("Send"), tr("Send DB to STB"), tr("Send"), QKeySequence("Ctrl+T"));
    bar->addSeparator();
    add(AddCommand("ID_REFRESH_ALL", tr("Refresh"), tr("Refresh all"), tr("Refresh"), {}),
        QStyle::SP_BrowserReload);
    add(AddCommand("ID_APP_ABOUT", tr("About"),
                   tr("Display program information, version number and copyright"), tr("About"),
                   {}),
        QStyle::SP_MessageBoxInformation);
    connect(findChild<QAction*>("ID_FILE_OPEN"), &QAction::triggered, this,
            &CMainFrame::OnFileOpen);
    connect(findChild<QAction*>("ID_SAVE_TO_FILE"), &QAction::triggered, this,
            &CMainFrame::OnSaveToFile);
    connect(findChild<QAction*>("ID_REFRESH_ALL"), &QAction::triggered, this,
            &CMainFrame::OnRefreshAll);
    connect(findChild<QAction*>("ID_APP_ABOUT"), &QAction::triggered, this, &CMainFrame::OnAbout);
    connect(receive, &QAction::triggered, this, &CMainFrame::OnReceiveDb);
    connect(findChild<QAction*>("ID_SEND_DB"), &QAction::triggered, this, &CMainFrame::OnSendDb);
    new CCaptionEntries(*this, *bar, m_ui); // the hidden entries; owned by the frame
    // Undo and redo come after the fixed buttons.
    bar->addSeparator();
    m_pUndo = AddCommand("ID_EDIT_UNDO", tr("Undo"), tr("Undo the last edit"), tr("Undo"),
                         QKeySequence("Ctrl+Z"));
    m_pRedo = AddCommand("ID_EDIT_REDO", tr("Redo"), tr("Redo the edit undone last"), tr("Redo"),
                         QKeySequence("Ctrl+Shift+Z"));
    m_pRedo->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    add(m_pUndo, QStyle::SP_ArrowBack);
    add(m_pRedo, QStyle::SP_ArrowForward);
    connect(m_pUndo, &QAction::triggered, this, &CMainFrame::OnUndo);
    connect(m_pRedo, &QAction::triggered, this, &CMainFrame::OnRedo);
    m_session.AddObserver([this](const EditEvent& event) { OnSessionEvent(event); });
    UpdateHistoryCommands();
    m_pRecovery = std::make_unique<CRecoveryWriter>(m_session, nullptr);
    m_pRecovery->OnFailure([this](const std::string& why) {
        ShowWarning(m_ui, this,
                    tr("The unsaved edits could not be kept in the recovery file, so a crash "
                       "would lose them. Save the list to keep them.\n%1")
                        .arg(QString::fromLocal8Bit(why)));
    });

    setAcceptDrops(true);
    CreateWorkingCopy(); // a failure shows up when the copy is used
    const ReceiverProfile& receiver = profile ? *profile : DefaultReceiverProfile();
    if (configurePolicy)
        ConfigurePolicy(receiver);
    // ReceiverCaption's words, as one sentence of the language.
    setWindowTitle(tr("Velmar for %1 - 8FAV").arg(Text(receiver.models)));

    m_pOuterSplitter = new CColorSplitWnd(Qt::Horizontal, this);
    m_pInnerSplitter = new CColorSplitWnd(Qt::Vertical, m_pOuterSplitter);
    m_pLeftTopView = new CLeftTopView(m_context, m_pInnerSplitter);
    m_pLeftBottomView = new CLeftBottomView(m_context, m_pInnerSplitter);
    m_pRightView = new CRightView(m_context, m_pOuterSplitter);
    m_pInnerSplitter->addWidget(m_pLeftTopView);
    m_pInnerSplitter->addWidget(m_pLeftBottomView);
    m_pOuterSplitter->addWidget(m_pInnerSplitter);
    m_pOuterSplitter->addWidget(m_pRightView);
    m_pInnerSplitter->setSizes({360, 360});
    // As in a static splitter, the first pane keeps its size and the last
    // takes what the window gains: the channel lists grow with the window.
    m_pOuterSplitter->setStretchFactor(0, 0);
    m_pOuterSplitter->setStretchFactor(1, 1);
    m_pInnerSplitter->setStretchFactor(0, 0);
    m_pInnerSplitter->setStretchFactor(1, 1);
    m_pOuterSplitter->setChildrenCollapsible(false); // a pane never vanishes
    m_pInnerSplitter->setChildrenCollapsible(false);
    setCentralWidget(m_pOuterSplitter);
    new CListTools(*this, *bar, m_ui, m_session, *m_pRightView); // owned by the frame
    new CPrintTools(*this, *bar, m_ui, m_session, *m_pRightView, receiver.models); // likewise
    AddLeftCaptionLines(*m_pLeftTopView, *m_pLeftBottomView);
    AddKeyboardCommands();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(InitialFrameGeometry(screen->availableGeometry()));
    else
        resize(kFrameSize);
    // The left panes take half the window's width (512 of the 1024 it opens
    // with): on a small or scaled screen the window is narrower, and a fixed
    // width would leave the channel lists a sliver.
    m_pOuterSplitter->setSizes({width() / 2, width() - width() / 2});
    RefreshAllViews();
}

CMainFrame::~CMainFrame() {
    DeleteWorkingCopy();
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    const QScreen* shown = screen();
    if (m_bPlaced || !shown || isMaximized() || isFullScreen())
        return;
    m_bPlaced = true;
    const QRect available = shown->availableGeometry();
    const QRect outer = frameGeometry();
    if (available.contains(outer))
        return;
    const QRect inner = geometry();
    const QMargins decoration(inner.left() - outer.left(), inner.top() - outer.top(),
                              outer.right() - inner.right(), outer.bottom() - inner.bottom());
    setGeometry(InitialFrameGeometry(available, decoration));
}

QAction* CMainFrame::AddCommand(const char* name, const QString& text, const QString& status,
                                const QString& tip, const QKeySequence& key) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setStatusTip(status);
    action->setToolTip(tip);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        addAction(action); // accelerators work without a menu
    }
    return action;
}

// ---- Switchboard ---------------------------------------------------------------------

long CMainFrame::SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return DispatchFrameMessage(*this, message, wParam, lParam);
}

void CMainFrame::OnAllChannelsChosen() {
    m_pRightView->RefreshView();
}

void CMainFrame::OnFavoriteChosen(bool genre, int value) {
    m_pRightView->FilterByFavorite(genre ? 1 : 0, value);
}

void CMainFrame::OnSatelliteSelected(std::uint32_t key) {
    m_pLeftTopView->ShowSatelliteTransponders(key);
    m_pRightView->FilterBySatellite(key);
}

void CMainFrame::OnTransponderSelected(std::uint32_t key) {
    m_pRightView->FilterByTransponder(key);
}

void CMainFrame::OnMuxSelected(std::uint32_t key) {
    m_pRightView->FilterByMux(key);
}

void CMainFrame::OnBroadcastSelected(std::uint32_t key) {
    m_pRightView->FilterByBroadcast(key);
}

void CMainFrame::OnClearTransponderGrid() {
    m_pLeftTopView->ClearTransponderGrid();
}

void CMainFrame::OnClearChannelGrids() {
    m_pRightView->ClearLists();
}

void CMainFrame::OnRefillChannelLists() {
    m_pRightView->RefillLists();
}

void CMainFrame::OnGridDragBegin(int source) {
    m_nDragSource = source;
}

void CMainFrame::OnGridDrop(int target, std::uint32_t value) {
    const int source = m_nDragSource;
    m_nDragSource = 0; // whatever the drop does
    // On a grid, key 0 means no row under the pointer: nothing to drop on.
    // (On the favourite tree the value is a node number, and 0 is the first.)
    const bool onTree = target == kDragFavoriteNode || target == kDragGenreNode;
    if (value == 0 && !onTree)
        return;
    if (source == kDragTransponder) {
        if (target == kDragSatellite) {
            m_pLeftTopView->MoveTranspondersToSatellite(value);
            m_pLeftTopView->ShowSatelliteTransponders(value);
            m_pRightView->FilterBySatellite(value);
        }
        return;
    }
    if (CChannelGridCtrl* list = m_pRightView->ChannelList(source))
        DropChannels(*list, target, value);
}

void CMainFrame::DropChannels(CChannelGridCtrl& source, int target, std::uint32_t value) {
    switch (target) {
    case kDragSatellite:
        source.SetSatelliteOfSelected(value);
        break;
    case kDragMux:
    case 3: // routed like 2
        source.SetMuxOfSelected(value);
        break;
    case kDragTransponder:
        source.SetTransponderOfSelected(value);
        break;
    case kDragBroadcast:
        source.SetBroadcastOfSelected(value);
        m_pLeftBottomView->RefreshView();
        break;
    case kDragFavoriteNode:
        source.AddSelectedToFavorite(static_cast<int>(value));
        m_pLeftBottomView->ClearTreeSelection();
        break;
    case kDragGenreNode:
        source.SetGenreOfSelected(static_cast<int>(value));
        m_pLeftBottomView->ClearTreeSelection();
        break;
    case kDragTV:
    case kDragRadio:
        if (target == source.DragId())
            source.MoveSelectedTo(value);
        break;
    default:
        break;
    }
}

// ---- Undo and redo -------------------------------------------------------------------

void CMainFrame::OnUndo() {
    m_session.Undo();
}

void CMainFrame::OnRedo() {
    m_session.Redo();
}

void CMainFrame::OnSessionEvent(const EditEvent& event) {
    // An edit has already shown itself where it was made; undo and redo
    // change tables behind the panes, which rebuild what shows them and
    // keep their filters.
    if (event.kind == EditEventKind::Undo || event.kind == EditEventKind::Redo) {
        m_pLeftTopView->Refill(event.tables);
        m_pLeftBottomView->Refill(event.tables);
        m_pRightView->Refill(event.tables);
    }
    UpdateHistoryCommands();
}

void CMainFrame::UpdateHistoryCommands() {
    m_pUndo->setEnabled(m_session.CanUndo());
    m_pUndo->setToolTip(HistoryTip(tr("Undo"), tr("Undo %1"), m_session.UndoName()));
    m_pRedo->setEnabled(m_session.CanRedo());
    m_pRedo->setToolTip(HistoryTip(tr("Redo"), tr("Redo %1"), m_session.RedoName()));
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    OpenDroppedFiles(event->mimeData()->urls());
    event->acceptProposedAction();
}
