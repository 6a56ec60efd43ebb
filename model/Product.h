// What the receiver family can do, named. The product type is a bit mask of
// capabilities and the product list a model number; every rule that tells
// families apart reads one of these functions instead of testing bits.
#pragma once

#include <cstdint>

// Product type bits.
inline constexpr std::uint32_t kProductSatellite = 0x01;
inline constexpr std::uint32_t kProductTerrestrial = 0x02;
inline constexpr std::uint32_t kProductCable = 0x04;
inline constexpr std::uint32_t kProductLongSatellite = 0x08;
inline constexpr std::uint32_t kProductFavorites8 = 0x10;
inline constexpr std::uint32_t kProductFavorites24 = 0x20;
inline constexpr std::uint32_t kProductFavorites32 = 0x40;

// On a receiver with satellite and terrestrial tuners the terrestrial network
// is kept as the satellite with this ID; its transponders are multiplexes.
inline constexpr std::uint8_t kTerrestrialSatelliteId = 1;

// ---- Reception -------------------------------------------------------------------

constexpr bool IsSatellite(std::uint32_t type) {
    return (type & kProductSatellite) != 0;
}
constexpr bool IsTerrestrial(std::uint32_t type) {
    return (type & kProductTerrestrial) != 0;
}
constexpr bool IsCable(std::uint32_t type) {
    return (type & kProductCable) != 0;
}
constexpr bool IsSatelliteAndTerrestrial(std::uint32_t type) {
    return (type & (kProductSatellite | kProductTerrestrial)) ==
           (kProductSatellite | kProductTerrestrial);
}
// The low four bits say terrestrial and nothing else.
constexpr bool IsTerrestrialOnly(std::uint32_t type) {
    return (type & 0x0F) == kProductTerrestrial;
}
// The low four bits say cable and nothing else.
constexpr bool IsCableOnly(std::uint32_t type) {
    return (type & 0x0F) == kProductCable;
}
// A terrestrial or cable receiver: its channel lists have no tuner column.
constexpr bool IsTerrestrialOrCable(std::uint32_t type) {
    return (type & (kProductTerrestrial | kProductCable)) != 0;
}
// The satellite `id` stands for the terrestrial network on this product.
constexpr bool IsTerrestrialPseudoSatellite(std::uint32_t type, std::uint32_t id) {
    return IsTerrestrial(type) && id == kTerrestrialSatelliteId;
}
// Terrestrial multiplexes live in their own block (not as transponders of
// the pseudo-satellite).
constexpr bool HasTerrestrialMuxBlock(std::uint32_t type) {
    return IsTerrestrial(type) && !IsSatelliteAndTerrestrial(type);
}
// A standard channel entry with a tuner byte is dropped on load: the second
// copy the twin-tuner writer stores on terrestrial and cable receivers.
constexpr bool DropsTunerEntries(std::uint32_t type) {
    return IsTerrestrialOrCable(type) && !IsSatelliteAndTerrestrial(type);
}

// ---- Entry forms -----------------------------------------------------------------

// Satellite entries in the 44-byte form with the second setting group.
constexpr bool HasLongSatelliteEntries(std::uint32_t type) {
    return (type & kProductLongSatellite) != 0;
}
// Channel entries carry favourite positions (F0 ...).
constexpr bool HasFavoritePositions(std::uint32_t type) {
    return (type & (kProductFavorites8 | kProductFavorites24 | kProductFavorites32)) != 0;
}
// Favourite-position words of a standard channel entry: 24 for bit 0x20,
// else 32 for bit 0x40, else none.
constexpr int StandardEntryFavoriteWords(std::uint32_t type) {
    if (type & kProductFavorites24)
        return 24;
    if (type & kProductFavorites32)
        return 32;
    return 0;
}
// Favourite-position words of compact, network and single-block entries.
constexpr int ShortEntryFavoriteWords(std::uint32_t type) {
    return (type & kProductFavorites8) ? 8 : 0;
}

enum class ChannelEntryLayout { None, Standard, Compact, Network };

// The channel entry layout of a product list (the cable single block of list
// 10 has its own, see IsSingleBlockImage).
constexpr ChannelEntryLayout ChannelLayoutOf(int list) {
    switch (list) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 64:
        return ChannelEntryLayout::Standard;
    case 7:
    case 8:
        return ChannelEntryLayout::Compact;
    case 9:
        return ChannelEntryLayout::Network;
    default:
        return ChannelEntryLayout::None;
    }
}

// How many favourite positions a channel entry of this product carries.
constexpr int FavoritePositionWords(std::uint32_t type, int list) {
    return ChannelLayoutOf(list) == ChannelEntryLayout::Standard ? StandardEntryFavoriteWords(type)
                                                                 : ShortEntryFavoriteWords(type);
}

// ---- Model numbers ---------------------------------------------------------------

// Transponder entries carry the 8 extension bytes (FEC details).
constexpr bool HasTransponderExtension(int list) {
    return list == 7 || list == 8;
}
// The channel lists show (and sort by) ShowNum as the channel number, and a
// load takes ProgramNum from it.
constexpr bool ShowsShowNum(int list) {
    return list == 8;
}
// After renumbering, LogicalNumber follows ProgramNum.
constexpr bool LogicalNumberFollowsProgramNum(int list) {
    return list != 8 && list != 9;
}
// After renumbering, ShowNum follows ProgramNum.
constexpr bool ShowNumFollowsProgramNum(int list) {
    return list != 9;
}
// The favourite block's last sector is written only up to byte 170.
constexpr bool HasShortFavoriteSector(int list) {
    return list >= 7 && list <= 10;
}
// Channels are written by the twin-tuner writer (every channel twice).
constexpr bool UsesTwinTunerWriter(int list) {
    return list == 5 || list == 6;
}
// The network entry's sector trailer: one count of both kinds.
constexpr bool HasCombinedChannelCount(int list) {
    return list == 9;
}
// A cable multiplex's Modulation byte is the whole QAM code and Invert is its
// own byte.
constexpr bool HasWholeByteModulation(int list) {
    return list == 10;
}
// The receive dialog of the newer models.
constexpr bool UsesExtendedReceiveDialog(int list) {
    return list >= 7 && list <= 10;
}
// The tuner name code a channel list shows for a channel on this product:
// list 8 names the tuner by the source (terrestrial pseudo-satellite or not).
constexpr int TunerNameCode(int list, std::uint8_t satId, std::uint8_t tuner) {
    if (list == 8)
        return satId == kTerrestrialSatelliteId ? 18 : 17;
    return tuner;
}

// The whole database is one block (cable receiver, list 10).
constexpr bool IsSingleBlockImage(std::uint32_t type, int list) {
    return IsCable(type) && list == 10;
}

// The product as the policy reports it now.
struct Product {
    int list = 0;
    std::uint32_t type = 0;

    static Product Current();
};
