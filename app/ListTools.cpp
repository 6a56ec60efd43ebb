#include "app/ListTools.h"

#include "contracts/Policy.h"
#include "contracts/Texts.h"
#include "document/CurrentDocument.h"
#include "document/EditSession.h"
#include "document/ReferenceOrderEdit.h"
#include "document/Statistics.h"
#include "image/FlashGeometry.h"
#include "model/Duplicates.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"
#include "qtkit/WaitCursor.h"
#include "views/InformationDialog.h"
#include "views/Panes.h"

#include <QAction>
#include <QMainWindow>
#include <QStyle>
#include <QToolBar>

namespace {

QAction* AddButton(QMainWindow& frame, QToolBar& bar, const char* name, const QString& text,
                   const QString& status, QStyle::StandardPixmap icon) {
    auto* action = new QAction(frame.style()->standardIcon(icon), text, &frame);
    action->setObjectName(name);
    action->setStatusTip(status);
    action->setToolTip(text);
    bar.addAction(action);
    return action;
}

} // namespace

CListTools::CListTools(QMainWindow& frame, QToolBar& toolbar, IUiSeam& ui, EditSession& session,
                       CRightView& lists)
    : QObject(&frame), m_frame(frame), m_ui(ui), m_session(session), m_lists(lists) {
    toolbar.addSeparator();
    connect(AddButton(frame, toolbar, "ID_INFORMATION", tr("Information"),
                      tr("Counts, capacity and duplicates of the whole list"),
                      QStyle::SP_FileDialogInfoView),
            &QAction::triggered, this, &CListTools::OnInformation);
    connect(AddButton(frame, toolbar, "ID_APPLY_ORDER", tr("Apply order"),
                      tr("Number the channels as another list numbers them"),
                      QStyle::SP_FileDialogListView),
            &QAction::triggered, this, &CListTools::OnApplyOrder);
}

void CListTools::OnInformation() {
    CDlgInformation dialog(m_ui);
    dialog.SetFigures(ComputeStatistics(m_session.Db(), g_bZorvImage), m_session.Db());
    dialog.SetFindings(CheckList(m_session.Db(), GetProductType(), FlashGeometry::FromPolicy()));
    if (dialog.DoModal() != IUiSeam::IDOK || !dialog.SelectDuplicates())
        return;
    // The copies, not the channel each group keeps. Only rows on show can be
    // selected: a duplicate that the lists' filters
    // leave out stays unselected.
    const std::vector<std::uint32_t> keys = DuplicatesToRemove(m_session.Db());
    for (int list : {kDragTV, kDragRadio})
        if (CChannelGridCtrl* grid = m_lists.ChannelList(list))
            grid->SelectRowsByKey(keys);
}

void CListTools::OnApplyOrder() {
    const QString path = m_ui.OpenFileName(&m_frame, tr("Apply the order of another list"),
                                           Text(texts::kOpenFilter));
    if (path.isEmpty())
        return;
    CWaitCursor wait(m_ui);
    const ReferenceOrderReport report =
        ApplyReferenceOrderFile(m_session, path.toLocal8Bit().toStdString());
    if (report.Applied())
        m_lists.RefillLists(); // new numbers and favourite places; the filters stay
    wait.End();
    if (!report.Applied())
        ShowStop(m_ui, &m_frame, QString::fromStdString(report.error));
    else
        ShowInformation(m_ui, &m_frame, QString::fromStdString(ReferenceOrderSummary(report)));
}
