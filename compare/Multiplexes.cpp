#include "compare/Multiplexes.h"

#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "model/MuxParams.h"
#include "model/Product.h"
#include "model/RecordTexts.h"

#include <tuple>

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

std::string MultiplexSubject(const CableMux_Info_Tag& m) {
    return "multiplex " + CableFrequencyText(m.Frequency);
}

std::string TerrestrialSubject(BYTE tpid, DWORD params) {
    return "multiplex " + MuxFrequencyText(static_cast<int>(TerrestrialKHz(tpid, params))) + " MHz";
}

std::string MultiplexValues(const CableMux_Info_Tag& m, int productList) {
    return CableFrequencyText(m.Frequency) + " " + SymbolRateText(m.SymbolRate) + " " +
           QamText(CableQamCode(m.Modulation, productList));
}

std::string TerrestrialValues(BYTE tpid, DWORD params) {
    const MuxParams p = MuxParams::Unpack(params);
    return MuxFrequencyText(static_cast<int>(TerrestrialKHz(tpid, params))) + " MHz " +
           TransModeText(p.TransMode) + " " + ConstellationText(p.Constellation) + " " +
           CodeRateText(p.CodeRate) + " " + GuardIntervalText(p.GuardInterval) + " " +
           PriorityText(p.Priority);
}

std::string CableTuningText(const CableMux_Info_Tag& m) {
    return "cable " + CableFrequencyText(m.Frequency);
}

std::string TerrestrialTuningText(BYTE tpid, DWORD params) {
    return "terrestrial " + MuxFrequencyText(static_cast<int>(TerrestrialKHz(tpid, params))) +
           " MHz";
}

bool MultiplexChanged(const CableMux_Info_Tag& a, const CableMux_Info_Tag& b, int productList) {
    return a.Frequency != b.Frequency || a.SymbolRate != b.SymbolRate ||
           CableQamCode(a.Modulation, productList) != CableQamCode(b.Modulation, productList);
}

bool TerrestrialChanged(BYTE tpidA, DWORD paramsA, BYTE tpidB, DWORD paramsB) {
    return TerrestrialKHz(tpidA, paramsA) != TerrestrialKHz(tpidB, paramsB) ||
           Tuned(MuxParams::Unpack(paramsA)) != Tuned(MuxParams::Unpack(paramsB));
}
