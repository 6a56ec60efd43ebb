// Opening an image without risking the document the user has: the image is
// read into the working copy and empty tables, and takes their place only
// when it loads. A failed load leaves the working copy, the tables and the
// codec's module-wide values exactly as they were.
#pragma once

#include "contracts/Prompt.h"

#include <string>

// ImportToWorkingCopy's result: 1 loaded, 0 not an image (or the user
// answered No to the header question), kImportFileError when the file or
// the working copy could not be read or written, with the reason in `error`.
int LoadImageAsDocument(const std::string& source, IUserPrompt* prompt,
                        std::string* error = nullptr);
