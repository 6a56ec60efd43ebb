// The commands of the cable multiplex grid: new, update and delete with its
// cascade to channels. Plain functions over the store; the caller runs each
// as one edit and asks the delete question first.
#pragma once

#include "model/ChannelRecords.h"
#include "platform/ByteOrder.h"

#include <cstdint>
#include <span>

class CZorvDB;

// The ID a new cable multiplex gets: the low byte of the image's highest-TPID
// counter plus one. When that wraps to 0 or is already a multiplex's ID, the
// lowest free ID from 1 instead; 0 when all 255 are taken.
BYTE NextCableMuxID(const CZorvDB& db, DWORD maxTpid);
// Adds the dialog's multiplex with NextCableMuxID and raises `maxTpid` by one;
// its store key, or 0 when no ID is free (nothing changes).
std::uint32_t NewCableMux(CZorvDB& db, const CableMux_Info_Tag& fromDialog, DWORD& maxTpid);
bool UpdateCableMux(CZorvDB& db, std::uint32_t key, const CableMux_Info_Tag& fromDialog);
// For each multiplex in `keys` that still exists, on its TPID d: channels of
// any satellite on d are deleted and those above d move down by one; the same
// for the cable multiplexes. Returns how many were deleted.
int DeleteCableMuxes(CZorvDB& db, std::span<const std::uint32_t> keys);
