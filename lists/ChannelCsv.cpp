#include "lists/ChannelCsv.h"

#include "contracts/ZorvDB.h"
#include "lists/Csv.h"
#include "lists/ListText.h"
#include "platform/AtomicFile.h"
#include "platform/CodePage.h"
#include "platform/InputFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

namespace {

// The sheet column a header cell names, or -1.
int ColumnNamed(std::string_view header) {
    const std::string name = LowerAscii(TrimBlanks(header));
    for (int col = 0; col < kChannelColumns; ++col)
        if (name == LowerAscii(ChannelColumnName(col)))
            return col;
    return -1;
}

// The widest value a column's field holds, worked out once per column.
std::uint32_t FieldMax(int column) {
    static const std::array<std::uint32_t, kChannelColumns> widest = [] {
        std::array<std::uint32_t, kChannelColumns> out{};
        for (int col = 0; col < kChannelColumns; ++col) {
            if (col == kChannelNameColumn)
                continue;
            Channel_Info_Tag c{};
            SetChannelColumnValue(c, col, std::numeric_limits<std::uint32_t>::max());
            out[static_cast<std::size_t>(col)] = ChannelColumnValue(c, col);
        }
        return out;
    }();
    return widest[static_cast<std::size_t>(column)];
}

// A decimal number for `column`; an empty cell is 0.
bool CellValue(std::string_view text, int column, std::uint32_t& value, Phrase& problem) {
    text = TrimBlanks(text);
    if (text.empty()) {
        value = 0;
        return true;
    }
    const std::uint32_t max = FieldMax(column);
    std::int64_t n = 0;
    const char* first = text.data() + (text.front() == '+' ? 1 : 0);
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), n);
    const bool wide = max == std::numeric_limits<std::uint32_t>::max();
    const std::int64_t least = wide ? std::numeric_limits<std::int32_t>::min() : 0;
    if (ec != std::errc() || end != text.data() + text.size() || n < least ||
        n > static_cast<std::int64_t>(max)) {
        problem =
            phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1 \"%2\" is not a number from %3 to %4"),
                         {phrase::Data(ChannelColumnName(column)), phrase::Data(std::string(text)),
                          phrase::Data(std::to_string(least)), phrase::Data(std::to_string(max))});
        return false;
    }
    value = static_cast<std::uint32_t>(n); // a negative 32-bit value wraps, as its cell held it
    return true;
}

// The name as AppendCsvField writes its UTF-8 (AnsiToUtf8), at `p`: in
// quotes when it holds a separator, a quote, a line break or blanks at
// either end, which are all ASCII and so the same bytes in both code pages.
char* WriteName(char* p, std::string_view ansi) {
    const auto blank = [](char ch) { return ch == ' ' || ch == '\t'; };
    const bool quoted = !ansi.empty() && (blank(ansi.front()) || blank(ansi.back()) ||
                                          ansi.find_first_of(",\"\r\n") != std::string_view::npos);
    if (quoted)
        *p++ = '"';
    for (const char byte : ansi) {
        if (static_cast<unsigned char>(byte) < 0x80) {
            if (byte == '"')
                *p++ = '"';
            *p++ = byte;
            continue;
        }
        const char32_t c = AnsiToCodePoint(byte);
        if (c < 0x800) {
            *p++ = static_cast<char>(0xC0 | (c >> 6));
            *p++ = static_cast<char>(0x80 | (c & 0x3F));
        } else {
            *p++ = static_cast<char>(0xE0 | (c >> 12));
            *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    if (quoted)
        *p++ = '"';
    return p;
}

// A cell of plain digits (no blanks, no sign, at most nine) as its value:
// what CellValue makes of it, without its trimming and range words. False
// for anything else, which CellValue then reads or refuses.
bool PlainDigits(std::string_view text, std::uint32_t& value) {
    if (text.empty() || text.size() > 9)
        return false;
    std::uint32_t n = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
        n = n * 10 + static_cast<std::uint32_t>(ch - '0');
    }
    value = n;
    return true;
}

} // namespace

std::string ChannelCsvText(const CZorvDB& db, bool bom) {
    std::string out(bom ? kUtf8Bom : std::string_view());
    out.reserve(static_cast<std::size_t>(db.Size(kTableChannel)) * 160 + 512);
    std::array<std::string_view, kChannelColumns> header{};
    for (int col = 0; col < kChannelColumns; ++col)
        header[static_cast<std::size_t>(col)] = ChannelColumnName(col);
    AppendCsvRecord(out, header, ',');
    // Each row is written straight into room made for the longest one: ten
    // digits a number, a name of three UTF-8 bytes a character with every
    // one a doubled quote, the separators and CRLF.
    constexpr std::size_t kLongestRow = std::size_t{kChannelColumns - 1} * 11 +
                                        std::size_t{2} * 3 * sizeof(Channel_Info_Tag::Name) + 2 + 2;
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel)) {
        const std::size_t used = out.size();
        out.resize(used + kLongestRow);
        char* p = out.data() + used;
        for (int col = 0; col < kChannelColumns; ++col) {
            if (col > 0)
                *p++ = ',';
            if (col == kChannelNameColumn)
                p = WriteName(p, std::string_view(c.Name, strnlen(c.Name, sizeof c.Name)));
            else
                p = std::to_chars(p, p + 10, ChannelColumnValue(c, col)).ptr;
        }
        *p++ = '\r';
        *p++ = '\n';
        out.resize(static_cast<std::size_t>(p - out.data()));
    }
    return out;
}

