// The commands of the channel lists' menu and keys as plain functions over
// the store, the list's state (kind, filter, product), the keys it works on
// and the channel clipboard. The caller runs each inside one edit of the
// edit session and shows what the result asks for; none of them asks or
// shows anything itself.
#pragma once

#include "model/ChannelClipboard.h"
#include "model/ChannelListModel.h"
#include "model/ChannelRecords.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class CZorvDB;

struct ChannelCommandResult {
    bool changed = false; // the tables changed
    // An error box to show (stop icon); empty when none.
    std::string_view error;
    // Channel keys now name other rows (regroup or renumber): every list
    // rebuilds, and keys held from before are stale.
    bool keysRenewed = false;
    // Both lists rebuild with their filters, not only this one.
    bool refreshBoth = false;
    // Keys the list selects after rebuilding (Move here: the moved set).
    std::vector<std::uint32_t> select;
    // The channels the command added, with their final keys (New, Paste),
    // for the list to scroll to.
    std::vector<std::uint32_t> added;
};

// Whether Delete asks first: everywhere but in favourite mode, where it
// only takes the rows out of the list.
bool DeleteAsks(const ChannelListState& list);

// New with the dialog's record: placed in the shown favourite list and
// genre, of the list's kind, numbered one above the highest number of the
// kind; then the table is regrouped (TV first) and renumbered, and in
// favourite mode the list's positions are renumbered. Empties the clipboard.
ChannelCommandResult NewChannel(CZorvDB& db, const ChannelListState& list,
                                const Channel_Info_Tag& fromDialog, ChannelClipboard& clipboard);
// Update: the dialog's whole record replaces the record with `key` (which
// keeps its key). A number that another channel of its kind holds moves the
// channel to that place, as Move here does (the others shift); on product
// list 8, whose lists show ShowNum, the number stays as typed.
ChannelCommandResult UpdateChannel(CZorvDB& db, std::uint32_t key,
                                   const Channel_Info_Tag& fromDialog, int productList);
// Delete of the selected rows. In favourite mode the channels leave the
// shown list (membership and position cleared, the list's positions
// renumbered) and stay in the table. Otherwise (after the question) the
// records go, the table is renumbered and the clipboard emptied.
ChannelCommandResult DeleteChannels(CZorvDB& db, const ChannelListState& list,
                                    std::span<const std::uint32_t> selected,
                                    ChannelClipboard& clipboard);
// Copy: the clipboard holds the selected keys that have a record, and the
// list's kind.
void CopyChannels(const CZorvDB& db, const ChannelListState& list,
                  std::span<const std::uint32_t> selected, ChannelClipboard& clipboard);
// Paste: copies of the clipboard's channels, placed by the filter, with
// genre, favourites and numbers reset, numbered on from the highest; then
// regrouped and renumbered. A clipboard of the other kind gives the error
// and changes nothing; an empty clipboard changes nothing.
ChannelCommandResult PasteChannels(CZorvDB& db, const ChannelListState& list,
                                   ChannelClipboard& clipboard);
// Move here: the clipboard's channels take the numbers from the focus row's
// channel on (the moved-set renumbering); the clipboard stays. A clipboard
// of the other kind gives the error.
ChannelCommandResult MoveChannelsHere(CZorvDB& db, const ChannelListState& list,
                                      const ChannelClipboard& clipboard, std::uint32_t focusKey);
// Lock / Skip On and Off on the selected rows.
ChannelCommandResult SetChannelsLocked(CZorvDB& db, std::span<const std::uint32_t> selected,
                                       bool on);
ChannelCommandResult SetChannelsSkipped(CZorvDB& db, std::span<const std::uint32_t> selected,
                                        bool on);
