#include "platform/LargePages.h"

#include <cstdint>
#include <sys/mman.h>

void PreferLargePages(void* data, std::size_t size) noexcept {
    if (!data || size < kLargePageBytes)
        return;
    // The whole units only: from the first unit boundary in the buffer, as
    // many units as fit before its end.
    const auto address = reinterpret_cast<std::uintptr_t>(data);
    const std::size_t skip = (kLargePageBytes - address % kLargePageBytes) % kLargePageBytes;
    if (skip >= size)
        return;
    const std::size_t length = (size - skip) / kLargePageBytes * kLargePageBytes;
    if (length == 0)
        return;
    // Advice only: a refusal (no large pages here) leaves ordinary pages.
    (void)::madvise(static_cast<std::uint8_t*>(data) + skip, length, MADV_HUGEPAGE);
}
