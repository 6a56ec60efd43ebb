#include "platform/ByteOrder.h"

WORD ReadWORDFromBytes(BYTE b0, BYTE b1, int order) {
    return order ? static_cast<WORD>((b0 << 8) | b1) : static_cast<WORD>((b1 << 8) | b0);
}

DWORD ReadDWORDFromBytes(BYTE b0, BYTE b1, BYTE b2, BYTE b3, int order) {
    if (order)
        return (DWORD{b0} << 24) | (DWORD{b1} << 16) | (DWORD{b2} << 8) | DWORD{b3};
    return (DWORD{b3} << 24) | (DWORD{b2} << 16) | (DWORD{b1} << 8) | DWORD{b0};
}

void MakeBytesFromWORD(BYTE* p0, BYTE* p1, WORD value, int order) {
    const auto hi = static_cast<BYTE>(value >> 8);
    const auto lo = static_cast<BYTE>(value);
    *p0 = order ? hi : lo;
    *p1 = order ? lo : hi;
}

void MakeBytesFromDWORD(BYTE* p0, BYTE* p1, BYTE* p2, BYTE* p3, DWORD value, int order) {
    BYTE* out[4] = {p0, p1, p2, p3};
    for (int i = 0; i < 4; ++i) {
        const int shift = order ? 8 * (3 - i) : 8 * i;
        *out[i] = static_cast<BYTE>(value >> shift);
    }
}
