// velmar-cli as a script sees it: exit codes, messages, outputs.
#include "cli/JsonDump.h"
#include "cli/ReceiverOptions.h"
#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "image/ImageState.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "tests/cli/CliRun.h"
#include "xls/ChannelWorkbook.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using velmar::test::Cli;
using velmar::test::Outcome;

namespace {

std::string Example() {
    return std::string(VELMAR_SOURCE_DIR) + "/examples/demo-satellite.bin";
}

std::string Scratch(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("velmar-cli-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(Cli, UsageErrorsExitWith2) {
    for (const char* args : {"", "frobnicate x", "info", "save onlyone", "--byte-order 2 info x",
                             "--mmi 1,2,3 info x", "--product-type 0xZZ info x", "--nope info x"}) {
        const Outcome run = Cli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("usage: velmar-cli"), std::string::npos) << args;
    }
}

TEST(Cli, InfoAndDumpOfTheExampleImage) {
    Outcome run = Cli("info " + Example());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("product       list 7, type 0x01"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("satellites        6"), std::string::npos) << run.out;
    run = Cli("dump " + Example());
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("{\"zorv\": false, \"header_text\": \"56656c6d6172", 0), 0u);
    EXPECT_NE(run.out.find("\"Name\": \"Das Erste HD\""), std::string::npos);
    EXPECT_NE(run.out.find("\"Name\": \"Hot Bird\""), std::string::npos);
    EXPECT_NE(run.out.find("\"Ext\": [1, 1, 0, 0, 0, 0]"), std::string::npos);
}

TEST(Cli, SaveOfAnUnchangedImageIsIdentical) {
    const std::string out = Scratch("saved.bin");
    const Outcome run = Cli("save " + Example() + " " + out);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadText(out), ReadText(Example()));
    std::filesystem::remove(out);
}

TEST(Cli, ExportHeaderFragment) {
    const std::string out = Scratch("table.h");
    ASSERT_EQ(Cli("export-h " + Example() + " " + out).status, 0);
    const std::string text = ReadText(out);
    EXPECT_EQ(text.rfind(
                  "const SSVC_INFO virtual_flash_svc[] = {\r\n\t{ 0x00000000, 0001, 01, 0001, ", 0),
              0u);
    EXPECT_NE(text.find("\"Das Erste HD\""), std::string::npos);
    EXPECT_NE(text.find("////Total Svc Channel Count = "), std::string::npos);
    std::filesystem::remove(out);
}

TEST(Cli, FailedLoadsAndSavesSayTheSystemsMessage) {
    const std::string bad = Scratch("bad.bin");
    std::ofstream(bad, std::ios::binary) << "VX  \x51";
    Outcome run = Cli("dump " + bad);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot read file header. Continue? No"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Cannot open or invalid version file"), std::string::npos);
    run = Cli("--yes info " + bad);
    EXPECT_EQ(run.status, 1) << "too short even without a header";
    run = Cli("info " + Scratch("missing.bin"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot open or invalid version file"), std::string::npos);
    run = Cli("save " + Example() + " /nonexistent-dir/out.bin");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Cannot save channel file"), std::string::npos);
    std::filesystem::remove(bad);
}

TEST(Cli, ReceiverOptionsOverrideTheStartupConfiguration) {
    const std::vector<std::string> args = {
        "--product-list", "9", "--product-type", "0x12", "--ch", "100,2,80,28", "--yes", "dump"};
    std::size_t index = 0;
    ReceiverOptions options;
    std::string error;
    ASSERT_TRUE(ParseReceiverOptions(args, index, options, error)) << error;
    EXPECT_EQ(index, 7u);
    EXPECT_TRUE(options.yes);
    options.Apply();
    EXPECT_EQ(GetProductList(), 9);
    EXPECT_EQ(GetProductType(), 0x12u);
    int a = 0, b = 0, c = 0, d = 0;
    GetFlashCHBlockInfo(&a, &b, &c, &d);
    EXPECT_EQ((std::array{a, b, c, d}), (std::array{100, 2, 80, 28}));
    GetFlashTPBlockInfo(&a, &b, &c);
    EXPECT_EQ((std::array{a, b, c}), (std::array{16384, 8, 20})) << "the rest stays at start-up";
    velmar::policy_profile::Reset();
}

TEST(JsonDump, NamesAreLatin1AndTerrestrialTranspondersUseTheirForm) {
    EXPECT_EQ(Latin1ToJsonString("Caf\xE9 \"1\"\\"), "\"Caf\xC3\xA9 \\\"1\\\"\\\\\"");
    EXPECT_EQ(Latin1ToJsonString("\x01"), "\"\\u0001\"");
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    auto t = NewRecord<Transponder_Info_Tag>();
    SetTpParams(*t, 0x10BC4);
    SetTpTerrestrialBytes(*t, 7, 5);
    t->SatID = 1;
    db.AddIndexed(kTableTransponder, std::move(t));
    const std::string terrestrial = DumpJson(0x03);
    EXPECT_NE(terrestrial.find("\"Params\": 68548, \"TSID\": 0, \"Carried\": 7, \"NameIndex\": 5"),
              std::string::npos)
        << terrestrial;
    EXPECT_EQ(terrestrial.find("\"Frequency\""), std::string::npos);
    const std::string satellite = DumpJson(0x01);
    EXPECT_NE(
        satellite.find("\"Frequency\": 3012, \"SymbolRate\": 1, \"TSID\": 0, \"Word4\": 1287"),
        std::string::npos)
        << satellite;
    db.ClearAll();
}

TEST(Cli, WorkbookExportImportAndDump) {
    const std::string xls = Scratch("channels.xls");
    const std::string bin = Scratch("from-xls.bin");
    std::filesystem::remove(xls);
    Outcome run = Cli("export-xls " + Example() + " " + xls);
    ASSERT_EQ(run.status, 0) << run.err;
    run = Cli("dump-xls " + xls);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string image = Cli("dump " + Example()).out;
    // The channel objects match, keys aside (both number from 1 here).
    const std::size_t from = image.find("\"channels\": ") + 12;
    const std::size_t to = image.rfind("]}}");
    EXPECT_EQ(run.out.substr(0, run.out.size() - 1), image.substr(from, to - from + 1));
    run = Cli("import-xls " + Example() + " " + xls + " " + bin);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadText(bin), ReadText(Example())) << "same channels, same image";
    run = Cli("dump-xls " + Example());
    EXPECT_EQ(run.status, 1) << "an image is no workbook";
    EXPECT_NE(run.err.find("Cannot open or invalid version file"), std::string::npos);
    std::filesystem::remove(xls);
    std::filesystem::remove(bin);
}

