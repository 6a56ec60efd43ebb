#include "document/ListCheck.h"

#include "document/ListReferences.h"

#include "image/Capacity.h"
#include "image/FlashGeometry.h"
#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string_view>
#include <utility>

namespace {

constexpr std::size_t kExamples = 5;

// A stored name (Windows-1252) as UTF-8, for messages and JSON.
std::string NameOf(const char* name, std::size_t size) {
    return AnsiToUtf8(std::string_view(name, strnlen(name, size)));
}

std::string ChannelText(const Channel_Info_Tag& c) {
    return std::string(IsTV(c)      ? "TV "
                       : IsRadio(c) ? "radio "
                                    : "") +
           std::to_string(c.ProgramNum) + " " + NameOf(c.Name, sizeof c.Name);
}

// Collects one kind of problem.
class Finding {
public:
    explicit Finding(ListProblem problem) { m_finding.problem = problem; }
    void Add(std::string example) {
        if (m_finding.examples.size() < kExamples)
            m_finding.examples.push_back(std::move(example));
        ++m_finding.count;
    }
    // `one` and `many` follow the count: "channel names", "channels name".
    void Into(std::vector<ListFinding>& out, const char* one, const char* many) {
        if (m_finding.count == 0)
            return;
        m_finding.text =
            std::to_string(m_finding.count) + " " + (m_finding.count == 1 ? one : many);
        out.push_back(std::move(m_finding));
    }

private:
    ListFinding m_finding;
};

// The Windows-1252 bytes with no character (and the control characters),
// which the receiver shows as '?' or not at all.
bool Encodable(unsigned char byte) {
    if (byte < 0x20 || byte == 0x7F)
        return false;
    return byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D;
}

bool NameEncodable(const char* name, std::size_t size) {
    const std::size_t n = strnlen(name, size);
    return std::all_of(name, name + n,
                       [](char ch) { return Encodable(static_cast<unsigned char>(ch)); });
}

void CheckNumbers(const CZorvDB& db, std::vector<ListFinding>& out) {
    Finding f(ListProblem::DuplicateNumber);
    std::map<std::pair<int, WORD>, const Channel_Info_Tag*> first;
    std::set<const Channel_Info_Tag*> reported;
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel)) {
        const int kind = IsTV(c) ? 0 : IsRadio(c) ? 1 : -1;
        if (kind < 0)
            continue;
        const auto [at, fresh] = first.emplace(std::pair{kind, c.ProgramNum}, &c);
        if (fresh)
            continue;
        if (reported.insert(at->second).second)
            f.Add(ChannelText(*at->second));
        f.Add(ChannelText(c));
    }
    f.Into(out, "channel shares a number with another channel of its kind",
           "channels share a number with another channel of their kind");
}

void CheckReferences(const CZorvDB& db, std::uint32_t type, std::vector<ListFinding>& out) {
    const ListReferences refs = ListReferences::Of(db, type);
    Finding sat(ListProblem::MissingSatellite), tp(ListProblem::MissingTransponder),
        mux(ListProblem::MissingMultiplex), provider(ListProblem::MissingProvider),
        orphan(ListProblem::OrphanTransponder);
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel)) {
        if (refs.SatelliteMissing(c))
            sat.Add(ChannelText(c) + " (satellite " + std::to_string(c.SatID) + ")");
        else if (refs.TransponderMissing(c))
            tp.Add(ChannelText(c) + " (transponder " + std::to_string(c.TPID) + " of satellite " +
                   std::to_string(c.SatID) + ")");
        if (refs.MultiplexMissing(c))
            mux.Add(ChannelText(c) + " (multiplex " + std::to_string(c.TPID) + ")");
        if (refs.ProviderMissing(c))
            provider.Add(ChannelText(c) + " (provider " + std::to_string(c.BroadcastID) + ")");
    }
    if (refs.checkSatellites)
        for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
            if (!refs.satellites.contains(t.SatID))
                orphan.Add("transponder " + std::to_string(t.Frequency) + " MHz (satellite " +
                           std::to_string(t.SatID) + ")");
    sat.Into(out, "channel names a satellite the list does not have",
             "channels name a satellite the list does not have");
    tp.Into(out, "channel names a transponder the list does not have",
            "channels name a transponder the list does not have");
    mux.Into(out, "channel names a multiplex the list does not have",
             "channels name a multiplex the list does not have");
    provider.Into(out, "channel names a provider the list does not have",
                  "channels name a provider the list does not have");
    orphan.Into(out, "transponder names a satellite the list does not have",
                "transponders name a satellite the list does not have");
}

