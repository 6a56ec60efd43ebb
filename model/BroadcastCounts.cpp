#include "model/BroadcastCounts.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"

void BroadcastCount::Add(WORD attributes) {
    tv += (attributes & kAttrTV) ? 1 : 0;
    radio += (attributes & kAttrRadio) ? 1 : 0;
}

BroadcastCount CountBroadcastChannels(const CZorvDB& db, WORD broadcastId) {
    BroadcastCount n;
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        if (c.BroadcastID == broadcastId)
            n.Add(c.Attributes);
    return n;
}

BroadcastCounts::BroadcastCounts(const CZorvDB& db) : m_counts(std::size_t{0xFFFF} + 1) {
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        m_counts[c.BroadcastID].Add(c.Attributes);
}
