// `velmar-cli edit`: the script language on the example image, in process
// (what each line does to the lists and tables) and through the tool
// (exit status, messages, what is saved and that nothing is on a stop).
#include "cli/EditScript.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/WorkingCopy.h"
#include "model/Duplicates.h"
#include "tests/cli/CliRun.h"

#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

using namespace velmar::test;

// A file in the scratch folder the whole program shares.
std::string Temp(const std::string& name) {
    static const Scratch folder("edit");
    return folder / name;
}

std::vector<std::string> Split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, at);)
        parts.push_back(part);
    if (at == '\t' && !text.empty() && text.back() == '\t')
        parts.emplace_back();
    return parts;
}

// ---- In process --------------------------------------------------------------------------

class EditScript : public ::testing::Test {
protected:
    void SetUp() override {
        ConfigureStartupPolicy();
        ResetImageState();
        ASSERT_TRUE(CreateWorkingCopy());
        ASSERT_EQ(ImportToWorkingCopy(kSatellite), 1);
        editor = std::make_unique<CEditScript>(out);
    }
    void TearDown() override {
        editor.reset();
        DeleteWorkingCopy();
        TheZorvDB().ClearAll();
        ResetImageState();
    }

    // Runs the lines; the status, with the stop message in `err`.
    int Run(const std::string& script) {
        std::istringstream in(script);
        err.str({});
        out.str({});
        return RunEditScript(*editor, in, err);
    }
    // Runs the lines, which must all succeed, or stop with status 2 and
    // `message` when one is given.
    ::testing::AssertionResult Ran(const std::string& script, const std::string& message = {}) {
        const int status = Run(script);
        const bool ok = message.empty() ? status == 0 : status == 2 && err.str() == message;
        return (ok ? ::testing::AssertionSuccess() : ::testing::AssertionFailure())
               << "status " << status << ": " << err.str();
    }
    std::vector<std::string> Shown() {
        EXPECT_TRUE(Ran("show\n"));
        auto lines = Split(out.str(), '\n');
        lines.erase(lines.begin());
        return lines;
    }
    std::vector<std::string> Column(int column) {
        std::vector<std::string> values;
        for (const auto& line : Shown())
            values.push_back(Split(line, '\t').at(static_cast<std::size_t>(column)));
        return values;
    }
    // The cells of `columns` in shown row `row` (-1: the last), joined by '|'.
    std::string Pick(int row, std::initializer_list<int> columns) {
        const auto rows = Shown();
        const auto cells = Split(rows.at(row < 0 ? rows.size() - 1 : std::size_t(row)), '\t');
        std::string picked;
        for (int c : columns)
            picked += (picked.empty() ? "" : "|") + cells.at(static_cast<std::size_t>(c));
        return picked;
    }

    // Runs the lines, which must succeed; then the cells as Pick gives them.
    std::string After(const std::string& script, int row, std::initializer_list<int> columns) {
        EXPECT_TRUE(Ran(script));
        return Pick(row, columns);
    }
    // Runs the lines, which must succeed; what they printed.
    std::string Output(const std::string& script) {
        EXPECT_TRUE(Ran(script));
        return out.str();
    }
    std::size_t Selected() const { return editor->CurrentList().SelectedCount(); }

    std::ostringstream out, err;
    std::unique_ptr<CEditScript> editor;
};

TEST_F(EditScript, ShowPrintsTheHeadersAndTheRowsAsTheGridShowsThem) {
    const auto lines = Split(Output("show\n"), '\n');
    ASSERT_EQ(lines.size(), 205u);
    EXPECT_EQ(lines[0], "\tIndex\tFav\tSatID\tTPID\tCH#\tName\tVPID\tAPID\tPCR-PID\tGenre\t\t\t\t");
    EXPECT_EQ(Split(lines[1], '\t').size(), 15u);
    EXPECT_EQ(Pick(0, {0, 6}), "1|Das Erste HD");
    EXPECT_EQ(Pick(-1, {0}), "204");
    ASSERT_TRUE(Ran("list radio\n"));
    EXPECT_EQ(Shown().size(), 89u);
    EXPECT_EQ(Pick(0, {6}), "Bayern 1");
}

