#include "compare/ListCompare.h"

#include "compare/Multiplexes.h"
#include "contracts/Policy.h"
#include "document/Document.h"
#include "model/ChannelIdentity.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/ReferenceOrder.h"
#include "model/SatelliteRecords.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <tuple>
#include <utility>

namespace {

std::string FieldText(const char* field, std::size_t size) {
    const void* end = std::memchr(field, 0, size);
    return {field, end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : size};
}

// A name as the lists show it: quoted, in UTF-8.
Phrase Quoted(std::string_view ansi) {
    return phrase::Data("\"" + AnsiToUtf8(std::string(ansi)) + "\"");
}

// Tenths of a degree eastwards as a position: "19.2E", "5.0W".
std::string PositionText(WORD degree) {
    const bool west = degree > 1800;
    const int tenths = west ? 3600 - degree : degree;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + (west ? "W" : "E");
}

const char* Polarisation(const Transponder_Info_Tag& t) {
    return (t.PolFEC & 1) ? "H" : "V";
}

// The key of a transponder's ids: SatID << 8 | TPID.
constexpr std::size_t kTransponderKeys = std::size_t{1} << 16;

unsigned TransponderKey(BYTE satID, BYTE tpID) {
    return unsigned{satID} << 8 | tpID;
}

template <class T> void KeepFirst(const T*& slot, const T& row) {
    if (!slot)
        slot = &row;
}

// The first record of each id, as the lists' descriptions find them: tables
// over every value the ids can take, so a channel finds its satellite,
// transponder or multiplex by indexing, not by a search.
struct Sources {
    std::array<const Satellite_Info_Tag*, 256> satellite{};
    std::vector<const Transponder_Info_Tag*> transponder; // by TransponderKey
    std::array<const CableMux_Info_Tag*, 256> cable{};    // by TPID
    std::array<const SMux_Info_Tag*, 256> terrestrial{};  // by TPID

    explicit Sources(const CZorvDB& db) : transponder(kTransponderKeys, nullptr) {
        for (const auto& s : db.Rows<Satellite_Info_Tag>(kTableSatellite))
            KeepFirst(satellite[s.ID], s);
        for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
            KeepFirst(transponder[TransponderKey(t.SatID, t.TPID)], t);
        for (const auto& m : db.Rows<CableMux_Info_Tag>(kTableCableMux))
            KeepFirst(cable[m.TPID], m);
        for (const auto& m : db.Rows<SMux_Info_Tag>(kTableTerrestrialMux))
            KeepFirst(terrestrial[m.TPID], m);
    }
    const Satellite_Info_Tag* SatelliteOf(const Channel_Info_Tag& c) const {
        return satellite[c.SatID];
    }
    const Transponder_Info_Tag* TransponderOf(const Channel_Info_Tag& c) const {
        return transponder[TransponderKey(c.SatID, c.TPID)];
    }
    // The key of the multiplex a channel of a cable or terrestrial receiver
    // names, 0 for none.
    std::uint32_t MultiplexKeyOf(Network network, BYTE tpid) const {
        if (network == Network::Cable)
            return cable[tpid] ? cable[tpid]->Index : 0;
        return terrestrial[tpid] ? terrestrial[tpid]->Index : 0;
    }
};

constexpr std::int64_t kToleranceKHz = std::int64_t{kTransponderToleranceMHz} * 1000;

// The key of a row of A that a row of B was paired with, none when unpaired.
constexpr std::uint64_t kUnpaired = ~std::uint64_t{0};

Phrase SatelliteText(const Satellite_Info_Tag& s) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "satellite %1"),
                        {phrase::Data(PositionText(s.Degree))});
}

std::string SatelliteName(const Satellite_Info_Tag& s) {
    return FieldText(s.Name, sizeof s.Name);
}

// "11494 H": how a transponder is tuned.
std::string Tuned(const Transponder_Info_Tag& t) {
    return std::to_string(t.Frequency) + " " + Polarisation(t);
}

Phrase TransponderText(WORD degree, const Transponder_Info_Tag& t) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "transponder %1"),
                        {phrase::Data(PositionText(degree) + " " + Tuned(t))});
}

