// Operations on the channel table (table 5) that the channel lists run after
// edits: number lookups, sorting by number, grouping TV before radio, and
// renumbering. Each leaves the table as re-adding every record in its new
// order through the scratch table 7 does: channel keys 1, 2, 3 ... in table
// order, so keys held from before are stale.
#pragma once

#include "contracts/ZorvDB.h"

#include <cstdint>

// Each works on the program's store unless given another.

// The highest ProgramNum among TV channels (tv) or among all others; 0 if none.
std::uint16_t GetMaxProgramNum(bool tv, const CZorvDB& db = TheZorvDB());
// Reorders table 5 by ProgramNum, ascending, through the scratch table 7.
void SortChannelsByNumber(CZorvDB& db = TheZorvDB());
// Sorts, then puts every TV channel before the rest, each group in number order.
void RegroupChannels(CZorvDB& db = TheZorvDB());
// Sorts, then numbers TV channels 1, 2, 3 ... and the others 1, 2, 3 ... apart.
void RenumberChannels(CZorvDB& db = TheZorvDB());
// Regroup, renumber and regroup again, as after New and Paste, in one write:
// the same table as the three calls one after another.
void RegroupAndRenumberChannels(CZorvDB& db = TheZorvDB());
