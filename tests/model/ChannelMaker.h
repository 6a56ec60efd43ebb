// Channel rows for the model tests, built field by field in one expression.
#pragma once

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace velmar::test {

struct Ch {
    std::string name;
    WORD attributes = kAttrTV;
    WORD onid = 0, tsid = 0, sid = 0;
    BYTE sat = 1, tp = 1;
    WORD number = 0;
    WORD broadcast = 0;

    Ch& Ids(WORD o, WORD t, WORD s) {
        onid = o;
        tsid = t;
        sid = s;
        return *this;
    }
    Ch& Radio() {
        attributes = kAttrRadio;
        return *this;
    }
    Ch& On(BYTE satId, BYTE tpId) {
        sat = satId;
        tp = tpId;
        return *this;
    }
    Ch& Num(WORD n) {
        number = n;
        return *this;
    }

    Channel_Info_Tag Record() const {
        Channel_Info_Tag c{};
        std::snprintf(c.Name, sizeof c.Name, "%s", name.c_str());
        c.Attributes = attributes;
        c.OrgNetID = onid;
        c.TSID = tsid;
        c.ServiceID = sid;
        c.SatID = sat;
        c.TPID = tp;
        c.ProgramNum = number;
        c.BroadcastID = broadcast;
        return c;
    }
};

// Adds the channel under a fresh key and returns the key.
inline std::uint32_t AddChannel(CZorvDB& db, const Channel_Info_Tag& c) {
    return static_cast<std::uint32_t>(db.AddIndexed(kTableChannel, CopyRecord(c)));
}
inline std::uint32_t AddChannel(CZorvDB& db, const Ch& c) {
    return AddChannel(db, c.Record());
}

} // namespace velmar::test
