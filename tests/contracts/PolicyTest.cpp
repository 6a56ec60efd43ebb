// The product policy hands back what was set and answers its own values.
#include "contracts/Policy.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

class Policy : public ::testing::Test {
protected:
    void TearDown() override { velmar::policy_profile::Reset(); }
};

} // namespace

// Every setter read back is ReceiverProfilesTest's (each profile's values).
TEST_F(Policy, NullPointersAreSkippedAndOwnValuesComeBackOnReset) {
    SetFlashCHBlockInfo(49152, 64, 56, 28);
    int c = -1;
    GetFlashCHBlockInfo(nullptr, nullptr, &c, nullptr);
    EXPECT_EQ(c, 56);
    auto own = [] {
        return std::array{GetFlashOneSectorSize(), GetGridColumn(), GetFlashMaxMuxCount()};
    };
    EXPECT_EQ(own(), (std::array{4096, 0, 64}));
    velmar::policy_profile::SetFlashOneSectorSize(512);
    velmar::policy_profile::SetFlashMaxMuxCount(4);
    EXPECT_EQ(own(), (std::array{512, 0, 4}));
    velmar::policy_profile::Reset();
    EXPECT_EQ(own(), (std::array{4096, 0, 64}));
}

TEST_F(Policy, MuxNamesAndFrequenciesFollowTheUhfRaster) {
    std::string names;
    for (const int index : {0, 48, 49, 200}) {
        char name[kMuxNameMax];
        GetMuxName(static_cast<std::uint8_t>(index), name);
        names += std::string(name) + ";";
    }
    EXPECT_EQ(names, "UHF 21;UHF 69;MUX 49;MUX 200;");
    // The table index has three bits: every offset, then the index wraps.
    const int offsets[] = {0, 166, -166, 333, -333, 500, -500, 125, 0};
    for (int table = 0; table <= 8; ++table)
        EXPECT_EQ(GetMuxFrequency(2, table, 0), 490000 + offsets[table]) << "table " << table;
    EXPECT_EQ(GetMuxFrequency(1, 0, 0), 482000);
    EXPECT_EQ(GetMuxFrequency(-1, 0, 0), 0) << "TPID 0 minus 1";
}
