#include "document/EditCatalogue.h"

#include "document/EditSession.h"

#include <array>

namespace {

constexpr TableMask kChannel = TableBit(kTableChannel);
// The channel table and the scratch table its regroup and renumber use.
constexpr TableMask kChannelAndScratch = kChannel | TableBit(kTableScratch);
constexpr TableMask kSatelliteCascade =
    TableBit(kTableSatellite) | TableBit(kTableTransponder) | kChannel;
constexpr TableMask kTransponderCascade = TableBit(kTableTransponder) | kChannel;
constexpr TableMask kCableMuxCascade = TableBit(kTableCableMux) | kChannel;
// Channels with the satellites, transponders and providers they bring.
constexpr TableMask kMergeTables =
    kSatelliteCascade | TableBit(kTableBroadcast) | TableBit(kTableScratch);

using K = KeyRenewal;
using E = EditId;

constexpr std::array<EditEntry, kEditCount> kEntries{{
    {E::NewChannel, "New", kChannelAndScratch, K::Always, "new", ""},
    {E::UpdateChannel, "Update", kChannelAndScratch, K::Never, "update", ""},
    {E::DeleteChannels, "Delete", kChannelAndScratch, K::Always, "delete",
     "outside a favourite list"},
    {E::RemoveFromFavorite, "Remove from FAV", kChannelAndScratch, K::Never, "delete",
     "while a favourite list is shown"},
    {E::PasteChannels, "Paste", kChannelAndScratch, K::Always, "paste", ""},
    {E::MoveChannelsHere, "Move here", kChannelAndScratch, K::Never, "move-here", ""},
    {E::LockOn, "Lock On", kChannelAndScratch, K::Never, "lock on", ""},
    {E::LockOff, "Lock Off", kChannelAndScratch, K::Never, "lock off", ""},
    {E::SkipOn, "Skip On", kChannelAndScratch, K::Never, "skip on", ""},
    {E::SkipOff, "Skip Off", kChannelAndScratch, K::Never, "skip off", ""},

    {E::SetSatellite, "Set satellite", kChannel, K::Never, "drop satellite", ""},
    {E::SetMultiplex, "Set multiplex", kChannel, K::Never, "drop mux", ""},
    {E::SetTransponder, "Set transponder", kChannel, K::Never, "drop transponder", ""},
    {E::SetBroadcaster, "Set broadcaster", kChannel, K::Never, "drop broadcast", ""},
    {E::AddToFavorite, "Add to favourite list", kChannel, K::Never, "drop favorite", ""},
    {E::SetGenre, "Set genre", kChannel, K::Never, "drop genre", ""},
    {E::MoveChannels, "Move channels", kChannel, K::Never, "drop row", "outside a favourite list"},
    {E::ReorderFavorite, "Reorder favourite list", kChannel, K::Never, "drop row",
     "while a favourite list is shown"},

    {E::NewSatellite, "New satellite", TableBit(kTableSatellite), K::Never, "satellite new", ""},
    {E::UpdateSatellite, "Update satellite", TableBit(kTableSatellite), K::Never,
     "satellite update", ""},
    {E::DeleteSatellite, "Delete satellite", kSatelliteCascade, K::Never, "satellite delete", ""},
    {E::NewTransponder, "New transponder", TableBit(kTableTransponder), K::Never, "transponder new",
     ""},
    {E::UpdateTransponder, "Update transponder", TableBit(kTableTransponder), K::Never,
     "transponder update", ""},
    {E::DeleteTransponder, "Delete transponder", kTransponderCascade, K::Never,
     "transponder delete", ""},
    {E::MoveTransponders, "Move transponders", TableBit(kTableTransponder), K::Never,
     "drop-transponder", ""},
    {E::NewCableMux, "New multiplex", TableBit(kTableCableMux), K::Never, "cablemux new", ""},
    {E::UpdateCableMux, "Update multiplex", TableBit(kTableCableMux), K::Never, "cablemux update",
     ""},
    {E::DeleteCableMux, "Delete multiplex", kCableMuxCascade, K::Never, "cablemux delete", ""},
    {E::NewBroadcaster, "New broadcaster", TableBit(kTableBroadcast), K::Never, "broadcast new",
     ""},
    {E::UpdateBroadcaster, "Update broadcaster", TableBit(kTableBroadcast), K::Never,
     "broadcast update", ""},
    {E::DeleteBroadcaster, "Delete broadcaster", TableBit(kTableBroadcast), K::Never,
     "broadcast delete", ""},
    {E::RenameFavorite, "Rename favourite list", TableBit(kTableFavorite), K::Never,
     "favorite rename", ""},

    {E::ImportWorkbook, "Import workbook", kChannel, K::Always, "",
     "a script edits the image it was given; `velmar-cli import-xls` replaces an image's "
     "channels by a workbook's"},
    {E::ApplyOrder, "Apply Order", kChannel, K::Never, "apply-order", ""},
    {E::MergeChannels, "Add to this list", kMergeTables, K::Always, "merge", ""},
    {E::ImportCsv, "Import CSV", kChannel, K::Always, "",
     "`velmar-cli import-csv` replaces an image's channels by a CSV file's"},
    {E::ImportSatellites, "Import transponders", kSatelliteCascade, K::Never, "",
     "`velmar-cli import-satellites` brings satellites up to date from a satellites.xml file"},
}};

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        if (static_cast<std::size_t>(kEntries[i].id) != i)
            return false;
    return true;
}
static_assert(InIdOrder(), "the entries stand in the order of their ids");

std::string CommandText(const char* verb, const std::string& edit) {
    return edit.empty() ? std::string(verb) : std::string(verb) + " " + edit;
}

} // namespace

const EditEntry& Catalogue(EditId id) {
    return kEntries[static_cast<std::size_t>(id)];
}

std::span<const EditEntry> EditCatalogue() {
    return kEntries;
}

const EditEntry* FindScriptEdit(std::string_view words) {
    for (const EditEntry& e : kEntries)
        if (!e.script.empty() && e.script == words)
            return &e;
    return nullptr;
}

bool RunEdit(EditSession& session, EditId id, const std::function<bool()>& apply) {
    const EditEntry& e = Catalogue(id);
    return session.Run(e.name, e.tables, apply);
}

std::string UndoCommandText(const EditSession& session) {
    return CommandText("Undo", session.UndoName());
}

std::string RedoCommandText(const EditSession& session) {
    return CommandText("Redo", session.RedoName());
}
