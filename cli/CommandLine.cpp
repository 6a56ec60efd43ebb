#include "cli/CommandLine.h"

#include "cli/EditScript.h"
#include "cli/StandardStreams.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <map>
#include <sstream>

namespace {

constexpr const char* kCommands = R"(usage: velmar-cli [options] COMMAND ...
       velmar-cli help [COMMAND]    velmar-cli COMMAND --help    velmar-cli --version

commands:
  info IMAGE            summary of the image: header form, product, table sizes
  info --json IMAGE     the Information figures as JSON: capacities, counts, duplicates
  dump IMAGE            every table and the header state as JSON on stdout
  save IMAGE OUT        open IMAGE and save it to OUT as the editor does
  export-h IMAGE OUT.h  the channel table as a C source fragment
  export-xls IMAGE OUT.xls          the channel table into the workbook's "Channel" sheet
  import-xls IMAGE IN.xls OUT.bin   open IMAGE, take the channels of IN.xls, save to OUT.bin
  dump-xls IN.xls       the workbook's channel table as JSON
  export-csv IMAGE OUT.csv [--bom]  the channel table as CSV, the "Channel" sheet's columns
  import-csv IMAGE IN.csv OUT       open IMAGE, take the channels of IN.csv, save to OUT
  import-satellites IMAGE FILE.xml OUT [--sat POSITION ...] [--prune]
                        satellites and transponders from a satellites.xml list
  check [--json] IMAGE|IN.xls  the list check: numbers taken twice, references to
                        what the list lacks, favourite positions, names, capacity;
                        exit status 1 when it finds anything, 0 when none
  diff [--json] A B     the differences between two lists (images or workbooks);
                        exit status 0 the same, 1 different, 2 trouble
  edit IMAGE SCRIPT OUT open IMAGE, run the editing commands of SCRIPT ("-": standard
                        input) and save to OUT as the editor's Save does (see below)
  receivers             the receiver profiles that --receiver names
  receive LINK OUT.bin  an image from a receiver (YMODEM), in the working form
  send LINK IMAGE       IMAGE to a receiver (YMODEM), byte for byte

"-" as IMAGE or IN.xls reads standard input, "-" as OUT, OUT.h, OUT.xls or OUT.bin
writes standard output (not for edit's OUT, nor for receive and send).
Options go before or after the command; "--" ends them.
)";

constexpr const char* kReceiverOptions =
    R"(receiver options (default: the editor's start-up configuration):
  --receiver NAME       a receiver profile's geometry; the options below change it
  --product-list N      model number (7)
  --product-type T      type bits, decimal or 0x hex (1)
  --byte-order 0|1      entry byte order (0)
  --sector-size Z       flash sector size in bytes (4096)
  --max-mux M           terrestrial multiplexes per sector (64)
  --mmi START,SECTORS,ENTRY,MAX     favourite block (0,1,20,8)
  --sat START,SECTORS,ENTRY         satellite block (4096,1,32)
  --brd START,SECTORS,ENTRY         broadcast block (8192,2,20)
  --tp START,SECTORS,ENTRY          transponder block (16384,8,20)
  --ch START,SECTORS,ENTRY,NAMELEN  channel block (49152,64,56,28)
  --yes                 answer Yes to "Cannot read file header. Continue?"
)";

constexpr const char* kTry = "Try 'velmar-cli --help' for more information.\n";

enum class Extra { Receiver, Edit, Link, None };

struct CommandSpec {
    const char* name;
    const char* options;  // shown in the synopsis before the operands
    const char* operands; // their names, blank-separated
    const char* text;     // what it does, for its help
    Extra extra;
};