Phrase TransponderValues(const Transponder_Info_Tag& t) {
    return phrase::Data(Tuned(t) + " " + std::to_string(t.SymbolRate) + " FEC " +
                        std::to_string(t.PolFEC >> 4));
}

// `TV 12 "Das Erste HD"`: the kind, the number and the name.
const char* KindPattern(const Channel_Info_Tag& c) {
    switch (ServiceKindOf(c)) {
    case ServiceKind::TV:
        return VELMAR_TRANSLATE_NOOP("Velmar", "TV %1 %2");
    case ServiceKind::Radio:
        return VELMAR_TRANSLATE_NOOP("Velmar", "radio %1 %2");
    default:
        return VELMAR_TRANSLATE_NOOP("Velmar", "other %1 %2");
    }
}

int KindRank(const Channel_Info_Tag& c) {
    switch (ServiceKindOf(c)) {
    case ServiceKind::TV:
        return 0;
    case ServiceKind::Radio:
        return 1;
    default:
        return 2;
    }
}

WORD Number(const Channel_Info_Tag& c, bool showNum) {
    return showNum ? c.ShowNum : c.ProgramNum;
}

Phrase ChannelText(const Channel_Info_Tag& c, bool showNum) {
    return phrase::Text(KindPattern(c), {phrase::Number(Number(c, showNum)), Quoted(NameOf(c))});
}

// Where a channel is tuned: its satellite and transponder, or its multiplex.
Phrase SourceText(const Channel_Info_Tag& c, const Sources& sources, Network network,
                  std::uint32_t productType) {
    const Phrase missing =
        phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "multiplex %1"), {phrase::Number(c.TPID)});
    switch (network) {
    case Network::Cable:
        return sources.cable[c.TPID] ? CableTuningText(*sources.cable[c.TPID]) : missing;
    case Network::Terrestrial:
        return sources.terrestrial[c.TPID]
                   ? TerrestrialTuningText(c.TPID, sources.terrestrial[c.TPID]->Params)
                   : missing;
    case Network::Satellite:
        break;
    }
    const Transponder_Info_Tag* t = sources.TransponderOf(c);
    if (t && IsTerrestrialPseudoSatellite(productType, c.SatID))
        return TerrestrialTuningText(t->TPID, TpParams(*t));
    const Satellite_Info_Tag* s = sources.SatelliteOf(c);
    Phrase satellite = s ? phrase::Data(PositionText(s->Degree))
                         : phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "satellite %1"),
                                        {phrase::Number(c.SatID)});
    Phrase transponder = t ? phrase::Data(Tuned(*t))
                           : phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "transponder %1"),
                                          {phrase::Number(c.TPID)});
    return phrase::Join({std::move(satellite), std::move(transponder)}, " ");
}

Phrase TuningText(const Channel_Info_Tag& c, const Sources& sources, Network network,
                  std::uint32_t productType) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1, PIDs %2/%3/%4"),
                        {SourceText(c, sources, network, productType), phrase::Number(c.VideoPID),
                         phrase::Number(c.AudioPID), phrase::Number(c.PCRPID)});
}

constexpr WORD kFlagBits[] = {kAttrLocked, kAttrSkipped, kAttrScrambled};

Phrase FlagsText(const Channel_Info_Tag& c) {
    constexpr const char* kNames[] = {VELMAR_TRANSLATE_NOOP("Velmar", "locked"),
                                      VELMAR_TRANSLATE_NOOP("Velmar", "skipped"),
                                      VELMAR_TRANSLATE_NOOP("Velmar", "scrambled")};
    std::vector<Phrase> set;
    for (std::size_t i = 0; i < std::size(kFlagBits); ++i)
        if (c.Attributes & kFlagBits[i])
            set.push_back(phrase::Text(kNames[i]));
    return set.empty() ? phrase::Data("-") : phrase::Series(std::move(set));
}

WORD Flags(const Channel_Info_Tag& c) {
    return static_cast<WORD>(c.Attributes & (kAttrLocked | kAttrSkipped | kAttrScrambled));
}

