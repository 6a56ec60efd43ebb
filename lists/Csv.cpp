#include "lists/Csv.h"

#include <array>

namespace {

std::string_view WithoutBom(std::string_view text) {
    return text.substr(0, kUtf8Bom.size()) == kUtf8Bom ? text.substr(kUtf8Bom.size()) : text;
}

bool NeedsQuotes(std::string_view field, char separator) {
    if (field.empty())
        return false;
    if (field.front() == ' ' || field.back() == ' ' || field.front() == '\t' ||
        field.back() == '\t')
        return true;
    for (const char c : field)
        if (c == separator || c == '"' || c == '\r' || c == '\n')
            return true;
    return false;
}

} // namespace

char GuessCsvSeparator(std::string_view text) {
    text = WithoutBom(text);
    std::size_t commas = 0, semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted; // a doubled quote toggles twice
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

bool ReadCsv(std::string_view text, char separator,
             const std::function<bool(const CsvRecord&)>& take, std::string& error) {
    Phrase why;
    const bool read = ReadCsv(text, separator, take, why);
    if (!read)
        error = English(why);
    return read;
}

bool ReadCsv(std::string_view text, char separator,
             const std::function<bool(const CsvRecord&)>& take, Phrase& error) {
    text = WithoutBom(text);
    // Fields are views into `text`; only a quoted field with doubled quotes
    // is spelled out, into `unquoted`, and its view set when the record ends
    // (the pool may move its strings while the record grows).
    std::vector<std::string_view> fields;
    std::vector<std::string> unquoted;
    std::vector<std::size_t> unquotedAt; // the field each of `unquoted` is
    std::size_t unquotedUsed = 0;
    std::size_t line = 1, recordLine = 1;
    bool fieldStarted = false; // the current field has a value
    auto endRecord = [&] {
        if (!fieldStarted)
            fields.emplace_back();
        for (std::size_t k = 0; k < unquotedUsed; ++k)
            fields[unquotedAt[k]] = unquoted[k];
        const bool more = take({std::span<const std::string_view>(fields), recordLine});
        fields.clear();
        unquotedUsed = 0;
        fieldStarted = false;
        return more;
    };
    auto fail = [&](std::size_t at, const char* what) {
        error = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "line %1: %2"),
                             {phrase::Number(at), phrase::Text(what)});
        return false;
    };

    // The bytes that end a plain field, looked up rather than compared.
    std::array<bool, 256> ends{};
    for (const char e : {separator, '\r', '\n', '"'})
        ends[static_cast<unsigned char>(e)] = true;
    std::size_t i = 0;
    const std::size_t n = text.size();
    const char* const data = text.data();
    bool pending = false; // a record has begun
    while (i < n) {
        if (!fieldStarted && data[i] == '"') {
            // A quoted field: up to the quote that is not doubled.
            const std::size_t opened = line;
            const std::size_t first = ++i;
            bool doubled = false;
            for (;;) {
                if (i >= n)
                    return fail(opened,
                                VELMAR_TRANSLATE_NOOP("Velmar", "a quoted field is not closed"));
                const char q = data[i++];
                if (q == '"') {
                    if (i < n && data[i] == '"') {
                        doubled = true;
                        ++i;
                        continue;
                    }
                    break;
                }
                if (q == '\n')
                    ++line;
            }
            const std::string_view inside = text.substr(first, i - 1 - first);
            if (doubled) {
                if (unquotedUsed == unquoted.size())
                    unquoted.emplace_back();
                if (unquotedUsed == unquotedAt.size())
                    unquotedAt.emplace_back();
                std::string& out = unquoted[unquotedUsed];
                out.clear();
                for (std::size_t k = 0; k < inside.size(); ++k) {
                    out += inside[k];
                    if (inside[k] == '"')
                        ++k; // its double
                }
                unquotedAt[unquotedUsed++] = fields.size();
            }
            fields.push_back(inside);
            fieldStarted = true;
            pending = true;
            if (i < n && data[i] != separator && data[i] != '\n' && data[i] != '\r')
                return fail(line, VELMAR_TRANSLATE_NOOP("Velmar", "text follows a closing quote"));
            continue;
        }
        if (!fieldStarted && !ends[static_cast<unsigned char>(data[i])]) {
            // A run of plain characters at once: the whole field.
            std::size_t end = i + 1;
            while (end < n && !ends[static_cast<unsigned char>(data[end])])
                ++end;
            fields.push_back(text.substr(i, end - i));
            fieldStarted = true;
            pending = true;
            i = end;
            continue;
        }
        const char c = data[i];
        if (c == separator) {
            if (!fieldStarted)
                fields.emplace_back();
            fieldStarted = false;
            pending = true;
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            i += (c == '\r' && i + 1 < n && data[i + 1] == '\n') ? 2 : 1;
            if (!endRecord())
                return true;
            pending = false;
            recordLine = ++line;
            continue;
        }
        // A quote after plain characters.
        return fail(line, VELMAR_TRANSLATE_NOOP(
                              "Velmar", "a quote stands inside a field that is not quoted"));
    }
    if (pending)
        endRecord();
    return true;
}

void AppendCsvField(std::string& out, std::string_view field, char separator) {
    if (!NeedsQuotes(field, separator)) {
        out.append(field);
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields, char separator) {
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0)
            out += separator;
        AppendCsvField(out, fields[k], separator);
    }
    out += "\r\n";
}
