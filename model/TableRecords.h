// Which record each table of the store holds, and its size: every row of a
// table is one record of that type, allocated at exactly this size.
#pragma once

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"

#include <cstddef>
#include <cstdint>

// The record size of a table's rows; 0 for a table number that does not exist.
constexpr std::size_t RecordSizeOf(std::uint8_t table) {
    switch (table) {
    case kTableSatellite:
        return sizeof(Satellite_Info_Tag);
    case kTableTerrestrialMux:
        return sizeof(SMux_Info_Tag);
    case kTableCableMux:
        return sizeof(CableMux_Info_Tag);
    case kTableBroadcast:
        return sizeof(Broadcast_Info_Tag);
    case kTableTransponder:
        return sizeof(Transponder_Info_Tag);
    case kTableChannel:
    case kTableScratch:
        return sizeof(Channel_Info_Tag);
    case kTableFavorite:
        return sizeof(FavoriteList);
    default:
        return 0;
    }
}

// Every row of every table has its table's record size.
inline bool RowSizesMatchTables(const CZorvDB& db) {
    for (std::uint8_t t = 0; t < CZorvDB::kTableCount; ++t)
        for (std::uint32_t key : db.Keys(t))
            if (db.RowBytes(t, key) != RecordSizeOf(t))
                return false;
    return true;
}
