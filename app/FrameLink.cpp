// The frame's receiver-link commands: Receive (toolbar, Ctrl+R) and Send
// (Ctrl+T). The transfer itself is the dialogs' business; the frame hands
// them the working copy and loads what a receive left there.
//
// Beyond the letter of the commands, no failure loses data: Receive first
// offers to save unsaved edits, and a received image that does not load
// puts the previous document back and says so; Send checks that every table
// fits the receiver and says why a save into the working copy failed, where
// the commands would otherwise end silently.
#include "app/MainFrame.h"

#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "document/WorkingCopy.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"
#include "qtkit/WaitCursor.h"
#include "qtkit/vxui/LinkDialogs.h"
#include "views/Panes.h"

#include <string>

void CMainFrame::OnReceiveDb() {
    if (!SaveModifiedFirst())
        return;
    const int productList = GetProductList();
    CDlgRecvDataFromSTB plain(m_ui);
    plain.Initialize(g_szWorkImagePath);
    CDlgRecvDataFromSTBEx extended(m_ui);
    extended.Initialize(g_szWorkImagePath);
    const bool useEx = productList >= 7 && productList <= 10;
    const int result = useEx ? extended.DoModal() : plain.DoModal();
    if (result != IUiSeam::IDOK)
        return; // the dialogs replace the file only with a whole image
    // The dialog left the image under the working copy's name; it becomes
    // the current document once all of it loaded. The document's own bytes
    // are in memory, so a received image that does not load costs nothing.
    CWaitCursor wait(m_ui);
    Phrase error;
    const int loaded = AdoptReceivedWorkingCopy(&m_prompt, &error);
    if (loaded == 1) {
        m_session.StartFresh();
        setWindowFilePath({}); // a received list comes from no file
        RefreshAllViews();
        return;
    }
    wait.End();
    ShowStop(m_ui, this,
             loaded == kImportFileError && !error.Empty() ? Text(error)
                                                          : Text(texts::kCannotOpenImage));
}

void CMainFrame::OnSendDb() {
    const CZorvDB& db = TheZorvDB();
    if (db.Size(kTableChannel) == 0 || db.Size(kTableFavorite) == 0) {
        ShowStop(m_ui, this, Text(texts::kUploadEmpty));
        return;
    }
    RefreshAllViews();
    if (!ListCheckAllows(texts::kListCheckBeforeSend, texts::kSendAnyway))
        return;
    SaveReport report;
    if (SaveIntoWorkingCopy(&report) == 0) {
        // Nothing was written: the working copy is as it was.
        ShowStop(m_ui, this,
                 report.said.Empty() ? QString::fromLocal8Bit(report.message) : Text(report.said));
        return;
    }
    CDlgSendDataToSTB send(m_ui);
    send.Initialize(g_szWorkImagePath);
    send.DoModal(); // its result is not used
}
