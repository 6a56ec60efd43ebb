// `velmar-cli edit`: the editor's commands from a text script, one command a
// line, acting on the lists and grids as the editor would show them, each
// command one edit of an edit session (so `undo` and `redo` work as there).
#pragma once

#include "cli/ScriptWords.h"
#include "document/EditSession.h"
#include "model/ChannelListModel.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CEditScript {
public:
    // Works on the loaded tables of the program's store; `out` receives what
    // `show` and the descriptions print.
    explicit CEditScript(std::ostream& out);
    ~CEditScript();
    CEditScript(const CEditScript&) = delete;
    CEditScript& operator=(const CEditScript&) = delete;

    // Runs one line of the script. Empty when it ran (or was blank or a
    // comment); otherwise the message that stops the script.
    std::string RunLine(std::string_view line);

    EditSession& Session() { return m_session; }
    const ChannelListModel& CurrentList() const;

private:
    using Args = ScriptArgs;

    std::string Dispatch(const Args& args);
    // Channel lists.
    std::string List(const Args& args);
    std::string Filter(const Args& args);
    std::string Select(const Args& args);
    std::string New(const Args& args);
    std::string Update(const Args& args);
    std::string Delete(const Args& args);
    std::string Copy(const Args& args);
    std::string Paste(const Args& args);
    std::string MoveHere(const Args& args);
    std::string LockOrSkip(const Args& args, bool lock);
    std::string Drop(const Args& args);
    std::string UndoOrRedo(const Args& args, bool undo);
    std::string Show(const Args& args);
    // The other grids.
    std::string Satellite(const Args& args);
    std::string Transponders(const Args& args);
    std::string Transponder(const Args& args);
    std::string CableMux(const Args& args);
    std::string Broadcast(const Args& args);
    std::string Favorite(const Args& args);
    std::string DropTransponder(const Args& args);
    std::string ApplyOrder(const Args& args);

    ChannelListModel& Current();
    ChannelListModel& Other();
    // Both lists again from the tables with their filters.
    void RebuildLists();
    // Both lists emptied now (no rows, no selection) and built again from
    // the tables when a line next looks at them: a run of `new` lines costs
    // what each line adds, not a rebuild of both lists per line.
    void RebuildListsLater();
    void EnsureLists() const;
    // After a channel command: the lists it asks to rebuild, then its selection.
    void AfterChannelCommand(bool changed, bool bothLists,
                             const std::vector<std::uint32_t>& select);
    // The channel lists and (for a satellite) the transponder grid are
    // emptied after a delete that cascades, as the editor's panes are.
    void ClearAfterCascade(bool transponderGrid);
    // The transponder grid's rows: none after a satellite's delete emptied it.
    std::vector<std::uint32_t> TransponderRows() const;

    std::ostream& m_out;
    EditSession m_session;
    Product m_product;
    std::unique_ptr<ChannelListModel> m_tv, m_radio;
    mutable bool m_bListsStale = false;
    bool m_bRadio = false;
    int m_nTransponderFilter = 0;
    bool m_bTranspondersCleared = false;
};

// The script language, for the tool's usage text.
const char* EditScriptHelp();

// Runs the script from `script` (lines numbered from 1): 0 when every line
// ran; 2 after the first line that stops it, whose number and message go to
// `err`.
int RunEditScript(CEditScript& editor, std::istream& script, std::ostream& err);
// `velmar-cli edit` once IMAGE is loaded: runs SCRIPT ("-" for standard
// input) and saves to OUT as the Save command does: a workbook when OUT's
// name says so, otherwise the image. The exit status; nothing is saved
// unless the whole script ran.
int RunEditCommand(const std::string& scriptPath, const std::string& outPath);
