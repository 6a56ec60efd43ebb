// The bytes of one image in memory, read and patched by the codec as a file
// would be: a position, reads that stop at the end, and writes that extend
// the image with zeros where they start past it (as a write past the end of
// a file does). A load decodes from it and a save patches it, so neither
// touches the disk; the callers read and write whole files.
#pragma once

#include "platform/ByteOrder.h"

#include <cstdint>
#include <span>
#include <vector>

class CImageBuffer {
public:
    CImageBuffer() = default;
    CImageBuffer(const CImageBuffer&) = delete;
    CImageBuffer& operator=(const CImageBuffer&) = delete;

    // An image of its own, which writes may change.
    void Own(std::vector<BYTE> bytes);
    // Someone else's bytes, read in place: writes fail.
    void Borrow(std::span<const BYTE> bytes);
    // The image of its own, handed over (a copy of borrowed bytes); the
    // buffer is empty afterwards.
    std::vector<BYTE> Release();

    std::int64_t Length() const { return static_cast<std::int64_t>(m_data.size()); }
    bool Seek(std::int64_t offset);
    // Up to out.size() bytes from the position; how many there were.
    std::size_t Read(std::span<BYTE> out);
    // All of `data` at the position; false when the bytes are borrowed or
    // the image would pass the largest one a receiver can have.
    bool Write(std::span<const BYTE> data);
    bool Flush() const { return true; }

    // The bytes from `offset` on that lie inside the image (empty past it).
    std::span<const BYTE> View(std::int64_t offset, std::int64_t bytes) const;

private:
    std::vector<BYTE> m_bytes;
    std::span<const BYTE> m_data; // m_bytes, or the borrowed bytes
    std::int64_t m_nPos = 0;
    bool m_bBorrowed = false;
};
