#include "compare/FrequencyPairing.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace {

// Positions of `rows` by polarisation, then frequency, ties in table order.
std::vector<std::size_t> PairingOrder(const std::vector<TunedRow>& rows) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t x, std::size_t y) {
        return std::tie(rows[x].polarity, rows[x].kHz) < std::tie(rows[y].polarity, rows[y].kHz);
    });
    return order;
}

} // namespace

FrequencyPairs PairByFrequency(const std::vector<TunedRow>& a, const std::vector<TunedRow>& b,
                               std::int64_t toleranceKHz) {
    const std::vector<std::size_t> orderA = PairingOrder(a), orderB = PairingOrder(b);
    std::vector<bool> taken(orderB.size(), false);
    FrequencyPairs out;
    out.inOrderA.reserve(orderA.size());
    for (const std::size_t i : orderA) {
        const TunedRow& ta = a[i];
        // Only the run of B within the tolerance is looked at; the first of
        // equal gaps wins.
        const auto from = std::lower_bound(
            orderB.begin(), orderB.end(), std::make_tuple(ta.polarity, ta.kHz - toleranceKHz),
            [&](std::size_t k, const std::tuple<int, std::int64_t>& at) {
                return std::make_tuple(b[k].polarity, b[k].kHz) < at;
            });
        std::size_t best = kNoPartner;
        std::int64_t bestGap = toleranceKHz + 1;
        for (auto k = static_cast<std::size_t>(from - orderB.begin()); k < orderB.size(); ++k) {
            const TunedRow& tb = b[orderB[k]];
            if (tb.polarity != ta.polarity || tb.kHz > ta.kHz + toleranceKHz)
                break;
            if (taken[k])
                continue;
            if (const std::int64_t gap = tb.kHz > ta.kHz ? tb.kHz - ta.kHz : ta.kHz - tb.kHz;
                gap < bestGap) {
                best = k;
                bestGap = gap;
            }
        }
        if (best == kNoPartner) {
            out.onlyA.push_back(i);
            out.inOrderA.emplace_back(i, kNoPartner);
            continue;
        }
        taken[best] = true;
        out.pairs.emplace_back(i, orderB[best]);
        out.inOrderA.emplace_back(i, orderB[best]);
    }
    for (std::size_t k = 0; k < orderB.size(); ++k)
        if (!taken[k])
            out.onlyB.push_back(orderB[k]);
    return out;
}
