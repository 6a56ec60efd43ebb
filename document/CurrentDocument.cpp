#include "document/CurrentDocument.h"

#include <algorithm>
#include <iterator>

namespace {

// Zero at start, as the codec's values are before the first load.
constinit ImageStateValues s_current{};

} // namespace

constinit BYTE (&g_HeaderText)[kHeaderTextSize] = s_current.headerText;
constinit bool& g_bZorvImage = s_current.zorvImage;
constinit WORD& g_wFavHeader = s_current.favHeader;
constinit DWORD& g_nMaxTPID = s_current.maxTPID;
constinit BYTE& g_byPreservedA = s_current.preserved[0];
constinit BYTE& g_byPreservedB = s_current.preserved[1];
constinit BYTE& g_byPreservedC = s_current.preserved[2];
constinit BYTE& g_byPreservedD = s_current.preserved[3];

ImageStateValues& CurrentImageValues() {
    return s_current;
}

std::array<BYTE, kHeaderTextSize> CurrentHeaderText() {
    std::array<BYTE, kHeaderTextSize> text{};
    std::copy(std::begin(s_current.headerText), std::end(s_current.headerText), text.begin());
    return text;
}

void ResetImageState() {
    s_current = ImageStateValues{};
}
