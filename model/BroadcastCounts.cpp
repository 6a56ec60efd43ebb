#include "model/BroadcastCounts.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"

BroadcastCounts::BroadcastCounts(const CZorvDB& db) : m_counts(std::size_t{0xFFFF} + 1) {
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel)) {
        BroadcastCount& n = m_counts[c.BroadcastID];
        n.tv += (c.Attributes & kAttrTV) ? 1 : 0;
        n.radio += (c.Attributes & kAttrRadio) ? 1 : 0;
    }
}
