#include "model/SourceGridRows.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"

std::vector<std::uint32_t> SatelliteGridKeys(const CZorvDB& db, std::uint32_t productType) {
    std::vector<std::uint32_t> keys;
    for (const auto& s : db.Rows<Satellite_Info_Tag>(kTableSatellite))
        if (!(IsTerrestrial(productType) && s.Index == kTerrestrialSatelliteId))
            keys.push_back(s.Index);
    return keys;
}

std::vector<std::uint32_t> TransponderGridKeys(const CZorvDB& db, std::uint32_t productType,
                                               int satelliteId) {
    std::vector<std::uint32_t> keys;
    for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder)) {
        if (IsTerrestrialPseudoSatellite(productType, t.SatID))
            continue;
        if (satelliteId == 0 || t.SatID == satelliteId)
            keys.push_back(t.Index);
    }
    return keys;
}

int TransponderFilterFor(const CZorvDB& db, std::uint32_t satelliteKey, int current) {
    const auto* s = db.Get<Satellite_Info_Tag>(kTableSatellite, satelliteKey);
    return s ? s->ID : current;
}

std::vector<std::uint32_t> CableMuxGridKeys(const CZorvDB& db, std::uint32_t productType) {
    std::vector<std::uint32_t> keys;
    if (!IsCable(productType))
        return keys;
    for (const auto& m : db.Rows<CableMux_Info_Tag>(kTableCableMux))
        keys.push_back(m.Index);
    return keys;
}

std::vector<std::uint32_t> BroadcastGridKeys(const CZorvDB& db) {
    std::vector<std::uint32_t> keys;
    for (const auto& b : db.Rows<Broadcast_Info_Tag>(kTableBroadcast))
        keys.push_back(b.Index);
    return keys;
}
