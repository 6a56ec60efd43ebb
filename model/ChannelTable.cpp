#include "model/ChannelTable.h"

#include "contracts/RecordMemory.h"
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// A row of table 5 in the order an operation leaves it, with the number it
// will carry. The operations below reorder this plan in memory and then
// write it once.
struct PlannedRow {
    const Channel_Info_Tag* record = nullptr;
    std::size_t position = 0; // its row now
    std::uint32_t key = 0;    // its key now
    std::uint16_t number = 0;
};
using Plan = std::vector<PlannedRow>;

Plan PlanOf(const CZorvDB& db) {
    const std::vector<std::uint32_t> keys = db.Keys(kTableChannel);
    Plan plan;
    plan.reserve(keys.size());
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        plan.push_back({&c, plan.size(), keys[plan.size()], c.ProgramNum});
    return plan;
}

// Stable, so equal numbers keep their table order: a predictable result
// where any order would do.
void SortByNumber(Plan::iterator first, Plan::iterator last) {
    const auto byNumber = [](const PlannedRow& a, const PlannedRow& b) {
        return a.number < b.number;
    };
    // A numbered list mostly is in order already: checking costs one pass.
    if (!std::is_sorted(first, last, byNumber))
        std::stable_sort(first, last, byNumber);
}
void SortByNumber(Plan& plan) {
    SortByNumber(plan.begin(), plan.end());
}

// A record with both bits or neither stays exactly once: TV first when it
// has 0x400, with the others otherwise. Answers where the others begin.
Plan::iterator PutTVFirst(Plan& plan) {
    const auto tv = [](const PlannedRow& r) { return IsTV(*r.record); };
    if (std::is_partitioned(plan.begin(), plan.end(), tv))
        return std::partition_point(plan.begin(), plan.end(), tv);
    return std::stable_partition(plan.begin(), plan.end(), tv);
}

void NumberInOrder(Plan& plan) {
    std::uint16_t tv = 0, other = 0;
    for (PlannedRow& r : plan)
        r.number = IsTV(*r.record) ? ++tv : ++other;
}

// Whether row `position` of the table already is what the plan puts there:
// the same record under the key a re-add gives it (position + 1), with its
// number.
bool AlreadyInPlace(const PlannedRow& r, std::size_t position) {
    const auto key = static_cast<std::uint32_t>(position + 1);
    return r.position == position && r.key == key && r.record->Index == key &&
           r.record->ProgramNum == r.number;
}

// Leaves table 5 as clearing it and re-adding the plan's rows in order would
// (keys 1, 2, 3 ..., each row's Index its key, the key counter at the row
// count), with the scratch table 7 empty as after the copy through it. Rows
// before the first one that differs stay where they are: a channel added
// at the end of a numbered list costs what it moves, not the whole table.
void Write(CZorvDB& db, const Plan& plan) {
    std::size_t same = 0;
    if (db.HighestKey(kTableChannel) == plan.size())
        while (same < plan.size() && AlreadyInPlace(plan[same], same))
            ++same;
    std::vector<RecordPtr<Channel_Info_Tag>> rest;
    rest.reserve(plan.size() - same);
    for (std::size_t i = same; i < plan.size(); ++i) {
        rest.push_back(CopyRecord(*plan[i].record));
        rest.back()->ProgramNum = plan[i].number;
    }
    if (same == 0) {
        db.Clear(kTableChannel);
    } else {
        for (std::size_t i = same; i < plan.size(); ++i)
            db.Delete(kTableChannel, plan[i].key);
    }
    // Add writes each key into the row's Index.
    for (std::size_t i = 0; i < rest.size(); ++i)
        db.Add(kTableChannel, static_cast<std::uint32_t>(same + i + 1), std::move(rest[i]));
    if (db.Size(kTableScratch) != 0 || db.HighestKey(kTableScratch) != 0)
        db.Clear(kTableScratch);
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
    Plan plan = PlanOf(db);
    SortByNumber(plan);
    Write(db, plan);
}

void RegroupChannels(CZorvDB& db) {
    Plan plan = PlanOf(db);
    SortByNumber(plan);
    PutTVFirst(plan);
    Write(db, plan);
}

void RenumberChannels(CZorvDB& db) {
    Plan plan = PlanOf(db);
    SortByNumber(plan);
    NumberInOrder(plan);
    Write(db, plan);
}

void RegroupAndRenumberChannels(CZorvDB& db) {
    Plan plan = PlanOf(db);
    // Sort, TV first, sort, number, sort, TV first comes to this: both
    // sorts are stable, so TV first and then each group sorted by number
    // is the first regroup; numbering per kind in that order keeps each
    // group sorted, so the second regroup moves nothing.
    const auto others = PutTVFirst(plan);
    SortByNumber(plan.begin(), others);
    SortByNumber(others, plan.end());
    NumberInOrder(plan);
    Write(db, plan);
}
