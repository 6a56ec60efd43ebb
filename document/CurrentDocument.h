// The current document's image values under their process-wide names: what
// the last load read and the next save writes back. They are the fields of
// one ImageStateValues, so the codec can be handed the current document's
// values like any other document's, and the edit session can snapshot them
// as one value.
#pragma once

#include "image/ImageState.h"

#include <array>

// The current document's values; g_HeaderText ... g_byPreservedD name its
// fields.
ImageStateValues& CurrentImageValues();

extern BYTE (&g_HeaderText)[kHeaderTextSize];
extern bool& g_bZorvImage;
extern WORD& g_wFavHeader;
extern DWORD& g_nMaxTPID;
extern BYTE& g_byPreservedA;
extern BYTE& g_byPreservedB;
extern BYTE& g_byPreservedC;
extern BYTE& g_byPreservedD;

// A copy of g_HeaderText, for a bare image received (it gets the header text
// an opened one would get) and for work on another thread.
std::array<BYTE, kHeaderTextSize> CurrentHeaderText();

// Back to the start-of-process values (tests and tools that load several
// unrelated images in one process).
void ResetImageState();