TEST_F(EditScript, FiltersAndSelectionsActOnTheShownRows) {
    ASSERT_TRUE(Ran("filter satellite 2  # Hot Bird\n"));
    const auto names = Column(6);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names[0], "Rai 1");
    // Lock rows 1 and 3 and select the locked ones back.
    ASSERT_TRUE(
        Ran("select rows 1,3\nlock on\nselect none\nselect locked\nlock off\nselect locked\n"));
    EXPECT_EQ(Selected(), 0u);
    ASSERT_TRUE(Ran("select search rai\n"));
    const std::size_t rai = Selected();
    EXPECT_GE(rai, 3u);
    ASSERT_TRUE(Ran("select invert\n"));
    EXPECT_EQ(Selected(), names.size() - rai);
    ASSERT_TRUE(Ran("filter all\nselect all\n"));
    EXPECT_EQ(Selected(), 204u);
}

TEST_F(EditScript, NewUpdateAndDelete) {
    ASSERT_TRUE(Ran("new Name=\"Velmar TV\" SatID=1 TPID=2 VideoPID=0x100 AudioPID=257\n"));
    ASSERT_EQ(Shown().size(), 205u);
    EXPECT_EQ(Pick(-1, {5, 6, 7}), "205|Velmar TV|256");
    EXPECT_EQ(After("select rows 205\nupdate Name=Renamed Attributes=0x0413\n", -1, {6, 10, 12}),
              "Renamed|Entertainment|Y");
    ASSERT_TRUE(Ran("select rows 1,2\ndelete\n"));
    EXPECT_EQ(Shown().size(), 203u);
    EXPECT_EQ(Pick(0, {5, 6}), "1|3sat HD");
}

TEST_F(EditScript, CopyPasteAndMoveHere) {
    EXPECT_EQ(After("select rows 2\ncopy\nfilter satellite 3\npaste\n", -1, {3, 6}), "3|ZDF HD");
    // The clipboard was emptied by the paste.
    EXPECT_TRUE(Ran("paste\n", "velmar-cli: line 1: paste: the clipboard is empty\n"));
    // Channel 3 moved before channel 7 takes 6.
    EXPECT_EQ(After("filter all\nselect rows 3\ncopy\nselect rows 7\nmove-here\n", 5, {5, 6}),
              "6|3sat HD")
        << "row 6 after the move";
    EXPECT_EQ(Selected(), 1u);
}

TEST_F(EditScript, EditorErrorsStopInTheEditorsWords) {
    EXPECT_TRUE(Ran("list radio\nselect rows 1\ncopy\nlist tv\npaste\n",
                    "velmar-cli: line 5: Cannot copy from Radio channels to TV channels\n"));
    EXPECT_TRUE(Ran("select rows 1\nmove-here\n",
                    "velmar-cli: line 2: Cannot Move from Radio channels to TV channels\n"));
    EXPECT_TRUE(Ran("favorite rename 2 \"twenty characters!!\"\n"));
    EXPECT_TRUE(Ran("favorite rename 2 \"twenty characters!!!\"\n",
                    "velmar-cli: line 1: Cannot change Favorite name. mismatch string size\n"));
}

TEST_F(EditScript, ScriptMistakesStopWithTheLineNumber) {
    const std::pair<std::string, const char*> cases[] = {
        {"show\nfrobnicate\n", "line 2: unknown command \"frobnicate\""},
        {"new Colour=1\n", "line 1: unknown field \"Colour\" of a channel"},
        {"new VideoPID=65536\n", "line 1: bad value \"65536\" for VideoPID"},
        {"new Name=X SatID=1 VideoPID=8192\n", "line 1: VideoPID must be between 0 and 8191."},
        {"new Name=X\n", "line 1: SatID must not be 0"},
        {"select rows 205\n", "line 1: row 205 is out of range: the grid shows 204 rows"},
        {"select rows 0\n", "line 1: bad row \"0\""},
        {"\n# comment\nselect rows 1,x\n", "line 3: bad row \"x\""},
        {"update Name=Y\n", "line 1: update needs a selected row"},
        {"select all\nupdate Name=Y\n", "line 2: update needs a focus row"},
        {"filter favorite 1\nnew Name=X SatID=1\n",
         "line 2: new is not offered while a favourite list or a genre is shown"},
        {"filter genre 16\n", "line 1: bad value \"16\" for genre"},
        {"select tuner1\n", "line 1: select tuner1: the menu has no tuner items"},
        {"filter all\nnew Name=\"Caf\xC3\xA9\xE2\x82\xAC\xE2\x84\xA2\xE2\x9C\x93\" SatID=1\n",
         "has characters that Windows-1252 cannot hold"},
        {"new Name=\"open\n", "line 1: a quote is not closed"},
        {"undo\n", "line 1: nothing to undo"},
        {"satellite update 7 Name=X\n", "line 1: row 7 is out of range: the grid shows 6 rows"},
        {"satellite update 1 Degree=3600\n",
         "line 1: Degree must be below 3600 (tenths of a degree)."},
        {"broadcast new\n", "line 1: Name must not be empty."},
        {"cablemux update 1 Mark=1\n", "line 1: row 1 is out of range: the grid shows 0 rows"},
        {"drop satellite 2\n", "line 1: drop needs selected rows"},
        {"broadcast new " + std::string(17, 'B') + "\n", "is too long for a broadcaster"},
        {"broadcast update 1 " + std::string(10u << 20, 'x') + "\n",
         "is too long for a broadcaster"},
    };
    for (const auto& [script, message] : cases)
        EXPECT_TRUE(Run(script) == 2 && Has(err.str(), message))
            << script.substr(0, 80) << err.str();
    EXPECT_FALSE(editor->Session().IsModified()) << "nothing was added, cut or renamed";
    // Sixteen characters still fit.
    EXPECT_TRUE(Ran("broadcast new " + std::string(16, 'B') + "\n"));
}

