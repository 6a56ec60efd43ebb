#include "document/Statistics.h"

#include "contracts/Policy.h"
#include "document/Capacity.h"
#include "model/ChannelRecords.h"
#include "model/Duplicates.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"

#include <array>
#include <cstring>
#include <map>

namespace {

constexpr std::array kShownTables{kTableFavorite,  kTableSatellite,      kTableTransponder,
                                  kTableBroadcast, kTableTerrestrialMux, kTableCableMux,
                                  kTableChannel};

bool ProductHasTable(std::uint8_t table, std::uint32_t type) {
    switch (table) {
    case kTableSatellite:
    case kTableTransponder:
        return IsSatellite(type);
    case kTableTerrestrialMux:
        return HasTerrestrialMuxBlock(type);
    case kTableCableMux:
        return IsCable(type);
    default:
        return true;
    }
}

std::vector<ChannelsPer> Counted(const std::map<std::uint32_t, std::uint32_t>& counts,
                                 const std::map<std::uint32_t, std::string>& names) {
    std::vector<ChannelsPer> out;
    out.reserve(counts.size());
    for (const auto& [id, channels] : counts) {
        const auto name = names.find(id);
        out.push_back({id, name == names.end() ? std::string() : name->second, channels});
    }
    return out;
}

} // namespace

const char* TableName(std::uint8_t table) {
    switch (table) {
    case kTableSatellite:
        return "satellites";
    case kTableTerrestrialMux:
        return "terrestrial muxes";
    case kTableCableMux:
        return "cable muxes";
    case kTableBroadcast:
        return "broadcasts";
    case kTableTransponder:
        return "transponders";
    case kTableChannel:
        return "channels";
    case kTableFavorite:
        return "favourites";
    default:
        return "scratch";
    }
}

Statistics ComputeStatistics(const CZorvDB& db, bool zorvImage) {
    Statistics s;
    s.zorvImage = zorvImage;
    s.productList = GetProductList();
    s.productType = GetProductType();
    s.byteOrder = GetFlashByteOrder();
    for (const std::uint8_t table : kShownTables) {
        const std::uint32_t count = db.Size(table);
        if (ProductHasTable(table, s.productType) || count > 0)
            s.tables.push_back({table, count, TableCapacity(table)});
    }

    // The first record of an id names it, as the lists' lookups do.
    std::map<std::uint32_t, std::string> satNames, brdNames;
    for (const auto& r : db.Rows<Satellite_Info_Tag>(kTableSatellite))
        satNames.emplace(r.ID, std::string(r.Name, strnlen(r.Name, sizeof r.Name)));
    for (const auto& r : db.Rows<Broadcast_Info_Tag>(kTableBroadcast))
        brdNames.emplace(r.BroadcastID, std::string(r.Name, strnlen(r.Name, sizeof r.Name)));

    std::map<std::uint32_t, std::uint32_t> perSat, perBrd;
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel)) {
        s.tv += IsTV(c) ? 1 : 0;
        s.radio += !IsTV(c) && IsRadio(c) ? 1 : 0;
        s.locked += (c.Attributes & kAttrLocked) ? 1 : 0;
        s.skipped += (c.Attributes & kAttrSkipped) ? 1 : 0;
        s.scrambled += (c.Attributes & kAttrScrambled) ? 1 : 0;
        ++perSat[c.SatID];
        ++perBrd[c.BroadcastID];
    }
    // Cable and terrestrial-only receivers do not tell channels apart by satellite.
    if (IsSatellite(s.productType))
        s.perSatellite = Counted(perSat, satNames);
    s.perBroadcaster = Counted(perBrd, brdNames);

    s.duplicates = FindDuplicateGroups(db);
    return s;
}

std::uint32_t Statistics::DuplicateChannels() const {
    std::size_t n = 0;
    for (const auto& group : duplicates)
        n += group.size();
    return static_cast<std::uint32_t>(n);
}
