// The working copy: the one image file in the temporary directory through
// which every load, save, receive and send passes, always in the working
// form with the 86-byte header. It is created private to the user (mode
// 0600), and its descriptor is held, under an advisory lock, for the whole
// session: nothing can swap the file under the editor by name, and the lock
// tells a later session that a copy is still in use.
#pragma once

#include "contracts/Prompt.h"
#include "platform/ByteOrder.h"

#include <span>
#include <string>
#include <vector>

inline constexpr int kMaxPath = 260;
extern char g_szWorkImagePath[kMaxPath];

// Creates a new, empty, uniquely named file "ZO??????.tmp" in `folder` (the
// temporary directory when empty), keeps its path in g_szWorkImagePath and
// holds it open and locked. Replaces any working copy held before.
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
                        std::string* error = nullptr);
// Load (of CChannelFile) on the held working copy; 1 or 0.
int LoadWorkingCopy(IUserPrompt* prompt = nullptr);

// Result of ImportToWorkingCopy when the source cannot be read or the
// working copy cannot be written: the file error the caller reports.
inline constexpr int kImportFileError = -1;

// What goes in front of `image` to put it in the working form, chosen by its
// first four bytes: nothing for "VX  " (and for an empty file); "VX  ", the
// length 80 and 16 zero bytes for "ZORV"; otherwise the full 86-byte header
// with the header text as it stands now.
std::vector<BYTE> WorkingFormPrefix(std::span<const BYTE> image);

// Converts `source` into the working copy by its first four bytes, clears
// the store and loads the working copy: Load's result, or kImportFileError
// with the reason in `error`.
int ImportToWorkingCopy(const std::string& source, IUserPrompt* prompt = nullptr,
                        std::string* error = nullptr);

// Why a save failed: what the user is shown, and the system's reason.
struct SaveReport {
    std::string message; // "Cannot save channel file", or what to do about it
    std::string detail;  // e.g. "writing /x/list.bin: No space left on device"
};

// Writes the working copy to `target` in its on-disk form and saves the store
// into it; a ZORV image then gets a fresh CRC. Nothing is written when a
// table does not fit the receiver (the report then says which, and by how
// many). Everything happens in a
// temporary file that replaces the target only when all of it succeeded; a
// replaced target is kept as target + ".bak". Save's result (0 or 1).
int ExportWorkingCopy(const std::string& target, SaveReport* report = nullptr);
// Send's save into the working copy itself (always the working form), with
// the same capacity check first and the same all-or-nothing replacement. 1 or 0.
int SaveIntoWorkingCopy(SaveReport* report = nullptr);

// CRC-16/XMODEM over bytes 64 to the end of a ZORV image, zero-padded to a
// multiple of 1024; 0 when the file cannot be read.
WORD ComputeImageCRC(const std::string& path);
// Writes ComputeImageCRC at offsets 61-62, least significant byte first.
// False when the file cannot be read or written.
bool StampImageCRC(const std::string& path);

// Working copies in `folder` (the temporary directory when empty) that a
// session left behind: ours by name and owner, in the working form, and held
// by no running editor. Newest first.
std::vector<std::string> FindAbandonedWorkingCopies(const std::string& folder = {});
// Offers each abandoned working copy: Yes opens it (it becomes the working
// copy and is loaded), No deletes it. Returns Load's result for an opened
// copy, or -1 when none was opened.
int OfferWorkingCopyRecovery(IUserPrompt& prompt, const std::string& folder = {});
