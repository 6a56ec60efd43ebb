#include "model/QuickNameFilter.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelIdentity.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    for (int i = 'A'; i <= 'Z'; ++i)
        t[i] = static_cast<unsigned char>(i + 32);
    // À..Þ without the multiplication sign, and the four pairs of 0x80..0x9F.
    for (int i = 0xC0; i <= 0xDE; ++i)
        if (i != 0xD7)
            t[i] = static_cast<unsigned char>(i + 32);
    t[0x8A] = 0x9A; // Š
    t[0x8C] = 0x9C; // Œ
    t[0x8E] = 0x9E; // Ž
    t[0x9F] = 0xFF; // Ÿ
    return t;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

} // namespace

char FoldCase1252(char c) {
    return static_cast<char>(kFold[static_cast<unsigned char>(c)]);
}

QuickNameFilter::QuickNameFilter(std::string_view text) : m_text(text), m_folded(text) {
    std::transform(m_folded.begin(), m_folded.end(), m_folded.begin(), FoldCase1252);
}

bool QuickNameFilter::Matches(std::string_view name) const {
    if (m_folded.empty())
        return true;
    const auto found =
        std::search(name.begin(), name.end(), m_folded.begin(), m_folded.end(),
                    [](char fromName, char folded) { return FoldCase1252(fromName) == folded; });
    return found != name.end();
}

bool QuickNameFilter::Matches(const Channel_Info_Tag& c) const {
    return Matches(NameOf(c));
}

std::vector<const Channel_Info_Tag*> FilteredChannels(const CZorvDB& db,
                                                      const ChannelFilter& filter,
                                                      const QuickNameFilter& quick,
                                                      ChannelKind kind, std::uint32_t productType) {
    std::vector<const Channel_Info_Tag*> out;
    // The name test first: it is the cheaper one and rejects the most rows.
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        if (IsOfKind(c, kind) && quick.Matches(c) && filter.Passes(db, c, productType))
            out.push_back(&c);
    return out;
}
