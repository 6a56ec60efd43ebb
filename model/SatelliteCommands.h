// The commands of the satellite and transponder grids: new, update, delete
// with its cascade to transponders and channels, and the description lookup.
// Plain functions over the store; the caller runs each as one edit and asks
// the delete question first.
#pragma once

#include "model/SatelliteRecords.h"
#include "platform/ByteOrder.h"

#include <cstdint>
#include <span>
#include <vector>

class CZorvDB;

// Which maker dialog edits a satellite: the long-entry form has its own.
enum class SatelliteDialogKind { Sat, Sat2 };
SatelliteDialogKind SatelliteDialogFor(std::uint32_t productType);

// 1 + the highest ID in table 0 (1 when there is none); 0 when 255 is taken,
// so that no new satellite can get an ID another satellite already has.
BYTE NextSatelliteID(const CZorvDB& db);
// Adds the dialog's satellite with a fresh ID and Flag 1; its store key, or
// 0 when no ID is free (nothing changes).
std::uint32_t NewSatellite(CZorvDB& db, const Satellite_Info_Tag& fromDialog);
// Copies the dialog's whole record over the satellite with `key`, which keeps
// its key; false when there is no such satellite.
bool UpdateSatellite(CZorvDB& db, std::uint32_t key, const Satellite_Info_Tag& fromDialog);
// For each satellite in `keys` that still exists, on its ID d: channels of d
// are deleted and those above d move down by one; the same for transponders;
// then the satellite goes and the higher IDs move down. Returns how many
// satellites were deleted.
int DeleteSatellites(CZorvDB& db, std::span<const std::uint32_t> keys);

// The satellites a transponder or channel dialog lists: every one, except the
// terrestrial network's pseudo-satellite (ID 1) on terrestrial products.
std::vector<const Satellite_Info_Tag*> DialogSatelliteList(const CZorvDB& db,
                                                           std::uint32_t productType);
// The preset of a new transponder: all zero, SatID the grid's satellite filter.
Transponder_Info_Tag PresetTransponder(BYTE satelliteFilter);
// 1 + the highest TPID among the transponders of `satID` (1 when none); 0
// when 255 is taken.
BYTE NextTransponderID(const CZorvDB& db, BYTE satID);
// Adds the dialog's transponder with the next TPID of its satellite and
// raises `maxTpid` (the image's highest-TPID counter) by one; its store key,
// or 0 when the satellite has no TPID left or SatID is 0 (nothing changes).
std::uint32_t NewTransponder(CZorvDB& db, const Transponder_Info_Tag& fromDialog, DWORD& maxTpid);
bool UpdateTransponder(CZorvDB& db, std::uint32_t key, const Transponder_Info_Tag& fromDialog);
// For each transponder in `keys` that still exists, on its (SatID s, TPID t):
// channels on s/t are deleted, those on s above t move down by one TPID; the
// same for the transponders of s. Returns how many were deleted.
int DeleteTransponders(CZorvDB& db, std::span<const std::uint32_t> keys);

// What the description dialog of a transponder shows: its satellite (the
// first with its SatID as ID; null when none) and the transponder itself.
struct TransponderDescription {
    const Satellite_Info_Tag* satellite = nullptr;
    const Transponder_Info_Tag* transponder = nullptr;
};
TransponderDescription DescribeTransponder(const CZorvDB& db, std::uint32_t key);
