// Field access inside one block entry, by offset, in the entry byte order.
// Access outside the entry reads 0 and writes nothing, so a codec can never
// touch a neighbouring entry or run off its buffer.
#pragma once

#include "platform/ByteOrder.h"

#include <cstring>
#include <span>

class EntryReader {
public:
    EntryReader(std::span<const BYTE> entry, int order) : m_e(entry), m_order(order) {}

    BYTE U8(std::size_t off) const { return off < m_e.size() ? m_e[off] : 0; }
    WORD U16(std::size_t off) const { return Fits(off, 2) ? ReadWORD(&m_e[off], m_order) : 0; }
    DWORD U32(std::size_t off) const { return Fits(off, 4) ? ReadDWORD(&m_e[off], m_order) : 0; }
    // Copies n bytes into dst; bytes outside the entry come out as 0.
    void Bytes(std::size_t off, void* dst, std::size_t n) const {
        auto* out = static_cast<BYTE*>(dst);
        for (std::size_t i = 0; i < n; ++i)
            out[i] = U8(off + i);
    }
    // A text field of n bytes into a buffer of dstSize, up to its first zero
    // byte; the rest of the buffer is zeroed, so it is always terminated.
    void Text(std::size_t off, char* dst, std::size_t n, std::size_t dstSize) const {
        const std::size_t len = n < dstSize ? n : dstSize - 1;
        std::size_t i = 0;
        for (; i < len && U8(off + i) != 0; ++i)
            dst[i] = static_cast<char>(U8(off + i));
        std::memset(dst + i, 0, dstSize - i);
    }
    std::span<const BYTE> Raw() const { return m_e; }

private:
    bool Fits(std::size_t off, std::size_t n) const { return off + n <= m_e.size(); }
    std::span<const BYTE> m_e;
    int m_order;
};

class EntryWriter {
public:
    EntryWriter(std::span<BYTE> entry, int order) : m_e(entry), m_order(order) {}

    void U8(std::size_t off, BYTE v) {
        if (off < m_e.size())
            m_e[off] = v;
    }
    void U16(std::size_t off, WORD v) {
        if (Fits(off, 2))
            WriteWORD(&m_e[off], v, m_order);
    }
    void U32(std::size_t off, DWORD v) {
        if (Fits(off, 4))
            WriteDWORD(&m_e[off], v, m_order);
    }
    void Bytes(std::size_t off, const void* src, std::size_t n) {
        const auto* in = static_cast<const BYTE*>(src);
        for (std::size_t i = 0; i < n; ++i)
            U8(off + i, in[i]);
    }
    // The first n bytes of a zero-terminated text, zero-padded.
    void Text(std::size_t off, const char* text, std::size_t n) {
        const std::size_t len = strnlen(text, n);
        Bytes(off, text, len);
        for (std::size_t i = len; i < n; ++i)
            U8(off + i, 0);
    }

private:
    bool Fits(std::size_t off, std::size_t n) const { return off + n <= m_e.size(); }
    std::span<BYTE> m_e;
    int m_order;
};
