#include "views/Switchboard.h"

long DispatchFrameMessage(IFrameOperations& frame, unsigned message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
    const auto key = static_cast<std::uint32_t>(lParam);
    switch (message) {
    case WM_FAV_NODE_SELECTED:
        if (wParam == 0 && lParam == 255)
            frame.OnAllChannelsChosen();
        else
            frame.OnFavoriteChosen(wParam != 0, static_cast<int>(lParam));
        break;
    case WM_SATELLITE_SELECTED:
        frame.OnSatelliteSelected(key);
        break;
    case WM_TRANSPONDER_SELECTED:
        frame.OnTransponderSelected(key);
        break;
    case WM_TERRESTRIAL_TAB_SELECTED:
    case WM_MUX_CLICKED:
        frame.OnMuxSelected(key);
        break;
    case WM_BROADCAST_SELECTED:
        frame.OnBroadcastSelected(key);
        break;
    case WM_CLEAR_TRANSPONDER_GRID:
        frame.OnClearTransponderGrid();
        break;
    case WM_CLEAR_CHANNEL_GRIDS:
        frame.OnClearChannelGrids();
        break;
    case WM_REFRESH_ALL:
        frame.OnRefillChannelLists();
        break;
    case WM_GRID_DRAG_BEGIN:
        frame.OnGridDragBegin(static_cast<int>(wParam));
        break;
    case WM_GRID_DROP:
        frame.OnGridDrop(static_cast<int>(wParam), key);
        break;
    default:
        return 0;
    }
    return 1;
}
