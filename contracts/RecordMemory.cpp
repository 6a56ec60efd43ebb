#include "contracts/RecordMemory.h"

#include <cstring>

void* AllocRecordBytes(std::size_t size) {
    void* memory = ::operator new[](size);
    std::memset(memory, 0, size);
    return memory;
}

void FreeRecordBytes(void* record) noexcept {
    ::operator delete[](record);
}
