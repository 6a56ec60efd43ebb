// velmar-cli, velmar and the generators as the shell and other programs
// expect them: output that fails when it cannot be written, "-" for the
// standard streams, one code page for names, GNU-style options and errors.
#include "cli/JsonDump.h"
#include "platform/CodePage.h"
#include "tests/cli/CliRun.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace velmar::test;

static const std::string kCli = VELMAR_CLI;

// ---- Output that cannot lie --------------------------------------------------------------

TEST(CliOutput, AFullDiskFailsTheCommand) {
    for (const std::string& args : std::vector<std::string>{
             "dump " + kSatellite, "info " + kSatellite, "info --json " + kSatellite,
             "save " + kSatellite + " -", "export-h " + kSatellite + " -", "receivers", "--help",
             "--version", "help edit"}) {
        EXPECT_TRUE(ExitsSaying(Cli(args + " >/dev/full"), 1,
                                "velmar-cli: cannot write to standard output: No space left on "
                                "device\n"))
            << args;
    }
}

TEST(CliOutput, AClosedPipeIsReportedOnce) {
    // The dump is far larger than a pipe's buffer, so most of it meets a
    // reader that has gone.
    const Outcome run = Shell("bash -c '\"$0\" dump \"$1\" | head -c 10 >/dev/null; exit "
                              "${PIPESTATUS[0]}' " +
                              kCli + " " + kSatellite);
    EXPECT_TRUE(ExitsSaying(run, 1, "velmar-cli: cannot write to standard output: Broken pipe\n"));
}

// ---- "-" for the standard streams ------------------------------------------------------

TEST(CliStreams, EveryStreamableOperand) {
    Scratch dir("operands");
    const std::string xls = dir / "c.xls";
    ASSERT_EQ(Cli("export-h " + kSatellite + " " + (dir / "t.h")).status, 0);
    const std::string header = ReadAll(dir / "t.h");
    EXPECT_TRUE(StartsWith(
        header, "const SSVC_INFO virtual_flash_svc[] = {\r\n\t{ 0x00000000, 0001, 01, 0001, "));
    EXPECT_TRUE(HasAll(header, {"\"Das Erste HD\"", "////Total Svc Channel Count = "}));
    ASSERT_EQ(Cli("export-xls " + kSatellite + " " + xls).status, 0);
    // The workbook's dump holds the image dump's channel objects (keys from 1 in both).
    const std::string book = Cli("dump-xls " + xls).out, image = Cli("dump " + kSatellite).out;
    const std::size_t from = image.find("\"channels\": ") + 12, to = image.rfind("]}}");
    EXPECT_EQ(book, "{\"format\": 1, \"channels\": " + image.substr(from, to - from + 1) + "}\n");
    // Each command with '-' gives what it gives with named files; an
    // unchanged image saves as it was, from a workbook of the same channels too.
    const std::pair<std::string, std::string> commands[] = {
        {"export-h - - <" + kSatellite, header},
        {"export-xls " + kSatellite + " -", ReadAll(xls)},
        {"dump - <" + kSatellite, image},
        {"info --json - <" + kSatellite, Cli("info --json " + kSatellite).out},
        {"dump-xls - <" + xls, book},
        {"import-xls " + kSatellite + " - - <" + xls, ReadAll(kSatellite)},
        {"save " + kSatellite + " -", ReadAll(kSatellite)},
        {"save - - <" + kSatellite, ReadAll(kSatellite)},
        {"--receiver cable save " + kCable + " -", ReadAll(kCable)},
        {"--receiver cable save - - <" + kCable, ReadAll(kCable)},
    };
    for (const auto& [command, expected] : commands)
        EXPECT_TRUE(Prints(Cli(command), 0, expected)) << command;
    const Outcome info = Cli("info - <" + kSatellite);
    EXPECT_EQ(info.out.substr(0, 2), "-\n") << "named as given";
    EXPECT_EQ(info.out.substr(1), Cli("info " + kSatellite).out.substr(kSatellite.size()));

    // edit: the image from standard input.
    std::ofstream(dir / "s.txt") << "select rows 1\nlock on\n";
    ASSERT_EQ(Cli("edit - " + (dir / "s.txt") + " " + (dir / "e.bin") + " <" + kSatellite).status,
              0);
    ASSERT_EQ(Cli("edit " + kSatellite + " " + (dir / "s.txt") + " " + (dir / "f.bin")).status, 0);
    EXPECT_EQ(ReadAll(dir / "e.bin"), ReadAll(dir / "f.bin"));
}

