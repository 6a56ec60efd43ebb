// The imports from plain list files as named edits of the edit session, for
// the editor's toolbar and velmar-cli alike: a CSV file's channels replace
// the channel table (rows the list cannot hold left out and said, as the
// workbook import says them), and a satellites.xml file brings satellites
// and transponders up to date. A refusal or a failure changes nothing.
#pragma once

#include "lists/SatelliteImport.h"

#include <string>

class EditSession;

struct CsvImportResult {
    bool imported = false;
    // What the user is told: why nothing was imported, or which rows were
    // left out or taken with a remark (empty when every row was taken); the
    // phrase for the editor, the English for velmar-cli.
    Phrase said;
    std::string message;
};
CsvImportResult RunImportChannelCsv(EditSession& session, const std::string& path);

// ImportSatellites as the edit ImportSatellites on the session's store, with
// the current receiver's product and the image's highest-TPID counter.
SatelliteImportReport RunImportSatellites(EditSession& session,
                                          const std::vector<XmlSatellite>& file,
                                          const SatelliteImportOptions& options);
