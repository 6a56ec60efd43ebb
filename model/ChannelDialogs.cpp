#include "model/ChannelDialogs.h"

#include "contracts/ZorvDB.h"
#include "model/Product.h"
#include "model/SatelliteCommands.h"

ChannelDialogKind ChannelDialogFor(const ChannelListState& list) {
    const std::uint32_t type = list.product.type;
    if (IsTerrestrialOnly(type) || IsCableOnly(type))
        return ChannelDialogKind::Mux;
    if (IsSatelliteAndTerrestrial(type) && list.filter.satellite == kTerrestrialSatelliteId)
        return ChannelDialogKind::Mux;
    return ChannelDialogKind::Satellite;
}

Channel_Info_Tag PrepareNewChannel(const CZorvDB& db, const ChannelListState& list) {
    Channel_Info_Tag r{};
    const std::uint32_t type = list.product.type;
    const std::uint32_t key = list.filter.transponder;
    const auto* transponder = db.Get<Transponder_Info_Tag>(kTableTransponder, key);
    if (ChannelDialogFor(list) == ChannelDialogKind::Satellite) {
        r.SatID = static_cast<BYTE>(list.filter.satellite);
        if (transponder)
            r.TPID = transponder->TPID;
        return r;
    }
    if (IsTerrestrialOnly(type)) {
        if (const auto* m = db.Get<SMux_Info_Tag>(kTableTerrestrialMux, key))
            r.TPID = m->TPID;
    } else if (IsCableOnly(type)) {
        if (const auto* m = db.Get<CableMux_Info_Tag>(kTableCableMux, key))
            r.TPID = m->TPID;
    } else if (transponder) {
        r.TPID = transponder->TPID;
    }
    // The multiplex dialog chooses no satellite, and SatID 0 marks an empty
    // slot that the next load drops: such channels sit on the terrestrial
    // network's satellite, as the network entry's reader puts them.
    r.SatID = kTerrestrialSatelliteId;
    return r;
}

namespace {

ChannelDialogSetup Setup(const CZorvDB& db, const ChannelListState& list) {
    ChannelDialogSetup s;
    const std::uint32_t type = list.product.type;
    s.dialog = ChannelDialogFor(list);
    if (s.dialog == ChannelDialogKind::Satellite) {
        s.satellites = DialogSatelliteList(db, type);
        for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
            if (!IsTerrestrialPseudoSatellite(type, t.SatID))
                s.transponders.push_back(&t);
        for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
            s.channels.push_back(&c);
    } else if (IsTerrestrialOnly(type)) {
        s.muxList = MuxListKind::Terrestrial;
        for (const auto& m : db.Rows<SMux_Info_Tag>(kTableTerrestrialMux))
            s.terrestrialMuxes.push_back(&m);
    } else if (IsCableOnly(type)) {
        s.muxList = MuxListKind::CableIds;
        for (const auto& m : db.Rows<CableMux_Info_Tag>(kTableCableMux))
            s.cableMuxIds.push_back(m.TPID);
    } else {
        s.muxList = MuxListKind::Transponders;
        for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
            if (t.SatID == kTerrestrialSatelliteId)
                s.terrestrialTransponders.push_back(&t);
    }
    for (const auto& b : db.Rows<Broadcast_Info_Tag>(kTableBroadcast))
        s.broadcasts.push_back(&b);
    return s;
}

} // namespace

ChannelDialogSetup NewChannelDialog(const CZorvDB& db, const ChannelListState& list) {
    ChannelDialogSetup s = Setup(db, list);
    s.channelMode = list.IsTV();
    s.record = PrepareNewChannel(db, list);
    return s;
}

std::optional<ChannelDialogSetup>
UpdateChannelDialog(const CZorvDB& db, const ChannelListState& list, std::uint32_t focusKey) {
    const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, focusKey);
    if (!c)
        return std::nullopt;
    ChannelDialogSetup s = Setup(db, list);
    s.record = *c;
    return s;
}

ChannelDescription DescribeChannel(const CZorvDB& db, std::uint32_t key) {
    ChannelDescription d;
    d.channel = db.Get<Channel_Info_Tag>(kTableChannel, key);
    if (!d.channel)
        return d;
    const Channel_Info_Tag& c = *d.channel;
    for (const auto& s : db.Rows<Satellite_Info_Tag>(kTableSatellite))
        if (!d.satellite && s.ID == c.SatID)
            d.satellite = &s;
    for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
        if (!d.transponder && t.SatID == c.SatID && t.TPID == c.TPID)
            d.transponder = &t;
    for (const auto& b : db.Rows<Broadcast_Info_Tag>(kTableBroadcast))
        if (!d.broadcast && b.BroadcastID == c.BroadcastID)
            d.broadcast = &b;
    return d;
}
