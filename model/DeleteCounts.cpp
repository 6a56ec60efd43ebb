#include "model/DeleteCounts.h"

#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"

#include <set>
#include <utility>

namespace {

std::string Count(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

DeleteCounts CountSatelliteDelete(const CZorvDB& db, std::span<const std::uint32_t> keys) {
    DeleteCounts counts;
    std::set<BYTE> ids; // ID 0 marks an empty slot: nothing refers to it
    for (const std::uint32_t key : keys)
        if (const auto* s = db.Get<Satellite_Info_Tag>(kTableSatellite, key)) {
            ++counts.selected;
            if (s->ID != 0)
                ids.insert(s->ID);
        }
    for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
        counts.transponders += ids.contains(t.SatID) ? 1 : 0;
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        counts.channels += ids.contains(c.SatID) ? 1 : 0;
    return counts;
}

DeleteCounts CountTransponderDelete(const CZorvDB& db, std::span<const std::uint32_t> keys) {
    DeleteCounts counts;
    std::set<std::pair<BYTE, BYTE>> ids;
    for (const std::uint32_t key : keys)
        if (const auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, key)) {
            ++counts.selected;
            ids.insert({t->SatID, t->TPID});
        }
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        counts.channels += ids.contains({c.SatID, c.TPID}) ? 1 : 0;
    return counts;
}

DeleteCounts CountCableMuxDelete(const CZorvDB& db, std::span<const std::uint32_t> keys) {
    DeleteCounts counts;
    std::set<BYTE> ids;
    for (const std::uint32_t key : keys)
        if (const auto* m = db.Get<CableMux_Info_Tag>(kTableCableMux, key)) {
            ++counts.selected;
            ids.insert(m->TPID);
        }
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        counts.channels += ids.contains(c.TPID) ? 1 : 0;
    return counts;
}

std::string DeleteCountsText(const DeleteCounts& counts, const char* what, const char* whats) {
    std::string text = Count(counts.selected, what, whats) +
                       (counts.selected == 1 ? " is selected." : " are selected.");
    if (counts.transponders == 0 && counts.channels == 0)
        return text;
    text += counts.selected == 1 ? " Deleting it also deletes its "
                                 : " Deleting them also deletes their ";
    if (counts.transponders > 0)
        text += Count(counts.transponders, "transponder", "transponders") +
                (counts.channels > 0 ? " and " : "");
    if (counts.channels > 0)
        text += Count(counts.channels, "channel", "channels");
    return text + ".";
}
