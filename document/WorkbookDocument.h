// A workbook as a document of its own, for comparing and merging lists: the
// channels of its "Channel" sheet and nothing else, since a workbook holds
// no satellites, transponders or providers. Its channels name those by ids
// only. The current document is not touched.
#pragma once

#include "document/Document.h"

#include <string>

// Reads the workbook at `path` into `into`, whose tables are cleared first
// and whose values start from `base`. 1 when it was read; kImportFileError,
// with the message in `error`, when the file is no workbook, is damaged or
// has no "Channel" sheet (`into` then holds no channel).
int ReadWorkbookDocument(const std::string& path, const ImageStateValues& base, CDocument& into,
                         Phrase* error = nullptr);

// An image or a workbook, told apart by the name as Open does: a workbook
// as above, an image as ReadImageDocument converts it. 1 when it loaded;
// otherwise 0 or kImportFileError, with the message for the user in `error`.
int ReadListDocument(const std::string& path, const ImageStateValues& base, CDocument& into,
                     IUserPrompt* prompt = nullptr, Phrase* error = nullptr);
