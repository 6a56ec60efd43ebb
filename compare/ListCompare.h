// The comparison of two channel lists: what a new scan, a colleague's list or
// yesterday's backup changed. Channels are paired as Apply order pairs them
// (service ids, then name, within TV or radio), satellites by position and
// transponders, on paired satellites, by frequency within 2 MHz with the same
// polarisation; on cable and terrestrial receivers the multiplexes by
// frequency within 2 MHz. The result is data: the editor shows it,
// `velmar-cli diff` prints it, and the merge adds what only the other list has.
#pragma once

#include "contracts/ZorvDB.h"
#include "platform/Phrase.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CDocument;

// In the order a report groups them.
enum class DifferenceKind : std::uint8_t {
    ChannelOnlyInA,
    ChannelOnlyInB,
    NumberChanged,
    NameChanged,
    TuningChanged,
    FlagsChanged,
    FavoritesChanged,
    SatelliteOnlyInA,
    SatelliteOnlyInB,
    SatelliteChanged,
    TransponderOnlyInA,
    TransponderOnlyInB,
    TransponderChanged,
    // Cable and terrestrial multiplexes, wherever the receiver keeps them.
    MultiplexOnlyInA,
    MultiplexOnlyInB,
    MultiplexChanged,
    Count
};
inline constexpr std::size_t kDifferenceKinds = static_cast<std::size_t>(DifferenceKind::Count);

// What one difference concerns: a channel, a satellite, a transponder or a
// multiplex.
enum class DifferenceSubject : std::uint8_t { Channel, Satellite, Transponder, Multiplex };
DifferenceSubject SubjectOf(DifferenceKind kind);

struct Difference {
    DifferenceKind kind{};
    // Store keys of the row in A and in B (0 on the side that lacks it).
    std::uint32_t keyA = 0, keyB = 0;
    // Who it is, in the list's words: `TV 12 "Das Erste HD"`, `satellite
    // 19.2E "Astra 1"`, `transponder 19.2E 11494 H`, names in UTF-8.
    Phrase subject;
    // What each side holds where they differ; empty on the side that lacks
    // the row.
    Phrase a, b;
};

struct Comparison {
    // Grouped by kind in the order of DifferenceKind, each group in list
    // order (channels by kind and number).
    std::vector<Difference> differences;
    std::array<std::size_t, kDifferenceKinds> counts{};

    // Which channel of B each channel of A stands for, as (key in A, key in
    // B) in the report's order, and which satellite, transponder and
    // multiplex of A each one of B is, by store keys (only pairs). A
    // terrestrial multiplex kept as a transponder is a transponder here.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> channelAtoB;
    std::unordered_map<std::uint32_t, std::uint32_t> satelliteBtoA, transponderBtoA, multiplexBtoA;
    // Whether the satellites and transponders (on cable and terrestrial
    // receivers: the multiplexes) were compared: a list without any (a
    // workbook read alone) has none to compare with, and its channels' tuning
    // is then compared by their ids.
    bool comparedSources = false;

    bool Same() const { return differences.empty(); }
    std::size_t Count(DifferenceKind kind) const { return counts[static_cast<std::size_t>(kind)]; }
};

// The frequency tolerance of the transponder and multiplex pairing, in MHz.
inline constexpr int kTransponderToleranceMHz = 2;

// Compares list A with list B under the current receiver configuration (its
// CH# and whether it has satellites).
Comparison CompareLists(const CZorvDB& a, const CZorvDB& b);
Comparison CompareDocuments(const CDocument& a, const CDocument& b);

// "channels only in A" ... for a group's heading.
const char* DifferenceTitle(DifferenceKind kind);
// "channel-only-in-a" ... for JSON.
const char* DifferenceId(DifferenceKind kind);
