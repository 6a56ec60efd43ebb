#include "app/ListTools.h"

#include "compare/ListMerge.h"
#include "contracts/Policy.h"
#include "contracts/Texts.h"
#include "document/CurrentDocument.h"
#include "document/Document.h"
#include "document/EditSession.h"
#include "document/ListImportEdits.h"
#include "document/ReferenceOrderEdit.h"
#include "document/Statistics.h"
#include "document/WorkbookDocument.h"
#include "image/FlashGeometry.h"
#include "lists/ChannelCsv.h"
#include "lists/SatellitesXml.h"
#include "model/Duplicates.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"
#include "qtkit/WaitCursor.h"
#include "views/CompareDialog.h"
#include "views/InformationDialog.h"
#include "views/Panes.h"
#include "views/SatelliteChoiceDialog.h"

#include <QAction>
#include <QMainWindow>
#include <QStyle>
#include <QToolBar>

#include <exception>
#include <new>
#include <optional>
#include <string>

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

// The path as the core's file functions take it.
std::string Native(const QString& path) {
    return path.toLocal8Bit().toStdString();
}

// A message of the core's file functions: the local encoding (it names the
// user's paths), or UTF-8 where the core writes that.
QString FromLocal(const std::string& text) {
    return QString::fromLocal8Bit(text);
}
QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Work on the user's files; what it throws ends the command with a message
// instead of ending the program. Empty when the work had nothing to say;
// `decode` reads the work's own message.
template <class Work> QString Guarded(Work work, QString (*decode)(const std::string&)) {
    try {
        return decode(work());
    } catch (const std::bad_alloc&) {
        return Text(texts::kListCommandNoMemory);
    } catch (const std::exception& e) {
        return Text(texts::kListCommandFailed).replace("%s", QString::fromLocal8Bit(e.what()));
    }
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
    connect(AddButton(frame, toolbar, "ID_COMPARE_WITH", tr("Compare with…"),
                      tr("Show what another image or workbook has differently"),
                      QStyle::SP_FileDialogContentsView),
            &QAction::triggered, this, &CListTools::OnCompareWith);
    connect(AddButton(frame, toolbar, "ID_IMPORT_CSV", tr("Import…"),
                      tr("Replace the channels by those of a CSV file"), QStyle::SP_ArrowDown),
            &QAction::triggered, this, &CListTools::OnImportCsv);
    connect(AddButton(frame, toolbar, "ID_EXPORT_CSV", tr("Export…"),
                      tr("Write the channels as a CSV file"), QStyle::SP_ArrowUp),
            &QAction::triggered, this, &CListTools::OnExportCsv);
    connect(AddButton(frame, toolbar, "ID_IMPORT_SATELLITES", tr("Import transponders…"),
                      tr("Bring satellites and transponders up to date from a satellites.xml file"),
                      QStyle::SP_DriveNetIcon),
            &QAction::triggered, this, &CListTools::OnImportSatellites);
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
        ShowStop(m_ui, &m_frame, Text(ReferenceOrderPhrase(report)));
    else
        ShowInformation(m_ui, &m_frame, Text(ReferenceOrderPhrase(report)));
}

void CListTools::OnCompareWith() {
    const QString path =
        m_ui.OpenFileName(&m_frame, Text(texts::kCompareTitle), Text(texts::kOpenFilter));
    if (path.isEmpty())
        return;
    CWaitCursor wait(m_ui);
    CDocument other;
    Comparison comparison;
    std::size_t toAdd = 0;
    bool read = false;
    Phrase error;
    const QString problem = Guarded(
        [&]() -> std::string {
            read = ReadListDocument(Native(path), CDocument::Current().Values(), other, nullptr,
                                    &error) == 1;
            if (!read)
                return {};
            comparison = CompareLists(m_session.Db(), other.Store());
            toAdd = ChannelsToMerge(other.Store(), comparison, MergeKinds::All).size();
            return {};
        },
        FromLocal);
    wait.End();
    if (!problem.isEmpty() || !read) {
        ShowStop(m_ui, &m_frame,
                 !problem.isEmpty()
                     ? problem
                     : Text(error.Empty() ? phrase::Text(texts::kCannotOpenImage) : error));
        return;
    }
    if (comparison.Same()) {
        ShowInformation(m_ui, &m_frame, Text(texts::kListsAreSame));
        return;
    }
    CDlgCompare dialog(m_ui);
    dialog.SetComparison(comparison, path, toAdd);
    dialog.OnSelectChannel([this](std::uint32_t key) { SelectChannel(key); });
    if (dialog.DoModal() != IUiSeam::IDOK || !dialog.AddToThisList())
        return;
    CWaitCursor merging(m_ui);
    MergeReport report;
    const QString failed = Guarded(
        [&]() -> std::string {
            report = RunMergeChannels(m_session, other.Store(), MergeKinds::All);
            return {};
        },
        FromLocal);
    if (failed.isEmpty() && report.Applied() && report.channels > 0)
        ShowTablesChanged(true);
    merging.End();
    if (!failed.isEmpty())
        ShowStop(m_ui, &m_frame, failed);
    else if (!report.Applied())
        ShowStop(m_ui, &m_frame, Text(MergePhrase(report)));
    else
        ShowInformation(m_ui, &m_frame, Text(MergePhrase(report)));
}

