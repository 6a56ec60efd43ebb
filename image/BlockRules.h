// Where an entry may go in a sector of each block: one rule per block, shared
// by the block writers and the capacity check, so that what the check says
// fits is exactly what the writer places.
#pragma once

#include <cstdint>

namespace fit {

// Z is the sector size, E the entry size, off the offset the entry would start at.
inline bool Favorite(int Z, int E, int off) {
    return off + E <= Z - 2;
}
inline bool Satellite(int Z, int E, int off) {
    return off + E < Z - 7;
}
inline bool Broadcast(int Z, int E, int off) {
    return off + E < Z - 4;
}
// Transponders leave room for two entries, not one.
inline bool Transponder(int Z, int E, int off) {
    return off + 2 * E < Z - 4;
}
inline bool CableMux(int Z, int E, int off) {
    return Z - off - 4 > 2 * E;
}
// Channel entries end at least 50 bytes before the sector end; the network
// trailer keeps one byte of count, so at most 255 entries a sector there.
inline bool Channel(int Z, int E, int off, bool network) {
    return Z - off - 49 > E && !(network && off / E >= 255);
}

// Entries that fit one sector from `first` on, under `fits(off)`.
template <class Fits> std::int64_t PerSector(int Z, int E, int first, Fits fits) {
    if (E <= 0)
        return 0;
    std::int64_t n = 0;
    for (std::int64_t off = first; off <= Z && fits(static_cast<int>(off)); off += E)
        ++n;
    return n;
}

} // namespace fit
