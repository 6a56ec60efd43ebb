// Byte-order conversion of multi-byte entry fields. b0/p0 is the byte at the
// lower address; order 1 puts the most significant byte there, order 0 the least.
#pragma once

#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;

WORD ReadWORDFromBytes(BYTE b0, BYTE b1, int order);
DWORD ReadDWORDFromBytes(BYTE b0, BYTE b1, BYTE b2, BYTE b3, int order);
void MakeBytesFromWORD(BYTE* p0, BYTE* p1, WORD value, int order);
void MakeBytesFromDWORD(BYTE* p0, BYTE* p1, BYTE* p2, BYTE* p3, DWORD value, int order);

// Buffer forms of the same conversions, for codecs that address entries by offset.
inline WORD ReadWORD(const BYTE* p, int order) {
    return ReadWORDFromBytes(p[0], p[1], order);
}
inline DWORD ReadDWORD(const BYTE* p, int order) {
    return ReadDWORDFromBytes(p[0], p[1], p[2], p[3], order);
}
inline void WriteWORD(BYTE* p, WORD value, int order) {
    MakeBytesFromWORD(p, p + 1, value, order);
}
inline void WriteDWORD(BYTE* p, DWORD value, int order) {
    MakeBytesFromDWORD(p, p + 1, p + 2, p + 3, value, order);
}
