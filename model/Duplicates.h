// Duplicate channels: two channels of the same kind (TV or radio) are
// duplicates when they share (OrgNetID, TSID, ServiceID) with at least one of
// these non-zero, or when they share a non-empty name on the same SatID and
// TPID. Groups are the connected sets of that relation, so a channel that
// matches one member by ids and another by name joins both in one group.
// Channels that are neither TV nor radio are never duplicates.
#pragma once

#include "contracts/ZorvDB.h"

#include <cstdint>
#include <vector>

// Every group of two or more channels: store keys in table order, groups in
// the table order of their first member. O(n log n) in the channel count.
std::vector<std::vector<std::uint32_t>> FindDuplicateGroups(const CZorvDB& db);

// The keys of every channel that belongs to a group, in table order.
std::vector<std::uint32_t> DuplicateChannelKeys(const CZorvDB& db);

// The copies to take away: every member of each group but the one to keep,
// the first in the list's order (the lowest number; of equal numbers, the
// first in the table), in table order. A delete of them leaves exactly one
// channel of each group.
std::vector<std::uint32_t> DuplicatesToRemove(const CZorvDB& db);
