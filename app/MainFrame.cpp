#include "app/MainFrame.h"

#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "image/WorkingCopy.h"
#include "platform/MessageBoxes.h"
#include "platform/PaneWidgets.h"
#include "platform/WaitCursor.h"
#include "views/Panes.h"
#include "xls/ChannelWorkbook.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

bool IsWorkbookPath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 2 || dot + 1 >= path.size())
        return false;
    const QString extension = path.mid(dot + 1);
    return extension == "xls" || extension == "cvs";
}

CMainFrame::CMainFrame(IUiSeam& ui, bool configurePolicy) : m_ui(ui), m_prompt(ui, this) {
    resize(1024, 768);
    setObjectName("MainFrame");

    QToolBar* bar = addToolBar("Standard");
    bar->setObjectName("Toolbar");
    bar->setMovable(true);
    auto add = [&](QAction* a, QStyle::StandardPixmap icon) {
        a->setIcon(style()->standardIcon(icon));
        bar->addAction(a);
    };
    add(AddCommand("ID_FILE_OPEN", "Open", "Open existing database", "Open file",
                   QKeySequence("Ctrl+O")),
        QStyle::SP_DialogOpenButton);
    add(AddCommand("ID_SAVE_TO_FILE", "Save to file", "Save to file", "Save to file",
                   QKeySequence("Ctrl+S")),
        QStyle::SP_DialogSaveButton);
    bar->addSeparator();
    QAction* receive = AddCommand("ID_RECEIVE_DB", "Receive", "Receive DB from STB", "Receive",
                                  QKeySequence("Ctrl+R"));
    add(receive, QStyle::SP_ArrowDown);
    // Send has an accelerator but no button.
    AddCommand("ID_SEND_DB", "Send", "Send DB to STB", "Send", QKeySequence("Ctrl+T"));
    bar->addSeparator();
    add(AddCommand("ID_REFRESH_ALL", "Refresh", "Refresh all", "Refresh", {}),
        QStyle::SP_BrowserReload);
    add(AddCommand("ID_APP_ABOUT", "About",
                   "Display program information, version number and copyright", "About", {}),
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

    setAcceptDrops(true);
    CreateWorkingCopy(); // a failure shows up when the copy is used
    if (configurePolicy)
        ConfigureStartupPolicy();
    setWindowTitle(kCaption);

    m_pOuterSplitter = new CColorSplitWnd(Qt::Horizontal, this);
    m_pInnerSplitter = new CColorSplitWnd(Qt::Vertical, m_pOuterSplitter);
    m_pLeftTopView = new CLeftTopView(*this, m_pInnerSplitter);
    m_pLeftBottomView = new CLeftBottomView(*this, m_ui, m_pInnerSplitter);
    m_pRightView = new CRightView(*this, m_pOuterSplitter);
    m_pInnerSplitter->addWidget(m_pLeftTopView);
    m_pInnerSplitter->addWidget(m_pLeftBottomView);
    m_pOuterSplitter->addWidget(m_pInnerSplitter);
    m_pOuterSplitter->addWidget(m_pRightView);
    m_pOuterSplitter->setSizes({512, 512});
    m_pInnerSplitter->setSizes({360, 360});
    setCentralWidget(m_pOuterSplitter);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    RefreshAllViews();
}

CMainFrame::~CMainFrame() {
    DeleteWorkingCopy();
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

// ---- File commands -------------------------------------------------------------------

void CMainFrame::RefreshAllViews() {
    m_pLeftTopView->RefreshView();
    m_pLeftBottomView->RefreshView();
    m_pRightView->RefreshView();
}

void CMainFrame::OnFileOpen() {
    const QString path = m_ui.OpenFileName(this, texts::kOpenTitle, texts::kOpenFilter);
    if (!path.isEmpty())
        OpenPath(path);
}

void CMainFrame::OpenPath(const QString& path) {
    const std::string native = path.toLocal8Bit().toStdString();
    CWaitCursor wait(m_ui);
    if (IsWorkbookPath(path)) {
        ImportChannelWorkbook(native);
        RefreshAllViews();
        return;
    }
    const int result = ImportToWorkingCopy(native, &m_prompt);
    if (result == kImportFileError) {
        wait.End();
        ShowStop(m_ui, this, QString(texts::kCannotOpenFile).replace("%s", path));
        return;
    }
    if (result != 0) {
        RefreshAllViews();
        return;
    }
    wait.End();
    ShowStop(m_ui, this, texts::kCannotOpenImage);
}

void CMainFrame::OnSaveToFile() {
    const QString path =
        m_ui.SaveFileName(this, texts::kSaveTitle, texts::kSaveFilter, texts::kSaveInitialName);
    if (path.isEmpty())
        return;
    const std::string native = path.toLocal8Bit().toStdString();
    CWaitCursor wait(m_ui);
    if (IsWorkbookPath(path)) {
        ExportChannelWorkbook(native);
        return;
    }
    if (ExportWorkingCopy(native) == 0)
        ShowStop(m_ui, this, texts::kCannotSaveImage);
}

void CMainFrame::OnRefreshAll() {
    CWaitCursor wait(m_ui);
    RefreshAllViews();
}

void CMainFrame::OnAbout() {
    m_ui.MessageBox(this, QString("%1\n%2").arg(texts::kAboutVersion, texts::kAboutLine),
                    texts::kAboutCaption, IUiSeam::Buttons::Ok, IUiSeam::Icon::Information);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    OpenDroppedFiles(event->mimeData()->urls());
    event->acceptProposedAction();
}

void CMainFrame::OpenDroppedFiles(const QList<QUrl>& urls) {
    if (!urls.isEmpty() && !urls.first().toLocalFile().isEmpty())
        OpenPath(urls.first().toLocalFile().left(260)); // later files are ignored
}
