// The main window: toolbar and accelerators, the three panes, the file
// commands, and the switchboard through which the panes talk to each other.
#pragma once

#include "contracts/Prompt.h"
#include "views/Messages.h"

#include <QMainWindow>
#include <QUrl>

class CLeftTopView;
class CLeftBottomView;
class CRightView;
class CColorSplitWnd;
class IUiSeam;
class QAction;

// Extension rule of the file commands: "xls" or "cvs" after a dot at index 2
// or later, compared case-sensitively, makes a workbook.
bool IsWorkbookPath(const QString& path);

class CMainFrame final : public QMainWindow, public IMessageSink, public IUserPrompt {
    Q_OBJECT
public:
    // `configurePolicy` false leaves the product policy as the caller set it
    // (tests open other receiver families).
    explicit CMainFrame(IUiSeam& ui, bool configurePolicy = true);
    ~CMainFrame() override;

    long SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    int DragSource() const override { return m_nDragSource; }

    bool AskYesNo(std::string_view text) override;
    void Inform(std::string_view text) override;

    void OnFileOpen();
    void OnSaveToFile();
    void OnRefreshAll();
    void OnAbout();
    // Steps 2 to 5 of Open, for a chosen or dropped path.
    void OpenPath(const QString& path);
    // At start: a working copy that an editor left behind when it did not end
    // normally is offered, to open or to discard.
    void OfferWorkingCopyRecovery();
    // Files dropped from the desktop: the first is opened, the rest ignored.
    void OpenDroppedFiles(const QList<QUrl>& urls);

    CLeftTopView* m_pLeftTopView = nullptr;
    CLeftBottomView* m_pLeftBottomView = nullptr;
    CRightView* m_pRightView = nullptr;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void DropDispatch(std::uintptr_t target, std::intptr_t value);
    void RefreshAllViews();
    QAction* AddCommand(const char* name, const QString& text, const QString& status,
                        const QString& tip, const QKeySequence& key);

    IUiSeam& m_ui;
    int m_nDragSource = 0; // g_nDragSource: the grid a drag started in
    CColorSplitWnd* m_pOuterSplitter = nullptr;
    CColorSplitWnd* m_pInnerSplitter = nullptr;
};

inline constexpr const char* kCaption = "Velmar for VX-7 and VX-8 satellite receivers - 8FAV";
