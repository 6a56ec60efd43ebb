#include "model/BroadcastCommands.h"

#include "contracts/Texts.h"
#include "contracts/ZorvDB.h"
#include "model/SatelliteRecords.h"
#include "model/StoreLoops.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

void SetName(Broadcast_Info_Tag& b, std::string_view name) {
    std::memset(b.Name, 0, sizeof b.Name);
    std::memcpy(b.Name, name.data(), std::min(name.size(), kBroadcastNameMax));
}

} // namespace

WORD LastBroadcastID(const CZorvDB& db) {
    WORD last = 0;
    ForEachRow<Broadcast_Info_Tag>(db, kTableBroadcast,
                                   [&](const Broadcast_Info_Tag& b) { last = b.BroadcastID; });
    return last;
}

std::uint32_t NewBroadcast(CZorvDB& db, WORD lastRowId, std::string_view name) {
    auto b = NewRecord<Broadcast_Info_Tag>();
    b->BroadcastID = static_cast<WORD>(lastRowId + 1);
    SetName(*b, name);
    return static_cast<std::uint32_t>(db.AddIndexed(kTableBroadcast, std::move(b)));
}

bool RenameBroadcast(CZorvDB& db, std::uint32_t key, std::string_view name) {
    auto* b = db.Get<Broadcast_Info_Tag>(kTableBroadcast, key);
    if (!b)
        return false;
    SetName(*b, name);
    return true;
}

int DeleteBroadcasts(CZorvDB& db, std::span<const std::uint32_t> keys) {
    int deleted = 0;
    for (std::uint32_t key : keys)
        deleted += db.Delete(kTableBroadcast, key);
    return deleted;
}

std::string BroadcastDescriptionText(const CZorvDB& db, std::uint32_t key) {
    const auto* b = db.Get<Broadcast_Info_Tag>(kTableBroadcast, key);
    if (!b)
        return {};
    const std::string name(b->Name, strnlen(b->Name, sizeof b->Name));
    char text[80];
    (void)std::snprintf(text, sizeof text, texts::kBroadcastDescription, name.c_str(),
                        b->BroadcastID);
    return text;
}
