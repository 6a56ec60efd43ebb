#include "model/DescriptionTexts.h"

#include "contracts/Policy.h"
#include "model/MuxParams.h"
#include "model/Product.h"
#include "model/RecordTexts.h"
#include "platform/DisplayTexts.h"
#include "platform/Translate.h"

#include <cstdio>
#include <cstring>

namespace {

std::string Name(const char* name, std::size_t size) {
    return {name, strnlen(name, size)};
}

std::string Commas(int value) {
    char text[kDisplayTextMax];
    (void)std::snprintf(text, sizeof text, "%d", value);
    MakeCommaDigitString(text);
    return text;
}

std::string YesNo(bool on) {
    return on ? VELMAR_TRANSLATE_NOOP("Velmar", "Yes") : VELMAR_TRANSLATE_NOOP("Velmar", "No");
}

} // namespace

DescriptionLines SatelliteDescriptionLines(const Satellite_Info_Tag& s) {
    return {{VELMAR_TRANSLATE_NOOP("Velmar", "Satellite"), Name(s.Name, sizeof s.Name)},
            {VELMAR_TRANSLATE_NOOP("Velmar", "ID"), std::to_string(s.ID)},
            {VELMAR_TRANSLATE_NOOP("Velmar", "Position"), DegreeText(s.Degree)}};
}

DescriptionLines TransponderDescriptionLines(const Transponder_Info_Tag& t, int productList) {
    const bool extension = HasTransponderExtension(productList);
    char fec[kDisplayTextMax] = {};
    GetFECName(extension ? (t.ExtByte1 & 0x0F) : 0, extension ? t.ExtByte2 : 0, t.PolFEC & 0xF0,
               fec);
    return {{VELMAR_TRANSLATE_NOOP("Velmar", "Transponder"), std::to_string(t.TPID)},
            {VELMAR_TRANSLATE_NOOP("Velmar", "Frequency"), Commas(t.Frequency) + " MHz"},
            {VELMAR_TRANSLATE_NOOP("Velmar", "Symbol rate"), Commas(t.SymbolRate) + " kS/s"},
            {VELMAR_TRANSLATE_NOOP("Velmar", "Polarisation"), PolarityText(t.PolFEC)},
            {VELMAR_TRANSLATE_NOOP("Velmar", "FEC"), fec},
            {VELMAR_TRANSLATE_NOOP("Velmar", "TS ID"), std::to_string(t.TSID)}};
}

DescriptionLines ChannelDescriptionLines(const ChannelDescription& d, int productList) {
    DescriptionLines lines;
    if (!d.channel)
        return lines;
    const Channel_Info_Tag& c = *d.channel;
    lines = {
        {VELMAR_TRANSLATE_NOOP("Velmar", "Channel"), Name(c.Name, sizeof c.Name)},
        {VELMAR_TRANSLATE_NOOP("Velmar", "Number"),
         std::to_string(ShowsShowNum(productList) ? c.ShowNum : c.ProgramNum)},
        {VELMAR_TRANSLATE_NOOP("Velmar", "Logical number"), std::to_string(c.LogicalNumber)},
        {VELMAR_TRANSLATE_NOOP("Velmar", "Service ID"), std::to_string(c.ServiceID)},
        {VELMAR_TRANSLATE_NOOP("Velmar", "Video PID"), std::to_string(c.VideoPID)},
        {VELMAR_TRANSLATE_NOOP("Velmar", "Audio PID"), std::to_string(c.AudioPID)},
        {VELMAR_TRANSLATE_NOOP("Velmar", "PCR PID"), std::to_string(c.PCRPID)},
        {VELMAR_TRANSLATE_NOOP("Velmar", "Genre"), GenreText(c.Attributes & kAttrGenreMask)},
        {VELMAR_TRANSLATE_NOOP("Velmar", "Locked"), YesNo(c.Attributes & kAttrLocked), true},
        {VELMAR_TRANSLATE_NOOP("Velmar", "Scrambled"), YesNo(c.Attributes & kAttrScrambled), true},
        {VELMAR_TRANSLATE_NOOP("Velmar", "Skipped"), YesNo(c.Attributes & kAttrSkipped), true},
        {VELMAR_TRANSLATE_NOOP("Velmar", "Tuner"),
         TunerText(TunerNameCode(productList, c.SatID, c.Tuner))}};
    if (d.satellite)
        for (auto& line : SatelliteDescriptionLines(*d.satellite))
            lines.push_back(std::move(line));
    if (d.transponder)
        for (auto& line : TransponderDescriptionLines(*d.transponder, productList))
            lines.push_back(std::move(line));
    if (d.broadcast) {
        lines.push_back({VELMAR_TRANSLATE_NOOP("Velmar", "Broadcaster"),
                         Name(d.broadcast->Name, sizeof d.broadcast->Name)});
        lines.push_back({VELMAR_TRANSLATE_NOOP("Velmar", "Broadcast ID"),
                         std::to_string(d.broadcast->BroadcastID)});
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
