#include "document/WorkbookImport.h"

#include "document/ListReferences.h"

#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace {

std::string Rows(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " row" : " rows");
}

// "14", "14 and 15", "14, 15 and 16"
std::string Ids(const std::set<unsigned>& ids) {
    std::string out;
    std::size_t i = 0;
    for (const unsigned id : ids) {
        if (i > 0)
            out += i + 1 == ids.size() ? " and " : ", ";
        out += std::to_string(id);
        ++i;
    }
    return out;
}

std::string Naming(std::size_t n, const char* one, const char* many, const std::set<unsigned>& ids,
                   const char* what) {
    return std::to_string(n) + " name " + (ids.size() == 1 ? one : many) + " " + Ids(ids) +
           ", which the image does not have" + (what[0] ? std::string(" ") + what : "");
}

} // namespace

ImportReport FilterImportedChannels(const CZorvDB& db, std::uint32_t productType,
                                    ChannelList& channels) {
    ImportReport report;
    report.rows = channels.size();
    const ListReferences refs = ListReferences::Of(db, productType);

    // Rows no list would show are left out; rows that point at what the
    // list lacks are taken (the user's data stays) and said, and the check
    // before Save and Send names them again.
    ChannelList taken;
    taken.reserve(channels.size());
    for (const Channel_Info_Tag& c : channels) {
        const bool tv = (c.Attributes & kAttrTV) != 0, radio = (c.Attributes & kAttrRadio) != 0;
        if (!tv && !radio) {
            ++report.noKind;
            continue;
        }
        if (tv && radio) {
            ++report.bothKinds;
            continue;
        }
        if (c.ProgramNum == 0)
            ++report.numberZero;
        if (strnlen(c.Name, sizeof c.Name) == 0)
            ++report.noName;
        if (refs.SatelliteMissing(c)) {
            ++report.missingSatellite;
            report.satellites.insert(c.SatID);
        } else if (refs.TransponderMissing(c)) {
            ++report.missingTransponder;
            report.transponders.insert(c.TPID);
        }
        if (refs.MultiplexMissing(c)) {
            ++report.missingMultiplex;
            report.multiplexes.insert(c.TPID);
        }
        if (refs.ProviderMissing(c)) {
            ++report.missingProvider;
            report.providers.insert(c.BroadcastID);
        }
        taken.push_back(c);
    }

    // One number, one channel: a repeated number goes after the last one.
    WORD highest[2] = {0, 0};
    for (const Channel_Info_Tag& c : taken) {
        WORD& h = highest[IsTV(c) ? 0 : 1];
        h = std::max(h, c.ProgramNum);
    }
    std::set<std::pair<int, WORD>> seen;
    for (Channel_Info_Tag& c : taken) {
        const int kind = IsTV(c) ? 0 : 1;
        if (c.ProgramNum == 0 || seen.insert({kind, c.ProgramNum}).second)
            continue;
        if (highest[kind] == 0xFFFF)
            continue; // no number left; the list check reports it
        c.ProgramNum = ++highest[kind];
        seen.insert({kind, c.ProgramNum});
        ++report.renumbered;
    }
    report.taken = taken.size();
    channels = std::move(taken);
    return report;
}

std::string ImportReportMessage(const ImportReport& r) {
    std::vector<std::string> out, kept;
    if (r.noKind)
        out.push_back(std::to_string(r.noKind) + " mark neither TV nor radio");
    if (r.bothKinds)
        out.push_back(std::to_string(r.bothKinds) + " mark both TV and radio");
    if (r.numberZero)
        kept.push_back(std::to_string(r.numberZero) + " have the number 0");
    if (r.noName)
        kept.push_back(std::to_string(r.noName) + " have no name");
    if (r.missingSatellite)
        kept.push_back(Naming(r.missingSatellite, "satellite", "satellites", r.satellites, ""));
    if (r.missingTransponder)
        kept.push_back(Naming(r.missingTransponder, "transponder", "transponders", r.transponders,
                              "on their satellite"));
    if (r.missingMultiplex)
        kept.push_back(Naming(r.missingMultiplex, "multiplex", "multiplexes", r.multiplexes, ""));
    if (r.missingProvider)
        kept.push_back(Naming(r.missingProvider, "provider", "providers", r.providers, ""));
    const auto joined = [](const std::vector<std::string>& parts) {
        std::string text;
        for (std::size_t i = 0; i < parts.size(); ++i)
            text += (i ? ", " : "") + parts[i];
        return text;
    };
    std::string text;
    const auto line = [&](const std::string& next) { text += (text.empty() ? "" : "\n") + next; };
    if (!out.empty())
        line(r.Refused()
                 ? "None of the " + Rows(r.rows) + " of Channel can be imported: " + joined(out) +
                       ". The channel list was not changed."
                 : Rows(r.LeftOut()) + " of Channel " + (r.LeftOut() == 1 ? "was" : "were") +
                       " not imported: " + joined(out) + ".");
    if (!kept.empty() && !r.Refused())
        line("Of the rows imported, " + joined(kept) +
             "; the check before Save and Send lists them.");
    if (r.renumbered && !r.Refused())
        line(Rows(r.renumbered) + " of Channel had a number " +
             (r.renumbered == 1 ? "that an earlier row has and now follows"
                                : "that earlier rows have and now follow") +
             (r.renumbered == 1 ? " the last channel of its kind."
                                : " the last channels of their kind."));
    return text;
}
