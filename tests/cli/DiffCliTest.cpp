// velmar-cli diff against real files: the example image, copies edited by
// velmar-cli edit and a workbook exported from it. Exit status as diff's.
#include "tests/cli/CliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace velmar::test;

namespace {

namespace fs = std::filesystem;
const std::string& kExample = kSatellite;

class DiffCli : public ::testing::Test {
protected:
    // The example edited by `script`, saved as `name`.
    std::string Edited(const std::string& name, const std::string& script) {
        const std::string path = dir / name;
        std::ofstream(dir / (name + ".txt")) << script;
        const Outcome o = Cli("edit " + kExample + " " + (dir / (name + ".txt")) + " " + path);
        EXPECT_EQ(o.status, 0) << o.err;
        return path;
    }
    Scratch dir{"diff"};
};

TEST_F(DiffCli, AnImageAgainstItselfSaysNothingAndExitsZero) {
    const Outcome o = Cli("diff " + kExample + " " + kExample);
    EXPECT_TRUE(ExitsSaying(o, 0, ""));
    EXPECT_EQ(o.out, "");
}

TEST_F(DiffCli, EachKindOfDifferenceIsOneLineUnderItsHeading) {
    const std::string a = Edited("a.bin", "satellite new Name=\"Gone Sat\" Degree=80\n"
                                          "transponders satellite 2\n"
                                          "transponder new Frequency=12999 SymbolRate=22000\n"
                                          "new Name=\"Only In A\" SatID=1 TPID=1\n");
    const std::string b = Edited("b.bin", "new Name=\"Only In B\" SatID=1 TPID=1\n"
                                          "select rows 3\nupdate ProgramNum=5000\n"
                                          "select rows 4\nupdate Name=\"Renamed Four\"\n"
                                          "select rows 5\nupdate VideoPID=999\n"
                                          "select rows 6\nlock on\n"
                                          "select rows 7\ndrop favorite 3\n"
                                          "satellite new Name=\"Velmar Sat\" Degree=70\n"
                                          "satellite update 1 Name=\"Astra 1 New\"\n"
                                          "transponders satellite 2\n"
                                          "transponder new Frequency=10999 SymbolRate=27500\n"
                                          "transponder update 1 SymbolRate=27000\n");
    const Outcome o = Cli("diff " + a + " " + b);
    EXPECT_EQ(o.status, 1) << o.err;
    EXPECT_EQ(o.out, "--- " + a + "\n+++ " + b + "\n" +
                         "@@ channels only in A: 1 @@\n"
                         "- TV 205 \"Only In A\"  19.2E 11494 H, PIDs 0/0/0\n"
                         "@@ channels only in B: 1 @@\n"
                         "+ TV 205 \"Only In B\"  19.2E 11494 H, PIDs 0/0/0\n"
                         "@@ number changed: 1 @@\n"
                         "~ TV 3 \"3sat HD\"  3 -> 5000\n"
                         "@@ name changed: 1 @@\n"
                         "~ TV 5 \"PHOENIX HD\"  \"PHOENIX HD\" -> \"Renamed Four\"\n"
                         "@@ tuning changed: 1 @@\n"
                         "~ TV 6 \"KiKA HD\"  19.2E 11362 H, PIDs 336/337/336 -> 19.2E 11362 H, "
                         "PIDs 999/337/336\n"
                         "@@ flags changed: 1 @@\n"
                         "~ TV 7 \"tagesschau24 HD\"  - -> locked\n"
                         "@@ favourite lists changed: 1 @@\n"
                         "~ TV 8 \"ONE HD\"  4 -> 3, 4\n"
                         "@@ satellites only in A: 1 @@\n"
                         "- satellite 8.0E  \"Gone Sat\"\n"
                         "@@ satellites only in B: 1 @@\n"
                         "+ satellite 7.0E  \"Velmar Sat\"\n"
                         "@@ satellite renamed: 1 @@\n"
                         "~ satellite 19.2E  \"Astra 1\" -> \"Astra 1 New\"\n"
                         "@@ transponders only in A: 1 @@\n"
                         "- transponder 13.0E 12999 V  12999 V 22000 FEC 0\n"
                         "@@ transponders only in B: 1 @@\n"
                         "+ transponder 13.0E 10999 V  10999 V 27500 FEC 0\n"
                         "@@ transponder changed: 1 @@\n"
                         "~ transponder 13.0E 10992 V  10992 V 27500 FEC 2 -> 10992 V 27000 "
                         "FEC 2\n");
    const Outcome json = Cli("diff --json " + a + " " + b);
    EXPECT_EQ(json.status, 1);
    EXPECT_TRUE(
        HasAll(json.out, {"\"number-changed\": 1",
                          "\"kind\": \"flags-changed\", \"subject\": \"TV 7 \\\"tagesschau24 "
                          "HD\\\"\", \"a\": \"-\", \"b\": \"locked\""}));
}

TEST_F(DiffCli, AnImageAgainstItsWorkbookComparesTheChannels) {
    const std::string book = (dir / "list.xls");
    ASSERT_EQ(Cli("export-xls " + kExample + " " + book).status, 0);
    Outcome o = Cli("diff " + kExample + " " + book);
    EXPECT_TRUE(Exits(o, 0));
    EXPECT_EQ(o.out, "");
    const std::string edited = Edited("renamed.xls", "select rows 2\nupdate Name=\"Velmar Two\"\n");
    o = Cli("diff " + kExample + " " + edited);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.out, "--- " + kExample + "\n+++ " + edited +
                         "\n@@ name changed: 1 @@\n"
                         "~ TV 2 \"ZDF HD\"  \"ZDF HD\" -> \"Velmar Two\"\n");
}

