// Full images for the benchmarks: a channel block filled to the last slot.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct BenchProfile {
    const char* name;
    int list;
    std::uint32_t type;
    int entrySize;
    int satEntry;
};

inline constexpr BenchProfile kStartupProfile{"startup", 7, 0x01, 56, 32};
inline constexpr BenchProfile kLongFav32Profile{"standard-32fav-longsat", 64, 0x49, 124, 44};

// Configures the policy for the profile (start-up geometry otherwise).
void ConfigureBenchProfile(const BenchProfile& p);
// Writes an image whose channel block is full; returns its size in bytes.
std::size_t MakeFullImage(const BenchProfile& p, const std::string& path);
// A scratch path in the temporary directory, unique to this process.
std::string BenchPath(const char* what);