TEST(CliStreams, TemporaryFilesGoOnEveryPath) {
    Scratch tmp("tmpdir");
    const std::pair<std::string, int> commands[] = {
        {"save - - <" + kSatellite + " >/dev/null", 0},
        {"info - </dev/null", 1}, // an empty image
        {"save - - <" + kSatellite + " >/dev/full", 1},
        {"export-xls " + kSatellite + " - >/dev/full", 1},
        {"save " + (tmp / "missing.bin") + " -", 1},
    };
    for (const auto& [command, status] : commands) {
        // A failed command writes nothing on standard output either.
        EXPECT_TRUE(Prints(Cli(command, "TMPDIR=" + tmp.Path() + " "), status, "")) << command;
        EXPECT_TRUE(tmp.Empty()) << command;
    }
}

// `save IMAGE -` into a pipe nobody reads: the tool has written the image
// into its temporary folder and is stuck copying it out when the signal
// comes (the image is larger than the pipe holds).
TEST(CliStreams, AnInterruptedCommandLeavesNoTemporaryFile) {
    for (const int number : {SIGINT, SIGTERM, SIGHUP}) {
        Scratch tmp("interrupted");
        int output[2];
        ASSERT_EQ(::pipe(output), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::dup2(output[1], STDOUT_FILENO);
            ::close(output[0]);
            ::close(output[1]);
            ::setenv("TMPDIR", tmp.Path().c_str(), 1);
            ::execl(kCli.c_str(), kCli.c_str(), "save", kSatellite.c_str(), "-", nullptr);
            ::_exit(127);
        }
        ::close(output[1]);
        for (int i = 0; i < 500 && tmp.Empty(); ++i)
            ::usleep(10'000);
        EXPECT_FALSE(tmp.Empty()) << "the tool made no temporary folder";
        ::usleep(200'000); // the copy out is blocked by now
        ::kill(child, number);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ::close(output[0]);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == number)
            << "signal " << number << ": ended by the signal, as the shell expects";
        EXPECT_TRUE(tmp.Empty()) << "signal " << number;
    }
}

TEST(CliStreams, StandardInputIsBoundedLikeAFile) {
    // One byte more than any image may have.
    const Outcome run =
        Shell("head -c 16777217 /dev/zero | " + kCli + " info - >/dev/null; echo $?");
    EXPECT_EQ(run.out, "1\n");
    EXPECT_TRUE(Has(run.err, "velmar-cli: standard input is larger than 16777216 bytes"));
}

// ---- One code page ------------------------------------------------------------------

TEST(CodePage, EveryByteSurvivesUtf8AndUtf16) {
    EXPECT_EQ(AnsiToUtf16("A\x80\xE9\x9F"), u"A\u20ac\u00e9\u0178");
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(one)), one) << b;
        EXPECT_EQ(Utf16ToAnsi(AnsiToUtf16(one)), one) << b;
    }
    // Worked out from the code page's chart.
    EXPECT_EQ(AnsiToUtf8("\x80\x93\x94\x96\x8E\x9F"),
              "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\x93\xC5\xBD\xC5\xB8");
    EXPECT_EQ(AnsiToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(AnsiToUtf8("\xE9\xFF"), "\xC3\xA9\xC3\xBF");
}

TEST(CodePage, TextItCannotHoldIsRefusedOrDefaulted) {
    // A CJK character, U+0080 (no Windows-1252 character), one beyond 16
    // bits, an overlong form, a surrogate, a sequence cut short.
    for (const char* text :
         {"\xE4\xB8\xAD", "\xC2\x80", "\xF0\x9F\x93\xBA", "\xC0\xAF", "\xED\xA0\x80", "ab\xE2\x82"})
        EXPECT_EQ(Utf8ToAnsi(text), std::nullopt) << text;
    EXPECT_EQ(Utf16ToAnsi(u"A\u4e2d\u0080"), "A??") << "the workbook import's default";
}

// The Windows-1252 names in JSON: ANameFromAScriptComesBackExactly; here
// the escapes.
TEST(CodePage, JsonNamesAreWindows1252) {
    EXPECT_EQ(AnsiToJsonString("Caf\xE9 \"1\"\\"), "\"Caf\xC3\xA9 \\\"1\\\"\\\\\"");
    EXPECT_EQ(AnsiToJsonString("\x01\x7F\x81\x9D"), "\"\\u0001\\u007f\\u0081\\u009d\"");
}

