// The image codec's values that outlive one load or save: what a load read
// besides the tables and what the next save writes back (the header text and
// form, the favourite block's first word, the highest TPID seen, the
// satellite trailer's preserved bytes). Each document holds its own; the
// codec reads and writes the ones it is given.
#pragma once

#include "platform/ByteOrder.h"

#include <array>

inline constexpr int kHeaderTextSize = 80;
inline constexpr int kWorkingHeaderSize = 86; // "VX  ", length, text
inline constexpr int kZorvHeaderSize = 64;
inline constexpr int kZorvTagOffset = 16; // inside the header text

struct ImageStateValues {
    BYTE headerText[kHeaderTextSize] = {};
    bool zorvImage = false;
    WORD favHeader = 0;
    DWORD maxTPID = 0;
    std::array<BYTE, 4> preserved{}; // satellite trailer bytes A, B, C, D

    bool operator==(const ImageStateValues&) const = default;
};
