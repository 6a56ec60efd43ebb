// The checks a record passes before an add/update dialog returns it, shared
// by the editor's dialogs and `velmar-cli edit`: each refuses what the image
// cannot hold or would drop on the next load. Empty when the record may be
// stored; otherwise one message that names the field. Each check is a
// phrase (the editor says it in the user's language) and its English.
#pragma once

#include "model/ChannelRecords.h"
#include "model/Product.h"
#include "model/SatelliteRecords.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <string>
#include <string_view>

class CZorvDB;

// The policy's channel name length L (GetFlashCHBlockInfo's fourth value).
int PolicyChannelNameLength();
// How many name characters a channel entry of this product keeps:
// `nameLength` (the policy's L) in the standard entry, one less in the
// others, which end the name with a zero inside those L bytes; the record's
// size less its terminator when `nameLength` is 0.
int ChannelNameCapacity(const Product& product, int nameLength);
// `nameLength` is the policy's channel name length (0: the record's size).
Phrase ChannelProblem(const Channel_Info_Tag& c, const Product& product, int nameLength);
// `key` is the satellite being updated (0 for a new one, whose ID the
// command chooses): another satellite must not have the same ID.
Phrase SatelliteProblem(const CZorvDB& db, const Satellite_Info_Tag& s, std::uint32_t key);
// `key` as above: no other transponder of the satellite may have the TPID.
Phrase TransponderProblem(const CZorvDB& db, const Transponder_Info_Tag& t, std::uint32_t key);
Phrase CableMuxProblem(const CZorvDB& db, const CableMux_Info_Tag& m, std::uint32_t key);
// A broadcaster's name: not empty (the image drops nameless broadcasters).
Phrase BroadcastNameProblem(std::string_view name);
// "Name must not be empty." and "Name must have at most <max> characters.",
// which the forms' own name check says too.
Phrase EmptyNameProblem();
Phrase NameLengthProblem(std::size_t max);

// The same in English; empty when the record may be stored.
std::string CheckChannel(const Channel_Info_Tag& c, const Product& product, int nameLength);
std::string CheckSatellite(const CZorvDB& db, const Satellite_Info_Tag& s, std::uint32_t key);
std::string CheckTransponder(const CZorvDB& db, const Transponder_Info_Tag& t, std::uint32_t key);
std::string CheckCableMux(const CZorvDB& db, const CableMux_Info_Tag& m, std::uint32_t key);
std::string CheckBroadcastName(std::string_view name);
