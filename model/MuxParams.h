// The packed transmission parameters word of a terrestrial multiplex (bit 0
// is the least significant bit of the word).
#pragma once

#include "platform/ByteOrder.h"

struct MuxParams {
    BYTE Flag;          // bit 0
    BYTE TransMode;     // bits 1-2
    BYTE FreqTable;     // bits 3-5
    BYTE Constellation; // bits 6-7
    BYTE CodeRate;      // bits 8-10
    BYTE GuardInterval; // bits 11-15
    BYTE Priority;      // bits 16-17
    BYTE Value18;       // bits 18-23, carried
    BYTE Value24;       // bits 24-29, carried

    static MuxParams Unpack(DWORD params);
    DWORD Pack() const; // bits 30-31 always 0
};
