// The figures of the Information view: header form and product, how full each
// table's block is, channel counts by kind and flag, channels per satellite
// and per broadcaster, and the duplicates. Read-only over the store.
#pragma once

#include "contracts/ZorvDB.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TableUsage {
    std::uint8_t table = 0;               // ZorvTable
    std::uint32_t count = 0;              // rows in the store
    std::optional<std::int64_t> capacity; // none: the product does not write it
    // Rows a save can still take (negative: that many too many).
    std::optional<std::int64_t> Free() const {
        return capacity ? std::optional<std::int64_t>(*capacity - count) : std::nullopt;
    }
};

// Channels that refer to one satellite ID or one BroadcastID. `name` is the
// satellite's or broadcaster's name, empty when no record carries that id.
struct ChannelsPer {
    std::uint32_t id = 0;
    std::string name;
    std::uint32_t channels = 0;
};

struct Statistics {
    bool zorvImage = false;
    int productList = 0;
    std::uint32_t productType = 0;
    int byteOrder = 0;
    // Every table the product has, in the order favourites, satellites,
    // transponders, broadcasts, terrestrial multiplexes, cable multiplexes,
    // channels; tables of another kind of receiver are left out unless they
    // hold rows.
    std::vector<TableUsage> tables;
    std::uint32_t tv = 0, radio = 0; // a channel with both bits counts as TV
    std::uint32_t locked = 0, skipped = 0, scrambled = 0;
    // Ascending id, only ids in use; no satellites on a receiver without the
    // satellite bit.
    std::vector<ChannelsPer> perSatellite;
    std::vector<ChannelsPer> perBroadcaster;
    // The groups of FindDuplicateGroups: store keys in table order.
    std::vector<std::vector<std::uint32_t>> duplicates;

    // Every member of every duplicate group.
    std::uint32_t DuplicateChannels() const;
};

// `zorvImage` is the header form of the open image (g_bZorvImage); the
// product and the capacities come from the policy.
Statistics ComputeStatistics(const CZorvDB& db, bool zorvImage);

// The table's name as the Information view and `velmar-cli info` show it.
const char* TableName(std::uint8_t table);
