#include "app/MainFrame.h"

#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "image/WorkingCopy.h"
#include "platform/PaneWidgets.h"
#include "platform/UiSeam.h"
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

CMainFrame::CMainFrame(IUiSeam& ui, bool configurePolicy) : m_ui(ui) {
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
    QAction* send =
        AddCommand("ID_SEND_DB", "Send", "Send DB to STB", "Send", QKeySequence("Ctrl+T"));
    // The receiver link is not part of this build yet: its commands exist but are off.
    receive->setEnabled(false);
    send->setEnabled(false);
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
    const auto key = static_cast<std::uint32_t>(lParam);
    switch (message) {
    case WM_FAV_NODE_SELECTED:
        if (wParam == 0 && lParam == 255)
            m_pRightView->RefreshView();
        else
            m_pRightView->FilterByFavorite(static_cast<int>(wParam), static_cast<int>(lParam));
        break;
    case WM_SATELLITE_SELECTED:
        m_pLeftTopView->ShowSatelliteTransponders(key);
        m_pRightView->FilterBySatellite(key);
        break;
    case WM_TRANSPONDER_SELECTED:
        m_pRightView->FilterByTransponder(key);
        break;
    case WM_TERRESTRIAL_TAB_SELECTED:
    case WM_MUX_CLICKED:
        m_pRightView->FilterByMux(key);
        break;
    case WM_BROADCAST_SELECTED:
        m_pRightView->FilterByBroadcast(key);
        break;
    case WM_CLEAR_TRANSPONDER_GRID:
        m_pLeftTopView->m_pTPGrid->ClearRows();
        break;
    case WM_CLEAR_CHANNEL_GRIDS:
        m_pRightView->ClearLists();
        break;
    case WM_REFRESH_ALL:
        m_pRightView->RefillLists();
        break;
    case WM_GRID_DRAG_BEGIN:
        m_nDragSource = static_cast<int>(wParam);
        break;
    case WM_GRID_DROP:
        DropDispatch(wParam, lParam);
        m_nDragSource = 0;
        break;
    default:
        return 0;
    }
    return 1;
}

void CMainFrame::DropDispatch(std::uintptr_t target, std::intptr_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    if (m_nDragSource == kDragTransponder) {
        if (target == kDragSatellite) {
            m_pLeftTopView->m_pTPGrid->MoveSelectedToSatellite(v);
            m_pLeftTopView->ShowSatelliteTransponders(v);
            m_pRightView->FilterBySatellite(v);
        }
        return;
    }
    if (m_nDragSource != kDragTV && m_nDragSource != kDragRadio)
        return;
    CChannelGridCtrl* source = m_nDragSource == kDragTV
                                   ? static_cast<CChannelGridCtrl*>(m_pRightView->m_pTVGrid)
                                   : static_cast<CChannelGridCtrl*>(m_pRightView->m_pRadioGrid);
    switch (target) {
    case kDragSatellite:
        source->SetSatelliteOfSelected(v);
        break;
    case kDragMux:
    case 3: // routed like 2
        source->SetMuxOfSelected(v);
        break;
    case kDragTransponder:
        source->SetTransponderOfSelected(v);
        break;
    case kDragBroadcast:
        source->SetBroadcastOfSelected(v);
        m_pLeftBottomView->RefreshView();
        break;
    case kDragFavoriteNode:
        source->AddSelectedToFavorite(static_cast<int>(value));
        m_pLeftBottomView->m_pTree->setCurrentItem(nullptr);
        break;
    case kDragGenreNode:
        source->SetGenreOfSelected(static_cast<int>(value));
        m_pLeftBottomView->m_pTree->setCurrentItem(nullptr);
        break;
    case kDragTV:
    case kDragRadio:
        if (static_cast<int>(target) == m_nDragSource)
            source->MoveSelectedTo(v);
        break;
    default:
        break;
    }
}

// ---- File commands -------------------------------------------------------------------

namespace {
constexpr const char* kOpenFilter =
    "Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||";
constexpr const char* kSaveFilter =
    "Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||";
} // namespace

