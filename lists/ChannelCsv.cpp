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

constexpr const char* kUnchanged = " The channel list was not changed.";

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
bool CellValue(std::string_view text, int column, std::uint32_t& value, std::string& problem) {
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
        problem = std::string(ChannelColumnName(column)) + " \"" + std::string(text) +
                  "\" is not a number from " + std::to_string(least) + " to " + std::to_string(max);
        return false;
    }
    value = static_cast<std::uint32_t>(n); // a negative 32-bit value wraps, as its cell held it
    return true;
}

} // namespace

std::string ChannelCsvText(const CZorvDB& db, bool bom) {
    std::string out(bom ? kUtf8Bom : std::string_view());
    out.reserve(static_cast<std::size_t>(db.Size(kTableChannel)) * 160 + 512);
    std::array<std::string_view, kChannelColumns> fields{};
    for (int col = 0; col < kChannelColumns; ++col)
        fields[static_cast<std::size_t>(col)] = ChannelColumnName(col);
    AppendCsvRecord(out, fields, ',');
    // The numbers' digits live in one buffer per row; 11 bytes hold any.
    std::array<std::array<char, 12>, kChannelColumns> digits{};
    std::string name;
    for (const Channel_Info_Tag& c : db.Rows<Channel_Info_Tag>(kTableChannel)) {
        for (int col = 0; col < kChannelColumns; ++col) {
            const auto k = static_cast<std::size_t>(col);
            if (col == kChannelNameColumn) {
                name = AnsiToUtf8(std::string_view(c.Name, strnlen(c.Name, sizeof c.Name)));
                fields[k] = name;
                continue;
            }
            auto& buffer = digits[k];
            const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                           ChannelColumnValue(c, col))
                                 .ptr;
            fields[k] =
                std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
        }
        AppendCsvRecord(out, fields, ',');
    }
    return out;
}

bool ExportChannelCsv(const CZorvDB& db, const std::string& path, bool bom, std::string& error) {
    try {
        const std::string text = ChannelCsvText(db, bom);
        return WriteFileAtomically(
            path,
            std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.data()),
                                          text.size()),
            &error);
    } catch (const std::bad_alloc&) {
        error = "There is not enough memory to write the CSV file.";
        return false;
    }
}

std::optional<ChannelList> ParseChannelCsv(std::string_view bytes, std::string& error) {
    const std::string text = ListTextToAnsi(bytes);
    const char separator = GuessCsvSeparator(text);
    std::vector<int> columns; // the sheet column of each CSV column, or -1
    ChannelList channels;
    std::string problem;
    const bool read = ReadCsv(
        text, separator,
        [&](const CsvRecord& r) {
            if (columns.empty()) {
                std::array<bool, kChannelColumns> seen{};
                for (const std::string& h : r.fields) {
                    const int col = ColumnNamed(h);
                    if (col >= 0 && std::exchange(seen[static_cast<std::size_t>(col)], true)) {
                        problem = "line 1: the column " + std::string(ChannelColumnName(col)) +
                                  " is named twice";
                        return false;
                    }
                    columns.push_back(col);
                }
                if (std::none_of(seen.begin(), seen.end(), [](bool b) { return b; })) {
                    problem = "line 1 names none of the columns of the \"Channel\" sheet "
                              "(ProgramNum, CAS, Favorite, ... ServiceType)";
                    return false;
                }
                return true;
            }
            if (std::all_of(r.fields.begin(), r.fields.end(),
                            [](const std::string& f) { return TrimBlanks(f).empty(); }))
                return true;
            if (r.fields.size() > columns.size()) {
                // An unquoted separator in a name shifts every later column.
                problem = "line " + std::to_string(r.line) + " has " +
                          std::to_string(r.fields.size()) + " fields, the header " +
                          std::to_string(columns.size());
                return false;
            }
            Channel_Info_Tag& c = channels.emplace_back();
            for (std::size_t k = 0; k < r.fields.size(); ++k) {
                const int col = columns[k];
                if (col < 0)
                    continue;
                if (col == kChannelNameColumn) {
                    std::strncpy(c.Name, r.fields[k].c_str(), sizeof c.Name - 1);
                    continue;
                }
                std::uint32_t value = 0;
                if (!CellValue(r.fields[k], col, value, problem)) {
                    problem = "line " + std::to_string(r.line) + ": " + problem;
                    return false;
                }
                SetChannelColumnValue(c, col, value);
            }
            return true;
        },
        problem);
    if (!read || !problem.empty()) {
        error = "The CSV file cannot be read: " + problem + "." + kUnchanged;
        return std::nullopt;
    }
    if (columns.empty()) {
        error = std::string("The CSV file is empty: it has no header row.") + kUnchanged;
        return std::nullopt;
    }
    return channels;
}

std::optional<ChannelList> ReadChannelCsv(const std::string& path, std::string& error) {
    try {
        std::string bytes;
        if (!ReadInputFile(path, kMaxListFileBytes, "a CSV file", bytes, error)) {
            error += kUnchanged;
            return std::nullopt;
        }
        return ParseChannelCsv(bytes, error);
    } catch (const std::bad_alloc&) {
        error = std::string("There is not enough memory to read the CSV file.") + kUnchanged;
        return std::nullopt;
    }
}
