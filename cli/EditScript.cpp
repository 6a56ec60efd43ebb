#include "cli/EditScript.h"

#include "cli/DiffCommand.h"
#include "cli/ScriptWords.h"
#include "cli/TextCodec.h"
#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "document/EditCatalogue.h"
#include "document/ReferenceOrderEdit.h"
#include "document/SessionCommands.h"
#include "model/ChannelDialogs.h"
#include "model/ChannelEdits.h"
#include "model/ChannelSelection.h"
#include "model/Duplicates.h"
#include "model/GridMenus.h"
#include "model/RecordChecks.h"
#include "model/RecordFields.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

ClipboardState StateOf(const ChannelClipboard& clipboard) {
    return {clipboard.Keys().size(), clipboard.IsTV()};
}

// The script word of a command, as the messages about it name it.
std::string Word(EditId id) {
    return std::string(Catalogue(id).script);
}

} // namespace

CEditScript::CEditScript(std::ostream& out)
    : m_out(out), m_session(TheZorvDB()), m_product(Product::Current()),
      m_tv(std::make_unique<ChannelListModel>(ChannelKind::TV, m_product)),
      m_radio(std::make_unique<ChannelListModel>(ChannelKind::Radio, m_product)) {
    m_session.StartFresh();
    RebuildLists();
}

CEditScript::~CEditScript() = default;

ChannelListModel& CEditScript::Current() {
    return m_bRadio ? *m_radio : *m_tv;
}

const ChannelListModel& CEditScript::CurrentList() const {
    EnsureLists();
    return m_bRadio ? *m_radio : *m_tv;
}

ChannelListModel& CEditScript::Other() {
    return m_bRadio ? *m_tv : *m_radio;
}

void CEditScript::RebuildLists() {
    m_bListsStale = true;
    EnsureLists();
}

void CEditScript::RebuildListsLater() {
    m_tv->ClearRows();
    m_radio->ClearRows();
    m_bListsStale = true;
}

void CEditScript::EnsureLists() const {
    if (!m_bListsStale)
        return;
    m_bListsStale = false;
    m_tv->Rebuild(m_session.Db());
    m_radio->Rebuild(m_session.Db());
}

void CEditScript::AfterChannelCommand(bool changed, bool bothLists,
                                      const std::vector<std::uint32_t>& select) {
    if (!changed)
        return;
    if (bothLists)
        RebuildLists();
    else
        Current().Rebuild(m_session.Db());
    if (!select.empty())
        Current().SelectKeys(select);
}

void CEditScript::ClearAfterCascade(bool transponderGrid) {
    if (transponderGrid)
        m_bTranspondersCleared = true;
    m_tv->ClearRows();
    m_radio->ClearRows();
}

std::string CEditScript::RunLine(std::string_view line) {
    Args args;
    if (!SplitWords(line, args))
        return "a quote is not closed";
    if (args.empty())
        return {};
    return Dispatch(args);
}

std::string CEditScript::Dispatch(const Args& a) {
    const std::string& c = a[0];
    // `new` needs only the list's filter; every other line sees its rows.
    if (c != "new")
        EnsureLists();
    if (c == "list")
        return List(a);
    if (c == "filter")
        return Filter(a);
    if (c == "select")
        return Select(a);
    if (c == "new")
        return New(a);
    if (c == "update")
        return Update(a);
    if (c == "delete")
        return Delete(a);
    if (c == "copy")
        return Copy(a);
    if (c == "paste")
        return Paste(a);
    if (c == "move-here")
        return MoveHere(a);
    if (c == "lock" || c == "skip")
        return LockOrSkip(a, c == "lock");
    if (c == "drop")
        return Drop(a);
    if (c == "undo" || c == "redo")
        return UndoOrRedo(a, c == "undo");
    if (c == "show")
        return Show(a);
    if (c == "satellite")
        return Satellite(a);
    if (c == "transponders")
        return Transponders(a);
    if (c == "transponder")
        return Transponder(a);
    if (c == "cablemux")
        return CableMux(a);
    if (c == "broadcast")
        return Broadcast(a);
    if (c == "favorite")
        return Favorite(a);
    if (c == "drop-transponder")
        return DropTransponder(a);
    if (c == "apply-order")
        return ApplyOrder(a);
    if (c == "merge") {
        std::string problem = RunMergeScriptLine(m_session, a, m_out);
        if (problem.empty())
            RebuildLists();
        return problem;
    }
    return "unknown command " + Quoted(c);
}

