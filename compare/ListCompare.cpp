#include "compare/ListCompare.h"

#include "contracts/Policy.h"
#include "document/Document.h"
#include "model/ChannelIdentity.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/ReferenceOrder.h"
#include "model/SatelliteRecords.h"

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

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
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

// The first record of each id, as the lists' descriptions find them: tables
// over every value the ids can take, so a channel finds its satellite and
// transponder by indexing, not by a search.
struct Sources {
    std::array<const Satellite_Info_Tag*, 256> satellite{};
    std::vector<const Transponder_Info_Tag*> transponder; // by TransponderKey

    explicit Sources(const CZorvDB& db) : transponder(kTransponderKeys, nullptr) {
        for (const auto& s : db.Rows<Satellite_Info_Tag>(kTableSatellite))
            if (!satellite[s.ID])
                satellite[s.ID] = &s;
        for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
            if (auto& first = transponder[TransponderKey(t.SatID, t.TPID)]; !first)
                first = &t;
    }
    const Satellite_Info_Tag* SatelliteOf(const Channel_Info_Tag& c) const {
        return satellite[c.SatID];
    }
    const Transponder_Info_Tag* TransponderOf(const Channel_Info_Tag& c) const {
        return transponder[TransponderKey(c.SatID, c.TPID)];
    }
};

// The key of a row of A that a row of B was paired with, none when unpaired.
constexpr std::uint64_t kUnpaired = ~std::uint64_t{0};

std::string SatelliteText(const Satellite_Info_Tag& s) {
    return "satellite " + PositionText(s.Degree);
}

std::string SatelliteName(const Satellite_Info_Tag& s) {
    return Quoted(FieldText(s.Name, sizeof s.Name));
}

std::string TransponderText(WORD degree, const Transponder_Info_Tag& t) {
    return "transponder " + PositionText(degree) + " " + std::to_string(t.Frequency) + " " +
           Polarisation(t);
}

std::string TransponderValues(const Transponder_Info_Tag& t) {
    return std::to_string(t.Frequency) + " " + Polarisation(t) + " " +
           std::to_string(t.SymbolRate) + " FEC " + std::to_string(t.PolFEC >> 4);
}