Phrase FavoritesText(DWORD favorite) {
    std::string text;
    for (int k = 0; k < kFavoritePositions; ++k)
        if (favorite & (DWORD{1} << k))
            text += (text.empty() ? "" : ", ") + std::to_string(k + 1);
    return phrase::Data(text.empty() ? "-" : text);
}

class Comparer {
public:
    Comparer(const CZorvDB& a, const CZorvDB& b)
        : m_a(a), m_b(b), m_sourcesA(a), m_sourcesB(b), m_productType(GetProductType()),
          m_productList(GetProductList()), m_network(NetworkOf(m_productType)),
          m_showNum(ShowsShowNum(m_productList)) {}

    Comparison Run() {
        if (m_network == Network::Satellite) {
            m_result.comparedSources =
                m_a.Size(kTableSatellite) > 0 && m_b.Size(kTableSatellite) > 0;
            if (m_result.comparedSources) {
                CompareSources();
                IndexPairs();
            }
        } else {
            const std::uint8_t table = MultiplexTable(m_network);
            m_result.comparedSources = m_a.Size(table) > 0 && m_b.Size(table) > 0;
            if (m_result.comparedSources)
                CompareMultiplexes();
        }
        CompareChannels();
        for (auto& group : m_groups) {
            m_result.counts[static_cast<std::size_t>(&group - m_groups.data())] = group.size();
            for (Difference& d : group)
                m_result.differences.push_back(std::move(d));
        }
        return std::move(m_result);
    }

private:
    void Add(DifferenceKind kind, std::uint32_t keyA, std::uint32_t keyB, Phrase subject, Phrase a,
             Phrase b) {
        m_groups[static_cast<std::size_t>(kind)].push_back(
            {kind, keyA, keyB, std::move(subject), std::move(a), std::move(b)});
    }

    bool Pseudo(const Satellite_Info_Tag& s) const {
        return IsTerrestrialPseudoSatellite(m_productType, s.ID);
    }

    void CompareSources() {
        m_transpondersA = TranspondersBySatellite(m_a);
        m_transpondersB = TranspondersBySatellite(m_b);
        // The terrestrial networks of both lists are one network wherever
        // their pseudo-satellites are placed: they pair with each other.
        const auto* pseudoA = m_sourcesA.satellite[kTerrestrialSatelliteId];
        const auto* pseudoB = m_sourcesB.satellite[kTerrestrialSatelliteId];
        const bool pairPseudo = pseudoA && pseudoB && Pseudo(*pseudoA);
        std::vector<const Satellite_Info_Tag*> satsA, satsB;
        for (const auto& s : m_a.Rows<Satellite_Info_Tag>(kTableSatellite))
            if (!pairPseudo || &s != pseudoA)
                satsA.push_back(&s);
        for (const auto& s : m_b.Rows<Satellite_Info_Tag>(kTableSatellite))
            if (!pairPseudo || &s != pseudoB)
                satsB.push_back(&s);
        const auto byDegree = [](const Satellite_Info_Tag* x, const Satellite_Info_Tag* y) {
            return x->Degree < y->Degree;
        };
        std::stable_sort(satsA.begin(), satsA.end(), byDegree);
        std::stable_sort(satsB.begin(), satsB.end(), byDegree);
        // Both in position order: pair equal positions off in table order.
        std::size_t j = 0;
        std::vector<std::pair<const Satellite_Info_Tag*, const Satellite_Info_Tag*>> pairs;
        if (pairPseudo)
            pairs.emplace_back(pseudoA, pseudoB);
        for (std::size_t i = 0; i < satsA.size() || j < satsB.size();) {
            if (j == satsB.size() || (i < satsA.size() && satsA[i]->Degree < satsB[j]->Degree)) {
                Add(DifferenceKind::SatelliteOnlyInA, satsA[i]->Index, 0, SatelliteText(*satsA[i]),
                    Quoted(SatelliteName(*satsA[i])), {});
                ++i;
            } else if (i == satsA.size() || satsB[j]->Degree < satsA[i]->Degree) {
                Add(DifferenceKind::SatelliteOnlyInB, 0, satsB[j]->Index, SatelliteText(*satsB[j]),
                    {}, Quoted(SatelliteName(*satsB[j])));
                ++j;
            } else {
                pairs.emplace_back(satsA[i++], satsB[j++]);
            }
        }
        for (const auto& [sa, sb] : pairs) {
            m_result.satelliteBtoA[sb->Index] = sa->Index;
            if (SatelliteName(*sa) != SatelliteName(*sb))
                Add(DifferenceKind::SatelliteChanged, sa->Index, sb->Index, SatelliteText(*sa),
                    Quoted(SatelliteName(*sa)), Quoted(SatelliteName(*sb)));
            CompareTransponders(*sa, *sb);
        }
    }

