// Several threads hammer the locked operations; ASan (and TSan when run
// under it) must stay quiet and every value must be accounted for.
#include "util/MapListIntegerID.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

TEST(MapListStress, ConcurrentAddRemoveSearch) {
    CMapListIntegerID map;
    constexpr int kThreads = 4;
    constexpr int kRounds = 4000;
    std::atomic<int> removed{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 1; i <= kRounds; ++i) {
                // Each thread owns a key range; key 1 is shared and replaced.
                const auto own = static_cast<std::uint32_t>(t * 100000 + i + 1);
                map.Add(own, new std::uint8_t[8]{});
                map.AddSafety(1, new std::uint8_t[8]{});
                map.SearchByID(own);
                map.SearchOneByExtendedCallback([](std::uint8_t*) { return 0; });
                if (i % 2 == 0 && map.Remove(own) == 1)
                    ++removed;
            }
        });
    }
    for (auto& th : threads)
        th.join();
    EXPECT_EQ(removed.load(), kThreads * kRounds / 2);
    EXPECT_EQ(map.TotalListSize(), static_cast<unsigned>(kThreads * kRounds / 2 + 1));
}