// ---- Channel lists --------------------------------------------------------------------

std::string CEditScript::List(const Args& a) {
    if (a.size() != 2 || (a[1] != "tv" && a[1] != "radio"))
        return Expected("list tv|radio");
    m_bRadio = a[1] == "radio";
    return {};
}

std::string CEditScript::Filter(const Args& a) {
    const char* form = "filter all|satellite KEY|transponder KEY|mux KEY|broadcast KEY|favorite "
                       "N|genre G";
    const CZorvDB& db = m_session.Db();
    const ChannelFilter current = Current().Filter();
    const std::uint32_t type = m_product.type;
    ChannelFilter next;
    if (a.size() == 2 && a[1] == "all") {
        next = ChannelFilter::All();
    } else {
        std::uint32_t value = 0;
        if (a.size() != 3)
            return Expected(form);
        if (!ParseNumber(a[2], value))
            return "bad value " + Quoted(a[2]) + " for " + a[1];
        if (a[1] == "satellite")
            next = ChannelFilter::BySatellite(db, value);
        else if (a[1] == "transponder")
            next = ChannelFilter::ByTransponder(current, value);
        else if (a[1] == "mux")
            next = ChannelFilter::ByMux(value);
        else if (a[1] == "broadcast")
            next = ChannelFilter::ByBroadcast(current, value, type);
        else if (a[1] == "favorite" && value >= 1 && value <= kFavoritePositions)
            next = ChannelFilter::ByFavoriteOrGenre(current, 0, static_cast<int>(value - 1), type);
        else if (a[1] == "genre" && value <= kAttrGenreMask)
            next = ChannelFilter::ByFavoriteOrGenre(current, 1, static_cast<int>(value), type);
        else if (a[1] == "favorite" || a[1] == "genre")
            return "bad value " + Quoted(a[2]) + " for " + a[1] +
                   (a[1] == "genre" ? " (0 to 15)" : " (1 to 32)");
        else
            return Expected(form);
    }
    // The right pane passes every choice to both lists.
    m_tv->SetFilter(db, next);
    m_radio->SetFilter(db, next);
    return {};
}

std::string CEditScript::Select(const Args& a) {
    const char* form =
        "select all|none|locked|cas|tuner1|tuner2|invert|duplicates|rows R[,R...]|search TEXT";
    if (a.size() < 2)
        return Expected(form);
    ChannelListModel& list = Current();
    const CZorvDB& db = m_session.Db();
    const std::string& what = a[1];
    const int productList = m_product.list;
    if (what == "search") {
        std::string text;
        if (auto problem = ToAnsi(RestOfLine(a, 2), text); !problem.empty())
            return problem;
        const std::string upper = UpperCase1252(text);
        list.SelectWhere(db, [&](const Channel_Info_Tag& c) { return NameContains(c, upper); });
        return {};
    }
    if (what == "rows") {
        if (a.size() != 3)
            return Expected(form);
        std::vector<std::uint32_t> keys;
        std::stringstream rows(a[2]);
        std::string row;
        const std::vector<std::uint32_t> shown(list.Keys().begin(), list.Keys().end());
        while (std::getline(rows, row, ',')) {
            std::string problem;
            keys.push_back(RowKey(shown, row, problem));
            if (!problem.empty())
                return problem;
        }
        if (keys.empty())
            return Expected(form);
        list.SelectKeys(keys);
        list.SetFocusRow(list.RowOf(keys.front()));
        return {};
    }
    if (a.size() != 2)
        return Expected(form);
    if (what == "none") {
        list.ClearSelection();
        return {};
    }
    if (what == "invert") {
        list.InvertSelection();
        return {};
    }
    if (what == "duplicates") {
        list.SelectKeys(DuplicatesToRemove(db));
        return {};
    }
    ChannelSelect which;
    if (what == "all")
        which = ChannelSelect::All;
    else if (what == "locked")
        which = ChannelSelect::Locked;
    else if (what == "cas")
        which = ChannelSelect::CAS;
    else if (what == "tuner1" || what == "tuner2")
        which = what == "tuner1" ? ChannelSelect::Tuner1 : ChannelSelect::Tuner2;
    else
        return Expected(form);
    if ((which == ChannelSelect::Tuner1 || which == ChannelSelect::Tuner2) &&
        !ChannelMenuHasTuners(m_product.type))
        return "select " + what + ": the menu has no tuner items on this receiver";
    list.SelectWhere(
        db, [&](const Channel_Info_Tag& c) { return SelectsChannel(which, c, productList); });
    return {};
}

