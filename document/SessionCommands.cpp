#include "document/SessionCommands.h"

#include "contracts/Policy.h"

#include "document/CurrentDocument.h"
#include "document/EditCatalogue.h"
#include "document/EditSession.h"
#include "model/BroadcastCommands.h"
#include "model/CableMuxCommands.h"
#include "model/SatelliteCommands.h"

namespace {

// Runs a channel command as one edit; an error or no change records nothing.
template <class Command>
ChannelCommandResult RunChannelCommand(EditSession& session, EditId id, Command command) {
    ChannelCommandResult result;
    RunEdit(session, id, [&] {
        result = command();
        return result.changed && result.error.empty();
    });
    return result;
}

// Runs a command that answers a key (0: nothing added) or a count.
template <class Command> auto RunCounted(EditSession& session, EditId id, Command command) {
    decltype(command()) result{};
    RunEdit(session, id, [&] {
        result = command();
        return result != 0;
    });
    return result;
}

} // namespace

ChannelCommandResult RunNewChannel(EditSession& session, const ChannelListState& list,
                                   const Channel_Info_Tag& fromDialog) {
    return RunChannelCommand(session, EditId::NewChannel, [&] {
        return NewChannel(session.Db(), list, fromDialog, session.Clipboard());
    });
}

ChannelCommandResult RunUpdateChannel(EditSession& session, std::uint32_t key,
                                      const Channel_Info_Tag& fromDialog) {
    return RunChannelCommand(session, EditId::UpdateChannel, [&] {
        return UpdateChannel(session.Db(), key, fromDialog, GetProductList());
    });
}

ChannelCommandResult RunDeleteChannels(EditSession& session, const ChannelListState& list,
                                       std::span<const std::uint32_t> selected) {
    return RunChannelCommand(
        session, DeleteAsks(list) ? EditId::DeleteChannels : EditId::RemoveFromFavorite,
        [&] { return DeleteChannels(session.Db(), list, selected, session.Clipboard()); });
}

ChannelCommandResult RunPasteChannels(EditSession& session, const ChannelListState& list) {
    return RunChannelCommand(session, EditId::PasteChannels, [&] {
        return PasteChannels(session.Db(), list, session.Clipboard());
    });
}

ChannelCommandResult RunMoveChannelsHere(EditSession& session, const ChannelListState& list,
                                         std::uint32_t focusKey) {
    return RunChannelCommand(session, EditId::MoveChannelsHere, [&] {
        return MoveChannelsHere(session.Db(), list, session.Clipboard(), focusKey);
    });
}

ChannelCommandResult RunLockChannels(EditSession& session, std::span<const std::uint32_t> selected,
                                     bool on) {
    return RunChannelCommand(session, on ? EditId::LockOn : EditId::LockOff,
                             [&] { return SetChannelsLocked(session.Db(), selected, on); });
}

ChannelCommandResult RunSkipChannels(EditSession& session, std::span<const std::uint32_t> selected,
                                     bool on) {
    return RunChannelCommand(session, on ? EditId::SkipOn : EditId::SkipOff,
                             [&] { return SetChannelsSkipped(session.Db(), selected, on); });
}

std::uint32_t RunNewSatellite(EditSession& session, const Satellite_Info_Tag& fromDialog) {
    return RunCounted(session, EditId::NewSatellite,
                      [&] { return NewSatellite(session.Db(), fromDialog); });
}

bool RunUpdateSatellite(EditSession& session, std::uint32_t key,
                        const Satellite_Info_Tag& fromDialog) {
    return RunCounted(session, EditId::UpdateSatellite,
                      [&] { return UpdateSatellite(session.Db(), key, fromDialog); });
}

int RunDeleteSatellites(EditSession& session, std::span<const std::uint32_t> keys) {
    return RunCounted(session, EditId::DeleteSatellite,
                      [&] { return DeleteSatellites(session.Db(), keys); });
}

std::uint32_t RunNewTransponder(EditSession& session, const Transponder_Info_Tag& fromDialog) {
    return RunCounted(session, EditId::NewTransponder,
                      [&] { return NewTransponder(session.Db(), fromDialog, g_nMaxTPID); });
}

bool RunUpdateTransponder(EditSession& session, std::uint32_t key,
                          const Transponder_Info_Tag& fromDialog) {
    return RunCounted(session, EditId::UpdateTransponder,
                      [&] { return UpdateTransponder(session.Db(), key, fromDialog); });
}

int RunDeleteTransponders(EditSession& session, std::span<const std::uint32_t> keys) {
    return RunCounted(session, EditId::DeleteTransponder,
                      [&] { return DeleteTransponders(session.Db(), keys); });
}

std::uint32_t RunNewCableMux(EditSession& session, const CableMux_Info_Tag& fromDialog) {
    return RunCounted(session, EditId::NewCableMux,
                      [&] { return NewCableMux(session.Db(), fromDialog, g_nMaxTPID); });
}

bool RunUpdateCableMux(EditSession& session, std::uint32_t key,
                       const CableMux_Info_Tag& fromDialog) {
    return RunCounted(session, EditId::UpdateCableMux,
                      [&] { return UpdateCableMux(session.Db(), key, fromDialog); });
}

int RunDeleteCableMuxes(EditSession& session, std::span<const std::uint32_t> keys) {
    return RunCounted(session, EditId::DeleteCableMux,
                      [&] { return DeleteCableMuxes(session.Db(), keys); });
}

std::uint32_t RunNewBroadcast(EditSession& session, WORD lastRowId, std::string_view name) {
    return RunCounted(session, EditId::NewBroadcaster,
                      [&] { return NewBroadcast(session.Db(), lastRowId, name); });
}

bool RunRenameBroadcast(EditSession& session, std::uint32_t key, std::string_view name) {
    return RunCounted(session, EditId::UpdateBroadcaster,
                      [&] { return RenameBroadcast(session.Db(), key, name); });
}

int RunDeleteBroadcasts(EditSession& session, std::span<const std::uint32_t> keys) {
    return RunCounted(session, EditId::DeleteBroadcaster,
                      [&] { return DeleteBroadcasts(session.Db(), keys); });
}
