// What tells one channel from another when two lists are compared: its kind,
// its service ids and its name.
#pragma once

#include "model/ChannelRecords.h"

#include <cstdint>
#include <cstring>
#include <string_view>

// Which list a channel counts in when channels are compared: unlike the two
// lists' own tests, a channel with both bits counts once.
enum class ServiceKind : std::uint8_t { None, TV, Radio };

// TV when 0x0400 is set (tested first, as the image writers do), radio when
// 0x0800 is, otherwise neither list shows the channel.
inline ServiceKind ServiceKindOf(const Channel_Info_Tag& c) {
    if (IsTV(c))
        return ServiceKind::TV;
    return IsRadio(c) ? ServiceKind::Radio : ServiceKind::None;
}

// (OrgNetID, TSID, ServiceID) in one number, 0 when all three are zero:
// a channel with no ids at all has no identity by ids.
inline std::uint64_t ServiceIds(const Channel_Info_Tag& c) {
    return (std::uint64_t{c.OrgNetID} << 32) | (std::uint64_t{c.TSID} << 16) | c.ServiceID;
}

// The name up to its terminator, never past the field.
inline std::string_view NameOf(const Channel_Info_Tag& c) {
    const void* end = std::memchr(c.Name, 0, sizeof c.Name);
    return {c.Name,
            end ? static_cast<std::size_t>(static_cast<const char*>(end) - c.Name) : sizeof c.Name};
}
