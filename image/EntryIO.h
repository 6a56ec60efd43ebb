// Field access inside one block entry, by offset, in the entry byte order.
// Access outside the entry reads 0 and writes nothing, so a codec can never
// touch a neighbouring entry or run off its buffer. Everything is inline and
// works on the entry's bytes in place: a codec's per-field cost is a bounds
// check and a load or store.
#pragma once

#include "platform/ByteOrder.h"

#include <cstring>
#include <span>

namespace entry_bytes {

// Order 1 puts the most significant byte at the lower address, order 0 the least.
inline WORD Load16(const BYTE* p, int order) {
    return order ? static_cast<WORD>((p[0] << 8) | p[1]) : static_cast<WORD>((p[1] << 8) | p[0]);
}
inline DWORD Load32(const BYTE* p, int order) {
    if (order)
        return (DWORD{p[0]} << 24) | (DWORD{p[1]} << 16) | (DWORD{p[2]} << 8) | DWORD{p[3]};
    return (DWORD{p[3]} << 24) | (DWORD{p[2]} << 16) | (DWORD{p[1]} << 8) | DWORD{p[0]};
}
inline void Store16(BYTE* p, WORD v, int order) {
    const auto hi = static_cast<BYTE>(v >> 8);
    const auto lo = static_cast<BYTE>(v);
    p[0] = order ? hi : lo;
    p[1] = order ? lo : hi;
}
inline void Store32(BYTE* p, DWORD v, int order) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<BYTE>(v >> (order ? 8 * (3 - i) : 8 * i));
}

} // namespace entry_bytes

class EntryReader {
public:
    EntryReader(std::span<const BYTE> entry, int order) : m_e(entry), m_order(order) {}

    BYTE U8(std::size_t off) const { return off < m_e.size() ? m_e[off] : 0; }
    WORD U16(std::size_t off) const {
        return Fits(off, 2) ? entry_bytes::Load16(&m_e[off], m_order) : 0;
    }
    DWORD U32(std::size_t off) const {
        return Fits(off, 4) ? entry_bytes::Load32(&m_e[off], m_order) : 0;
    }
    // Copies n bytes into dst; bytes outside the entry come out as 0.
    void Bytes(std::size_t off, void* dst, std::size_t n) const {
        auto* out = static_cast<BYTE*>(dst);
        const std::size_t have = Inside(off, n);
        if (have > 0)
            std::memcpy(out, &m_e[off], have);
        std::memset(out + have, 0, n - have);
    }
    // A text field of n bytes into a buffer of dstSize, up to its first zero
    // byte; the rest of the buffer is zeroed, so it is always terminated.
    void Text(std::size_t off, char* dst, std::size_t n, std::size_t dstSize) const {
        const std::size_t len = n < dstSize ? n : dstSize - 1;
        const std::size_t have = Inside(off, len); // past the entry reads as zero
        std::size_t i = 0;
        if (have > 0) {
            const void* zero = std::memchr(&m_e[off], 0, have);
            i = zero ? static_cast<std::size_t>(static_cast<const BYTE*>(zero) - &m_e[off]) : have;
            std::memcpy(dst, &m_e[off], i);
        }
        std::memset(dst + i, 0, dstSize - i);
    }
    std::span<const BYTE> Raw() const { return m_e; }

private:
    bool Fits(std::size_t off, std::size_t n) const {
        return off <= m_e.size() && n <= m_e.size() - off;
    }
    // How many of the n bytes from off lie inside the entry.
    std::size_t Inside(std::size_t off, std::size_t n) const {
        if (off >= m_e.size())
            return 0;
        return n < m_e.size() - off ? n : m_e.size() - off;
    }
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
            entry_bytes::Store16(&m_e[off], v, m_order);
    }
    void U32(std::size_t off, DWORD v) {
        if (Fits(off, 4))
            entry_bytes::Store32(&m_e[off], v, m_order);
    }
    // Bytes that would fall outside the entry are left out.
    void Bytes(std::size_t off, const void* src, std::size_t n) {
        const std::size_t have = Inside(off, n);
        if (have > 0)
            std::memcpy(&m_e[off], src, have);
    }
    // The first n bytes of a zero-terminated text, zero-padded.
    void Text(std::size_t off, const char* text, std::size_t n) {
        const std::size_t len = strnlen(text, n);
        Bytes(off, text, len);
        if (len < n) {
            const std::size_t pad = Inside(off + len, n - len);
            if (pad > 0)
                std::memset(&m_e[off + len], 0, pad);
        }
    }

private:
    bool Fits(std::size_t off, std::size_t n) const {
        return off <= m_e.size() && n <= m_e.size() - off;
    }
    std::size_t Inside(std::size_t off, std::size_t n) const {
        if (off >= m_e.size())
            return 0;
        return n < m_e.size() - off ? n : m_e.size() - off;
    }
    std::span<BYTE> m_e;
    int m_order;
};
