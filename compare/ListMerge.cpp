#include "compare/ListMerge.h"

#include "compare/Multiplexes.h"
#include "contracts/Policy.h"
#include "document/CurrentDocument.h"
#include "document/EditCatalogue.h"
#include "document/EditSession.h"
#include "document/WorkbookDocument.h"
#include "image/Capacity.h"
#include "image/FlashGeometry.h"
#include "model/BroadcastCommands.h"
#include "model/CableMuxCommands.h"
#include "model/ChannelIdentity.h"
#include "model/ChannelRecords.h"
#include "model/ChannelTable.h"
#include "model/Product.h"
#include "model/RecordTexts.h"
#include "model/SatelliteCommands.h"
#include "model/SatelliteRecords.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <map>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr std::uint32_t kMaxNumber = std::numeric_limits<WORD>::max();

std::string_view BroadcastName(const Broadcast_Info_Tag& b) {
    const void* end = std::memchr(b.Name, 0, sizeof b.Name);
    return {b.Name,
            end ? static_cast<std::size_t>(static_cast<const char*>(end) - b.Name) : sizeof b.Name};
}

template <class T, class Pred> const T* FindRow(const CZorvDB& db, std::uint8_t table, Pred pred) {
    for (const T& row : db.Rows<T>(table))
        if (pred(row))
            return &row;
    return nullptr;
}

class Merger {
public:
    Merger(CZorvDB& db, DWORD& maxTpid, const CZorvDB& other, const Comparison& comparison)
        : m_db(db), m_maxTpid(maxTpid), m_other(other), m_comparison(comparison),
          m_productType(GetProductType()), m_productList(GetProductList()),
          m_network(NetworkOf(m_productType)) {}

