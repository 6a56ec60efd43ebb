// Applying the order of a reference list: channels that the reference also
// holds take its numbers and favourite places, the others follow after it.
#pragma once

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "platform/Phrase.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct ReferenceOrderReport {
    std::uint32_t matchedByIds = 0;
    std::uint32_t matchedByName = 0;
    std::uint32_t notMatched = 0;
    std::uint32_t referenceUnused = 0; // reference channels no channel took
    // Empty when the order was applied; otherwise why not, and nothing changed.
    std::string error;
    Phrase why; // the error as its phrase, for the editor

    bool Applied() const { return error.empty(); }
};

// For each channel of a list, the reference channel it stands for.
inline constexpr std::size_t kNoChannelMatch = static_cast<std::size_t>(-1);
struct ChannelMatching {
    std::vector<std::size_t> match; // index into the reference, or kNoChannelMatch
    std::uint32_t byIds = 0, byName = 0;
};

// The matching below on its own: `channels` against `reference`, each in
// its number order by CH# (ShowNum with `showNum`, else ProgramNum).
ChannelMatching MatchReferenceChannels(std::span<const Channel_Info_Tag* const> channels,
                                       std::span<const Channel_Info_Tag* const> reference,
                                       bool showNum);

// Matches the channels of `db` with `reference`, within the same kind (TV,
// radio, neither): first by (OrgNetID, TSID, ServiceID) when one of them is
// non-zero, then the rest by exact name. Both sides go in their number order
// (CH#: ProgramNum, ShowNum on product list 8), and each reference channel is
// taken at most once, so duplicates pair off in that order.
//
// A matched channel takes the reference channel's ProgramNum, LogicalNumber,
// ShowNum, Favorite and F0..F31. The others keep their favourite lists and
// follow, in their current order: TV channels after the highest TV number of
// the reference, the rest after its highest other number, and in each
// favourite list after the reference's highest position in that list. Their
// ShowNum and LogicalNumber follow the new number where renumbering makes
// them follow it.
//
// Only fields of table 5 change; keys and table order stay. An empty
// reference, or numbers that would pass 65535, change nothing and say so in
// `error`. Runs as one edit: the caller wraps it in its edit session.
ReferenceOrderReport ApplyReferenceOrder(CZorvDB& db, std::span<const Channel_Info_Tag> reference);

// The report as one line for the user, for example
// "Matched 812 channels by ids and 23 by name; 41 not matched.", or the
// error. The phrase for the editor, the English for velmar-cli.
Phrase ReferenceOrderPhrase(const ReferenceOrderReport& report);
std::string ReferenceOrderSummary(const ReferenceOrderReport& report);
