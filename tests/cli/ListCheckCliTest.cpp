// velmar-cli and lists that must not ship broken: `check`, the warnings of
// the commands that write a list, and a workbook import that says what it
// left out; export-csv, import-csv and import-satellites as a script runs
// them: what they write, what they say, their exit status, and that a
// refused input writes nothing.
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/WorkingCopy.h"
#include "model/ChannelRecords.h"
#include "tests/cli/CliRun.h"
#include "xls/ChannelWorkbook.h"

#include <fstream>

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;

const std::string& kExample = kSatellite;

class CheckCli : public ::testing::Test {
protected:
    void SetUp() override {
        velmar::policy_profile::Reset();
        ConfigureStartupPolicy();
        ResetImageState();
        TheZorvDB().ClearAll();
    }
    void TearDown() override { TheZorvDB().ClearAll(); }
    std::string Path(const std::string& name) const { return m_dir / name; }
    // The example, opened in this process, changed by `edit`, saved as `name`.
    template <class Edit> std::string BrokenExample(const std::string& name, Edit edit) {
        EXPECT_EQ(ImportToWorkingCopy(kExample), 1);
        edit(TheZorvDB());
        EXPECT_EQ(ExportWorkingCopy(Path(name)), 1);
        return Path(name);
    }
    Channel_Info_Tag& TV(CZorvDB& db, int n) {
        for (Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
            if (IsTV(c) && n-- == 0)
                return c;
        throw std::runtime_error("no such channel");
    }

    Scratch m_dir{"check"};
};

TEST_F(CheckCli, TheBundledExamplesPass) {
    for (const auto& [args, out] : {std::pair{"check " + kExample, ""},
                                    {"--receiver cable check " + kCable, ""},
                                    {"check --json " + kExample, "{\"findings\": []}\n"}}) {
        const Outcome run = Cli(args);
        EXPECT_TRUE(Exits(run, 0)) << args;
        EXPECT_EQ(run.out, out) << args;
    }
}

TEST_F(CheckCli, TwoChannelsOnOneNumberAreNamed) {
    const std::string broken = BrokenExample(
        "two-on-five.bin", [&](CZorvDB& db) { TV(db, 1).ProgramNum = TV(db, 4).ProgramNum; });
    Outcome run = Cli("check " + broken);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        HasAll(run.out, {"2 channels share a number with another channel of their kind", "TV 5 "}));
    run = Cli("check --json " + broken);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.out, "\"problem\": \"duplicate-number\", \"count\": 2"));
    // The commands that write a list say so, and write it as before.
    EXPECT_TRUE(Exits(Cli("save " + broken + " " + Path("copy.bin")), 0,
                      "velmar-cli: warning: the list has problems:"));
    EXPECT_TRUE(fs::exists(Path("copy.bin")));
    // send says it before the line is tried (here a port nobody listens on).
    run = Cli("send --tcp 127.0.0.1:1 " + broken);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        StartsWith(run.err, "velmar-cli: warning: the list has problems:\n2 channels share"));
    EXPECT_FALSE(Has(Cli("send --tcp 127.0.0.1:1 " + kExample).err, "warning"));
}

TEST_F(CheckCli, AChannelOnASatelliteTheListLacksIsNamedAfterAnEditScript) {
    std::ofstream(Path("script.txt")) << "select rows 1\nupdate SatID=77\n";
    EXPECT_TRUE(Exits(Cli("edit " + kExample + " " + Path("script.txt") + " " + Path("edited.bin")),
                      0, "1 channel names a satellite the list does not have"));
    const Outcome run = Cli("check " + Path("edited.bin"));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Has(run.out, "(satellite 77)"));
    EXPECT_EQ(Cli("check /nonexistent/list.bin").status, 2);
}