    MergeReport Run(std::span<const std::uint32_t> keys) {
        const bool showNum = ShowsShowNum(m_productList);
        // Where the new channels start: after the list's highest number of
        // their group (TV, everything else) and its last place in each
        // favourite list.
        std::array<std::uint32_t, 2> next{};
        std::array<std::uint32_t, kFavoritePositions> position{};
        for (const auto& c : std::as_const(m_db).Rows<Channel_Info_Tag>(kTableChannel)) {
            std::uint32_t& n = next[IsTV(c) ? 0 : 1];
            n = std::max<std::uint32_t>(n, showNum ? c.ShowNum : c.ProgramNum);
            for (int k = 0; k < kFavoritePositions; ++k)
                if (c.Favorite & (DWORD{1} << k))
                    position[k] = std::max<std::uint32_t>(position[k], c.F[k]);
        }
        std::array<std::uint32_t, 2> adding{};
        std::array<std::uint32_t, kFavoritePositions> joining{};
        std::vector<const Channel_Info_Tag*> channels;
        for (const std::uint32_t key : keys) {
            const auto* c = m_other.Get<Channel_Info_Tag>(kTableChannel, key);
            if (!c || ServiceKindOf(*c) == ServiceKind::None)
                continue;
            channels.push_back(c);
            ++adding[IsTV(*c) ? 0 : 1];
            for (int k = 0; k < kFavoritePositions; ++k)
                joining[k] += (c->Favorite & (DWORD{1} << k)) ? 1 : 0;
        }
        for (int g = 0; g < 2; ++g)
            if (next[g] + adding[g] > kMaxNumber)
                return Refused(phrase::Text(
                    g == 0
                        ? VELMAR_TRANSLATE_NOOP(
                              "Velmar",
                              "The numbers after this list's last TV channel leave no room for %1.")
                        : VELMAR_TRANSLATE_NOOP("Velmar", "The numbers after this list's last "
                                                          "radio channel leave no room for %1."),
                    {phrase::Count(adding[g], VELMAR_TRANSLATE_NOOP("Velmar", "%1 channel"),
                                   VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 channels"))}));
        for (int k = 0; k < kFavoritePositions; ++k)
            if (position[k] + joining[k] > kMaxNumber)
                return Refused(phrase::Text(
                    VELMAR_TRANSLATE_NOOP("Velmar",
                                          "Favourite list %1 has no room for the channels to add."),
                    {phrase::Number(k + 1)}));

        for (const Channel_Info_Tag* from : channels) {
            auto c = CopyRecord(*from);
            if (!Tune(*c) || !Provide(*c))
                return std::move(m_report);
            const WORD n = static_cast<WORD>(++next[IsTV(*c) ? 0 : 1]);
            c->ProgramNum = n;
            if (ShowNumFollowsProgramNum(m_productList) || showNum)
                c->ShowNum = n;
            if (LogicalNumberFollowsProgramNum(m_productList))
                c->LogicalNumber = n;
            for (int k = 0; k < kFavoritePositions; ++k)
                c->F[k] = (c->Favorite & (DWORD{1} << k)) ? static_cast<WORD>(++position[k]) : 0;
            if (m_db.AddIndexed(kTableChannel, std::move(c)) == 0)
                return Refused(phrase::Text(
                    VELMAR_TRANSLATE_NOOP("Velmar", "The channel table has no key left.")));
            ++m_report.channels;
        }
        if (m_report.channels == 0)
            return std::move(m_report);
        // TV before radio, each in number order, as after New and Paste.
        RegroupChannels(m_db);
        return CheckFit();
    }

private:
    MergeReport Refused(Phrase why) {
        Fail(std::move(why));
        return std::move(m_report);
    }

    bool Fail(Phrase why) {
        m_report.error = English(why);
        m_report.why = std::move(why);
        return false;
    }

    // Where `c` is tuned in this list, added when this list has no such
    // satellite, transponder or multiplex.
    bool Tune(Channel_Info_Tag& c) {
        switch (m_network) {
        case Network::Cable:
            return TuneCable(c);
        case Network::Terrestrial:
            return TuneTerrestrial(c);
        case Network::Satellite:
            break;
        }
        return TuneSatellite(c);
    }

    // A multiplex of the other list that the comparison paired: its TPID
    // here, 0 when unpaired.
    template <class Mux> BYTE PairedMultiplex(std::uint8_t table, std::uint32_t keyB) const {
        const auto pair = m_comparison.multiplexBtoA.find(keyB);
        if (pair == m_comparison.multiplexBtoA.end())
            return 0;
        const auto* m = m_db.Get<Mux>(table, pair->second);
        return m ? m->TPID : 0;
    }

    // A cable multiplex this list lacks gets the next free number, as New
    // gives it.
    bool TuneCable(Channel_Info_Tag& c) {
        const auto* muxB = FindRow<CableMux_Info_Tag>(
            m_other, kTableCableMux, [&](const CableMux_Info_Tag& m) { return m.TPID == c.TPID; });
        if (!muxB)
            return true; // ids only: kept as they are
        if (const BYTE here = PairedMultiplex<CableMux_Info_Tag>(kTableCableMux, muxB->Index)) {
            c.TPID = here;
            return true;
        }
        BYTE& added = m_multiplexes[muxB->Index];
        if (added == 0) {
            const std::uint32_t key = NewCableMux(m_db, *muxB, m_maxTpid);
            const auto* m = m_db.Get<CableMux_Info_Tag>(kTableCableMux, key);
            if (!m)
                return Fail(
                    phrase::Text(VELMAR_TRANSLATE_NOOP(
                                     "Velmar", "This list has no multiplex number left for %1."),
                                 {phrase::Data(CableFrequencyText(muxB->Frequency))}));
            added = m->TPID;
            ++m_report.multiplexes;
        }
        c.TPID = added;
        return true;
    }

    // A terrestrial multiplex's number is its frequency: one this list lacks
    // keeps its number, and cannot come when that number is taken here.
    bool KeepTerrestrialNumber(BYTE tpid, DWORD params, bool taken) {
        if (taken)
            return Fail(phrase::Text(
                VELMAR_TRANSLATE_NOOP("Velmar",
                                      "The multiplex at %1 MHz cannot be added: this list "
                                      "has another multiplex with its number."),
                {phrase::Data(MuxFrequencyText(static_cast<int>(TerrestrialKHz(tpid, params))))}));
        m_maxTpid = std::max<DWORD>(m_maxTpid, tpid);
        ++m_report.multiplexes;
        return true;
    }

    bool TuneTerrestrial(Channel_Info_Tag& c) {
        const auto* muxB =
            FindRow<SMux_Info_Tag>(m_other, kTableTerrestrialMux,
                                   [&](const SMux_Info_Tag& m) { return m.TPID == c.TPID; });
        if (!muxB)
            return true;
        if (const BYTE here = PairedMultiplex<SMux_Info_Tag>(kTableTerrestrialMux, muxB->Index)) {
            c.TPID = here;
            return true;
        }
        BYTE& added = m_multiplexes[muxB->Index];
        if (added == 0) {
            const bool taken =
                FindRow<SMux_Info_Tag>(m_db, kTableTerrestrialMux, [&](const SMux_Info_Tag& m) {
                    return m.TPID == muxB->TPID;
                }) != nullptr;
            if (!KeepTerrestrialNumber(muxB->TPID, muxB->Params, taken))
                return false;
            if (m_db.AddIndexed(kTableTerrestrialMux, CopyRecord(*muxB)) == 0)
                return Fail(phrase::Text(
                    VELMAR_TRANSLATE_NOOP("Velmar", "The multiplex table has no key left.")));
            added = muxB->TPID;
        }
        c.TPID = added;
        return true;
    }

    // The satellite and transponder of `c` in this list, added when this
    // list has no such one.
    bool TuneSatellite(Channel_Info_Tag& c) {
        const auto* satB = FindRow<Satellite_Info_Tag>(
            m_other, kTableSatellite, [&](const Satellite_Info_Tag& s) { return s.ID == c.SatID; });
        if (!satB)
            return true; // ids only: kept as they are
        BYTE satA = 0;
        if (const auto pair = m_comparison.satelliteBtoA.find(satB->Index);
            pair != m_comparison.satelliteBtoA.end()) {
            if (const auto* s = m_db.Get<Satellite_Info_Tag>(kTableSatellite, pair->second))
                satA = s->ID;
        }
        const bool terrestrial = IsTerrestrialPseudoSatellite(m_productType, satB->ID);
        if (satA == 0) {
            auto& added = m_satellites[satB->Index];
            if (added == 0) {
                // The terrestrial network keeps the id that makes it one (the
                // comparison pairs it with this list's, when there is one).
                const BYTE id = terrestrial ? kTerrestrialSatelliteId : NextSatelliteID(m_db);
                if (id == 0) {
                    return Fail(phrase::Text(
                        VELMAR_TRANSLATE_NOOP("Velmar",
                                              "This list has no satellite number left for %1."),
                        {phrase::Data(
                            std::string(satB->Name, strnlen(satB->Name, sizeof satB->Name)))}));
                }
                auto s = CopyRecord(*satB);
                s->ID = id;
                if (m_db.AddIndexed(kTableSatellite, std::move(s)) == 0) {
                    return Fail(phrase::Text(
                        VELMAR_TRANSLATE_NOOP("Velmar", "The satellite table has no key left.")));
                }
                added = id;
                ++m_report.satellites;
            }
            satA = added;
        }
        const BYTE tpB = c.TPID;
        c.SatID = satA;
        const auto* tpRecB = FindRow<Transponder_Info_Tag>(
            m_other, kTableTransponder,
            [&](const Transponder_Info_Tag& t) { return t.SatID == satB->ID && t.TPID == tpB; });
        if (!tpRecB)
            return true;
        if (const auto pair = m_comparison.transponderBtoA.find(tpRecB->Index);
            pair != m_comparison.transponderBtoA.end()) {
            const auto* t = m_db.Get<Transponder_Info_Tag>(kTableTransponder, pair->second);
            if (t && t->SatID == satA) {
                c.TPID = t->TPID;
                return true;
            }
        }
        auto& added = m_transponders[tpRecB->Index];
        if (added == 0 && terrestrial) {
            const bool taken = FindRow<Transponder_Info_Tag>(
                                   m_db, kTableTransponder, [&](const Transponder_Info_Tag& t) {
                                       return t.SatID == satA && t.TPID == tpB;
                                   }) != nullptr;
            if (!KeepTerrestrialNumber(tpB, TpParams(*tpRecB), taken))
                return false;
            auto copy = CopyRecord(*tpRecB);
            copy->SatID = satA;
            if (m_db.AddIndexed(kTableTransponder, std::move(copy)) == 0)
                return Fail(phrase::Text(
                    VELMAR_TRANSLATE_NOOP("Velmar", "The transponder table has no key left.")));
            added = tpB;
        }
        if (added == 0) {
            Transponder_Info_Tag copy = *tpRecB;
            copy.SatID = satA;
            const std::uint32_t key = NewTransponder(m_db, copy, m_maxTpid);
            const auto* t = m_db.Get<Transponder_Info_Tag>(kTableTransponder, key);
            if (!t) {
                return Fail(phrase::Text(
                    VELMAR_TRANSLATE_NOOP("Velmar",
                                          "The satellite at %1 has no transponder number left."),
                    {phrase::Number(satA)}));
            }
            added = t->TPID;
            ++m_report.transponders;
        }
        c.TPID = added;
        return true;
    }

    // The provider of `c` in this list by name, added when there is none.
    bool Provide(Channel_Info_Tag& c) {
        if (c.BroadcastID == 0)
            return true;
        const auto* fromB =
            FindRow<Broadcast_Info_Tag>(m_other, kTableBroadcast, [&](const Broadcast_Info_Tag& b) {
                return b.BroadcastID == c.BroadcastID;
            });
        if (!fromB)
            return true;
        const std::string_view name = BroadcastName(*fromB);
        if (const auto* here = FindRow<Broadcast_Info_Tag>(
                m_db, kTableBroadcast,
                [&](const Broadcast_Info_Tag& b) { return BroadcastName(b) == name; })) {
            c.BroadcastID = here->BroadcastID;
            return true;
        }
        WORD highest = 0;
        for (const auto& b : std::as_const(m_db).Rows<Broadcast_Info_Tag>(kTableBroadcast))
            highest = std::max(highest, b.BroadcastID);
        if (highest == std::numeric_limits<WORD>::max()) {
            return Fail(phrase::Text(
                VELMAR_TRANSLATE_NOOP("Velmar", "This list has no provider number left.")));
        }
        // One past the highest, so no provider of this list is named twice.
        const std::uint32_t key = NewBroadcast(m_db, highest, name);
        const auto* added = m_db.Get<Broadcast_Info_Tag>(kTableBroadcast, key);
        if (!added) {
            return Fail(phrase::Text(
                VELMAR_TRANSLATE_NOOP("Velmar", "The provider table has no key left.")));
        }
        c.BroadcastID = added->BroadcastID;
        ++m_report.providers;
        return true;
    }

    // The capacity message for every table the merge grew beyond what the
    // receiver holds (or for a flash layout the receiver cannot have, whose
    // problem has no count).
    MergeReport CheckFit() {
        std::vector<CapacityProblem> over;
        for (const CapacityProblem& p : CheckCapacity(m_db, FlashGeometry::FromPolicy()))
            if (p.table == kTableChannel || (p.table == kTableSatellite && m_report.satellites) ||
                (p.table == kTableTransponder && (m_report.transponders || m_report.multiplexes)) ||
                (p.table == kTableCableMux && m_report.multiplexes) ||
                (p.table == kTableBroadcast && m_report.providers) || p.count == 0)
                over.push_back(p);
        if (!over.empty())
            Fail(CapacityPhrase(over));
        return std::move(m_report);
    }

    CZorvDB& m_db;
    DWORD& m_maxTpid;
    const CZorvDB& m_other;
    const Comparison& m_comparison;
    const std::uint32_t m_productType;
    const int m_productList;
    const Network m_network;
    // Rows of the other list added here: their key there, their id here.
    std::unordered_map<std::uint32_t, BYTE> m_satellites, m_transponders, m_multiplexes;
    MergeReport m_report;
};

bool Wanted(const Channel_Info_Tag& c, MergeKinds kinds) {
    switch (ServiceKindOf(c)) {
    case ServiceKind::TV:
        return kinds != MergeKinds::Radio;
    case ServiceKind::Radio:
        return kinds != MergeKinds::TV;
    default:
        return false;
    }
}

} // namespace

bool ParseMergeKinds(std::string_view word, MergeKinds& kinds) {
    if (word == "tv")
        kinds = MergeKinds::TV;
    else if (word == "radio")
        kinds = MergeKinds::Radio;
    else if (word == "all")
        kinds = MergeKinds::All;
    else
        return false;
    return true;
}

std::vector<std::uint32_t> ChannelsToMerge(const CZorvDB& other, const Comparison& comparison,
                                           MergeKinds kinds) {
    std::vector<std::uint32_t> keys;
    for (const Difference& d : comparison.differences)
        if (d.kind == DifferenceKind::ChannelOnlyInB)
            if (const auto* c = other.Get<Channel_Info_Tag>(kTableChannel, d.keyB);
                c && Wanted(*c, kinds))
                keys.push_back(d.keyB);
    return keys;
}

MergeReport MergeChannels(CZorvDB& db, DWORD& maxTpid, const CZorvDB& other,
                          const Comparison& comparison, std::span<const std::uint32_t> keys) {
    return Merger(db, maxTpid, other, comparison).Run(keys);
}

MergeReport RunMergeChannels(EditSession& session, const CZorvDB& other, MergeKinds kinds) {
    MergeReport report;
    RunEdit(session, EditId::MergeChannels, [&] {
        const Comparison comparison = CompareLists(session.Db(), other);
        const std::vector<std::uint32_t> keys = ChannelsToMerge(other, comparison, kinds);
        report = MergeChannels(session.Db(), g_nMaxTPID, other, comparison, keys);
        return report.Applied();
    });
    return report;
}

MergeReport RunMergeChannels(EditSession& session, const CZorvDB& other,
                             std::span<const std::uint32_t> keys) {
    MergeReport report;
    RunEdit(session, EditId::MergeChannels, [&] {
        const Comparison comparison = CompareLists(session.Db(), other);
        const std::vector<std::uint32_t> onlyInB =
            ChannelsToMerge(other, comparison, MergeKinds::All);
        const std::unordered_set<std::uint32_t> chosen(keys.begin(), keys.end());
        std::vector<std::uint32_t> take;
        for (const std::uint32_t key : onlyInB)
            if (chosen.contains(key))
                take.push_back(key);
        report = MergeChannels(session.Db(), g_nMaxTPID, other, comparison, take);
        return report.Applied();
    });
    return report;
}

MergeReport MergeChannelsFromFile(EditSession& session, const std::string& path, MergeKinds kinds) {
    MergeReport report;
    CDocument other;
    if (ReadListDocument(path, CDocument::Current().Values(), other, nullptr, &report.why) != 1) {
        report.error = English(report.why);
        return report;
    }
    report.why = {};
    return RunMergeChannels(session, other.Store(), kinds);
}

Phrase MergePhrase(const MergeReport& report) {
    if (!report.Applied())
        return report.why.Empty() ? phrase::Data(report.error) : report.why;
    if (report.channels == 0)
        return phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar", "The other list has no channels that this list lacks."));
    const bool satellites = NetworkOf(GetProductType()) == Network::Satellite;
    std::vector<Phrase> added{phrase::Count(report.channels,
                                            VELMAR_TRANSLATE_NOOP("Velmar", "%1 channel"),
                                            VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 channels"))};
    if (satellites) {
        added.push_back(phrase::Count(report.satellites,
                                      VELMAR_TRANSLATE_NOOP("Velmar", "%1 satellite"),
                                      VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 satellites")));
        added.push_back(phrase::Count(report.transponders,
                                      VELMAR_TRANSLATE_NOOP("Velmar", "%1 transponder"),
                                      VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 transponders")));
    }
    if (report.multiplexes || !satellites)
        added.push_back(phrase::Count(report.multiplexes,
                                      VELMAR_TRANSLATE_NOOP("Velmar", "%1 multiplex"),
                                      VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 multiplexes")));
    added.push_back(phrase::Count(report.providers, VELMAR_TRANSLATE_NOOP("Velmar", "%1 provider"),
                                  VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 providers")));
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Added %1."),
                        {phrase::List(std::move(added))});
}

std::string MergeSummary(const MergeReport& report) {
    return English(MergePhrase(report));
}
