// velmar-cli: loads and saves receiver images the way the editor does, for
// scripts and batch work.
#include "cli/CommandLine.h"
#include "cli/DiffCommand.h"
#include "cli/EditScript.h"
#include "cli/InfoJson.h"
#include "cli/JsonDump.h"
#include "cli/LinkCommands.h"
#include "cli/ListCommands.h"
#include "cli/ReceiverOptions.h"
#include "cli/StandardStreams.h"
#include "contracts/Policy.h"
#include "contracts/Prompt.h"
#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/Document.h"
#include "document/ListCheck.h"
#include "document/WorkbookImport.h"
#include "document/WorkingCopy.h"
#include "image/DefaultTableExport.h"
#include "image/FlashGeometry.h"
#include "image/ImageFile.h"
#include "lists/ListText.h"
#include "platform/EditorSettings.h"
#include "platform/SignalCleanup.h"
#include "xls/ChannelWorkbook.h"
#include "xls/ExcelBook.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kLoadFailed = texts::kCannotOpenImage;
constexpr const char* kSaveFailed = texts::kCannotSaveImage;

int Usage(const std::string& problem) {
    return CliUsageError(problem);
}

// The "-" operands of this run, so that messages name them as given.
const StandardStreamOperands* g_pStreams = nullptr;

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
    Phrase error;
    const int result = OpenAsCurrent(image, ImageForm::Convert, &prompt, &error);
    if (result == 1)
        return true;
    if (result == kImportFileError)
        std::cerr << "velmar-cli: " << English(error) << "\n";
    std::cerr << kLoadFailed << "\n";
    return false;
}

// The list check's findings for the current list.
std::vector<ListFinding> Findings() {
    return CheckList(TheZorvDB(), GetProductType(), FlashGeometry::FromPolicy());
}

// What a list that is about to be written would take to the receiver broken:
// said on stderr; the command goes on as before.
void WarnAbout(const std::vector<ListFinding>& findings) {
    if (!findings.empty())
        std::cerr << "velmar-cli: warning: the list has problems:\n" << ListFindingsText(findings);
}

void WarnAboutList() {
    WarnAbout(Findings());
}

// send IMAGE: the image goes byte for byte, but a list the check flags is
// said first, as save says it. A file that is no image is sent unsaid.
void WarnBeforeSend(const std::string& path) {
    CDocument image;
    if (ReadImageDocument(path, ImageForm::Convert, CurrentImageValues(), image) != 1)
        return;
    WarnAbout(CheckList(image.Store(), GetProductType(), FlashGeometry::FromPolicy()));
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

void PrintInfo(const std::string& image, const ReceiverOptions& options) {
    const CZorvDB& db = TheZorvDB();
    std::printf("%s\n", g_pStreams ? g_pStreams->Shown(image).c_str() : image.c_str());
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
    std::printf("  read as       %s\n", ReceiverAssumed(options).c_str());
}

// The suffix that makes a list read from standard input open as what it is:
// a workbook when it starts with the compound file signature, else an image.
const char* ListSuffix(std::string_view contents) {
    return contents.substr(0, 8) == std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8)
               ? ".xls"
               : ".bin";
}

// Which operands of a command may be "-": inputs read from standard input,
// outputs written to standard output. 0, or the exit status after the
// problem was said.
int StreamOperands(const std::string& command, std::vector<std::string>& operands,
                   StandardStreamOperands& streams) {
    struct Input {
        std::size_t at;
        std::uint64_t maxBytes;
        const char* suffix;
    };
    std::vector<Input> inputs;
    const Input image{0, static_cast<std::uint64_t>(kMaxImageFileBytes), ".bin"};
    std::size_t output = 0; // 0: none
    const char* outputSuffix = ".bin";
    if (command == "dump-xls") {
        inputs = {{0, kMaxWorkbookFileBytes, ".xls"}};
    } else if (command == "import-xls") {
        inputs = {image, {1, kMaxWorkbookFileBytes, ".xls"}};
        output = 2;
    } else if (command == "import-csv") {
        inputs = {image, {1, kMaxListFileBytes, ".csv"}};
    } else {
        inputs = {image};
        if (command == "save" || command == "export-h" || command == "export-xls" ||
            command == "export-csv")
            output = 1;
        if (command == "export-h")
            outputSuffix = ".h";
        if (command == "export-xls")
            outputSuffix = ".xls";
        if (command == "export-csv")
            outputSuffix = ".csv";
    }
    std::size_t fromStdin = 0;
    for (const Input& in : inputs)
        fromStdin += operands[in.at] == "-" ? 1 : 0;
    if (command == "edit") {
        fromStdin += operands[1] == "-" ? 1 : 0;
        if (operands[2] == "-")
            return Usage("edit: OUT cannot be '-': the script's output goes to standard output");
    }
    if (fromStdin > 1)
        return Usage(command + ": only one operand can be '-' (standard input)");
    std::string error;
    for (const Input& in : inputs) {
        if (!streams.Input(operands[in.at], in.maxBytes, in.suffix, error)) {
            std::cerr << "velmar-cli: " << error << "\n" << kLoadFailed << "\n";
            return 1;
        }
    }
    if (output != 0 && !streams.Output(operands[output], outputSuffix, error)) {
        std::cerr << "velmar-cli: " << error << "\n" << kSaveFailed << "\n";
        return 1;
    }
    return 0;
}

