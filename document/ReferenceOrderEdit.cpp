#include "document/ReferenceOrderEdit.h"

#include "document/EditCatalogue.h"
#include "document/EditSession.h"
#include "lists/ReferenceLists.h"

#include <vector>

ReferenceOrderReport RunApplyReferenceOrder(EditSession& session,
                                            std::span<const Channel_Info_Tag> reference) {
    ReferenceOrderReport report;
    RunEdit(session, EditId::ApplyOrder, [&] {
        report = ApplyReferenceOrder(session.Db(), reference);
        return report.Applied();
    });
    return report;
}

ReferenceOrderReport ApplyReferenceOrderFile(EditSession& session, const std::string& path) {
    std::vector<Channel_Info_Tag> reference;
    ReferenceOrderReport report;
    std::uint32_t unmatchedLines = 0;
    if (!LoadReferenceList(path, session.Db(), reference, unmatchedLines, report.why)) {
        report.error = English(report.why);
        return report;
    }
    report = RunApplyReferenceOrder(session, reference);
    report.referenceUnused += unmatchedLines;
    return report;
}
