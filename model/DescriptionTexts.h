// What the description dialogs show, as label and value lines: a channel
// with its satellite, transponder and broadcaster, a satellite, a
// transponder; and the texts of the entries the channel dialogs offer to
// choose from. Names stay Windows-1252 bytes.
#pragma once

#include "model/ChannelDialogs.h"
#include "model/SatelliteRecords.h"

#include <string>
#include <vector>

struct DescriptionLine {
    std::string label;
    std::string value;
    bool valueIsWord = false; // "Yes" or "No": a text of the program, not record data
};
using DescriptionLines = std::vector<DescriptionLine>;

DescriptionLines SatelliteDescriptionLines(const Satellite_Info_Tag& s);
// `productList` picks the FEC text's extension bytes (lists 7 and 8).
DescriptionLines TransponderDescriptionLines(const Transponder_Info_Tag& t, int productList);
// The channel's own lines, then those of whichever of its satellite,
// transponder and broadcaster were found.
DescriptionLines ChannelDescriptionLines(const ChannelDescription& d, int productList);

// "Astra 1 (19.2E)": name and orbital position.
std::string SatelliteChoiceText(const Satellite_Info_Tag& s);
// "11,778 MHz VER 27,500 kS/s": frequency, polarisation, symbol rate.
std::string TransponderChoiceText(const Transponder_Info_Tag& t);
// "UHF 21 474.0 MHz": a terrestrial multiplex by its name index, the
// frequency table of its parameters and its TPID.
std::string TerrestrialMuxChoiceText(BYTE nameIndex, DWORD params, BYTE tpid);
// "BBC (ID 3)".
std::string BroadcastChoiceText(const Broadcast_Info_Tag& b);
