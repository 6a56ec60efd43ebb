// Checksums of the flash image: the 16-bit sector checksum, the single
// block's 32-bit checksum and the maker's image CRC (CRC-16/XMODEM).
#pragma once

#include "platform/ByteOrder.h"

#include <span>

// 1 plus the sum of all bytes of the sector, modulo 65536.
WORD SectorChecksum(std::span<const BYTE> sector);
// Writes SectorChecksum at the last two bytes, most significant first; those
// two bytes count as zero.
void StampSectorChecksum(std::span<BYTE> sector);

// 1 plus the sum, modulo 2^32, of the first `words` 32-bit words, each taken
// least significant byte first.
DWORD SingleBlockChecksum(std::span<const BYTE> block, std::size_t words);

// CRC-16, polynomial 0x1021, initial 0, no reflection, no final XOR.
WORD Crc16Xmodem(std::span<const BYTE> data, WORD crc = 0);
