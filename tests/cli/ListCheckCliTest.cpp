// velmar-cli and lists that must not ship broken: `check`, the warnings of
// the commands that write a list, and a workbook import that says what it
// left out.
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/WorkingCopy.h"
#include "model/ChannelRecords.h"
#include "tests/cli/CliRun.h"
#include "xls/ChannelWorkbook.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

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
    Outcome run = Cli("check " + kExample);
    EXPECT_TRUE(Exits(run, 0));
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(Exits(Cli("--receiver cable check " + kCable), 0));
    run = Cli("check --json " + kExample);
    EXPECT_TRUE(Exits(run, 0));
    EXPECT_EQ(run.out, "{\"findings\": []}\n");
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

} // namespace
