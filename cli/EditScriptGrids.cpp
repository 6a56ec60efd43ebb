// The `edit` script's commands for the satellite, transponder, cable
// multiplex and broadcaster grids and the favourite lists, and the command
// that runs a script and saves its result.
#include "cli/EditScript.h"

#include "cli/ScriptWords.h"
#include "cli/TextCodec.h"
#include "contracts/Policy.h"
#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "document/EditCatalogue.h"
#include "document/ListCheck.h"
#include "document/SessionCommands.h"
#include "document/WorkingCopy.h"
#include "image/FlashGeometry.h"
#include "model/BroadcastCommands.h"
#include "model/ChannelEdits.h"
#include "model/DescriptionTexts.h"
#include "model/FileKind.h"
#include "model/RecordChecks.h"
#include "model/RecordFields.h"
#include "model/SatelliteCommands.h"
#include "model/SourceGridRows.h"
#include "xls/ChannelWorkbook.h"

#include <fstream>
#include <functional>
#include <iostream>
#include <span>

namespace {

void PrintLines(std::ostream& out, const DescriptionLines& lines) {
    for (const auto& line : lines)
        out << line.label << ": " << AnsiToUtf8(line.value) << "\n";
}

// How one of the record grids runs its `new`, `update R` and `delete R`
// lines: the dialog's preset, its check, and the commands.
template <class R> struct RecordGrid {
    const char* form = "";
    std::uint8_t table = 0;
    // The grid's rows as the editor shows them, built only for a line that
    // names a row: a `new` line costs the same at any table size.
    std::function<std::vector<std::uint32_t>()> rows{};
    R preset{};
    std::function<std::string(const R&, std::uint32_t key)> check{};
    std::function<std::uint32_t(const R&)> add{};    // 0: nothing added
    std::function<std::string(const R&)> noneFree{}; // why `add` added nothing
    std::function<void(std::uint32_t key, const R&)> update{};
    std::function<void(std::uint32_t key)> erase{};
};

template <class R>
std::string RunRecordGrid(const ScriptArgs& a, CZorvDB& db, const RecordGrid<R>& grid) {
    const std::string verb = a.size() > 1 ? a[1] : std::string();
    if (verb == "new") {
        R record = grid.preset;
        if (auto problem = SetFields(record, a, 2); !problem.empty())
            return problem;
        if (auto problem = grid.check(record, 0); !problem.empty())
            return problem;
        return grid.add(record) == 0 ? grid.noneFree(record) : std::string();
    }
    if ((verb != "update" && verb != "delete") || a.size() < 3 ||
        (verb == "delete" && a.size() != 3))
        return Expected(grid.form);
    std::string problem;
    const std::uint32_t key = RowKey(grid.rows(), a[2], problem);
    if (!problem.empty())
        return problem;
    if (verb == "delete") {
        // "Would you like to delete selected item?" is answered Yes.
        grid.erase(key);
        return {};
    }
    R record = *db.Get<R>(grid.table, key);
    if (auto bad = SetFields(record, a, 3); !bad.empty())
        return bad;
    if (auto bad = grid.check(record, key); !bad.empty())
        return bad;
    grid.update(key, record);
    return {};
}

// A broadcaster's name from the rest of the line: refused when empty, or
// when it does not fit the record (as a channel's or satellite's name is),
// never cut short.
std::string BroadcasterName(const ScriptArgs& a, std::size_t from, std::string& name) {
    const std::string given = RestOfLine(a, from);
    if (auto problem = ToAnsi(given, name); !problem.empty())
        return problem;
    if (auto problem = CheckBroadcastName(name); !problem.empty())
        return problem;
    if (name.size() > kBroadcastNameMax)
        return "the name " + Quoted(given) + " is too long for a broadcaster";
    return {};
}

std::span<const std::uint32_t> One(const std::uint32_t& key) {
    return {&key, 1};
}

} // namespace

