// Satellite, transponder, broadcast and favourite-list records. Plain fixed
// layouts shared with the dialogs; every record starts with its store key.
#pragma once

#include "platform/ByteOrder.h"

#include <cstddef>

// One of the two groups of satellite settings, carried but not interpreted.
struct SatSettingGroup {
    WORD w1, w2, w3;
    BYTE b1, b2, b3;
    WORD w4; // holds an 8-bit value
    BYTE b4, b5;
};
static_assert(sizeof(SatSettingGroup) == 14);

struct Satellite_Info_Tag {
    DWORD Index;
    DWORD Reserved; // not read or written
    SatSettingGroup Group1;
    BYTE Reserved1[6];
    SatSettingGroup Group2; // only in the 44-byte entry form
    BYTE Reserved2[2];
    WORD Degree; // tenths of a degree eastwards, below 3600
    BYTE Flag;
    BYTE ID;
    char Name[16];
    BYTE Tail;
};
static_assert(offsetof(Satellite_Info_Tag, Degree) == 44);
static_assert(offsetof(Satellite_Info_Tag, Name) == 48);
static_assert(sizeof(Satellite_Info_Tag) == 68);

// On a terrestrial multiplex kept as a transponder (terrestrial product,
// SatID 1) the four bytes of Frequency and SymbolRate hold the packed Params
// word and Word4 holds a carried byte and NameIndex; see the accessors below.
struct Transponder_Info_Tag {
    DWORD Index;
    WORD Frequency;  // MHz
    WORD SymbolRate; // kS/s
    WORD TSID;
    WORD Word4;
    BYTE PolFEC; // bit 0 horizontal, bits 4-7 FEC code
    BYTE Byte5;
    BYTE SatID; // 0 marks an empty slot
    BYTE TPID;
    // Extension, product lists 7 and 8 only.
    BYTE ExtByte1;
    BYTE ExtByte2;
    WORD ExtWord1;
    WORD ExtWord2;
    BYTE ExtByte3;
    BYTE ExtByte4;
};
static_assert(offsetof(Transponder_Info_Tag, PolFEC) == 12);
static_assert(sizeof(Transponder_Info_Tag) == 24);

// The terrestrial form shares the record's bytes: Params overlays Frequency
// (low half) and SymbolRate (high half); Word4 holds Carried (low byte) and
// NameIndex (high byte).
inline DWORD TpParams(const Transponder_Info_Tag& t) {
    return DWORD{t.Frequency} | (DWORD{t.SymbolRate} << 16);
}
inline void SetTpParams(Transponder_Info_Tag& t, DWORD params) {
    t.Frequency = static_cast<WORD>(params);
    t.SymbolRate = static_cast<WORD>(params >> 16);
}
inline BYTE TpCarried(const Transponder_Info_Tag& t) {
    return static_cast<BYTE>(t.Word4);
}
inline BYTE TpNameIndex(const Transponder_Info_Tag& t) {
    return static_cast<BYTE>(t.Word4 >> 8);
}
inline void SetTpTerrestrialBytes(Transponder_Info_Tag& t, BYTE carried, BYTE nameIndex) {
    t.Word4 = static_cast<WORD>(carried | (nameIndex << 8));
}

struct Broadcast_Info_Tag {
    DWORD Index;
    WORD BroadcastID;
    char Name[17]; // at most 16 characters
    BYTE Tail;
};
static_assert(sizeof(Broadcast_Info_Tag) == 24);

struct FavoriteList {
    DWORD Index; // list number, 1 upwards
    char Name[20];
    BYTE Tail;
};
static_assert(sizeof(FavoriteList) == 28);