    using TransponderRows = std::vector<const Transponder_Info_Tag*>;

    // The transponders of each satellite id in table order, in one pass.
    static std::vector<TransponderRows> TranspondersBySatellite(const CZorvDB& db) {
        std::vector<TransponderRows> out(256);
        for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
            out[t.SatID].push_back(&t);
        return out;
    }

    static std::vector<TunedRow> Tuned(const TransponderRows& rows, bool terrestrialForm) {
        std::vector<TunedRow> out;
        out.reserve(rows.size());
        for (const Transponder_Info_Tag* t : rows)
            out.push_back(TunedOf(*t, terrestrialForm));
        return out;
    }

    // A transponder as a report shows it; the terrestrial network's are
    // multiplexes to the user.
    struct TransponderView {
        DifferenceKind onlyInA, onlyInB, changed;
        Phrase subject, values;
    };
    TransponderView View(const Satellite_Info_Tag& s, const Transponder_Info_Tag& t) const {
        if (Pseudo(s))
            return {DifferenceKind::MultiplexOnlyInA, DifferenceKind::MultiplexOnlyInB,
                    DifferenceKind::MultiplexChanged, TerrestrialSubject(t.TPID, TpParams(t)),
                    TerrestrialValues(t.TPID, TpParams(t))};
        return {DifferenceKind::TransponderOnlyInA, DifferenceKind::TransponderOnlyInB,
                DifferenceKind::TransponderChanged, TransponderText(s.Degree, t),
                TransponderValues(t)};
    }

    bool TransponderChanged(const Satellite_Info_Tag& s, const Transponder_Info_Tag& ta,
                            const Transponder_Info_Tag& tb) const {
        if (Pseudo(s))
            return TerrestrialChanged(ta.TPID, TpParams(ta), tb.TPID, TpParams(tb));
        return ta.Frequency != tb.Frequency || ta.SymbolRate != tb.SymbolRate ||
               (ta.PolFEC >> 4) != (tb.PolFEC >> 4);
    }

    void CompareTransponders(const Satellite_Info_Tag& sa, const Satellite_Info_Tag& sb) {
        const TransponderRows& tpsA = m_transpondersA[sa.ID];
        const TransponderRows& tpsB = m_transpondersB[sb.ID];
        const FrequencyPairs pairs =
            PairByFrequency(Tuned(tpsA, Pseudo(sa)), Tuned(tpsB, Pseudo(sb)), kToleranceKHz);
        for (const auto& [i, k] : pairs.inOrderA) {
            const Transponder_Info_Tag& ta = *tpsA[i];
            TransponderView view = View(sa, ta);
            if (k == kNoPartner) {
                Add(view.onlyInA, ta.Index, 0, std::move(view.subject), std::move(view.values), {});
                continue;
            }
            const Transponder_Info_Tag& tb = *tpsB[k];
            m_result.transponderBtoA[tb.Index] = ta.Index;
            if (TransponderChanged(sa, ta, tb))
                Add(view.changed, ta.Index, tb.Index, std::move(view.subject),
                    std::move(view.values), View(sb, tb).values);
        }
        for (const std::size_t k : pairs.onlyB) {
            TransponderView view = View(sb, *tpsB[k]);
            Add(view.onlyInB, 0, tpsB[k]->Index, std::move(view.subject), {},
                std::move(view.values));
        }
    }

