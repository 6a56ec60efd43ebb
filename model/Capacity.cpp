#include "model/Capacity.h"

#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "model/Product.h"

#include <algorithm>

namespace {

// Entry size minimums and the sector-size bounds of the block writers.
constexpr int kFavoriteEntryMin = 20;
constexpr int kSatShortEntry = 32;
constexpr int kSatLongEntry = 44;
constexpr int kTransponderEntryBase = 12;
constexpr int kBroadcastEntryMin = 20;
constexpr int kCableMuxEntryBase = 12;
constexpr int kMinSectorSize = 16;
constexpr int kMaxSectorSize = 1 << 24;
constexpr int kMaxNameLength = 254;
constexpr std::int64_t kMaxSingleBlock = std::int64_t{64} << 20;
constexpr std::int64_t kSingleTrailer = 20;
// A counted sector stores its count in a word, and 0xFFFF reads as erased.
constexpr std::int64_t kMaxCountWord = 0xFFFE;

struct Geometry {
    int start = 0, sectors = 0, entrySize = 0, fourth = 0;
};

struct Flash {
    int list = 0;
    std::uint32_t type = 0;
    int sectorSize = 0;
    Geometry mmi, sat, brd, tp, ch;

    bool Valid() const {
        if (sectorSize < kMinSectorSize || sectorSize > kMaxSectorSize)
            return false;
        for (const Geometry* g : {&mmi, &sat, &brd, &tp, &ch})
            if (g->start < 0 || g->sectors < 0 || g->entrySize < 0)
                return false;
        return true;
    }
};

Flash CurrentFlash() {
    Flash p;
    p.list = GetProductList();
    p.type = GetProductType();
    p.sectorSize = GetFlashOneSectorSize();
    GetFlashMMIBlockInfo(&p.mmi.start, &p.mmi.sectors, &p.mmi.entrySize, &p.mmi.fourth);
    GetFlashSatBlockInfo(&p.sat.start, &p.sat.sectors, &p.sat.entrySize);
    GetFlashBrdBlockInfo(&p.brd.start, &p.brd.sectors, &p.brd.entrySize);
    GetFlashTPBlockInfo(&p.tp.start, &p.tp.sectors, &p.tp.entrySize);
    GetFlashCHBlockInfo(&p.ch.start, &p.ch.sectors, &p.ch.entrySize, &p.ch.fourth);
    return p;
}

// Entries whose start offsets first, first + E, ... stay at or below `last`:
// every writer's fit rule has the form "offset <= last".
std::int64_t EntriesUpTo(std::int64_t first, std::int64_t last, int entrySize) {
    if (entrySize <= 0 || last < first)
        return 0;
    return (last - first) / entrySize + 1;
}

// A block whose sectors all start at offset 0 and hold `perSector` each.
std::int64_t Sectors(const Geometry& g, std::int64_t perSector) {
    return std::int64_t{g.sectors} * std::max<std::int64_t>(perSector, 0);
}

// Broadcast, transponder and cable blocks: count word at Z-4. Broadcasts fit
// while p + E < Z - 4; transponders and cable multiplexes keep room for one
// entry more, p + 2E < Z - 4.
std::int64_t CountedBlock(const Geometry& g, int Z, int minEntry, int entriesAhead) {
    const int E = g.entrySize;
    if (E < minEntry)
        return 0;
    const std::int64_t last = std::int64_t{Z} - 5 - std::int64_t{entriesAhead} * E;
    return Sectors(g, std::min(EntriesUpTo(0, last, E), kMaxCountWord));
}

std::int64_t Favorites(const Flash& p) {
    const int E = p.mmi.entrySize;
    if (E < kFavoriteEntryMin || p.mmi.sectors < 1)
        return 0;
    // The writer starts behind the block's header word and fits p + E <= Z - 2;
    // the reader takes at most the maximum count, contiguously from offset 2,
    // so only the first sector's entries come back.
    const std::int64_t firstSector = EntriesUpTo(2, std::int64_t{p.sectorSize} - 2 - E, E);
    return std::max<std::int64_t>(0, std::min<std::int64_t>(firstSector, p.mmi.fourth));
}

std::int64_t Satellites(const Flash& p) {
    const int E = p.sat.entrySize;
    const bool longForm = HasLongSatelliteEntries(p.type);
    if (E < (longForm ? kSatLongEntry : kSatShortEntry) || p.sat.sectors < 1)
        return 0;
    // One sector only (the reader takes one trailer), p + E < Z - 7, and the
    // count is one byte.
    return std::min<std::int64_t>(EntriesUpTo(0, std::int64_t{p.sectorSize} - 8 - E, E), 255);
}

std::int64_t Channels(const Flash& p) {
    const int S = p.ch.entrySize;
    const int L = p.ch.fourth;
    const bool twin = UsesTwinTunerWriter(p.list);
    if (ChannelLayoutOf(p.list) == ChannelEntryLayout::None || S <= 0 || L < 1 ||
        L > kMaxNameLength)
        return 0;
    // p + S < Z - 49; the network layout keeps a one-byte count.
    std::int64_t perSector = EntriesUpTo(0, std::int64_t{p.sectorSize} - 50 - S, S);
    perSector =
        std::min(perSector, HasCombinedChannelCount(p.list) ? std::int64_t{255} : kMaxCountWord);
    return Sectors(p.ch, perSector) / (twin ? 2 : 1);
}

// The single block's areas hold as many entries as the blocks' sector values
// say, if the whole block stays within the writer's bound.
std::optional<std::int64_t> SingleBlock(const Flash& p, std::uint8_t table) {
    if (table != kTableCableMux && table != kTableBroadcast && table != kTableChannel)
        return std::nullopt;
    const int L = p.ch.fourth;
    if (p.tp.entrySize <= 0 || p.brd.entrySize <= 0 || p.ch.entrySize <= 0 || L < 1 ||
        L > kMaxNameLength)
        return 0;
    const std::int64_t bytes = std::int64_t{p.tp.sectors} * p.tp.entrySize +
                               std::int64_t{p.brd.sectors} * p.brd.entrySize +
                               std::int64_t{p.ch.sectors} * p.ch.entrySize + kSingleTrailer;
    if (bytes > kMaxSingleBlock)
        return 0;
    const Geometry& area = table == kTableCableMux ? p.tp : table == kTableBroadcast ? p.brd : p.ch;
    return area.sectors;
}

} // namespace

std::optional<std::int64_t> TableCapacity(std::uint8_t table) {
    const Flash p = CurrentFlash();
    const bool satellite = IsSatellite(p.type);
    std::optional<std::int64_t> capacity;
    if (table == kTableFavorite)
        capacity = Favorites(p);
    else if (IsSingleBlockImage(p.type, p.list))
        capacity = SingleBlock(p, table);
    else if (table == kTableSatellite && satellite)
        capacity = Satellites(p);
    else if (table == kTableBroadcast)
        capacity = CountedBlock(p.brd, p.sectorSize, kBroadcastEntryMin, 1);
    else if (table == kTableTransponder && satellite)
        capacity = CountedBlock(p.tp, p.sectorSize, kTransponderEntryBase, 2);
    else if (table == kTableCableMux && IsCable(p.type))
        capacity = CountedBlock(p.tp, p.sectorSize, kCableMuxEntryBase, 2);
    else if (table == kTableChannel)
        capacity = Channels(p);
    if (capacity && !p.Valid())
        return 0;
    return capacity;
}

int EntriesPerChannel() {
    const Product p = Product::Current();
    return !IsSingleBlockImage(p.type, p.list) && UsesTwinTunerWriter(p.list) ? 2 : 1;
}
