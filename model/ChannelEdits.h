// The record changes behind the channel lists' commands and drops, as plain
// functions over the store and a set of keys. Each returns which rows it
// changed and which rows leave the list they were dragged from, so the
// panes can update; none of them asks or shows anything. Keys without a
// record are skipped; a drop with no row under the pointer (key 0) does
// nothing.
#pragma once

#include "model/ChannelRecords.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class CZorvDB;

struct EditedRows {
    std::vector<std::uint32_t> changed; // records whose fields now differ
    std::vector<std::uint32_t> leaving; // rows the source list removes
};

// ---- Drops of channels on the other panes ---------------------------------------------

// SatID becomes the ID of the satellite with `satelliteKey`.
EditedRows SetChannelsSatellite(CZorvDB& db, std::span<const std::uint32_t> keys,
                                std::uint32_t satelliteKey);
// TPID becomes the multiplex's: on cable products `muxValue` is the cable
// multiplex's store key, on terrestrial products its TPID.
EditedRows SetChannelsMux(CZorvDB& db, std::span<const std::uint32_t> keys, std::uint32_t muxValue,
                          std::uint32_t productType);
// SatID and TPID become those of the transponder with `transponderKey`.
EditedRows SetChannelsTransponder(CZorvDB& db, std::span<const std::uint32_t> keys,
                                  std::uint32_t transponderKey);
// BroadcastID becomes that of the broadcaster with `broadcastKey`.
EditedRows SetChannelsBroadcast(CZorvDB& db, std::span<const std::uint32_t> keys,
                                std::uint32_t broadcastKey);
// The genre nibble of Attributes becomes `genre` (0 to 15). The rows leave
// the list only when it shows a genre.
EditedRows SetChannelsGenre(CZorvDB& db, std::span<const std::uint32_t> keys, int genre,
                            bool genreMode);

// ---- Favourite lists -----------------------------------------------------------------

// How a channel joins a list: dropped on the list's node, or made by New
// while the list is shown.
enum class FavoriteJoin { Drop, New };

// The position a channel of `kind` takes when it joins list `listNumber`
// (1-based): one above the highest position in that list among the channels
// of the kind, 1 when there is none.
WORD FavoritePositionOnJoin(const CZorvDB& db, int listNumber, ChannelKind kind);
// Whether a channel joining the list gets a position: always for a drop, for
// New only on products whose channels carry positions.
bool JoiningGetsPosition(FavoriteJoin form, int listNumber, std::uint32_t productType);
// Makes `record` (not yet in the store, or in it) a member of `listNumber`
// with its position as the join form says.
void JoinFavorite(const CZorvDB& db, Channel_Info_Tag& record, int listNumber, ChannelKind kind,
                  FavoriteJoin form, std::uint32_t productType);
// The drop on a favourite node: each channel, member already or not, joins
// list `listIndex` + 1 and takes the next position. Nobody leaves.
EditedRows JoinFavoriteList(CZorvDB& db, std::span<const std::uint32_t> keys, int listIndex,
                            ChannelKind kind);

// Positions 1, 2, 3 ... in list `listNumber` for the channels in this order.
EditedRows SetFavoritePositions(CZorvDB& db, std::span<const std::uint32_t> orderedKeys,
                                int listNumber);

struct FavoriteReorder {
    std::vector<std::uint32_t> order; // the list's rows, top to bottom
    EditedRows rows;
};
// A drag within a shown favourite list: the selected rows go in among the
// others after as many unselected rows as stand up to and including the drop
// row (after all of them when the drop row is selected itself), then the
// positions follow the new order. `rows` are the list's keys top to bottom.
// A drop on key 0, or on a key not in `rows`, changes nothing.
FavoriteReorder ReorderFavoriteList(CZorvDB& db, std::span<const std::uint32_t> rows,
                                    std::span<const std::uint32_t> selected, std::uint32_t dropKey,
                                    int listNumber);

enum class FavoriteRename {
    Renamed,
    Ignored,   // empty name: nothing changes, nothing to say
    WrongSize, // 20 characters or more: "Cannot change Favorite name. mismatch string size"
    NoSuchList,
};
inline constexpr std::size_t kFavoriteNameMax = 19;
// `name` in the image's 8-bit characters.
FavoriteRename RenameFavoriteList(CZorvDB& db, std::uint32_t listNumber, std::string_view name);

// ---- Numbers ---------------------------------------------------------------------------

// Move here and a drag within a list: each moved channel of `kind` in turn
// takes the number of the target (ShowNum on list 8) and the channels between
// close up, as the lists show them; numbers are not compacted and the table
// order stays. Keys of the other kind are left alone. `changed` lists every
// record whose numbers changed.
EditedRows RenumberMovedSet(CZorvDB& db, std::span<const std::uint32_t> moved,
                            std::uint32_t targetKey, ChannelKind kind, int productList);

// ---- Transponders ----------------------------------------------------------------------

// Transponders dropped on a satellite row take that satellite's ID; their
// channels keep theirs.
EditedRows MoveTranspondersToSatellite(CZorvDB& db, std::span<const std::uint32_t> transponderKeys,
                                       std::uint32_t satelliteKey);
