#include "image/Checksums.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::array<WORD, 256> MakeCrcTable() {
    std::array<WORD, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1;
        table[i] = static_cast<WORD>(crc);
    }
    return table;
}

constexpr auto kCrcTable = MakeCrcTable();

} // namespace

WORD SectorChecksum(std::span<const BYTE> sector) {
    // Eight bytes a step: the even and the odd bytes of each word are added
    // into four 16-bit lanes, which 128 steps cannot overflow (128 * 2 * 255
    // < 65536); the lanes are folded into the sum after each run of steps.
    constexpr std::uint64_t kLowBytes = 0x00FF00FF00FF00FFull;
    constexpr std::size_t kStepsPerFold = 128;
    const BYTE* p = sector.data();
    std::size_t left = sector.size();
    std::uint64_t sum = 1;
    while (left >= 8) {
        std::uint64_t lanes = 0;
        for (std::size_t step = 0; step < kStepsPerFold && left >= 8; ++step, p += 8, left -= 8) {
            std::uint64_t word;
            std::memcpy(&word, p, sizeof word);
            lanes += (word & kLowBytes) + ((word >> 8) & kLowBytes);
        }
        sum +=
            (lanes & 0xFFFF) + ((lanes >> 16) & 0xFFFF) + ((lanes >> 32) & 0xFFFF) + (lanes >> 48);
    }
    for (; left > 0; --left)
        sum += *p++;
    return static_cast<WORD>(sum);
}

void StampSectorChecksum(std::span<BYTE> sector) {
    const std::size_t z = sector.size();
    sector[z - 2] = sector[z - 1] = 0;
    WriteWORD(&sector[z - 2], SectorChecksum(sector), 1);
}

DWORD SingleBlockChecksum(std::span<const BYTE> block, std::size_t words) {
    DWORD sum = 1;
    for (std::size_t i = 0; i < words && 4 * i + 4 <= block.size(); ++i)
        sum += ReadDWORD(&block[4 * i], 0);
    return sum;
}

WORD Crc16Xmodem(std::span<const BYTE> data, WORD crc) {
    for (BYTE b : data) {
        const unsigned index = ((crc >> 8) ^ b) & 0xFF;
        crc = static_cast<WORD>(((crc & 0xFF) << 8) ^ kCrcTable[index]);
    }
    return crc;
}
