// How many rows of each table one image save can hold under the policy's
// product and geometry, for the Information figures: the capacity check of
// image/Capacity.h read for the current policy. A table with more rows than
// its capacity does not survive a save and a reload.
#pragma once

#include "contracts/ZorvDB.h"

#include <cstdint>
#include <optional>

// Rows of `table` (a ZorvTable) that the writers store and the readers find
// again. No value for a table the product does not write: terrestrial
// multiplexes (their block is never written), the scratch table, satellites
// and transponders of a receiver without the satellite bit, and so on.
// A geometry the codec refuses gives 0 for every table it writes.
std::optional<std::int64_t> TableCapacity(std::uint8_t table);

// Image entries one channel takes: 2 under the twin-tuner writer (one per
// tuner), otherwise 1.
int EntriesPerChannel();
