// The working copy: the one image file in the temporary directory through
// which every load, save, receive and send passes, always in the working
// form with the 86-byte header. It is created private to the user (mode
// 0600), and its descriptor is held, under an advisory lock, for the whole
// session: nothing can swap the file under the editor by name, and the lock
// tells a later session that a copy is still in use.
#pragma once

#include "contracts/Prompt.h"
#include "document/Document.h"
#include "image/WorkingForm.h"
#include "platform/ByteOrder.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

inline constexpr int kMaxPath = 260;
extern char g_szWorkImagePath[kMaxPath];

// Creates a new, empty, uniquely named file "ZO??????.tmp" in `folder` (the
// temporary directory when empty), keeps its path in g_szWorkImagePath and
// holds it open and locked. Replaces any working copy held before; the
// current document's image bytes start empty with it, as at start-up.
bool CreateWorkingCopy(const std::string& folder = {});
// Deletes the working copy, releases it and empties the path.
void DeleteWorkingCopy();
// The held descriptor, -1 when there is no working copy.
int WorkingCopyDescriptor();

// The whole working copy, read through the held descriptor.
bool ReadWorkingCopy(std::string& contents, std::string* error = nullptr);
// New contents for the working copy, written beside it and renamed over it,
// so a failure leaves the old contents whole; the held descriptor follows.
bool ReplaceWorkingCopy(std::span<const BYTE> first, std::span<const BYTE> second = {},
                        Phrase* error = nullptr);
// The current document decoded afresh from the held working copy: Load's
// result (1 or 0), or kImportFileError when the copy cannot be read. A copy
// that does not load leaves the current document as it was.
int LoadWorkingCopy(IUserPrompt* prompt = nullptr);

// Opens `source` as the current document: the file is read whole and decoded
// into a document of its own (converted into the working form by its first
// four bytes, or as it is), which becomes current only when all of it
// loaded; then the working copy is written once from it. The result is
// Load's (1 or 0), or kImportFileError when the file cannot be read, with the
// reason in `error`; on anything but 1 nothing was changed or written. A
// working copy that cannot be written after a load is reported in
// `workingCopyProblem`: the document is whole in memory and saves as usual.
int ImportToWorkingCopy(const std::string& source, IUserPrompt* prompt = nullptr,
                        Phrase* error = nullptr, ImageForm form = ImageForm::Convert,
                        Phrase* workingCopyProblem = nullptr);
// The image a receive left under the working copy's name, taken as it is, as
// the current document; when it does not load the working copy gets the
// current document's bytes back (a failure to write them is added to
// `error`; the document itself is whole in memory either way).
int AdoptReceivedWorkingCopy(IUserPrompt* prompt = nullptr, Phrase* error = nullptr);

// Writes the current document to `target` in its on-disk form: its image
// bytes patched with the tables, a ZORV image with a fresh CRC. Nothing is
// written when a table does not fit the receiver (the report then says
// which, and by how many). The bytes replace the target atomically; a
// replaced target is kept as target + ".bak". Save's result (0 or 1).
int ExportWorkingCopy(const std::string& target, SaveReport* report = nullptr);
// Send's save into the working copy itself (always the working form), with
// the same capacity check first and the same all-or-nothing replacement;
// the current document's image bytes then are the saved ones. 1 or 0.
int SaveIntoWorkingCopy(SaveReport* report = nullptr);

// Working copies in `folder` (the temporary directory when empty) that a
// session left behind: ours by name and owner, in the working form, and held
// by no running editor. Newest first.
std::vector<std::string> FindAbandonedWorkingCopies(const std::string& folder = {});
// Paths found in a folder scan with their modification times, newest first
// (paths in order among equal times).
std::vector<std::string> NewestFirst(std::vector<std::pair<std::int64_t, std::string>> found);
// Offers first the unsaved edits an editor left behind (RecoveryFile.h),
// then each abandoned working copy: Yes opens it (it becomes the working
// copy and is loaded), No deletes it. Returns Load's result for an opened
// copy, or -1 when none was opened; `editsRestored` is set when what opened
// were unsaved edits, which are still to be saved.
int OfferWorkingCopyRecovery(IUserPrompt& prompt, const std::string& folder = {},
                             bool* editsRestored = nullptr);
