// velmar-cli export-csv, import-csv and import-satellites as a script runs
// them: what they write, what they say, their exit status, and that a
// refused input writes nothing.
#include "tests/cli/CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;

const std::string& kExample = kSatellite;
const std::string kFixtures = std::string(VELMAR_SOURCE_DIR) + "/tests/lists/fixtures/";

class ListCommandsCli : public ::testing::Test {
protected:
    std::string P(const std::string& name) const { return dir / name; }
    // The dump of an image, for comparing lists.
    static std::string Dump(const std::string& image) { return Cli("dump '" + image + "'").out; }
    Scratch dir{"lists"};
};

} // namespace

TEST_F(ListCommandsCli, ExportThenImportGivesTheSameImageBack) {
    Outcome r = Cli("export-csv '" + kExample + "' '" + P("list.csv") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string csv = ReadAll(P("list.csv"));
    EXPECT_EQ(csv.substr(0, 28), "ProgramNum,CAS,Favorite,SatI");
    EXPECT_TRUE(Has(csv, "\r\n1,0,64,1,1,1,28000,"));
    r = Cli("export-csv --bom '" + kExample + "' '" + P("bom.csv") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadAll(P("bom.csv")), "\xEF\xBB\xBF" + csv);
    // To standard output too.
    r = Cli("export-csv '" + kExample + "' -");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, csv);

    // Back, named or from standard input: the same channels give the same bytes.
    for (const auto& [csvOperand, input] : {std::pair{P("list.csv"), std::string()},
                                            std::pair{std::string("-"), " <" + P("list.csv")}}) {
        fs::remove(P("back.bin"));
        EXPECT_TRUE(ExitsSaying(Cli("import-csv '" + kExample + "' '" + csvOperand + "' '" +
                                    P("back.bin") + "'" + input),
                                0, ""));
        EXPECT_EQ(ReadAll(P("back.bin")), ReadAll(kExample)) << input;
    }
}

TEST_F(ListCommandsCli, ImportCsvSaysTheRowsItLeftOutAndRefusesABadFile) {
    std::ofstream(P("rows.csv")) << "ProgramNum;SatID;TPID;Attributes;Name\n"
                                    "1;1;1;1024;One\n2;1;1;0;Nothing\n";
    EXPECT_TRUE(ExitsSaying(
        Cli("import-csv '" + kExample + "' '" + P("rows.csv") + "' '" + P("out.bin") + "'"), 0,
        "1 row of Channel was not imported: 1 mark neither TV nor radio.\n"));
    EXPECT_TRUE(Has(Dump(P("out.bin")), "\"One\""));

    // A refused file says so, named or from standard input.
    std::ofstream(P("bad.csv")) << "ProgramNum,Name\n1,\"ARD\n";
    for (const auto& [csvOperand, input] : {std::pair{P("bad.csv"), std::string()},
                                            std::pair{std::string("-"), " <" + P("bad.csv")}}) {
        EXPECT_TRUE(ExitsSaying(Cli("import-csv '" + kExample + "' '" + csvOperand + "' '" +
                                    P("bad.bin") + "'" + input),
                                1,
                                "The CSV file cannot be read: line 2: a quoted field is not "
                                "closed. The channel list was not changed.\n"))
            << input;
        EXPECT_FALSE(fs::exists(P("bad.bin")));
    }
    // The image and the CSV cannot both come from standard input.
    EXPECT_TRUE(Exits(Cli("import-csv - - '" + P("both.bin") + "' <" + P("rows.csv")), 2,
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
