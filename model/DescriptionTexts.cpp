#include "model/DescriptionTexts.h"

#include "contracts/Policy.h"
#include "model/MuxParams.h"
#include "model/Product.h"
#include "model/RecordTexts.h"
#include "platform/DisplayTexts.h"

#include <cstdio>
#include <cstring>

namespace {

std::string Name(const char* name, std::size_t size) {
    return {name, strnlen(name, size)};
}

std::string Commas(int value) {
    char text[kDisplayTextMax];
    std::snprintf(text, sizeof text, "%d", value);
    MakeCommaDigitString(text);
    return text;
}

std::string YesNo(bool on) {
    return on ? "Yes" : "No";
}

} // namespace

DescriptionLines SatelliteDescriptionLines(const Satellite_Info_Tag& s) {
    return {{"Satellite", Name(s.Name, sizeof s.Name)},
            {"ID", std::to_string(s.ID)},
            {"Position", DegreeText(s.Degree)}};
}

DescriptionLines TransponderDescriptionLines(const Transponder_Info_Tag& t, int productList) {
    const bool extension = HasTransponderExtension(productList);
    char fec[kDisplayTextMax] = {};
    GetFECName(extension ? (t.ExtByte1 & 0x0F) : 0, extension ? t.ExtByte2 : 0, t.PolFEC & 0xF0,
               fec);
    return {{"Transponder", std::to_string(t.TPID)},
            {"Frequency", Commas(t.Frequency) + " MHz"},
            {"Symbol rate", Commas(t.SymbolRate) + " kS/s"},
            {"Polarisation", PolarityText(t.PolFEC)},
            {"FEC", fec},
            {"TS ID", std::to_string(t.TSID)}};
}

DescriptionLines ChannelDescriptionLines(const ChannelDescription& d, int productList) {
    DescriptionLines lines;
    if (!d.channel)
        return lines;
    const Channel_Info_Tag& c = *d.channel;
    lines = {{"Channel", Name(c.Name, sizeof c.Name)},
             {"Number", std::to_string(ShowsShowNum(productList) ? c.ShowNum : c.ProgramNum)},
             {"Logical number", std::to_string(c.LogicalNumber)},
             {"Service ID", std::to_string(c.ServiceID)},
             {"Video PID", std::to_string(c.VideoPID)},
             {"Audio PID", std::to_string(c.AudioPID)},
             {"PCR PID", std::to_string(c.PCRPID)},
             {"Genre", GenreText(c.Attributes & kAttrGenreMask)},
             {"Locked", YesNo(c.Attributes & kAttrLocked)},
             {"Scrambled", YesNo(c.Attributes & kAttrScrambled)},
             {"Skipped", YesNo(c.Attributes & kAttrSkipped)},
             {"Tuner", TunerText(TunerNameCode(productList, c.SatID, c.Tuner))}};
    if (d.satellite)
        for (auto& line : SatelliteDescriptionLines(*d.satellite))
            lines.push_back(std::move(line));
    if (d.transponder)
        for (auto& line : TransponderDescriptionLines(*d.transponder, productList))
            lines.push_back(std::move(line));
    if (d.broadcast) {
        lines.push_back({"Broadcaster", Name(d.broadcast->Name, sizeof d.broadcast->Name)});
        lines.push_back({"Broadcast ID", std::to_string(d.broadcast->BroadcastID)});
    }
    return lines;
}

std::string SatelliteChoiceText(const Satellite_Info_Tag& s) {
    return Name(s.Name, sizeof s.Name) + " (" + DegreeText(s.Degree) + ")";
}

std::string TransponderChoiceText(const Transponder_Info_Tag& t) {
    return Commas(t.Frequency) + " MHz " + PolarityText(t.PolFEC) + " " + Commas(t.SymbolRate) +
           " kS/s";
}

std::string TerrestrialMuxChoiceText(BYTE nameIndex, DWORD params, BYTE tpid) {
    char name[kMuxNameMax] = {};
    GetMuxName(nameIndex, name);
    const int kHz = GetMuxFrequency(tpid - 1, MuxParams::Unpack(params).FreqTable, 0);
    return std::string(name) + " " + MuxFrequencyText(kHz) + " MHz";
}

std::string BroadcastChoiceText(const Broadcast_Info_Tag& b) {
    return Name(b.Name, sizeof b.Name) + " (ID " + std::to_string(b.BroadcastID) + ")";
}
