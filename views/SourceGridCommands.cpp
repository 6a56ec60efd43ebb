// The commands of the satellite, transponder, broadcaster and cable
// multiplex grids: New, Update, Delete and Description through the maker's
// dialogs, each change one edit of the session. The rows follow the edit
// here; undo and redo rebuild the grids from the tables.
#include "model/DeleteCounts.h"
#include "views/SourceGrids.h"

#include "contracts/Policy.h"
#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "document/EditSession.h"
#include "document/SessionCommands.h"
#include "model/BroadcastCommands.h"
#include "model/RecordChecks.h"
#include "model/SatelliteCommands.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/DescriptionDialog.h"
#include "qtkit/vxui/RecordFormDialog.h"
#include "qtkit/vxui/SearchNameDialog.h"
#include "qtkit/vxui/SourceDialogs.h"
#include "views/DeleteQuestion.h"

#include <QCoreApplication>

#include <memory>
#include <optional>
#include <string>

namespace {

constexpr const char* kNoSatelliteId =
    QT_TRANSLATE_NOOP("CSourceGridCtrl", "No satellite ID is free: the highest ID is already 255.");
constexpr const char* kNoMultiplexId =
    QT_TRANSLATE_NOOP("CSourceGridCtrl", "No multiplex ID is free: all 255 are in use.");
constexpr const char* kNotAnsi =
    QT_TRANSLATE_NOOP("CSourceGridCtrl", "Name has characters that Windows-1252 cannot hold.");

QString Tr(const char* text) {
    return QCoreApplication::translate("CSourceGridCtrl", text);
}

QString NoTpidText(int satId) {
    return Tr(QT_TRANSLATE_NOOP("CSourceGridCtrl", "No TPID is free on satellite %1.")).arg(satId);
}

// A record check's answer shown as an error; true when there was none.
bool Passes(IUiSeam& ui, QWidget* owner, const Phrase& problem) {
    if (problem.Empty())
        return true;
    ShowStop(ui, owner, Text(problem));
    return false;
}

std::unique_ptr<CSatelliteDialogBase> SatelliteDialog(IUiSeam& ui) {
    if (SatelliteDialogFor(GetProductType()) == SatelliteDialogKind::Sat2)
        return std::make_unique<CDlgSAT2AddUpdate>(ui);
    return std::make_unique<CDlgSATAddUpdate>(ui);
}

} // namespace

// ---- Satellites -------------------------------------------------------------------

void CSatGridCtrl::OnLButtonDblClk(const QPoint&) {
    OnDescription();
}

void CSatGridCtrl::OnNew() {
    const auto dialog = SatelliteDialog(m_ui);
    if (dialog->DoModal() != IUiSeam::IDOK)
        return;
    const Satellite_Info_Tag s = dialog->GetSatelliteInfo();
    CZorvDB& db = m_session.Db();
    if (!Passes(m_ui, this, SatelliteProblem(db, s, 0)))
        return;
    const std::uint32_t key = RunNewSatellite(m_session, s);
    if (key == 0)
        return ShowStop(m_ui, this, Tr(kNoSatelliteId));
    AppendRow(Cells(*db.Get<Satellite_Info_Tag>(kTableSatellite, key)));
}

void CSatGridCtrl::OnUpdate() {
    CZorvDB& db = m_session.Db();
    const std::uint32_t key = FocusKey();
    const auto* stored = db.Get<Satellite_Info_Tag>(kTableSatellite, key);
    if (!stored)
        return;
    const auto dialog = SatelliteDialog(m_ui);
    dialog->SetSatelliteInfo(stored);
    if (dialog->DoModal() != IUiSeam::IDOK)
        return;
    const Satellite_Info_Tag s = dialog->GetSatelliteInfo();
    if (!Passes(m_ui, this, SatelliteProblem(db, s, key)) || !RunUpdateSatellite(m_session, key, s))
        return;
    SetRowCells(FindRowByKey(key), Cells(*db.Get<Satellite_Info_Tag>(kTableSatellite, key)));
}

void CSatGridCtrl::OnDelete() {
    const std::vector<std::uint32_t> keys = SelectedKeys();
    if (keys.empty() || !AskDelete(DeleteCountsQuestion(CountSatelliteDelete(m_session.Db(), keys),
                                                        DeleteNoun::Satellite)))
        return;
    CZorvDB& db = m_session.Db();
    RunDeleteSatellites(m_session, keys);
    // The remaining rows show their IDs as the cascade left them.
    RewriteRows([&](std::uint32_t key) -> std::optional<QStringList> {
        if (const auto* s = db.Get<Satellite_Info_Tag>(kTableSatellite, key))
            return Cells(*s);
        return std::nullopt;
    });
    m_frame.SendMessage(WM_CLEAR_TRANSPONDER_GRID, 0, 0);
    m_frame.SendMessage(WM_CLEAR_CHANNEL_GRIDS, 0, 0);
}

