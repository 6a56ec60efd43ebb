#include "document/ReferenceOrderEdit.h"

#include "document/EditCatalogue.h"
#include "document/EditSession.h"
#include "xls/ReferenceFile.h"

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
    if (!LoadReferenceChannels(path, reference, report.error))
        return report;
    return RunApplyReferenceOrder(session, reference);
}
