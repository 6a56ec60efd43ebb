// Pairs the transponders or multiplexes of two lists by frequency: each row
// of A takes the nearest free row of B with the same polarisation within the
// tolerance. Rows are visited by polarisation, then frequency, ties in table
// order, so the pairs do not depend on where a row sits in its table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TunedRow {
    std::uint32_t key = 0; // store key
    int polarity = 0;      // 0 where the network has none
    std::int64_t kHz = 0;
};

struct FrequencyPairs {
    // Positions in the input vectors. Pairs in A's pairing order, then the
    // rows of A and of B left without a partner, each in pairing order.
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    std::vector<std::size_t> onlyA, onlyB;
    // Every row of A in pairing order, with its partner in B or kNoPartner:
    // the order a report lists them in.
    std::vector<std::pair<std::size_t, std::size_t>> inOrderA;
};

inline constexpr std::size_t kNoPartner = static_cast<std::size_t>(-1);

FrequencyPairs PairByFrequency(const std::vector<TunedRow>& a, const std::vector<TunedRow>& b,
                               std::int64_t toleranceKHz);
