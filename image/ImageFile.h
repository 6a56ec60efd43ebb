// The open image file of one load or save: a thin RAII wrapper over a file
// descriptor whose every operation reports failure instead of throwing.
// Writes and the close go through the file-operation seam, so tests can make
// them fail.
#pragma once

#include "platform/ByteOrder.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <span>
#include <string>

// No receiver's flash region comes near this; a larger file is refused before
// it is read, and a receiver profile whose blocks reach beyond it is broken.
inline constexpr std::int64_t kMaxImageFileBytes = std::int64_t{16} << 20;

class CImageFile {
public:
    enum class Mode {
        Read,   // existing regular file, read only
        Update, // existing regular file, read and write, never created or truncated
    };

    CImageFile() = default;
    ~CImageFile() { Close(); }
    CImageFile(const CImageFile&) = delete;
    CImageFile& operator=(const CImageFile&) = delete;

    bool Open(const std::string& path, Mode mode);
    // Works on a copy of a descriptor the caller keeps open.
    bool OpenDescriptor(int fd);
    // False when the close reports an error (data may not have reached the disk).
    bool Close();
    bool IsOpen() const { return m_fd >= 0; }

    // Length of the file in bytes, -1 on failure.
    std::int64_t Length();
    bool Seek(std::int64_t offset);
    // Reads up to out.size() bytes; returns how many arrived.
    std::size_t Read(std::span<BYTE> out);
    // All of `data`, or false.
    bool Write(std::span<const BYTE> data);
    // Nothing is buffered: every Write has reached the system when it returns.
    bool Flush() { return IsOpen(); }

private:
    int m_fd = -1;
};

// Reads a whole image file, refusing anything that is not a regular file or is
// larger than kMaxImageFileBytes; `error` says why.
bool ReadWholeFile(const std::string& path, std::string& contents, Phrase* error = nullptr);
// The bytes of `first` then `second` as the new contents of `path`, written
// atomically (the old file stays whole when anything fails).
bool WriteWholeFile(const std::string& path, std::span<const BYTE> first,
                    std::span<const BYTE> second = {}, std::string* error = nullptr);
