// Entry forms of the favourite, satellite, transponder, broadcast and
// multiplex blocks: one decode and one encode function per form.
#pragma once

#include "image/EntryIO.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"

// Minimum entry sizes the forms need.
inline constexpr int kFavoriteEntryMin = 20;
inline constexpr int kSatShortEntry = 32;
inline constexpr int kSatLongEntry = 44;
inline constexpr int kTransponderEntryBase = 12;
inline constexpr int kBroadcastEntryMin = 20;
inline constexpr int kCableMuxEntryBase = 12;

void DecodeFavorite(const EntryReader& e, FavoriteList& f);
void EncodeFavorite(const FavoriteList& f, EntryWriter& e);

void DecodeSatelliteShort(const EntryReader& e, Satellite_Info_Tag& s);
void EncodeSatelliteShort(const Satellite_Info_Tag& s, EntryWriter& e);
void DecodeSatelliteLong(const EntryReader& e, Satellite_Info_Tag& s);
void EncodeSatelliteLong(const Satellite_Info_Tag& s, EntryWriter& e);

// Bytes 0-11, and the extension bytes 12-19 when withExtension.
void DecodeTransponderStandard(const EntryReader& e, bool withExtension, Transponder_Info_Tag& t);
void EncodeTransponderStandard(const Transponder_Info_Tag& t, bool withExtension, EntryWriter& e);
// Re-decodes bytes 0-7 of a terrestrial multiplex kept as a transponder.
void DecodeTransponderTerrestrial(const EntryReader& e, int order, Transponder_Info_Tag& t);
void EncodeTransponderTerrestrial(const Transponder_Info_Tag& t, bool withExtension, int order,
                                  EntryWriter& e);

void DecodeBroadcast(const EntryReader& e, Broadcast_Info_Tag& b);
void EncodeBroadcast(const Broadcast_Info_Tag& b, EntryWriter& e);

// The packed Params word in four bytes: order 0 least significant first
// (top two bits of the fourth byte unused), order 1 each byte filled from its
// top bit down.
DWORD UnpackMuxParams(const BYTE* b, int order);
void PackMuxParams(DWORD params, int order, BYTE* b);

void DecodeTerrestrialMux(const EntryReader& e, int order, SMux_Info_Tag& m);
void DecodeTerrestrialBroadcaster(const EntryReader& e, Broadcast_Info_Tag& b);

void DecodeCableMux(const EntryReader& e, CableMux_Info_Tag& m);
void EncodeCableMux(const CableMux_Info_Tag& m, EntryWriter& e);

// Entries of the cable single block.
void DecodeSingleMux(const EntryReader& e, CableMux_Info_Tag& m);
void EncodeSingleMux(const CableMux_Info_Tag& m, EntryWriter& e);
void DecodeSingleBroadcaster(const EntryReader& e, Broadcast_Info_Tag& b);
void EncodeSingleBroadcaster(const Broadcast_Info_Tag& b, EntryWriter& e);
