#include "model/ChannelFilterText.h"

#include "platform/Translate.h"

#include "contracts/ZorvDB.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"
#include "platform/DisplayTexts.h"

#include <cstring>

namespace {

template <std::size_t N> std::string Field(const char (&name)[N]) {
    return {name, strnlen(name, N)};
}

std::string SatelliteName(const CZorvDB& db, int id) {
    for (const Satellite_Info_Tag& s : db.Rows<Satellite_Info_Tag>(kTableSatellite))
        if (s.ID == id)
            return Field(s.Name);
    return {};
}

// A transponder by its frequency; a multiplex by its TPID (a terrestrial
// multiplex held as a transponder carries its parameters where a
// transponder has the frequency).
std::string MuxName(const CZorvDB& db, std::uint32_t key, std::uint32_t productType) {
    if (IsSatellite(productType)) {
        const auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, key);
        if (!t)
            return {};
        if (IsTerrestrialPseudoSatellite(productType, t->SatID))
            return "MUX " + std::to_string(t->TPID);
        return std::to_string(t->Frequency) + " MHz";
    }
    if (IsCableOnly(productType)) {
        const auto* m = db.Get<CableMux_Info_Tag>(kTableCableMux, key);
        return m ? "MUX " + std::to_string(m->TPID) : std::string();
    }
    return key ? "MUX " + std::to_string(key) : std::string(); // terrestrial: the TPID itself
}

} // namespace

ChannelFilterText DescribeChannelFilter(const CZorvDB& db, const ChannelFilter& filter,
                                        std::uint32_t productType) {
    switch (filter.kind) {
    case ChannelFilterKind::Satellite:
        if (IsSatelliteAndTerrestrial(productType) && filter.satellite == kTerrestrialSatelliteId)
            return {VELMAR_TRANSLATE_NOOP("Velmar", "Terrestrial"), {}};
        if (filter.satellite == 0)
            return {VELMAR_TRANSLATE_NOOP("Velmar", "All"),
                    {}}; // a satellite no record has: every channel passes
        return {VELMAR_TRANSLATE_NOOP("Velmar", "Satellite"), SatelliteName(db, filter.satellite)};
    case ChannelFilterKind::Transponder:
        return {IsSatellite(productType) ? VELMAR_TRANSLATE_NOOP("Velmar", "Transponder")
                                         : VELMAR_TRANSLATE_NOOP("Velmar", "Multiplex"),
                MuxName(db, filter.transponder, productType)};
    case ChannelFilterKind::Mux:
        if (filter.transponder == 0)
            return {VELMAR_TRANSLATE_NOOP("Velmar", "Terrestrial"),
                    {}}; // the tab: every terrestrial channel
        return {VELMAR_TRANSLATE_NOOP("Velmar", "Multiplex"),
                MuxName(db, filter.transponder, productType)};
    case ChannelFilterKind::Broadcast: {
        const auto* b = db.Get<Broadcast_Info_Tag>(kTableBroadcast, filter.broadcast);
        return {VELMAR_TRANSLATE_NOOP("Velmar", "Provider"), b ? Field(b->Name) : std::string()};
    }
    case ChannelFilterKind::Favorite: {
        const auto* f =
            filter.favorite > 0
                ? db.Get<FavoriteList>(kTableFavorite, static_cast<std::uint32_t>(filter.favorite))
                : nullptr;
        return {VELMAR_TRANSLATE_NOOP("Velmar", "Favorite"), f ? Field(f->Name) : std::string()};
    }
    case ChannelFilterKind::Genre: {
        char name[kDisplayTextMax] = {};
        GetGenreName(filter.genre, name);
        return {VELMAR_TRANSLATE_NOOP("Velmar", "Genre"), name};
    }
    case ChannelFilterKind::All:
        break;
    }
    return {VELMAR_TRANSLATE_NOOP("Velmar", "All"), {}};
}
