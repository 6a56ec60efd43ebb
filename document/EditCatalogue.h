// Every named edit, declared once: the name Undo and Redo show, the tables
// it may touch, whether it gives the channels new keys, and the edit-script
// line that runs it. The editor and `velmar-cli edit` run edits by id, so
// the two cannot name the same command differently.
#pragma once

#include "contracts/ZorvDB.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

class EditSession;

enum class EditId : std::uint8_t {
    // Channel list commands.
    NewChannel,
    UpdateChannel,
    DeleteChannels,
    RemoveFromFavorite,
    PasteChannels,
    MoveChannelsHere,
    LockOn,
    LockOff,
    SkipOn,
    SkipOff,
    // Selected channels dropped on another grid, the tree, or their own list.
    SetSatellite,
    SetMultiplex,
    SetTransponder,
    SetBroadcaster,
    AddToFavorite,
    SetGenre,
    MoveChannels,
    ReorderFavorite,
    // The source grids and the favourite tree.
    NewSatellite,
    UpdateSatellite,
    DeleteSatellite,
    NewTransponder,
    UpdateTransponder,
    DeleteTransponder,
    MoveTransponders,
    NewCableMux,
    UpdateCableMux,
    DeleteCableMux,
    NewBroadcaster,
    UpdateBroadcaster,
    DeleteBroadcaster,
    RenameFavorite,
    // Whole-table edits.
    ImportWorkbook,
    ApplyOrder,
    // The channels only another list has, added with what they need.
    MergeChannels,
    // Lists in plain files.
    ImportCsv,
    ImportSatellites,
    Count
};

inline constexpr std::size_t kEditCount = static_cast<std::size_t>(EditId::Count);

// Whether the channel table comes back under keys that name other rows.
enum class KeyRenewal : std::uint8_t {
    Never,   // channels are changed where they are
    Always,  // the table is rebuilt whenever the edit changes anything: a key held across
             // it names nothing for sure (rows already in place keep theirs)
    Depends, // on what the edit meets
};

struct EditEntry {
    EditId id;
    std::string_view name; // "Undo <name>"
    TableMask tables;
    KeyRenewal keys;
    // The words a script line starts with to run it; empty when no script
    // command does.
    std::string_view script;
    // When `script` runs another edit too, the case that is this one; when
    // `script` is empty, what a script user does instead.
    std::string_view scriptNote;
};

const EditEntry& Catalogue(EditId id);
std::span<const EditEntry> EditCatalogue();
// The entry a script line's first words name (the first such entry when two
// share the words, as `delete` and `drop row` do); null when none does.
const EditEntry* FindScriptEdit(std::string_view words);

// Runs `apply` as the edit `id` (EditSession::Run with its name and tables).
bool RunEdit(EditSession& session, EditId id, const std::function<bool()>& apply);

// The Undo and Redo commands' texts: "Undo", or "Undo <name>" when there is
// an edit to take back.
std::string UndoCommandText(const EditSession& session);
std::string RedoCommandText(const EditSession& session);
