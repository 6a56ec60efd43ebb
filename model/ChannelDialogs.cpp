#include "model/ChannelDialogs.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelEdits.h"
#include "model/Product.h"
#include "model/SatelliteCommands.h"

#include <cstring>

ChannelDialogKind ChannelDialogFor(const ChannelListState& list) {
    const std::uint32_t type = list.product.type;
    if (IsTerrestrialOnly(type) || IsCableOnly(type))
        return ChannelDialogKind::Mux;
    if (IsSatelliteAndTerrestrial(type) && list.filter.satellite == kTerrestrialSatelliteId)
        return ChannelDialogKind::Mux;
    return ChannelDialogKind::Satellite;
}

namespace {

// New in a genre or favourite list gives the channel that genre or that
// membership whatever the dialog says; the record shows it from the start.
void PresetShownList(const CZorvDB& db, const ChannelListState& list, Channel_Info_Tag& r) {
    const ChannelFilter& f = list.filter;
    if (f.kind == ChannelFilterKind::Genre)
        r.Attributes = static_cast<WORD>(f.genre & kAttrGenreMask);
    if (f.kind == ChannelFilterKind::Favorite && f.favorite != 0)
        JoinFavorite(db, r, f.favorite, list.kind, FavoriteJoin::New, list.product.type);
}

} // namespace

Channel_Info_Tag PrepareNewChannel(const CZorvDB& db, const ChannelListState& list) {
    Channel_Info_Tag r{};
    PresetShownList(db, list, r);
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

// The lists a channel of `kind` may join in the dialog; ticking a box joins
// the list as New joins the shown one.
void AddFavoriteChoices(const CZorvDB& db, const ChannelListState& list, ChannelKind kind,
                        ChannelDialogSetup& s) {
    for (const auto& f : db.Rows<FavoriteList>(kTableFavorite)) {
        const int number = static_cast<int>(f.Index);
        if (number < 1 || number > 32)
            continue;
        FavoriteChoice choice;
        choice.number = number;
        choice.name.assign(f.Name, strnlen(f.Name, sizeof f.Name));
        if (JoiningGetsPosition(FavoriteJoin::New, number, list.product.type))
            choice.joinPosition = FavoritePositionOnJoin(db, number, kind);
        s.favorites.push_back(std::move(choice));
    }
}

} // namespace

ChannelDialogSetup NewChannelDialog(const CZorvDB& db, const ChannelListState& list) {
    ChannelDialogSetup s = Setup(db, list);
    s.channelMode = list.IsTV();
    s.record = PrepareNewChannel(db, list);
    AddFavoriteChoices(db, list, list.kind, s);
    return s;
}

std::optional<ChannelDialogSetup>
UpdateChannelDialog(const CZorvDB& db, const ChannelListState& list, std::uint32_t focusKey) {
    const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, focusKey);
    if (!c)
        return std::nullopt;
    ChannelDialogSetup s = Setup(db, list);
    s.record = *c;
    AddFavoriteChoices(db, list, IsTV(*c) ? ChannelKind::TV : ChannelKind::Radio, s);
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
