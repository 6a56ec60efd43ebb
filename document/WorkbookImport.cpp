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

// "<n> name satellite 14, which the image does not have": the rows that name
// ids the list lacks, the noun following how many ids.
Phrase Naming(std::size_t n, const char* one, const char* many, const std::set<unsigned>& ids) {
    std::vector<Phrase> listed;
    listed.reserve(ids.size());
    for (const unsigned id : ids)
        listed.push_back(phrase::Number(id));
    return phrase::Counted(ids.size(), one, many,
                           {phrase::Number(n), phrase::List(std::move(listed))});
}

// A count of rows that English says with one form of the verb.
Phrase Rows(std::size_t n, const char* text) {
    return phrase::Counted(n, nullptr, text, {phrase::Number(n)});
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

Phrase ImportReportPhrase(const ImportReport& r) {
    std::vector<Phrase> out, kept;
    if (r.noKind)
        out.push_back(
            Rows(r.noKind, VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 mark neither TV nor radio")));
    if (r.bothKinds)
        out.push_back(
            Rows(r.bothKinds, VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 mark both TV and radio")));
    if (r.numberZero)
        kept.push_back(
            Rows(r.numberZero, VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 have the number 0")));
    if (r.noName)
        kept.push_back(Rows(r.noName, VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 have no name")));
    if (r.missingSatellite)
        kept.push_back(Naming(
            r.missingSatellite,
            VELMAR_TRANSLATE_NOOP("Velmar", "%1 name satellite %2, which the image does not have"),
            VELMAR_TRANSLATE_N_NOOP("Velmar",
                                    "%1 name satellites %2, which the image does not have"),
            r.satellites));
    if (r.missingTransponder)
        kept.push_back(
            Naming(r.missingTransponder,
                   VELMAR_TRANSLATE_NOOP("Velmar", "%1 name transponder %2, which the "
                                                   "image does not have on their satellite"),
                   VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 name transponders %2, which the "
                                                     "image does not have on their satellite"),
                   r.transponders));
    if (r.missingMultiplex)
        kept.push_back(Naming(
            r.missingMultiplex,
            VELMAR_TRANSLATE_NOOP("Velmar", "%1 name multiplex %2, which the image does not have"),
            VELMAR_TRANSLATE_N_NOOP("Velmar",
                                    "%1 name multiplexes %2, which the image does not have"),
            r.multiplexes));
    if (r.missingProvider)
        kept.push_back(Naming(
            r.missingProvider,
            VELMAR_TRANSLATE_NOOP("Velmar", "%1 name provider %2, which the image does not have"),
            VELMAR_TRANSLATE_N_NOOP("Velmar",
                                    "%1 name providers %2, which the image does not have"),
            r.providers));
    std::vector<Phrase> lines;
    if (!out.empty() && r.Refused())
        lines.push_back(phrase::Counted(
            r.rows,
            VELMAR_TRANSLATE_NOOP("Velmar",
                                  "None of the %1 row of Channel can be imported: %2. The "
                                  "channel list was not changed."),
            VELMAR_TRANSLATE_N_NOOP("Velmar", "None of the %1 rows of Channel can be imported: %2. "
                                              "The channel list was not changed."),
            {phrase::Number(r.rows), phrase::Series(std::move(out))}));
    else if (!out.empty())
        lines.push_back(phrase::Counted(
            r.LeftOut(), VELMAR_TRANSLATE_NOOP("Velmar", "%1 row of Channel was not imported: %2."),
            VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 rows of Channel were not imported: %2."),
            {phrase::Number(r.LeftOut()), phrase::Series(std::move(out))}));
    if (!kept.empty() && !r.Refused())
        lines.push_back(
            phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Of the rows imported, %1; the "
                                                         "check before Save and Send "
                                                         "lists them."),
                         {phrase::Series(std::move(kept))}));
    if (r.renumbered && !r.Refused())
        lines.push_back(phrase::Count(
            r.renumbered,
            VELMAR_TRANSLATE_NOOP("Velmar",
                                  "%1 row of Channel had a number that an earlier row has "
                                  "and now follows the last channel of its kind."),
            VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 rows of Channel had a number that earlier rows "
                                              "have and now follow the last channels of their "
                                              "kind.")));
    return phrase::Join(std::move(lines), "\n");
}

std::string ImportReportMessage(const ImportReport& r) {
    return English(ImportReportPhrase(r));
}
