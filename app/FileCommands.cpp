// The frame's file commands: open (chosen or dropped), save, refresh, and
// the question that keeps unsaved edits from being dropped silently.
#include "app/MainFrame.h"
#include "app/RecoveryWriter.h"
#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "document/EditCatalogue.h"
#include "document/ListCheck.h"
#include "document/WorkbookImport.h"
#include "document/WorkingCopy.h"
#include "image/FlashGeometry.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"
#include "qtkit/WaitCursor.h"
#include "views/Panes.h"
#include "xls/ChannelWorkbook.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <new>
#include <utility>

namespace {

// The work of a file command; whatever it throws ends the command with a
// message instead of ending the program.
template <class Work> std::string Guarded(Work work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return QCoreApplication::translate(
                   "CMainFrame",
                   "There is not enough memory to finish the command. Nothing was changed.")
            .toLocal8Bit()
            .toStdString();
    } catch (const std::exception& e) {
        return QCoreApplication::translate("CMainFrame", "The command failed: %1")
            .arg(QString::fromLocal8Bit(e.what()))
            .toLocal8Bit()
            .toStdString();
    } catch (...) {
        return QCoreApplication::translate("CMainFrame", "The command failed.")
            .toLocal8Bit()
            .toStdString();
    }
}

} // namespace

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
    const QString path = m_ui.OpenFileName(this, Text(texts::kOpenTitle), Text(texts::kOpenFilter));
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
        // Replaces the channel table only, and only once the whole workbook
        // was read: one edit, which Undo takes back.
        // Rows the list cannot hold are left out and counted; a sheet none
        // of whose rows can be taken leaves the list as it was.
        CWaitCursor wait(m_ui);
        Phrase report;
        bool refused = false;
        const std::string problem = Guarded([&]() -> std::string {
            Phrase why;
            auto channels = ReadChannelWorkbook(native, why);
            if (!channels) {
                report = std::move(why);
                refused = true;
                return {};
            }
            const ImportReport filtered =
                FilterImportedChannels(m_session.Db(), GetProductType(), *channels);
            report = ImportReportPhrase(filtered);
            refused = filtered.Refused();
            if (refused)
                return {};
            RunEdit(m_session, EditId::ImportWorkbook, [&] {
                ReplaceChannelTable(m_session.Db(), *channels);
                return true;
            });
            RefreshAllViews();
            return {};
        });
        wait.End();
        if (!problem.empty())
            ShowStop(m_ui, this, QString::fromLocal8Bit(problem));
        else if (refused)
            ShowStop(m_ui, this, Text(report));
        else if (!report.Empty())
            ShowWarning(m_ui, this, Text(report));
        return;
    }
    // An image replaces the whole document, once all of it was read.
    if (!SaveModifiedFirst())
        return;
    CWaitCursor wait(m_ui);
    Phrase error;
    Phrase workingCopyProblem;
    int result = kImportFileError;
    const std::string problem = Guarded([&]() -> std::string {
        result =
            ImportToWorkingCopy(native, &m_prompt, &error, ImageForm::Convert, &workingCopyProblem);
        return {};
    });
    if (problem.empty() && result == 1) {
        m_session.StartFresh();
        setWindowFilePath(path); // named on printed pages; the caption stays
        RefreshAllViews();
        if (!workingCopyProblem.Empty()) {
            wait.End();
            ShowWorkingCopyProblem(workingCopyProblem);
        }
        return;
    }
    // The document the user had is still there, and so are its rows.
    wait.End();
    if (!problem.empty())
        ShowStop(m_ui, this, QString::fromLocal8Bit(problem));
    else if (result == kImportFileError)
        ShowStop(m_ui, this,
                 error.Empty() ? Text(texts::kCannotOpenFile).replace("%s", path) : Text(error));
    else
        ShowStop(m_ui, this, Text(texts::kCannotOpenImage));
}