const CommandSpec kSpecs[] = {
    {"info", "[--json] ", "IMAGE",
     "A summary of IMAGE: header form, product, the size of every table, TV and radio\n"
     "counts. With --json the figures of the editor's Information instead, as JSON:\n"
     "capacities, counts and duplicates. IMAGE may be \"-\" (standard input).\n",
     Extra::Receiver},
    {"dump", "", "IMAGE",
     "Every table and the header state of IMAGE as JSON on standard output.\n"
     "IMAGE may be \"-\" (standard input).\n",
     Extra::Receiver},
    {"save", "", "IMAGE OUT",
     "Open IMAGE and save it to OUT as the editor does. IMAGE may be \"-\" (standard\n"
     "input), OUT may be \"-\" (standard output).\n",
     Extra::Receiver},
    {"export-h", "", "IMAGE OUT.h",
     "The channel table of IMAGE as a C source fragment. IMAGE may be \"-\" (standard\n"
     "input), OUT.h may be \"-\" (standard output).\n",
     Extra::Receiver},
    {"export-xls", "", "IMAGE OUT.xls",
     "The channel table of IMAGE into the \"Channel\" sheet of the workbook OUT.xls.\n"
     "IMAGE may be \"-\" (standard input), OUT.xls may be \"-\" (standard output: a new\n"
     "workbook).\n",
     Extra::Receiver},
    {"import-xls", "", "IMAGE IN.xls OUT.bin",
     "Open IMAGE, replace its channel table with the one of IN.xls and save to\n"
     "OUT.bin. One of IMAGE and IN.xls may be \"-\" (standard input), OUT.bin may be\n"
     "\"-\" (standard output).\n",
     Extra::Receiver},
    {"export-csv", "[--bom] ", "IMAGE OUT.csv",
     "The channel table of IMAGE as a CSV file (RFC 4180, UTF-8, CRLF) with the columns\n"
     "of the workbook's \"Channel\" sheet. --bom starts it with a UTF-8 byte order mark,\n"
     "which some spreadsheet programs need to read the names right. IMAGE may be \"-\"\n"
     "(standard input), OUT.csv may be \"-\" (standard output).\n",
     Extra::Receiver},
    {"import-csv", "", "IMAGE IN.csv OUT",
     "Open IMAGE, replace its channel table with the rows of the CSV file IN.csv (',' or\n"
     "';', CRLF or LF, columns named as in the \"Channel\" sheet) and save to OUT. Rows\n"
     "the list cannot hold are left out and said, as import-xls says them. IMAGE or\n"
     "IN.csv (one of them) may be \"-\" (standard input).\n",
     Extra::Receiver},
    {"import-satellites", "[--sat POSITION ...] [--prune] ", "IMAGE FILE.xml OUT",
     "Open IMAGE, bring its satellites and transponders up to date from the\n"
     "satellites.xml list FILE.xml and save to OUT. A satellite at the same position\n"
     "gets the file's transponders: new ones are added, those within 2 MHz with the\n"
     "same polarisation updated, and those the file lacks listed and kept, or deleted\n"
     "with their channels with --prune. Other satellites are added with their\n"
     "transponders. --sat POSITION (192, -50, 19.2E, 5.0W; repeatable) takes only those\n"
     "satellites of the file. After the command --sat names a position; the satellite\n"
     "block's geometry option goes before the command.\n",
     Extra::Receiver},
    {"dump-xls", "", "IN.xls",
     "The channel table of the workbook IN.xls as JSON. IN.xls may be \"-\" (standard\n"
     "input).\n",
     Extra::None},
    {"check", "[--json] ", "IMAGE|IN.xls",
     "The list check of IMAGE (or of the workbook IN.xls): channels of one kind on one\n"
     "number, channels and transponders that name a satellite, transponder, multiplex\n"
     "or provider the list lacks, favourite positions that repeat or leave holes,\n"
     "names the receiver cannot show, tables over its capacity. Prints each finding\n"
     "with the first channels it concerns (--json: as JSON) and exits 1 when there\n"
     "is any, 0 when there is none, 2 when the file cannot be read.\n",
     Extra::Receiver},
    {"diff", "[--json] ", "A B",
     "The differences between the lists A and B, each an image or a workbook (.xls):\n"
     "channels only in one of them, and for channels in both (matched by service ids,\n"
     "then by name within TV or radio) a changed number, name, tuning (satellite,\n"
     "transponder, PIDs), lock, skip or scrambled flag or favourite lists; satellites\n"
     "(by position) and transponders (by frequency within 2 MHz, same polarisation)\n"
     "only in one list or changed. One line a difference under a heading per group\n"
     "with its count (--json: as JSON). Exit status 0 when the lists are the same\n"
     "(nothing printed), 1 when they differ, 2 when one cannot be read. A or B (one\n"
     "of them) may be \"-\": standard input, named \"-\" in the report.\n",
     Extra::Receiver},
    {"edit", "", "IMAGE SCRIPT OUT",
     "Open IMAGE, run the editing commands of SCRIPT and save to OUT as the editor's\n"
     "Save does: a workbook when OUT ends in .xls, otherwise an image built from IMAGE.\n"
     "One of IMAGE and SCRIPT may be \"-\" (standard input). OUT is a file: the script's\n"
     "show and descriptions print on standard output.\n",
     Extra::Edit},
    {"receivers", "", "",
     "The receiver profiles that --receiver names: what each receiver is, the caption\n"
     "the editor shows for it and the geometry options it stands for.\n",
     Extra::None},
    {"receive", "LINK ", "OUT.bin",
     "An image from a receiver over YMODEM, saved to OUT.bin in the working form.\n", Extra::Link},
    {"send", "LINK ", "IMAGE", "IMAGE to a receiver over YMODEM, byte for byte.\n", Extra::Link},
    {"help", "", "[COMMAND]", "The usage of velmar-cli, or of one command.\n", Extra::None},
};