void CListTools::OnImportCsv() {
    const QString path =
        m_ui.OpenFileName(&m_frame, Text(texts::kImportCsvTitle), Text(texts::kCsvFilter));
    if (path.isEmpty())
        return;
    // As the workbook import: the channel table is replaced once the whole
    // file was read, rows the list cannot hold left out and said.
    CWaitCursor wait(m_ui);
    CsvImportResult result;
    const QString problem = Guarded(
        [&]() -> std::string {
            result = RunImportChannelCsv(m_session, Native(path));
            return {};
        },
        FromLocal);
    if (result.imported)
        ShowTablesChanged(false);
    wait.End();
    if (!problem.isEmpty())
        ShowStop(m_ui, &m_frame, problem);
    else if (!result.imported)
        ShowStop(m_ui, &m_frame, Text(result.said));
    else if (!result.said.Empty())
        ShowWarning(m_ui, &m_frame, Text(result.said));
}

void CListTools::OnExportCsv() {
    const QString path =
        m_ui.SaveFileName(&m_frame, Text(texts::kExportCsvTitle), Text(texts::kCsvFilter),
                          texts::kCsvInitialName, texts::kCsvExtension);
    if (path.isEmpty())
        return;
    CWaitCursor wait(m_ui);
    Phrase error;
    bool written = false;
    const QString problem = Guarded(
        [&]() -> std::string {
            // Written whole to a new file that then takes the name: a failure
            // leaves no part of a file.
            written = ExportChannelCsv(m_session.Db(), Native(path), false, error);
            return {};
        },
        FromUtf8);
    wait.End();
    if (!problem.isEmpty())
        ShowStop(m_ui, &m_frame, problem);
    else if (!written)
        ShowStop(m_ui, &m_frame, Text(error));
}

void CListTools::OnImportSatellites() {
    const QString path = m_ui.OpenFileName(&m_frame, Text(texts::kImportSatellitesTitle),
                                           Text(texts::kSatellitesFilter));
    if (path.isEmpty())
        return;
    QString error;
    std::optional<std::vector<XmlSatellite>> file;
    {
        CWaitCursor wait(m_ui);
        Phrase why;
        error = Guarded(
            [&]() -> std::string {
                file = ReadSatellitesXml(Native(path), why);
                return {};
            },
            FromUtf8);
        if (error.isEmpty() && !file)
            error = Text(why);
    }
    if (!error.isEmpty() || !file) {
        ShowStop(m_ui, &m_frame,
                 error.isEmpty() ? Text(texts::kNothingChanged)
                                 : error + "\n" + Text(texts::kNothingChanged));
        return;
    }
    if (file->empty()) {
        ShowInformation(m_ui, &m_frame, Text(texts::kNoSatellitesInFile));
        return;
    }
    CDlgSatelliteChoice dialog(m_ui);
    dialog.SetSatellites(*file, m_session.Db());
    if (dialog.DoModal() != IUiSeam::IDOK)
        return;
    SatelliteImportOptions options;
    options.positions = dialog.ChosenPositions();
    options.prune = dialog.Prune();
    if (options.positions.empty()) // none chosen: nothing to bring up to date
        return;
    CWaitCursor wait(m_ui);
    SatelliteImportReport report;
    const QString problem = Guarded(
        [&]() -> std::string {
            report = RunImportSatellites(m_session, *file, options);
            return {};
        },
        FromLocal);
    if (problem.isEmpty() && report.Ok() && report.Changed())
        ShowTablesChanged(false);
    wait.End();
    if (!problem.isEmpty())
        ShowStop(m_ui, &m_frame, problem);
    else if (!report.Ok())
        ShowStop(m_ui, &m_frame, Text(SatelliteImportPhrase(report)));
    else
        ShowInformation(m_ui, &m_frame, Text(SatelliteImportPhrase(report)));
}

void CListTools::ShowTablesChanged(bool keepFilters) {
    CLeftTopView* sources = m_frame.findChild<CLeftTopView*>();
    CLeftBottomView* providers = m_frame.findChild<CLeftBottomView*>();
    if (keepFilters) {
        if (sources)
            sources->Refill(kAllTables);
        if (providers)
            providers->Refill(kAllTables);
        m_lists.Refill(kAllTables);
        return;
    }
    if (sources)
        sources->RefreshView();
    if (providers)
        providers->RefreshView();
    m_lists.RefreshView();
}

void CListTools::SelectChannel(std::uint32_t key) {
    // Only a row on show can be selected: a channel the lists' filters
    // leave out stays unselected, as the duplicates do.
    const std::uint32_t keys[] = {key};
    for (int list : {kDragTV, kDragRadio}) {
        CChannelGridCtrl* grid = m_lists.ChannelList(list);
        if (!grid)
            continue;
        grid->SelectRowsByKey(keys);
        if (const int row = grid->FindRowByKey(key); row > 0)
            grid->scrollTo(grid->model()->index(row - 1, 0));
    }
}
