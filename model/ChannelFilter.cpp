#include "model/ChannelFilter.h"

#include "contracts/ZorvDB.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"

namespace {

// The satellite value that survives a change to a broadcaster, favourite or
// genre filter: the terrestrial source on terrestrial products, else none.
int KeptSource(const ChannelFilter& current, std::uint32_t productType) {
    return IsTerrestrial(productType) && current.satellite == kTerrestrialSatelliteId
               ? kTerrestrialSatelliteId
               : 0;
}

bool OnTransponder(const CZorvDB& db, const Channel_Info_Tag& c, std::uint32_t key,
                   std::uint32_t productType) {
    if (IsSatellite(productType)) {
        const auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, key);
        return !t || (t->SatID == c.SatID && t->TPID == c.TPID);
    }
    if (IsTerrestrialOnly(productType))
        return c.TPID == key;
    if (IsCableOnly(productType)) {
        const auto* m = db.Get<CableMux_Info_Tag>(kTableCableMux, key);
        return !m || m->TPID == c.TPID;
    }
    return true;
}

} // namespace

ChannelFilter ChannelFilter::All() {
    return {};
}

ChannelFilter ChannelFilter::BySatellite(const CZorvDB& db, std::uint32_t satelliteKey) {
    ChannelFilter f;
    f.kind = ChannelFilterKind::Satellite;
    const auto* s = db.Get<Satellite_Info_Tag>(kTableSatellite, satelliteKey);
    f.satellite = s ? s->ID : 0;
    return f;
}

ChannelFilter ChannelFilter::ByTransponder(const ChannelFilter& current, std::uint32_t key) {
    ChannelFilter f;
    f.kind = ChannelFilterKind::Transponder;
    f.satellite = current.satellite;
    f.transponder = key;
    return f;
}

ChannelFilter ChannelFilter::ByMux(std::uint32_t key) {
    ChannelFilter f;
    f.kind = ChannelFilterKind::Mux;
    f.satellite = kTerrestrialSatelliteId;
    f.transponder = key;
    return f;
}

ChannelFilter ChannelFilter::ByBroadcast(const ChannelFilter& current, std::uint32_t broadcastKey,
                                         std::uint32_t productType) {
    ChannelFilter f;
    f.kind = ChannelFilterKind::Broadcast;
    f.satellite = KeptSource(current, productType);
    f.broadcast = broadcastKey;
    return f;
}

ChannelFilter ChannelFilter::ByFavoriteOrGenre(const ChannelFilter& current, int which, int value,
                                               std::uint32_t productType) {
    ChannelFilter f;
    f.satellite = KeptSource(current, productType);
    if (which == 0) {
        f.kind = ChannelFilterKind::Favorite;
        f.favorite = value + 1;
    } else {
        f.kind = ChannelFilterKind::Genre;
        f.genre = value;
    }
    return f;
}

bool ChannelFilter::Passes(const CZorvDB& db, const Channel_Info_Tag& c,
                           std::uint32_t productType) const {
    const ChannelFilterKind k = kind;
    if (k == ChannelFilterKind::Satellite && satellite != 0 && c.SatID != satellite)
        return false;
    if ((k == ChannelFilterKind::Transponder || k == ChannelFilterKind::Mux) &&
        !OnTransponder(db, c, transponder, productType))
        return false;
    if (k == ChannelFilterKind::Broadcast) {
        const auto* b = db.Get<Broadcast_Info_Tag>(kTableBroadcast, broadcast);
        if (b && b->BroadcastID != c.BroadcastID)
            return false;
    }
    if (k == ChannelFilterKind::Favorite && favorite != 0) {
        // Channels carry lists 1 to 32; a higher list has no members.
        if (favorite < 1 || favorite > kFavoritePositions)
            return false;
        const DWORD mask = DWORD{1} << (favorite - 1);
        if ((c.Favorite & mask) != mask)
            return false;
    }
    if (k == ChannelFilterKind::Genre && (c.Attributes & kAttrGenreMask) != genre)
        return false;
    if (IsSatelliteAndTerrestrial(productType) &&
        (k == ChannelFilterKind::Satellite || k == ChannelFilterKind::Mux)) {
        // The terrestrial multiplexes are transponders of the pseudo-satellite:
        // satellite views leave them out, the terrestrial view shows only them.
        const bool terrestrial = c.SatID == kTerrestrialSatelliteId;
        if (satellite == 0 && terrestrial)
            return false;
        if (satellite == kTerrestrialSatelliteId && !terrestrial)
            return false;
    }
    return true;
}

bool ChannelFilter::IsFavoriteMode() const {
    return kind == ChannelFilterKind::Favorite && favorite >= 1 && favorite <= kFavoritePositions;
}

bool ChannelFilter::SortsByFavoritePosition(std::uint32_t productType) const {
    return kind == ChannelFilterKind::Favorite && HasFavoritePositions(productType);
}

std::vector<const Channel_Info_Tag*> FilteredChannels(const CZorvDB& db,
                                                      const ChannelFilter& filter, ChannelKind kind,
                                                      std::uint32_t productType) {
    std::vector<const Channel_Info_Tag*> out;
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        if (IsOfKind(c, kind) && filter.Passes(db, c, productType))
            out.push_back(&c);
    return out;
}
