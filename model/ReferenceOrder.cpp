#include "model/ReferenceOrder.h"

#include "contracts/Policy.h"
#include "model/ChannelIdentity.h"
#include "model/Product.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <tuple>
#include <utility>
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

// Positions of `rows` in number order, ties in the order given: a counting
// sort over the 16-bit numbers, in two passes.
template <class Row>
std::vector<std::size_t> NumberOrder(const std::vector<Row>& rows, bool showNum) {
    std::vector<std::uint32_t> start(std::size_t{kMaxNumber} + 2, 0);
    for (const auto& row : rows)
        ++start[std::size_t{Number(*row, showNum)} + 1];
    for (std::size_t n = 1; n < start.size(); ++n)
        start[n] += start[n - 1];
    std::vector<std::size_t> order(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        order[start[Number(*rows[i], showNum)]++] = i;
    return order;
}

// One side's candidates for a way of matching: a key, the place in number
// order, and the channel.
template <class Key> struct Candidate {
    Key key;
    std::uint32_t rank;
    std::uint32_t at; // index into its side
};

// The ids with the kind in front: one number.
std::uint64_t IdKey(const Channel_Info_Tag& c) {
    return std::uint64_t(ServiceKindOf(c)) << 56 | ServiceIds(c);
}

// A name with the kind, and a hash of the name so that most comparisons
// end on two numbers; equal keys are equal names of one kind.
struct NameKey {
    std::uint64_t head; // kind and hash
    std::string_view name;

    explicit NameKey(const Channel_Info_Tag& c) : name(NameOf(c)) {
        std::uint64_t h = 14695981039346656037ull; // FNV-1a
        for (const char ch : name)
            h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ull;
        head = std::uint64_t(ServiceKindOf(c)) << 62 | (h >> 2);
    }
    friend bool operator<(const NameKey& x, const NameKey& y) {
        return x.head != y.head ? x.head < y.head : x.name < y.name;
    }
};

template <class Key> bool operator<(const Candidate<Key>& x, const Candidate<Key>& y) {
    if (x.key < y.key)
        return true;
    if (y.key < x.key)
        return false;
    return x.rank < y.rank;
}

// The candidates of one side in number order whose `take` is true, sorted
// by key, each run of equal keys in number order.
template <class Key, class Take, class MakeKey>
std::vector<Candidate<Key>> Candidates(std::span<const Channel_Info_Tag* const> side,
                                       const std::vector<std::size_t>& order, Take take,
                                       MakeKey makeKey) {
    std::vector<Candidate<Key>> out;
    out.reserve(order.size());
    for (std::size_t rank = 0; rank < order.size(); ++rank)
        if (const std::size_t at = order[rank]; take(at, *side[at]))
            out.push_back({makeKey(*side[at]), static_cast<std::uint32_t>(rank),
                           static_cast<std::uint32_t>(at)});
    std::sort(out.begin(), out.end());
    return out;
}

// Both sides sorted alike: within each key, the list's channels in number
// order take the reference's in number order, one each. Returns how many
// were paired.
template <class Key>
std::uint32_t PairRuns(const std::vector<Candidate<Key>>& list,
                       const std::vector<Candidate<Key>>& ref, std::vector<std::size_t>& match,
                       std::vector<bool>& taken) {
    std::uint32_t paired = 0;
    std::size_t i = 0, j = 0;
    while (i < list.size() && j < ref.size()) {
        if (list[i].key < ref[j].key) {
            ++i;
        } else if (ref[j].key < list[i].key) {
            ++j;
        } else {
            const Key& key = list[i].key;
            for (; i < list.size() && j < ref.size() && !(key < list[i].key) && !(key < ref[j].key);
                 ++i, ++j) {
                match[list[i].at] = ref[j].at;
                taken[ref[j].at] = true;
                ++paired;
            }
            // The rest of the run on either side stays unmatched.
            while (i < list.size() && !(key < list[i].key))
                ++i;
            while (j < ref.size() && !(key < ref[j].key))
                ++j;
        }
    }
    return paired;
}

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

    // By ids first, then the rest by name, each side sorted once by its key.
    const auto hasIds = [](std::size_t, const Channel_Info_Tag& c) { return ServiceIds(c) != 0; };
    m.byIds = PairRuns(Candidates<std::uint64_t>(list, listOrder, hasIds, IdKey),
                       Candidates<std::uint64_t>(ref, refOrder, hasIds, IdKey), m.match, taken);
    const auto nameKey = [](const Channel_Info_Tag& c) { return NameKey(c); };
    m.byName = PairRuns(Candidates<NameKey>(
                            list, listOrder,
                            [&](std::size_t at, const Channel_Info_Tag& c) {
                                return m.match[at] == kNoChannelMatch && !NameOf(c).empty();
                            },
                            nameKey),
                        Candidates<NameKey>(
                            ref, refOrder,
                            [&](std::size_t at, const Channel_Info_Tag& r) {
                                return !taken[at] && !NameOf(r).empty();
                            },
                            nameKey),
                        m.match, taken);
    return m;
}

namespace {

ReferenceOrderReport Refused(ReferenceOrderReport& report, Phrase why) {
    report.error = English(why);
    report.why = std::move(why);
    return std::move(report);
}

} // namespace

ReferenceOrderReport ApplyReferenceOrder(CZorvDB& db, std::span<const Channel_Info_Tag> reference) {
    ReferenceOrderReport report;
    if (reference.empty()) {
        return Refused(
            report, phrase::Text(VELMAR_TRANSLATE_NOOP(
                        "Velmar", "The reference list holds no channels. Nothing was changed.")));
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
            // English says "channels" for any count; the languages follow it.
            return Refused(
                report,
                phrase::Counted(unmatched[g], nullptr,
                                VELMAR_TRANSLATE_N_NOOP(
                                    "Velmar", "The numbers after the reference's highest "
                                              "number %1 leave no room for %2 channels that "
                                              "it does not hold. Nothing was changed."),
                                {phrase::Number(nextNumber[g]), phrase::Number(unmatched[g])}));
        }
    for (int k = 0; k < kFavoritePositions; ++k)
        if (nextPosition[k] + unmatchedMembers[k] > kMaxNumber) {
            return Refused(
                report, phrase::Text(VELMAR_TRANSLATE_NOOP(
                                         "Velmar", "Favourite list %1 has no room after the "
                                                   "reference's positions. Nothing was changed."),
                                     {phrase::Number(k + 1)}));
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

Phrase ReferenceOrderPhrase(const ReferenceOrderReport& report) {
    if (!report.Applied())
        return report.why.Empty() ? phrase::Data(report.error) : report.why;
    // English says "channels" for any count; the languages follow the first.
    return phrase::Counted(
        report.matchedByIds, nullptr,
        VELMAR_TRANSLATE_N_NOOP("Velmar",
                                "Matched %1 channels by ids and %2 by name; %3 not matched."),
        {phrase::Number(report.matchedByIds), phrase::Number(report.matchedByName),
         phrase::Number(report.notMatched)});
}

std::string ReferenceOrderSummary(const ReferenceOrderReport& report) {
    return English(ReferenceOrderPhrase(report));
}