void CMainFrame::OfferWorkingCopyRecovery() {
    int result = -1;
    bool editsRestored = false;
    const std::string problem = Guarded([&]() -> std::string {
        result = ::OfferWorkingCopyRecovery(m_prompt, {}, &editsRestored);
        return {};
    });
    if (!problem.empty())
        ShowStop(m_ui, this, QString::fromLocal8Bit(problem));
    else if (result == 0)
        ShowStop(m_ui, this, Text(texts::kCannotOpenImage));
    if (result == 1) {
        m_session.StartFresh();
        if (editsRestored) {
            // Restored edits are still unsaved: the close asks about them,
            // and they are kept beside this session's working copy at once.
            m_session.MarkUnsaved();
            m_pRecovery->WriteNow();
        }
    }
    if (result >= 0)
        RefreshAllViews();
}

void CMainFrame::EndKeepingEdits() {
    // Nobody is left to answer a message box: the reason goes to the log.
    if (!m_pRecovery->WriteNow())
        std::fprintf(stderr, "velmar: the unsaved edits could not be kept: %s\n",
                     m_pRecovery->LastError().c_str());
    // exit, not quit: quit would close the window, which asks about saving.
    QCoreApplication::exit(0);
}

void CMainFrame::ShowWorkingCopyProblem(const Phrase& why) {
    ShowStop(m_ui, this, Text(texts::kWorkingCopyNotWritten) + "\n" + Text(why));
}

void CMainFrame::OnSaveToFile() {
    SaveToFile();
}

bool CMainFrame::SaveToFile() {
    const QString path = m_ui.SaveFileName(this, Text(texts::kSaveTitle), Text(texts::kSaveFilter),
                                           texts::kSaveInitialName);
    if (path.isEmpty())
        return false;
    if (!ListCheckAllows(texts::kListCheckBeforeSave, texts::kSaveAnyway))
        return false;
    const std::string native = path.toLocal8Bit().toStdString();
    CWaitCursor wait(m_ui);
    const bool workbook = IsWorkbookPath(path);
    SaveReport report;
    const std::string problem = Guarded([&]() -> std::string {
        if (workbook) {
            if (ExportChannelWorkbook(m_session.Db(), native, &report.said))
                return {};
            report.message = English(report.said);
            return report.message;
        }
        return ExportWorkingCopy(native, &report) == 1 ? std::string() : report.message;
    });
    if (!problem.empty()) {
        wait.End();
        ShowStop(m_ui, this,
                 report.said.Empty() ? QString::fromLocal8Bit(problem) : Text(report.said));
        return false;
    }
    // A workbook holds the channels only: the other tables' edits are still
    // unsaved, so the session stays modified.
    if (!workbook)
        m_session.MarkSaved();
    return true;
}

bool CMainFrame::ListCheckAllows(const char* question, const char* proceed) {
    const std::vector<ListFinding> findings =
        FindingsBeforeWriting(m_session.Db(), GetProductType(), FlashGeometry::FromPolicy());
    if (findings.empty())
        return true;
    return m_ui.MessageBoxWithDetails(this, Text(question), Text(ListFindingsPhrase(findings)),
                                      kMessageCaption, IUiSeam::Buttons::Ok, IUiSeam::Icon::Warning,
                                      Text(proceed)) == IUiSeam::IDOK;
}

bool CMainFrame::SaveModifiedFirst() {
    if (!m_session.IsModified())
        return true;
    switch (AskYesNoCancel(m_ui, this, Text(texts::kAskSaveChanges))) {
    case IUiSeam::IDYES:
        return SaveToFile();
    case IUiSeam::IDNO:
        return true;
    default:
        return false;
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (SaveModifiedFirst()) {
        m_pRecovery->Discard(); // saved, or dropped on purpose
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::OnRefreshAll() {
    CWaitCursor wait(m_ui);
    RefreshAllViews();
}

void CMainFrame::OnAbout() {
    m_ui.MessageBox(this,
                    QString("%1\n%2").arg(Text(texts::kAboutVersion), Text(texts::kAboutLine)),
                    Text(texts::kAboutCaption), IUiSeam::Buttons::Ok, IUiSeam::Icon::Information);
}