const CommandSpec* FindSpec(const std::string& name) {
    for (const CommandSpec& s : kSpecs)
        if (name == s.name)
            return &s;
    return nullptr;
}

std::vector<std::string> OperandNames(const CommandSpec& entry) {
    std::vector<std::string> names;
    std::string text = entry.operands;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t blank = std::min(text.find(' ', at), text.size());
        names.push_back(text.substr(at, blank - at));
        at = blank + 1;
    }
    return names;
}

void PrintUsage(std::ostream& out) {
    out << kCommands << "\n" << kReceiverOptions << EditScriptHelp() << "\n" << kLinkUsage;
}

void PrintCommandHelp(const CommandSpec& entry, std::ostream& out) {
    const bool receiver = entry.extra == Extra::Receiver || entry.extra == Extra::Edit;
    out << "usage: velmar-cli " << (receiver ? "[receiver options] " : "") << entry.name << " "
        << entry.options << entry.operands << "\n\n"
        << entry.text;
    if (entry.extra == Extra::Receiver || entry.extra == Extra::Edit)
        out << "\n" << kReceiverOptions;
    if (entry.extra == Extra::Edit)
        out << EditScriptHelp();
    if (entry.extra == Extra::Link)
        out << "\n" << kLinkUsage;
}

// Help and version through the checked writer: all of it, or status 1.
CliInvocation Printed(const std::string& text) {
    CliInvocation done;
    done.exitStatus = WriteStandardOutput(text) ? 0 : 1;
    return done;
}

std::string UsageText() {
    std::ostringstream text;
    PrintUsage(text);
    return text.str();
}

std::string CommandHelpText(const CommandSpec& entry) {
    std::ostringstream text;
    PrintCommandHelp(entry, text);
    return text.str();
}

CliInvocation Exit(int status) {
    CliInvocation done;
    done.exitStatus = status;
    return done;
}

CliInvocation UsageError(const std::string& message) {
    return Exit(CliUsageError(message));
}