TEST_F(CheckCli, AHandFilledWorkbookSaysWhatItLeftOut) {
    ASSERT_EQ(ImportToWorkingCopy(kExample), 1);
    // Five rows marking neither TV nor radio, as a sheet filled in by hand.
    ChannelList rows;
    for (const Channel_Info_Tag& c : TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel))
        if (rows.size() < 5)
            rows.push_back(c);
    for (Channel_Info_Tag& c : rows)
        c.Attributes &= static_cast<WORD>(~(kAttrTV | kAttrRadio));
    CZorvDB sheet;
    ReplaceChannelTable(sheet, rows);
    ASSERT_TRUE(ExportChannelWorkbook(sheet, Path("plain.xls")));
    EXPECT_TRUE(
        Exits(Cli("import-xls " + kExample + " " + Path("plain.xls") + " " + Path("out.bin")), 1,
              "None of the 5 rows of Channel can be imported: 5 mark neither TV nor radio. "
              "The channel list was not changed."));
    EXPECT_FALSE(fs::exists(Path("out.bin")));

    // With good rows beside them, the good ones come in and the rest is said.
    rows.push_back(TV(TheZorvDB(), 0));
    ReplaceChannelTable(sheet, rows);
    ASSERT_TRUE(ExportChannelWorkbook(sheet, Path("mixed.xls")));
    EXPECT_TRUE(
        Exits(Cli("import-xls " + kExample + " " + Path("mixed.xls") + " " + Path("out.bin")), 0,
              "5 rows of Channel were not imported: 5 mark neither TV nor radio."));
    EXPECT_TRUE(Has(Cli("info " + Path("out.bin")).out, "TV / radio      1 / 0"));
}

const std::string kFixtures = std::string(VELMAR_SOURCE_DIR) + "/tests/lists/fixtures/";

class ListCommandsCli : public ::testing::Test {
protected:
    std::string P(const std::string& name) const { return dir / name; }
    // The dump of an image, for comparing lists.
    static std::string Dump(const std::string& image) { return Cli("dump '" + image + "'").out; }
    Scratch dir{"lists"};
};

TEST_F(ListCommandsCli, ExportThenImportGivesTheSameImageBack) {
    ASSERT_TRUE(Exits(Cli("export-csv " + kExample + " " + P("list.csv")), 0));
    const std::string csv = ReadAll(P("list.csv"));
    EXPECT_TRUE(StartsWith(csv, "ProgramNum,CAS,Favorite,SatI"));
    EXPECT_TRUE(Has(csv, "\r\n1,0,64,1,1,1,28000,"));
    ASSERT_TRUE(Exits(Cli("export-csv --bom " + kExample + " " + P("bom.csv")), 0));
    EXPECT_EQ(ReadAll(P("bom.csv")), "\xEF\xBB\xBF" + csv);
    EXPECT_TRUE(Prints(Cli("export-csv " + kExample + " -"), 0, csv)) << "to standard output too";
    // Back, named or from standard input: the same channels give the same bytes.
    for (const std::string& csvOperand : {P("list.csv"), "- <" + P("list.csv")}) {
        fs::remove(P("back.bin"));
        EXPECT_TRUE(ExitsSaying(
            Cli("import-csv " + kExample + " " + csvOperand + " " + P("back.bin")), 0, ""));
        EXPECT_EQ(ReadAll(P("back.bin")), ReadAll(kExample)) << csvOperand;
    }
}

