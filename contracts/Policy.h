// The product policy: the receiver model and flash geometry for the whole
// process. Plain C functions; the editor sets the values once at start-up and
// every part of the program reads them back.
#pragma once

#include <cstdint>

extern "C" {

void SetProductList(int list);
int GetProductList();
void SetProductType(std::uint32_t type);
std::uint32_t GetProductType();
void SetFlashByteOrder(int order);
int GetFlashByteOrder();
void SetFlashStartBlock(int block);
void SetBufChecksumSize(int size);

// Sector size Z in bytes (4096).
int GetFlashOneSectorSize();

void SetFlashMMIBlockInfo(int start, int sectors, int entrySize, int maxEntries);
void GetFlashMMIBlockInfo(int* start, int* sectors, int* entrySize, int* maxEntries);
void SetFlashSatBlockInfo(int start, int sectors, int entrySize);
void GetFlashSatBlockInfo(int* start, int* sectors, int* entrySize);
void SetFlashBrdBlockInfo(int start, int sectors, int entrySize);
void GetFlashBrdBlockInfo(int* start, int* sectors, int* entrySize);
void SetFlashTPBlockInfo(int start, int sectors, int entrySize);
void GetFlashTPBlockInfo(int* start, int* sectors, int* entrySize);
void SetFlashCHBlockInfo(int start, int sectors, int entrySize, int nameLength);
void GetFlashCHBlockInfo(int* start, int* sectors, int* entrySize, int* nameLength);

// Multiplexes per sector of the terrestrial multiplex block (64: with 20-byte
// multiplex and broadcaster entries they take 2560 of a sector's 4096 bytes).
int GetFlashMaxMuxCount();
// 0: the grids hide their technical columns.
int GetGridColumn();
// Name of multiplex name index `index`: "UHF 21" .. "UHF 69" for 0 .. 48,
// "MUX %d" beyond. `buffer` must hold kMuxNameMax bytes.
void GetMuxName(std::uint8_t index, char* buffer);
// Frequency in kHz of UHF channel index `index` (0 is channel 21 at 474 MHz,
// 8 MHz steps); `table` (0-7) picks an offset of 0, +166, -166, +333, -333,
// +500, -500 or +125 kHz. A negative index gives 0. `reserved` is ignored.
int GetMuxFrequency(int index, int table, int reserved);

} // extern "C"

inline constexpr int kMuxNameMax = 16;

// Values the policy answers from itself, settable here for tests and for the
// command-line tool's receiver profiles. Not part of the C interface above.
namespace velmar::policy_profile {
void SetFlashOneSectorSize(int size);
void SetFlashMaxMuxCount(int count);
void SetGridColumn(int value);
// Back to the values the policy starts with (all geometry zero, Z 4096, M 64).
void Reset();
} // namespace velmar::policy_profile
