// The open image file of one load or save: a thin RAII wrapper over a C
// stream whose every operation reports failure instead of throwing.
#pragma once

#include "platform/ByteOrder.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

class CImageFile {
public:
    enum class Mode {
        Read,   // existing file, read only
        Update, // existing file, read and write, never created or truncated
        Create, // created or truncated, write only
    };

    CImageFile() = default;
    ~CImageFile() { Close(); }
    CImageFile(const CImageFile&) = delete;
    CImageFile& operator=(const CImageFile&) = delete;

    bool Open(const std::string& path, Mode mode);
    void Close();
    bool IsOpen() const { return m_fp != nullptr; }

    // Length of the file in bytes, -1 on failure.
    std::int64_t Length();
    bool Seek(std::int64_t offset);
    // Reads up to out.size() bytes; returns how many arrived.
    std::size_t Read(std::span<BYTE> out);
    bool Write(std::span<const BYTE> data);
    bool Flush();

private:
    std::FILE* m_fp = nullptr;
};

// Whole-file helpers for the working-copy operations.
bool ReadWholeFile(const std::string& path, std::string& contents);
bool WriteWholeFile(const std::string& path, std::span<const BYTE> first,
                    std::span<const BYTE> second = {});