TEST(Cli, InfoJsonGivesCapacitiesCountsAndDuplicates) {
    Outcome run = Cli("info --json " + Example());
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string& out = run.out;
    EXPECT_EQ(out.rfind("{\"header_form\": \"working\", \"product\": {\"list\": 7, \"type\": 1, "
                        "\"type_hex\": \"0x01\", \"byte_order\": 0}",
                        0),
              0u)
        << out;
    EXPECT_NE(out.find("{\"name\": \"channels\", \"table\": 5, \"count\": 293, \"capacity\": 4608, "
                       "\"free\": 4315}"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("{\"name\": \"favourites\", \"table\": 6, \"count\": 8, \"capacity\": 8, "
                       "\"free\": 0}"),
              std::string::npos);
    EXPECT_NE(out.find("\"channels\": {\"tv\": 204, \"radio\": 89, \"locked\": 2"),
              std::string::npos);
    EXPECT_NE(out.find("{\"id\": 1, \"name\": \"Astra 1\", \"channels\": 237}"), std::string::npos);
    EXPECT_NE(out.find("\"duplicates\": {\"groups\": 0, \"channels\": 0, \"members\": []}"),
              std::string::npos);
    // Without the switch the summary stays as it was.
    run = Cli("info " + Example());
    EXPECT_EQ(run.out.find('{'), std::string::npos);
    EXPECT_NE(run.out.find("  channels          293\n"), std::string::npos);
    EXPECT_EQ(Cli("info --json").status, 2);

    // An image with one pair by ids and one by name on a transponder.
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    auto add = [&](const char* name, BYTE sat, WORD sid) {
        auto c = NewRecord<Channel_Info_Tag>();
        std::snprintf(c->Name, sizeof c->Name, "%s", name);
        c->SatID = sat;
        c->TPID = 1;
        c->ServiceID = sid;
        c->Attributes = kAttrTV;
        db.AddIndexed(kTableChannel, std::move(c));
    };
    add("Dup A", 1, 500);
    add("Solo", 1, 501);
    add("Same", 2, 0);
    add("Dup B", 2, 500);
    add("Same", 2, 0);
    const std::string xls = Scratch("dups.xls");
    const std::string bin = Scratch("dups.bin");
    std::filesystem::remove(xls);
    ExportChannelWorkbook(xls);
    db.ClearAll();
    ASSERT_EQ(Cli("import-xls " + Example() + " " + xls + " " + bin).status, 0);
    run = Cli("info --json " + bin);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(
        run.out.find("\"duplicates\": {\"groups\": 2, \"channels\": 4, \"members\": "
                     "[[{\"key\": 1, \"name\": \"Dup A\"}, {\"key\": 4, \"name\": \"Dup B\"}], "
                     "[{\"key\": 3, \"name\": \"Same\"}, {\"key\": 5, \"name\": \"Same\"}]]}"),
        std::string::npos)
        << run.out;
    std::filesystem::remove(xls);
    std::filesystem::remove(bin);
}
