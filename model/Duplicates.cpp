#include "model/Duplicates.h"

#include "model/ChannelIdentity.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <tuple>

namespace {

struct Row {
    std::uint32_t key;
    ServiceKind kind;
    std::uint64_t ids;
    BYTE satId, tpId;
    std::string_view name;
};

// Union-find over row positions; the lower position becomes the root, so a
// group's root is its first member in table order.
class Sets {
public:
    explicit Sets(std::size_t n) : m_parent(n) {
        std::iota(m_parent.begin(), m_parent.end(), std::size_t{0});
    }
    std::size_t Root(std::size_t i) {
        while (m_parent[i] != i) {
            m_parent[i] = m_parent[m_parent[i]];
            i = m_parent[i];
        }
        return i;
    }
    void Join(std::size_t a, std::size_t b) {
        a = Root(a);
        b = Root(b);
        if (a != b)
            m_parent[std::max(a, b)] = std::min(a, b);
    }

private:
    std::vector<std::size_t> m_parent;
};

// Sorts the positions that `take` admits by `key` and joins every run of
// equal keys.
template <class Take, class Key>
void JoinEqual(const std::vector<Row>& rows, Sets& sets, Take take, Key key) {
    std::vector<std::size_t> order;
    order.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (take(rows[i]))
            order.push_back(i);
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return key(rows[a]) < key(rows[b]); });
    for (std::size_t i = 1; i < order.size(); ++i)
        if (key(rows[order[i - 1]]) == key(rows[order[i]]))
            sets.Join(order[i - 1], order[i]);
}

} // namespace

std::vector<std::vector<std::uint32_t>> FindDuplicateGroups(const CZorvDB& db) {
    std::vector<Row> rows;
    rows.reserve(db.Size(kTableChannel));
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel)) {
        const ServiceKind kind = ServiceKindOf(c);
        if (kind != ServiceKind::None)
            rows.push_back({c.Index, kind, ServiceIds(c), c.SatID, c.TPID, NameOf(c)});
    }
    Sets sets(rows.size());
    JoinEqual(
        rows, sets, [](const Row& r) { return r.ids != 0; },
        [](const Row& r) { return std::tie(r.kind, r.ids); });
    JoinEqual(
        rows, sets, [](const Row& r) { return !r.name.empty(); },
        [](const Row& r) { return std::tie(r.kind, r.satId, r.tpId, r.name); });

    // Roots come first in table order, so groups appear in that order too.
    std::vector<std::size_t> groupOf(rows.size(), 0);
    std::vector<std::vector<std::uint32_t>> groups;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::size_t root = sets.Root(i);
        if (root == i) {
            groupOf[i] = groups.size();
            groups.emplace_back();
        }
        groups[groupOf[root]].push_back(rows[i].key);
    }
    std::erase_if(groups, [](const auto& g) { return g.size() < 2; });
    return groups;
}

std::vector<std::uint32_t> DuplicateChannelKeys(const CZorvDB& db) {
    const auto groups = FindDuplicateGroups(db);
    std::vector<std::uint32_t> keys;
    for (const auto& g : groups)
        keys.insert(keys.end(), g.begin(), g.end());
    // Back into table order: positions, not key values, decide it.
    std::vector<std::uint32_t> ordered;
    ordered.reserve(keys.size());
    std::sort(keys.begin(), keys.end());
    for (const std::uint32_t key : db.Keys(kTableChannel))
        if (std::binary_search(keys.begin(), keys.end(), key))
            ordered.push_back(key);
    return ordered;
}

std::vector<std::uint32_t> DuplicatesToRemove(const CZorvDB& db) {
    std::vector<std::uint32_t> copies;
    for (const auto& group : FindDuplicateGroups(db)) {
        // Members are in table order, so the first of the lowest number wins.
        std::uint32_t keep = group.front();
        WORD lowest = db.Get<Channel_Info_Tag>(kTableChannel, keep)->ProgramNum;
        for (const std::uint32_t key : group) {
            const WORD number = db.Get<Channel_Info_Tag>(kTableChannel, key)->ProgramNum;
            if (number < lowest) {
                lowest = number;
                keep = key;
            }
        }
        for (const std::uint32_t key : group)
            if (key != keep)
                copies.push_back(key);
    }
    std::sort(copies.begin(), copies.end());
    std::vector<std::uint32_t> ordered;
    ordered.reserve(copies.size());
    for (const std::uint32_t key : db.Keys(kTableChannel))
        if (std::binary_search(copies.begin(), copies.end(), key))
            ordered.push_back(key);
    return ordered;
}