// CLI11 says "--receiver: 1 required TEXT missing"; GNU says this.
std::string MissingValueMessage(const std::string& what) {
    const std::size_t colon = what.find(':');
    if (colon != std::string::npos && what.rfind('-', 0) == 0)
        return "option '" + what.substr(0, colon) + "' requires an argument";
    return what;
}

std::string UnknownArgumentMessage(const std::string& arg, bool haveCommand) {
    if (arg.rfind("--", 0) == 0)
        return "unrecognized option '" + arg + "'";
    if (arg.size() > 1 && arg[0] == '-')
        return "invalid option -- '" + arg.substr(1) + "'";
    return haveCommand ? "extra operand '" + arg + "'" : "unknown command '" + arg + "'";
}

// The options of one command line as the existing option parsers read them:
// name and value in the order given, so the last of a repeated one wins.
std::vector<std::string> InOrder(const CLI::App& app,
                                 const std::map<const CLI::Option*, std::string>& names) {
    std::vector<std::string> out;
    std::map<const CLI::Option*, std::size_t> used;
    for (const CLI::Option* option : app.parse_order()) {
        const auto name = names.find(option);
        if (name == names.end())
            continue;
        const std::size_t k = used[option]++;
        out.push_back(name->second);
        if (k < option->results().size())
            out.push_back(option->results()[k]);
    }
    return out;
}

CLI::Option* ValueOption(CLI::App& app, const std::string& name,
                         std::map<const CLI::Option*, std::string>& names) {
    CLI::Option* option =
        app.add_option(name)->take_all()->type_size(1)->expected(1)->allow_extra_args(false);
    names[option] = name;
    return option;
}

struct Parsed {
    const CommandSpec* entry = nullptr;
    bool help = false, version = false, json = false, yes = false, bom = false, prune = false;
    std::vector<std::string> satellites;
    std::vector<std::string> operands, receiverArgs, linkArgs;
    std::vector<std::string> unknown;
};

// One pass of CLI11 over `args`, none of which is "--".
Parsed ParseOnce(const std::vector<std::string>& args) {
    Parsed p;
    CLI::App app{"", "velmar-cli"};
    app.set_help_flag();
    app.allow_extras();
    app.require_subcommand(0, 1);
    app.add_flag("-h,--help", p.help);
    app.add_flag("--version", p.version);
    std::map<const CLI::Option*, std::string> receiverNames;
    for (const char* name :
         {"--receiver", "--product-list", "--product-type", "--byte-order", "--sector-size",
          "--max-mux", "--mmi", "--sat", "--brd", "--tp", "--ch"})
        ValueOption(app, name, receiverNames);
    app.add_flag("--yes", p.yes);

    std::map<std::string, CLI::App*> subs;
    std::map<const CLI::Option*, std::string> linkNames;
    bool subHelp = false;
    for (const CommandSpec& entry : kSpecs) {
        CLI::App* sub = app.add_subcommand(entry.name, entry.text);
        sub->set_help_flag();
        sub->allow_extras();
        sub->add_flag("-h,--help", subHelp);
        sub->add_option("operands", p.operands);
        if (entry.extra == Extra::Link) {
            for (const char* name :
                 {"--port", "--baud", "--tcp", "--listen", "--timeout", "--reply-timeout"})
                ValueOption(*sub, name, linkNames);
        } else if (entry.extra != Extra::None || std::string(entry.name) == "dump-xls") {
            // Receiver options may follow the command too.
            sub->fallthrough();
        }
        if (std::string(entry.name) == "info" || std::string(entry.name) == "check" ||
            std::string(entry.name) == "diff")
            sub->add_flag("--json", p.json);
        if (std::string(entry.name) == "export-csv")
            sub->add_flag("--bom", p.bom);
        if (std::string(entry.name) == "import-satellites") {
            sub->add_flag("--prune", p.prune);
            sub->add_option("--sat", p.satellites)
                ->take_all()
                ->type_size(1)
                ->expected(1)
                ->allow_extra_args(false)
                ->delimiter(',');
        }
        subs[entry.name] = sub;
    }

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    app.parse(reversed);
    for (const auto& [name, sub] : subs) {
        if (sub->parsed()) {
            p.entry = FindSpec(name);
            p.linkArgs = InOrder(*sub, linkNames);
        }
    }
    p.help = p.help || subHelp;
    p.receiverArgs = InOrder(app, receiverNames);
    p.unknown = app.remaining(true);
    return p;
}

} // namespace

