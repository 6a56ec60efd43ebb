#include "contracts/RecordMemory.h"

#include <cstring>

namespace {

// The size sits in front of the record, padded so the record keeps the
// strictest alignment operator new[] gives.
constexpr std::size_t kPrefix = alignof(std::max_align_t);
static_assert(kPrefix >= sizeof(std::size_t));

std::byte* Base(const void* record) {
    return static_cast<std::byte*>(const_cast<void*>(record)) - kPrefix;
}

} // namespace

void* AllocRecordBytes(std::size_t size) {
    auto* base = static_cast<std::byte*>(::operator new[](kPrefix + size));
    std::memcpy(base, &size, sizeof size);
    std::memset(base + kPrefix, 0, size);
    return base + kPrefix;
}

void FreeRecordBytes(void* record) noexcept {
    if (record)
        ::operator delete[](Base(record));
}

std::size_t RecordBytes(const void* record) noexcept {
    if (!record)
        return 0;
    std::size_t size = 0;
    std::memcpy(&size, Base(record), sizeof size);
    return size;
}
