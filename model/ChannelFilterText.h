// What the channel lists show, in words, for the line beside their caption:
// the kind of the filter chosen in the other panes and the name of what was
// chosen, for example "Satellite" and "Astra 1". Names stay Windows-1252
// bytes, as the records hold them; the view turns them into text.
#pragma once

#include "model/ChannelFilter.h"

#include <cstdint>
#include <string>

struct ChannelFilterText {
    // "All", "Satellite", "Terrestrial", "Transponder", "Multiplex",
    // "Provider", "Favorite" or "Genre".
    std::string kind;
    // The chosen satellite's, broadcaster's or favourite list's name, the
    // genre's name, or the transponder's frequency; empty when the choice
    // names no record.
    std::string name;
};

ChannelFilterText DescribeChannelFilter(const CZorvDB& db, const ChannelFilter& filter,
                                        std::uint32_t productType);