int Run(const std::vector<std::string>& args, StandardStreamOperands& streams) {
    const CliInvocation line = ParseCliArguments(args);
    if (line.exitStatus)
        return *line.exitStatus;
    const std::string& command = line.command;
    std::vector<std::string> operands = line.operands;
    const ReceiverOptions& options = line.receiver;
    if (command == "receivers") {
        std::ostringstream text;
        PrintReceiverProfiles(text);
        return WriteStandardOutput(text.str()) ? 0 : 1;
    }
    if (IsLinkCommand(command)) {
        if (command == "send") {
            options.Apply();
            WarnBeforeSend(line.link.file);
        }
        return RunLinkCommand(command, line.link);
    }
    const bool json = line.json;
    if (command == "diff") {
        // One side may be "-": standard input, an image or a workbook as its
        // first bytes say, and named "-" in what is printed.
        if (operands[0] == "-" && operands[1] == "-")
            return Usage("diff: only one of A and B can be '-' (standard input)");
        options.Apply();
        std::string layout;
        if (!FlashGeometry::FromPolicy().Valid(&layout))
            return Usage(layout);
        std::string error;
        for (std::string& operand : operands)
            if (!streams.Input(operand,
                               std::max<std::uint64_t>(kMaxWorkbookFileBytes, kMaxImageFileBytes),
                               &ListSuffix, error)) {
                std::cerr << "velmar-cli: -: " << error << "\n";
                return 2;
            }
        FlagPrompt prompt(options.yes);
        return RunDiffCommand(operands[0], operands[1], streams.Shown(operands[0]),
                              streams.Shown(operands[1]), json, &prompt);
    }
    if (const int status = StreamOperands(command, operands, streams); status != 0)
        return status;
    g_pStreams = &streams;

    if (command == "dump-xls") {
        // A workbook alone: its channels, straight from the sheet.
        std::string problem;
        const auto channels = ReadChannelWorkbook(operands[0], problem);
        if (!channels) {
            std::cerr << problem << "\n";
            return 1;
        }
        return StreamWorkbookJson(*channels, WriteStandardOutput) ? 0 : 1;
    }
    options.Apply();
    if (const std::string note = ReceiverChoiceNote(options, EditorReceiverChoice()); !note.empty())
        std::cerr << note << "\n";
    std::string layoutProblem;
    if (!FlashGeometry::FromPolicy().Valid(&layoutProblem))
        return Usage(layoutProblem);
    if (command == "check")
        return Check(operands[0], options.yes, json);
    if (!Open(operands[0], options.yes))
        return 1;

    if (command == "edit")
        return RunEditCommand(operands[1], operands[2]);
    if (IsListCommand(command))
        return RunListCommand(line, operands, [](const std::string& out) {
            WarnAboutList();
            SaveReport report;
            return ExportWorkingCopy(out, &report) == 1 ? 0 : SaveFailed(report);
        });
    if (command == "info" && json) {
        if (!WriteStandardOutput(
                InfoJson(ComputeStatistics(TheZorvDB(), g_bZorvImage), TheZorvDB())))
            return 1;
    } else if (command == "info") {
        PrintInfo(operands[0], options);
    } else if (command == "dump") {
        if (!WriteStandardOutput(DumpJson(GetProductType())))
            return 1;
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
    (void)std::signal(SIGXFSZ, SIG_IGN);
    // A closed pipe on standard output is a failed write (EPIPE), reported
    // like any other, not a silent death halfway through the output.
    (void)std::signal(SIGPIPE, SIG_IGN);
    // Ctrl+C, a `timeout` or a closed terminal leaves no half-written file.
    InstallSignalCleanup();
    // Nothing the tool does may end it with an uncaught exception.
    try {
        StandardStreamOperands streams;
        int status = Run(std::vector<std::string>(argv + 1, argv + argc), streams);
        status = streams.Finish(status);
        if (!FinishStandardOutput())
            status = 1;
        return status;
    } catch (const std::bad_alloc&) {
        std::cerr << "velmar-cli: not enough memory\n";
    } catch (const std::exception& e) {
        std::cerr << "velmar-cli: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "velmar-cli: an unexpected error ended the command\n";
    }
    return 1;
}
