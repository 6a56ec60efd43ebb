// Channel, terrestrial multiplex and cable multiplex records.
#pragma once

#include "platform/ByteOrder.h"

#include <cstddef>

// Channel_Info_Tag::Attributes bits.
inline constexpr WORD kAttrGenreMask = 0x000F;
inline constexpr WORD kAttrLocked = 0x0010;
inline constexpr WORD kAttrScrambled = 0x0020;
inline constexpr WORD kAttrSkipped = 0x0040;
inline constexpr WORD kAttrTV = 0x0400;
inline constexpr WORD kAttrRadio = 0x0800;

inline constexpr int kChannelNameSize = 255;
inline constexpr int kFavoritePositions = 32;

struct Channel_Info_Tag {
    DWORD Index;
    DWORD CAS;
    DWORD Favorite; // bit k-1: member of favourite list k
    WORD ProgramNum;
    BYTE SatID;
    BYTE TPID;
    WORD BroadcastID;
    WORD ServiceID;
    WORD VideoPID;
    WORD AudioPID;
    WORD PCRPID;
    WORD Attributes;
    BYTE NumOfAudio;
    BYTE NumOfSubTTX;
    char Name[kChannelNameSize];
    BYTE CodeTable;
    BYTE Tuner;
    BYTE Record;
    WORD LogicalNumber;
    WORD F[kFavoritePositions]; // F[k-1]: 1-based position in favourite list k
    WORD ShowNum;
    BYTE ParentRate;
    BYTE StreamType;
    WORD OrgNetID;
    WORD NetworkID; // memory and spreadsheet only
    WORD TSID;
    BYTE VolOffset;
    BYTE OrgMuxID;
    WORD NetNameID;
    BYTE ServiceType; // memory and spreadsheet only
};
static_assert(offsetof(Channel_Info_Tag, Name) == 30);
static_assert(offsetof(Channel_Info_Tag, LogicalNumber) == 288);
static_assert(offsetof(Channel_Info_Tag, F) == 290);
static_assert(offsetof(Channel_Info_Tag, ServiceType) == 368);
static_assert(sizeof(Channel_Info_Tag) == 372);

inline bool IsTV(const Channel_Info_Tag& c) {
    return (c.Attributes & kAttrTV) != 0;
}
inline bool IsRadio(const Channel_Info_Tag& c) {
    return (c.Attributes & kAttrRadio) != 0;
}

// The two channel lists: TV channels (0x0400) and radio channels (0x0800).
enum class ChannelKind : BYTE { TV, Radio };

constexpr WORD KindBit(ChannelKind kind) {
    return kind == ChannelKind::TV ? kAttrTV : kAttrRadio;
}
inline bool IsOfKind(const Channel_Info_Tag& c, ChannelKind kind) {
    return (c.Attributes & KindBit(kind)) != 0;
}

struct SMux_Info_Tag {
    DWORD Index;
    DWORD Params;
    WORD Word1;
    BYTE Byte1;
    BYTE NameIndex;
    BYTE Byte2;
    BYTE Byte3;
    BYTE Byte4;
    BYTE TPID; // 0 marks an empty slot
    WORD Word2;
    WORD Word3;
    BYTE Byte5;
    BYTE Byte6;
};
static_assert(sizeof(SMux_Info_Tag) == 24);

inline constexpr int kCableMuxTailSize = 128;

struct CableMux_Info_Tag {
    DWORD Index;
    DWORD Frequency; // kHz
    WORD SymbolRate;
    WORD TSID;
    WORD NetworkID;
    WORD OrgNetID;
    BYTE TPID; // 0 marks an empty slot
    BYTE Modulation;
    BYTE Invert;
    BYTE Mark;
    BYTE Tail[kCableMuxTailSize];
};
static_assert(offsetof(CableMux_Info_Tag, TPID) == 16);
static_assert(sizeof(CableMux_Info_Tag) == 148);