void CheckFavoritePositions(const CZorvDB& db, std::uint32_t type, std::vector<ListFinding>& out) {
    if (!HasFavoritePositions(type))
        return;
    Finding f(ListProblem::FavoritePositions);
    const std::uint32_t lists =
        std::min<std::uint32_t>(db.Size(kTableFavorite), kFavoritePositions);
    for (std::uint32_t list = 0; list < lists; ++list)
        for (const ChannelKind kind : {ChannelKind::TV, ChannelKind::Radio}) {
            std::vector<WORD> positions;
            for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
                if (IsOfKind(c, kind) && (c.Favorite >> list & 1) != 0)
                    positions.push_back(c.F[list]);
            std::sort(positions.begin(), positions.end());
            bool broken = false;
            for (std::size_t i = 0; i < positions.size(); ++i)
                broken |= positions[i] != i + 1;
            if (broken)
                f.Add("favourite list " + std::to_string(list + 1) +
                      (kind == ChannelKind::TV ? " (TV)" : " (radio)"));
        }
    f.Into(out, "favourite list has positions that repeat or leave holes",
           "favourite lists have positions that repeat or leave holes");
}

void CheckNames(const CZorvDB& db, std::vector<ListFinding>& out) {
    Finding f(ListProblem::UnencodableName);
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        if (!NameEncodable(c.Name, sizeof c.Name))
            f.Add(ChannelText(c));
    for (const auto& s : db.Rows<Satellite_Info_Tag>(kTableSatellite))
        if (!NameEncodable(s.Name, sizeof s.Name))
            f.Add("satellite " + NameOf(s.Name, sizeof s.Name));
    for (const auto& b : db.Rows<Broadcast_Info_Tag>(kTableBroadcast))
        if (!NameEncodable(b.Name, sizeof b.Name))
            f.Add("provider " + NameOf(b.Name, sizeof b.Name));
    f.Into(out, "name holds characters the receiver cannot show",
           "names hold characters the receiver cannot show");
}

void CheckTables(const CZorvDB& db, const FlashGeometry& geometry, std::vector<ListFinding>& out) {
    for (const CapacityProblem& p : CheckCapacity(db, geometry)) {
        ListFinding f;
        f.problem = ListProblem::OverCapacity;
        f.count = static_cast<std::size_t>(p.count - p.capacity);
        f.text = p.message;
        out.push_back(std::move(f));
    }
}

} // namespace

std::string JsonString(const std::string& utf8) {
    std::string out = "\"";
    for (const char ch : utf8) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20 || byte == 0x7F) {
            char escaped[8];
            (void)std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::vector<ListFinding> CheckList(const CZorvDB& db, std::uint32_t productType,
                                   const FlashGeometry& geometry) {
    std::vector<ListFinding> out;
    CheckNumbers(db, out);
    CheckReferences(db, productType, out);
    CheckFavoritePositions(db, productType, out);
    CheckNames(db, out);
    CheckTables(db, geometry, out);
    return out;
}

std::vector<ListFinding> FindingsBeforeWriting(const CZorvDB& db, std::uint32_t productType,
                                               const FlashGeometry& geometry) {
    std::vector<ListFinding> out = CheckList(db, productType, geometry);
    const bool refused = std::any_of(out.begin(), out.end(), [](const ListFinding& f) {
        return f.problem == ListProblem::OverCapacity;
    });
    if (refused)
        out.clear();
    return out;
}

std::string ListFindingsText(const std::vector<ListFinding>& findings) {
    std::string out;
    for (const ListFinding& f : findings) {
        out += f.text + "\n";
        if (!f.examples.empty()) {
            out += "    ";
            for (std::size_t i = 0; i < f.examples.size(); ++i)
                out += (i ? "; " : "") + f.examples[i];
            if (f.count > f.examples.size())
                out += "; …";
            out += "\n";
        }
    }
    return out;
}

std::string ListFindingsJson(const std::vector<ListFinding>& findings) {
    std::string out = "[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const ListFinding& f = findings[i];
        out += std::string(i ? ", " : "") + "{\"problem\": \"" + ListProblemName(f.problem) +
               "\", \"count\": " + std::to_string(f.count) + ", \"text\": " + JsonString(f.text) +
               ", \"examples\": [";
        for (std::size_t j = 0; j < f.examples.size(); ++j)
            out += (j ? ", " : "") + JsonString(f.examples[j]);
        out += "]}";
    }
    return out + "]";
}

const char* ListProblemName(ListProblem problem) {
    switch (problem) {
    case ListProblem::DuplicateNumber:
        return "duplicate-number";
    case ListProblem::MissingSatellite:
        return "missing-satellite";
    case ListProblem::MissingTransponder:
        return "missing-transponder";
    case ListProblem::MissingMultiplex:
        return "missing-multiplex";
    case ListProblem::MissingProvider:
        return "missing-provider";
    case ListProblem::OrphanTransponder:
        return "orphan-transponder";
    case ListProblem::FavoritePositions:
        return "favorite-positions";
    case ListProblem::UnencodableName:
        return "unencodable-name";
    case ListProblem::OverCapacity:
        return "over-capacity";
    }
    return "unknown";
}