TEST_F(EditScript, DropsOnTheOtherPanesAndWithinTheList) {
    ASSERT_TRUE(Ran("select rows 1,2\ndrop satellite 4\nfilter satellite 4\n"));
    const auto names = Column(6);
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(names[0], "Das Erste HD");
    EXPECT_TRUE(
        Has(Output("select rows 1\ndrop favorite 3\nfilter favorite 3\nshow\n"), "Das Erste HD"));
    ASSERT_TRUE(Ran("filter all\n"));
    const std::string fifth = Column(6)[4];
    EXPECT_EQ(After("select rows 5\ndrop row 2\n", 1, {5, 6}), "2|" + fifth);
    EXPECT_EQ(Selected(), 1u);
    EXPECT_TRUE(Has(Output("select rows 1\ndrop genre 4\nfilter genre 4\nshow\n"), "\tSport\t"));
}

TEST_F(EditScript, SatelliteDeleteCascadesAndEmptiesTheLists) {
    EXPECT_EQ(Output("satellite description 2\n"), "Satellite: Hot Bird\nID: 2\nPosition: 13.0E\n");
    ASSERT_TRUE(Ran("filter satellite 2\n"));
    const std::size_t hotBird = Shown().size();
    ASSERT_TRUE(Ran("satellite delete 2\n"));
    EXPECT_TRUE(Shown().empty()) << "the channel lists are emptied";
    ASSERT_TRUE(Ran("filter all\n"));
    EXPECT_EQ(Shown().size(), 204u - hotBird);
    // The highest ID moved down.
    EXPECT_EQ(Split(Output("satellite description 2\n"), '\n')[0], "Satellite: Astra 2");
}

TEST_F(EditScript, SourceGridCommands) {
    EXPECT_EQ(Output("satellite new Name=\"Eutelsat 7E\" Degree=70\nsatellite description 7\n"),
              "Satellite: Eutelsat 7E\nID: 7\nPosition: 7.0E\n");
    const DWORD counter = g_nMaxTPID;
    ASSERT_TRUE(Ran("transponders satellite 7\ntransponder new Frequency=11000 SymbolRate=27500\n"
                    "transponder update 1 PolFEC=0x31\n"));
    EXPECT_EQ(g_nMaxTPID, counter + 1);
    ASSERT_TRUE(Ran("transponders all\ndrop-transponder 1 satellite 7\ntransponders satellite 7\n"
                    "transponder delete 2\n"));
    EXPECT_EQ(Output("broadcast new Velmar Networks\nbroadcast description 7\n"),
              "Broadcast Name : Velmar Networks (ID : 7)\n");
    ASSERT_TRUE(
        Ran("broadcast update 7 \"Velmar\"\nbroadcast description 7\nbroadcast delete 7\n"));
    EXPECT_EQ(out.str(), "Broadcast Name : Velmar (ID : 7)\n");
    EXPECT_EQ(Run("broadcast description 7\n"), 2);
}

// ---- Through the tool ---------------------------------------------------------------------

