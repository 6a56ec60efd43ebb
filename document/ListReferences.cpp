#include "document/ListReferences.h"

#include "model/Product.h"
#include "model/SatelliteRecords.h"

ListReferences ListReferences::Of(const CZorvDB& db, std::uint32_t productType) {
    ListReferences r;
    for (const auto& s : db.Rows<Satellite_Info_Tag>(kTableSatellite))
        r.satellites.insert(s.ID);
    for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
        r.transponders.insert({t.SatID, t.TPID});
    for (const auto& m : db.Rows<CableMux_Info_Tag>(kTableCableMux))
        r.muxes.insert(m.TPID);
    for (const auto& b : db.Rows<Broadcast_Info_Tag>(kTableBroadcast))
        r.providers.insert(b.BroadcastID);
    r.checkSatellites = IsSatellite(productType) && !r.satellites.empty();
    r.checkMuxes = IsCable(productType) && !IsSatellite(productType) && !r.muxes.empty();
    r.checkProviders = !r.providers.empty();
    return r;
}
