#include "lists/ReferenceLists.h"

#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "lists/ChannelCsv.h"
#include "lists/Csv.h"
#include "lists/ListText.h"
#include "model/ChannelIdentity.h"
#include "model/FileKind.h"
#include "model/Product.h"
#include "model/QuickNameFilter.h"
#include "platform/InputFile.h"
#include "xls/ReferenceFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <map>
#include <new>

namespace {

constexpr std::uint32_t kMaxNumber = 65535;

// A whole decimal number in 1..65535.
std::optional<std::uint32_t> PlaceNumber(std::string_view text) {
    text = TrimBlanks(text);
    std::uint32_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || n == 0 ||
        n > kMaxNumber)
        return std::nullopt;
    return n;
}

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

Phrase NumberProblem(std::size_t line, std::string_view text) {
    return phrase::Text(
        VELMAR_TRANSLATE_NOOP(
            "Velmar",
            "Line %1: \"%2\" is not a channel number from 1 to 65535. Nothing was changed."),
        {phrase::Number(line), phrase::Data(std::string(TrimBlanks(text)))});
}

std::string Extension(const std::string& path) {
    return LowerAscii(std::filesystem::path(path).extension().string());
}

const char* TwoOnOneNumber(ServiceKind kind) {
    return kind == ServiceKind::TV
               ? VELMAR_TRANSLATE_NOOP(
                     "Velmar",
                     "Lines %1 and %2 put two TV channels on number %3. Nothing was changed.")
           : kind == ServiceKind::Radio
               ? VELMAR_TRANSLATE_NOOP("Velmar", "Lines %1 and %2 put two radio channels on number "
                                                 "%3. Nothing was changed.")
               : VELMAR_TRANSLATE_NOOP("Velmar", "Lines %1 and %2 put two other channels on number "
                                                 "%3. Nothing was changed.");
}

} // namespace

std::optional<std::vector<NamedPlace>> ParseNameList(std::string_view bytes, Phrase& error) {
    const std::string text = ListTextToAnsi(bytes);
    std::vector<NamedPlace> places;
    std::size_t line = 0;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::string_view row(text.data() + at, end - at);
        at = end + 1;
        ++line;
        if (!row.empty() && row.back() == '\r')
            row.remove_suffix(1);
        row = TrimBlanks(row);
        if (row.empty())
            continue;
        NamedPlace place;
        place.line = line;
        // "12<tab>Name" or "12;Name": a number only with its tab or ';'.
        const std::size_t mark = row.find_first_of("\t;");
        if (mark != std::string_view::npos && AllDigits(TrimBlanks(row.substr(0, mark)))) {
            const auto number = PlaceNumber(row.substr(0, mark));
            if (!number) {
                error = NumberProblem(line, row.substr(0, mark));
                return std::nullopt;
            }
            place.number = *number;
            row = TrimBlanks(row.substr(mark + 1));
        }
        if (row.empty())
            continue;
        place.name = std::string(row);
        places.push_back(std::move(place));
    }
    return places;
}

std::optional<std::vector<NamedPlace>> ParseNameCsv(std::string_view bytes, Phrase& error) {
    const std::string text = ListTextToAnsi(bytes);
    std::vector<NamedPlace> places;
    int nameAt = -1, numberAt = -1;
    bool header = true;
    Phrase problem;
    const bool read = ReadCsv(
        text, GuessCsvSeparator(text),
        [&](const CsvRecord& r) {
            if (header) {
                header = false;
                for (std::size_t k = 0; k < r.fields.size(); ++k) {
                    const std::string h = LowerAscii(TrimBlanks(r.fields[k]));
                    if (h == "name" && nameAt < 0)
                        nameAt = static_cast<int>(k);
                    if ((h == "ch#" || h == "programnum") && numberAt < 0)
                        numberAt = static_cast<int>(k);
                }
                if (nameAt < 0) {
                    problem = phrase::Text(VELMAR_TRANSLATE_NOOP(
                        "Velmar", "The first line of the CSV file has no Name column. Nothing was "
                                  "changed."));
                    return false;
                }
                return true;
            }
            const auto field = [&](int k) {
                return k >= 0 && static_cast<std::size_t>(k) < r.fields.size()
                           ? TrimBlanks(r.fields[static_cast<std::size_t>(k)])
                           : std::string_view();
            };
            NamedPlace place;
            place.line = r.line;
            place.name = std::string(field(nameAt));
            if (place.name.empty())
                return true;
            if (!field(numberAt).empty()) {
                const auto number = PlaceNumber(field(numberAt));
                if (!number) {
                    problem = NumberProblem(r.line, field(numberAt));
                    return false;
                }
                place.number = *number;
            }
            places.push_back(std::move(place));
            return true;
        },
        problem);
    if (!read) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP(
                                 "Velmar", "The CSV file cannot be read: %1. Nothing was changed."),
                             {std::move(problem)});
        return std::nullopt;
    }
    if (!problem.Empty()) {
        error = std::move(problem);
        return std::nullopt;
    }
    if (header) {
        error = phrase::Text(
            VELMAR_TRANSLATE_NOOP("Velmar", "The CSV file is empty. Nothing was changed."));
        return std::nullopt;
    }
    return places;
}

