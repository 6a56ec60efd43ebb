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
    EXPECT_TRUE(HasLongSatelliteEntries(0x0A) && !HasLongSatelliteEntries(0x01));
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
    // 0x20 is tested first; standard entries ignore 0x10; compact entries
    // carry only the 8 (0x41 on list 7: none).
    EXPECT_EQ((std::array{HasFavoritePositions(0x0F), HasFavoritePositions(0x11),
                          HasFavoritePositions(0x21), HasFavoritePositions(0x41)}),
              (std::array{false, true, true, true}));
    EXPECT_EQ((std::array{StandardEntryFavoriteWords(0x21), StandardEntryFavoriteWords(0x41),
                          StandardEntryFavoriteWords(0x61), StandardEntryFavoriteWords(0x11),
                          ShortEntryFavoriteWords(0x11), ShortEntryFavoriteWords(0x61),
                          FavoritePositionWords(0x49, 64), FavoritePositionWords(0x21, 1),
                          FavoritePositionWords(0x19, 8), FavoritePositionWords(0x12, 9),
                          FavoritePositionWords(0x41, 7)}),
              (std::array{24, 32, 24, 0, 8, 0, 32, 24, 8, 8, 0}));
}

TEST(Product, ModelNumbers) {
    using enum ChannelEntryLayout;
    std::vector<ChannelEntryLayout> layouts;
    for (const int list : {1, 6, 64, 7, 8, 9, 10, 0})
        layouts.push_back(ChannelLayoutOf(list));
    EXPECT_EQ(layouts,
              (std::vector{Standard, Standard, Standard, Compact, Compact, Network, None, None}));

    EXPECT_EQ((std::array{IsSingleBlockImage(0x14, 10), IsSingleBlockImage(0x12, 10),
                          IsSingleBlockImage(0x04, 5)}),
              (std::array{true, false, false}));
    EXPECT_EQ(TunerNameCode(8, 1, 0), 18) << "list 8: terrestrial source";
    EXPECT_EQ(TunerNameCode(8, 2, 1), 17);
    EXPECT_EQ(TunerNameCode(7, 1, 2), 2) << "other lists show the tuner byte";
}
