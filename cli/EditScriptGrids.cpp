// The `edit` script's commands for the satellite, transponder, cable
// multiplex and broadcaster grids and the favourite lists, and the command
// that runs a script and saves its result.
#include "cli/EditScript.h"

#include "cli/ScriptWords.h"
#include "cli/TextCodec.h"
#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "image/WorkingCopy.h"
#include "model/BroadcastCommands.h"
#include "model/ChannelEdits.h"
#include "model/DescriptionTexts.h"
#include "model/FileKind.h"
#include "model/RecordChecks.h"
#include "model/RecordFields.h"
#include "model/SatelliteCommands.h"
#include "model/SessionCommands.h"
#include "model/SourceGridRows.h"
#include "xls/ChannelWorkbook.h"
#include "xls/ExcelBook.h"

#include <fstream>
#include <iostream>

namespace {

void PrintLines(std::ostream& out, const DescriptionLines& lines) {
    for (const auto& line : lines)
        out << line.label << ": " << AnsiToUtf8(line.value) << "\n";
}

} // namespace

std::string CEditScript::Satellite(const Args& a) {
    const char* form =
        "satellite new FIELD=VALUE...|update R FIELD=VALUE...|delete R|description R";
    if (a.size() < 2)
        return Expected(form);
    CZorvDB& db = m_session.Db();
    const std::string& verb = a[1];
    if (verb == "new") {
        Satellite_Info_Tag record{};
        if (auto problem = SetFields(record, a, 2); !problem.empty())
            return problem;
        if (auto problem = CheckSatellite(db, record, 0); !problem.empty())
            return problem;
        if (RunNewSatellite(m_session, record) == 0)
            return "no satellite ID is free: the highest ID is already 255";
        return {};
    }
    if (a.size() < 3 || (verb != "update" && a.size() != 3))
        return Expected(form);
    std::string problem;
    const std::uint32_t key = RowKey(SatelliteGridKeys(db, m_product.type), a[2], problem);
    if (!problem.empty())
        return problem;
    if (verb == "update") {
        Satellite_Info_Tag record = *db.Get<Satellite_Info_Tag>(kTableSatellite, key);
        if (auto bad = SetFields(record, a, 3); !bad.empty())
            return bad;
        if (auto bad = CheckSatellite(db, record, key); !bad.empty())
            return bad;
        RunUpdateSatellite(m_session, key, record);
    } else if (verb == "delete") {
        // "Would you like to delete selected item?" is answered Yes.
        const std::uint32_t keys[] = {key};
        RunDeleteSatellites(m_session, keys);
        ClearAfterCascade(true);
    } else if (verb == "description") {
        PrintLines(m_out,
                   SatelliteDescriptionLines(*db.Get<Satellite_Info_Tag>(kTableSatellite, key)));
    } else {
        return Expected(form);
    }
    return {};
}

std::string CEditScript::Transponders(const Args& a) {
    if (a.size() == 2 && a[1] == "all") {
        m_nTransponderFilter = 0;
    } else if (a.size() == 3 && a[1] == "satellite") {
        const auto key = ParseFieldNumber(a[2], 32);
        if (!key)
            return "bad value " + Quoted(a[2]) + " for satellite";
        m_nTransponderFilter = TransponderFilterFor(m_session.Db(), *key, m_nTransponderFilter);
    } else {
        return Expected("transponders satellite KEY|all");
    }
    m_bTranspondersCleared = false;
    return {};
}

std::string CEditScript::Transponder(const Args& a) {
    const char* form = "transponder new FIELD=VALUE...|update R FIELD=VALUE...|delete R";
    if (a.size() < 2)
        return Expected(form);
    CZorvDB& db = m_session.Db();
    const std::string& verb = a[1];
    if (verb == "new") {
        Transponder_Info_Tag record = PresetTransponder(static_cast<BYTE>(m_nTransponderFilter));
        if (auto problem = SetFields(record, a, 2); !problem.empty())
            return problem;
        if (auto problem = CheckTransponder(db, record, 0); !problem.empty())
            return problem;
        if (RunNewTransponder(m_session, record) == 0)
            return "no TPID is free on satellite " + std::to_string(record.SatID);
        return {};
    }
    if (a.size() < 3 || (verb == "delete" && a.size() != 3))
        return Expected(form);
    std::string problem;
    const auto rows = m_bTranspondersCleared
                          ? std::vector<std::uint32_t>()
                          : TransponderGridKeys(db, m_product.type, m_nTransponderFilter);
    const std::uint32_t key = RowKey(rows, a[2], problem);
    if (!problem.empty())
        return problem;
    if (verb == "update") {
        Transponder_Info_Tag record = *db.Get<Transponder_Info_Tag>(kTableTransponder, key);
        if (auto bad = SetFields(record, a, 3); !bad.empty())
            return bad;
        if (auto bad = CheckTransponder(db, record, key); !bad.empty())
            return bad;
        RunUpdateTransponder(m_session, key, record);
    } else if (verb == "delete") {
        const std::uint32_t keys[] = {key};
        RunDeleteTransponders(m_session, keys);
        ClearAfterCascade(false);
    } else {
        return Expected(form);
    }
    return {};
}

