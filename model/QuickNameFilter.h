// The quick name filter: a channel passes when its name contains the text,
// whatever the case. Names are 8-bit text in Windows-1252, the code page of
// the channel names, so "é" finds "É" as "a" finds "A".
#pragma once

#include "model/ChannelFilter.h"
#include "model/ChannelRecords.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CZorvDB;

class QuickNameFilter {
public:
    QuickNameFilter() = default;
    explicit QuickNameFilter(std::string_view text);

    // An empty text lets every channel pass.
    bool Empty() const { return m_folded.empty(); }
    const std::string& Text() const { return m_text; }

    bool Matches(std::string_view name) const;
    bool Matches(const Channel_Info_Tag& c) const;

private:
    std::string m_text;
    std::string m_folded;
};

// The channels of `kind` that pass the list's filter and the quick filter on
// top of it, in table order: what a list shows while the search field holds
// text.
std::vector<const Channel_Info_Tag*> FilteredChannels(const CZorvDB& db,
                                                      const ChannelFilter& filter,
                                                      const QuickNameFilter& quick,
                                                      ChannelKind kind, std::uint32_t productType);

// A Windows-1252 character in lower case.
char FoldCase1252(char c);
