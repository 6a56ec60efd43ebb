// What a delete takes with it, counted before the question is asked: the
// rows selected and, for satellites, transponders and cable multiplexes,
// the transponders and channels their cascade removes too.
#pragma once

#include "contracts/ZorvDB.h"

#include <cstdint>
#include <span>
#include <string>

struct DeleteCounts {
    std::size_t selected = 0;
    std::size_t transponders = 0; // taken along (satellites only)
    std::size_t channels = 0;     // taken along
};

DeleteCounts CountSatelliteDelete(const CZorvDB& db, std::span<const std::uint32_t> keys);
DeleteCounts CountTransponderDelete(const CZorvDB& db, std::span<const std::uint32_t> keys);
DeleteCounts CountCableMuxDelete(const CZorvDB& db, std::span<const std::uint32_t> keys);

// The question's informative text: "2 satellites are selected. Deleting them
// also deletes their 48 transponders and 310 channels." `what` and `whats`
// name one selected row and several.
std::string DeleteCountsText(const DeleteCounts& counts, const char* what, const char* whats);
