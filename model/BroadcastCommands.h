// The commands of the broadcaster grid: new, update (the name), delete and
// the description text. Names are Windows-1252 bytes, as the records hold them.
#pragma once

#include "platform/ByteOrder.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class CZorvDB;

inline constexpr std::size_t kBroadcastNameMax = 16;

// The BroadcastID of the last broadcaster in table order (what the grid's
// last row shows until a header click sorts it); 0 when there is none.
WORD LastBroadcastID(const CZorvDB& db);
// Adds a broadcaster with BroadcastID `lastRowId` + 1 (the grid's last row's
// ID, 0 for an empty grid) and the name cut to 16 characters; its store key.
std::uint32_t NewBroadcast(CZorvDB& db, WORD lastRowId, std::string_view name);
// Sets the name (cut to 16 characters); false when there is no such row.
bool RenameBroadcast(CZorvDB& db, std::uint32_t key, std::string_view name);
// Deletes the broadcasters; channels keep their BroadcastID. Returns how
// many were deleted.
int DeleteBroadcasts(CZorvDB& db, std::span<const std::uint32_t> keys);
// "Broadcast Name : %s (ID : %d)" of the broadcaster; empty when none.
std::string BroadcastDescriptionText(const CZorvDB& db, std::uint32_t key);
