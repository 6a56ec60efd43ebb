// The quick name filter: a channel passes when its name contains the text,
// whatever the case. Names are 8-bit text in Windows-1252, the code page of
// the channel names, so "é" finds "É" as "a" finds "A".
#pragma once

#include "model/ChannelRecords.h"

#include <string>
#include <string_view>

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

// A Windows-1252 character in lower case.
char FoldCase1252(char c);
