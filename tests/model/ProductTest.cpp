// The named product rules against the receiver families the program knows.
#include "model/Product.h"
#include "contracts/Policy.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

TEST(Product, ReceptionOfEachFamily) {
    // One letter for each rule that holds, a dot for each that does not:
    // satellite, terrestrial, cable, satellite and terrestrial, terrestrial
    // only, cable only, satellite 1 the terrestrial network, multiplex block.
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0x01, "s......."}, {0x19, "s......."}, {0x02, ".t..T.pm"},
        {0x12, ".t..T.pm"}, {0x04, "..c..C.."}, {0x14, "..c..C.."},
        {0x03, "st.S..p."}, {0x0A, ".t....pm"}, {0x05, "s.c....."}};
    for (const auto& [type, expected] : cases) {
        const bool rules[] = {IsSatellite(type),
                              IsTerrestrial(type),
                              IsCable(type),
                              IsSatelliteAndTerrestrial(type),
                              IsTerrestrialOnly(type),
                              IsCableOnly(type),
                              IsTerrestrialPseudoSatellite(type, 1),
                              HasTerrestrialMuxBlock(type)};
        std::string held;
        for (std::size_t i = 0; i < 8; ++i)
            held += rules[i] ? "stcSTCpm"[i] : '.';
        EXPECT_EQ(held, expected) << "type " << type;
        EXPECT_FALSE(IsTerrestrialPseudoSatellite(type, 2)) << "type " << type;
    }
    // The long-entry bit is not part of "only": 0x0A is terrestrial with
    // long satellite entries, not terrestrial only.
    EXPECT_TRUE(HasLongSatelliteEntries(0x0A));
    EXPECT_FALSE(HasLongSatelliteEntries(0x01));
}

TEST(Product, TunerEntriesAndColumn) {
    // Y or n for types 0x01, 0x02, 0x04, 0x03, 0x06: satellite and
    // terrestrial (0x03) keep both tuners.
    std::string drops, terrestrialOrCable;
    for (const std::uint32_t type : {0x01u, 0x02u, 0x04u, 0x03u, 0x06u}) {
        drops += DropsTunerEntries(type) ? 'Y' : 'n';
        terrestrialOrCable += IsTerrestrialOrCable(type) ? 'Y' : 'n';
    }
    EXPECT_EQ(drops, "nYYnY");
    EXPECT_EQ(terrestrialOrCable, "nYYYY");
}

TEST(Product, FavoritePositionWordsFollowTheEntryLayout) {
    EXPECT_FALSE(HasFavoritePositions(0x0F));
    for (std::uint32_t bit : {0x10u, 0x20u, 0x40u})
        EXPECT_TRUE(HasFavoritePositions(0x01 | bit));
    EXPECT_EQ(StandardEntryFavoriteWords(0x21), 24);
    EXPECT_EQ(StandardEntryFavoriteWords(0x41), 32);
    EXPECT_EQ(StandardEntryFavoriteWords(0x61), 24) << "0x20 is tested first";
    EXPECT_EQ(StandardEntryFavoriteWords(0x11), 0) << "standard entries ignore 0x10";
    EXPECT_EQ(ShortEntryFavoriteWords(0x11), 8);
    EXPECT_EQ(ShortEntryFavoriteWords(0x61), 0);

    // Compact entries carry only the 8 (0x41 on list 7: none).
    EXPECT_EQ((std::array{FavoritePositionWords(0x49, 64), FavoritePositionWords(0x21, 1),
                          FavoritePositionWords(0x19, 8), FavoritePositionWords(0x12, 9),
                          FavoritePositionWords(0x41, 7)}),
              (std::array{32, 24, 8, 8, 0}));
}

TEST(Product, ModelNumbers) {
    using enum ChannelEntryLayout;
    std::vector<ChannelEntryLayout> layouts;
    for (const int list : {1, 6, 64, 7, 8, 9, 10, 0})
        layouts.push_back(ChannelLayoutOf(list));
    EXPECT_EQ(layouts,
              (std::vector{Standard, Standard, Standard, Compact, Compact, Network, None, None}));

    EXPECT_TRUE(IsSingleBlockImage(0x14, 10));
    EXPECT_FALSE(IsSingleBlockImage(0x12, 10));
    EXPECT_FALSE(IsSingleBlockImage(0x04, 5));

    EXPECT_EQ(TunerNameCode(8, 1, 0), 18) << "list 8: terrestrial source";
    EXPECT_EQ(TunerNameCode(8, 2, 1), 17);
    EXPECT_EQ(TunerNameCode(7, 1, 2), 2) << "other lists show the tuner byte";
}

TEST(Product, CurrentReadsThePolicy) {
    SetProductList(9);
    SetProductType(0x12);
    const Product p = Product::Current();
    EXPECT_EQ(std::pair(p.list, p.type), std::pair(9, 0x12u));
    SetProductList(7);
    SetProductType(1);
}
