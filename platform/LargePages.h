// Buffers of many megabytes (a workbook's file, its stream, tens of
// thousands of channels) cost a page fault for every 4 KiB the first time
// they are written, and on virtual machines those faults are most of a
// workbook's read. Asked for before the first write, the system backs them
// with 2 MiB pages where it can (transparent huge pages in "madvise" mode,
// Debian's default): one fault per 2 MiB. Where it cannot, nothing changes.
#pragma once

#include <cstddef>

// Below this a buffer is left as it is: a large page would only waste room.
inline constexpr std::size_t kLargePageBytes = std::size_t{2} << 20;

// Asks for large pages under the whole 2 MiB units within `size` bytes from
// `data` (memory that was allocated, not yet written). Harmless on memory
// already written, or where the system has no large pages.
void PreferLargePages(void* data, std::size_t size) noexcept;

// The same for a container's reserved room: reserve first, then this, then
// fill. `c` is a std::string or a std::vector.
template <class Container> void PreferLargePagesFor(Container& c) noexcept {
    PreferLargePages(c.data(), c.capacity() * sizeof(*c.data()));
}