TEST(CodePage, ANameFromAScriptComesBackExactly) {
    Scratch dir("names");
    const std::string name = "\xE2\x82\xAC"
                             "uro \xE2\x80\x9CTV\xE2\x80\x9D \xE2\x80\x93 \xC5\xBD";
    std::ofstream(dir / "s.txt") << "select rows 1\nupdate \"Name=" << name << "\"\n";
    const std::string bin = dir / "named.bin";
    const Outcome edit = Cli("edit " + kSatellite + " " + (dir / "s.txt") + " " + bin);
    ASSERT_EQ(edit.status, 0) << edit.err;
    // Stored as the Windows-1252 bytes, ...
    EXPECT_TRUE(Has(ReadAll(bin), std::string("\x80uro \x93TV\x94 \x96 \x8E") + '\0'));
    // ... and read back the same in every JSON.
    const std::string json = "\"Name\": \"" + name + "\"";
    EXPECT_TRUE(Has(Cli("dump " + bin).out, json));
    ASSERT_EQ(Cli("export-xls " + bin + " " + (dir / "c.xls")).status, 0);
    EXPECT_TRUE(Has(Cli("dump-xls " + (dir / "c.xls")).out, json));
    // A second channel of that name makes a duplicate pair that info names.
    std::ofstream(dir / "t.txt") << "select rows 2\nupdate \"Name=" << name
                                 << "\" SatID=1 TPID=1 ServiceID=0\n"
                                 << "select rows 1\nupdate ServiceID=0\n";
    ASSERT_EQ(Cli("edit " + bin + " " + (dir / "t.txt") + " " + (dir / "dup.bin")).status, 0);
    const std::string info = Cli("info --json " + (dir / "dup.bin")).out;
    EXPECT_EQ(Count(info, "\"name\": \"" + name + "\""), 2u) << info;
}

// ---- Options and operands -------------------------------------------------------------

TEST(CliArguments, VersionAndHelp) {
    const Outcome version = Cli("--version");
    EXPECT_TRUE(ExitsSaying(version, 0, ""));
    EXPECT_TRUE(StartsWith(version.out, "velmar-cli (Velmar) " VELMAR_PROJECT_VERSION));
    EXPECT_EQ(version.out.find('\n'), version.out.size() - 1) << "one line";
    // A command's help by any of its three spellings, on standard output.
    const Outcome edit = Cli("help edit");
    EXPECT_TRUE(ExitsSaying(edit, 0, ""));
    EXPECT_TRUE(
        StartsWith(edit.out, "usage: velmar-cli [receiver options] edit IMAGE SCRIPT OUT\n"));
    for (const char* args : {"edit --help", "edit -h"})
        EXPECT_EQ(Cli(args).out, edit.out) << args;
    EXPECT_TRUE(StartsWith(Cli("info --help").out,
                           "usage: velmar-cli [receiver options] info [--json] IMAGE\n"));
    const Outcome all = Cli("--help");
    EXPECT_TRUE(Exits(all, 0));
    EXPECT_EQ(Cli("help").out, all.out);
    EXPECT_TRUE(HasAll(all.out, {"send LINK IMAGE", "edit IMAGE SCRIPT OUT", "exit status 2"}));
}

TEST(CliArguments, OptionsWithEqualsAndAfterTheCommand) {
    const std::string expected = Cli("--receiver cable info " + kCable).out;
    ASSERT_TRUE(
        HasAll(expected, {"product       list 2, type 0x04, byte order 1", "cable muxes       14",
                          "channels          48", "TV / radio      36 / 12"}));
    // The start-up receiver reads the same bytes as something else.
    EXPECT_FALSE(Has(Cli("info " + kCable).out, "cable muxes       14"));
    // The last of a repeated option wins, as before.
    for (const std::string& args :
         {"--receiver=cable info " + kCable, "info --receiver=cable " + kCable,
          "info " + kCable + " --receiver cable",
          "--receiver satellite --receiver=cable info " + kCable})
        EXPECT_EQ(Cli(args).out, expected) << args;
    EXPECT_EQ(Cli("--product-type=0x12 --ch=100,2,80,28 --yes info " + kSatellite).status,
              Cli("--product-type 0x12 --ch 100,2,80,28 --yes info " + kSatellite).status);
    EXPECT_EQ(Cli("info " + kSatellite + " --json").out, Cli("info --json " + kSatellite).out);
}

TEST(CliArguments, DoubleDashEndsTheOptions) {
    Scratch dir("dashes");
    std::filesystem::copy_file(kSatellite, dir / "-x.bin");
    const std::string cd = "cd " + dir.Path() + " && ";
    Outcome run = Shell(cd + kCli + " info -- -x.bin");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(StartsWith(run.out, "-x.bin\n"));
    run = Shell(cd + kCli + " save -- -x.bin --json");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadAll(dir / "--json"), ReadAll(kSatellite));
    EXPECT_TRUE(Exits(Shell(cd + kCli + " -- info -x.bin"), 0));
    EXPECT_TRUE(ExitsSaying(Shell(cd + kCli + " info -x.bin"), 2,
                            "velmar-cli: invalid option -- 'x.bin'\n" + std::string(kTry)));
}

