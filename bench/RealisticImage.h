// A list as a user has it, for the editor's benchmarks: the start-up
// receiver's image with 40 satellites of 40 transponders each, 400
// broadcasters, 8 favourite lists and a full channel block of 4,608
// channels (four in five TV), whose numbers are not in table order, whose
// names repeat as regional variants do, and whose channels belong to
// transponders, broadcasters and favourite lists as real ones do. A second
// form carries far more channels than a receiver holds, in a workbook.
#pragma once

#include <cstddef>
#include <string>

inline constexpr int kRealisticSatellites = 40;
inline constexpr int kRealisticTranspondersPerSatellite = 40;
inline constexpr int kRealisticBroadcasters = 400;
inline constexpr int kRealisticFavoriteLists = 8;
inline constexpr int kRealisticChannels = 4608; // the start-up channel block, full

// Configures the start-up policy, fills the store and writes the image to
// `path`; the store keeps what was written. Returns the image's size.
std::size_t MakeRealisticImage(const std::string& path);

// Replaces the store's channel table by `channels` channels of the same
// satellites, transponders and broadcasters (the same ones every time).
void ReplaceWithRealisticChannels(int channels);

// Writes the channels above to a workbook at `path`; false when the
// workbook writer could not write them. The store's channel table is left
// empty.
bool MakeRealisticWorkbook(const std::string& path, int channels);
