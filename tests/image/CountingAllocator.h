// Heap bytes held through operator new, for the peak-memory tests: the test
// binary that links CountingAllocator.cpp counts every allocation it makes.
#pragma once

#include <cstddef>

namespace velmar::test {

std::size_t HeapInUse();
// The most held at once since the last ResetHeapPeak.
std::size_t HeapPeak();
void ResetHeapPeak();

inline constexpr std::size_t kMiB = std::size_t{1} << 20;

} // namespace velmar::test