namespace {

// Why a menu command is not offered in a list; empty when it is. Paste and
// Move here on the other kind's clipboard are left to the command, which
// says so in the editor's words.
std::string Unavailable(const ChannelListModel& list, const ChannelClipboard& clipboard, int id,
                        const std::string& command) {
    const bool selected = list.SelectedCount() > 0;
    const bool modeOff =
        list.Filter().kind == ChannelFilterKind::Favorite || list.Filter().IsGenreMode();
    const std::string& name = command;
    if (id == kChannelPaste || id == kChannelMoveHere) {
        if (modeOff)
            return name + " is not offered while a favourite list or a genre is shown";
        if (id == kChannelMoveHere && !selected)
            return name + " needs a selected row";
        if (clipboard.IsEmpty())
            return name + ": the clipboard is empty";
        return {};
    }
    const ChannelMenuState menu =
        ChannelMenuRule(static_cast<int>(list.Filter().kind),
                        static_cast<int>(list.SelectedCount()), StateOf(clipboard), list.IsTV());
    if (menu.Enabled(id))
        return {};
    if (!selected && id != kChannelNew)
        return name + " needs a selected row";
    return name + " is not offered while a favourite list or a genre is shown";
}

} // namespace

std::string CEditScript::New(const Args& a) {
    ChannelListModel& list = Current();
    if (auto problem =
            Unavailable(list, m_session.Clipboard(), kChannelNew, Word(EditId::NewChannel));
        !problem.empty())
        return problem;
    // The dialog's preset; its choice lists are not needed here.
    Channel_Info_Tag record = PrepareNewChannel(m_session.Db(), list.State());
    // The dialog in its channel mode hands back a channel of the list's kind.
    record.Attributes = static_cast<WORD>(record.Attributes | KindBit(list.Kind()));
    if (auto problem = SetFields(record, a, 1); !problem.empty())
        return problem;
    if (auto problem = CheckChannel(record, m_product, PolicyChannelNameLength()); !problem.empty())
        return problem;
    const auto result = RunNewChannel(m_session, list.State(), record);
    if (result.changed)
        RebuildListsLater();
    return {};
}

std::string CEditScript::Update(const Args& a) {
    ChannelListModel& list = Current();
    if (auto problem =
            Unavailable(list, m_session.Clipboard(), kChannelUpdate, Word(EditId::UpdateChannel));
        !problem.empty())
        return problem;
    const auto setup = UpdateChannelDialog(m_session.Db(), list.State(), list.FocusKey());
    if (!setup)
        return "update needs a focus row (select rows R)";
    Channel_Info_Tag record = setup->record;
    if (auto problem = SetFields(record, a, 1); !problem.empty())
        return problem;
    if (auto problem = CheckChannel(record, m_product, PolicyChannelNameLength()); !problem.empty())
        return problem;
    const bool kindChanged = IsTV(record) != IsTV(setup->record);
    const auto result = RunUpdateChannel(m_session, list.FocusKey(), record);
    AfterChannelCommand(result.changed, kindChanged, {});
    return {};
}

