// The fields of the records by name, for tools that set them from text
// (`velmar-cli edit`): numeric fields with their width, and the name. Index
// is not among them: the store decides keys.
#pragma once

#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class FieldSetResult {
    Ok,
    UnknownField,
    BadValue,    // not a number, or does not fit the field
    NameTooLong, // the name is longer than the record holds
};

// Parses "123" or "0x7B" (any case) into a value of at most `bits` bits.
std::optional<std::uint32_t> ParseFieldNumber(std::string_view text, int bits);

// Sets field `name` from `value`. Names are the record's own field names
// (`VideoPID`, `F0`..`F31`, `Group1.w1`); `Name` takes Windows-1252 bytes.
// Nothing changes unless the result is Ok.
FieldSetResult SetChannelField(Channel_Info_Tag& c, std::string_view name, std::string_view value);
FieldSetResult SetSatelliteField(Satellite_Info_Tag& s, std::string_view name,
                                 std::string_view value);
FieldSetResult SetTransponderField(Transponder_Info_Tag& t, std::string_view name,
                                   std::string_view value);
FieldSetResult SetCableMuxField(CableMux_Info_Tag& m, std::string_view name,
                                std::string_view value);
