// velmar-cli as a script sees it: exit codes, messages, outputs; receive and
// send: the command line as typed, and the failures before any transfer.
#include "cli/JsonDump.h"
#include "cli/LinkCommands.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "tests/cli/CliRun.h"
#include "xls/ExcelBook.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

using namespace velmar::test;

namespace {

// A file in the scratch folder the whole program shares.
std::string Temp(const std::string& name) {
    static const Scratch folder("files");
    return folder / name;
}

} // namespace

TEST(Cli, InfoAndDumpOfTheExampleImage) {
    Outcome run = Cli("info " + kSatellite);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasAll(run.out, {"product       list 7, type 0x01", "satellites        6",
                                 "  channels          293\n"}));
    EXPECT_EQ(run.out.find('{'), std::string::npos) << "no JSON without --json";
    run = Cli("dump " + kSatellite);
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(
        StartsWith(run.out, "{\"format\": 1, \"zorv\": false, \"header_text\": \"56656c6d6172"));
    EXPECT_TRUE(HasAll(run.out, {"\"Name\": \"Das Erste HD\"", "\"Name\": \"Hot Bird\"",
                                 "\"Ext\": [1, 1, 0, 0, 0, 0]"}));
}

TEST(Cli, FailuresExitWithTheirMessageAndWriteNothing) {
    const std::string bad = Temp("bad.bin"), xls = Temp("no-channel.xls"), text = Temp("text.xls");
    const std::string out = Temp("from-bad.bin"), folder = Temp("");
    std::ofstream(bad, std::ios::binary) << "VX  \x51";
    std::ofstream(text, std::ios::binary) << "plain text";
    CExcelBook book;
    book.New(1); // a workbook without a "Channel" sheet
    ASSERT_TRUE(book.SaveAs(xls));
    const std::string importXls = "import-xls " + kSatellite + " ";
    const std::tuple<std::string, int, std::vector<std::string>> cases[] = {
        {"dump " + bad,
         1,
         {"Cannot read file header. Continue? No", "Cannot open or invalid version file"}},
        // Too short even when told to read on.
        {"--yes info " + bad, 1, {"Cannot read file header. Continue? Yes"}},
        {"info " + Temp("missing.bin"), 1, {"Cannot open or invalid version file"}},
        {"save " + kSatellite + " /nonexistent-dir/out.bin", 1, {"Cannot save channel file"}},
        {importXls + xls + " " + out, 1, {"The workbook has no sheet named \"Channel\"."}},
        {importXls + text + " " + out, 1, {}},
        {"dump-xls " + kSatellite, 1, {"The file is not an Excel 97-2003 workbook"}},
        {"dump-xls " + folder, 1, {"is a folder"}},
        {"info " + folder, 1, {"is a folder"}},
        {"info --json", 2, {}},
        {"--ch 49152,1000000,56,28 info " + kSatellite,
         2,
         {"the channel block reaches beyond any receiver's image"}},
    };
    for (const auto& [args, status, says] : cases) {
        const Outcome run = Cli(args);
        EXPECT_TRUE(Exits(run, status)) << args;
        EXPECT_TRUE(HasAll(run.err, says)) << args;
        EXPECT_FALSE(std::filesystem::exists(out)) << args << ": no image of 0 channels";
    }
}

TEST(JsonDump, TerrestrialTranspondersUseTheirForm) {
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    auto t = NewRecord<Transponder_Info_Tag>();
    SetTpParams(*t, 0x10BC4);
    SetTpTerrestrialBytes(*t, 7, 5);
    t->SatID = 1;
    db.AddIndexed(kTableTransponder, std::move(t));
    const std::string terrestrial = DumpJson(0x03);
    EXPECT_TRUE(
        Has(terrestrial, "\"Params\": 68548, \"TSID\": 0, \"Carried\": 7, \"NameIndex\": 5"));
    EXPECT_FALSE(Has(terrestrial, "\"Frequency\""));
    const std::string satellite = DumpJson(0x01);
    EXPECT_TRUE(
        Has(satellite, "\"Frequency\": 3012, \"SymbolRate\": 1, \"TSID\": 0, \"Word4\": 1287"));
    db.ClearAll();
}

