// The working copy: the one image file in the temporary directory through
// which every load, save, receive and send passes, always in the working
// form with the 86-byte header.
#pragma once

#include "contracts/Prompt.h"
#include "platform/ByteOrder.h"

#include <span>
#include <string>
#include <vector>

inline constexpr int kMaxPath = 260;
extern char g_szWorkImagePath[kMaxPath];

// Creates a new, empty, uniquely named file starting with "ZO" in the
// temporary directory and keeps its path in g_szWorkImagePath.
bool CreateWorkingCopy();
// Deletes the working copy and empties the path.
void DeleteWorkingCopy();

// Result of ImportToWorkingCopy when the source cannot be read or the
// working copy cannot be written: the file error the caller reports.
inline constexpr int kImportFileError = -1;

// What goes in front of `image` to put it in the working form, chosen by its
// first four bytes: nothing for "VX  " (and for an empty file); "VX  ", the
// length 80 and 16 zero bytes for "ZORV"; otherwise the full 86-byte header
// with the header text as it stands now.
std::vector<BYTE> WorkingFormPrefix(std::span<const BYTE> image);

// Converts `source` into the working copy by its first four bytes, clears
// the store and loads the working copy: Load's result, or kImportFileError.
int ImportToWorkingCopy(const std::string& source, IUserPrompt* prompt = nullptr);
// Writes the working copy to `target` in its on-disk form and saves the store
// into it; a ZORV image then gets a fresh CRC. Save's result (0 or 1).
int ExportWorkingCopy(const std::string& target);

// CRC-16/XMODEM over bytes 64 to the end of a ZORV image, zero-padded to a
// multiple of 1024; 0 when the file cannot be read.
WORD ComputeImageCRC(const std::string& path);
// Writes ComputeImageCRC at offsets 61-62, least significant byte first.
bool StampImageCRC(const std::string& path);
