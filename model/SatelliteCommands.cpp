#include "model/SatelliteCommands.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/StoreLoops.h"

#include <algorithm>

namespace {} // namespace

SatelliteDialogKind SatelliteDialogFor(std::uint32_t productType) {
    return HasLongSatelliteEntries(productType) ? SatelliteDialogKind::Sat2
                                                : SatelliteDialogKind::Sat;
}

BYTE NextSatelliteID(const CZorvDB& db) {
    int highest = 0;
    ForEachRow<Satellite_Info_Tag>(db, kTableSatellite, [&](const Satellite_Info_Tag& s) {
        highest = std::max<int>(highest, s.ID);
    });
    return highest >= 255 ? 0 : static_cast<BYTE>(highest + 1);
}

std::uint32_t NewSatellite(CZorvDB& db, const Satellite_Info_Tag& fromDialog) {
    const BYTE id = NextSatelliteID(db);
    if (id == 0)
        return 0;
    auto s = CopyRecord(fromDialog);
    s->ID = id;
    s->Flag = 1;
    const int key = db.AddIndexed(kTableSatellite, std::move(s));
    return static_cast<std::uint32_t>(key);
}

bool UpdateSatellite(CZorvDB& db, std::uint32_t key, const Satellite_Info_Tag& fromDialog) {
    auto* s = db.Get<Satellite_Info_Tag>(kTableSatellite, key);
    if (!s)
        return false;
    *s = fromDialog;
    s->Index = key;
    return true;
}

int DeleteSatellites(CZorvDB& db, std::span<const std::uint32_t> keys) {
    int deleted = 0;
    for (std::uint32_t key : keys) {
        const auto* s = db.Get<Satellite_Info_Tag>(kTableSatellite, key);
        if (!s)
            continue;
        const int d = s->ID;
        ++deleted;
        if (d == 0) {
            // Nothing refers to ID 0 (it marks an empty slot); moving every
            // higher ID down would put satellite 1's channels on no satellite.
            db.Delete(kTableSatellite, key);
            continue;
        }
        DeleteAndClose<Channel_Info_Tag>(
            db, kTableChannel, [&](const Channel_Info_Tag& c) { return c.SatID == d; },
            [&](Channel_Info_Tag& c) {
                if (c.SatID > d)
                    --c.SatID;
            });
        DeleteAndClose<Transponder_Info_Tag>(
            db, kTableTransponder, [&](const Transponder_Info_Tag& t) { return t.SatID == d; },
            [&](Transponder_Info_Tag& t) {
                if (t.SatID > d)
                    --t.SatID;
            });
        DeleteAndClose<Satellite_Info_Tag>(
            db, kTableSatellite, [&](const Satellite_Info_Tag& other) { return other.ID == d; },
            [&](Satellite_Info_Tag& other) {
                if (other.ID > d)
                    --other.ID;
            });
    }
    return deleted;
}

std::vector<const Satellite_Info_Tag*> DialogSatelliteList(const CZorvDB& db,
                                                           std::uint32_t productType) {
    std::vector<const Satellite_Info_Tag*> list;
    ForEachRow<Satellite_Info_Tag>(db, kTableSatellite, [&](const Satellite_Info_Tag& s) {
        if (!IsTerrestrialPseudoSatellite(productType, s.ID))
            list.push_back(&s);
    });
    return list;
}

Transponder_Info_Tag PresetTransponder(BYTE satelliteFilter) {
    Transponder_Info_Tag t{};
    t.SatID = satelliteFilter;
    return t;
}

BYTE NextTransponderID(const CZorvDB& db, BYTE satID) {
    int highest = 0;
    ForEachRow<Transponder_Info_Tag>(db, kTableTransponder, [&](const Transponder_Info_Tag& t) {
        if (t.SatID == satID)
            highest = std::max<int>(highest, t.TPID);
    });
    return highest >= 255 ? 0 : static_cast<BYTE>(highest + 1);
}

std::uint32_t NewTransponder(CZorvDB& db, const Transponder_Info_Tag& fromDialog, DWORD& maxTpid) {
    // SatID 0 marks an empty slot: such a transponder would vanish on save.
    if (fromDialog.SatID == 0)
        return 0;
    const BYTE tpid = NextTransponderID(db, fromDialog.SatID);
    if (tpid == 0)
        return 0;
    auto t = CopyRecord(fromDialog);
    t->TPID = tpid;
    const int key = db.AddIndexed(kTableTransponder, std::move(t));
    if (key != 0)
        ++maxTpid;
    return static_cast<std::uint32_t>(key);
}

bool UpdateTransponder(CZorvDB& db, std::uint32_t key, const Transponder_Info_Tag& fromDialog) {
    auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, key);
    if (!t)
        return false;
    *t = fromDialog;
    t->Index = key;
    return true;
}

int DeleteTransponders(CZorvDB& db, std::span<const std::uint32_t> keys) {
    int deleted = 0;
    for (std::uint32_t key : keys) {
        const auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, key);
        if (!t)
            continue;
        const int s = t->SatID, d = t->TPID;
        ++deleted;
        // With TPID 0 there is nothing to close up: moving the satellite's
        // other transponders down would put their channels on wrong ones.
        const int above = d == 0 ? 256 : d;
        DeleteAndClose<Channel_Info_Tag>(
            db, kTableChannel,
            [&](const Channel_Info_Tag& c) { return c.SatID == s && c.TPID == d; },
            [&](Channel_Info_Tag& c) {
                if (c.SatID == s && c.TPID > above)
                    --c.TPID;
            });
        DeleteAndClose<Transponder_Info_Tag>(
            db, kTableTransponder,
            [&](const Transponder_Info_Tag& other) { return other.SatID == s && other.TPID == d; },
            [&](Transponder_Info_Tag& other) {
                if (other.SatID == s && other.TPID > above)
                    --other.TPID;
            });
    }
    return deleted;
}

TransponderDescription DescribeTransponder(const CZorvDB& db, std::uint32_t key) {
    TransponderDescription d;
    d.transponder = db.Get<Transponder_Info_Tag>(kTableTransponder, key);
    if (!d.transponder)
        return d;
    ForEachRow<Satellite_Info_Tag>(db, kTableSatellite, [&](const Satellite_Info_Tag& s) {
        if (!d.satellite && s.ID == d.transponder->SatID)
            d.satellite = &s;
    });
    return d;
}