void CMainFrame::RefreshAllViews() {
    m_pLeftTopView->RefreshView();
    m_pLeftBottomView->RefreshView();
    m_pRightView->RefreshView();
}

void CMainFrame::OnFileOpen() {
    const QString path = m_ui.OpenFileName(this, "Load Channel Data", kOpenFilter);
    if (!path.isEmpty())
        OpenPath(path);
}

namespace {

// The work of a file command; whatever it throws ends the command with a
// message instead of ending the program.
template <class Work> std::string Guarded(Work work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return "There is not enough memory to finish the command. Nothing was changed.";
    } catch (const std::exception& e) {
        return std::string("The command failed: ") + e.what();
    } catch (...) {
        return "The command failed.";
    }
}

} // namespace

void CMainFrame::OpenPath(const QString& path) {
    const std::string native = path.toLocal8Bit().toStdString();
    m_ui.SetWaitCursor(true);
    const std::string message = Guarded([&]() -> std::string {
        if (IsWorkbookPath(path)) {
            // The channel list changes only when the whole workbook was read.
            std::string why;
            if (!ImportChannelWorkbook(native, &why))
                return why;
            RefreshAllViews();
            return {};
        }
        std::string error;
        const int result = ImportToWorkingCopy(native, this, &error);
        if (result == kImportFileError)
            return error;
        if (result == 0)
            return "Cannot open or invalid version file";
        RefreshAllViews();
        return {};
    });
    m_ui.SetWaitCursor(false);
    if (!message.empty())
        m_ui.MessageBox(this, QString::fromLocal8Bit(message), "Velmar", IUiSeam::Buttons::Ok,
                        IUiSeam::Icon::Stop);
}

void CMainFrame::OfferWorkingCopyRecovery() {
    const std::string message = Guarded([&]() -> std::string {
        const int result = ::OfferWorkingCopyRecovery(*this);
        if (result == 0)
            return "Cannot open or invalid version file";
        if (result == 1)
            RefreshAllViews();
        return {};
    });
    if (!message.empty())
        m_ui.MessageBox(this, QString::fromLocal8Bit(message), "Velmar", IUiSeam::Buttons::Ok,
                        IUiSeam::Icon::Stop);
}

void CMainFrame::OnSaveToFile() {
    const QString path = m_ui.SaveFileName(this, "Save Channel Data", kSaveFilter, "*.bin");
    if (path.isEmpty())
        return;
    const std::string native = path.toLocal8Bit().toStdString();
    m_ui.SetWaitCursor(true);
    const std::string message = Guarded([&]() -> std::string {
        if (IsWorkbookPath(path)) {
            std::string why;
            return ExportChannelWorkbook(native, &why) ? std::string() : why;
        }
        SaveReport report;
        return ExportWorkingCopy(native, &report) == 1 ? std::string() : report.message;
    });
    if (!message.empty())
        m_ui.MessageBox(this, QString::fromLocal8Bit(message), "Velmar", IUiSeam::Buttons::Ok,
                        IUiSeam::Icon::Stop);
    m_ui.SetWaitCursor(false);
}

void CMainFrame::OnRefreshAll() {
    m_ui.SetWaitCursor(true);
    RefreshAllViews();
    m_ui.SetWaitCursor(false);
}

void CMainFrame::OnAbout() {
    m_ui.MessageBox(this,
                    "Velmar Version 1.4.6.10 (build:20090929)\n"
                    "Channel database editor for digital-TV receivers",
                    "About Velmar", IUiSeam::Buttons::Ok, IUiSeam::Icon::Information);
}

bool CMainFrame::AskYesNo(std::string_view text) {
    return m_ui.MessageBox(this, QString::fromUtf8(text.data(), static_cast<int>(text.size())),
                           "Velmar", IUiSeam::Buttons::YesNo,
                           IUiSeam::Icon::Stop) == IUiSeam::IDYES;
}

void CMainFrame::Inform(std::string_view text) {
    m_ui.MessageBox(this, QString::fromUtf8(text.data(), static_cast<int>(text.size())), "Velmar",
                    IUiSeam::Buttons::Ok, IUiSeam::Icon::None);
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