void CSatGridCtrl::OnDescription() {
    const auto* s = m_session.Db().Get<Satellite_Info_Tag>(kTableSatellite, FocusKey());
    if (!s)
        return;
    CDlgDescription dialog(m_ui);
    dialog.SetSatelliteInfo(s);
    dialog.DoModal();
}

// ---- Transponders -------------------------------------------------------------------

void CTPGridCtrl::OnLButtonDblClk(const QPoint&) {
    OnDescription();
}

void CTPGridCtrl::OnNew() {
    CZorvDB& db = m_session.Db();
    CDlgTPAddUpdate dialog(m_ui);
    for (const Satellite_Info_Tag* s : DialogSatelliteList(db, GetProductType()))
        dialog.AddSatList(s);
    const Transponder_Info_Tag preset = PresetTransponder(static_cast<BYTE>(m_nSatellite));
    dialog.SetTransponderInfo(&preset);
    if (dialog.DoModal() != IUiSeam::IDOK)
        return;
    const Transponder_Info_Tag t = dialog.GetTransponderInfo();
    if (!Passes(m_ui, this, TransponderProblem(db, t, 0)))
        return;
    const std::uint32_t key = RunNewTransponder(m_session, t);
    if (key == 0)
        return ShowStop(m_ui, this, NoTpidText(t.SatID));
    AppendRow(Cells(*db.Get<Transponder_Info_Tag>(kTableTransponder, key)));
}

void CTPGridCtrl::OnUpdate() {
    CZorvDB& db = m_session.Db();
    const std::uint32_t key = FocusKey();
    const auto* stored = db.Get<Transponder_Info_Tag>(kTableTransponder, key);
    if (!stored)
        return;
    CDlgTPAddUpdate dialog(m_ui);
    for (const Satellite_Info_Tag* s : DialogSatelliteList(db, GetProductType()))
        dialog.AddSatList(s);
    dialog.SetTransponderInfo(stored);
    if (dialog.DoModal() != IUiSeam::IDOK)
        return;
    const Transponder_Info_Tag t = dialog.GetTransponderInfo();
    if (!Passes(m_ui, this, TransponderProblem(db, t, key)) ||
        !RunUpdateTransponder(m_session, key, t))
        return;
    SetRowCells(FindRowByKey(key), Cells(*db.Get<Transponder_Info_Tag>(kTableTransponder, key)));
}

void CTPGridCtrl::OnDelete() {
    const std::vector<std::uint32_t> keys = SelectedKeys();
    if (keys.empty() || !AskDelete(DeleteCountsQuestion(
                            CountTransponderDelete(m_session.Db(), keys), DeleteNoun::Transponder)))
        return;
    CZorvDB& db = m_session.Db();
    RunDeleteTransponders(m_session, keys);
    // The later transponders of the satellite moved down one TPID.
    RewriteRows([&](std::uint32_t key) -> std::optional<QStringList> {
        if (const auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, key))
            return Cells(*t);
        return std::nullopt;
    });
    m_frame.SendMessage(WM_CLEAR_CHANNEL_GRIDS, 0, 0);
}

void CTPGridCtrl::OnDescription() {
    const TransponderDescription description = DescribeTransponder(m_session.Db(), FocusKey());
    if (!description.transponder)
        return;
    CDlgDescription dialog(m_ui);
    dialog.SetSatelliteInfo(description.satellite);
    dialog.SetTransponderInfo(description.transponder);
    dialog.DoModal();
}

// ---- Broadcasters -------------------------------------------------------------------

bool CBroadcastGridCtrl::AskName(const QString& caption, const QString& preset, std::string& name) {
    CDlgSearchName dialog(m_ui);
    dialog.SetCaption(caption);
    dialog.SetText(preset);
    if (dialog.DoModal() != IUiSeam::IDOK)
        return false;
    const auto bytes = AnsiBytes(dialog.Text());
    if (!bytes) {
        ShowStop(m_ui, this, Tr(kNotAnsi));
        return false;
    }
    if (!Passes(m_ui, this, BroadcastNameProblem(*bytes)))
        return false;
    name = *bytes;
    return true;
}

