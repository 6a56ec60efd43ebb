#include "document/EditCatalogue.h"

#include "document/EditSession.h"
#include "platform/Translate.h"

#include <array>

namespace {

constexpr TableMask kChannel = TableBit(kTableChannel);
// The channel table and the scratch table its regroup and renumber use.
constexpr TableMask kChannelAndScratch = kChannel | TableBit(kTableScratch);
constexpr TableMask kSatelliteCascade =
    TableBit(kTableSatellite) | TableBit(kTableTransponder) | kChannel;
constexpr TableMask kTransponderCascade = TableBit(kTableTransponder) | kChannel;
constexpr TableMask kCableMuxCascade = TableBit(kTableCableMux) | kChannel;
// Channels with the satellites, transponders, multiplexes and providers they
// bring.
constexpr TableMask kMergeTables = kSatelliteCascade | TableBit(kTableBroadcast) |
                                   TableBit(kTableCableMux) | TableBit(kTableTerrestrialMux) |
                                   TableBit(kTableScratch);

using K = KeyRenewal;
using E = EditId;

constexpr std::array<EditEntry, kEditCount> kEntries{{
    {E::NewChannel, VELMAR_TRANSLATE_NOOP("Velmar", "New"), kChannelAndScratch, K::Always, "new",
     ""},
    {E::UpdateChannel, VELMAR_TRANSLATE_NOOP("Velmar", "Update"), kChannelAndScratch, K::Never,
     "update", ""},
    {E::DeleteChannels, VELMAR_TRANSLATE_NOOP("Velmar", "Delete"), kChannelAndScratch, K::Always,
     "delete", "outside a favourite list"},
    {E::RemoveFromFavorite, VELMAR_TRANSLATE_NOOP("Velmar", "Remove from FAV"), kChannelAndScratch,
     K::Never, "delete", "while a favourite list is shown"},
    {E::PasteChannels, VELMAR_TRANSLATE_NOOP("Velmar", "Paste"), kChannelAndScratch, K::Always,
     "paste", ""},
    {E::MoveChannelsHere, VELMAR_TRANSLATE_NOOP("Velmar", "Move here"), kChannelAndScratch,
     K::Never, "move-here", ""},
    {E::LockOn, VELMAR_TRANSLATE_NOOP("Velmar", "Lock On"), kChannelAndScratch, K::Never, "lock on",
     ""},
    {E::LockOff, VELMAR_TRANSLATE_NOOP("Velmar", "Lock Off"), kChannelAndScratch, K::Never,
     "lock off", ""},
    {E::SkipOn, VELMAR_TRANSLATE_NOOP("Velmar", "Skip On"), kChannelAndScratch, K::Never, "skip on",
     ""},
    {E::SkipOff, VELMAR_TRANSLATE_NOOP("Velmar", "Skip Off"), kChannelAndScratch, K::Never,
     "skip off", ""},

    {E::SetSatellite, VELMAR_TRANSLATE_NOOP("Velmar", "Set satellite"), kChannel, K::Never,
     "drop satellite", ""},
    {E::SetMultiplex, VELMAR_TRANSLATE_NOOP("Velmar", "Set multiplex"), kChannel, K::Never,
     "drop mux", ""},
    {E::SetTransponder, VELMAR_TRANSLATE_NOOP("Velmar", "Set transponder"), kChannel, K::Never,
     "drop transponder", ""},
    {E::SetBroadcaster, VELMAR_TRANSLATE_NOOP("Velmar", "Set broadcaster"), kChannel, K::Never,
     "drop broadcast", ""},
    {E::AddToFavorite, VELMAR_TRANSLATE_NOOP("Velmar", "Add to favourite list"), kChannel, K::Never,
     "drop favorite", ""},
    {E::SetGenre, VELMAR_TRANSLATE_NOOP("Velmar", "Set genre"), kChannel, K::Never, "drop genre",
     ""},
    {E::MoveChannels, VELMAR_TRANSLATE_NOOP("Velmar", "Move channels"), kChannel, K::Never,
     "drop row", "outside a favourite list"},
    {E::ReorderFavorite, VELMAR_TRANSLATE_NOOP("Velmar", "Reorder favourite list"), kChannel,
     K::Never, "drop row", "while a favourite list is shown"},

    {E::NewSatellite, VELMAR_TRANSLATE_NOOP("Velmar", "New satellite"), TableBit(kTableSatellite),
     K::Never, "satellite new", ""},
    {E::UpdateSatellite, VELMAR_TRANSLATE_NOOP("Velmar", "Update satellite"),
     TableBit(kTableSatellite), K::Never, "satellite update", ""},
    {E::DeleteSatellite, VELMAR_TRANSLATE_NOOP("Velmar", "Delete satellite"), kSatelliteCascade,
     K::Never, "satellite delete", ""},
    {E::NewTransponder, VELMAR_TRANSLATE_NOOP("Velmar", "New transponder"),
     TableBit(kTableTransponder), K::Never, "transponder new", ""},
    {E::UpdateTransponder, VELMAR_TRANSLATE_NOOP("Velmar", "Update transponder"),
     TableBit(kTableTransponder), K::Never, "transponder update", ""},
    {E::DeleteTransponder, VELMAR_TRANSLATE_NOOP("Velmar", "Delete transponder"),
     kTransponderCascade, K::Never, "transponder delete", ""},
    {E::MoveTransponders, VELMAR_TRANSLATE_NOOP("Velmar", "Move transponders"),
     TableBit(kTableTransponder), K::Never, "drop-transponder", ""},
    {E::NewCableMux, VELMAR_TRANSLATE_NOOP("Velmar", "New multiplex"), TableBit(kTableCableMux),
     K::Never, "cablemux new", ""},
    {E::UpdateCableMux, VELMAR_TRANSLATE_NOOP("Velmar", "Update multiplex"),
     TableBit(kTableCableMux), K::Never, "cablemux update", ""},
    {E::DeleteCableMux, VELMAR_TRANSLATE_NOOP("Velmar", "Delete multiplex"), kCableMuxCascade,
     K::Never, "cablemux delete", ""},
    {E::NewBroadcaster, VELMAR_TRANSLATE_NOOP("Velmar", "New broadcaster"),
     TableBit(kTableBroadcast), K::Never, "broadcast new", ""},
    {E::UpdateBroadcaster, VELMAR_TRANSLATE_NOOP("Velmar", "Update broadcaster"),
     TableBit(kTableBroadcast), K::Never, "broadcast update", ""},
    {E::DeleteBroadcaster, VELMAR_TRANSLATE_NOOP("Velmar", "Delete broadcaster"),
     TableBit(kTableBroadcast), K::Never, "broadcast delete", ""},
    {E::RenameFavorite, VELMAR_TRANSLATE_NOOP("Velmar", "Rename favourite list"),
     TableBit(kTableFavorite), K::Never, "favorite rename", ""},

    {E::ImportWorkbook, VELMAR_TRANSLATE_NOOP("Velmar", "Import workbook"), kChannel, K::Always, "",
     "a script edits the image it was given; `velmar-cli import-xls` replaces an image's "
     "channels by a workbook's"},
    {E::ApplyOrder, VELMAR_TRANSLATE_NOOP("Velmar", "Apply Order"), kChannel, K::Never,
     "apply-order", ""},
    {E::MergeChannels, VELMAR_TRANSLATE_NOOP("Velmar", "Add to this list"), kMergeTables, K::Always,
     "merge", ""},
    {E::ImportCsv, VELMAR_TRANSLATE_NOOP("Velmar", "Import CSV"), kChannel, K::Always, "",
     "`velmar-cli import-csv` replaces an image's channels by a CSV file's"},
    {E::ImportSatellites, VELMAR_TRANSLATE_NOOP("Velmar", "Import transponders"), kSatelliteCascade,
     K::Never, "",
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
