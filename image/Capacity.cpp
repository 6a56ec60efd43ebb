#include "image/Capacity.h"

#include "image/BlockRules.h"
#include "model/Product.h"
#include "platform/InputFile.h"

#include <algorithm>

namespace {

struct TableWords {
    std::uint8_t table;
    const char* subject; // "The channel list"
    const char* one;     // "%1 channel"
    const char* many;    // "%1 channels"
};

// In the order Save writes the blocks.
constexpr TableWords kTables[] = {
    {kTableFavorite, VELMAR_TRANSLATE_NOOP("Velmar", "The favourite tree"),
     VELMAR_TRANSLATE_NOOP("Velmar", "%1 favourite list"),
     VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 favourite lists")},
    {kTableSatellite, VELMAR_TRANSLATE_NOOP("Velmar", "The satellite list"),
     VELMAR_TRANSLATE_NOOP("Velmar", "%1 satellite"),
     VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 satellites")},
    {kTableBroadcast, VELMAR_TRANSLATE_NOOP("Velmar", "The broadcaster list"),
     VELMAR_TRANSLATE_NOOP("Velmar", "%1 broadcaster"),
     VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 broadcasters")},
    {kTableTransponder, VELMAR_TRANSLATE_NOOP("Velmar", "The transponder list"),
     VELMAR_TRANSLATE_NOOP("Velmar", "%1 transponder"),
     VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 transponders")},
    {kTableCableMux, VELMAR_TRANSLATE_NOOP("Velmar", "The cable multiplex list"),
     VELMAR_TRANSLATE_NOOP("Velmar", "%1 cable multiplex"),
     VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 cable multiplexes")},
    {kTableChannel, VELMAR_TRANSLATE_NOOP("Velmar", "The channel list"),
     VELMAR_TRANSLATE_NOOP("Velmar", "%1 channel"),
     VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 channels")},
};

Phrase Rows(const TableWords& t, std::uint64_t n) {
    return phrase::Counted(n, t.one, t.many, {phrase::Grouped(n)});
}

constexpr int kMaxNameLength = 254;
// A counted sector stores its count in a word, and 0xFFFF reads as erased.
constexpr std::int64_t kMaxCountWord = 0xFFFE;

std::int64_t Sectors(const BlockGeometry& b, std::int64_t perSector) {
    return std::int64_t{b.sectors} * std::min(perSector, kMaxCountWord);
}

// The single block's writer refuses an area without entries or a name length
// it cannot store: then nothing is saved.
bool SingleBlockWritable(const FlashGeometry& g) {
    return g.tp.entrySize > 0 && g.brd.entrySize > 0 && g.ch.entrySize > 0 && g.ch.fourth >= 1 &&
           g.ch.fourth <= kMaxNameLength;
}

std::int64_t ChannelCapacity(const FlashGeometry& g) {
    const int Z = g.sectorSize, S = g.ch.entrySize;
    const int list = g.productList;
    if (ChannelLayoutOf(list) == ChannelEntryLayout::None || g.ch.fourth < 1 ||
        g.ch.fourth > kMaxNameLength)
        return 0; // no layout to write channels with
    const bool network = HasCombinedChannelCount(list) && !g.TwinTuner();
    const std::int64_t slots = Sectors(
        g.ch, fit::PerSector(Z, S, 0, [=](int off) { return fit::Channel(Z, S, off, network); }));
    // The twin-tuner writer stores every channel once per tuner.
    return g.TwinTuner() ? slots / 2 : slots;
}

std::int64_t FavoriteCapacity(const FlashGeometry& g) {
    const int Z = g.sectorSize, E = g.mmi.entrySize;
    if (E < 20)
        return 0;
    // The reader takes at most M lists, from the first sector, contiguous
    // after the header word; the writer must not put one where it does not look.
    const std::int64_t written =
        fit::PerSector(Z, E, 2, [=](int off) { return fit::Favorite(Z, E, off); });
    const std::int64_t blockBytes = std::int64_t{g.mmi.sectors} * Z;
    const std::int64_t read =
        std::min<std::int64_t>({std::int64_t{g.mmi.fourth}, Z / E, (blockBytes - 2) / E});
    return g.mmi.sectors < 1 ? 0 : std::max<std::int64_t>(0, std::min(written, read));
}

} // namespace

bool WritesTable(const FlashGeometry& g, std::uint8_t table) {
    switch (table) {
    case kTableFavorite:
    case kTableBroadcast:
    case kTableChannel:
        return true;
    case kTableCableMux:
        return g.SingleBlock() || IsCable(g.productType);
    case kTableSatellite:
    case kTableTransponder:
        return !g.SingleBlock() && IsSatellite(g.productType);
    default:
        return false;
    }
}

std::int64_t TableCapacity(const FlashGeometry& g, std::uint8_t table) {
    const int Z = g.sectorSize;
    if (!WritesTable(g, table)) {
        // A block this product leaves out holds none; terrestrial multiplexes
        // and scratch rows are never written (the single block has no room
        // for anything but its areas).
        const bool block =
            table == kTableSatellite || table == kTableTransponder || table == kTableCableMux;
        return block || g.SingleBlock() ? 0 : -1;
    }
    if (table == kTableFavorite)
        return FavoriteCapacity(g);
    if (g.SingleBlock()) {
        if (!SingleBlockWritable(g))
            return 0;
        return table == kTableCableMux    ? g.tp.sectors
               : table == kTableBroadcast ? g.brd.sectors
                                          : g.ch.sectors;
    }
    switch (table) {
    case kTableSatellite: {
        const int E = g.sat.entrySize;
        if (E < (HasLongSatelliteEntries(g.productType) ? 44 : 32) || g.sat.sectors < 1)
            return 0;
        // All satellites share the first sector, counted in one byte.
        return std::min<std::int64_t>(
            255, fit::PerSector(Z, E, 0, [=](int off) { return fit::Satellite(Z, E, off); }));
    }
    case kTableBroadcast: {
        const int E = g.brd.entrySize;
        if (E < 20)
            return 0;
        return Sectors(g.brd,
                       fit::PerSector(Z, E, 0, [=](int off) { return fit::Broadcast(Z, E, off); }));
    }
    case kTableTransponder: {
        const int E = g.tp.entrySize;
        if (E < 12)
            return 0;
        return Sectors(
            g.tp, fit::PerSector(Z, E, 0, [=](int off) { return fit::Transponder(Z, E, off); }));
    }
    case kTableCableMux: {
        const int E = g.tp.entrySize;
        if (E < 12)
            return 0;
        return Sectors(g.tp,
                       fit::PerSector(Z, E, 0, [=](int off) { return fit::CableMux(Z, E, off); }));
    }
    default:
        return ChannelCapacity(g);
    }
}

std::vector<CapacityProblem> CheckCapacity(const CZorvDB& db, const FlashGeometry& g) {
    std::vector<CapacityProblem> problems;
    Phrase why;
    if (!g.Valid(&why)) {
        problems.push_back({0, 0, 0, English(why), why});
        return problems;
    }
    for (const TableWords& t : kTables) {
        const std::uint64_t count = db.Size(t.table);
        const std::int64_t capacity = TableCapacity(g, t.table);
        if (count == 0 || capacity < 0 || count <= static_cast<std::uint64_t>(capacity))
            continue;
        const auto cap = static_cast<std::uint64_t>(capacity);
        Phrase said = phrase::Text(
            cap == 0 ? VELMAR_TRANSLATE_NOOP(
                           "Velmar",
                           "%1 has %2, but this receiver holds none. Remove %3 and save again.")
                     : VELMAR_TRANSLATE_NOOP("Velmar", "%1 has %2, but this receiver holds at most "
                                                       "%4. Remove %3 and save again."),
            {phrase::Text(t.subject), Rows(t, count), Rows(t, count - cap), phrase::Grouped(cap)});
        std::string text = English(said);
        problems.push_back({t.table, count, cap, std::move(text), std::move(said)});
    }
    return problems;
}

Phrase CapacityPhrase(const std::vector<CapacityProblem>& problems) {
    std::vector<Phrase> lines;
    lines.reserve(problems.size());
    for (const CapacityProblem& p : problems)
        lines.push_back(p.phrase);
    return phrase::Join(std::move(lines), "\n");
}

std::string CapacityMessage(const std::vector<CapacityProblem>& problems) {
    std::string text;
    for (const CapacityProblem& p : problems)
        text += (text.empty() ? "" : "\n") + p.message;
    return text;
}
