// Opening an image without risking the document the user has: the image is
// read into the working copy and empty tables, and takes their place only
// when it loads. A failed load leaves the working copy, the tables and the
// codec's module-wide values exactly as they were.
#pragma once

#include "contracts/Prompt.h"

#include <string>

// How the image becomes the working copy: converted into the working form by
// its first four bytes (Open, drop), or taken as it is (a receive, whose
// dialog leaves the working form; the header question may then appear).
enum class ImageForm { Convert, AsIs };

// ImportToWorkingCopy's result: 1 loaded, 0 not an image (or the user
// answered No to the header question), kImportFileError when the file or
// the working copy could not be read or written, with the reason in `error`.
// `documentBytes`, when given, are the working copy's contents to put back on
// a failure (taken before something else wrote under its name).
int LoadImageAsDocument(const std::string& source, IUserPrompt* prompt,
                        std::string* error = nullptr, ImageForm form = ImageForm::Convert,
                        const std::string* documentBytes = nullptr);
