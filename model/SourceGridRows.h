// The rows of the satellite, transponder, cable multiplex and broadcaster
// grids as the editor fills them: record keys in display order. None of
// these grids sorts itself.
#pragma once

#include <cstdint>
#include <vector>

class CZorvDB;

// Every satellite in table order, without the terrestrial network's
// pseudo-satellite (key 1) on terrestrial products.
std::vector<std::uint32_t> SatelliteGridKeys(const CZorvDB& db, std::uint32_t productType);
// The transponders of the satellite with ID `satelliteId` (every one for 0),
// without those of the pseudo-satellite on terrestrial products.
std::vector<std::uint32_t> TransponderGridKeys(const CZorvDB& db, std::uint32_t productType,
                                               int satelliteId);
// The transponder grid's filter after "filter by satellite": the ID of the
// satellite with `satelliteKey`, or the current filter when there is none.
int TransponderFilterFor(const CZorvDB& db, std::uint32_t satelliteKey, int current);
// Every cable multiplex in table order, on products with cable reception.
std::vector<std::uint32_t> CableMuxGridKeys(const CZorvDB& db, std::uint32_t productType);
// Every broadcaster in table order.
std::vector<std::uint32_t> BroadcastGridKeys(const CZorvDB& db);
