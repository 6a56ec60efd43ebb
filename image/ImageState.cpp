#include "image/ImageState.h"

#include <cstring>

BYTE g_HeaderText[kHeaderTextSize] = {};
bool g_bZorvImage = false;
WORD g_wFavHeader = 0;
DWORD g_nMaxTPID = 0;
BYTE g_byPreservedA = 0;
BYTE g_byPreservedB = 0;
BYTE g_byPreservedC = 0;
BYTE g_byPreservedD = 0;

void ResetImageState() {
    std::memset(g_HeaderText, 0, sizeof g_HeaderText);
    g_bZorvImage = false;
    g_wFavHeader = 0;
    g_nMaxTPID = 0;
    g_byPreservedA = g_byPreservedB = g_byPreservedC = g_byPreservedD = 0;
}
