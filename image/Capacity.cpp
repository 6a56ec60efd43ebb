#include "image/Capacity.h"

#include "image/BlockRules.h"
#include "platform/InputFile.h"

#include <algorithm>

namespace {

struct TableWords {
    std::uint8_t table;
    const char* subject; // "The channel list"
    const char* one;     // "channel"
    const char* many;    // "channels"
};

// In the order Save writes the blocks.
constexpr TableWords kTables[] = {
    {kTableFavorite, "The favourite tree", "favourite list", "favourite lists"},
    {kTableSatellite, "The satellite list", "satellite", "satellites"},
    {kTableBroadcast, "The broadcaster list", "broadcaster", "broadcasters"},
    {kTableTransponder, "The transponder list", "transponder", "transponders"},
    {kTableCableMux, "The cable multiplex list", "cable multiplex", "cable multiplexes"},
    {kTableChannel, "The channel list", "channel", "channels"},
};

constexpr int kMaxNameLength = 254;

std::int64_t Sectors(const BlockGeometry& b, std::int64_t perSector) {
    return std::int64_t{b.sectors} * perSector;
}

std::int64_t ChannelCapacity(const FlashGeometry& g) {
    const int Z = g.sectorSize, S = g.ch.entrySize;
    const int list = g.productList;
    const bool known = (list >= 1 && list <= 9) || list == 64;
    if (!known || g.ch.fourth < 1 || g.ch.fourth > kMaxNameLength)
        return 0; // no layout to write channels with
    const bool network = list == 9 && !g.TwinTuner();
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

std::int64_t TableCapacity(const FlashGeometry& g, std::uint8_t table) {
    const int Z = g.sectorSize;
    if (table == kTableFavorite)
        return FavoriteCapacity(g);
    if (g.SingleBlock()) {
        switch (table) {
        case kTableCableMux:
            return g.tp.sectors;
        case kTableBroadcast:
            return g.brd.sectors;
        case kTableChannel:
            return g.ch.fourth >= 1 && g.ch.fourth <= kMaxNameLength ? g.ch.sectors : 0;
        default:
            return 0;
        }
    }
    const bool satellite = (g.productType & 0x01) != 0;
    switch (table) {
    case kTableSatellite: {
        if (!satellite)
            return 0;
        const int E = g.sat.entrySize;
        if (E < ((g.productType & 0x08) ? 44 : 32) || g.sat.sectors < 1)
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
        if (!satellite || E < 12)
            return 0;
        return Sectors(
            g.tp, fit::PerSector(Z, E, 0, [=](int off) { return fit::Transponder(Z, E, off); }));
    }
    case kTableCableMux: {
        const int E = g.tp.entrySize;
        if (!(g.productType & 0x04) || E < 12)
            return 0;
        return Sectors(g.tp,
                       fit::PerSector(Z, E, 0, [=](int off) { return fit::CableMux(Z, E, off); }));
    }
    case kTableChannel:
        return ChannelCapacity(g);
    default:
        return -1; // terrestrial multiplexes and scratch rows are not written
    }
}

std::vector<CapacityProblem> CheckCapacity(const CZorvDB& db, const FlashGeometry& g) {
    std::vector<CapacityProblem> problems;
    std::string why;
    if (!g.Valid(&why)) {
        problems.push_back({0, 0, 0, why});
        return problems;
    }
    for (const TableWords& t : kTables) {
        const std::uint64_t count = db.Size(t.table);
        const std::int64_t capacity = TableCapacity(g, t.table);
        if (count == 0 || capacity < 0 || count <= static_cast<std::uint64_t>(capacity))
            continue;
        const auto cap = static_cast<std::uint64_t>(capacity);
        const std::uint64_t surplus = count - cap;
        std::string text = std::string(t.subject) + " has " + GroupedNumber(count) + " " +
                           (count == 1 ? t.one : t.many) + ", but this receiver holds ";
        text += cap == 0 ? std::string("none") : "at most " + GroupedNumber(cap);
        text += ". Remove " + GroupedNumber(surplus) + " " + (surplus == 1 ? t.one : t.many) +
                " and save again.";
        problems.push_back({t.table, count, cap, std::move(text)});
    }
    return problems;
}

std::string CapacityMessage(const std::vector<CapacityProblem>& problems) {
    std::string text;
    for (const CapacityProblem& p : problems)
        text += (text.empty() ? "" : "\n") + p.message;
    return text;
}