bool ExportChannelCsv(const CZorvDB& db, const std::string& path, bool bom, Phrase& error) {
    try {
        const std::string text = ChannelCsvText(db, bom);
        return WriteFileAtomically(
            path,
            std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()),
                                          text.size()),
            &error);
    } catch (const std::bad_alloc&) {
        error = phrase::Text(
            VELMAR_TRANSLATE_NOOP("Velmar", "There is not enough memory to write the CSV file."));
        return false;
    }
}

bool ExportChannelCsv(const CZorvDB& db, const std::string& path, bool bom, std::string& error) {
    Phrase said;
    return InEnglish(ExportChannelCsv(db, path, bom, said), said, error);
}

std::optional<ChannelList> ParseChannelCsv(std::string_view bytes, Phrase& error) {
    const std::string text = ListTextToAnsi(bytes);
    const char separator = GuessCsvSeparator(text);
    std::vector<int> columns;          // the sheet column of each CSV column, or -1
    std::vector<std::uint32_t> widest; // the widest value of each CSV column's field
    ChannelList channels;
    // One channel a line at most: no growing copies of the list (bounded, so
    // that a file of blank lines reserves no more than a large list needs).
    channels.reserve(std::min<std::size_t>(
        static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1, 1u << 18));
    Phrase problem;
    const bool read = ReadCsv(
        text, separator,
        [&](const CsvRecord& r) {
            if (columns.empty()) {
                std::array<bool, kChannelColumns> seen{};
                for (const std::string_view h : r.fields) {
                    const int col = ColumnNamed(h);
                    if (col >= 0 && std::exchange(seen[static_cast<std::size_t>(col)], true)) {
                        problem = phrase::Text(
                            VELMAR_TRANSLATE_NOOP("Velmar", "line 1: the column %1 is named twice"),
                            {phrase::Data(ChannelColumnName(col))});
                        return false;
                    }
                    columns.push_back(col);
                    widest.push_back(col >= 0 && col != kChannelNameColumn ? FieldMax(col) : 0);
                }
                if (std::none_of(seen.begin(), seen.end(), [](bool b) { return b; })) {
                    problem = phrase::Text(VELMAR_TRANSLATE_NOOP(
                        "Velmar", "line 1 names none of the columns of the \"Channel\" sheet "
                                  "(ProgramNum, CAS, Favorite, ... ServiceType)"));
                    return false;
                }
                return true;
            }
            if (std::all_of(r.fields.begin(), r.fields.end(),
                            [](std::string_view f) { return TrimBlanks(f).empty(); }))
                return true;
            if (r.fields.size() > columns.size()) {
                // An unquoted separator in a name shifts every later column.
                problem = phrase::Text(
                    VELMAR_TRANSLATE_NOOP("Velmar", "line %1 has %2 fields, the header %3"),
                    {phrase::Number(r.line), phrase::Number(r.fields.size()),
                     phrase::Number(columns.size())});
                return false;
            }
            Channel_Info_Tag& c = channels.emplace_back();
            for (std::size_t k = 0; k < r.fields.size(); ++k) {
                const int col = columns[k];
                if (col < 0)
                    continue;
                const std::string_view field = r.fields[k];
                if (col == kChannelNameColumn) {
                    // As strncpy of the field would: up to a NUL, the last byte kept 0.
                    const std::size_t most = std::min(field.size(), sizeof c.Name - 1);
                    if (most == 0)
                        continue; // an empty field may have no storage at all
                    const void* nul = std::memchr(field.data(), 0, most);
                    const std::size_t size =
                        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field.data())
                            : most;
                    std::memcpy(c.Name, field.data(), size);
                    continue;
                }
                std::uint32_t value = 0;
                if (!(PlainDigits(field, value) && value <= widest[k]) &&
                    !CellValue(field, col, value, problem)) {
                    problem = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "line %1: %2"),
                                           {phrase::Number(r.line), std::move(problem)});
                    return false;
                }
                SetChannelColumnValue(c, col, value);
            }
            return true;
        },
        problem);
    if (!read || !problem.Empty()) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "The CSV file cannot be read: %1. The "
                                                             "channel list was not changed."),
                             {std::move(problem)});
        return std::nullopt;
    }
    if (columns.empty()) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar",
            "The CSV file is empty: it has no header row. The channel list was not changed."));
        return std::nullopt;
    }
    return channels;
}

std::optional<ChannelList> ParseChannelCsv(std::string_view text, std::string& error) {
    Phrase why;
    auto channels = ParseChannelCsv(text, why);
    if (!channels)
        error = English(why);
    return channels;
}

std::optional<ChannelList> ReadChannelCsv(const std::string& path, Phrase& error) {
    try {
        std::string bytes;
        Phrase why;
        if (!ReadInputFile(path, kMaxListFileBytes, VELMAR_TRANSLATE_NOOP("Velmar", "a CSV file"),
                           bytes, why)) {
            error = phrase::Text(
                VELMAR_TRANSLATE_NOOP("Velmar", "%1 The channel list was not changed."), {why});
            return std::nullopt;
        }
        return ParseChannelCsv(bytes, error);
    } catch (const std::bad_alloc&) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar",
            "There is not enough memory to read the CSV file. The channel list was not changed."));
        return std::nullopt;
    }
}

std::optional<ChannelList> ReadChannelCsv(const std::string& path, std::string& error) {
    Phrase why;
    auto channels = ReadChannelCsv(path, why);
    if (!channels)
        error = English(why);
    return channels;
}
