// The switchboard: the panes send the frame private messages by number
// (SendMessage), and one dispatch function turns each into a typed call of
// the frame's operations.
#pragma once

#include "views/Messages.h"

#include <cstdint>

class IFrameOperations {
public:
    virtual ~IFrameOperations() = default;
    // The "Favorite" root: both channel lists show every channel again.
    virtual void OnAllChannelsChosen() = 0;
    // A favourite list (genre false, 0-based list number) or a genre node.
    virtual void OnFavoriteChosen(bool genre, int value) = 0;
    virtual void OnSatelliteSelected(std::uint32_t key) = 0;
    virtual void OnTransponderSelected(std::uint32_t key) = 0;
    // The Terrestrial tab (key 0) or a cable multiplex row.
    virtual void OnMuxSelected(std::uint32_t key) = 0;
    virtual void OnBroadcastSelected(std::uint32_t key) = 0;
    virtual void OnClearTransponderGrid() = 0;
    virtual void OnClearChannelGrids() = 0;
    // Both channel lists rebuild with the filters they have.
    virtual void OnRefillChannelLists() = 0;
    virtual void OnGridDragBegin(int source) = 0;
    // Something was dropped on grid or tree node `target`; `value` is the
    // key of the row under the pointer, or the node's number.
    virtual void OnGridDrop(int target, std::uint32_t value) = 0;
};

// Calls the operation a message stands for; 1 when the message is one of
// the switchboard's, 0 otherwise.
long DispatchFrameMessage(IFrameOperations& frame, unsigned message, std::uintptr_t wParam,
                          std::intptr_t lParam);
