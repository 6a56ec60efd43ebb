#include "document/ListPrint.h"

#include "contracts/ZorvDB.h"
#include "model/ChannelFilter.h"
#include "model/RecordTexts.h"
#include "model/SatelliteRecords.h"
#include "platform/InputFile.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace {

std::string Bytes(const char* text, std::size_t size) {
    return {text, strnlen(text, size)};
}

// The sources a channel names, looked up once for the whole print.
class Sources {
public:
    explicit Sources(const CZorvDB& db) {
        for (const auto& s : db.Rows<Satellite_Info_Tag>(kTableSatellite))
            m_satellites.emplace(s.ID, &s);
        for (const auto& t : db.Rows<Transponder_Info_Tag>(kTableTransponder))
            m_transponders.emplace(Pair(t.SatID, t.TPID), &t);
        for (const auto& b : db.Rows<Broadcast_Info_Tag>(kTableBroadcast))
            m_broadcasts.emplace(b.BroadcastID, &b);
    }
    // emplace keeps the first of equal ids, as the description dialog does.
    std::string Satellite(const Channel_Info_Tag& c) const {
        const auto it = m_satellites.find(c.SatID);
        return it == m_satellites.end() ? std::string() : Bytes(it->second->Name, 16);
    }
    std::string Frequency(const Channel_Info_Tag& c) const {
        const auto it = m_transponders.find(Pair(c.SatID, c.TPID));
        if (it == m_transponders.end())
            return {};
        return GroupedNumber(it->second->Frequency) + " MHz " + PolarityText(it->second->PolFEC);
    }
    std::string Provider(const Channel_Info_Tag& c) const {
        const auto it = m_broadcasts.find(c.BroadcastID);
        return it == m_broadcasts.end() ? std::string() : Bytes(it->second->Name, 17);
    }

private:
    static unsigned Pair(unsigned sat, unsigned tp) { return (sat << 8) | tp; }
    std::unordered_map<unsigned, const Satellite_Info_Tag*> m_satellites;
    std::unordered_map<unsigned, const Transponder_Info_Tag*> m_transponders;
    std::unordered_map<unsigned, const Broadcast_Info_Tag*> m_broadcasts;
};

PrintSection Section(const CZorvDB& db, const Product& product, const Sources& sources,
                     std::string title, std::span<const std::uint32_t> keys) {
    PrintSection section{std::move(title), {}};
    ChannelListState list;
    list.product = product;
    section.rows.reserve(keys.size());
    for (std::uint32_t key : keys) {
        const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, key);
        if (!c)
            continue;
        section.rows.push_back({ChannelCellText(*c, kChannelColumnNumber, list),
                                ChannelCellText(*c, kChannelColumnName, list),
                                sources.Satellite(*c), sources.Frequency(*c), sources.Provider(*c),
                                PrintFlagsText(c->Attributes)});
    }
    return section;
}

} // namespace

const std::array<std::string_view, kPrintColumnCount>& PrintColumnHeaders() {
    static const std::array<std::string_view, kPrintColumnCount> headers{
        "CH#", "Name", "Satellite", "Frequency", "Provider", "Flags"};
    return headers;
}

PrintSection MakePrintSection(const CZorvDB& db, const Product& product, std::string title,
                              std::span<const std::uint32_t> keys) {
    return Section(db, product, Sources(db), std::move(title), keys);
}