TEST(Cli, InfoJsonGivesCapacitiesCountsAndDuplicates) {
    Outcome run = Cli("info --json " + kSatellite);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(StartsWith(
        run.out, "{\"format\": 1, \"header_form\": \"working\", \"product\": "
                 "{\"list\": 7, \"type\": 1, \"type_hex\": \"0x01\", \"byte_order\": 0}"));
    EXPECT_TRUE(HasAll(
        run.out,
        {"{\"name\": \"channels\", \"table\": 5, \"count\": 293, \"capacity\": 4608, \"free\": "
         "4315}",
         "{\"name\": \"favourites\", \"table\": 6, \"count\": 8, \"capacity\": 8, \"free\": 0}",
         "\"channels\": {\"tv\": 204, \"radio\": 89, \"locked\": 2",
         "{\"id\": 1, \"name\": \"Astra 1\", \"channels\": 237}",
         "\"duplicates\": {\"groups\": 0, \"channels\": 0, \"members\": []}"}));

    // A list with one pair by ids and one by name on a transponder.
    const std::string csv = Temp("dups.csv"), bin = Temp("dups.bin");
    std::ofstream(csv) << "ProgramNum;SatID;TPID;ServiceID;Attributes;Name\n1;1;1;500;1024;Dup A\n"
                          "2;1;1;501;1024;Solo\n3;2;1;0;1024;Same\n4;2;1;500;1024;Dup B\n"
                          "5;2;1;0;1024;Same\n";
    ASSERT_TRUE(Exits(Cli("import-csv " + kSatellite + " " + csv + " " + bin), 0));
    run = Cli("info --json " + bin);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out,
                    "\"duplicates\": {\"groups\": 2, \"channels\": 4, \"members\": "
                    "[[{\"key\": 1, \"name\": \"Dup A\"}, {\"key\": 4, \"name\": \"Dup B\"}], "
                    "[{\"key\": 3, \"name\": \"Same\"}, {\"key\": 5, \"name\": \"Same\"}]]}"));
}