std::string CEditScript::Delete(const Args& a) {
    if (a.size() != 1)
        return Expected("delete");
    ChannelListModel& list = Current();
    if (auto problem =
            Unavailable(list, m_session.Clipboard(), kChannelDelete, Word(EditId::DeleteChannels));
        !problem.empty())
        return problem;
    // The question "Would you like to delete selected item?" is answered Yes.
    const auto result = RunDeleteChannels(m_session, list.State(), list.SelectedKeys());
    AfterChannelCommand(result.changed, result.keysRenewed, {});
    return {};
}

std::string CEditScript::Copy(const Args& a) {
    if (a.size() != 1)
        return Expected("copy");
    ChannelListModel& list = Current();
    if (auto problem = Unavailable(list, m_session.Clipboard(), kChannelCopy, "copy");
        !problem.empty())
        return problem;
    CopyChannels(m_session.Db(), list.State(), list.SelectedKeys(), m_session.Clipboard());
    return {};
}

std::string CEditScript::Paste(const Args& a) {
    if (a.size() != 1)
        return Expected("paste");
    ChannelListModel& list = Current();
    if (auto problem =
            Unavailable(list, m_session.Clipboard(), kChannelPaste, Word(EditId::PasteChannels));
        !problem.empty())
        return problem;
    const auto result = RunPasteChannels(m_session, list.State());
    if (!result.error.empty())
        return std::string(result.error);
    AfterChannelCommand(result.changed, true, {});
    return {};
}

std::string CEditScript::MoveHere(const Args& a) {
    if (a.size() != 1)
        return Expected("move-here");
    ChannelListModel& list = Current();
    if (auto problem = Unavailable(list, m_session.Clipboard(), kChannelMoveHere,
                                   Word(EditId::MoveChannelsHere));
        !problem.empty())
        return problem;
    if (list.FocusKey() == 0)
        return "move-here needs a focus row (select rows R)";
    const auto result = RunMoveChannelsHere(m_session, list.State(), list.FocusKey());
    if (!result.error.empty())
        return std::string(result.error);
    AfterChannelCommand(result.changed, false, result.select);
    return {};
}

std::string CEditScript::LockOrSkip(const Args& a, bool lock) {
    if (a.size() != 2 || (a[1] != "on" && a[1] != "off"))
        return Expected(lock ? "lock on|off" : "skip on|off");
    const bool on = a[1] == "on";
    const auto keys = Current().SelectedKeys();
    // The rows are rewritten in place: the selection stays.
    if (lock)
        RunLockChannels(m_session, keys, on);
    else
        RunSkipChannels(m_session, keys, on);
    return {};
}

