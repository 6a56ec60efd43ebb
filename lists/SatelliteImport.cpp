#include "lists/SatelliteImport.h"

#include "contracts/ZorvDB.h"
#include "image/Capacity.h"
#include "image/FlashGeometry.h"
#include "model/ChannelRecords.h"
#include "model/EntryValues.h"
#include "model/Product.h"
#include "model/SatelliteCommands.h"
#include "model/SatelliteRecords.h"
#include "platform/InputFile.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

constexpr int kMatchMHz = 2;
constexpr int kHighestFecCode = 9; // 9/10; the codes above have no rate

std::uint32_t Rounded(std::uint32_t value) {
    return (value + 500) / 1000;
}

// The record fields one file transponder gives; false when the records
// cannot hold it (counted in `report`).
bool MapTransponder(const XmlTransponder& x, bool extension, Transponder_Info_Tag& t,
                    SatelliteImportReport& report) {
    const std::uint32_t mhz = Rounded(x.frequencyKHz), ks = Rounded(x.symbolRate);
    if (mhz == 0 || mhz > 0xFFFF) {
        ++report.badFrequency;
        return false;
    }
    if (ks == 0 || ks > 0xFFFF) {
        ++report.badSymbolRate;
        return false;
    }
    if (x.modulation == 3 || x.modulation == 4) {
        ++report.apsk;
        return false;
    }
    t.Frequency = static_cast<WORD>(mhz);
    t.SymbolRate = static_cast<WORD>(ks);
    report.circular += x.polarization >= 2 ? 1 : 0;
    const bool horizontal = x.polarization == 0 || x.polarization == 2;
    int fec = x.fecInner;
    if (fec > kHighestFecCode) {
        ++report.fecAuto;
        fec = 0;
    }
    t.PolFEC = ComposePolFec(t.PolFEC, horizontal, fec);
    if (extension) {
        t.ExtByte1 = static_cast<BYTE>((t.ExtByte1 & 0xF0) | (x.system == 1 ? 1 : 0));
        t.ExtByte2 = x.system == 1 && x.modulation == 2 ? 1 : 0;
    } else if (x.system == 1) {
        ++report.s2Unmarked;
    }
    return true;
}

bool SameTuning(const Transponder_Info_Tag& a, const Transponder_Info_Tag& b) {
    return a.Frequency == b.Frequency && a.SymbolRate == b.SymbolRate && a.PolFEC == b.PolFEC &&
           a.ExtByte1 == b.ExtByte1 && a.ExtByte2 == b.ExtByte2;
}

std::string Described(int position, const Transponder_Info_Tag& t) {
    return PositionText(position) + " " + std::to_string(t.Frequency) + " MHz " +
           (IsHorizontal(t.PolFEC) ? "H" : "V") + " " + std::to_string(t.SymbolRate);
}

// "1 satellite", "1,200 transponders".
Phrase Count(std::uint64_t n, const char* one, const char* many) {
    return phrase::Counted(n, one, many, {phrase::Grouped(n)});
}

} // namespace

WORD DegreeOfPosition(int position) {
    return static_cast<WORD>(position < 0 ? 3600 + position : position);
}

namespace {

SatelliteImportReport Refused(SatelliteImportReport& report, Phrase why) {
    report.error = English(why);
    report.why = std::move(why);
    return std::move(report);
}

} // namespace

