#include "model/MuxParams.h"

namespace {

struct Field {
    BYTE MuxParams::*member;
    int shift;
    int width;
};

constexpr Field kFields[] = {
    {&MuxParams::Flag, 0, 1},      {&MuxParams::TransMode, 1, 2},
    {&MuxParams::FreqTable, 3, 3}, {&MuxParams::Constellation, 6, 2},
    {&MuxParams::CodeRate, 8, 3},  {&MuxParams::GuardInterval, 11, 5},
    {&MuxParams::Priority, 16, 2}, {&MuxParams::Value18, 18, 6},
    {&MuxParams::Value24, 24, 6},
};

constexpr DWORD Mask(int width) {
    return (DWORD{1} << width) - 1;
}

} // namespace

MuxParams MuxParams::Unpack(DWORD params) {
    MuxParams p{};
    for (const Field& f : kFields)
        p.*f.member = static_cast<BYTE>((params >> f.shift) & Mask(f.width));
    return p;
}

DWORD MuxParams::Pack() const {
    DWORD params = 0;
    for (const Field& f : kFields)
        params |= (DWORD{this->*f.member} & Mask(f.width)) << f.shift;
    return params;
}
