// Unsaved edits kept on disk while the editor runs, so that an editor that
// is killed, crashes or is logged out loses none of them: the current tables
// encoded into the working-form image, with the file they came from, in a
// file beside the working copy ("ZO??????.tmp" keeps "ZO??????.rec"). The
// next start finds a recovery file whose working copy no running editor
// holds and offers it back with one question.
#pragma once

#include "contracts/Prompt.h"
#include "platform/ByteOrder.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The recovery file that belongs to a working copy's path.
std::string RecoveryPathFor(const std::string& workingCopy);

// A recovery file's contents: a header line, the ZORV-form flag, the source
// path (length-counted, so any path survives), then the image.
struct RecoveredEdits {
    std::string source;     // the file the edits were made to; empty: none
    bool zorvImage = false; // the source was in the maker's form
    std::string image;      // the working-form image with the edited tables
};
std::string RecoveryFileBytes(const RecoveredEdits& edits);
// False for anything that is not a whole recovery file.
bool ParseRecoveryFile(std::string_view bytes, RecoveredEdits& edits);

// The current document with its tables as they stand, as the recovery file
// beside the working copy, replaced atomically. False (the file before is
// left as it was) when there is no working copy, a table does not fit the
// receiver, or the write fails; `error` says which.
bool WriteRecoveryFile(std::string* error = nullptr);
// No unsaved edits any more (saved, loaded anew, or ended normally).
void RemoveRecoveryFile();

// Recovery files in `folder` (the temporary directory when empty) that a
// session left behind: ours by name, owner and header, and whose working
// copy is gone or held by no running editor. Newest first.
std::vector<std::string> FindRecoveryFiles(const std::string& folder = {});

// Offers each recovery file left behind, one question each: Yes makes its
// tables the current document (from the same source file, not saved) and
// the working copy; No discards it. Either way the file and its working
// copy go. Load's result (1 or 0) for restored edits, -1 when none were;
// `asked` tells whether any question was put.
int OfferRecoveredEdits(IUserPrompt& prompt, const std::string& folder, bool& asked);