SatelliteImportReport ImportSatellites(CZorvDB& db, const std::vector<XmlSatellite>& file,
                                       const SatelliteImportOptions& options,
                                       std::uint32_t productType, int productList, DWORD& maxTpid) {
    SatelliteImportReport report;
    if (!IsSatellite(productType)) {
        return Refused(report,
                       phrase::Text(VELMAR_TRANSLATE_NOOP(
                           "Velmar", "This receiver has no satellites. Nothing was changed.")));
    }
    for (const int p : options.positions)
        if (std::none_of(file.begin(), file.end(),
                         [&](const XmlSatellite& s) { return s.position == p; })) {
            return Refused(report, phrase::Text(VELMAR_TRANSLATE_NOOP(
                                                    "Velmar", "The file has no satellite at %1. "
                                                              "Nothing was changed."),
                                                {phrase::Data(PositionText(p))}));
        }
    const bool extension = HasTransponderExtension(productList);
    const std::size_t satellitesBefore = static_cast<std::size_t>(db.Size(kTableSatellite));
    const std::size_t transpondersBefore = static_cast<std::size_t>(db.Size(kTableTransponder));
    std::vector<std::uint32_t> prune;

    for (const XmlSatellite& xs : file) {
        if (!options.positions.empty() &&
            std::find(options.positions.begin(), options.positions.end(), xs.position) ==
                options.positions.end())
            continue;
        const WORD degree = DegreeOfPosition(xs.position);
        BYTE id = 0;
        for (const Satellite_Info_Tag* s : DialogSatelliteList(db, productType))
            if (s->Degree == degree && s->ID != 0) {
                id = s->ID;
                break;
            }
        if (id == 0) {
            Satellite_Info_Tag s{};
            s.Degree = degree;
            std::strncpy(s.Name, xs.name.c_str(), sizeof s.Name - 1);
            const std::uint32_t key = NewSatellite(db, s);
            if (key == 0) {
                return Refused(report, phrase::Text(VELMAR_TRANSLATE_NOOP(
                                                        "Velmar", "No satellite ID is left for %1. "
                                                                  "Nothing was changed."),
                                                    {phrase::Data(PositionText(xs.position))}));
            }
            id = db.Get<Satellite_Info_Tag>(kTableSatellite, key)->ID;
            ++report.satellitesAdded;
        } else {
            ++report.satellitesUpdated;
        }

        // The list's transponders of this satellite, each matched at most once.
        std::vector<std::uint32_t> keys;
        for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
            if (t.SatID == id)
                keys.push_back(t.Index);
        std::vector<bool> matched(keys.size(), false);
        for (const XmlTransponder& xt : xs.transponders) {
            Transponder_Info_Tag wanted{};
            wanted.SatID = id;
            if (!MapTransponder(xt, extension, wanted, report))
                continue;
            std::size_t best = keys.size();
            int bestGap = kMatchMHz + 1;
            for (std::size_t k = 0; k < keys.size(); ++k) {
                const auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, keys[k]);
                if (matched[k] || IsHorizontal(t->PolFEC) != IsHorizontal(wanted.PolFEC))
                    continue;
                const int gap = std::abs(int{t->Frequency} - int{wanted.Frequency});
                if (gap < bestGap) {
                    bestGap = gap;
                    best = k;
                }
            }
            if (best == keys.size()) {
                if (NewTransponder(db, wanted, maxTpid) == 0) {
                    return Refused(report,
                                   phrase::Text(VELMAR_TRANSLATE_NOOP(
                                                    "Velmar", "Satellite %1 has no transponder "
                                                              "number left. Nothing was changed."),
                                                {phrase::Data(PositionText(xs.position))}));
                }
                ++report.added;
                continue;
            }
            matched[best] = true;
            auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, keys[best]);
            // TS ID, TPID and the carried bytes stay; the tuning is the file's.
            Transponder_Info_Tag next = *t;
            next.Frequency = wanted.Frequency;
            next.SymbolRate = wanted.SymbolRate;
            next.PolFEC =
                ComposePolFec(t->PolFEC, IsHorizontal(wanted.PolFEC), FecCode(wanted.PolFEC));
            next.ExtByte1 = extension ? wanted.ExtByte1 : t->ExtByte1;
            next.ExtByte2 = extension ? wanted.ExtByte2 : t->ExtByte2;
            if (SameTuning(next, *t)) {
                ++report.unchanged;
            } else {
                *t = next;
                ++report.updated;
            }
        }
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (matched[k])
                continue;
            const auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, keys[k]);
            report.missing.push_back(Described(xs.position, *t));
            if (options.prune)
                prune.push_back(keys[k]);
        }
    }

    if (!prune.empty()) {
        for (const std::uint32_t key : prune) {
            // A delete takes every transponder on its satellite and TPID: one
            // that shared an earlier one's TPID is gone already.
            const auto* t = db.Get<Transponder_Info_Tag>(kTableTransponder, key);
            if (!t)
                continue;
            for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
                report.channelsDeleted += c.SatID == t->SatID && c.TPID == t->TPID ? 1 : 0;
            // One at a time: each delete moves the later TPIDs down.
            const std::uint32_t before = db.Size(kTableTransponder);
            DeleteTransponders(db, std::span<const std::uint32_t>(&key, 1));
            report.deleted += before - db.Size(kTableTransponder);
        }
    }

    // What the receiver's blocks cannot hold is refused, not saved half.
    const FlashGeometry geometry = FlashGeometry::FromPolicy();
    for (const CapacityProblem& p : CheckCapacity(db, geometry))
        if ((p.table == kTableSatellite && p.count > satellitesBefore) ||
            (p.table == kTableTransponder && p.count > transpondersBefore)) {
            return Refused(report,
                           phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1 Nothing was changed."),
                                        {p.phrase}));
        }
    return report;
}

