// What the description dialogs show, as label and value lines: a channel
// with its satellite, transponder and broadcaster, a satellite, a
// transponder. Names stay Windows-1252 bytes.
#pragma once

#include "model/ChannelDialogs.h"
#include "model/SatelliteRecords.h"

#include <string>
#include <vector>

struct DescriptionLine {
    std::string label;
    std::string value;
};
using DescriptionLines = std::vector<DescriptionLine>;

DescriptionLines SatelliteDescriptionLines(const Satellite_Info_Tag& s);
// `productList` picks the FEC text's extension bytes (lists 7 and 8).
DescriptionLines TransponderDescriptionLines(const Transponder_Info_Tag& t, int productList);
// The channel's own lines, then those of whichever of its satellite,
// transponder and broadcaster were found.
DescriptionLines ChannelDescriptionLines(const ChannelDescription& d, int productList);