// The script from standard input, the image saved as `output`.
Outcome Edit(const std::string& script, const fs::path& output,
             const std::string& image = kSatellite) {
    const std::string scriptPath = Temp("script.txt");
    std::ofstream(scriptPath, std::ios::binary) << script;
    return Cli("edit " + image + " - " + output.string() + " <" + scriptPath);
}

TEST(EditCommand, SavesTheEditedImageAndNothingOnAStop) {
    const fs::path out = Temp("out.bin");
    fs::remove(out);
    EXPECT_TRUE(ExitsSaying(
        Edit("select rows 1\ndelete\nshow\nfrobnicate\n", out), 2,
        "velmar-cli: line 4: unknown command \"frobnicate\"\nvelmar-cli: nothing saved\n"));
    EXPECT_FALSE(fs::exists(out));

    // Delete and undo: the saved image is the opened one, byte for byte.
    ASSERT_TRUE(Exits(Edit("select rows 1,2\ndelete\nundo\n", out), 0));
    EXPECT_EQ(ReadAll(out), ReadAll(kSatellite));

    ASSERT_TRUE(Exits(Edit("select rows 1\ndelete\nsatellite delete 3\n", out), 0));
    // The saved image loads with the remaining channels.
    const Outcome run = Edit("show\nlist radio\nshow\n", Temp("again.bin"), out.string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(Has(run.out, "Das Erste HD"));
    EXPECT_TRUE(Has(run.out, "ZDF HD"));
}

TEST(EditCommand, ADamagedWorkbookIsRefusedWithTheExportsMessageAndKept) {
    const std::string xls = Temp("damaged.xls");
    fs::remove(xls);
    // A workbook name saves the channel sheet, the edit's channel in it.
    ASSERT_EQ(Edit("new Name=Workbook SatID=1\n", xls).status, 0);
    ASSERT_TRUE(Has(Cli("dump-xls " + xls).out, "\"Name\": \"Workbook\""));
    // The compound file's header and first sectors only: its sector tables
    // point past the end, so the workbook cannot be kept whole.
    std::string damaged = ReadAll(xls);
    ASSERT_GT(damaged.size(), 2048u);
    damaged.resize(1536);
    std::ofstream(xls, std::ios::binary | std::ios::trunc) << damaged;

    const Outcome run = Edit("select rows 1\ndelete\n", xls);
    EXPECT_TRUE(Exits(run, 1, "The workbook is damaged"));
    EXPECT_TRUE(Has(run.err, "Nothing was written"));
    EXPECT_EQ(ReadAll(xls), damaged);
    // export-xls refuses the same file in the same words.
    EXPECT_TRUE(ExitsSaying(Cli("export-xls " + kSatellite + " " + xls), 1, run.err));
    EXPECT_EQ(ReadAll(xls), damaged);
}

} // namespace

// Select duplicates takes the copies and keeps the original (the lowest
// number), so Delete after it leaves the list as it was.
TEST_F(EditScript, SelectDuplicatesTakesThePastedCopiesAndKeepsTheOriginal) {
    ASSERT_TRUE(Ran("select duplicates\n"));
    EXPECT_EQ(Selected(), 0u);
    const auto before = Column(6);
    ASSERT_TRUE(Ran("select rows 1\ncopy\npaste\nselect rows 1\ncopy\npaste\nselect rows 1\ncopy\n"
                    "paste\nselect duplicates\n"));
    const ChannelListModel& list = editor->CurrentList();
    ASSERT_EQ(list.SelectedCount(), 3u);
    EXPECT_FALSE(list.IsSelected(0)) << "the original, CH# 1, is kept";
    ASSERT_TRUE(Ran("delete\n"));
    EXPECT_EQ(Column(6), before);
    EXPECT_TRUE(FindDuplicateGroups(TheZorvDB()).empty());
    // The radio list has no duplicate of a TV channel.
    ASSERT_TRUE(Ran("list radio\nselect duplicates\n"));
    EXPECT_EQ(Selected(), 0u);
}

TEST_F(EditScript, ApplyOrderRestoresTheReferenceNumbers) {
    const auto original = Column(6);
    ASSERT_TRUE(Ran("select rows 5\ndrop row 2\n"));
    ASSERT_NE(Column(6), original);
    EXPECT_TRUE(HasAll(Output("apply-order " + kSatellite + "\n"), {"Matched ", "0 not matched"}));
    EXPECT_EQ(Column(6), original);
    EXPECT_EQ(Run("apply-order /nonexistent/reference.bin\n"), 2);
}
