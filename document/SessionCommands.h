// The grids' commands as named edits of the edit session: each runs its
// plain command inside one edit of the catalogue (its name and tables), so
// that one Undo takes the whole command back. The editor and `velmar-cli edit` call
// these; the questions (delete) are the caller's, asked before.
#pragma once

#include "contracts/ZorvDB.h"
#include "model/ChannelCommands.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"

#include <cstdint>
#include <span>
#include <string_view>

class EditSession;

// ---- Channel lists (the clipboard is the session's) ---------------------------------

ChannelCommandResult RunNewChannel(EditSession& session, const ChannelListState& list,
                                   const Channel_Info_Tag& fromDialog);
ChannelCommandResult RunUpdateChannel(EditSession& session, std::uint32_t key,
                                      const Channel_Info_Tag& fromDialog);
// "Delete", or "Remove from FAV" in favourite mode.
ChannelCommandResult RunDeleteChannels(EditSession& session, const ChannelListState& list,
                                       std::span<const std::uint32_t> selected);
ChannelCommandResult RunPasteChannels(EditSession& session, const ChannelListState& list);
ChannelCommandResult RunMoveChannelsHere(EditSession& session, const ChannelListState& list,
                                         std::uint32_t focusKey);
ChannelCommandResult RunLockChannels(EditSession& session, std::span<const std::uint32_t> selected,
                                     bool on);
ChannelCommandResult RunSkipChannels(EditSession& session, std::span<const std::uint32_t> selected,
                                     bool on);

// ---- Satellites, transponders, cable multiplexes, broadcasters, favourites -----------

// New ones answer the new record's key, 0 when nothing was added.
std::uint32_t RunNewSatellite(EditSession& session, const Satellite_Info_Tag& fromDialog);
bool RunUpdateSatellite(EditSession& session, std::uint32_t key,
                        const Satellite_Info_Tag& fromDialog);
int RunDeleteSatellites(EditSession& session, std::span<const std::uint32_t> keys);
// Raises the image's highest-TPID counter (g_nMaxTPID) inside the edit.
std::uint32_t RunNewTransponder(EditSession& session, const Transponder_Info_Tag& fromDialog);
bool RunUpdateTransponder(EditSession& session, std::uint32_t key,
                          const Transponder_Info_Tag& fromDialog);
int RunDeleteTransponders(EditSession& session, std::span<const std::uint32_t> keys);
std::uint32_t RunNewCableMux(EditSession& session, const CableMux_Info_Tag& fromDialog);
bool RunUpdateCableMux(EditSession& session, std::uint32_t key,
                       const CableMux_Info_Tag& fromDialog);
int RunDeleteCableMuxes(EditSession& session, std::span<const std::uint32_t> keys);
// `lastRowId` is the BroadcastID the broadcaster grid's last row shows.
std::uint32_t RunNewBroadcast(EditSession& session, WORD lastRowId, std::string_view name);
bool RunRenameBroadcast(EditSession& session, std::uint32_t key, std::string_view name);
int RunDeleteBroadcasts(EditSession& session, std::span<const std::uint32_t> keys);
