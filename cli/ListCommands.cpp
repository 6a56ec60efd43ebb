#include "cli/ListCommands.h"

#include "cli/CommandLine.h"
#include "contracts/ZorvDB.h"
#include "document/EditSession.h"
#include "document/ListImportEdits.h"
#include "lists/ChannelCsv.h"
#include "lists/SatellitesXml.h"

#include <iostream>

namespace {

int ExportCsv(const CliInvocation& line, const std::string& out) {
    std::string error;
    if (!ExportChannelCsv(TheZorvDB(), out, line.bom, error)) {
        std::cerr << "velmar-cli: " << error << "\n";
        return 1;
    }
    return 0;
}

int ImportCsv(const std::string& in, const std::string& out,
              const std::function<int(const std::string&)>& save) {
    EditSession session(TheZorvDB());
    const CsvImportResult result = RunImportChannelCsv(session, in);
    if (!result.message.empty())
        std::cerr << result.message << "\n";
    return result.imported ? save(out) : 1;
}

int ImportSatellitesCommand(const CliInvocation& line, const std::string& xml,
                            const std::string& out,
                            const std::function<int(const std::string&)>& save) {
    SatelliteImportOptions options;
    options.prune = line.prune;
    for (const std::string& text : line.satellites) {
        const auto position = ParsePosition(text);
        if (!position)
            return CliUsageError("import-satellites: '" + text +
                                 "' is no position (192, -50, 19.2E or 5.0W)");
        options.positions.push_back(*position);
    }
    std::string error;
    const auto file = ReadSatellitesXml(xml, error);
    if (!file) {
        std::cerr << "velmar-cli: " << error << "\nNothing was changed.\n";
        return 1;
    }
    EditSession session(TheZorvDB());
    const SatelliteImportReport report = RunImportSatellites(session, *file, options);
    std::cerr << SatelliteImportSummary(report) << "\n";
    return report.Ok() ? save(out) : 1;
}

} // namespace

bool IsListCommand(const std::string& command) {
    return command == "export-csv" || command == "import-csv" || command == "import-satellites";
}

int RunListCommand(const CliInvocation& line, const std::vector<std::string>& operands,
                   const std::function<int(const std::string&)>& save) {
    if (line.command == "export-csv")
        return ExportCsv(line, operands[1]);
    if (line.command == "import-csv")
        return ImportCsv(operands[1], operands[2], save);
    return ImportSatellitesCommand(line, operands[1], operands[2], save);
}
