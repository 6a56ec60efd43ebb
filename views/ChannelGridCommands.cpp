// The channel lists' editing commands: the context menu (built on the first
// right click and kept), the keys and the double click, and each command as
// one named edit of the session through the core's Run* functions. Which
// items are enabled and what a key does are the core's rules (GridMenus).
#include "model/DeleteCounts.h"
#include "views/ChannelGridCtrl.h"

#include "contracts/Policy.h"
#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "document/EditSession.h"
#include "document/SessionCommands.h"
#include "model/ChannelDialogs.h"
#include "model/GridMenus.h"
#include "qtkit/MessageBoxes.h"
#include "qtkit/Translation.h"
#include "qtkit/vxui/ChannelDialogs.h"
#include "qtkit/vxui/DescriptionDialog.h"
#include "qtkit/vxui/RecordFormDialog.h"
#include "qtkit/vxui/SearchNameDialog.h"
#include "views/DeleteQuestion.h"

#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {

const CZorvDB& Db() {
    return std::as_const(TheZorvDB());
}

// The English, as object names keep it whatever the language.
QString English(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// ---- Menu, keys, double click ----------------------------------------------------------

void CChannelGridCtrl::BuildMenu() {
    m_pMenu = new QMenu(this);
    m_pMenu->setObjectName("ChannelMenu");
    std::function<void(QMenu&, const std::vector<MenuItem>&)> add = [&](QMenu& menu,
                                                                        const auto& items) {
        for (const MenuItem& item : items) {
            if (item.IsSeparator()) {
                menu.addSeparator();
            } else if (item.id == 0) {
                QMenu* sub = menu.addMenu(Text(item.text));
                sub->setObjectName(English(item.text).remove("..."));
                add(*sub, item.submenu);
            } else {
                QAction* action = menu.addAction(Text(item.text));
                action->setObjectName(QString("ChannelCommand%1").arg(item.id));
                action->setData(item.id);
                connect(action, &QAction::triggered, this,
                        [this, id = item.id] { RunCommand(id); });
                m_menuActions[static_cast<std::size_t>(item.id)] = action;
            }
        }
    };
    // Tuner 1 and Tuner 2 as the product is at the first right click.
    add(*m_pMenu, ChannelMenuItems(ChannelMenuHasTuners(GetProductType())));
}

void CChannelGridCtrl::UpdateMenu() {
    const ChannelClipboard& clipboard = m_session.Clipboard();
    const ChannelMenuState state =
        ChannelMenuRule(static_cast<int>(m_filter.kind), GetSelectedRowCount(),
                        {clipboard.Keys().size(), clipboard.IsTV()}, m_bTV);
    for (int id = 1; id <= kChannelDescription; ++id)
        if (QAction* action = m_menuActions[static_cast<std::size_t>(id)])
            action->setEnabled(state.Enabled(id));
    m_menuActions[kChannelDelete]->setText(Text(state.deleteText));
}

void CChannelGridCtrl::OnRButtonUp(const QPoint& point) {
    if (!m_pMenu)
        BuildMenu();
    UpdateMenu();
    m_pMenu->popup(viewport()->mapToGlobal(point));
}

CGridCtrl::Key CChannelGridCtrl::OnKeyDown(const QKeyEvent& event) {
    const ChannelClipboard& clipboard = m_session.Clipboard();
    const KeyOutcome outcome =
        ChannelKeyAction(GridKeyPress(event), {clipboard.Keys().size(), clipboard.IsTV()}, m_bTV);
    if (outcome.command != kChannelNone)
        RunCommand(outcome.command);
    return outcome.consumed ? Key::Consumed : Key::PassOn;
}

void CChannelGridCtrl::OnLButtonDblClk(const QPoint&) {
    RunCommand(kChannelDescription);
}

void CChannelGridCtrl::RunCommand(int id) {
    switch (id) {
    case kChannelNew:
        return OnNew();
    case kChannelUpdate:
        return OnUpdate();
    case kChannelDelete:
        return OnDelete();
    case kChannelCopy:
        return OnCopy();
    case kChannelPaste:
        return OnPaste();
    case kChannelMoveHere:
        return OnMoveHere();
    case kChannelLockOn:
    case kChannelLockOff:
        return OnLockOrSkip(true, id == kChannelLockOn);
    case kChannelSkipOn:
    case kChannelSkipOff:
        return OnLockOrSkip(false, id == kChannelSkipOn);
    case kChannelSelectAll:
        return OnSelect(ChannelSelect::All);
    case kChannelSelectLocked:
        return OnSelect(ChannelSelect::Locked);
    case kChannelSelectCAS:
        return OnSelect(ChannelSelect::CAS);
    case kChannelSelectTuner1:
        return OnSelect(ChannelSelect::Tuner1);
    case kChannelSelectTuner2:
        return OnSelect(ChannelSelect::Tuner2);
    case kChannelInvertSelection:
        return OnInvertSelection();
    case kChannelSearch:
        return OnSearch();
    case kChannelDescription:
        return OnDescription();
    default:
        return;
    }
}

// ---- Shared steps ----------------------------------------------------------------------

std::uint32_t CChannelGridCtrl::FocusKeyOfSelection() const {
    if (GetSelectedRowCount() == 0)
        return 0;
    return GetRowKey(GetFocusCell().row);
}

void CChannelGridCtrl::ScrollToKey(std::uint32_t key) {
    if (const int row = FindRowByKey(key))
        scrollTo(model()->index(row - 1, kChannelColumnName));
}

void CChannelGridCtrl::ShowResult(const ChannelCommandResult& result) {
    if (!result.error.empty()) {
        ShowStop(m_ui, this, Text(result.error));
        return;
    }
    if (!result.changed)
        return;
    // New and Paste show in both lists; any command that renewed the keys
    // leaves the other list's rows naming other records, so it rebuilds too.
    if (result.refreshBoth || result.keysRenewed)
        m_frame.SendMessage(WM_REFRESH_ALL, 0, 0);
    else
        Rebuild();
    if (!result.select.empty())
        ShowMovedSet(result.select);
    if (!result.added.empty())
        ScrollToKey(result.added.front());
}

// ---- The commands ----------------------------------------------------------------------

void CChannelGridCtrl::OnNew() {
    const ChannelListState list = ListState();
    const auto dialog = MakeChannelDialog(m_ui, NewChannelDialog(Db(), list));
    if (dialog->DoModal() != IUiSeam::IDOK)
        return;
    ShowResult(RunNewChannel(m_session, list, dialog->GetChannelInfo()));
}

void CChannelGridCtrl::OnUpdate() {
    const std::uint32_t key = FocusKeyOfSelection();
    const auto setup = UpdateChannelDialog(Db(), ListState(), key);
    if (!setup)
        return;
    const bool tvBefore = IsTV(setup->record);
    const auto dialog = MakeChannelDialog(m_ui, *setup);
    if (dialog->DoModal() != IUiSeam::IDOK)
        return;
    const Channel_Info_Tag record = dialog->GetChannelInfo();
    ChannelCommandResult result = RunUpdateChannel(m_session, key, record);
    // A channel that changed kind moves to the other list.
    result.refreshBoth = IsTV(record) != tvBefore;
    ShowResult(result);
    // The rows were rebuilt: the updated channel stays the chosen one.
    if (const int row = FindRowByKey(key))
        selectionModel()->setCurrentIndex(model()->index(row - 1, kChannelColumnName),
                                          QItemSelectionModel::ClearAndSelect |
                                              QItemSelectionModel::Rows);
}

void CChannelGridCtrl::OnDelete() {
    const std::vector<std::uint32_t> selected = SelectedKeys();
    if (selected.empty())
        return;
    const ChannelListState list = ListState();
    if (DeleteAsks(list) &&
        m_ui.MessageBoxWithDetails(
            this, Text(texts::kAskDelete),
            DeleteCountsQuestion({selected.size(), 0, 0}, DeleteNoun::Channel), kMessageCaption,
            IUiSeam::Buttons::YesNo, IUiSeam::Icon::Question) != IUiSeam::IDYES)
        return;
    ShowResult(RunDeleteChannels(m_session, list, selected));
}

void CChannelGridCtrl::OnCopy() {
    CopyChannels(Db(), ListState(), SelectedKeys(), m_session.Clipboard());
}

void CChannelGridCtrl::OnPaste() {
    ShowResult(RunPasteChannels(m_session, ListState()));
}

void CChannelGridCtrl::OnMoveHere() {
    const std::uint32_t target = FocusKeyOfSelection();
    if (target == 0)
        return;
    ShowResult(RunMoveChannelsHere(m_session, ListState(), target));
}

void CChannelGridCtrl::OnLockOrSkip(bool lock, bool on) {
    const std::vector<std::uint32_t> selected = SelectedKeys();
    const ChannelCommandResult result =
        lock ? RunLockChannels(m_session, selected, on) : RunSkipChannels(m_session, selected, on);
    // The rows are rewritten in place; the selection stays.
    if (result.changed)
        RewriteRows(selected);
}

void CChannelGridCtrl::OnSelect(ChannelSelect which) {
    const CZorvDB& db = Db();
    SelectRowsWhere([&](int row) {
        const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, GetRowKey(row));
        return c && SelectsChannel(which, *c, m_nProductList);
    });
}

