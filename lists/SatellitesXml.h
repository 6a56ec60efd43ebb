// The community's satellites.xml transponder lists: a <satellites> root with
// one <sat name= position= flags=> per satellite and its <transponder
// frequency= symbol_rate= polarization= fec_inner= system= modulation=/>
// children. Positions are tenths of a degree, West negative; frequencies
// kHz, symbol rates symbols per second. Parsed with pugixml after a scan
// that refuses what no such list needs: too large a file, too deep nesting
// or too many elements.
#pragma once

#include "platform/Phrase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::uint64_t kMaxSatellitesXmlBytes = std::uint64_t{16} << 20;
// satellites > sat > transponder is three; room for wrappers some tools add.
inline constexpr int kMaxSatellitesXmlDepth = 16;
inline constexpr std::size_t kMaxSatellitesXmlElements = 1'000'000;

struct XmlTransponder {
    std::uint32_t frequencyKHz = 0;
    std::uint32_t symbolRate = 0; // symbols per second
    int polarization = 0;         // 0 H, 1 V, 2 circular left, 3 circular right
    int fecInner = 0;   // 0 auto, 1 1/2, 2 2/3, 3 3/4, 4 5/6, 5 7/8, 6 8/9, 7 3/5, 8 4/5, 9 9/10
    int system = 0;     // 0 DVB-S, 1 DVB-S2
    int modulation = 0; // 0 auto, 1 QPSK, 2 8PSK, 3 16APSK, 4 32APSK
    std::size_t line = 0;
};

struct XmlSatellite {
    std::string name; // Windows-1252
    int position = 0; // tenths of a degree, West negative
    int flags = 0;
    std::vector<XmlTransponder> transponders;
    std::size_t line = 0;
};

// The satellites in file order. None, with "line N: ..." in `error`, for a
// file that is no well-formed XML, has no <satellites> root, nests too deep,
// is too large, or has an attribute that is missing or no number where the
// format puts one.
std::optional<std::vector<XmlSatellite>> ParseSatellitesXml(std::string_view text,
                                                            std::string& error);
std::optional<std::vector<XmlSatellite>> ReadSatellitesXml(const std::string& path,
                                                           std::string& error);
// The same with the error as its phrase, for the editor.
std::optional<std::vector<XmlSatellite>> ParseSatellitesXml(std::string_view text, Phrase& error);
std::optional<std::vector<XmlSatellite>> ReadSatellitesXml(const std::string& path, Phrase& error);

// "19.2E", "5.0W": a file position as the lists show positions.
std::string PositionText(int position);
// "192", "-50", "19.2E", "5W", "30.0w" as a file position; none otherwise.
std::optional<int> ParsePosition(std::string_view text);
