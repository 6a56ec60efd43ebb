#include "model/ReferenceOrder.h"

#include "contracts/Policy.h"
#include "model/ChannelIdentity.h"
#include "model/Product.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

constexpr std::uint32_t kMaxNumber = std::numeric_limits<WORD>::max();
constexpr int kGroups = 2; // TV, and everything else, numbered apart

int NumberGroup(const Channel_Info_Tag& c) {
    return IsTV(c) ? 0 : 1;
}

// The number the lists show as CH#.
WORD Number(const Channel_Info_Tag& c, bool showNum) {
    return showNum ? c.ShowNum : c.ProgramNum;
}

// Positions of `rows` in number order, ties in the order given.
template <class Row>
std::vector<std::size_t> NumberOrder(const std::vector<Row>& rows, bool showNum) {
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return Number(*rows[a], showNum) < Number(*rows[b], showNum);
    });
    return order;
}

// Reference channels sorted by a key, each run of equal keys in number order,
// handed out one by one.
template <class Key> class Pool {
public:
    template <class MakeKey, class Take>
    Pool(const std::vector<const Channel_Info_Tag*>& ref, const std::vector<std::size_t>& order,
         MakeKey makeKey, Take take) {
        for (std::size_t rank = 0; rank < order.size(); ++rank) {
            const Channel_Info_Tag& r = *ref[order[rank]];
            if (take(r))
                m_entries.push_back({makeKey(r), rank, order[rank]});
        }
        std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
            return std::tie(a.key, a.rank) < std::tie(b.key, b.rank);
        });
        m_next.resize(m_entries.size());
        for (std::size_t i = 0; i < m_next.size(); ++i)
            m_next[i] = i;
    }

    // The first reference channel with `key` that nobody took yet, or npos.
    std::size_t Take(const Key& key, std::vector<bool>& taken) {
        const auto first = std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                            [](const Entry& e, const Key& k) { return e.key < k; });
        if (first == m_entries.end() || !(first->key == key))
            return npos;
        const auto run = static_cast<std::size_t>(first - m_entries.begin());
        // m_next[run] remembers how far this run has been handed out.
        std::size_t& at = m_next[run];
        while (at < m_entries.size() && m_entries[at].key == key) {
            const std::size_t ref = m_entries[at++].ref;
            if (!taken[ref]) {
                taken[ref] = true;
                return ref;
            }
        }
        return npos;
    }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    struct Entry {
        Key key;
        std::size_t rank; // place in number order
        std::size_t ref;  // index into the reference
    };
    std::vector<Entry> m_entries;
    std::vector<std::size_t> m_next;
};

using IdKey = std::tuple<ServiceKind, std::uint64_t>;
using NameKey = std::tuple<ServiceKind, std::string_view>;

} // namespace

ChannelMatching MatchReferenceChannels(std::span<const Channel_Info_Tag* const> channels,
                                       std::span<const Channel_Info_Tag* const> reference,
                                       bool showNum) {
    const std::vector<const Channel_Info_Tag*> ref(reference.begin(), reference.end());
    const std::vector<const Channel_Info_Tag*> list(channels.begin(), channels.end());
    const std::vector<std::size_t> refOrder = NumberOrder(ref, showNum);
    const std::vector<std::size_t> listOrder = NumberOrder(list, showNum);
    std::vector<bool> taken(ref.size(), false);
    ChannelMatching m;
    m.match.assign(list.size(), kNoChannelMatch);

    Pool<IdKey> byIds(
        ref, refOrder,
        [](const Channel_Info_Tag& r) { return IdKey(ServiceKindOf(r), ServiceIds(r)); },
        [](const Channel_Info_Tag& r) { return ServiceIds(r) != 0; });
    for (const std::size_t i : listOrder) {
        if (ServiceIds(*list[i]) == 0)
            continue;
        m.match[i] = byIds.Take(IdKey(ServiceKindOf(*list[i]), ServiceIds(*list[i])), taken);
        m.byIds += m.match[i] != kNoChannelMatch ? 1 : 0;
    }
    Pool<NameKey> byName(
        ref, refOrder,
        [](const Channel_Info_Tag& r) { return NameKey(ServiceKindOf(r), NameOf(r)); },
        [](const Channel_Info_Tag& r) { return !NameOf(r).empty(); });
    for (const std::size_t i : listOrder) {
        if (m.match[i] != kNoChannelMatch || NameOf(*list[i]).empty())
            continue;
        m.match[i] = byName.Take(NameKey(ServiceKindOf(*list[i]), NameOf(*list[i])), taken);
        m.byName += m.match[i] != kNoChannelMatch ? 1 : 0;
    }
    return m;
}