std::vector<std::uint32_t> CEditScript::TransponderRows() const {
    if (m_bTranspondersCleared)
        return {};
    return TransponderGridKeys(m_session.Db(), m_product.type, m_nTransponderFilter);
}

std::string CEditScript::Satellite(const Args& a) {
    CZorvDB& db = m_session.Db();
    const auto rows = [&] { return SatelliteGridKeys(db, m_product.type); };
    if (a.size() == 3 && a[1] == "description") {
        std::string problem;
        const std::uint32_t key = RowKey(rows(), a[2], problem);
        if (!problem.empty())
            return problem;
        PrintLines(m_out,
                   SatelliteDescriptionLines(*db.Get<Satellite_Info_Tag>(kTableSatellite, key)));
        return {};
    }
    RecordGrid<Satellite_Info_Tag> grid{
        "satellite new FIELD=VALUE...|update R FIELD=VALUE...|delete R|description R",
        kTableSatellite, rows};
    grid.check = [&](const Satellite_Info_Tag& s, std::uint32_t key) {
        return CheckSatellite(db, s, key);
    };
    grid.add = [&](const Satellite_Info_Tag& s) { return RunNewSatellite(m_session, s); };
    grid.noneFree = [](const Satellite_Info_Tag&) {
        return "no satellite ID is free: the highest ID is already 255";
    };
    grid.update = [&](std::uint32_t key, const Satellite_Info_Tag& s) {
        RunUpdateSatellite(m_session, key, s);
    };
    grid.erase = [&](std::uint32_t key) {
        RunDeleteSatellites(m_session, One(key));
        ClearAfterCascade(true);
    };
    return RunRecordGrid(a, db, grid);
}

std::string CEditScript::Transponders(const Args& a) {
    if (a.size() == 2 && a[1] == "all") {
        m_nTransponderFilter = 0;
    } else if (a.size() == 3 && a[1] == "satellite") {
        std::uint32_t key = 0;
        if (!ParseNumber(a[2], key))
            return "bad value " + Quoted(a[2]) + " for satellite";
        m_nTransponderFilter = TransponderFilterFor(m_session.Db(), key, m_nTransponderFilter);
    } else {
        return Expected("transponders satellite KEY|all");
    }
    m_bTranspondersCleared = false;
    return {};
}

std::string CEditScript::Transponder(const Args& a) {
    CZorvDB& db = m_session.Db();
    RecordGrid<Transponder_Info_Tag> grid{
        "transponder new FIELD=VALUE...|update R FIELD=VALUE...|delete R", kTableTransponder,
        [this] { return TransponderRows(); },
        PresetTransponder(static_cast<BYTE>(m_nTransponderFilter))};
    grid.check = [&](const Transponder_Info_Tag& t, std::uint32_t key) {
        return CheckTransponder(db, t, key);
    };
    grid.add = [&](const Transponder_Info_Tag& t) { return RunNewTransponder(m_session, t); };
    grid.noneFree = [](const Transponder_Info_Tag& t) {
        return "no TPID is free on satellite " + std::to_string(t.SatID);
    };
    grid.update = [&](std::uint32_t key, const Transponder_Info_Tag& t) {
        RunUpdateTransponder(m_session, key, t);
    };
    grid.erase = [&](std::uint32_t key) {
        RunDeleteTransponders(m_session, One(key));
        ClearAfterCascade(false);
    };
    return RunRecordGrid(a, db, grid);
}

std::string CEditScript::CableMux(const Args& a) {
    CZorvDB& db = m_session.Db();
    RecordGrid<CableMux_Info_Tag> grid{
        "cablemux new FIELD=VALUE...|update R FIELD=VALUE...|delete R", kTableCableMux,
        [&] { return CableMuxGridKeys(db, m_product.type); }};
    grid.check = [&](const CableMux_Info_Tag& m, std::uint32_t key) {
        return CheckCableMux(db, m, key);
    };
    grid.add = [&](const CableMux_Info_Tag& m) { return RunNewCableMux(m_session, m); };
    grid.noneFree = [](const CableMux_Info_Tag&) {
        return "no multiplex ID is free: all 255 are in use";
    };
    grid.update = [&](std::uint32_t key, const CableMux_Info_Tag& m) {
        RunUpdateCableMux(m_session, key, m);
    };
    grid.erase = [&](std::uint32_t key) {
        RunDeleteCableMuxes(m_session, One(key));
        ClearAfterCascade(false);
    };
    return RunRecordGrid(a, db, grid);
}

