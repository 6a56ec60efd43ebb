// What the channel lists hand to the maker's channel dialogs: which of the
// two dialogs a list uses, the record it starts from, and the lists of
// satellites, transponders, multiplexes, broadcasters and channels it offers.
// The pointers are rows of the store, valid until the next edit.
#pragma once

#include "model/ChannelListModel.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CZorvDB;

enum class ChannelDialogKind {
    Satellite, // CDlgCHAddUpdate: satellite and transponder lists
    Mux,       // CDlgMuxCHAddUpdate: a multiplex list
};

// Which multiplex list CDlgMuxCHAddUpdate gets (AddMuxList's three forms).
enum class MuxListKind {
    None,
    Terrestrial, // terrestrial-only: the SMux_Info_Tag records
    CableIds,    // cable-only: the TPID of each cable multiplex
    Transponders // satellite and terrestrial: the transponders of satellite 1
};

// A favourite list the dialogs offer as a check box: its number (1-based),
// its name, and the position a channel takes in it when the box is ticked
// (one above the highest of the channel's kind; 0 on products whose
// channels carry no positions).
struct FavoriteChoice {
    int number = 0;
    std::string name; // Windows-1252
    WORD joinPosition = 0;
};

struct ChannelDialogSetup {
    ChannelDialogKind dialog = ChannelDialogKind::Satellite;
    // SetChannelMode: New only, true in the TV list.
    std::optional<bool> channelMode;
    // SetChannelInfo: the prepared record (New) or the focus row's (Update).
    Channel_Info_Tag record{};

    // CDlgCHAddUpdate
    std::vector<const Satellite_Info_Tag*> satellites;
    std::vector<const Transponder_Info_Tag*> transponders;
    std::vector<const Channel_Info_Tag*> channels;
    // CDlgMuxCHAddUpdate
    MuxListKind muxList = MuxListKind::None;
    std::vector<const SMux_Info_Tag*> terrestrialMuxes;
    std::vector<int> cableMuxIds;
    std::vector<const Transponder_Info_Tag*> terrestrialTransponders;
    // both
    std::vector<const Broadcast_Info_Tag*> broadcasts;
    // Every favourite list in table order, for the membership check boxes.
    std::vector<FavoriteChoice> favorites;
};

// CDlgMuxCHAddUpdate on terrestrial-only and cable-only products, and on
// satellite-and-terrestrial products while the terrestrial source is chosen;
// CDlgCHAddUpdate otherwise.
ChannelDialogKind ChannelDialogFor(const ChannelListState& list);

// The record New starts from: all zero, placed where the list's filter
// points (satellite and transponder, or multiplex), with the genre or the
// favourite membership New will give it when a genre or list is shown.
Channel_Info_Tag PrepareNewChannel(const CZorvDB& db, const ChannelListState& list);
// New: the dialog, its channel mode and the prepared record.
ChannelDialogSetup NewChannelDialog(const CZorvDB& db, const ChannelListState& list);
// Update: the dialog with the focus row's record; none when it has no record.
std::optional<ChannelDialogSetup>
UpdateChannelDialog(const CZorvDB& db, const ChannelListState& list, std::uint32_t focusKey);

// What the description dialog shows of a channel: the channel, the first
// satellite with its SatID as ID, the first transponder with its SatID and
// TPID, the first broadcaster with its BroadcastID; any of the three null.
struct ChannelDescription {
    const Channel_Info_Tag* channel = nullptr;
    const Satellite_Info_Tag* satellite = nullptr;
    const Transponder_Info_Tag* transponder = nullptr;
    const Broadcast_Info_Tag* broadcast = nullptr;
};
// Description of the focus row's channel; all null when it has no record.
ChannelDescription DescribeChannel(const CZorvDB& db, std::uint32_t key);