int CliUsageError(const std::string& message) {
    std::cerr << "velmar-cli: " << message << "\n" << kTry;
    return 2;
}

std::string CliVersion() {
    std::string text = "velmar-cli (Velmar) " VELMAR_VERSION;
    const std::string describe = VELMAR_GIT_DESCRIBE;
    if (!describe.empty())
        text += " (" + describe + ")";
    return text;
}

CliInvocation ParseCliArguments(const std::vector<std::string>& args) {
    if (args.empty()) {
        PrintUsage(std::cerr);
        return Exit(2);
    }
    // "--" ends the options here, before CLI11, which would hand the rest of
    // a command's operands back to the main parser.
    const auto mark = std::find(args.begin(), args.end(), "--");
    std::vector<std::string> head(args.begin(), mark);
    std::vector<std::string> tail(mark == args.end() ? mark : mark + 1, args.end());

    Parsed p;
    try {
        p = ParseOnce(head);
        if (!p.entry && !p.help && !p.version && p.unknown.empty() && !tail.empty()) {
            // "velmar-cli [options] -- COMMAND ...": the first operand names it.
            head.push_back(tail.front());
            tail.erase(tail.begin());
            p = ParseOnce(head);
        }
    } catch (const CLI::ArgumentMismatch& e) {
        return UsageError(MissingValueMessage(e.what()));
    } catch (const CLI::ParseError& e) {
        return UsageError(e.what());
    }
    if (!p.unknown.empty())
        return UsageError(UnknownArgumentMessage(p.unknown.front(), p.entry != nullptr));
    if (p.version)
        return Printed(CliVersion() + "\n");
    p.operands.insert(p.operands.end(), tail.begin(), tail.end());
    if (p.entry && std::string(p.entry->name) == "help" && !p.help) {
        if (p.operands.empty())
            return Printed(UsageText());
        const CommandSpec* about = FindSpec(p.operands[0]);
        if (!about)
            return UsageError("unknown command '" + p.operands[0] + "'");
        if (p.operands.size() > 1)
            return UsageError("help: extra operand '" + p.operands[1] + "'");
        return Printed(CommandHelpText(*about));
    }
    if (p.help)
        return Printed(p.entry ? CommandHelpText(*p.entry) : UsageText());
    if (!p.entry)
        return UsageError("missing command");

    CliInvocation run;
    run.command = p.entry->name;
    run.json = p.json;
    run.bom = p.bom;
    run.prune = p.prune;
    run.satellites = p.satellites;
    const std::vector<std::string> names = OperandNames(*p.entry);
    if (p.operands.size() < names.size())
        return UsageError(run.command + ": missing operand " + names[p.operands.size()]);
    if (p.operands.size() > names.size())
        return UsageError(run.command + ": extra operand '" + p.operands[names.size()] + "'");
    run.operands = p.operands;

    std::size_t index = 0;
    std::string error;
    std::vector<std::string> receiverArgs = p.receiverArgs;
    if (!ParseReceiverOptions(receiverArgs, index, run.receiver, error))
        return UsageError(error);
    run.receiver.yes = p.yes;
    if (p.entry->extra == Extra::Link) {
        // The link's own checks, on the options in their order and the file.
        std::vector<std::string> linkArgs = p.linkArgs;
        linkArgs.push_back("FILE");
        if (!ParseLinkCommandLine(linkArgs, run.link, error))
            return UsageError(run.command + ": " + error);
        run.link.file = run.operands[0];
    }
    return run;
}