    // The multiplexes of a cable or terrestrial receiver's own table.
    template <class Mux> std::vector<const Mux*> MuxRows(const CZorvDB& db) const {
        std::vector<const Mux*> rows;
        for (const auto& m : db.Rows<Mux>(MultiplexTable(m_network)))
            rows.push_back(&m);
        return rows;
    }

    Phrase Subject(const CableMux_Info_Tag& m) const { return MultiplexSubject(m); }
    Phrase Subject(const SMux_Info_Tag& m) const { return TerrestrialSubject(m.TPID, m.Params); }
    Phrase Values(const CableMux_Info_Tag& m) const { return MultiplexValues(m, m_productList); }
    Phrase Values(const SMux_Info_Tag& m) const { return TerrestrialValues(m.TPID, m.Params); }
    bool Changed(const CableMux_Info_Tag& a, const CableMux_Info_Tag& b) const {
        return MultiplexChanged(a, b, m_productList);
    }
    bool Changed(const SMux_Info_Tag& a, const SMux_Info_Tag& b) const {
        return TerrestrialChanged(a.TPID, a.Params, b.TPID, b.Params);
    }

    template <class Mux> void CompareMultiplexesOf() {
        const std::vector<const Mux*> muxA = MuxRows<Mux>(m_a), muxB = MuxRows<Mux>(m_b);
        std::vector<TunedRow> tunedA, tunedB;
        for (const Mux* m : muxA)
            tunedA.push_back(TunedOf(*m));
        for (const Mux* m : muxB)
            tunedB.push_back(TunedOf(*m));
        const FrequencyPairs pairs = PairByFrequency(tunedA, tunedB, kToleranceKHz);
        for (const auto& [i, k] : pairs.inOrderA) {
            const Mux& ma = *muxA[i];
            if (k == kNoPartner) {
                Add(DifferenceKind::MultiplexOnlyInA, ma.Index, 0, Subject(ma), Values(ma), {});
                continue;
            }
            const Mux& mb = *muxB[k];
            m_result.multiplexBtoA[mb.Index] = ma.Index;
            if (Changed(ma, mb))
                Add(DifferenceKind::MultiplexChanged, ma.Index, mb.Index, Subject(ma), Values(ma),
                    Values(mb));
        }
        for (const std::size_t k : pairs.onlyB)
            Add(DifferenceKind::MultiplexOnlyInB, 0, muxB[k]->Index, Subject(*muxB[k]), {},
                Values(*muxB[k]));
        // Which multiplex of A each TPID of B names, once for all channels.
        m_multiplexPartner.fill(kUnpaired);
        for (std::size_t tpid = 0; tpid < m_multiplexPartner.size(); ++tpid)
            if (const std::uint32_t keyB = m_sourcesB.MultiplexKeyOf(m_network, BYTE(tpid)))
                if (const auto it = m_result.multiplexBtoA.find(keyB);
                    it != m_result.multiplexBtoA.end())
                    m_multiplexPartner[tpid] = it->second;
    }

    void CompareMultiplexes() {
        if (m_network == Network::Cable)
            CompareMultiplexesOf<CableMux_Info_Tag>();
        else
            CompareMultiplexesOf<SMux_Info_Tag>();
    }

    // The pairs again by the ids a channel of B names: which row of A the
    // satellite and transponder it finds were paired with, once for all
    // channels.
    void IndexPairs() {
        const auto partner = [](const std::unordered_map<std::uint32_t, std::uint32_t>& bToA,
                                std::uint32_t keyB) {
            const auto it = bToA.find(keyB);
            return it == bToA.end() ? kUnpaired : std::uint64_t{it->second};
        };
        m_satellitePartner.fill(kUnpaired);
        for (std::size_t id = 0; id < m_sourcesB.satellite.size(); ++id)
            if (const Satellite_Info_Tag* s = m_sourcesB.satellite[id])
                m_satellitePartner[id] = partner(m_result.satelliteBtoA, s->Index);
        m_transponderPartner.assign(kTransponderKeys, kUnpaired);
        for (std::size_t key = 0; key < kTransponderKeys; ++key)
            if (const Transponder_Info_Tag* t = m_sourcesB.transponder[key])
                m_transponderPartner[key] = partner(m_result.transponderBtoA, t->Index);
    }

