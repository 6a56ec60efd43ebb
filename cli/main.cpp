// velmar-cli: loads and saves receiver images the way the editor does, for
// scripts and batch work.
#include "cli/EditScript.h"
#include "cli/InfoJson.h"
#include "cli/JsonDump.h"
#include "cli/LinkCommands.h"
#include "cli/ReceiverOptions.h"
#include "contracts/Policy.h"
#include "contracts/Prompt.h"
#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/ListCheck.h"
#include "document/WorkbookImport.h"
#include "document/WorkingCopy.h"
#include "image/DefaultTableExport.h"
#include "image/FlashGeometry.h"
#include "xls/ChannelWorkbook.h"
#include "xls/ExcelBook.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage = R"(usage: velmar-cli [options] COMMAND ...

commands:
  info IMAGE            summary of the image: header form, product, table sizes
  info --json IMAGE     the Information figures as JSON: capacities, counts, duplicates
  dump IMAGE            every table and the header state as JSON on stdout
  save IMAGE OUT        open IMAGE and save it to OUT as the editor does
  export-h IMAGE OUT.h  the channel table as a C source fragment
  export-xls IMAGE OUT.xls          the channel table into the workbook's "Channel" sheet
  import-xls IMAGE IN.xls OUT.bin   open IMAGE, take the channels of IN.xls, save to OUT.bin
  dump-xls IN.xls       the workbook's channel table as the dump's "channels" JSON
  check [--json] IMAGE|IN.xls  the list check: numbers taken twice, references to
                        what the list lacks, favourite positions, names, capacity;
                        exit status 1 when it finds anything, 0 when none
  edit IMAGE SCRIPT OUT open IMAGE, run the editing commands of SCRIPT ("-": standard
                        input) and save to OUT as the editor's Save does (see below)
  receivers             the receiver profiles that --receiver names
  receive LINK OUT.bin  an image from a receiver (YMODEM), in the working form
  send LINK IMAGE       IMAGE to a receiver (YMODEM), byte for byte

receiver options (default: the editor's start-up configuration):
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

constexpr const char* kLoadFailed = texts::kCannotOpenImage;
constexpr const char* kSaveFailed = texts::kCannotSaveImage;

int Usage(const std::string& problem) {
    if (!problem.empty())
        std::cerr << "velmar-cli: " << problem << "\n";
    std::cerr << kUsage << EditScriptHelp() << "\n" << kLinkUsage;
    return 2;
}

// Answers the header question from --yes and says on stderr what it answered.
class FlagPrompt final : public IUserPrompt {
public:
    explicit FlagPrompt(bool yes) : m_bYes(yes) {}
    PromptAnswer Ask(std::string_view text, PromptButtons buttons, PromptIcon) override {
        if (buttons == PromptButtons::Ok) {
            std::cerr << text << "\n";
            return PromptAnswer::Ok;
        }
        std::cerr << text << " " << (m_bYes ? "Yes (--yes)" : "No (pass --yes to continue)")
                  << "\n";
        return m_bYes ? PromptAnswer::Yes : PromptAnswer::No;
    }

private:
    bool m_bYes;
};

// The image becomes the current document in memory; a command writes only
// the file it produces, never a working copy.
bool Open(const std::string& image, bool yes) {
    FlagPrompt prompt(yes);
    std::string error;
    const int result = OpenAsCurrent(image, ImageForm::Convert, &prompt, &error);
    if (result == 1)
        return true;
    if (result == kImportFileError)
        std::cerr << "velmar-cli: " << error << "\n";
    std::cerr << kLoadFailed << "\n";
    return false;
}

// The list check's findings for the current list.
std::vector<ListFinding> Findings() {
    return CheckList(TheZorvDB(), GetProductType(), FlashGeometry::FromPolicy());
}

// What a list that is about to be written would take to the receiver broken:
// said on stderr; the command goes on as before.
void WarnAboutList() {
    const auto findings = Findings();
    if (!findings.empty())
        std::cerr << "velmar-cli: warning: the list has problems:\n" << ListFindingsText(findings);
}

// check IMAGE|WORKBOOK: the findings, and 1 when there are any.
int Check(const std::string& path, bool yes, bool json) {
    const std::string::size_type dot = path.find_last_of('.');
    const std::string extension =
        dot != std::string::npos && dot >= 2 ? path.substr(dot + 1) : std::string();
    if (extension == "xls" || extension == "cvs") {
        std::string problem;
        const auto channels = ReadChannelWorkbook(path, problem);
        if (!channels) {
            std::cerr << problem << "\n";
            return 2;
        }
        TheZorvDB().ClearAll();
        ReplaceChannelTable(TheZorvDB(), *channels);
    } else if (!Open(path, yes)) {
        return 2;
    }
    const auto findings = Findings();
    if (json)
        std::cout << "{\"findings\": " << ListFindingsJson(findings) << "}\n";
    else
        std::cout << ListFindingsText(findings);
    return findings.empty() ? 0 : 1;
}

int SaveFailed(const SaveReport& report) {
    std::cerr << report.message << "\n";
    if (!report.detail.empty())
        std::cerr << "velmar-cli: " << report.detail << "\n";
    return 1;
}

void PrintInfo(const std::string& image) {
    const CZorvDB& db = TheZorvDB();
    std::printf("%s\n", image.c_str());
    std::printf("  header form   %s\n",
                g_bZorvImage ? "ZORV (64-byte header, CRC)" : "working (VX)");
    std::printf("  product       list %d, type 0x%02X, byte order %d\n", GetProductList(),
                static_cast<unsigned>(GetProductType()), GetFlashByteOrder());
    const struct {
        const char* name;
        std::uint8_t table;
    } rows[] = {{"favourites", kTableFavorite},
                {"satellites", kTableSatellite},
                {"transponders", kTableTransponder},
                {"broadcasts", kTableBroadcast},
                {"terrestrial muxes", kTableTerrestrialMux},
                {"cable muxes", kTableCableMux},
                {"channels", kTableChannel}};
    for (const auto& row : rows)
        std::printf("  %-17s %u\n", row.name, static_cast<unsigned>(db.Size(row.table)));
    unsigned tv = 0, radio = 0, locked = 0;
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel)) {
        tv += IsTV(c) ? 1 : 0;
        radio += !IsTV(c) && IsRadio(c) ? 1 : 0;
        locked += (c.Attributes & kAttrLocked) ? 1 : 0;
    }
    std::printf("    TV / radio      %u / %u (%u locked)\n", tv, radio, locked);
    std::printf("  highest TPID  %u\n", static_cast<unsigned>(g_nMaxTPID));
}