std::string CEditScript::Drop(const Args& a) {
    const char* form = "drop satellite KEY|mux KEY|transponder KEY|broadcast KEY|favorite N|genre "
                       "G|row R";
    if (a.size() != 3)
        return Expected(form);
    ChannelListModel& list = Current();
    const std::vector<std::uint32_t> selected = list.SelectedKeys();
    if (selected.empty())
        return "drop needs selected rows";
    const std::string& target = a[1];
    if (target == "row") {
        std::string problem;
        const std::vector<std::uint32_t> rows(list.Keys().begin(), list.Keys().end());
        const std::uint32_t dropKey = RowKey(rows, a[2], problem);
        if (!problem.empty())
            return problem;
        const ChannelFilter& filter = list.Filter();
        if (filter.IsFavoriteMode()) {
            RunEdit(m_session, EditId::ReorderFavorite, [&] {
                return !ReorderFavoriteList(m_session.Db(), rows, selected, dropKey,
                                            filter.favorite)
                            .rows.changed.empty();
            });
        } else {
            RunEdit(m_session, EditId::MoveChannels, [&] {
                return !RenumberMovedSet(m_session.Db(), selected, dropKey, list.Kind(),
                                         m_product.list)
                            .changed.empty();
            });
        }
        list.Rebuild(m_session.Db());
        list.SelectKeys(selected);
        return {};
    }
    // The drop targets are the catalogue's `drop ...` words.
    const EditEntry* edit = FindScriptEdit(std::string(a[0]) + " " + target);
    if (!edit)
        return Expected(form);
    std::uint32_t value = 0;
    if (!ParseNumber(a[2], value))
        return "bad value " + Quoted(a[2]) + " for " + target;
    CZorvDB& db = m_session.Db();
    EditedRows rows;
    auto run = [&](auto change) {
        RunEdit(m_session, edit->id, [&] {
            rows = change();
            return !rows.changed.empty();
        });
    };
    bool keepRows = false;
    switch (edit->id) {
    case EditId::SetSatellite:
        run([&] { return SetChannelsSatellite(db, selected, value); });
        break;
    case EditId::SetMultiplex:
        run([&] { return SetChannelsMux(db, selected, value, m_product.type); });
        break;
    case EditId::SetTransponder:
        run([&] { return SetChannelsTransponder(db, selected, value); });
        break;
    case EditId::SetBroadcaster:
        run([&] { return SetChannelsBroadcast(db, selected, value); });
        break;
    case EditId::AddToFavorite:
        if (value < 1 || value > kFavoritePositions)
            return "bad value " + Quoted(a[2]) + " for " + target;
        keepRows = true;
        run([&] {
            return JoinFavoriteList(db, selected, static_cast<int>(value - 1), list.Kind());
        });
        break;
    case EditId::SetGenre:
        if (value > kAttrGenreMask)
            return "bad value " + Quoted(a[2]) + " for " + target;
        keepRows = !list.Filter().IsGenreMode();
        run([&] {
            return SetChannelsGenre(db, selected, static_cast<int>(value),
                                    list.Filter().IsGenreMode());
        });
        break;
    default:
        return Expected(form);
    }
    if (!keepRows)
        list.Rebuild(db);
    return {};
}

std::string CEditScript::UndoOrRedo(const Args& a, bool undo) {
    if (a.size() != 1)
        return Expected(undo ? "undo" : "redo");
    if (!(undo ? m_session.Undo() : m_session.Redo()))
        return undo ? "nothing to undo" : "nothing to redo";
    // The panes rebuild and keep their filters.
    RebuildLists();
    m_bTranspondersCleared = false;
    return {};
}

std::string CEditScript::Show(const Args& a) {
    if (a.size() != 1)
        return Expected("show");
    const ChannelListModel& list = Current();
    const auto& columns = ChannelColumns();
    for (std::size_t c = 0; c < columns.size(); ++c)
        m_out << (c ? "\t" : "") << columns[c].header;
    m_out << "\n";
    for (std::size_t row = 0; row < list.RowCount(); ++row) {
        const ChannelCells cells = list.Cells(m_session.Db(), row);
        for (std::size_t c = 0; c < cells.size(); ++c)
            m_out << (c ? "\t" : "") << AnsiToUtf8(cells[c]);
        m_out << "\n";
    }
    return {};
}

// ---- Running a script and saving --------------------------------------------------------

int RunEditScript(CEditScript& editor, std::istream& script, std::ostream& err) {
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        const std::string problem = editor.RunLine(line);
        if (!problem.empty()) {
            err << "velmar-cli: line " << number << ": " << problem << "\n";
            return 2;
        }
    }
    return 0;
}

// ---- Reference order ------------------------------------------------------------------

std::string CEditScript::ApplyOrder(const Args& a) {
    if (a.size() < 2)
        return Expected("apply-order FILE");
    const ReferenceOrderReport report = ApplyReferenceOrderFile(m_session, RestOfLine(a, 1));
    if (!report.Applied())
        return report.error;
    m_out << ReferenceOrderSummary(report) << "\n";
    RebuildLists();
    return {};
}
