// Replaces the global operator new and delete with ones that count the bytes
// held, so a test can read the peak heap use of an operation in its own
// process.
#include "tests/image/CountingAllocator.h"

#include <atomic>
#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

std::atomic<std::size_t> g_inUse{0};
std::atomic<std::size_t> g_peak{0};

void* Take(std::size_t size) {
    void* p = std::malloc(size ? size : 1);
    if (!p)
        return nullptr;
    const std::size_t now = g_inUse += malloc_usable_size(p);
    for (std::size_t peak = g_peak; now > peak && !g_peak.compare_exchange_weak(peak, now);) {
    }
    return p;
}

void Give(void* p) noexcept {
    if (p) {
        g_inUse -= malloc_usable_size(p);
        std::free(p);
    }
}

} // namespace

namespace velmar::test {
std::size_t HeapInUse() {
    return g_inUse;
}
std::size_t HeapPeak() {
    return g_peak;
}
void ResetHeapPeak() {
    g_peak = g_inUse.load();
}
} // namespace velmar::test

// The library's array, sized and nothrow forms all come down to these two.
void* operator new(std::size_t size) {
    if (void* p = Take(size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    Give(p);
}
void operator delete(void* p, std::size_t) noexcept {
    Give(p);
}
