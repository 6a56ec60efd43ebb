#include "model/RecordChecks.h"

#include "contracts/Policy.h"
#include "model/StoreLoops.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMaxPid = 8191;

std::string PidCheck(const char* field, WORD pid) {
    if (pid <= kMaxPid)
        return {};
    return std::string(field) + " must be between 0 and " + std::to_string(kMaxPid) + ".";
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

std::string CheckChannel(const Channel_Info_Tag& c, const Product& product, int nameLength) {
    const std::size_t length = strnlen(c.Name, sizeof c.Name);
    if (length == 0)
        return "Name must not be empty.";
    const int limit = ChannelNameCapacity(product, nameLength);
    if (length > static_cast<std::size_t>(limit))
        return "Name must have at most " + std::to_string(limit) + " characters.";
    for (auto [field, pid] : {std::pair{"VideoPID", c.VideoPID}, std::pair{"AudioPID", c.AudioPID},
                              std::pair{"PCRPID", c.PCRPID}})
        if (auto problem = PidCheck(field, pid); !problem.empty())
            return problem;
    const bool tv = c.Attributes & kAttrTV, radio = c.Attributes & kAttrRadio;
    if (tv == radio)
        return "Attributes must mark the channel as either TV (0x0400) or radio (0x0800).";
    const ChannelEntryLayout layout = ChannelLayoutOf(product.list);
    const bool singleBlock = IsSingleBlockImage(product.type, product.list);
    if (singleBlock && c.TPID == 0)
        return "TPID must not be 0: the receiver reads it as an empty slot.";
    if (!singleBlock && layout != ChannelEntryLayout::Network && c.SatID == 0)
        return "SatID must not be 0: the receiver reads it as an empty slot.";
    if (!singleBlock && layout == ChannelEntryLayout::Standard && DropsTunerEntries(product.type) &&
        c.Tuner != 0)
        return "Tuner must be 0 on this receiver: other values mark the second tuner's copy.";
    return {};
}

std::string CheckSatellite(const CZorvDB& db, const Satellite_Info_Tag& s, std::uint32_t key) {
    const std::size_t length = strnlen(s.Name, sizeof s.Name);
    if (length == 0)
        return "Name must not be empty.";
    if (length >= sizeof s.Name)
        return "Name must have at most 15 characters.";
    if (s.Degree >= 3600)
        return "Degree must be below 3600 (tenths of a degree).";
    if (key == 0)
        return {};
    if (s.ID == 0)
        return "ID must not be 0.";
    bool taken = false;
    ForEachRow<Satellite_Info_Tag>(db, kTableSatellite, [&](const Satellite_Info_Tag& other) {
        taken |= other.Index != key && other.ID == s.ID;
    });
    return taken ? "ID " + std::to_string(s.ID) + " belongs to another satellite." : std::string();
}

std::string CheckTransponder(const CZorvDB& db, const Transponder_Info_Tag& t, std::uint32_t key) {
    if (t.SatID == 0)
        return "SatID must not be 0: the receiver reads it as an empty slot.";
    if (key == 0)
        return {};
    bool taken = false;
    ForEachRow<Transponder_Info_Tag>(db, kTableTransponder, [&](const Transponder_Info_Tag& other) {
        taken |= other.Index != key && other.SatID == t.SatID && other.TPID == t.TPID;
    });
    return taken
               ? "TPID " + std::to_string(t.TPID) +
                     " belongs to another transponder of satellite " + std::to_string(t.SatID) + "."
               : std::string();
}

std::string CheckCableMux(const CZorvDB& db, const CableMux_Info_Tag& m, std::uint32_t key) {
    if (key == 0)
        return {};
    if (m.TPID == 0)
        return "TPID must not be 0: the receiver reads it as an empty slot.";
    bool taken = false;
    ForEachRow<CableMux_Info_Tag>(db, kTableCableMux, [&](const CableMux_Info_Tag& other) {
        taken |= other.Index != key && other.TPID == m.TPID;
    });
    return taken ? "TPID " + std::to_string(m.TPID) + " belongs to another multiplex."
                 : std::string();
}

std::string CheckBroadcastName(std::string_view name) {
    return name.empty() ? "Name must not be empty." : std::string();
}
