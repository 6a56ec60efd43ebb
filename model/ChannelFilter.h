// What the channel lists show: a filter chosen in the other panes (a
// satellite, transponder or multiplex, broadcaster, favourite list or genre)
// and the test each channel passes or fails. Both lists hold one each.
#pragma once

#include "model/ChannelRecords.h"

#include <cstdint>
#include <vector>

class CZorvDB;

enum class ChannelFilterKind : int {
    All = 0,
    Satellite = 1,
    Transponder = 2,
    Mux = 3, // a multiplex, with the source forced to the terrestrial network
    Broadcast = 5,
    Favorite = 7,
    Genre = 8,
};

// Columns of the channel lists that rows are sorted by.
inline constexpr int kChannelColumnFavorite = 2;
inline constexpr int kChannelColumnNumber = 5;

struct ChannelFilter {
    ChannelFilterKind kind = ChannelFilterKind::All;
    // Satellite ID that kind Satellite matches; 1 when the terrestrial source
    // is chosen on a product with satellite and terrestrial reception.
    int satellite = 0;
    // Kinds Transponder and Mux: the store key of a transponder (satellite
    // products) or cable multiplex (cable-only products), or the TPID itself
    // (terrestrial-only products).
    std::uint32_t transponder = 0;
    std::uint32_t broadcast = 0; // store key of the broadcaster
    int favorite = 0;            // list number from 1; 0 matches every channel
    int genre = 0;               // 0 to 15

    // Every channel of the list's kind.
    static ChannelFilter All();
    // Channels of the satellite with that key (ID 0, so all, when there is none).
    static ChannelFilter BySatellite(const CZorvDB& db, std::uint32_t satelliteKey);
    // Channels on a transponder or multiplex; the satellite value carries on.
    static ChannelFilter ByTransponder(const ChannelFilter& current, std::uint32_t key);
    // Channels of a multiplex of the terrestrial source.
    static ChannelFilter ByMux(std::uint32_t key);
    // Channels of a broadcaster; the terrestrial source stays chosen on
    // terrestrial products, any other satellite value is dropped.
    static ChannelFilter ByBroadcast(const ChannelFilter& current, std::uint32_t broadcastKey,
                                     std::uint32_t productType);
    // which 0: favourite list value + 1; otherwise genre value. The source
    // carries on as for ByBroadcast.
    static ChannelFilter ByFavoriteOrGenre(const ChannelFilter& current, int which, int value,
                                           std::uint32_t productType);

    // The filter's tests, in order, for a channel of the list's kind (the
    // kind itself is the caller's test, see FilteredChannels).
    bool Passes(const CZorvDB& db, const Channel_Info_Tag& c, std::uint32_t productType) const;

    // A favourite list is shown (kind Favorite with a list of 1 to 32): the
    // list's rows carry positions and the commands work on membership.
    bool IsFavoriteMode() const;
    // The shown favourite list, 0-based; -1 outside favourite mode.
    int FavoriteIndex() const { return IsFavoriteMode() ? favorite - 1 : -1; }
    bool IsGenreMode() const { return kind == ChannelFilterKind::Genre; }
    // By favourite position in favourite mode on products whose channels
    // carry positions; by channel number otherwise.
    bool SortsByFavoritePosition(std::uint32_t productType) const;
    int SortColumn(std::uint32_t productType) const {
        return SortsByFavoritePosition(productType) ? kChannelColumnFavorite : kChannelColumnNumber;
    }

    bool operator==(const ChannelFilter&) const = default;
};

// The channels of `kind` that pass `filter`, in table order.
std::vector<const Channel_Info_Tag*> FilteredChannels(const CZorvDB& db,
                                                      const ChannelFilter& filter, ChannelKind kind,
                                                      std::uint32_t productType);
