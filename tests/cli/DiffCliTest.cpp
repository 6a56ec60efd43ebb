// velmar-cli diff against real files: the example image, copies edited by
// velmar-cli edit and a workbook exported from it. Exit status as diff's.
#include "tests/cli/CliRun.h"

#include <fstream>

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
    EXPECT_TRUE(Prints(Cli("diff " + a + " " + b), 1,
                       "--- " + a + "\n+++ " + b + "\n" +
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
                           "FEC 2\n"));
    const Outcome json = Cli("diff --json " + a + " " + b);
    EXPECT_EQ(json.status, 1);
    EXPECT_TRUE(
        HasAll(json.out, {"\"number-changed\": 1",
                          "\"kind\": \"flags-changed\", \"subject\": \"TV 7 \\\"tagesschau24 "
                          "HD\\\"\", \"a\": \"-\", \"b\": \"locked\""}));
}

TEST_F(DiffCli, AnImageAgainstItselfOrItsWorkbookSaysNothingAndExitsZero) {
    const std::string book = (dir / "list.xls");
    ASSERT_EQ(Cli("export-xls " + kExample + " " + book).status, 0);
    for (const std::string& b : {kExample, book}) {
        const Outcome same = Cli("diff " + kExample + " " + b);
        EXPECT_TRUE(ExitsSaying(same, 0, "") && Prints(same, 0, "")) << b;
    }
    // A name changed in the workbook is the one difference.
    const std::string edited = Edited("renamed.xls", "select rows 2\nupdate Name=\"Velmar Two\"\n");
    EXPECT_TRUE(Prints(Cli("diff " + kExample + " " + edited), 1,
                       "--- " + kExample + "\n+++ " + edited +
                           "\n@@ name changed: 1 @@\n"
                           "~ TV 2 \"ZDF HD\"  \"ZDF HD\" -> \"Velmar Two\"\n"));
}

TEST_F(DiffCli, StandardInputStandsForOneSideAndIsNamedDash) {
    const std::string b = Edited("b.bin", "select rows 2\nupdate Name=\"Velmar Two\"\n");
    const std::string book = (dir / "list.xls");
    ASSERT_EQ(Cli("export-xls " + kExample + " " + book).status, 0);
    // Standard input is named "-", also where it cannot be read (not after
    // the copy kept of it), and a workbook on it is read as one, by its first
    // bytes; it is one stream: not both sides. A file that cannot be read is
    // trouble, as a usage error is.
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        {"diff - " + b + " < " + kExample, 1, "",
         "--- -\n+++ " + b +
             "\n@@ name changed: 1 @@\n"
             "~ TV 2 \"ZDF HD\"  \"ZDF HD\" -> \"Velmar Two\"\n"},
        {"diff " + kExample + " - < " + book, 0, "", ""},
        {"diff - " + b + " < /dev/null", 2, "\nvelmar-cli: -: ", ""},
        {"diff - - < " + kExample, 2, "only one of A and B can be '-'", ""},
        {"diff " + kExample + " " + (dir / "missing.bin"), 2, "missing.bin", ""},
        {"diff " + kExample, 2, "", ""},
    };
    for (const auto& [args, status, says, out] : cases) {
        const Outcome o = Cli(args);
        EXPECT_TRUE(Exits(o, status, says) && Prints(o, status, out)) << args;
        EXPECT_FALSE(Has(o.err, "velmar-stdin")) << args;
    }
    const Outcome json = Cli("diff --json " + b + " - < " + kExample);
    EXPECT_EQ(json.status, 1) << json.err;
    EXPECT_TRUE(Has(json.out, "\"a\": \"" + b + "\", \"b\": \"-\""));
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