std::string CEditScript::Broadcast(const Args& a) {
    const char* form = "broadcast new NAME|update R NAME|delete R|description R";
    if (a.size() < 2)
        return Expected(form);
    CZorvDB& db = m_session.Db();
    const std::string& verb = a[1];
    std::string name;
    if (verb == "new") {
        if (auto problem = BroadcasterName(a, 2, name); !problem.empty())
            return problem;
        // 1 + the ID in the grid's last row, as the editor's grid stands
        // unsorted in table order.
        const std::uint32_t lastRow = db.LastKey(kTableBroadcast);
        const WORD lastRowId =
            lastRow == 0 ? 0 : db.Get<Broadcast_Info_Tag>(kTableBroadcast, lastRow)->BroadcastID;
        RunNewBroadcast(m_session, lastRowId, name);
        return {};
    }
    if (a.size() < 3 || (verb != "update" && a.size() != 3))
        return Expected(form);
    std::string problem;
    const std::uint32_t key = RowKey(BroadcastGridKeys(db), a[2], problem);
    if (!problem.empty())
        return problem;
    if (verb == "update") {
        if (auto bad = BroadcasterName(a, 3, name); !bad.empty())
            return bad;
        RunRenameBroadcast(m_session, key, name);
    } else if (verb == "delete") {
        const std::uint32_t keys[] = {key};
        RunDeleteBroadcasts(m_session, keys);
    } else if (verb == "description") {
        m_out << AnsiToUtf8(BroadcastDescriptionText(db, key)) << "\n";
    } else {
        return Expected(form);
    }
    return {};
}

std::string CEditScript::Favorite(const Args& a) {
    if (a.size() < 4 || a[1] != "rename")
        return Expected("favorite rename N NAME");
    const auto number = ParseFieldNumber(a[2], 32);
    if (!number || *number == 0)
        return "bad value " + Quoted(a[2]) + " for the favourite list number";
    std::string name;
    if (auto problem = ToAnsi(RestOfLine(a, 3), name); !problem.empty())
        return problem;
    FavoriteRename result = FavoriteRename::Ignored;
    RunEdit(m_session, EditId::RenameFavorite, [&] {
        result = RenameFavoriteList(m_session.Db(), *number, name);
        return result == FavoriteRename::Renamed;
    });
    if (result == FavoriteRename::WrongSize)
        return texts::kFavoriteNameSize;
    if (result == FavoriteRename::NoSuchList)
        return "there is no favourite list " + a[2];
    return {};
}

std::string CEditScript::DropTransponder(const Args& a) {
    if (a.size() != 4 || a[2] != "satellite")
        return Expected("drop-transponder R satellite KEY");
    CZorvDB& db = m_session.Db();
    std::string problem;
    const std::uint32_t key = RowKey(TransponderRows(), a[1], problem);
    if (!problem.empty())
        return problem;
    const auto satellite = ParseFieldNumber(a[3], 32);
    if (!satellite)
        return "bad value " + Quoted(a[3]) + " for satellite";
    RunEdit(m_session, EditId::MoveTransponders, [&] {
        const std::uint32_t keys[] = {key};
        return !MoveTranspondersToSatellite(db, keys, *satellite).changed.empty();
    });
    // The panes then show the satellite the transponder went to.
    m_nTransponderFilter = TransponderFilterFor(db, *satellite, m_nTransponderFilter);
    const ChannelFilter bySatellite = ChannelFilter::BySatellite(db, *satellite);
    m_tv->SetFilter(db, bySatellite);
    m_radio->SetFilter(db, bySatellite);
    return {};
}