void CBroadcastGridCtrl::OnNew() {
    std::string name;
    if (!AskName(tr("New"), QString(), name))
        return;
    // One above the ID the last row shows; the header row's text reads as 0.
    const auto lastRowId = static_cast<WORD>(GetItemText(GetRowCount() - 1, 2).toInt());
    const std::uint32_t key = RunNewBroadcast(m_session, lastRowId, name);
    if (const auto* b = m_session.Db().Get<Broadcast_Info_Tag>(kTableBroadcast, key))
        AppendRow(Cells(*b));
}

void CBroadcastGridCtrl::OnUpdate() {
    CZorvDB& db = m_session.Db();
    const std::uint32_t key = FocusKey();
    const auto* b = db.Get<Broadcast_Info_Tag>(kTableBroadcast, key);
    if (!b)
        return;
    std::string name;
    if (!AskName(tr("Update"), AnsiFieldText(b->Name, sizeof b->Name), name) ||
        !RunRenameBroadcast(m_session, key, name))
        return;
    SetRowCells(FindRowByKey(key), Cells(*db.Get<Broadcast_Info_Tag>(kTableBroadcast, key)));
}

void CBroadcastGridCtrl::OnDelete() {
    const std::vector<std::uint32_t> keys = SelectedKeys();
    if (keys.empty() || !AskDelete(DeleteCountsQuestion({keys.size(), 0, 0}, DeleteNoun::Provider)))
        return;
    RunDeleteBroadcasts(m_session, keys);
    RemoveRowsByKey(keys); // and renumbers
}

void CBroadcastGridCtrl::OnDescription() {
    // BroadcastDescriptionText's line in the language: the ID first, so that
    // a "%d" in the name stays as it is.
    if (const auto* b = m_session.Db().Get<Broadcast_Info_Tag>(kTableBroadcast, FocusKey()))
        ShowInformation(m_ui, this,
                        Text(texts::kBroadcastDescription)
                            .replace("%d", QString::number(b->BroadcastID))
                            .replace("%s", AnsiFieldText(b->Name, sizeof b->Name)));
}

// ---- Cable multiplexes ----------------------------------------------------------------

void CCableMuxGridCtrl::OnNew() {
    CDlgCableMuxAddUpdate dialog(m_ui);
    if (dialog.DoModal() != IUiSeam::IDOK)
        return;
    const CableMux_Info_Tag m = dialog.GetCableInfo();
    CZorvDB& db = m_session.Db();
    if (!Passes(m_ui, this, CableMuxProblem(db, m, 0)))
        return;
    const std::uint32_t key = RunNewCableMux(m_session, m);
    if (key == 0)
        return ShowStop(m_ui, this, Tr(kNoMultiplexId));
    AppendRow(Cells(*db.Get<CableMux_Info_Tag>(kTableCableMux, key)));
}

void CCableMuxGridCtrl::OnUpdate() {
    CZorvDB& db = m_session.Db();
    const std::uint32_t key = FocusKey();
    const auto* stored = db.Get<CableMux_Info_Tag>(kTableCableMux, key);
    if (!stored)
        return;
    CDlgCableMuxAddUpdate dialog(m_ui);
    dialog.SetCableInfo(stored);
    if (dialog.DoModal() != IUiSeam::IDOK)
        return;
    const CableMux_Info_Tag m = dialog.GetCableInfo();
    if (!Passes(m_ui, this, CableMuxProblem(db, m, key)) || !RunUpdateCableMux(m_session, key, m))
        return;
    SetRowCells(FindRowByKey(key), Cells(*db.Get<CableMux_Info_Tag>(kTableCableMux, key)));
}

void CCableMuxGridCtrl::OnDelete() {
    const std::vector<std::uint32_t> keys = SelectedKeys();
    if (keys.empty() || !AskDelete(DeleteCountsQuestion(CountCableMuxDelete(m_session.Db(), keys),
                                                        DeleteNoun::Multiplex)))
        return;
    CZorvDB& db = m_session.Db();
    RunDeleteCableMuxes(m_session, keys);
    // The later multiplexes moved down one ID.
    RewriteRows([&](std::uint32_t key) -> std::optional<QStringList> {
        if (const auto* m = db.Get<CableMux_Info_Tag>(kTableCableMux, key))
            return Cells(*m);
        return std::nullopt;
    });
    m_frame.SendMessage(WM_CLEAR_CHANNEL_GRIDS, 0, 0);
}
