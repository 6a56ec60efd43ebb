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
#include <initializer_list>
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

// "TV 12 Name", "radio 3 Name".
Phrase ChannelText(const Channel_Info_Tag& c) {
    std::vector<Phrase> parts{phrase::Number(c.ProgramNum),
                              phrase::Data(NameOf(c.Name, sizeof c.Name))};
    if (IsTV(c))
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "TV %1 %2"), std::move(parts));
    if (IsRadio(c))
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "radio %1 %2"), std::move(parts));
    return phrase::Join(std::move(parts), " ");
}

// A channel and what it names: "TV 12 Name (satellite 3)".
Phrase Naming(const Channel_Info_Tag& c, const char* text, std::initializer_list<unsigned> ids) {
    std::vector<Phrase> parts{ChannelText(c)};
    for (const unsigned id : ids)
        parts.push_back(phrase::Number(id));
    return phrase::Text(text, std::move(parts));
}

// Collects one kind of problem.
class Finding {
public:
    explicit Finding(ListProblem problem) { m_finding.problem = problem; }
    void Add(Phrase example) {
        if (m_finding.examplePhrases.size() < kExamples) {
            m_finding.examples.push_back(English(example));
            m_finding.examplePhrases.push_back(std::move(example));
        }
        ++m_finding.count;
    }
    // `one` and `many` (marked) follow the count: "%1 channel names", "%1
    // channels name".
    void Into(std::vector<ListFinding>& out, const char* one, const char* many) {
        if (m_finding.count == 0)
            return;
        m_finding.phrase = phrase::Count(m_finding.count, one, many);
        m_finding.text = English(m_finding.phrase);
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
    f.Into(out,
           VELMAR_TRANSLATE_NOOP("Velmar",
                                 "%1 channel shares a number with another channel of its kind"),
           VELMAR_TRANSLATE_N_NOOP(
               "Velmar", "%1 channels share a number with another channel of their kind"));
}

void CheckReferences(const CZorvDB& db, std::uint32_t type, std::vector<ListFinding>& out) {
    const ListReferences refs = ListReferences::Of(db, type);
    Finding sat(ListProblem::MissingSatellite), tp(ListProblem::MissingTransponder),
        mux(ListProblem::MissingMultiplex), provider(ListProblem::MissingProvider),
        orphan(ListProblem::OrphanTransponder);
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel)) {
        if (refs.SatelliteMissing(c))
            sat.Add(Naming(c, VELMAR_TRANSLATE_NOOP("Velmar", "%1 (satellite %2)"), {c.SatID}));
        else if (refs.TransponderMissing(c))
            tp.Add(Naming(c, VELMAR_TRANSLATE_NOOP("Velmar", "%1 (transponder %2 of satellite %3)"),
                          {c.TPID, c.SatID}));
        if (refs.MultiplexMissing(c))
            mux.Add(Naming(c, VELMAR_TRANSLATE_NOOP("Velmar", "%1 (multiplex %2)"), {c.TPID}));
        if (refs.ProviderMissing(c))
            provider.Add(
                Naming(c, VELMAR_TRANSLATE_NOOP("Velmar", "%1 (provider %2)"), {c.BroadcastID}));
    }
    if (refs.checkSatellites)
        for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
            if (!refs.satellites.contains(t.SatID))
                orphan.Add(phrase::Text(
                    VELMAR_TRANSLATE_NOOP("Velmar", "transponder %1 MHz (satellite %2)"),
                    {phrase::Number(t.Frequency), phrase::Number(t.SatID)}));
    sat.Into(
        out, VELMAR_TRANSLATE_NOOP("Velmar", "%1 channel names a satellite the list does not have"),
        VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 channels name a satellite the list does not have"));
    tp.Into(
        out,
        VELMAR_TRANSLATE_NOOP("Velmar", "%1 channel names a transponder the list does not have"),
        VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 channels name a transponder the list does not have"));
    mux.Into(
        out, VELMAR_TRANSLATE_NOOP("Velmar", "%1 channel names a multiplex the list does not have"),
        VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 channels name a multiplex the list does not have"));
    provider.Into(
        out, VELMAR_TRANSLATE_NOOP("Velmar", "%1 channel names a provider the list does not have"),
        VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 channels name a provider the list does not have"));
    orphan.Into(
        out,
        VELMAR_TRANSLATE_NOOP("Velmar", "%1 transponder names a satellite the list does not have"),
        VELMAR_TRANSLATE_N_NOOP("Velmar",
                                "%1 transponders name a satellite the list does not have"));
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
                f.Add(
                    phrase::Text(kind == ChannelKind::TV
                                     ? VELMAR_TRANSLATE_NOOP("Velmar", "favourite list %1 (TV)")
                                     : VELMAR_TRANSLATE_NOOP("Velmar", "favourite list %1 (radio)"),
                                 {phrase::Number(list + 1)}));
        }
    f.Into(out,
           VELMAR_TRANSLATE_NOOP("Velmar",
                                 "%1 favourite list has positions that repeat or leave holes"),
           VELMAR_TRANSLATE_N_NOOP("Velmar",
                                   "%1 favourite lists have positions that repeat or leave holes"));
}

void CheckNames(const CZorvDB& db, std::vector<ListFinding>& out) {
    Finding f(ListProblem::UnencodableName);
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        if (!NameEncodable(c.Name, sizeof c.Name))
            f.Add(ChannelText(c));
    for (const auto& s : db.Rows<Satellite_Info_Tag>(kTableSatellite))
        if (!NameEncodable(s.Name, sizeof s.Name))
            f.Add(phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "satellite %1"),
                               {phrase::Data(NameOf(s.Name, sizeof s.Name))}));
    for (const auto& b : db.Rows<Broadcast_Info_Tag>(kTableBroadcast))
        if (!NameEncodable(b.Name, sizeof b.Name))
            f.Add(phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "provider %1"),
                               {phrase::Data(NameOf(b.Name, sizeof b.Name))}));
    f.Into(out,
           VELMAR_TRANSLATE_NOOP("Velmar", "%1 name holds characters the receiver cannot show"),
           VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 names hold characters the receiver cannot show"));
}

void CheckTables(const CZorvDB& db, const FlashGeometry& geometry, std::vector<ListFinding>& out) {
    for (const CapacityProblem& p : CheckCapacity(db, geometry)) {
        ListFinding f;
        f.problem = ListProblem::OverCapacity;
        f.count = static_cast<std::size_t>(p.count - p.capacity);
        f.text = p.message;
        f.phrase = p.phrase;
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

Phrase ListFindingsPhrase(const std::vector<ListFinding>& findings) {
    std::vector<Phrase> lines;
    for (const ListFinding& f : findings) {
        lines.push_back(f.phrase);
        lines.push_back(phrase::Data("\n"));
        if (!f.examplePhrases.empty()) {
            std::vector<Phrase> examples = f.examplePhrases;
            if (f.count > examples.size())
                examples.push_back(phrase::Data("…"));
            lines.push_back(phrase::Data("    "));
            lines.push_back(phrase::Join(std::move(examples), "; "));
            lines.push_back(phrase::Data("\n"));
        }
    }
    return phrase::Join(std::move(lines), "");
}

std::string ListFindingsText(const std::vector<ListFinding>& findings) {
    return English(ListFindingsPhrase(findings));
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