TEST_F(ListCommandsCli, ImportCsvSaysTheRowsItLeftOutAndRefusesABadFile) {
    std::ofstream(P("rows.csv")) << "ProgramNum;SatID;TPID;Attributes;Name\n"
                                    "1;1;1;1024;One\n2;1;1;0;Nothing\n";
    EXPECT_TRUE(
        ExitsSaying(Cli("import-csv " + kExample + " " + P("rows.csv") + " " + P("out.bin")), 0,
                    "1 row of Channel was not imported: 1 mark neither TV nor radio.\n"));
    EXPECT_TRUE(Has(Dump(P("out.bin")), "\"One\""));
    // A refused file says so, named or from standard input.
    std::ofstream(P("bad.csv")) << "ProgramNum,Name\n1,\"ARD\n";
    for (const std::string& csvOperand : {P("bad.csv"), "- <" + P("bad.csv")}) {
        EXPECT_TRUE(
            ExitsSaying(Cli("import-csv " + kExample + " " + csvOperand + " " + P("bad.bin")), 1,
                        "The CSV file cannot be read: line 2: a quoted field is not "
                        "closed. The channel list was not changed.\n"))
            << csvOperand;
        EXPECT_FALSE(fs::exists(P("bad.bin")));
    }
    // The image and the CSV cannot both come from standard input.
    EXPECT_TRUE(Exits(Cli("import-csv - - " + P("both.bin") + " <" + P("rows.csv")), 2,
                      "only one operand can be '-'"));
    EXPECT_FALSE(fs::exists(P("both.bin")));
}

TEST_F(ListCommandsCli, ImportSatellitesAddsUpdatesAndPrunes) {
    Outcome r = Cli("import-satellites '" + kExample + "' '" + kFixtures +
                    "thor-and-eutelsat7.xml' '" + P("sats.bin") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(HasAll(r.err, {"1 satellite added, 1 brought up to date; transponders: 4 added, 1 "
                               "updated, 0 unchanged.",
                               "  0.8W 11325 MHz H 24500"}));
    const std::string dump = Dump(P("sats.bin"));
    EXPECT_TRUE(Has(dump, "\"Name\": \"7.0E Eutelsat 7\""));
    EXPECT_TRUE(Has(dump, "\"Frequency\": 11325")) << "kept";

    // --sat after the command names a position; --prune deletes what the file lacks.
    r = Cli("import-satellites --prune '" + kExample + "' '" + kFixtures +
            "thor-and-eutelsat7.xml' '" + P("pruned.bin") + "' --sat 0.8W");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(HasAll(r.err, {"0 satellites added, 1 brought up to date", "1 deleted with"}));
    const std::string pruned = Dump(P("pruned.bin"));
    EXPECT_FALSE(Has(pruned, "\"Frequency\": 11325"));
    EXPECT_FALSE(Has(pruned, "Eutelsat 7"));
}

TEST_F(ListCommandsCli, ImportSatellitesRefusalsWriteNothing) {
    const std::string command = "import-satellites '" + kExample + "' '" + kFixtures;
    const std::string thor = "thor-and-eutelsat7.xml' '" + P("x.bin") + "' --sat ";
    EXPECT_TRUE(Exits(Cli(command + "malformed.xml' '" + P("x.bin") + "'"), 1,
                      "malformed.xml, line 6: the XML is malformed"));
    EXPECT_TRUE(ExitsSaying(Cli(command + thor + "19.2E"), 1,
                            "The file has no satellite at 19.2E. Nothing was changed.\n"));
    EXPECT_TRUE(Exits(Cli(command + thor + "north"), 2, "'north' is no position"));
    EXPECT_FALSE(fs::exists(P("x.bin")));
}

TEST_F(ListCommandsCli, ApplyOrderInAScriptTakesATextList) {
    std::ofstream(P("order.txt")) << "zdf hd\ndas erste\n";
    std::ofstream(P("script.txt")) << "apply-order " << P("order.txt") << "\n";
    const Outcome r =
        Cli("edit '" + kExample + "' '" + P("script.txt") + "' '" + P("ordered.bin") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has((r.out + r.err), "by name")) << r.out << r.err;
    const std::string dump = Dump(P("ordered.bin"));
    const std::size_t zdf = dump.find("\"Name\": \"ZDF HD\"");
    ASSERT_NE(zdf, std::string::npos);
    // The record's fields stand before its name: ProgramNum 1 now.
    const std::size_t record = dump.rfind("\"ProgramNum\"", zdf);
    EXPECT_EQ(dump.substr(record, 16), "\"ProgramNum\": 1,");
}

} // namespace