std::vector<PrintSection> FavoriteListSections(const CZorvDB& db, const Product& product) {
    const Sources sources(db);
    std::vector<PrintSection> sections;
    for (const auto& fav : db.Rows<FavoriteList>(kTableFavorite)) {
        const int number = static_cast<int>(fav.Index);
        if (number < 1 || number > kFavoritePositions)
            continue;
        // Both kinds, merged by position (channel number without positions).
        std::vector<std::pair<int, std::uint32_t>> members;
        for (const ChannelKind kind : {ChannelKind::TV, ChannelKind::Radio}) {
            ChannelListState list;
            list.kind = kind;
            list.product = product;
            list.filter.kind = ChannelFilterKind::Favorite;
            list.filter.favorite = number;
            const int column = list.filter.SortColumn(product.type);
            for (std::uint32_t key : ChannelListKeys(db, list))
                if (const auto* c = db.Get<Channel_Info_Tag>(kTableChannel, key))
                    members.emplace_back(ChannelSortValue(*c, list, column), key);
        }
        if (members.empty())
            continue;
        std::stable_sort(members.begin(), members.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::uint32_t> keys;
        keys.reserve(members.size());
        for (const auto& m : members)
            keys.push_back(m.second);
        const std::string name = Bytes(fav.Name, sizeof fav.Name);
        sections.push_back(Section(db, product, sources,
                                   "Favourite " + std::to_string(number) +
                                       (name.empty() ? std::string() : ": " + name),
                                   keys));
        sections.back().favorite = number;
    }
    return sections;
}

std::vector<PrintSection> WholeListSections(const CZorvDB& db, const Product& product) {
    const Sources sources(db);
    std::vector<PrintSection> sections;
    for (const ChannelKind kind : {ChannelKind::TV, ChannelKind::Radio}) {
        ChannelListState list;
        list.kind = kind;
        list.product = product;
        sections.push_back(Section(db, product, sources,
                                   kind == ChannelKind::TV ? "TV list" : "Radio list",
                                   ChannelListKeys(db, list)));
    }
    for (PrintSection& favorite : FavoriteListSections(db, product))
        sections.push_back(std::move(favorite));
    return sections;
}

PrintChoice DefaultPrintChoice(const ChannelFilter& shown) {
    if (shown.kind == ChannelFilterKind::Favorite && shown.favorite > 0)
        return {false, false, {shown.favorite}};
    return {};
}

std::vector<PrintSection> ChosenPrintSections(const CZorvDB& db, const Product& product,
                                              const PrintChoice& choice) {
    std::vector<PrintSection> whole = WholeListSections(db, product);
    std::vector<PrintSection> sections;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        // The whole list begins with the TV list and the radio list.
        const bool chosen = i == 0   ? choice.tv
                            : i == 1 ? choice.radio
                                     : std::find(choice.favorites.begin(), choice.favorites.end(),
                                                 whole[i].favorite) != choice.favorites.end();
        if (chosen)
            sections.push_back(std::move(whole[i]));
    }
    return sections;
}

std::string PrintFlagsText(std::uint16_t attributes) {
    std::string text;
    auto add = [&](bool on, const char* word) {
        if (on)
            text += (text.empty() ? "" : " ") + std::string(word);
    };
    add(attributes & kAttrScrambled, "Scr");
    add(attributes & kAttrLocked, "Lock");
    add(attributes & kAttrSkipped, "Skip");
    return text;
}

std::vector<PrintPage> PaginatePrint(std::span<const PrintSection> sections, int rowsPerPage) {
    const std::size_t perPage = static_cast<std::size_t>(std::max(rowsPerPage, 1));
    std::vector<PrintPage> pages;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const std::size_t rows = sections[s].rows.size();
        if (rows == 0)
            pages.push_back({s, 0, 0});
        for (std::size_t first = 0; first < rows; first += perPage)
            pages.push_back({s, first, std::min(perPage, rows - first)});
    }
    return pages;
}

int PrintRowsPerPage(int pageLines) {
    return std::max(pageLines - kPrintFirstRowLine - kPrintLinesBelowRows, 1);
}

namespace {
// Average characters per column: a number, a 28-letter name, a satellite
// name of 16, "11,778 MHz HOR" (digits and capitals are wider than the
// average), a provider name of 17, "Scr Lock Skip",
// each with a little room before the next column.
constexpr std::array<int, kPrintColumnCount> kColumnCharacters{6, 30, 17, 20, 18, 15};
} // namespace

int PrintLineCharacters() {
    int sum = 0;
    for (int c : kColumnCharacters)
        sum += c;
    return sum;
}

std::array<int, kPrintColumnCount + 1> PrintColumnStarts(int width) {
    std::array<int, kPrintColumnCount + 1> starts{};
    const long long total = PrintLineCharacters();
    long long before = 0;
    for (std::size_t i = 0; i < kPrintColumnCount; ++i) {
        starts[i] = static_cast<int>(width * before / total);
        before += kColumnCharacters[i];
    }
    starts[kPrintColumnCount] = width;
    return starts;
}

std::string PrintSectionHeading(const PrintSection& section, const PrintPage& page) {
    return page.firstRow == 0 ? section.title : section.title + " (continued)";
}

std::string PrintPageNumberText(std::size_t page, std::size_t count) {
    return std::to_string(page) + " / " + std::to_string(count);
}

std::string PrintTitleText(std::string_view fileName, std::string_view receiver,
                           std::string_view date) {
    std::string text;
    for (std::string_view part : {fileName, receiver, date})
        if (!part.empty())
            text += (text.empty() ? "" : " - ") + std::string(part);
    return text;
}