namespace {

std::vector<std::string> Listing(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(Cli, FailedWritesLeaveEveryOutputAsItWas) {
    const std::string dir = Temp("failing");
    std::filesystem::create_directories(dir);
    const std::string xls = dir + "/channels.xls";
    ASSERT_EQ(Cli("export-xls " + kSatellite + " " + xls).status, 0);
    const std::string workbook = ReadAll(xls);
    const std::tuple<std::string, std::string, std::string> outputs[] = {
        {"save " + kSatellite, dir + "/list.bin", "an older image"},
        {"export-h " + kSatellite, dir + "/table.h", "/* hand-edited table */"},
        {"export-xls " + kSatellite, dir + "/channels.xls", workbook},
        {"import-xls " + kSatellite + " " + xls, dir + "/list.bin", "an older image"},
    };
    for (const auto& [command, target, old] : outputs) {
        std::ofstream(target, std::ios::binary) << old;
        const auto before = Listing(dir);
        for (const std::string failure :
             {"after=0", "after=1", "after=4096", "after=20000", "sync", "close", "rename"}) {
            EXPECT_TRUE(Exits(CliFailing(command + " " + target, dir, failure), 1,
                              "Cannot save channel file"))
                << command << " " << failure;
            EXPECT_TRUE(ReadAll(target) == old) << command << " " << failure;
            EXPECT_EQ(Listing(dir), before) << command << " " << failure;
        }
        // Unhindered, the same command writes.
        std::filesystem::remove(target);
        EXPECT_EQ(Cli(command + " " + target).status, 0) << command;
        EXPECT_TRUE(std::filesystem::exists(target)) << command;
        std::filesystem::remove(target + ".bak");
    }
}

TEST(Cli, ATableTooLargeForTheReceiverIsRefusedBeforeWriting) {
    // A workbook with one channel more than the start-up receiver holds.
    const std::string xls = Temp("too-many.xls");
    const std::string out = Temp("too-many.bin");
    CExcelBook book;
    book.New(1);
    book.RenameWorksheet("Sheet1", "Channel");
    CExcelSheet* sheet = book.GetWorksheet("Channel");
    sheet->Cell(0, 0)->SetString("ProgramNum");
    for (unsigned row = 1; row <= 4609; ++row) {
        sheet->Cell(row, 0)->SetInteger(static_cast<std::int32_t>(row));
        sheet->Cell(row, 3)->SetInteger(1);
        sheet->Cell(row, 10)->SetInteger(0x0400);
        sheet->Cell(row, 13)->SetString("Channel");
    }
    ASSERT_TRUE(book.SaveAs(xls));
    std::ofstream(out, std::ios::binary) << "keep me";
    EXPECT_TRUE(Exits(Cli("import-xls " + kSatellite + " " + xls + " " + out), 1,
                      "The channel list has 4,609 channels, but this receiver holds at most 4,608. "
                      "Remove 1 channel and save again."));
    EXPECT_EQ(ReadAll(out), "keep me");
    EXPECT_FALSE(std::filesystem::exists(out + ".bak"));
}

TEST(Cli, HugeOptionValuesAreBoundedByTheBlocks) {
    // Two billion multiplexes a sector on a terrestrial receiver: the reader
    // visits only the slots that lie inside the sector.
    EXPECT_TRUE(Exits(
        Cli("--product-type 0x02 --max-mux 2000000000 --yes info " + kSatellite, "timeout 20 "),
        0));
}

namespace {

// The parsed line as "kind device baud host port timeout(ms) file", or the
// usage error.
std::string Parsed(const std::string& words) {
    std::istringstream in(words);
    const std::vector<std::string> args{std::istream_iterator<std::string>(in), {}};
    LinkCommandLine line;
    std::string why;
    if (!ParseLinkCommandLine(args, line, why))
        return why;
    const LinkEndpoint& e = line.endpoint;
    return std::to_string(static_cast<int>(e.kind)) + " " + e.device + " " +
           std::to_string(e.baud) + " " + e.host + " " + std::to_string(e.port) + " " +
           std::to_string(line.options.startTimeout.count()) + " " + line.file;
}

} // namespace

TEST(LinkCommandLine, LinesAndUsageErrors) {
    // Kinds: 0 serial, 1 connect, 2 listen.
    const std::pair<const char*, const char*> cases[] = {
        {"--port /dev/ttyUSB0 out.bin", "0 /dev/ttyUSB0 115200  0 60000 out.bin"},
        {"out.bin --baud 57600 --port /dev/ttyS0", "0 /dev/ttyS0 57600  0 60000 out.bin"},
        {"--tcp 10.1.2.3:4001 --timeout 5 x.bin", "1  115200 10.1.2.3 4001 5000 x.bin"},
        {"--listen 2000 x.bin", "2  115200  2000 60000 x.bin"},
        {"--listen 127.0.0.1:0 x.bin", "2  115200 127.0.0.1 0 60000 x.bin"},
        {"x.bin", "give exactly one of --port, --tcp and --listen"},
        {"--port a --tcp h:1 x.bin", "give exactly one of --port, --tcp and --listen"},
        {"--port a", "one file name is needed"},
        {"--port a x y", "one file name is needed"},
        {"--port", "--port needs a value"},
        {"--port a --baud 12345 x", "--baud 12345 is not a serial rate"},
        {"--port a --baud 99999999999 x", "--baud 99999999999 is not a serial rate"},
        {"--tcp h:1 --baud 9600 x", "--baud goes with --port"},
        {"--tcp nohost x", "--tcp wants HOST:PORT, not nohost"},
        {"--tcp :2000 x", "--tcp wants HOST:PORT, not :2000"},
        {"--listen 70000 x", "--listen wants [HOST:]PORT, not 70000"},
        {"--port a --timeout 0 x", "--timeout wants a number of seconds, not 0"},
        {"--port a --fast x", "unknown option --fast"},
    };
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(Parsed(args), expected);
}

TEST(LinkCommandLine, ExitStatusAndReason) {
    EXPECT_TRUE(ExitsSaying(
        Cli("receive --port /nonexistent/ttyX out.bin"), 1,
        "velmar-cli: receive: cannot open /nonexistent/ttyX: No such file or directory\n"));
    EXPECT_TRUE(ExitsSaying(Cli("send --tcp 127.0.0.1:9 /nonexistent/image.bin"), 1,
                            "velmar-cli: send: cannot read /nonexistent/image.bin\n"));
}
