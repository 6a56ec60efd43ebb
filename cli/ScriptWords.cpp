#include "cli/ScriptWords.h"

#include "cli/TextCodec.h"

namespace {

template <class R, class Set>
std::string SetFieldsWith(R& record, const ScriptArgs& args, std::size_t from, Set set,
                          const char* what) {
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& word = args[i];
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0)
            return "expected FIELD=VALUE, not " + Quoted(word);
        const std::string name = word.substr(0, equals);
        const std::string given = word.substr(equals + 1);
        std::string value = given;
        if (name == "Name")
            if (auto problem = ToAnsi(given, value); !problem.empty())
                return problem;
        switch (set(record, name, value)) {
        case FieldSetResult::Ok:
            break;
        case FieldSetResult::UnknownField:
            return "unknown field " + Quoted(name) + " of a " + what;
        case FieldSetResult::BadValue:
            return "bad value " + Quoted(given) + " for " + name;
        case FieldSetResult::NameTooLong:
            return "the name " + Quoted(given) + " is too long for a " + what;
        }
    }
    return {};
}

} // namespace

bool SplitWords(std::string_view line, ScriptArgs& words) {
    std::string word;
    bool inWord = false, quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (quoted) {
            if (ch == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\'))
                word += line[++i];
            else if (ch == '"')
                quoted = false;
            else
                word += ch;
            continue;
        }
        if (ch == '#')
            break;
        if (ch == ' ' || ch == '\t' || ch == '\r') {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (ch == '"')
            quoted = true;
        else
            word += ch;
    }
    if (quoted)
        return false;
    if (inWord)
        words.push_back(std::move(word));
    return true;
}

std::string RestOfLine(const ScriptArgs& args, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < args.size(); ++i)
        text += (i > from ? " " : "") + args[i];
    return text;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Expected(const char* form) {
    return std::string("expected: ") + form;
}

bool ParseNumber(const std::string& text, std::uint32_t& value, int bits) {
    const auto parsed = ParseFieldNumber(text, bits);
    if (parsed)
        value = *parsed;
    return parsed.has_value();
}

std::uint32_t RowKey(const std::vector<std::uint32_t>& keys, const std::string& row,
                     std::string& problem) {
    std::uint32_t number = 0;
    if (!ParseNumber(row, number) || number == 0) {
        problem = "bad row " + Quoted(row);
        return 0;
    }
    if (number > keys.size()) {
        problem = "row " + row + " is out of range: the grid shows " + std::to_string(keys.size()) +
                  " rows";
        return 0;
    }
    return keys[number - 1];
}

std::string ToAnsi(const std::string& text, std::string& ansi) {
    const auto converted = Utf8ToAnsi(text);
    if (!converted)
        return Quoted(text) + " has characters that Windows-1252 cannot hold";
    ansi = *converted;
    return {};
}

std::string SetFields(Channel_Info_Tag& record, const ScriptArgs& args, std::size_t from) {
    return SetFieldsWith(record, args, from, SetChannelField, "channel");
}
std::string SetFields(Satellite_Info_Tag& record, const ScriptArgs& args, std::size_t from) {
    return SetFieldsWith(record, args, from, SetSatelliteField, "satellite");
}
std::string SetFields(Transponder_Info_Tag& record, const ScriptArgs& args, std::size_t from) {
    return SetFieldsWith(record, args, from, SetTransponderField, "transponder");
}
std::string SetFields(CableMux_Info_Tag& record, const ScriptArgs& args, std::size_t from) {
    return SetFieldsWith(record, args, from, SetCableMuxField, "multiplex");
}