int Run(const std::vector<std::string>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kUsage << EditScriptHelp();
        return 0;
    }
    std::size_t index = 0;
    ReceiverOptions options;
    std::string error;
    if (!ParseReceiverOptions(args, index, options, error))
        return Usage(error);
    if (index >= args.size())
        return Usage("no command");
    const std::string command = args[index++];
    std::vector<std::string> operands(args.begin() + static_cast<long>(index), args.end());
    if (command == "receivers") {
        if (!operands.empty())
            return Usage("receivers takes no file name");
        PrintReceiverProfiles(std::cout);
        return 0;
    }
    if (IsLinkCommand(command))
        return RunLinkCommand(command, operands);
    const bool json =
        (command == "info" || command == "check") && !operands.empty() && operands[0] == "--json";
    if (json)
        operands.erase(operands.begin());
    const std::size_t wanted =
        command == "info" || command == "dump" || command == "dump-xls" || command == "check" ? 1
        : command == "save" || command == "export-h" || command == "export-xls"               ? 2
        : command == "import-xls" || command == "edit"                                        ? 3
                                                                                              : 0;
    if (wanted == 0)
        return Usage("unknown command " + command);
    if (operands.size() != wanted)
        return Usage(command + " takes " + std::to_string(wanted) + " file name(s)");

    if (command == "dump-xls") {
        // A workbook alone: its channel table into an empty store.
        std::string problem;
        const auto channels = ReadChannelWorkbook(operands[0], problem);
        if (!channels) {
            std::cerr << problem << "\n";
            return 1;
        }
        TheZorvDB().ClearAll();
        ReplaceChannelTable(TheZorvDB(), *channels);
        std::cout << DumpChannelsJson() << "\n";
        return 0;
    }
    options.Apply();
    std::string layoutProblem;
    if (!FlashGeometry::FromPolicy().Valid(&layoutProblem))
        return Usage(layoutProblem);
    if (command == "check")
        return Check(operands[0], options.yes, json);
    if (!Open(operands[0], options.yes))
        return 1;

    if (command == "edit")
        return RunEditCommand(operands[1], operands[2]);
    if (command == "info" && json) {
        std::cout << InfoJson(ComputeStatistics(TheZorvDB(), g_bZorvImage), TheZorvDB());
    } else if (command == "info") {
        PrintInfo(operands[0]);
    } else if (command == "dump") {
        std::cout << DumpJson(GetProductType());
    } else if (command == "save") {
        WarnAboutList();
        SaveReport report;
        if (ExportWorkingCopy(operands[1], &report) != 1)
            return SaveFailed(report);
    } else if (command == "export-xls") {
        std::string message;
        if (!ExportChannelWorkbook(TheZorvDB(), operands[1], &message)) {
            std::cerr << message << "\n";
            return 1;
        }
    } else if (command == "import-xls") {
        std::string problem;
        auto channels = ReadChannelWorkbook(operands[1], problem);
        if (!channels) {
            std::cerr << problem << "\n";
            return 1;
        }
        // Rows the list cannot hold are left out and said; a sheet of which
        // none can be taken leaves the list as it was, and nothing is saved.
        const ImportReport filtered =
            FilterImportedChannels(TheZorvDB(), GetProductType(), *channels);
        if (const std::string said = ImportReportMessage(filtered); !said.empty())
            std::cerr << said << "\n";
        if (filtered.Refused())
            return 1;
        ReplaceChannelTable(TheZorvDB(), *channels);
        WarnAboutList();
        SaveReport report;
        if (ExportWorkingCopy(operands[2], &report) != 1)
            return SaveFailed(report);
    } else {
        std::string why;
        if (!WriteDefaultChannelTable(TheZorvDB(), operands[1], &why)) {
            std::cerr << kSaveFailed << "\nvelmar-cli: " << why << "\n";
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // A file-size limit should fail a write, which is reported, not kill the tool.
    std::signal(SIGXFSZ, SIG_IGN);
    // Nothing the tool does may end it with an uncaught exception.
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        std::cerr << "velmar-cli: not enough memory\n";
    } catch (const std::exception& e) {
        std::cerr << "velmar-cli: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "velmar-cli: an unexpected error ended the command\n";
    }
    return 1;
}
