// The main window: toolbar and accelerators, the three panes, the file
// commands, undo and redo, and the switchboard through which the panes talk
// to each other. The frame owns the edit session every change runs through.
#pragma once

#include "contracts/Texts.h"
#include "document/EditSession.h"
#include "platform/Phrase.h"
#include "qtkit/SeamPrompt.h"
#include "views/Messages.h"
#include "views/Switchboard.h"
#include "views/ViewContext.h"

#include <QMainWindow>
#include <QUrl>
#include <memory>

class CLeftTopView;
class CRecoveryWriter;
class CLeftBottomView;
class CRightView;
class CChannelGridCtrl;
class CColorSplitWnd;
class IUiSeam;
class QAction;
struct ReceiverProfile;

// Extension rule of the file commands: "xls" or "cvs" after a dot at index 2
// or later, compared case-sensitively, makes a workbook.
bool IsWorkbookPath(const QString& path);

class CMainFrame final : public QMainWindow, public IMessageSink, private IFrameOperations {
    Q_OBJECT
public:
    // `configurePolicy` false leaves the product policy as the caller set it
    // (tests open other receiver families). `profile` (null: the start-up
    // receiver) is what the policy is configured with and names the caption.
    explicit CMainFrame(IUiSeam& ui, bool configurePolicy = true,
                        const ReceiverProfile* profile = nullptr);
    ~CMainFrame() override;

    // The panes' one entry: dispatched to the typed operations below.
    long SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    int DragSource() const override { return m_nDragSource; }

    void OnFileOpen();
    void OnSaveToFile();
    void OnRefreshAll();
    void OnAbout();
    void OnUndo();
    void OnRedo();
    // The receiver link (FrameLink.cpp): receive into the working copy and
    // load it; save the tables into the working copy and send it.
    void OnReceiveDb();
    void OnSendDb();
    // Steps 2 to 5 of Open, for a chosen or dropped path.
    void OpenPath(const QString& path);
    // At start: a working copy that an editor left behind when it did not end
    // normally is offered, to open or to discard.
    void OfferWorkingCopyRecovery();
    // Files dropped from the desktop: the first is opened, the rest ignored.
    void OpenDroppedFiles(const QList<QUrl>& urls);

    // F6 (`step` 1) and Shift+F6 (-1): the focus to the next or previous of
    // the three panes, to the control of that pane that had it last, or
    // else to the pane's first list on show. From outside the panes, F6
    // goes to the first and Shift+F6 to the last.
    void FocusPane(int step);

    EditSession& Session() { return m_session; }
    CRecoveryWriter& Recovery() { return *m_pRecovery; }
    // A shutdown, a signal or a logout: the unsaved edits go to the recovery
    // file at once and the editor ends without asking anything.
    void EndKeepingEdits();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Unsaved edits are saved, dropped or kept as the user answers.
    void closeEvent(QCloseEvent* event) override;
    // Once the window system's frame is known, the whole window is kept on
    // the screen.
    void showEvent(QShowEvent* event) override;

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
    // The save command; true when the tables went to a file.
    bool SaveToFile();
    // The list check before the tables are written: true when it finds
    // nothing or the user answers `proceed` ("Save anyway", "Send anyway").
    bool ListCheckAllows(const char* question, const char* proceed);
    // A document that loaded but whose working copy could not be written.
    void ShowWorkingCopyProblem(const Phrase& why);
    // Before the tables are replaced or the window closes with unsaved
    // edits: asks whether to save them first. False when the user cancelled
    // or the save did not happen: the caller stops.
    bool SaveModifiedFirst();
    // After every edit, undo, redo, load and save.
    void OnSessionEvent(const EditEvent& event);
    void UpdateHistoryCommands();
    // F6, Shift+F6 and Ctrl+1 to Ctrl+8 (FrameKeys.cpp).
    void AddKeyboardCommands();
    // Ctrl+1 to Ctrl+8: the selected channels of the channel list that has
    // the focus join favourite list `list0` + 1, as one edit; nothing when
    // no channel list has the focus.
    void AddFocusedToFavorite(int list0);
    QAction* AddCommand(const char* name, const QString& text, const QString& status,
                        const QString& tip, const QKeySequence& key);

    IUiSeam& m_ui;
    CSeamPrompt m_prompt; // the core's questions, answered through m_ui
    EditSession m_session;
    ViewContext m_context{*this, m_ui, m_session};
    int m_nDragSource = 0; // g_nDragSource: the grid a drag started in
    QAction* m_pUndo = nullptr;
    QAction* m_pRedo = nullptr;
    CLeftTopView* m_pLeftTopView = nullptr;
    CLeftBottomView* m_pLeftBottomView = nullptr;
    CRightView* m_pRightView = nullptr;
    CColorSplitWnd* m_pOuterSplitter = nullptr;
    CColorSplitWnd* m_pInnerSplitter = nullptr;
    // Owned here rather than by Qt's children, so that it lets go of the
    // session before the session goes.
    std::unique_ptr<CRecoveryWriter> m_pRecovery;
    bool m_bPlaced = false; // placed with the window system's frame
};

inline constexpr const char* kCaption = texts::kWindowCaption;
