#include "model/ChannelTable.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// Replaces table 5 by copies of `order` (keys of table 7), each under a new key.
void RefillFromScratch(CZorvDB& db, const std::vector<std::uint32_t>& order) {
    db.Clear(kTableChannel);
    for (std::uint32_t key : order)
        if (auto* c = db.Get<Channel_Info_Tag>(kTableScratch, key))
            db.AddIndexed(kTableChannel, CopyRecord(*c));
    db.Clear(kTableScratch);
}

// Copies table 5 into table 7 and returns the scratch keys in table order.
std::vector<std::pair<std::uint32_t, std::uint16_t>> CopyToScratch(CZorvDB& db) {
    db.Clear(kTableScratch);
    std::vector<std::pair<std::uint32_t, std::uint16_t>> pairs;
    pairs.reserve(db.Size(kTableChannel));
    for (const Channel_Info_Tag& c : std::as_const(db).Rows<Channel_Info_Tag>(kTableChannel)) {
        const int key = db.AddIndexed(kTableScratch, CopyRecord(c));
        pairs.emplace_back(static_cast<std::uint32_t>(key), c.ProgramNum);
    }
    return pairs;
}

} // namespace

std::uint16_t GetMaxProgramNum(bool tv, const CZorvDB& db) {
    std::uint16_t highest = 0;
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        if (IsTV(c) == tv)
            highest = std::max(highest, c.ProgramNum);
    return highest;
}

void SortChannelsByNumber(CZorvDB& db) {
    auto pairs = CopyToScratch(db);
    // Stable, so equal numbers keep their table order: a predictable result
    // where any order would do.
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<std::uint32_t> order;
    order.reserve(pairs.size());
    for (const auto& p : pairs)
        order.push_back(p.first);
    RefillFromScratch(db, order);
}

void RegroupChannels(CZorvDB& db) {
    SortChannelsByNumber(db);
    const auto pairs = CopyToScratch(db);
    std::vector<std::uint32_t> tv, other;
    // A record with both bits or neither stays exactly once: TV first when it
    // has 0x400, with the others otherwise.
    for (const auto& [key, number] : pairs) {
        const auto* c = db.Get<Channel_Info_Tag>(kTableScratch, key);
        (IsTV(*c) ? tv : other).push_back(key);
    }
    tv.insert(tv.end(), other.begin(), other.end());
    RefillFromScratch(db, tv);
}

void RenumberChannels(CZorvDB& db) {
    SortChannelsByNumber(db);
    std::uint16_t tv = 0, other = 0;
    for (Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        c.ProgramNum = IsTV(c) ? ++tv : ++other;
}