TEST(CliArguments, ErrorsInTheGnuForm) {
    const std::pair<std::string, std::string> cases[] = {
        {"--frob info x", "unrecognized option '--frob'"},
        {"info --frob x", "unrecognized option '--frob'"},
        {"--json info x", "unrecognized option '--json'"},
        {"--receiver", "option '--receiver' requires an argument"},
        {"info x --receiver", "option '--receiver' requires an argument"},
        {"receive --port", "option '--port' requires an argument"},
        {"frobnicate x", "unknown command 'frobnicate'"},
        {"help frobnicate", "unknown command 'frobnicate'"},
        {"info", "info: missing operand IMAGE"},
        {"import-xls a b", "import-xls: missing operand OUT.bin"},
        {"save a b c", "save: extra operand 'c'"},
        {"receivers x", "receivers: extra operand 'x'"},
        {"--yes", "missing command"},
        {"--byte-order 2 info x", "bad value for --byte-order: 2"},
        {"--mmi 1,2,3 info x", "bad value for --mmi: 1,2,3"},
        {"--product-type 0xZZ info x", "bad value for --product-type: 0xZZ"},
        {"save onlyone", "save: missing operand OUT"},
        {"--receiver nosuch info x", "unknown receiver nosuch (velmar-cli receivers lists them)"},
        {"receive out.bin", "receive: give exactly one of --port, --tcp and --listen"},
        {"send --port a --frob x", "unrecognized option '--frob'"},
        // Standard input once, and not for the script's output.
        {"import-xls - - out.bin </dev/null",
         "import-xls: only one operand can be '-' (standard input)"},
    };
    for (const auto& [args, message] : cases) {
        const Outcome run = Cli(args);
        EXPECT_TRUE(ExitsSaying(run, 2, "velmar-cli: " + message + "\n" + kTry)) << args;
        EXPECT_TRUE(run.out.empty()) << args;
    }
    EXPECT_TRUE(Exits(Cli("edit - - out.bin </dev/null"), 2));
    EXPECT_TRUE(Exits(Cli("edit " + kSatellite + " script.txt -"), 2, "edit: OUT cannot be '-'"));
    // Without arguments: the whole usage.
    const Outcome bare = Cli("");
    EXPECT_TRUE(Exits(bare, 2, "receive LINK OUT.bin"));
    EXPECT_TRUE(StartsWith(bare.err, "usage: velmar-cli"));
}

// ---- The editor and the generators ------------------------------------------------------

TEST(OtherPrograms, TheEditorAnswersHelpAndVersionWithoutADisplay) {
#ifndef VELMAR_EDITOR
    GTEST_SKIP() << "built without the editor";
#else
    const std::string env = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY ";
    Outcome run = Shell(env + VELMAR_EDITOR " --help");
    EXPECT_TRUE(ExitsSaying(run, 0, ""));
    EXPECT_TRUE(StartsWith(run.out, "Usage: velmar [options]\n"));
    EXPECT_TRUE(HasAll(run.out, {"--receiver <NAME>", "--open <FILE>", "--version"}));
    run = Shell(env + VELMAR_EDITOR " --version");
    EXPECT_TRUE(Exits(run, 0));
    EXPECT_TRUE(StartsWith(run.out, "velmar (Velmar) " VELMAR_PROJECT_VERSION));
    EXPECT_TRUE(Exits(Shell(env + VELMAR_EDITOR " --receiver nosuch"), 2,
                      "velmar: unknown receiver \"nosuch\""));
    EXPECT_EQ(Shell(env + VELMAR_EDITOR " --help >/dev/full").status, 1);
#endif
}

TEST(OtherPrograms, TheGeneratorsAnswerHelpAndRefuseOptionsAsFileNames) {
    Scratch dir("generators");
    const std::string cd = "cd " + dir.Path() + " && ";
    for (const std::string tool : {VELMAR_MAKE_EXAMPLE, VELMAR_MAKE_CABLE_EXAMPLE}) { // NOLINT
        const Outcome run = Shell(cd + tool + " --help");
        EXPECT_EQ(run.status, 0) << tool;
        EXPECT_TRUE(StartsWith(run.out, "usage: velmar-make-"));
        for (const char* bad : {"--frob", "-", "-o", ""})
            EXPECT_TRUE(Exits(Shell(cd + tool + " " + bad), 2, "usage: velmar-make-"))
                << tool << bad;
        EXPECT_TRUE(dir.Empty()) << tool << " wrote a file named after an option";
        EXPECT_TRUE(Exits(Shell(cd + tool + " -- -o.bin >/dev/null"), 0));
        EXPECT_TRUE(std::filesystem::exists(dir / "-o.bin"));
        std::filesystem::remove(dir / "-o.bin");
    }
}
