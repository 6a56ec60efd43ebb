#include "document/SessionCommands.h"

#include "contracts/Policy.h"

#include "document/CurrentDocument.h"
#include "document/EditSession.h"
#include "model/BroadcastCommands.h"
#include "model/CableMuxCommands.h"
#include "model/SatelliteCommands.h"

namespace {

constexpr TableMask kSatelliteCascade =
    TableBit(kTableSatellite) | TableBit(kTableTransponder) | TableBit(kTableChannel);
constexpr TableMask kTransponderCascade = TableBit(kTableTransponder) | TableBit(kTableChannel);
constexpr TableMask kCableMuxCascade = TableBit(kTableCableMux) | TableBit(kTableChannel);

// Runs a channel command as one edit; an error or no change records nothing.
template <class Command>
ChannelCommandResult RunChannelCommand(EditSession& session, std::string_view name,
                                       Command command) {
    ChannelCommandResult result;
    session.Run(name, kChannelTables, [&] {
        result = command();
        return result.changed && result.error.empty();
    });
    return result;
}

// Runs a command that answers a key (0: nothing added) or a count.
template <class Command>
auto RunCounted(EditSession& session, std::string_view name, TableMask tables, Command command) {
    decltype(command()) result{};
    session.Run(name, tables, [&] {
        result = command();
        return result != 0;
    });
    return result;
}

} // namespace

ChannelCommandResult RunNewChannel(EditSession& session, const ChannelListState& list,
                                   const Channel_Info_Tag& fromDialog) {
    return RunChannelCommand(session, "New", [&] {
        return NewChannel(session.Db(), list, fromDialog, session.Clipboard());
    });
}

ChannelCommandResult RunUpdateChannel(EditSession& session, std::uint32_t key,
                                      const Channel_Info_Tag& fromDialog) {
    return RunChannelCommand(session, "Update", [&] {
        return UpdateChannel(session.Db(), key, fromDialog, GetProductList());
    });
}

ChannelCommandResult RunDeleteChannels(EditSession& session, const ChannelListState& list,
                                       std::span<const std::uint32_t> selected) {
    return RunChannelCommand(session, DeleteAsks(list) ? "Delete" : "Remove from FAV", [&] {
        return DeleteChannels(session.Db(), list, selected, session.Clipboard());
    });
}

ChannelCommandResult RunPasteChannels(EditSession& session, const ChannelListState& list) {
    return RunChannelCommand(
        session, "Paste", [&] { return PasteChannels(session.Db(), list, session.Clipboard()); });
}

ChannelCommandResult RunMoveChannelsHere(EditSession& session, const ChannelListState& list,
                                         std::uint32_t focusKey) {
    return RunChannelCommand(session, "Move here", [&] {
        return MoveChannelsHere(session.Db(), list, session.Clipboard(), focusKey);
    });
}

ChannelCommandResult RunLockChannels(EditSession& session, std::span<const std::uint32_t> selected,
                                     bool on) {
    return RunChannelCommand(session, on ? "Lock On" : "Lock Off",
                             [&] { return SetChannelsLocked(session.Db(), selected, on); });
}

ChannelCommandResult RunSkipChannels(EditSession& session, std::span<const std::uint32_t> selected,
                                     bool on) {
    return RunChannelCommand(session, on ? "Skip On" : "Skip Off",
                             [&] { return SetChannelsSkipped(session.Db(), selected, on); });
}

std::uint32_t RunNewSatellite(EditSession& session, const Satellite_Info_Tag& fromDialog) {
    return RunCounted(session, "New satellite", TableBit(kTableSatellite),
                      [&] { return NewSatellite(session.Db(), fromDialog); });
}

bool RunUpdateSatellite(EditSession& session, std::uint32_t key,
                        const Satellite_Info_Tag& fromDialog) {
    return RunCounted(session, "Update satellite", TableBit(kTableSatellite),
                      [&] { return UpdateSatellite(session.Db(), key, fromDialog); });
}

int RunDeleteSatellites(EditSession& session, std::span<const std::uint32_t> keys) {
    return RunCounted(session, "Delete satellite", kSatelliteCascade,
                      [&] { return DeleteSatellites(session.Db(), keys); });
}

std::uint32_t RunNewTransponder(EditSession& session, const Transponder_Info_Tag& fromDialog) {
    return RunCounted(session, "New transponder", TableBit(kTableTransponder),
                      [&] { return NewTransponder(session.Db(), fromDialog, g_nMaxTPID); });
}

bool RunUpdateTransponder(EditSession& session, std::uint32_t key,
                          const Transponder_Info_Tag& fromDialog) {
    return RunCounted(session, "Update transponder", TableBit(kTableTransponder),
                      [&] { return UpdateTransponder(session.Db(), key, fromDialog); });
}

int RunDeleteTransponders(EditSession& session, std::span<const std::uint32_t> keys) {
    return RunCounted(session, "Delete transponder", kTransponderCascade,
                      [&] { return DeleteTransponders(session.Db(), keys); });
}

std::uint32_t RunNewCableMux(EditSession& session, const CableMux_Info_Tag& fromDialog) {
    return RunCounted(session, "New multiplex", TableBit(kTableCableMux),
                      [&] { return NewCableMux(session.Db(), fromDialog, g_nMaxTPID); });
}

bool RunUpdateCableMux(EditSession& session, std::uint32_t key,
                       const CableMux_Info_Tag& fromDialog) {
    return RunCounted(session, "Update multiplex", TableBit(kTableCableMux),
                      [&] { return UpdateCableMux(session.Db(), key, fromDialog); });
}

int RunDeleteCableMuxes(EditSession& session, std::span<const std::uint32_t> keys) {
    return RunCounted(session, "Delete multiplex", kCableMuxCascade,
                      [&] { return DeleteCableMuxes(session.Db(), keys); });
}

std::uint32_t RunNewBroadcast(EditSession& session, WORD lastRowId, std::string_view name) {
    return RunCounted(session, "New broadcaster", TableBit(kTableBroadcast),
                      [&] { return NewBroadcast(session.Db(), lastRowId, name); });
}

bool RunRenameBroadcast(EditSession& session, std::uint32_t key, std::string_view name) {
    return RunCounted(session, "Update broadcaster", TableBit(kTableBroadcast),
                      [&] { return RenameBroadcast(session.Db(), key, name); });
}

int RunDeleteBroadcasts(EditSession& session, std::span<const std::uint32_t> keys) {
    return RunCounted(session, "Delete broadcaster", TableBit(kTableBroadcast),
                      [&] { return DeleteBroadcasts(session.Db(), keys); });
}
