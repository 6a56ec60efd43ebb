// What the comparison and the merge need to know of a list's tuning sources
// besides satellites: which network the receiver tunes, and for each kind of
// multiplex its frequency, who it is in a report's words and what it holds.
// Cable multiplexes keep their frequency; a terrestrial multiplex's follows
// from its number and frequency table, wherever it is kept (its own table,
// or as a transponder of the terrestrial pseudo-satellite).
#pragma once

#include "compare/FrequencyPairing.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <string>

class CZorvDB;

// What a channel's SatID and TPID name on this receiver.
enum class Network : std::uint8_t {
    Satellite,  // a transponder of a satellite
    Cable,      // a cable multiplex, by its TPID
    Terrestrial // a terrestrial multiplex, by its TPID
};
Network NetworkOf(std::uint32_t productType);
// The multiplex table of a cable or terrestrial receiver.
std::uint8_t MultiplexTable(Network network);

// Pairing rows: frequencies in kHz; a terrestrial multiplex kept as a
// transponder never pairs with a satellite transponder.
TunedRow TunedOf(const Transponder_Info_Tag& t, bool terrestrialForm);
TunedRow TunedOf(const CableMux_Info_Tag& m);
TunedRow TunedOf(const SMux_Info_Tag& m);

std::int64_t TerrestrialKHz(BYTE tpid, DWORD params);

// "multiplex 346.000 MHz", "multiplex 474.0 MHz".
Phrase MultiplexSubject(const CableMux_Info_Tag& m);
Phrase TerrestrialSubject(BYTE tpid, DWORD params);
// What a report shows of each: "346.000 MHz 6900 Ks/s 64 QAM",
// "474.0 MHz 8K 64QAM 2/3 1/4 Auto".
Phrase MultiplexValues(const CableMux_Info_Tag& m, int productList);
Phrase TerrestrialValues(BYTE tpid, DWORD params);
// How a channel's tuning names its multiplex: "cable 346.000 MHz",
// "terrestrial 474.0 MHz".
Phrase CableTuningText(const CableMux_Info_Tag& m);
Phrase TerrestrialTuningText(BYTE tpid, DWORD params);

// Whether two paired multiplexes differ in what the receiver tunes.
bool MultiplexChanged(const CableMux_Info_Tag& a, const CableMux_Info_Tag& b, int productList);
bool TerrestrialChanged(BYTE tpidA, DWORD paramsA, BYTE tpidB, DWORD paramsB);