    // Same multiplex: the paired records where both lists have them, the
    // ids where neither does.
    bool SameMultiplex(const Channel_Info_Tag& a, const Channel_Info_Tag& b) const {
        const std::uint32_t ma = m_sourcesA.MultiplexKeyOf(m_network, a.TPID);
        const std::uint32_t mb = m_sourcesB.MultiplexKeyOf(m_network, b.TPID);
        if (!ma || !mb)
            return !ma && !mb && a.TPID == b.TPID;
        return m_multiplexPartner[b.TPID] == ma;
    }

    // Same satellite and transponder (or multiplex): the paired records
    // where both lists have them, the ids where neither does (or the sources
    // were not compared).
    bool SameTuning(const Channel_Info_Tag& a, const Channel_Info_Tag& b) const {
        if (a.VideoPID != b.VideoPID || a.AudioPID != b.AudioPID || a.PCRPID != b.PCRPID)
            return false;
        if (!m_result.comparedSources)
            return a.SatID == b.SatID && a.TPID == b.TPID;
        if (m_network != Network::Satellite)
            return SameMultiplex(a, b);
        const Satellite_Info_Tag* sa = m_sourcesA.SatelliteOf(a);
        const Satellite_Info_Tag* sb = m_sourcesB.SatelliteOf(b);
        if (!sa || !sb) {
            if (sa || sb || a.SatID != b.SatID)
                return false;
        } else if (m_satellitePartner[b.SatID] != sa->Index) {
            return false;
        }
        const Transponder_Info_Tag* ta = m_sourcesA.TransponderOf(a);
        const Transponder_Info_Tag* tb = m_sourcesB.TransponderOf(b);
        if (!ta || !tb)
            return !ta && !tb && a.TPID == b.TPID;
        return m_transponderPartner[TransponderKey(b.SatID, b.TPID)] == ta->Index;
    }

    Phrase TuningOf(const Channel_Info_Tag& c, const Sources& sources) const {
        return TuningText(c, sources, m_network, m_productType);
    }

    std::vector<const Channel_Info_Tag*> ListOrder(const CZorvDB& db) const {
        std::vector<const Channel_Info_Tag*> rows;
        rows.reserve(db.Size(kTableChannel));
        for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
            rows.push_back(&c);
        return rows;
    }

