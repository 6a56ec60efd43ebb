#include "contracts/Policy.h"

#include <cstdio>

namespace {

struct BlockInfo {
    int start = 0, sectors = 0, entrySize = 0, fourth = 0;
};

struct PolicyState {
    int productList = 0;
    std::uint32_t productType = 0;
    int byteOrder = 0;
    int startBlock = 0;
    int checksumSize = 0;
    int sectorSize = 4096;
    int maxMuxCount = 64;
    int gridColumn = 0;
    BlockInfo mmi, sat, brd, tp, ch;
};

PolicyState& State() {
    static PolicyState state;
    return state;
}

void Fill(const BlockInfo& b, int* start, int* sectors, int* entrySize, int* fourth = nullptr) {
    if (start)
        *start = b.start;
    if (sectors)
        *sectors = b.sectors;
    if (entrySize)
        *entrySize = b.entrySize;
    if (fourth)
        *fourth = b.fourth;
}

} // namespace

extern "C" {

void SetProductList(int list) {
    State().productList = list;
}
int GetProductList() {
    return State().productList;
}
void SetProductType(std::uint32_t type) {
    State().productType = type;
}
std::uint32_t GetProductType() {
    return State().productType;
}
void SetFlashByteOrder(int order) {
    State().byteOrder = order;
}
int GetFlashByteOrder() {
    return State().byteOrder;
}
void SetFlashStartBlock(int block) {
    State().startBlock = block;
}
void SetBufChecksumSize(int size) {
    State().checksumSize = size;
}
int GetFlashOneSectorSize() {
    return State().sectorSize;
}

void SetFlashMMIBlockInfo(int start, int sectors, int entrySize, int maxEntries) {
    State().mmi = {start, sectors, entrySize, maxEntries};
}
void GetFlashMMIBlockInfo(int* start, int* sectors, int* entrySize, int* maxEntries) {
    Fill(State().mmi, start, sectors, entrySize, maxEntries);
}
void SetFlashSatBlockInfo(int start, int sectors, int entrySize) {
    State().sat = {start, sectors, entrySize, 0};
}
void GetFlashSatBlockInfo(int* start, int* sectors, int* entrySize) {
    Fill(State().sat, start, sectors, entrySize);
}
void SetFlashBrdBlockInfo(int start, int sectors, int entrySize) {
    State().brd = {start, sectors, entrySize, 0};
}
void GetFlashBrdBlockInfo(int* start, int* sectors, int* entrySize) {
    Fill(State().brd, start, sectors, entrySize);
}
void SetFlashTPBlockInfo(int start, int sectors, int entrySize) {
    State().tp = {start, sectors, entrySize, 0};
}
void GetFlashTPBlockInfo(int* start, int* sectors, int* entrySize) {
    Fill(State().tp, start, sectors, entrySize);
}
void SetFlashCHBlockInfo(int start, int sectors, int entrySize, int nameLength) {
    State().ch = {start, sectors, entrySize, nameLength};
}
void GetFlashCHBlockInfo(int* start, int* sectors, int* entrySize, int* nameLength) {
    Fill(State().ch, start, sectors, entrySize, nameLength);
}

int GetFlashMaxMuxCount() {
    return State().maxMuxCount;
}
int GetGridColumn() {
    return State().gridColumn;
}

void GetMuxName(std::uint8_t index, char* buffer) {
    if (index <= 48)
        (void)std::snprintf(buffer, kMuxNameMax, "UHF %d", index + 21);
    else
        (void)std::snprintf(buffer, kMuxNameMax, "MUX %d", index);
}

int GetMuxFrequency(int index, int table, int /*reserved*/) {
    static constexpr int kOffsets[8] = {0, 166, -166, 333, -333, 500, -500, 125};
    if (index < 0 || index > 255)
        return 0;
    return 474000 + 8000 * index + kOffsets[table & 7];
}

} // extern "C"

namespace velmar::policy_profile {
void SetFlashOneSectorSize(int size) {
    State().sectorSize = size;
}
void SetFlashMaxMuxCount(int count) {
    State().maxMuxCount = count;
}
void SetGridColumn(int value) {
    State().gridColumn = value;
}
void Reset() {
    State() = PolicyState{};
}
} // namespace velmar::policy_profile
