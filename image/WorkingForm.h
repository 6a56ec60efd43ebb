// The two forms an image takes: the working form, with the 86-byte header
// ("VX  ", length 80, the header text) in which every image is loaded and
// kept, and the on-disk form a save writes (a ZORV image gets its 64-byte
// header and its CRC back). Pure functions over bytes in memory, plus the
// image CRC of a file by path.
#pragma once

#include "image/ImageState.h"
#include "platform/ByteOrder.h"

#include <span>
#include <string>
#include <vector>

// What goes in front of `image` to put it in the working form, chosen by its
// first four bytes: nothing for "VX  " (and for an empty file); "VX  ", the
// length 80 and 16 zero bytes for "ZORV"; otherwise the full 86-byte header
// with `headerText` (the header text as it stands).
std::vector<BYTE> WorkingFormPrefix(std::span<const BYTE> image,
                                    std::span<const BYTE, kHeaderTextSize> headerText);
// `image` in the working form: the prefix, then the image.
std::vector<BYTE> ToWorkingForm(std::span<const BYTE> image,
                                std::span<const BYTE, kHeaderTextSize> headerText);

// The working-form bytes as a save of them begins: unchanged, or for a ZORV
// image the 64-byte header (header-text bytes 16 to 79) in place of the
// working header.
std::vector<BYTE> OnDiskForm(std::span<const BYTE> working, const ImageStateValues& values);

// CRC-16/XMODEM over bytes 64 to the end of a ZORV image, zero-padded to a
// multiple of 1024; 0 for an image shorter than its header.
WORD ImageCrc(std::span<const BYTE> image);
// Writes ImageCrc at offsets 61-62, least significant byte first; false
// when the image is too short to hold it.
bool StampImageCrc(std::vector<BYTE>& image);

// ImageCrc of the file at `path`; 0 when it cannot be read.
WORD ComputeImageCRC(const std::string& path);
// Stamps the CRC into the file at `path`; false when it cannot be read or
// written.
bool StampImageCRC(const std::string& path);
