#include "model/RecordChecks.h"

#include "contracts/Policy.h"
#include "model/EntryValues.h"
#include "model/StoreLoops.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMaxPid = 8191;

// The messages name the record's fields as the records spell them.
Phrase PidCheck(const char* field, WORD pid) {
    if (pid <= kMaxPid)
        return {};
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1 must be between 0 and %2."),
                        {phrase::Data(field), phrase::Number(kMaxPid)});
}

Phrase EmptySlot(const char* field) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP(
                            "Velmar", "%1 must not be 0: the receiver reads it as an empty slot."),
                        {phrase::Data(field)});
}

} // namespace

int PolicyChannelNameLength() {
    int start = 0, sectors = 0, entry = 0, nameLength = 0;
    GetFlashCHBlockInfo(&start, &sectors, &entry, &nameLength);
    return nameLength;
}

int ChannelNameCapacity(const Product& product, int nameLength) {
    if (nameLength <= 0 || nameLength >= kChannelNameSize)
        return kChannelNameSize - 1;
    if (ChannelLayoutOf(product.list) == ChannelEntryLayout::Standard)
        return nameLength;
    return std::max(nameLength - 1, 1);
}

Phrase EmptyNameProblem() {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Name must not be empty."));
}

Phrase NameLengthProblem(std::size_t max) {
    return TextLengthPhrase(phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Name")), max);
}

Phrase ChannelProblem(const Channel_Info_Tag& c, const Product& product, int nameLength) {
    const std::size_t length = strnlen(c.Name, sizeof c.Name);
    if (length == 0)
        return EmptyNameProblem();
    const int limit = ChannelNameCapacity(product, nameLength);
    if (length > static_cast<std::size_t>(limit))
        return NameLengthProblem(static_cast<std::size_t>(limit));
    for (auto [field, pid] : {std::pair{"VideoPID", c.VideoPID}, std::pair{"AudioPID", c.AudioPID},
                              std::pair{"PCRPID", c.PCRPID}})
        if (Phrase problem = PidCheck(field, pid); !problem.Empty())
            return problem;
    const bool tv = c.Attributes & kAttrTV, radio = c.Attributes & kAttrRadio;
    if (tv == radio)
        return phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar", "Attributes must mark the channel as either TV (0x0400) or radio (0x0800)."));
    const ChannelEntryLayout layout = ChannelLayoutOf(product.list);
    const bool singleBlock = IsSingleBlockImage(product.type, product.list);
    if (singleBlock && c.TPID == 0)
        return EmptySlot("TPID");
    if (!singleBlock && layout != ChannelEntryLayout::Network && c.SatID == 0)
        return EmptySlot("SatID");
    if (!singleBlock && layout == ChannelEntryLayout::Standard && DropsTunerEntries(product.type) &&
        c.Tuner != 0)
        return phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar",
            "Tuner must be 0 on this receiver: other values mark the second tuner's copy."));
    return {};
}

Phrase SatelliteProblem(const CZorvDB& db, const Satellite_Info_Tag& s, std::uint32_t key) {
    const std::size_t length = strnlen(s.Name, sizeof s.Name);
    if (length == 0)
        return EmptyNameProblem();
    if (length >= sizeof s.Name)
        return NameLengthProblem(sizeof s.Name - 1);
    if (s.Degree >= 3600)
        return phrase::Text(
            VELMAR_TRANSLATE_NOOP("Velmar", "Degree must be below 3600 (tenths of a degree)."));
    if (key == 0)
        return {};
    if (s.ID == 0)
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "ID must not be 0."));
    bool taken = false;
    ForEachRow<Satellite_Info_Tag>(db, kTableSatellite, [&](const Satellite_Info_Tag& other) {
        taken |= other.Index != key && other.ID == s.ID;
    });
    return taken ? phrase::Text(
                       VELMAR_TRANSLATE_NOOP("Velmar", "ID %1 belongs to another satellite."),
                       {phrase::Number(s.ID)})
                 : Phrase();
}

Phrase TransponderProblem(const CZorvDB& db, const Transponder_Info_Tag& t, std::uint32_t key) {
    if (t.SatID == 0)
        return EmptySlot("SatID");
    if (key == 0)
        return {};
    bool taken = false;
    ForEachRow<Transponder_Info_Tag>(db, kTableTransponder, [&](const Transponder_Info_Tag& other) {
        taken |= other.Index != key && other.SatID == t.SatID && other.TPID == t.TPID;
    });
    return taken ? phrase::Text(
                       VELMAR_TRANSLATE_NOOP(
                           "Velmar", "TPID %1 belongs to another transponder of satellite %2."),
                       {phrase::Number(t.TPID), phrase::Number(t.SatID)})
                 : Phrase();
}

Phrase CableMuxProblem(const CZorvDB& db, const CableMux_Info_Tag& m, std::uint32_t key) {
    if (key == 0)
        return {};
    if (m.TPID == 0)
        return EmptySlot("TPID");
    bool taken = false;
    ForEachRow<CableMux_Info_Tag>(db, kTableCableMux, [&](const CableMux_Info_Tag& other) {
        taken |= other.Index != key && other.TPID == m.TPID;
    });
    return taken ? phrase::Text(
                       VELMAR_TRANSLATE_NOOP("Velmar", "TPID %1 belongs to another multiplex."),
                       {phrase::Number(m.TPID)})
                 : Phrase();
}

Phrase BroadcastNameProblem(std::string_view name) {
    return name.empty() ? EmptyNameProblem() : Phrase();
}

std::string CheckChannel(const Channel_Info_Tag& c, const Product& product, int nameLength) {
    return English(ChannelProblem(c, product, nameLength));
}

std::string CheckSatellite(const CZorvDB& db, const Satellite_Info_Tag& s, std::uint32_t key) {
    return English(SatelliteProblem(db, s, key));
}

std::string CheckTransponder(const CZorvDB& db, const Transponder_Info_Tag& t, std::uint32_t key) {
    return English(TransponderProblem(db, t, key));
}

std::string CheckCableMux(const CZorvDB& db, const CableMux_Info_Tag& m, std::uint32_t key) {
    return English(CableMuxProblem(db, m, key));
}

std::string CheckBroadcastName(std::string_view name) {
    return English(BroadcastNameProblem(name));
}
