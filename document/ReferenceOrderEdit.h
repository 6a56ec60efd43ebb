// The reference order as one named edit of the edit session, from a list in
// memory or from a file; the editor's button and `velmar-cli edit`'s
// `apply-order FILE` both come here.
#pragma once

#include "model/ReferenceOrder.h"

#include <span>
#include <string>

class EditSession;

// ApplyReferenceOrder on the session's store as the catalogue's edit
// ApplyOrder. A refusal (report.error) records nothing; an order that
// changes no field records nothing either.
ReferenceOrderReport RunApplyReferenceOrder(EditSession& session,
                                            std::span<const Channel_Info_Tag> reference);

// Reads the reference at `path` (LoadReferenceList: an image, a workbook, a
// CSV or a text list of names) and applies it as above. A file that cannot be read changes nothing;
// its message is the report's error.
ReferenceOrderReport ApplyReferenceOrderFile(EditSession& session, const std::string& path);
