// The broadcaster grid's Count column: how many TV and how many radio
// channels refer to each BroadcastID, counted in one pass over the channel
// table, so a fill costs one walk of the channels whatever the number of
// broadcasters.
#pragma once

#include "platform/ByteOrder.h"

#include <cstdint>
#include <vector>

class CZorvDB;

struct BroadcastCount {
    std::uint32_t tv = 0;    // channels with the TV bit
    std::uint32_t radio = 0; // channels with the radio bit (one with both counts twice)

    void Add(WORD attributes);
};

// The count of one BroadcastID (one walk, for one row).
BroadcastCount CountBroadcastChannels(const CZorvDB& db, WORD broadcastId);

class BroadcastCounts {
public:
    explicit BroadcastCounts(const CZorvDB& db);
    BroadcastCount Of(WORD broadcastId) const { return m_counts[broadcastId]; }

private:
    std::vector<BroadcastCount> m_counts; // one per possible BroadcastID
};