const char* EditScriptHelp() {
    return R"(
edit scripts: one command a line, '#' starts a comment, "double quotes" keep blanks.
Each line acts on the current channel list as the editor's grid shows it (its
filter, rows and selection); rows are 1-based as the list numbers them.
  list tv|radio                     the list the next lines act on (tv at the start)
  filter all|satellite KEY|transponder KEY|mux KEY|broadcast KEY|favorite N|genre G
                                    both lists' filter; KEY is a record's store key,
                                    N a favourite list (1-32), G a genre (0-15)
  select all|none|locked|cas|tuner1|tuner2|invert|duplicates|rows R[,R...]|search TEXT
                                    "rows" also puts the focus on the first row named
  new FIELD=VALUE ...               New, the dialog answering OK with the prepared
                                    record and these fields (Name=..., VideoPID=...,
                                    Attributes=0x0411, F0..F31 ...)
  update FIELD=VALUE ...            Update of the focus row's channel
  delete                            Delete answered Yes; in a favourite list, the removal
  copy | paste | move-here | lock on|off | skip on|off
  drop satellite KEY|mux KEY|transponder KEY|broadcast KEY|favorite N|genre G|row R
                                    the selected rows dropped there
  undo | redo
  show                              the list's rows, tab-separated, under the headers
  satellite new FIELD=VALUE ...|update R FIELD=VALUE ...|delete R|description R
  transponders satellite KEY|all    the transponder grid's filter
  transponder new FIELD=VALUE ...|update R FIELD=VALUE ...|delete R
  cablemux new FIELD=VALUE ...|update R FIELD=VALUE ...|delete R
  broadcast new NAME|update R NAME|delete R|description R
  favorite rename N NAME
  drop-transponder R satellite KEY  transponder row R dropped on that satellite
  apply-order FILE                  numbers and favourites from a reference image or
                                    workbook, matched by service ids, then by name
  merge FILE [tv|radio|all]         adds the channels only FILE (an image or workbook)
                                    has, with their satellites, transponders, providers
Messages the editor would show go to stderr in its words. An unknown command,
a bad field name or value, a row out of range or an editor error stops the
script with exit status 2 and the line number; nothing is saved then. OUT is
a workbook when its name ends in .xls or .cvs, otherwise an image built from
IMAGE with the edited tables.
)";
}

int RunEditCommand(const std::string& scriptPath, const std::string& outPath) {
    std::ifstream file;
    if (scriptPath != "-") {
        file.open(scriptPath);
        if (!file) {
            std::cerr << "velmar-cli: cannot read " << scriptPath << "\n";
            return 1;
        }
    }
    std::istream& script = scriptPath == "-" ? std::cin : file;
    CEditScript editor(std::cout);
    if (const int status = RunEditScript(editor, script, std::cerr); status != 0) {
        std::cerr << "velmar-cli: nothing saved\n";
        return status;
    }
    if (const auto findings = CheckList(TheZorvDB(), GetProductType(), FlashGeometry::FromPolicy());
        !findings.empty())
        std::cerr << "velmar-cli: warning: the list has problems:\n" << ListFindingsText(findings);
    if (IsWorkbookFileName(outPath)) {
        // A workbook that cannot be kept whole is refused with the export's
        // own message, as export-xls refuses it.
        std::string message;
        if (!ExportChannelWorkbook(TheZorvDB(), outPath, &message)) {
            std::cerr << (message.empty() ? std::string(texts::kCannotSaveImage) : message) << "\n";
            return 1;
        }
        return 0;
    }
    SaveReport report;
    if (ExportWorkingCopy(outPath, &report) != 1) {
        std::cerr << report.message << "\n";
        if (!report.detail.empty())
            std::cerr << "velmar-cli: " << report.detail << "\n";
        return 1;
    }
    return 0;
}
