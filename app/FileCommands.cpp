// The frame's file commands: open (chosen or dropped), save, refresh, and
// the question that keeps unsaved edits from being dropped silently.
#include "app/ImageLoad.h"
#include "app/MainFrame.h"
#include "image/WorkingCopy.h"
#include "platform/MessageBoxes.h"
#include "platform/WaitCursor.h"
#include "views/Panes.h"
#include "xls/ChannelWorkbook.h"

#include <QCloseEvent>

bool IsWorkbookPath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 2 || dot + 1 >= path.size())
        return false;
    const QString extension = path.mid(dot + 1);
    return extension == "xls" || extension == "cvs";
}

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

void CMainFrame::OpenDroppedFiles(const QList<QUrl>& urls) {
    if (!urls.isEmpty() && !urls.first().toLocalFile().isEmpty())
        OpenPath(urls.first().toLocalFile().left(260)); // later files are ignored
}

void CMainFrame::OpenPath(const QString& path) {
    const std::string native = path.toLocal8Bit().toStdString();
    if (IsWorkbookPath(path)) {
        // Replaces the channel table only: one edit, which Undo takes back.
        CWaitCursor wait(m_ui);
        m_session.Run("Import workbook", TableBit(kTableChannel), [&] {
            ImportChannelWorkbook(native);
            return true;
        });
        RefreshAllViews();
        return;
    }
    // An image replaces the whole document.
    if (!SaveModifiedFirst())
        return;
    CWaitCursor wait(m_ui);
    const int result = LoadImageAsDocument(native, &m_prompt);
    if (result == 1) {
        m_session.StartFresh();
        RefreshAllViews();
        return;
    }
    // The document the user had is still there, and so are its rows.
    wait.End();
    if (result == kImportFileError)
        ShowStop(m_ui, this, QString(texts::kCannotOpenFile).replace("%s", path));
    else
        ShowStop(m_ui, this, texts::kCannotOpenImage);
}

void CMainFrame::OnSaveToFile() {
    SaveToFile();
}

bool CMainFrame::SaveToFile() {
    const QString path =
        m_ui.SaveFileName(this, texts::kSaveTitle, texts::kSaveFilter, texts::kSaveInitialName);
    if (path.isEmpty())
        return false;
    const std::string native = path.toLocal8Bit().toStdString();
    CWaitCursor wait(m_ui);
    if (IsWorkbookPath(path)) {
        // A workbook holds the channels only: the other tables' edits are
        // still unsaved, so the session stays modified.
        ExportChannelWorkbook(native);
        return true;
    }
    if (ExportWorkingCopy(native) == 0) {
        wait.End();
        ShowStop(m_ui, this, texts::kCannotSaveImage);
        return false;
    }
    m_session.MarkSaved();
    return true;
}

bool CMainFrame::SaveModifiedFirst() {
    if (!m_session.IsModified())
        return true;
    switch (AskYesNoCancel(m_ui, this, texts::kAskSaveChanges)) {
    case IUiSeam::IDYES:
        return SaveToFile();
    case IUiSeam::IDNO:
        return true;
    default:
        return false;
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (SaveModifiedFirst())
        event->accept();
    else
        event->ignore();
}

void CMainFrame::OnRefreshAll() {
    CWaitCursor wait(m_ui);
    RefreshAllViews();
}

void CMainFrame::OnAbout() {
    m_ui.MessageBox(this, QString("%1\n%2").arg(texts::kAboutVersion, texts::kAboutLine),
                    texts::kAboutCaption, IUiSeam::Buttons::Ok, IUiSeam::Icon::Information);
}
