#include "document/ListImportEdits.h"

#include "contracts/Policy.h"
#include "document/CurrentDocument.h"
#include "document/EditCatalogue.h"
#include "document/EditSession.h"
#include "document/WorkbookImport.h"
#include "lists/ChannelCsv.h"

#include <utility>

CsvImportResult RunImportChannelCsv(EditSession& session, const std::string& path) {
    CsvImportResult result;
    auto channels = ReadChannelCsv(path, result.said);
    if (!channels) {
        result.message = English(result.said);
        return result;
    }
    const ImportReport filtered = FilterImportedChannels(session.Db(), GetProductType(), *channels);
    result.said = ImportReportPhrase(filtered);
    result.message = English(result.said);
    if (filtered.Refused())
        return result;
    RunEdit(session, EditId::ImportCsv, [&] {
        ReplaceChannelTable(session.Db(), *channels);
        return true;
    });
    result.imported = true;
    return result;
}

SatelliteImportReport RunImportSatellites(EditSession& session,
                                          const std::vector<XmlSatellite>& file,
                                          const SatelliteImportOptions& options) {
    SatelliteImportReport report;
    RunEdit(session, EditId::ImportSatellites, [&] {
        report = ImportSatellites(session.Db(), file, options, GetProductType(), GetProductList(),
                                  g_nMaxTPID);
        return report.Ok();
    });
    return report;
}
