// Receiver profiles: the start-up receiver is configured exactly as before,
// every profile puts its own values into the policy, and every profile's
// geometry is one the codec can hold.
#include "contracts/ReceiverProfiles.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

class Profiles : public ::testing::Test {
protected:
    void SetUp() override { velmar::policy_profile::Reset(); }
    void TearDown() override { velmar::policy_profile::Reset(); }
};

template <void (*Get)(int*, int*, int*, int*)> std::array<int, 4> Four() {
    std::array<int, 4> v{-1, -1, -1, -1};
    Get(&v[0], &v[1], &v[2], &v[3]);
    return v;
}
template <void (*Get)(int*, int*, int*)> std::array<int, 3> Three() {
    std::array<int, 3> v{-1, -1, -1};
    Get(&v[0], &v[1], &v[2]);
    return v;
}

} // namespace

// The start-up receiver's geometry is what the capacity and image tests
// work with; its sector size, multiplex count and grid column are what the
// component answers by itself before anything is configured.
TEST_F(Profiles, StartupPolicyLeavesTheComponentsOwnAnswers) {
    const int z = GetFlashOneSectorSize(), m = GetFlashMaxMuxCount(), g = GetGridColumn();
    ConfigurePolicy(*FindReceiverProfile("cable-single-block"));
    velmar::policy_profile::SetGridColumn(1);
    ConfigureStartupPolicy();
    EXPECT_EQ((std::array{GetFlashOneSectorSize(), GetFlashMaxMuxCount(), GetGridColumn()}),
              (std::array{z, m, g}));
}

TEST_F(Profiles, EachProfileConfiguresThePolicyToItsValues) {
    const auto all = ReceiverProfiles();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const ReceiverProfile& p = all[i];
        SCOPED_TRACE(std::string(p.name));
        ConfigurePolicy(all[(i + 1) % all.size()]); // a different one before
        ReceiverProfile changed = p;
        changed.gridColumn = 1;
        ConfigurePolicy(changed);
        EXPECT_EQ((std::array<std::int64_t, 6>{GetProductList(), GetProductType(),
                                               GetFlashByteOrder(), GetFlashOneSectorSize(),
                                               GetFlashMaxMuxCount(), GetGridColumn()}),
                  (std::array<std::int64_t, 6>{p.productList, p.productType, p.byteOrder,
                                               p.sectorSize, p.maxMuxCount, 1}));
        EXPECT_EQ(Four<GetFlashMMIBlockInfo>(),
                  (std::array{p.mmi.start, p.mmi.sectors, p.mmi.entrySize, p.mmi.fourth}));
        EXPECT_EQ(Three<GetFlashSatBlockInfo>(),
                  (std::array{p.sat.start, p.sat.sectors, p.sat.entrySize}));
        EXPECT_EQ(Three<GetFlashBrdBlockInfo>(),
                  (std::array{p.brd.start, p.brd.sectors, p.brd.entrySize}));
        EXPECT_EQ(Three<GetFlashTPBlockInfo>(),
                  (std::array{p.tp.start, p.tp.sectors, p.tp.entrySize}));
        EXPECT_EQ(Four<GetFlashCHBlockInfo>(),
                  (std::array{p.ch.start, p.ch.sectors, p.ch.entrySize, p.ch.fourth}));
        EXPECT_EQ(PolicySteps(p)[3].args[0], 7744) << "every family: flash start block";
        EXPECT_EQ(PolicySteps(p)[4].args[0], 1) << "every family: checksum size";
    }
}

