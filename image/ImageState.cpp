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

ImageStateValues ImageStateValues::Capture() {
    ImageStateValues v;
    std::memcpy(v.headerText.data(), g_HeaderText, sizeof g_HeaderText);
    v.zorvImage = g_bZorvImage;
    v.favHeader = g_wFavHeader;
    v.maxTPID = g_nMaxTPID;
    v.preserved = {g_byPreservedA, g_byPreservedB, g_byPreservedC, g_byPreservedD};
    return v;
}

void ImageStateValues::Apply() const {
    std::memcpy(g_HeaderText, headerText.data(), sizeof g_HeaderText);
    g_bZorvImage = zorvImage;
    g_wFavHeader = favHeader;
    g_nMaxTPID = maxTPID;
    g_byPreservedA = preserved[0];
    g_byPreservedB = preserved[1];
    g_byPreservedC = preserved[2];
    g_byPreservedD = preserved[3];
}
