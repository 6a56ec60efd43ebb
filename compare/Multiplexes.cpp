#include "compare/Multiplexes.h"

#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "model/MuxParams.h"
#include "model/Product.h"
#include "model/RecordTexts.h"

#include <initializer_list>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The polarity of terrestrial rows among transponders: none a satellite
// transponder has.
constexpr int kTerrestrialPolarity = 2;

auto Tuned(const MuxParams& p) {
    return std::make_tuple(p.TransMode, p.Constellation, p.CodeRate, p.GuardInterval, p.Priority);
}

} // namespace

Network NetworkOf(std::uint32_t productType) {
    if (IsSatellite(productType))
        return Network::Satellite;
    return IsCable(productType) ? Network::Cable : Network::Terrestrial;
}

std::uint8_t MultiplexTable(Network network) {
    return network == Network::Cable ? kTableCableMux : kTableTerrestrialMux;
}

std::int64_t TerrestrialKHz(BYTE tpid, DWORD params) {
    return GetMuxFrequency(int{tpid} - 1, MuxParams::Unpack(params).FreqTable, 0);
}

TunedRow TunedOf(const Transponder_Info_Tag& t, bool terrestrialForm) {
    if (terrestrialForm)
        return {t.Index, kTerrestrialPolarity, TerrestrialKHz(t.TPID, TpParams(t))};
    return {t.Index, t.PolFEC & 1, std::int64_t{t.Frequency} * 1000};
}

TunedRow TunedOf(const CableMux_Info_Tag& m) {
    return {m.Index, 0, std::int64_t{m.Frequency}};
}

TunedRow TunedOf(const SMux_Info_Tag& m) {
    return {m.Index, 0, TerrestrialKHz(m.TPID, m.Params)};
}

namespace {

// Values as the grids show them, between spaces.
Phrase Values(std::initializer_list<std::string> values) {
    std::vector<Phrase> parts;
    parts.reserve(values.size());
    for (const std::string& v : values)
        parts.push_back(phrase::Data(v));
    return phrase::Join(std::move(parts), " ");
}

std::string TerrestrialMHz(BYTE tpid, DWORD params) {
    return MuxFrequencyText(static_cast<int>(TerrestrialKHz(tpid, params))) + " MHz";
}

} // namespace

Phrase MultiplexSubject(const CableMux_Info_Tag& m) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "multiplex %1"),
                        {phrase::Data(CableFrequencyText(m.Frequency))});
}

Phrase TerrestrialSubject(BYTE tpid, DWORD params) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "multiplex %1"),
                        {phrase::Data(TerrestrialMHz(tpid, params))});
}

Phrase MultiplexValues(const CableMux_Info_Tag& m, int productList) {
    return Values({CableFrequencyText(m.Frequency), SymbolRateText(m.SymbolRate),
                   QamText(CableQamCode(m.Modulation, productList))});
}

Phrase TerrestrialValues(BYTE tpid, DWORD params) {
    const MuxParams p = MuxParams::Unpack(params);
    return Values({TerrestrialMHz(tpid, params), TransModeText(p.TransMode),
                   ConstellationText(p.Constellation), CodeRateText(p.CodeRate),
                   GuardIntervalText(p.GuardInterval), PriorityText(p.Priority)});
}

Phrase CableTuningText(const CableMux_Info_Tag& m) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "cable %1"),
                        {phrase::Data(CableFrequencyText(m.Frequency))});
}

Phrase TerrestrialTuningText(BYTE tpid, DWORD params) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "terrestrial %1"),
                        {phrase::Data(TerrestrialMHz(tpid, params))});
}

bool MultiplexChanged(const CableMux_Info_Tag& a, const CableMux_Info_Tag& b, int productList) {
    return a.Frequency != b.Frequency || a.SymbolRate != b.SymbolRate ||
           CableQamCode(a.Modulation, productList) != CableQamCode(b.Modulation, productList);
}

bool TerrestrialChanged(BYTE tpidA, DWORD paramsA, BYTE tpidB, DWORD paramsB) {
    return TerrestrialKHz(tpidA, paramsA) != TerrestrialKHz(tpidB, paramsB) ||
           Tuned(MuxParams::Unpack(paramsA)) != Tuned(MuxParams::Unpack(paramsB));
}
