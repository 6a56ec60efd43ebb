// The large-page advice covers exactly the whole 2 MiB units inside the
// buffer given: nothing before it, nothing after it, and nothing for a
// buffer too small to hold one. Read back from the kernel's own account of
// the mapping (/proc/self/smaps: "hg" marks memory so advised).
#include "platform/LargePages.h"

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/mman.h>

#include <gtest/gtest.h>

namespace {

// Whether the mapping that holds `at` is marked for large pages.
bool Advised(std::uintptr_t at) {
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        std::uintptr_t from = 0, to = 0;
        char dash = 0;
        std::istringstream head(line);
        if (head >> std::hex >> from >> dash >> to && dash == '-') {
            inside = from <= at && at < to;
            continue;
        }
        if (inside && line.rfind("VmFlags:", 0) == 0)
            return line.find(" hg") != std::string::npos;
    }
    return false;
}

} // namespace

TEST(LargePages, OnlyTheWholeUnitsInsideTheBufferAreAdvised) {
    constexpr std::size_t kUnit = kLargePageBytes;
    // Eight units of address space, the buffer starting 4 KiB past the
    // first unit's start and ending 4 KiB short of the sixth unit's end.
    void* space = ::mmap(nullptr, 8 * kUnit, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(space, MAP_FAILED);
    const std::uintptr_t base =
        (reinterpret_cast<std::uintptr_t>(space) + kUnit - 1) & ~(kUnit - 1);
    const std::uintptr_t begin = base + 4096, end = base + 5 * kUnit - 4096;
    PreferLargePages(reinterpret_cast<void*>(begin), end - begin);
    if (!Advised(base + kUnit)) {
        ::munmap(space, 8 * kUnit);
        GTEST_SKIP() << "this kernel takes no large-page advice";
    }
    EXPECT_FALSE(Advised(base)) << "the unit the buffer starts inside";
    for (int unit = 1; unit < 4; ++unit)
        EXPECT_TRUE(Advised(base + unit * kUnit)) << unit;
    EXPECT_TRUE(Advised(base + 4 * kUnit - 1));
    EXPECT_FALSE(Advised(base + 4 * kUnit)) << "the unit the buffer ends inside";

    // Less than a whole unit: nothing.
    const std::uintptr_t small = base + 6 * kUnit + 8192;
    PreferLargePages(reinterpret_cast<void*>(small), kUnit - 16384);
    EXPECT_FALSE(Advised(small));
    ::munmap(space, 8 * kUnit);
}
