// Whether the tables fit the receiver's blocks, checked before anything is
// written: a save, a send or an information view asks once and gets, for
// every table that does not fit, its count, its capacity and what to tell the
// user.
#pragma once

#include "contracts/ZorvDB.h"
#include "image/FlashGeometry.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <string>
#include <vector>

struct CapacityProblem {
    std::uint8_t table = 0;     // the store's table number
    std::uint64_t count = 0;    // rows in the table
    std::uint64_t capacity = 0; // rows the receiver's block takes
    // "The channel list has 4,650 channels, but this receiver holds at most
    // 4,608. Remove 42 channels and save again." For a broken flash layout,
    // what is wrong with it (count and capacity are then 0).
    std::string message;
    Phrase phrase; // the message as its phrase, for the editor
};

// Whether a save of `g`'s product writes the rows of `table`.
bool WritesTable(const FlashGeometry& g, std::uint8_t table);

// How many rows of `table` the blocks of `g` take, as the writers place them
// and the readers find them again; 0 for a table the product does not write,
// -1 for a table whose rows are not written at all (their bytes stay).
std::int64_t TableCapacity(const FlashGeometry& g, std::uint8_t table);

// Every table of `db` that does not fit `g`, in the order the blocks are
// written; empty when the save can go ahead.
std::vector<CapacityProblem> CheckCapacity(const CZorvDB& db, const FlashGeometry& g);

// All problems' messages, one per line.
std::string CapacityMessage(const std::vector<CapacityProblem>& problems);
// The same as a phrase, for the editor.
Phrase CapacityPhrase(const std::vector<CapacityProblem>& problems);