std::optional<std::vector<NamedPlace>> ParseNameList(std::string_view bytes, std::string& error) {
    Phrase why;
    return InEnglish(ParseNameList(bytes, why), why, error);
}

std::optional<std::vector<NamedPlace>> ParseNameCsv(std::string_view bytes, std::string& error) {
    Phrase why;
    return InEnglish(ParseNameCsv(bytes, why), why, error);
}

std::string NameMatchKey(std::string_view name, bool dropQuality) {
    name = TrimBlanks(name);
    if (dropQuality && name.size() > 3) {
        const std::string tail = LowerAscii(name.substr(name.size() - 3));
        if (tail == " hd" || tail == " sd" || tail == "\thd" || tail == "\tsd")
            name.remove_suffix(3);
    }
    std::string key;
    key.reserve(name.size());
    for (const char c : name)
        if (c != ' ' && c != '\t' && c != '\xA0')
            key += FoldCase1252(c);
    return key;
}

std::optional<NamedReference>
ResolveNamedPlaces(const CZorvDB& db, const std::vector<NamedPlace>& places, Phrase& error) {
    const int productList = GetProductList();
    const bool showNum = ShowsShowNum(productList);
    std::vector<const Channel_Info_Tag*> list;
    for (const auto& c : db.Rows<Channel_Info_Tag>(kTableChannel))
        list.push_back(&c);
    std::stable_sort(list.begin(), list.end(), [&](const auto* a, const auto* b) {
        return (showNum ? a->ShowNum : a->ProgramNum) < (showNum ? b->ShowNum : b->ProgramNum);
    });

    // Exact keys first for every place, then the rest without HD/SD, so a
    // name never takes a channel that another line names exactly.
    std::vector<const Channel_Info_Tag*> found(places.size(), nullptr);
    std::vector<bool> taken(list.size(), false);
    for (const bool dropQuality : {false, true}) {
        std::map<std::string, std::vector<std::size_t>> byKey;
        for (std::size_t i = 0; i < list.size(); ++i)
            if (!taken[i])
                byKey[NameMatchKey(NameOf(*list[i]), dropQuality)].push_back(i);
        std::map<std::string, std::size_t> next;
        for (std::size_t p = 0; p < places.size(); ++p) {
            if (found[p])
                continue;
            const std::string key = NameMatchKey(places[p].name, dropQuality);
            const auto run = byKey.find(key);
            if (key.empty() || run == byKey.end())
                continue;
            std::size_t& at = next[key];
            while (at < run->second.size() && taken[run->second[at]])
                ++at;
            if (at == run->second.size())
                continue;
            taken[run->second[at]] = true;
            found[p] = list[run->second[at]];
        }
    }

    NamedReference out;
    std::map<ServiceKind, std::uint32_t> last;
    std::map<std::pair<ServiceKind, std::uint32_t>, std::size_t> lineOf;
    for (std::size_t p = 0; p < places.size(); ++p) {
        if (!found[p]) {
            ++out.unmatchedLines;
            continue;
        }
        const ServiceKind kind = ServiceKindOf(*found[p]);
        const std::uint32_t n = places[p].number ? places[p].number : last[kind] + 1;
        if (n > kMaxNumber) {
            error = phrase::Text(
                VELMAR_TRANSLATE_NOOP("Velmar",
                                      "Line %1 comes after number 65535. Nothing was changed."),
                {phrase::Number(places[p].line)});
            return std::nullopt;
        }
        last[kind] = n;
        if (const auto [it, fresh] = lineOf.emplace(std::pair(kind, n), places[p].line); !fresh) {
            error = phrase::Text(
                TwoOnOneNumber(kind),
                {phrase::Number(it->second), phrase::Number(places[p].line), phrase::Number(n)});
            return std::nullopt;
        }
        // The channel itself with the wanted number: its favourite places
        // stay; no ids, so only its name matches it.
        Channel_Info_Tag r = *found[p];
        r.OrgNetID = r.TSID = r.ServiceID = 0;
        r.ProgramNum = static_cast<WORD>(n);
        if (showNum || ShowNumFollowsProgramNum(productList))
            r.ShowNum = static_cast<WORD>(n);
        if (LogicalNumberFollowsProgramNum(productList))
            r.LogicalNumber = static_cast<WORD>(n);
        out.channels.push_back(r);
    }
    return out;
}

