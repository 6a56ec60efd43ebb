// The private messages by which the panes talk to the main frame, with
// their numbers, and the drag ids of the grids. Delivered synchronously.
#pragma once

#include <cstdint>

inline constexpr unsigned WM_USER = 0x0400;
inline constexpr unsigned WM_FAV_NODE_SELECTED = WM_USER + 100;
inline constexpr unsigned WM_SATELLITE_SELECTED = WM_USER + 101;
inline constexpr unsigned WM_TRANSPONDER_SELECTED = WM_USER + 102;
inline constexpr unsigned WM_TERRESTRIAL_TAB_SELECTED = WM_USER + 103;
inline constexpr unsigned WM_MUX_CLICKED = WM_USER + 104;
inline constexpr unsigned WM_BROADCAST_SELECTED = WM_USER + 105;
inline constexpr unsigned WM_CLEAR_TRANSPONDER_GRID = WM_USER + 107;
inline constexpr unsigned WM_CLEAR_CHANNEL_GRIDS = WM_USER + 109;
inline constexpr unsigned WM_REFRESH_ALL = WM_USER + 110;
inline constexpr unsigned WM_GRID_DRAG_BEGIN = WM_USER + 111;
inline constexpr unsigned WM_GRID_DROP = WM_USER + 114;

enum DragId : int {
    kDragSatellite = 1,
    kDragMux = 2,
    kDragTransponder = 4,
    kDragBroadcast = 5,
    kDragFavoriteNode = 6,
    kDragGenreNode = 7,
    kDragTV = 8,
    kDragRadio = 9,
};

// The main frame as the panes see it: the one dispatch function.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual long SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // The drag source the frame remembers, for the grids' accept rules.
    virtual int DragSource() const = 0;
};
