#include "app/PrintTools.h"

#include "app/ListPainter.h"
#include "app/PrintDialogs.h"
#include "document/EditSession.h"
#include "model/Product.h"
#include "views/ChannelGridCtrl.h"
#include "views/Icons.h"
#include "views/Panes.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QToolBar>

CPrintTools::CPrintTools(QMainWindow& frame, QToolBar& toolbar, IUiSeam& ui, EditSession& session,
                         CRightView& lists, std::string_view receiver)
    : QObject(&frame), m_frame(frame), m_ui(ui), m_session(session), m_lists(lists),
      m_strReceiver(QString::fromUtf8(receiver.data(), static_cast<qsizetype>(receiver.size()))) {
    setObjectName("PrintTools");
    auto* action = new QAction(Icons::Print(), tr("Print"), &frame);
    action->setObjectName("ID_PRINT");
    action->setStatusTip(tr("Print the channel lists or save them as a PDF file"));
    action->setToolTip(action->text());
    action->setShortcut(QKeySequence::Print);
    frame.addAction(action); // the key works without a menu
    toolbar.addAction(action);
    connect(action, &QAction::triggered, this, &CPrintTools::OnPrint);
}

void CPrintTools::OnPrint() {
    const Product product = Product::Current();
    const CChannelGridCtrl* tv = m_lists.ChannelList(kDragTV);
    CDlgPrintChoice choice(m_ui);
    choice.SetOptions(m_session.Db(), product,
                      DefaultPrintChoice(tv ? tv->Filter() : ChannelFilter::All()));
    if (choice.DoModal() != IUiSeam::IDOK)
        return;
    ListPrintJob job =
        MakeListPrintJob(m_session.Db(), product, choice.Choice(),
                         QFileInfo(m_frame.windowFilePath()).fileName(), m_strReceiver);
    if (job.sections.empty())
        return;
    CDlgPrintPreview preview(m_ui);
    preview.SetJob(std::move(job));
    preview.DoModal();
}