std::optional<NamedReference>
ResolveNamedPlaces(const CZorvDB& db, const std::vector<NamedPlace>& places, std::string& error) {
    Phrase why;
    return InEnglish(ResolveNamedPlaces(db, places, why), why, error);
}

ReferenceKind ReferenceKindOf(const std::string& path, std::string_view bytes) {
    if (IsWorkbookFileName(path))
        return ReferenceKind::Workbook;
    const std::string extension = Extension(path);
    const bool text = LooksLikeText(bytes);
    const auto csvKind = [&] {
        // A channel list when its header has the kind column, Attributes.
        bool channelList = false;
        std::string ignored;
        const std::string head = ListTextToAnsi(bytes.substr(0, 8192));
        ReadCsv(
            head, GuessCsvSeparator(head),
            [&](const CsvRecord& r) {
                for (const std::string_view h : r.fields)
                    channelList = channelList || LowerAscii(TrimBlanks(h)) == "attributes";
                return false;
            },
            ignored);
        return channelList ? ReferenceKind::ChannelCsv : ReferenceKind::NameCsv;
    };
    if (extension == ".csv")
        return csvKind();
    if (extension == ".txt")
        return ReferenceKind::NameList;
    if (bytes.substr(0, 8) == std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8))
        return ReferenceKind::Workbook;
    if (!text || bytes.substr(0, 4) == "VX  " || bytes.substr(0, 4) == "ZORV")
        return ReferenceKind::Image;
    // A text of another name: a CSV when its first line has a Name column.
    const std::size_t firstLine = std::min(bytes.find('\n'), bytes.size());
    const std::string first = LowerAscii(bytes.substr(0, firstLine));
    const char sep = GuessCsvSeparator(first);
    if (first.find(sep) != std::string::npos && first.find("name") != std::string::npos)
        return csvKind();
    return ReferenceKind::NameList;
}

bool LoadReferenceList(const std::string& path, const CZorvDB& db,
                       std::vector<Channel_Info_Tag>& channels, std::uint32_t& unmatchedLines,
                       Phrase& error) {
    channels.clear();
    unmatchedLines = 0;
    try {
        std::error_code ec;
        std::string why;
        if (!std::filesystem::is_regular_file(path, ec)) {
            // as the image and workbook reader says it
            error = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Cannot read %1"),
                                 {phrase::Data(path)});
            return false;
        }
        std::string bytes;
        if (!ReadInputFile(path, kMaxListFileBytes,
                           VELMAR_TRANSLATE_NOOP("Velmar", "a channel list"), bytes, error))
            return false;
        const ReferenceKind kind = ReferenceKindOf(path, bytes);
        if (kind == ReferenceKind::Image || kind == ReferenceKind::Workbook) {
            const bool read = LoadReferenceChannels(path, channels, why);
            error = phrase::Data(why);
            return read;
        }
        if (kind == ReferenceKind::ChannelCsv) {
            auto list = ParseChannelCsv(bytes, error);
            if (!list)
                return false;
            channels = std::move(*list);
        } else {
            auto places = kind == ReferenceKind::NameCsv ? ParseNameCsv(bytes, error)
                                                         : ParseNameList(bytes, error);
            if (!places)
                return false;
            auto resolved = ResolveNamedPlaces(db, *places, error);
            if (!resolved)
                return false;
            channels = std::move(resolved->channels);
            unmatchedLines = resolved->unmatchedLines;
            if (channels.empty() && !places->empty()) {
                error = phrase::Counted(
                    places->size(), nullptr,
                    VELMAR_TRANSLATE_N_NOOP("Velmar", "None of the %1 names of the list is a "
                                                      "channel of this list. Nothing was changed."),
                    {phrase::Number(places->size())});
                return false;
            }
        }
        if (channels.empty()) {
            error = phrase::Text(
                VELMAR_TRANSLATE_NOOP("Velmar", "The reference list holds no channels"));
            return false;
        }
        return true;
    } catch (const std::bad_alloc&) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar",
            "There is not enough memory to read the reference list. Nothing was changed."));
        return false;
    }
}

bool LoadReferenceList(const std::string& path, const CZorvDB& db,
                       std::vector<Channel_Info_Tag>& channels, std::uint32_t& unmatchedLines,
                       std::string& error) {
    Phrase why;
    const bool read = LoadReferenceList(path, db, channels, unmatchedLines, why);
    if (!read)
        error = English(why);
    return read;
}
