// Reference orders from files people keep by hand: a plain text of names,
// one a line in the wanted order (an optional number and a tab or ';'
// before the name), or a CSV with CH# and Name columns. Each name is found
// in the open list (case and blanks ignored; a trailing " HD" or " SD" only
// when no channel has the name exactly) and becomes a reference channel of
// that channel's kind, so the one Apply order does the rest. Also the one
// place that decides how a reference file is read.
#pragma once

#include "model/ChannelRecords.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CZorvDB;

// One wanted place: the name (Windows-1252), the number given before it
// (0: none) and the line it stands on.
struct NamedPlace {
    std::string name;
    std::uint32_t number = 0;
    std::size_t line = 0;
};

// The lines of a text list; blank lines are skipped. None, with the line in
// `error`, for a number out of 1..65535.
std::optional<std::vector<NamedPlace>> ParseNameList(std::string_view bytes, std::string& error);
// The rows of a CSV with a Name column (and a CH# or ProgramNum column for
// the numbers, when it has one).
std::optional<std::vector<NamedPlace>> ParseNameCsv(std::string_view bytes, std::string& error);

// The name as names are compared: Windows-1252 case folded, blanks left out;
// `dropQuality` also drops a trailing "HD" or "SD" that followed a blank.
std::string NameMatchKey(std::string_view name, bool dropQuality);

struct NamedReference {
    std::vector<Channel_Info_Tag> channels; // what Apply order takes
    std::uint32_t unmatchedLines = 0;       // names no channel of the list has
};
// The places matched with the channels of `db` (each channel once, in CH#
// order among equal names). Numbers: the one given, otherwise one above the
// last of the same kind. None, with both lines in `error`, when two places
// of one kind come to the same number.
std::optional<NamedReference>
ResolveNamedPlaces(const CZorvDB& db, const std::vector<NamedPlace>& places, std::string& error);

// What a reference file is: by its extension first (.xls/.cvs workbook,
// .csv, .txt), otherwise by its bytes.
enum class ReferenceKind { Image, Workbook, ChannelCsv, NameCsv, NameList };
ReferenceKind ReferenceKindOf(const std::string& path, std::string_view bytes);

// Reads the reference at `path` for `db`'s list. False with the message in
// `error` when it cannot be read or gives no channel; `unmatchedLines` counts
// the names of a text or CSV list that no channel has.
bool LoadReferenceList(const std::string& path, const CZorvDB& db,
                       std::vector<Channel_Info_Tag>& channels, std::uint32_t& unmatchedLines,
                       std::string& error);

// The same with the error as its phrase, for the editor.
std::optional<std::vector<NamedPlace>> ParseNameList(std::string_view bytes, Phrase& error);
std::optional<std::vector<NamedPlace>> ParseNameCsv(std::string_view bytes, Phrase& error);
std::optional<NamedReference>
ResolveNamedPlaces(const CZorvDB& db, const std::vector<NamedPlace>& places, Phrase& error);
bool LoadReferenceList(const std::string& path, const CZorvDB& db,
                       std::vector<Channel_Info_Tag>& channels, std::uint32_t& unmatchedLines,
                       Phrase& error);
