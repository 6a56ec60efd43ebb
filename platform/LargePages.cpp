#include "platform/LargePages.h"

#include <cstdint>
#include <sys/mman.h>

void PreferLargePages(void* data, std::size_t size) noexcept {
    if (!data || size < kLargePageBytes)
        return;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kLargePageBytes - 1) & ~(kLargePageBytes - 1);
    const std::uintptr_t last = (begin + size) & ~(kLargePageBytes - 1);
    if (first >= last)
        return;
    // Advice only: a refusal (no large pages here) leaves ordinary pages.
    (void)::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}
