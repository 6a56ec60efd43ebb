#include "cli/InfoJson.h"

#include "cli/JsonDump.h"
#include "model/ChannelRecords.h"

#include <cstdio>
#include <cstring>

namespace {

std::string Number(std::int64_t v) {
    return std::to_string(v);
}

std::string Optional(const std::optional<std::int64_t>& v) {
    return v ? Number(*v) : "null";
}

// "[a, b, c]" of the items `format` makes.
template <class Items, class Format> std::string List(const Items& items, Format format) {
    std::string out = "[";
    for (const auto& item : items)
        out += (out.size() > 1 ? ", " : "") + format(item);
    return out + "]";
}

std::string PerId(const ChannelsPer& p) {
    return "{\"id\": " + Number(p.id) + ", \"name\": " + AnsiToJsonString(p.name) +
           ", \"channels\": " + Number(p.channels) + "}";
}

} // namespace

std::string InfoJson(const Statistics& s, const CZorvDB& db) {
    char type[8];
    (void)std::snprintf(type, sizeof type, "0x%02X", static_cast<unsigned>(s.productType & 0xFFu));
    std::string out = "{\"format\": " + Number(kJsonFormat);
    out += ", \"header_form\": \"" + std::string(s.zorvImage ? "zorv" : "working") + "\"";
    out += ", \"product\": {\"list\": " + Number(s.productList) +
           ", \"type\": " + Number(s.productType) + ", \"type_hex\": \"" + type +
           "\", \"byte_order\": " + Number(s.byteOrder) + "}";
    out += ", \"tables\": " + List(s.tables, [](const TableUsage& t) {
               return "{\"name\": \"" + std::string(TableName(t.table)) +
                      "\", \"table\": " + Number(t.table) + ", \"count\": " + Number(t.count) +
                      ", \"capacity\": " + Optional(t.capacity) +
                      ", \"free\": " + Optional(t.Free()) + "}";
           });
    out += ", \"channels\": {\"tv\": " + Number(s.tv) + ", \"radio\": " + Number(s.radio) +
           ", \"locked\": " + Number(s.locked) + ", \"skipped\": " + Number(s.skipped) +
           ", \"scrambled\": " + Number(s.scrambled) + "}";
    out += ", \"per_satellite\": " + List(s.perSatellite, PerId);
    out += ", \"per_broadcaster\": " + List(s.perBroadcaster, PerId);
    out +=
        ", \"duplicates\": {\"groups\": " + Number(static_cast<std::int64_t>(s.duplicates.size())) +
        ", \"channels\": " + Number(s.DuplicateChannels()) + ", \"members\": " +
        List(s.duplicates,
             [&](const std::vector<std::uint32_t>& group) {
                 return List(group, [&](std::uint32_t key) {
                     const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, key);
                     return "{\"key\": " + Number(key) + ", \"name\": " +
                            AnsiToJsonString(
                                c ? std::string_view(c->Name, strnlen(c->Name, sizeof c->Name))
                                  : std::string_view()) +
                            "}";
                 });
             }) +
        "}";
    return out + "}\n";
}
