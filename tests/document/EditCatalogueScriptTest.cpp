// The catalogue of named edits against the edit script: every entry with
// script words is run by a script line that starts with those words, on the
// example image, and the one step it records carries the entry's name and
// renews the channel keys as the entry says. An entry without script words
// must be listed here with the reason, so a new edit cannot miss the script
// silently.
#include "cli/EditScript.h"
#include "contracts/Policy.h"
#include "contracts/ReceiverProfiles.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/EditCatalogue.h"
#include "document/WorkingCopy.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

const std::string kSatellite = std::string(VELMAR_SOURCE_DIR) + "/examples/demo-satellite.bin";
const std::string kCable = std::string(VELMAR_SOURCE_DIR) + "/examples/demo-cable.bin";

struct ScriptCase {
    std::string before; // lines that set the lists up
    std::string line;   // the line that runs the edit
    bool cable = false; // on the cable receiver and its example
};

// How the script reaches each entry. The favourite list 3 of the example is
// empty: rows are added to it first.
const std::map<EditId, ScriptCase>& Cases() {
    static const std::map<EditId, ScriptCase> cases = {
        {EditId::NewChannel, {"", "new Name=\"Velmar TV\" SatID=1 TPID=2 VideoPID=0x100"}},
        {EditId::UpdateChannel, {"select rows 1", "update Name=Renamed"}},
        {EditId::DeleteChannels, {"select rows 1", "delete"}},
        {EditId::RemoveFromFavorite,
         {"select rows 1,2\ndrop favorite 3\nfilter favorite 3\nselect rows 1", "delete"}},
        {EditId::PasteChannels, {"select rows 1\ncopy", "paste"}},
        {EditId::MoveChannelsHere, {"select rows 3\ncopy\nselect rows 1", "move-here"}},
        {EditId::LockOn, {"select rows 1\nlock off", "lock on"}},
        {EditId::LockOff, {"select rows 1\nlock on", "lock off"}},
        {EditId::SkipOn, {"select rows 1\nskip off", "skip on"}},
        {EditId::SkipOff, {"select rows 1\nskip on", "skip off"}},
        {EditId::SetSatellite, {"select rows 1,2", "drop satellite 4"}},
        {EditId::SetMultiplex, {"select rows 1", "drop mux 9"}},
        {EditId::SetTransponder, {"select rows 1", "drop transponder 3"}},
        {EditId::SetBroadcaster, {"select rows 1", "drop broadcast 4"}},
        {EditId::AddToFavorite, {"select rows 1", "drop favorite 3"}},
        {EditId::SetGenre, {"select rows 1", "drop genre 4"}},
        {EditId::MoveChannels, {"select rows 5", "drop row 2"}},
        {EditId::ReorderFavorite,
         {"select rows 1,2,3\ndrop favorite 3\nfilter favorite 3\nselect rows 3", "drop row 1"}},
        {EditId::NewSatellite, {"", "satellite new Name=\"Eutelsat 7E\" Degree=70"}},
        {EditId::UpdateSatellite, {"", "satellite update 1 Name=Renamed"}},
        {EditId::DeleteSatellite, {"", "satellite delete 2"}},
        {EditId::NewTransponder,
         {"transponders satellite 2", "transponder new Frequency=11000 SymbolRate=27500"}},
        {EditId::UpdateTransponder, {"", "transponder update 1 Frequency=11001"}},
        {EditId::DeleteTransponder, {"", "transponder delete 1"}},
        {EditId::MoveTransponders, {"", "drop-transponder 1 satellite 4"}},
        {EditId::NewCableMux, {"", "cablemux new Frequency=474000 SymbolRate=6900", true}},
        {EditId::UpdateCableMux, {"", "cablemux update 1 Frequency=482000", true}},
        {EditId::DeleteCableMux, {"", "cablemux delete 1", true}},
        {EditId::NewBroadcaster, {"", "broadcast new Velmar Networks"}},
        {EditId::UpdateBroadcaster, {"", "broadcast update 1 Velmar"}},
        {EditId::DeleteBroadcaster, {"", "broadcast delete 1"}},
        {EditId::RenameFavorite, {"", "favorite rename 2 Nachrichten"}},
        {EditId::ApplyOrder, {"select rows 5\ndrop row 2", "apply-order " + kSatellite}},
        // The example's first channel deleted, then taken back from the example.
        {EditId::MergeChannels, {"select rows 1\ndelete", "merge " + kSatellite}},
    };
    return cases;
}

// Entries no script line runs, and why.
const std::map<EditId, std::string>& NoScript() {
    static const std::map<EditId, std::string> none = {
        {EditId::ImportWorkbook, "a script edits the image it is given; importing a workbook "
                                 "is velmar-cli import-xls, outside any edit session"},
        {EditId::ImportCsv, "importing a CSV file is velmar-cli import-csv"},
        {EditId::ImportSatellites, "importing transponders is velmar-cli import-satellites"},
    };
    return none;
}