    // Positions of `rows` by kind (TV, radio, other), then CH#, ties in list
    // order: each row's kind, number and position in one number, sorted.
    std::vector<std::size_t> ReportOrder(const std::vector<const Channel_Info_Tag*>& rows) const {
        std::vector<std::uint64_t> keys(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            keys[i] = std::uint64_t(KindRank(*rows[i])) << 48 |
                      std::uint64_t{Number(*rows[i], m_showNum)} << 32 | i;
        std::sort(keys.begin(), keys.end());
        std::vector<std::size_t> order(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            order[i] = static_cast<std::size_t>(keys[i] & 0xFFFFFFFFu);
        return order;
    }

    void CompareChannels() {
        const std::vector<const Channel_Info_Tag*> a = ListOrder(m_a), b = ListOrder(m_b);
        const ChannelMatching matching = MatchReferenceChannels(a, b, m_showNum);
        std::vector<bool> takenB(b.size(), false);
        m_result.channelAtoB.reserve(a.size());
        for (const std::size_t i : ReportOrder(a)) {
            const Channel_Info_Tag& ca = *a[i];
            if (matching.match[i] == kNoChannelMatch) {
                Add(DifferenceKind::ChannelOnlyInA, ca.Index, 0, ChannelText(ca, m_showNum),
                    TuningOf(ca, m_sourcesA), {});
                continue;
            }
            takenB[matching.match[i]] = true;
            const Channel_Info_Tag& cb = *b[matching.match[i]];
            m_result.channelAtoB.emplace_back(ca.Index, cb.Index);
            const bool number = Number(ca, m_showNum) != Number(cb, m_showNum);
            const bool name = NameOf(ca) != NameOf(cb);
            const bool tuning = !SameTuning(ca, cb);
            const bool flags = Flags(ca) != Flags(cb);
            const bool favorites = ca.Favorite != cb.Favorite;
            if (!(number || name || tuning || flags || favorites))
                continue; // most pairs: no text to make
            const Phrase who = ChannelText(ca, m_showNum);
            if (number)
                Add(DifferenceKind::NumberChanged, ca.Index, cb.Index, who,
                    phrase::Number(Number(ca, m_showNum)), phrase::Number(Number(cb, m_showNum)));
            if (name)
                Add(DifferenceKind::NameChanged, ca.Index, cb.Index, who, Quoted(NameOf(ca)),
                    Quoted(NameOf(cb)));
            if (tuning)
                Add(DifferenceKind::TuningChanged, ca.Index, cb.Index, who,
                    TuningOf(ca, m_sourcesA), TuningOf(cb, m_sourcesB));
            if (flags)
                Add(DifferenceKind::FlagsChanged, ca.Index, cb.Index, who, FlagsText(ca),
                    FlagsText(cb));
            if (favorites)
                Add(DifferenceKind::FavoritesChanged, ca.Index, cb.Index, who,
                    FavoritesText(ca.Favorite), FavoritesText(cb.Favorite));
        }
        for (const std::size_t k : ReportOrder(b))
            if (!takenB[k])
                Add(DifferenceKind::ChannelOnlyInB, 0, b[k]->Index, ChannelText(*b[k], m_showNum),
                    {}, TuningOf(*b[k], m_sourcesB));
    }

    const CZorvDB& m_a;
    const CZorvDB& m_b;
    const Sources m_sourcesA, m_sourcesB;
    const std::uint32_t m_productType;
    const int m_productList;
    const Network m_network;
    const bool m_showNum;
    std::vector<TransponderRows> m_transpondersA, m_transpondersB; // by SatID
    std::array<std::uint64_t, 256> m_satellitePartner{};           // by SatID in B
    std::vector<std::uint64_t> m_transponderPartner;               // by TransponderKey in B
    std::array<std::uint64_t, 256> m_multiplexPartner{};           // by TPID in B
    std::array<std::vector<Difference>, kDifferenceKinds> m_groups;
    Comparison m_result;
};

struct KindNames {
    const char* title;
    const char* id;
};

constexpr KindNames kKindNames[kDifferenceKinds] = {
    {"channels only in A", "channel-only-in-a"},
    {"channels only in B", "channel-only-in-b"},
    {"number changed", "number-changed"},
    {"name changed", "name-changed"},
    {"tuning changed", "tuning-changed"},
    {"flags changed", "flags-changed"},
    {"favourite lists changed", "favorites-changed"},
    {"satellites only in A", "satellite-only-in-a"},
    {"satellites only in B", "satellite-only-in-b"},
    {"satellite renamed", "satellite-changed"},
    {"transponders only in A", "transponder-only-in-a"},
    {"transponders only in B", "transponder-only-in-b"},
    {"transponder changed", "transponder-changed"},
    {"multiplexes only in A", "multiplex-only-in-a"},
    {"multiplexes only in B", "multiplex-only-in-b"},
    {"multiplex changed", "multiplex-changed"},
};

} // namespace

DifferenceSubject SubjectOf(DifferenceKind kind) {
    if (kind >= DifferenceKind::MultiplexOnlyInA)
        return DifferenceSubject::Multiplex;
    if (kind >= DifferenceKind::TransponderOnlyInA)
        return DifferenceSubject::Transponder;
    if (kind >= DifferenceKind::SatelliteOnlyInA)
        return DifferenceSubject::Satellite;
    return DifferenceSubject::Channel;
}

Comparison CompareLists(const CZorvDB& a, const CZorvDB& b) {
    return Comparer(a, b).Run();
}

Comparison CompareDocuments(const CDocument& a, const CDocument& b) {
    return CompareLists(a.Store(), b.Store());
}

const char* DifferenceTitle(DifferenceKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)].title;
}

const char* DifferenceId(DifferenceKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)].id;
}