TEST_F(DiffCli, StandardInputStandsForOneSideAndIsNamedDash) {
    const std::string b = Edited("b.bin", "select rows 2\nupdate Name=\"Velmar Two\"\n");
    const std::string change = "@@ name changed: 1 @@\n"
                               "~ TV 2 \"ZDF HD\"  \"ZDF HD\" -> \"Velmar Two\"\n";
    Outcome o = Cli("diff - " + b + " < " + kExample);
    EXPECT_EQ(o.status, 1) << o.err;
    EXPECT_EQ(o.out, "--- -\n+++ " + b + "\n" + change);
    o = Cli("diff --json " + b + " - < " + kExample);
    EXPECT_EQ(o.status, 1) << o.err;
    EXPECT_TRUE(Has(o.out, "\"a\": \"" + b + "\", \"b\": \"-\""));
    // A workbook on standard input is read as one, by its first bytes.
    const std::string book = (dir / "list.xls");
    ASSERT_EQ(Cli("export-xls " + kExample + " " + book).status, 0);
    o = Cli("diff " + kExample + " - < " + book);
    EXPECT_TRUE(Exits(o, 0));
    EXPECT_EQ(o.out, "");
    // What cannot be read is named "-", not after the copy kept of it; and
    // standard input is one stream: not both sides.
    o = Cli("diff - " + b + " < /dev/null");
    EXPECT_TRUE(Exits(o, 2, "\nvelmar-cli: -: "));
    EXPECT_FALSE(Has(o.err, "velmar-stdin"));
    EXPECT_EQ(o.out, "");
    o = Cli("diff - - < " + kExample);
    EXPECT_TRUE(Exits(o, 2, "only one of A and B can be '-'"));
    EXPECT_EQ(o.out, "");
}

TEST_F(DiffCli, AFileThatCannotBeReadIsTroubleWithStatusTwo) {
    const Outcome o = Cli("diff " + kExample + " " + (dir / "missing.bin"));
    EXPECT_TRUE(Exits(o, 2, "missing.bin"));
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(Cli("diff " + kExample).status, 2); // a usage error
}

TEST_F(DiffCli, TheScriptsMergeAddsWhatOnlyTheOtherListHas) {
    const std::string extra =
        Edited("extra.bin", "satellite new Name=\"Velmar 7E\" Degree=70\n"
                            "transponders satellite 7\n"
                            "transponder new Frequency=10721 SymbolRate=22000\n"
                            "transponder new Frequency=11471 SymbolRate=30000\n"
                            "new Name=\"Velmar One\" SatID=7 TPID=1 ServiceID=501\n"
                            "new Name=\"Velmar Two\" SatID=7 TPID=1 ServiceID=502\n"
                            "new Name=\"Velmar Three\" SatID=7 TPID=2 ServiceID=503\n");
    const std::string merged =
        Edited("merged.bin", "merge " + extra + " tv\nundo\nmerge " + extra + "\n");
    EXPECT_TRUE(Exits(Cli("diff " + merged + " " + extra), 0));
    const Outcome o = Cli("diff " + kExample + " " + merged);
    EXPECT_EQ(o.status, 1);
    EXPECT_TRUE(
        HasAll(o.out, {"@@ channels only in B: 3 @@\n", "@@ satellites only in B: 1 @@\n"}));
    EXPECT_FALSE(Has(o.out, "@@ channels only in A"));
    std::ofstream(dir / "bad.txt") << "merge\n";
    EXPECT_TRUE(Exits(Cli("edit " + kExample + " " + (dir / "bad.txt") + " " + (dir / "x.bin")), 2,
                      "merge FILE [tv|radio|all]"));
}

} // namespace