class CatalogueScript : public ::testing::Test {
protected:
    void TearDown() override {
        editor.reset();
        DeleteWorkingCopy();
        TheZorvDB().ClearAll();
        ResetImageState();
        velmar::policy_profile::Reset();
        ConfigureStartupPolicy();
    }
    void Load(bool cable) {
        editor.reset();
        DeleteWorkingCopy();
        TheZorvDB().ClearAll();
        ResetImageState();
        velmar::policy_profile::Reset();
        if (cable)
            ConfigurePolicy(*FindReceiverProfile("cable"));
        else
            ConfigureStartupPolicy();
        ASSERT_TRUE(CreateWorkingCopy());
        ASSERT_EQ(ImportToWorkingCopy(cable ? kCable : kSatellite), 1);
        editor = std::make_unique<CEditScript>(out);
    }
    int Run(const std::string& script) {
        std::istringstream in(script);
        err.str({});
        return RunEditScript(*editor, in, err);
    }

    std::ostringstream out, err;
    std::unique_ptr<CEditScript> editor;
};

} // namespace

TEST(EditCatalogue, EntriesHaveOneNameEachAndSayHowTheScriptReachesThem) {
    std::set<std::string_view> names;
    std::size_t i = 0;
    for (const EditEntry& e : EditCatalogue()) {
        SCOPED_TRACE(std::string(e.name));
        EXPECT_EQ(static_cast<std::size_t>(e.id), i++);
        EXPECT_FALSE(e.name.empty());
        EXPECT_TRUE(names.insert(e.name).second) << "two edits share the name";
        EXPECT_NE(e.tables, 0u);
        if (e.script.empty()) {
            EXPECT_FALSE(e.scriptNote.empty()) << "no script words and no word on what instead";
        }
        // Words that two entries share say which case is which.
        for (const EditEntry& other : EditCatalogue()) {
            if (other.id != e.id && !e.script.empty() && other.script == e.script) {
                EXPECT_FALSE(e.scriptNote.empty()) << "shares " << e.script;
            }
        }
    }
    EXPECT_EQ(i, kEditCount);
    EXPECT_EQ(FindScriptEdit("drop broadcast"), &Catalogue(EditId::SetBroadcaster));
    EXPECT_EQ(FindScriptEdit("drop"), nullptr);
    EXPECT_EQ(FindScriptEdit(""), nullptr);
}

TEST_F(CatalogueScript, EveryEntryWithScriptWordsRunsUnderItsNameFromTheScript) {
    for (const EditEntry& e : EditCatalogue()) {
        SCOPED_TRACE(std::string(e.name));
        const auto found = Cases().find(e.id);
        if (e.script.empty()) {
            EXPECT_TRUE(NoScript().contains(e.id)) << "listed neither as run nor as unreachable";
            EXPECT_EQ(found, Cases().end());
            continue;
        }
        EXPECT_FALSE(NoScript().contains(e.id));
        ASSERT_NE(found, Cases().end()) << "no script case for an entry with script words";
        const ScriptCase& c = found->second;
        ASSERT_EQ(c.line.compare(0, e.script.size(), e.script), 0)
            << "the line does not start with the catalogue's words " << e.script;

        Load(c.cable);
        if (!c.before.empty()) {
            ASSERT_EQ(Run(c.before + "\n"), 0) << err.str();
        }
        const std::size_t steps = editor->Session().UndoCount();
        EditEvent seen;
        int events = 0;
        const int observer = editor->Session().AddObserver([&](const EditEvent& event) {
            seen = event;
            ++events;
        });
        ASSERT_EQ(Run(c.line + "\n"), 0) << err.str();
        editor->Session().RemoveObserver(observer);

        EXPECT_EQ(editor->Session().UndoCount(), steps + 1) << "one step for the line";
        EXPECT_EQ(editor->Session().UndoName(), e.name);
        EXPECT_EQ(UndoCommandText(editor->Session()), "Undo " + std::string(e.name));
        ASSERT_EQ(events, 1);
        EXPECT_EQ(seen.name, e.name);
        if (e.keys == KeyRenewal::Always) {
            EXPECT_TRUE(seen.keysRenewed) << "the catalogue says the keys are renewed";
        } else if (e.keys == KeyRenewal::Never) {
            EXPECT_FALSE(seen.keysRenewed) << "the catalogue says the keys stay";
        }

        // Undo names the edit on the redo side.
        ASSERT_EQ(Run("undo\n"), 0) << err.str();
        EXPECT_EQ(editor->Session().RedoName(), e.name);
        EXPECT_EQ(RedoCommandText(editor->Session()), "Redo " + std::string(e.name));
    }
}