std::string CEditScript::CableMux(const Args& a) {
    const char* form = "cablemux new FIELD=VALUE...|update R FIELD=VALUE...|delete R";
    if (a.size() < 2)
        return Expected(form);
    CZorvDB& db = m_session.Db();
    const std::string& verb = a[1];
    if (verb == "new") {
        CableMux_Info_Tag record{};
        if (auto problem = SetFields(record, a, 2); !problem.empty())
            return problem;
        if (RunNewCableMux(m_session, record) == 0)
            return "no multiplex ID is free: all 255 are in use";
        return {};
    }
    if (a.size() < 3 || (verb == "delete" && a.size() != 3))
        return Expected(form);
    std::string problem;
    const std::uint32_t key = RowKey(CableMuxGridKeys(db, m_product.type), a[2], problem);
    if (!problem.empty())
        return problem;
    if (verb == "update") {
        CableMux_Info_Tag record = *db.Get<CableMux_Info_Tag>(kTableCableMux, key);
        if (auto bad = SetFields(record, a, 3); !bad.empty())
            return bad;
        if (auto bad = CheckCableMux(db, record, key); !bad.empty())
            return bad;
        RunUpdateCableMux(m_session, key, record);
    } else if (verb == "delete") {
        const std::uint32_t keys[] = {key};
        RunDeleteCableMuxes(m_session, keys);
        ClearAfterCascade(false);
    } else {
        return Expected(form);
    }
    return {};
}

std::string CEditScript::Broadcast(const Args& a) {
    const char* form = "broadcast new NAME|update R NAME|delete R|description R";
    if (a.size() < 2)
        return Expected(form);
    CZorvDB& db = m_session.Db();
    const std::string& verb = a[1];
    const std::vector<std::uint32_t> rows = BroadcastGridKeys(db);
    std::string name;
    if (verb == "new") {
        if (auto problem = ToAnsi(RestOfLine(a, 2), name); !problem.empty())
            return problem;
        if (auto problem = CheckBroadcastName(name); !problem.empty())
            return problem;
        // 1 + the ID in the grid's last row, as the editor's grid stands
        // unsorted in table order.
        const WORD lastRowId =
            rows.empty() ? 0
                         : db.Get<Broadcast_Info_Tag>(kTableBroadcast, rows.back())->BroadcastID;
        RunNewBroadcast(m_session, lastRowId, name);
        return {};
    }
    if (a.size() < 3 || (verb != "update" && a.size() != 3))
        return Expected(form);
    std::string problem;
    const std::uint32_t key = RowKey(rows, a[2], problem);
    if (!problem.empty())
        return problem;
    if (verb == "update") {
        if (auto bad = ToAnsi(RestOfLine(a, 3), name); !bad.empty())
            return bad;
        if (auto bad = CheckBroadcastName(name); !bad.empty())
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
    m_session.Run("Rename favourite list", TableBit(kTableFavorite), [&] {
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
    const auto rows = m_bTranspondersCleared
                          ? std::vector<std::uint32_t>()
                          : TransponderGridKeys(db, m_product.type, m_nTransponderFilter);
    const std::uint32_t key = RowKey(rows, a[1], problem);
    if (!problem.empty())
        return problem;
    const auto satellite = ParseFieldNumber(a[3], 32);
    if (!satellite)
        return "bad value " + Quoted(a[3]) + " for satellite";
    m_session.Run("Move transponder", TableBit(kTableTransponder), [&] {
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
  select all|none|locked|cas|tuner1|tuner2|invert|rows R[,R...]|search TEXT
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
    if (IsWorkbookFileName(outPath)) {
        ExportChannelWorkbook(outPath);
        CExcelBook check; // the export reports nothing itself: look at what it wrote
        if (!check.Load(outPath) || !check.GetWorksheet("Channel")) {
            std::cerr << texts::kCannotSaveImage << "\n";
            return 1;
        }
        return 0;
    }
    if (ExportWorkingCopy(outPath) != 1) {
        std::cerr << texts::kCannotSaveImage << "\n";
        return 1;
    }
    return 0;
}