const char* KindText(const Channel_Info_Tag& c) {
    switch (ServiceKindOf(c)) {
    case ServiceKind::TV:
        return "TV";
    case ServiceKind::Radio:
        return "radio";
    default:
        return "other";
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

std::string ChannelText(const Channel_Info_Tag& c, bool showNum) {
    return std::string(KindText(c)) + " " + std::to_string(Number(c, showNum)) + " " +
           Quoted(NameOf(c));
}

std::string TuningText(const Channel_Info_Tag& c, const Sources& sources) {
    std::string text;
    const Satellite_Info_Tag* s = sources.SatelliteOf(c);
    const Transponder_Info_Tag* t = sources.TransponderOf(c);
    text = s ? PositionText(s->Degree) : "satellite " + std::to_string(c.SatID);
    text += t ? " " + std::to_string(t->Frequency) + " " + Polarisation(*t)
              : " transponder " + std::to_string(c.TPID);
    text += ", PIDs " + std::to_string(c.VideoPID) + "/" + std::to_string(c.AudioPID) + "/" +
            std::to_string(c.PCRPID);
    return text;
}

constexpr WORD kFlagBits[] = {kAttrLocked, kAttrSkipped, kAttrScrambled};

std::string FlagsText(const Channel_Info_Tag& c) {
    std::string text;
    const char* names[] = {"locked", "skipped", "scrambled"};
    for (std::size_t i = 0; i < std::size(kFlagBits); ++i)
        if (c.Attributes & kFlagBits[i])
            text += (text.empty() ? "" : ", ") + std::string(names[i]);
    return text.empty() ? "-" : text;
}

WORD Flags(const Channel_Info_Tag& c) {
    return static_cast<WORD>(c.Attributes & (kAttrLocked | kAttrSkipped | kAttrScrambled));
}

std::string FavoritesText(DWORD favorite) {
    std::string text;
    for (int k = 0; k < kFavoritePositions; ++k)
        if (favorite & (DWORD{1} << k))
            text += (text.empty() ? "" : ", ") + std::to_string(k + 1);
    return text.empty() ? "-" : text;
}

class Comparer {
public:
    Comparer(const CZorvDB& a, const CZorvDB& b)
        : m_a(a), m_b(b), m_sourcesA(a), m_sourcesB(b), m_showNum(ShowsShowNum(GetProductList())) {}

    Comparison Run() {
        m_result.comparedSources = m_a.Size(kTableSatellite) > 0 && m_b.Size(kTableSatellite) > 0;
        if (m_result.comparedSources) {
            CompareSources();
            IndexPairs();
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
    void Add(DifferenceKind kind, std::uint32_t keyA, std::uint32_t keyB, std::string subject,
             std::string a, std::string b) {
        m_groups[static_cast<std::size_t>(kind)].push_back(
            {kind, keyA, keyB, std::move(subject), std::move(a), std::move(b)});
    }

    void CompareSources() {
        m_transpondersA = TranspondersBySatellite(m_a);
        m_transpondersB = TranspondersBySatellite(m_b);
        std::vector<const Satellite_Info_Tag*> satsA, satsB;
        for (const auto& s : m_a.Rows<Satellite_Info_Tag>(kTableSatellite))
            satsA.push_back(&s);
        for (const auto& s : m_b.Rows<Satellite_Info_Tag>(kTableSatellite))
            satsB.push_back(&s);
        const auto byDegree = [](const Satellite_Info_Tag* x, const Satellite_Info_Tag* y) {
            return x->Degree < y->Degree;
        };
        std::stable_sort(satsA.begin(), satsA.end(), byDegree);
        std::stable_sort(satsB.begin(), satsB.end(), byDegree);
        // Both in position order: pair equal positions off in table order.
        std::size_t j = 0;
        std::vector<std::pair<const Satellite_Info_Tag*, const Satellite_Info_Tag*>> pairs;
        for (std::size_t i = 0; i < satsA.size() || j < satsB.size();) {
            if (j == satsB.size() || (i < satsA.size() && satsA[i]->Degree < satsB[j]->Degree)) {
                Add(DifferenceKind::SatelliteOnlyInA, satsA[i]->Index, 0, SatelliteText(*satsA[i]),
                    SatelliteName(*satsA[i]), "");
                ++i;
            } else if (i == satsA.size() || satsB[j]->Degree < satsA[i]->Degree) {
                Add(DifferenceKind::SatelliteOnlyInB, 0, satsB[j]->Index, SatelliteText(*satsB[j]),
                    "", SatelliteName(*satsB[j]));
                ++j;
            } else {
                pairs.emplace_back(satsA[i++], satsB[j++]);
            }
        }
        for (const auto& [sa, sb] : pairs) {
            m_result.satelliteBtoA[sb->Index] = sa->Index;
            if (SatelliteName(*sa) != SatelliteName(*sb))
                Add(DifferenceKind::SatelliteChanged, sa->Index, sb->Index, SatelliteText(*sa),
                    SatelliteName(*sa), SatelliteName(*sb));
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

    static int Polarity(const Transponder_Info_Tag* t) { return t->PolFEC & 1; }

    // By polarisation, then frequency, ties in table order.
    static TransponderRows InPairingOrder(TransponderRows rows) {
        std::stable_sort(rows.begin(), rows.end(), [](const auto* x, const auto* y) {
            return std::make_tuple(Polarity(x), x->Frequency) <
                   std::make_tuple(Polarity(y), y->Frequency);
        });
        return rows;
    }

    void CompareTransponders(const Satellite_Info_Tag& sa, const Satellite_Info_Tag& sb) {
        const TransponderRows tpsA = InPairingOrder(m_transpondersA[sa.ID]);
        const TransponderRows tpsB = InPairingOrder(m_transpondersB[sb.ID]);
        std::vector<bool> taken(tpsB.size(), false);
        for (const Transponder_Info_Tag* ta : tpsA) {
            // The nearest free one of the same polarisation within the
            // tolerance, the first in pairing order of equal gaps: only the
            // run of B within the tolerance is looked at.
            std::size_t best = tpsB.size();
            int bestGap = kTransponderToleranceMHz + 1;
            const int low = int{ta->Frequency} - kTransponderToleranceMHz;
            const auto from =
                std::lower_bound(tpsB.begin(), tpsB.end(), std::make_pair(Polarity(ta), low),
                                 [](const Transponder_Info_Tag* t, const std::pair<int, int>& at) {
                                     return std::make_pair(Polarity(t), int{t->Frequency}) < at;
                                 });
            for (auto k = static_cast<std::size_t>(from - tpsB.begin()); k < tpsB.size(); ++k) {
                const Transponder_Info_Tag* tb = tpsB[k];
                if (Polarity(tb) != Polarity(ta) ||
                    int{tb->Frequency} > int{ta->Frequency} + kTransponderToleranceMHz)
                    break;
                if (taken[k])
                    continue;
                const int gap = std::abs(int{tb->Frequency} - int{ta->Frequency});
                if (gap < bestGap) {
                    best = k;
                    bestGap = gap;
                }
            }
            if (best == tpsB.size()) {
                Add(DifferenceKind::TransponderOnlyInA, ta->Index, 0,
                    TransponderText(sa.Degree, *ta), TransponderValues(*ta), "");
                continue;
            }
            taken[best] = true;
            const Transponder_Info_Tag* tb = tpsB[best];
            m_result.transponderBtoA[tb->Index] = ta->Index;
            if (ta->Frequency != tb->Frequency || ta->SymbolRate != tb->SymbolRate ||
                (ta->PolFEC >> 4) != (tb->PolFEC >> 4))
                Add(DifferenceKind::TransponderChanged, ta->Index, tb->Index,
                    TransponderText(sa.Degree, *ta), TransponderValues(*ta),
                    TransponderValues(*tb));
        }
        for (std::size_t k = 0; k < tpsB.size(); ++k)
            if (!taken[k])
                Add(DifferenceKind::TransponderOnlyInB, 0, tpsB[k]->Index,
                    TransponderText(sa.Degree, *tpsB[k]), "", TransponderValues(*tpsB[k]));
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

    // Same satellite and transponder: the paired records where both lists
    // have them, the ids where neither does (or the sources were not compared).
    bool SameTuning(const Channel_Info_Tag& a, const Channel_Info_Tag& b) const {
        if (a.VideoPID != b.VideoPID || a.AudioPID != b.AudioPID || a.PCRPID != b.PCRPID)
            return false;
        if (!m_result.comparedSources)
            return a.SatID == b.SatID && a.TPID == b.TPID;
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
                    TuningText(ca, m_sourcesA), "");
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
            const std::string who = ChannelText(ca, m_showNum);
            if (number)
                Add(DifferenceKind::NumberChanged, ca.Index, cb.Index, who,
                    std::to_string(Number(ca, m_showNum)), std::to_string(Number(cb, m_showNum)));
            if (name)
                Add(DifferenceKind::NameChanged, ca.Index, cb.Index, who, Quoted(NameOf(ca)),
                    Quoted(NameOf(cb)));
            if (tuning)
                Add(DifferenceKind::TuningChanged, ca.Index, cb.Index, who,
                    TuningText(ca, m_sourcesA), TuningText(cb, m_sourcesB));
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
                    "", TuningText(*b[k], m_sourcesB));
    }

    const CZorvDB& m_a;
    const CZorvDB& m_b;
    const Sources m_sourcesA, m_sourcesB;
    const bool m_showNum;
    std::vector<TransponderRows> m_transpondersA, m_transpondersB; // by SatID
    std::array<std::uint64_t, 256> m_satellitePartner{};           // by SatID in B
    std::vector<std::uint64_t> m_transponderPartner;               // by TransponderKey in B
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
};

} // namespace

DifferenceSubject SubjectOf(DifferenceKind kind) {
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
