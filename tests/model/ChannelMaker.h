// Channel rows for the model tests, built field by field in one expression,
// and the source rows they refer to.
#pragma once

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

namespace velmar::test {

struct Ch {
    std::string name;
    WORD attributes = kAttrTV;
    WORD onid = 0, tsid = 0, sid = 0;
    BYTE sat = 1, tp = 1;
    WORD number = 0, logical = 0, show = 0;
    WORD broadcast = 0;

    Ch& Ids(WORD o, WORD t, WORD s) { return onid = o, tsid = t, sid = s, *this; }
    Ch& Radio() { return attributes = kAttrRadio, *this; }
    Ch& On(BYTE satId, BYTE tpId) { return sat = satId, tp = tpId, *this; }
    Ch& Num(WORD n) { return number = n, *this; }
    Ch& Attr(WORD a) { return attributes = a, *this; }
    Ch& Provider(WORD id) { return broadcast = id, *this; }
    // ProgramNum, LogicalNumber and ShowNum alike, as renumbering leaves them.
    Ch& Nums(WORD n) { return number = logical = show = n, *this; }

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
        c.LogicalNumber = logical;
        c.ShowNum = show;
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

// Source rows under fresh keys; each returns its key.
// Satellite `id` named "Sat <id>".
inline std::uint32_t AddSatellite(CZorvDB& db, int id, WORD degree = 0) {
    auto s = NewRecord<Satellite_Info_Tag>();
    s->ID = static_cast<BYTE>(id);
    s->Degree = degree;
    std::snprintf(s->Name, sizeof s->Name, "Sat %d", id);
    return static_cast<std::uint32_t>(db.AddIndexed(kTableSatellite, std::move(s)));
}
inline std::uint32_t AddTransponder(CZorvDB& db, int sat, int tp, WORD frequency = 0) {
    auto t = NewRecord<Transponder_Info_Tag>();
    t->SatID = static_cast<BYTE>(sat);
    t->TPID = static_cast<BYTE>(tp);
    t->Frequency = frequency;
    return static_cast<std::uint32_t>(db.AddIndexed(kTableTransponder, std::move(t)));
}
inline std::uint32_t AddCableMux(CZorvDB& db, int tpid, DWORD frequency = 0) {
    auto m = NewRecord<CableMux_Info_Tag>();
    m->TPID = static_cast<BYTE>(tpid);
    m->Frequency = frequency;
    return static_cast<std::uint32_t>(db.AddIndexed(kTableCableMux, std::move(m)));
}
// Broadcaster `id` named "Provider <id>".
inline std::uint32_t AddBroadcast(CZorvDB& db, int id) {
    auto b = NewRecord<Broadcast_Info_Tag>();
    b->BroadcastID = static_cast<WORD>(id);
    std::snprintf(b->Name, sizeof b->Name, "Provider %d", id);
    return static_cast<std::uint32_t>(db.AddIndexed(kTableBroadcast, std::move(b)));
}
// Satellites 1 and 2, transponders (1,1), (1,2), (2,1) under keys 1-3 at
// 11000 + 10 * SatID + TPID, broadcasters 100 and 101.
inline void AddSmallSources(CZorvDB& db) {
    AddSatellite(db, 1);
    AddSatellite(db, 2);
    for (auto [sat, tp] : {std::pair{1, 1}, std::pair{1, 2}, std::pair{2, 1}})
        AddTransponder(db, sat, tp, static_cast<WORD>(11000 + 10 * sat + tp));
    AddBroadcast(db, 100);
    AddBroadcast(db, 101);
}

} // namespace velmar::test
