#include "lists/Csv.h"

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
    text = WithoutBom(text);
    std::vector<std::string> fields(1);
    std::size_t used = 1; // fields of the record so far; their strings keep capacity
    std::size_t line = 1, recordLine = 1;
    auto field = [&]() -> std::string& { return fields[used - 1]; };
    auto nextField = [&] {
        if (used == fields.size())
            fields.emplace_back();
        fields[used++].clear();
    };
    auto endRecord = [&] {
        const bool more = take({std::span<const std::string>(fields.data(), used), recordLine});
        used = 1;
        fields[0].clear();
        return more;
    };
    auto fail = [&](std::size_t at, const char* what) {
        error = "line " + std::to_string(at) + ": " + what;
        return false;
    };

    std::size_t i = 0;
    const std::size_t n = text.size();
    bool pending = false; // a record has begun
    while (i < n) {
        const char c = text[i];
        if (c == '"' && field().empty()) {
            // A quoted field: up to the quote that is not doubled.
            const std::size_t opened = line;
            ++i;
            for (;;) {
                if (i >= n)
                    return fail(opened, "a quoted field is not closed");
                const char q = text[i++];
                if (q == '"') {
                    if (i < n && text[i] == '"') {
                        field() += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                if (q == '\n')
                    ++line;
                field() += q;
            }
            pending = true;
            if (i < n && text[i] != separator && text[i] != '\n' && text[i] != '\r')
                return fail(line, "text follows a closing quote");
            continue;
        }
        if (c == separator) {
            nextField();
            pending = true;
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            i += (c == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
            if (!endRecord())
                return true;
            pending = false;
            recordLine = ++line;
            continue;
        }
        if (c == '"')
            return fail(line, "a quote stands inside a field that is not quoted");
        // A run of plain characters at once.
        std::size_t end = i;
        while (end < n && text[end] != separator && text[end] != '\r' && text[end] != '\n' &&
               text[end] != '"')
            ++end;
        field().append(text.substr(i, end - i));
        pending = true;
        i = end;
    }
    if (pending)
        endRecord();
    return true;
}

void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields, char separator) {
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (k > 0)
            out += separator;
        const std::string_view f = fields[k];
        if (!NeedsQuotes(f, separator)) {
            out.append(f);
            continue;
        }
        out += '"';
        for (const char c : f) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
}
