// Module-wide state of the image codec: what the last load read and the next
// save writes back.
#pragma once

#include "platform/ByteOrder.h"

#include <array>

inline constexpr int kHeaderTextSize = 80;
inline constexpr int kWorkingHeaderSize = 86; // "VX  ", length, text
inline constexpr int kZorvHeaderSize = 64;
inline constexpr int kZorvTagOffset = 16; // inside the header text

extern BYTE g_HeaderText[kHeaderTextSize];
extern bool g_bZorvImage;
extern WORD g_wFavHeader;
extern DWORD g_nMaxTPID;
extern BYTE g_byPreservedA;
extern BYTE g_byPreservedB;
extern BYTE g_byPreservedC;
extern BYTE g_byPreservedD;

// Back to the start-of-process values (tests and tools that load several
// unrelated images in one process).
void ResetImageState();

// The values above as one value, for code that puts them back: the edit
// session's undo, and reading another file without disturbing the document.
struct ImageStateValues {
    std::array<BYTE, kHeaderTextSize> headerText{};
    bool zorvImage = false;
    WORD favHeader = 0;
    DWORD maxTPID = 0;
    std::array<BYTE, 4> preserved{};

    static ImageStateValues Capture();
    void Apply() const;
    bool operator==(const ImageStateValues&) const = default;
};
