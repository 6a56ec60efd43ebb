// What the records of a list may point at: the satellite IDs, the
// (SatID, TPID) pairs of the transponders, the cable multiplexes' TPIDs and
// the broadcasters' IDs, and which of them a channel of this receiver must
// name. A table the list does not have at all (nothing opened yet, a
// workbook read alone) is no reference to check against.
#pragma once

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"

#include <cstdint>
#include <set>
#include <utility>

struct ListReferences {
    std::set<unsigned> satellites, muxes, providers;
    std::set<std::pair<unsigned, unsigned>> transponders;
    bool checkSatellites = false, checkMuxes = false, checkProviders = false;

    static ListReferences Of(const CZorvDB& db, std::uint32_t productType);

    bool SatelliteMissing(const Channel_Info_Tag& c) const {
        return checkSatellites && !satellites.contains(c.SatID);
    }
    bool TransponderMissing(const Channel_Info_Tag& c) const {
        return checkSatellites && !transponders.contains({c.SatID, c.TPID});
    }
    bool MultiplexMissing(const Channel_Info_Tag& c) const {
        return checkMuxes && !muxes.contains(c.TPID);
    }
    bool ProviderMissing(const Channel_Info_Tag& c) const {
        return checkProviders && c.BroadcastID != 0 && !providers.contains(c.BroadcastID);
    }
};
