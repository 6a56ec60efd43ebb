// The main window: toolbar and accelerators, the three panes, the file
// commands, and the switchboard through which the panes talk to each other.
#pragma once

#include "contracts/Texts.h"
#include "platform/SeamPrompt.h"
#include "views/Messages.h"
#include "views/Switchboard.h"

#include <QMainWindow>
#include <QUrl>

class CLeftTopView;
class CLeftBottomView;
class CRightView;
class CChannelGridCtrl;
class CColorSplitWnd;
class IUiSeam;
class QAction;

// Extension rule of the file commands: "xls" or "cvs" after a dot at index 2
// or later, compared case-sensitively, makes a workbook.
bool IsWorkbookPath(const QString& path);

class CMainFrame final : public QMainWindow, public IMessageSink, private IFrameOperations {
    Q_OBJECT
public:
    // `configurePolicy` false leaves the product policy as the caller set it
    // (tests open other receiver families).
    explicit CMainFrame(IUiSeam& ui, bool configurePolicy = true);
    ~CMainFrame() override;

    // The panes' one entry: dispatched to the typed operations below.
    long SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    int DragSource() const override { return m_nDragSource; }

    void OnFileOpen();
    void OnSaveToFile();
    void OnRefreshAll();
    void OnAbout();
    // The receiver link (FrameLink.cpp): receive into the working copy and
    // load it; save the tables into the working copy and send it.
    void OnReceiveDb();
    void OnSendDb();
    // Steps 2 to 5 of Open, for a chosen or dropped path.
    void OpenPath(const QString& path);
    // Files dropped from the desktop: the first is opened, the rest ignored.
    void OpenDroppedFiles(const QList<QUrl>& urls);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What the private messages ask of the frame.
    void OnAllChannelsChosen() override;
    void OnFavoriteChosen(bool genre, int value) override;
    void OnSatelliteSelected(std::uint32_t key) override;
    void OnTransponderSelected(std::uint32_t key) override;
    void OnMuxSelected(std::uint32_t key) override;
    void OnBroadcastSelected(std::uint32_t key) override;
    void OnClearTransponderGrid() override;
    void OnClearChannelGrids() override;
    void OnRefillChannelLists() override;
    void OnGridDragBegin(int source) override;
    void OnGridDrop(int target, std::uint32_t value) override;
    void DropChannels(CChannelGridCtrl& source, int target, std::uint32_t value);
    void RefreshAllViews();
    QAction* AddCommand(const char* name, const QString& text, const QString& status,
                        const QString& tip, const QKeySequence& key);

    IUiSeam& m_ui;
    CSeamPrompt m_prompt;  // the core's questions, answered through m_ui
    int m_nDragSource = 0; // g_nDragSource: the grid a drag started in
    CLeftTopView* m_pLeftTopView = nullptr;
    CLeftBottomView* m_pLeftBottomView = nullptr;
    CRightView* m_pRightView = nullptr;
    CColorSplitWnd* m_pOuterSplitter = nullptr;
    CColorSplitWnd* m_pInnerSplitter = nullptr;
};

inline constexpr const char* kCaption = texts::kWindowCaption;