Phrase SatelliteImportPhrase(const SatelliteImportReport& r) {
    if (!r.Ok())
        return r.why.Empty() ? phrase::Data(r.error) : r.why;
    using phrase::Grouped;
    std::vector<Phrase> lines;
    std::vector<Phrase> counts{
        Count(r.satellitesAdded, VELMAR_TRANSLATE_NOOP("Velmar", "%1 satellite"),
              VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 satellites")),
        Grouped(r.satellitesUpdated), Grouped(r.added), Grouped(r.updated), Grouped(r.unchanged)};
    if (r.deleted) {
        counts.push_back(Grouped(r.deleted));
        counts.push_back(Count(r.channelsDeleted, VELMAR_TRANSLATE_NOOP("Velmar", "%1 channel"),
                               VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 channels")));
    }
    lines.push_back(phrase::Text(
        r.deleted
            ? VELMAR_TRANSLATE_NOOP("Velmar", "%1 added, %2 brought up to date; transponders: "
                                              "%3 added, %4 updated, %5 unchanged, %6 "
                                              "deleted with %7.")
            : VELMAR_TRANSLATE_NOOP("Velmar", "%1 added, %2 brought up to date; transponders: "
                                              "%3 added, %4 updated, %5 unchanged."),
        std::move(counts)));
    if (!r.missing.empty() && !r.deleted) {
        std::vector<Phrase> kept{Count(
            r.missing.size(),
            VELMAR_TRANSLATE_NOOP("Velmar", "%1 transponder of the list the file no longer has was "
                                            "kept:"),
            VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 transponders of the list the file no longer has "
                                              "were kept:"))};
        for (const std::string& m : r.missing)
            kept.push_back(phrase::Data(m));
        lines.push_back(phrase::Join(std::move(kept), "\n  "));
    }
    if (const std::uint32_t left = r.badFrequency + r.badSymbolRate + r.apsk) {
        // English says these with one form; the languages follow each count.
        std::vector<Phrase> why;
        const auto reason = [&why](std::uint32_t n, const char* text) {
            if (n)
                why.push_back(phrase::Counted(n, nullptr, text, {Grouped(n)}));
        };
        reason(r.badFrequency,
               VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 a frequency outside 1 to 65,535 MHz"));
        reason(r.badSymbolRate,
               VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 a symbol rate outside 1 to 65,535 kS/s"));
        reason(r.apsk, VELMAR_TRANSLATE_N_NOOP(
                           "Velmar", "%1 16APSK or 32APSK, which the receiver cannot hold"));
        lines.push_back(phrase::Counted(
            left,
            VELMAR_TRANSLATE_NOOP("Velmar", "%1 transponder of the file was not imported: %2."),
            VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 transponders of the file were not imported: %2."),
            {Grouped(left), phrase::Series(std::move(why))}));
    }
    if (r.circular)
        lines.push_back(Count(
            r.circular,
            VELMAR_TRANSLATE_NOOP(
                "Velmar", "%1 circular transponder was taken with left as H and right as V."),
            VELMAR_TRANSLATE_N_NOOP(
                "Velmar", "%1 circular transponders were taken with left as H and right as V.")));
    if (r.fecAuto)
        lines.push_back(
            Count(r.fecAuto,
                  VELMAR_TRANSLATE_NOOP("Velmar",
                                        "%1 FEC the receiver has no name for was taken as Auto."),
                  VELMAR_TRANSLATE_N_NOOP(
                      "Velmar", "%1 FECs the receiver has no name for were taken as Auto.")));
    if (r.s2Unmarked)
        lines.push_back(
            Count(r.s2Unmarked,
                  VELMAR_TRANSLATE_NOOP("Velmar", "%1 DVB-S2 transponder was taken "
                                                  "without a DVB-S2 mark, which this "
                                                  "receiver's records do not have."),
                  VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 DVB-S2 transponders were taken "
                                                    "without a DVB-S2 mark, which this "
                                                    "receiver's records do not have.")));
    return phrase::Join(std::move(lines), "\n");
}

std::string SatelliteImportSummary(const SatelliteImportReport& r) {
    return English(SatelliteImportPhrase(r));
}