void CChannelGridCtrl::OnInvertSelection() {
    std::vector<char> was(static_cast<std::size_t>(GetRowCount()), 0);
    for (int row : GetSelectedRows())
        was[static_cast<std::size_t>(row)] = 1;
    SelectRowsWhere([&](int row) { return !was[static_cast<std::size_t>(row)]; });
}

void CChannelGridCtrl::OnSearch() {
    CDlgSearchName dialog(m_ui);
    dialog.SetCaption(tr("Search"));
    if (dialog.DoModal() != IUiSeam::IDOK)
        return;
    // A character the names' code page cannot hold is in no name.
    const auto text = AnsiBytes(dialog.Text());
    const std::string upper = text ? UpperCase1252(*text) : std::string();
    const CZorvDB& db = Db();
    int first = 0;
    const int found = SelectRowsWhere([&](int row) {
        const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, GetRowKey(row));
        const bool match = text && c && NameContains(*c, upper);
        if (match && first == 0)
            first = row;
        return match;
    });
    if (found == 0)
        return;
    scrollTo(model()->index(first - 1, kChannelColumnName), QAbstractItemView::PositionAtTop);
    Refresh();
}

void CChannelGridCtrl::OnDescription() {
    const ChannelDescription d = DescribeChannel(Db(), FocusKeyOfSelection());
    if (!d.channel)
        return;
    CDlgDescription dialog(m_ui);
    dialog.SetSatelliteInfo(d.satellite);
    dialog.SetTransponderInfo(d.transponder);
    dialog.SetBroadcastInfo(d.broadcast);
    dialog.SetChannelInfo(d.channel);
    dialog.DoModal();
}
