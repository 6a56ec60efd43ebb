// Operations on the channel table (table 5) that the channel lists run after
// edits: number lookups, sorting by number, grouping TV before radio, and
// renumbering. Sorting re-adds every record, so every channel gets a new key.
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