ReferenceOrderReport ApplyReferenceOrder(CZorvDB& db, std::span<const Channel_Info_Tag> reference) {
    ReferenceOrderReport report;
    if (reference.empty()) {
        report.error = "The reference list holds no channels. Nothing was changed.";
        return report;
    }
    const int productList = GetProductList();
    const bool showNum = ShowsShowNum(productList);

    std::vector<const Channel_Info_Tag*> ref;
    ref.reserve(reference.size());
    for (const Channel_Info_Tag& r : reference)
        ref.push_back(&r);
    std::vector<Channel_Info_Tag*> list;
    list.reserve(db.Size(kTableChannel));
    for (auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        list.push_back(&c);

    const std::vector<std::size_t> listOrder = NumberOrder(list, showNum);
    constexpr std::size_t kNone = kNoChannelMatch;
    const std::vector<const Channel_Info_Tag*> constList(list.begin(), list.end());
    const ChannelMatching matching = MatchReferenceChannels(constList, ref, showNum);
    const std::vector<std::size_t>& match = matching.match;
    report.matchedByIds = matching.byIds;
    report.matchedByName = matching.byName;
    report.notMatched =
        static_cast<std::uint32_t>(list.size()) - report.matchedByIds - report.matchedByName;
    report.referenceUnused =
        static_cast<std::uint32_t>(ref.size()) - report.matchedByIds - report.matchedByName;

    // Where the unmatched channels start: after the reference's highest number
    // of their group and its highest position in each favourite list.
    std::array<std::uint32_t, kGroups> nextNumber{};
    std::array<std::uint32_t, kFavoritePositions> nextPosition{};
    for (const Channel_Info_Tag* r : ref) {
        std::uint32_t& n = nextNumber[static_cast<std::size_t>(NumberGroup(*r))];
        n = std::max<std::uint32_t>(n, Number(*r, showNum));
        for (int k = 0; k < kFavoritePositions; ++k)
            if (r->Favorite & (1u << k))
                nextPosition[k] = std::max<std::uint32_t>(nextPosition[k], r->F[k]);
    }
    std::array<std::uint32_t, kGroups> unmatched{};
    std::array<std::uint32_t, kFavoritePositions> unmatchedMembers{};
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (match[i] != kNone)
            continue;
        ++unmatched[static_cast<std::size_t>(NumberGroup(*list[i]))];
        for (int k = 0; k < kFavoritePositions; ++k)
            unmatchedMembers[k] += (list[i]->Favorite & (1u << k)) ? 1 : 0;
    }
    for (int g = 0; g < kGroups; ++g)
        if (nextNumber[g] + unmatched[g] > kMaxNumber) {
            report.error = "The numbers after the reference's highest number " +
                           std::to_string(nextNumber[g]) + " leave no room for " +
                           std::to_string(unmatched[g]) +
                           " channels that it does not hold. Nothing was changed.";
            return report;
        }
    for (int k = 0; k < kFavoritePositions; ++k)
        if (nextPosition[k] + unmatchedMembers[k] > kMaxNumber) {
            report.error = "Favourite list " + std::to_string(k + 1) +
                           " has no room after the reference's positions. Nothing was changed.";
            return report;
        }

    // Unmatched members of each favourite list, in their current position order.
    std::array<std::vector<std::size_t>, kFavoritePositions> members;
    for (const std::size_t i : listOrder)
        if (match[i] == kNone)
            for (int k = 0; k < kFavoritePositions; ++k)
                if (list[i]->Favorite & (1u << k))
                    members[k].push_back(i);
    for (int k = 0; k < kFavoritePositions; ++k) {
        std::stable_sort(members[k].begin(), members[k].end(), [&](std::size_t a, std::size_t b) {
            return list[a]->F[k] < list[b]->F[k];
        });
        for (const std::size_t i : members[k])
            list[i]->F[k] = static_cast<WORD>(++nextPosition[k]);
    }

    for (const std::size_t i : listOrder) {
        Channel_Info_Tag& c = *list[i];
        if (match[i] != kNone) {
            const Channel_Info_Tag& r = *ref[match[i]];
            c.ProgramNum = r.ProgramNum;
            c.LogicalNumber = r.LogicalNumber;
            c.ShowNum = r.ShowNum;
            c.Favorite = r.Favorite;
            std::copy(std::begin(r.F), std::end(r.F), std::begin(c.F));
            continue;
        }
        // The other numbers follow as they do when the lists renumber.
        const WORD n = static_cast<WORD>(++nextNumber[static_cast<std::size_t>(NumberGroup(c))]);
        c.ProgramNum = n;
        if (ShowNumFollowsProgramNum(productList))
            c.ShowNum = n;
        if (LogicalNumberFollowsProgramNum(productList))
            c.LogicalNumber = n;
    }
    return report;
}

std::string ReferenceOrderSummary(const ReferenceOrderReport& report) {
    if (!report.Applied())
        return report.error;
    return "Matched " + std::to_string(report.matchedByIds) + " channels by ids and " +
           std::to_string(report.matchedByName) + " by name; " + std::to_string(report.notMatched) +
           " not matched.";
}