TEST_F(Profiles, NamesAreUniqueTypeableAndFoundAndEveryFamilyOfTheCodecIsCovered) {
    std::set<std::pair<int, std::uint32_t>> families;
    for (const ReceiverProfile& p : ReceiverProfiles()) {
        const std::string name(p.name);
        families.insert({p.productList, p.productType});
        EXPECT_EQ(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"), name.npos)
            << name << " must be typeable as a command-line value";
        EXPECT_FALSE(p.description.empty() || p.models.empty()) << name;
        EXPECT_EQ(FindReceiverProfile(name), &p) << "found, and no other profile has the name";
        EXPECT_EQ(ReceiverCaption(p).rfind("Velmar for ", 0), 0u);
    }
    for (const char* wrong : {"", "Satellite", "satellite "})
        EXPECT_EQ(FindReceiverProfile(wrong), nullptr) << "names are exact";
    // Satellite: the start-up compact entries, long entries with positions,
    // standard entries with 24 and 32 positions; twin tuner cable and
    // terrestrial; terrestrial only, with network entries; cable only;
    // satellite and terrestrial; single-block cable.
    const std::set<std::pair<int, std::uint32_t>> codec{
        {7, 0x01u}, {8, 0x19u}, {1, 0x21u}, {64, 0x49u}, {5, 0x04u}, {6, 0x02u},
        {1, 0x02u}, {9, 0x12u}, {2, 0x04u}, {3, 0x03u},  {10, 0x14u}};
    EXPECT_TRUE(std::includes(families.begin(), families.end(), codec.begin(), codec.end()));
}

namespace {

// Bytes each channel entry layout needs with name length L and the type's
// favourite positions, worked out from the layouts.
int ChannelLayoutBytes(const ReceiverProfile& p) {
    const int L = p.ch.fourth;
    const std::uint32_t t = p.productType;
    const int positions8 = (t & 0x10) ? 16 : 0;
    switch (p.productList) {
    case 7:
        return 6 + 19 + L + positions8;
    case 8:
        return 8 + 19 + L + positions8;
    case 9:
        return 35 + L + positions8;
    case 10:
        return 32 + L + positions8;
    default:
        return 30 + L + ((t & 0x20) ? 48 : (t & 0x40) ? 64 : 0);
    }
}

} // namespace

TEST_F(Profiles, GeometryHoldsEveryLayoutWithoutOverlap) {
    for (const ReceiverProfile& p : ReceiverProfiles()) {
        SCOPED_TRACE(std::string(p.name));
        const int z = p.sectorSize;
        EXPECT_GE(p.ch.entrySize, ChannelLayoutBytes(p));
        EXPECT_LE(p.ch.fourth, 254);
        EXPECT_GE(p.mmi.fourth, 1);
        if (p.productType & 0x01)
            EXPECT_GE(p.sat.entrySize, (p.productType & 0x08) ? 44 : 32);
        else
            EXPECT_EQ(p.sat.sectors, 0) << "no satellite block without satellites";
        if ((p.productType & 0x02) && !(p.productType & 0x01)) {
            EXPECT_LE(p.maxMuxCount * (p.tp.entrySize + p.brd.entrySize), z)
                << "a terrestrial sector holds its multiplexes and broadcasters";
            EXPECT_GE(p.tp.entrySize, 16);
        }
        if (p.productList == 10) {
            EXPECT_GE(p.tp.entrySize, 16);
            EXPECT_GE(p.brd.entrySize, 20);
            EXPECT_GE(p.tp.start, p.mmi.start + p.mmi.sectors * z);
            continue;
        }
        // Sector-structured: the blocks that exist must not share a byte.
        std::vector<std::pair<int, int>> spans;
        for (const ReceiverBlock* b : {&p.mmi, &p.sat, &p.brd, &p.tp, &p.ch})
            if (b->sectors > 0)
                spans.push_back({b->start, b->start + b->sectors * z});
        std::sort(spans.begin(), spans.end());
        for (std::size_t i = 1; i < spans.size(); ++i)
            EXPECT_LE(spans[i - 1].second, spans[i].first);
        EXPECT_EQ(ReceiverFlashBytes(p), spans.back().second);
    }
}

TEST_F(Profiles, FlashBytesWorkedOutByHand) {
    // Channel block 0xC000 + 64 sectors of 4096: the example image's size less its header.
    EXPECT_EQ(ReceiverFlashBytes(DefaultReceiverProfile()), 49152 + 64 * 4096);
    // Favourite sector, then at 4096: 64 x 16 + 32 x 20 + 1000 x 80 + the 20-byte trailer.
    EXPECT_EQ(ReceiverFlashBytes(*FindReceiverProfile("cable-single-block")),
              4096 + 1024 + 640 + 80000 + 20);
}

TEST_F(Profiles, CommandLineThenSavedChoiceThenStartup) {
    const ReceiverProfile* cable = FindReceiverProfile("cable");
    const ReceiverProfile* terrestrial = FindReceiverProfile("terrestrial");
    EXPECT_EQ(PolicySteps(ChooseReceiver(nullptr, "", std::nullopt)),
              PolicySteps(DefaultReceiverProfile()));
    EXPECT_EQ(ChooseReceiver(nullptr, "", std::nullopt).gridColumn, 0);
    EXPECT_EQ(ChooseReceiver(nullptr, "cable", std::nullopt).name, "cable");
    EXPECT_EQ(ChooseReceiver(terrestrial, "cable", std::nullopt).name, "terrestrial")
        << "the command line wins for its run";
    EXPECT_EQ(ChooseReceiver(nullptr, "no-such-receiver", std::nullopt).name, "satellite");
    EXPECT_EQ(ChooseReceiver(cable, "", 1).gridColumn, 1);
    EXPECT_EQ(ChooseReceiver(nullptr, "", 7).gridColumn, 1) << "any non-zero shows the columns";
    EXPECT_EQ(ChooseReceiver(nullptr, "cable", 0).productList, 2);
}
