// Result codes, ownership and ordering of the two keyed map containers.
#include "util/MapListIntegerID.h"
#include "util/MapListStringID.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

// A value block that carries a tag, to tell which value a lookup found.
std::uint8_t* Block(int tag) {
    auto* p = new std::uint8_t[4];
    std::memcpy(p, &tag, sizeof tag);
    return p;
}
int Tag(const std::uint8_t* p) {
    int tag = 0;
    std::memcpy(&tag, p, sizeof tag);
    return tag;
}

} // namespace

TEST(MapListIntegerID, AddKeepsAddSafetyReplacesAndUpdateHandsTheOldValueBack) {
    CMapListIntegerID map;
    std::unique_ptr<std::uint8_t[]> second(Block(2)); // not taken: ours to free
    EXPECT_EQ(map.Add(1, Block(10)), 1);
    EXPECT_EQ(map.Add(1, second.get()), 1);
    EXPECT_EQ(Tag(map.SearchByID(1)), 10) << "Add keeps the first value";
    EXPECT_EQ(map.AddSafety(1, Block(11)), 1); // frees 10 (ASan checks the leak)
    EXPECT_EQ(Tag(map.SearchByID(1)), 11);
    std::unique_ptr<std::uint8_t[]> old(map.SearchByID(1));
    EXPECT_EQ(map.Update(1, Block(12)), 1); // 11 is not freed: `old` frees it
    EXPECT_EQ(Tag(map.SearchByID(1)), 12);
    EXPECT_EQ(map.Update(2, Block(20)), 1) << "Update inserts a missing key";
    EXPECT_EQ(map.TotalListSize(), 2u);
}

TEST(MapListIntegerID, NeighboursInKeyOrder) {
    CMapListIntegerID map;
    EXPECT_EQ(map.GetNextIDUnsafety(0), nullptr);
    EXPECT_EQ(map.GetPrevIDUnsafety(0), nullptr);
    map.Add(9, Block(9));
    map.Add(5, Block(5));
    EXPECT_EQ(Tag(map.GetNextIDUnsafety(0)), 5);
    EXPECT_EQ(Tag(map.GetNextIDUnsafety(5)), 9);
    EXPECT_EQ(map.GetNextIDUnsafety(9), nullptr);
    EXPECT_EQ(map.GetNextIDUnsafety(6), nullptr) << "missing key";
    EXPECT_EQ(Tag(map.GetPrevIDUnsafety(0)), 9);
    EXPECT_EQ(Tag(map.GetPrevIDUnsafety(9)), 5);
    EXPECT_EQ(map.GetPrevIDUnsafety(5), nullptr);
    EXPECT_EQ(map.GetPrevIDUnsafety(6), nullptr);
    const auto* found = map.SearchOneByExtendedCallback([](std::uint8_t* v) { return Tag(v) > 6; });
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(Tag(found), 9);
    EXPECT_EQ(map.SearchOneByExtendedCallback([](std::uint8_t*) { return 0; }), nullptr);
    EXPECT_EQ(map.ClearAllListUnsafety(), 1);
    EXPECT_TRUE(map.IsEmpty());
}

TEST(MapListStringID, KeysAreCopiedAndOrderedByBytes) {
    CMapListStringID map;
    char key[8] = "beta";
    EXPECT_EQ(map.Add(key, Block(2)), 1);
    std::strcpy(key, "zzz"); // the container kept its own copy
    EXPECT_EQ(map.Add("Alpha", Block(1)), 1);
    EXPECT_EQ(map.Add("\xE9t\xE9", Block(3)), 1);
    EXPECT_EQ(Tag(map.SearchByID("beta")), 2);
    EXPECT_EQ(map.SearchByID("zzz"), nullptr);
    // Byte order: 'A' (0x41) < 'b' (0x62) < 0xE9.
    EXPECT_EQ(Tag(map.GetNextIDUnsafety(nullptr)), 1);
    EXPECT_EQ(Tag(map.GetNextIDUnsafety("Alpha")), 2);
    EXPECT_EQ(Tag(map.GetNextIDUnsafety("beta")), 3);
    EXPECT_EQ(Tag(map.GetPrevIDUnsafety(nullptr)), 3);
    EXPECT_EQ(map.Add(nullptr, nullptr), -1) << "null key";
    EXPECT_EQ(map.Remove(nullptr), -1);
    EXPECT_EQ(map.Remove("nope"), -2);
    // The string twin matches only a callback result above 0.
    EXPECT_EQ(map.SearchOneByExtendedCallback([](std::uint8_t*) { return -1; }), nullptr);
    EXPECT_EQ(Tag(map.SearchOneByExtendedCallback([](std::uint8_t* v) { return Tag(v) == 3; })), 3);
}

TEST(MapList, CopiesShareValuesWithoutFreeingThemTwice) {
    auto copy = std::make_unique<CMapListIntegerID>();
    {
        CMapListIntegerID original;
        original.Add(1, Block(1));
        original.Add(2, Block(2));
        *copy = original;
        CMapListIntegerID second(original);
        EXPECT_EQ(second.SearchByID(1), original.SearchByID(1)) << "pointers, not values";
        original.Remove(1); // the copies still hold block 1
    }
    EXPECT_EQ(Tag(copy->SearchByID(1)), 1);
    EXPECT_EQ(copy->TotalListSize(), 2u);
}
