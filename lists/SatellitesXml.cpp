#include "lists/SatellitesXml.h"

#include "lists/ListText.h"
#include "platform/CodePage.h"
#include "platform/InputFile.h"
#include "platform/Phrase.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <new>
#include <utility>

namespace {

std::size_t LineAt(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + static_cast<std::size_t>(std::count(
                   text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

Phrase AtLine(std::size_t line, Phrase what) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "line %1: %2"),
                        {phrase::Number(line), std::move(what)});
}

// Nesting and element count of the markup, before a parser allocates a node
// for it: comments, CDATA, declarations and quoted attribute values are
// stepped over. Not a validator, only a bound; the parser judges the rest.
bool ScanBounds(std::string_view s, Phrase& error) {
    int depth = 0;
    std::size_t elements = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '<')
            continue;
        const auto skipTo = [&](std::string_view end) {
            const std::size_t at = s.find(end, i);
            i = at == std::string_view::npos ? s.size() : at + end.size() - 1;
        };
        if (s.compare(i, 4, "<!--") == 0) {
            skipTo("-->");
        } else if (s.compare(i, 9, "<![CDATA[") == 0) {
            skipTo("]]>");
        } else if (i + 1 < s.size() && (s[i + 1] == '?' || s[i + 1] == '!')) {
            skipTo(">");
        } else if (i + 1 < s.size() && s[i + 1] == '/') {
            --depth;
            skipTo(">");
        } else {
            // A start tag: to its '>' past quoted values; "/>" closes it.
            const std::size_t start = i;
            char quote = 0;
            for (++i; i < s.size(); ++i) {
                if (quote) {
                    if (s[i] == quote)
                        quote = 0;
                } else if (s[i] == '"' || s[i] == '\'') {
                    quote = s[i];
                } else if (s[i] == '>') {
                    break;
                }
            }
            const bool empty = i < s.size() && s[i - 1] == '/';
            if (++elements > kMaxSatellitesXmlElements) {
                error = AtLine(LineAt(s, start),
                               phrase::Text(VELMAR_TRANSLATE_NOOP(
                                                "Velmar", "the file has more than %1 elements, "
                                                          "more than any transponder list"),
                                            {phrase::Grouped(kMaxSatellitesXmlElements)}));
                return false;
            }
            if (!empty && ++depth > kMaxSatellitesXmlDepth) {
                error = AtLine(LineAt(s, start),
                               phrase::Text(VELMAR_TRANSLATE_NOOP(
                                                "Velmar", "elements are nested more than %1 deep, "
                                                          "which no transponder list is"),
                                            {phrase::Number(kMaxSatellitesXmlDepth)}));
                return false;
            }
        }
    }
    return true;
}

// A whole number attribute in [least, most]; `fallback` when it is absent
// and not `required`.
// What the parser found wrong, in the parser's own words, marked so that the
// editor says them in the user's language.
Phrase ParseFailure(pugi::xml_parse_status status) {
    switch (status) {
    case pugi::status_out_of_memory:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Could not allocate memory"));
    case pugi::status_unrecognized_tag:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Could not determine tag type"));
    case pugi::status_bad_pi:
        return phrase::Text(VELMAR_TRANSLATE_NOOP(
            "Velmar", "Error parsing document declaration/processing instruction"));
    case pugi::status_bad_comment:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Error parsing comment"));
    case pugi::status_bad_cdata:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Error parsing CDATA section"));
    case pugi::status_bad_doctype:
        return phrase::Text(
            VELMAR_TRANSLATE_NOOP("Velmar", "Error parsing document type declaration"));
    case pugi::status_bad_pcdata:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Error parsing PCDATA section"));
    case pugi::status_bad_start_element:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Error parsing start element tag"));
    case pugi::status_bad_attribute:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Error parsing element attribute"));
    case pugi::status_bad_end_element:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Error parsing end element tag"));
    case pugi::status_end_element_mismatch:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Start-end tags mismatch"));
    case pugi::status_no_document_element:
        return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "No document element found"));
    default: { // reading from memory: no file, stream or append failures
        pugi::xml_parse_result result;
        result.status = status;
        return phrase::Data(result.description());
    }
    }
}

bool Number(const pugi::xml_node& node, const char* name, long long least, long long most,
            bool required, long long fallback, long long& value, Phrase& problem) {
    const pugi::xml_attribute a = node.attribute(name);
    if (!a) {
        if (required) {
            problem = phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "<%1> has no %2"),
                                   {phrase::Data(node.name()), phrase::Data(name)});
            return false;
        }
        value = fallback;
        return true;
    }
    const std::string_view text = TrimBlanks(a.value());
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < least ||
        value > most) {
        problem =
            phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1=\"%2\" is not a number from %3 to %4"),
                         {phrase::Data(name), phrase::Data(a.value()),
                          phrase::Data(std::to_string(least)), phrase::Data(std::to_string(most))});
        return false;
    }
    return true;
}

} // namespace

std::optional<std::vector<XmlSatellite>> ParseSatellitesXml(std::string_view text, Phrase& error) {
    if (text.size() > kMaxSatellitesXmlBytes) {
        error = phrase::Text(
            VELMAR_TRANSLATE_NOOP(
                "Velmar", "The file is larger than %1 bytes, more than any transponder list."),
            {phrase::Grouped(kMaxSatellitesXmlBytes)});
        return std::nullopt;
    }
    if (!ScanBounds(text, error))
        return std::nullopt;
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_auto);
    if (!parsed) {
        error = AtLine(LineAt(text, static_cast<std::size_t>(parsed.offset)),
                       phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "the XML is malformed (%1)"),
                                    {ParseFailure(parsed.status)}));
        return std::nullopt;
    }
    const pugi::xml_node root = doc.document_element();
    if (std::string_view(root.name()) != "satellites") {
        error = AtLine(
            LineAt(text, static_cast<std::size_t>(root.offset_debug())),
            phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "the file has no <satellites> element")));
        return std::nullopt;
    }
    // offset_debug counts in the parser's copy, which is the text itself for
    // UTF-8; for other encodings the line is near enough.
    const auto lineOf = [&](const pugi::xml_node& n) {
        return LineAt(text,
                      static_cast<std::size_t>(std::max<std::ptrdiff_t>(n.offset_debug(), 0)));
    };
    std::vector<XmlSatellite> satellites;
    Phrase problem;
    for (const pugi::xml_node sat : root.children("sat")) {
        XmlSatellite s;
        s.line = lineOf(sat);
        long long position = 0, flags = 0;
        if (!Number(sat, "position", -1800, 1800, true, 0, position, problem) ||
            !Number(sat, "flags", 0, 0xFFFF, false, 0, flags, problem)) {
            error = AtLine(s.line, problem);
            return std::nullopt;
        }
        s.position = static_cast<int>(position);
        s.flags = static_cast<int>(flags);
        s.name = ListTextToAnsi(sat.attribute("name").value());
        for (const pugi::xml_node tp : sat.children("transponder")) {
            XmlTransponder t;
            t.line = lineOf(tp);
            long long v[6] = {};
            if (!Number(tp, "frequency", 0, 0xFFFFFFFF, true, 0, v[0], problem) ||
                !Number(tp, "symbol_rate", 0, 0xFFFFFFFF, true, 0, v[1], problem) ||
                !Number(tp, "polarization", 0, 3, true, 0, v[2], problem) ||
                !Number(tp, "fec_inner", 0, 15, false, 0, v[3], problem) ||
                !Number(tp, "system", 0, 1, false, 0, v[4], problem) ||
                !Number(tp, "modulation", 0, 15, false, 0, v[5], problem)) {
                error = AtLine(t.line, problem);
                return std::nullopt;
            }
            t.frequencyKHz = static_cast<std::uint32_t>(v[0]);
            t.symbolRate = static_cast<std::uint32_t>(v[1]);
            t.polarization = static_cast<int>(v[2]);
            t.fecInner = static_cast<int>(v[3]);
            t.system = static_cast<int>(v[4]);
            t.modulation = static_cast<int>(v[5]);
            s.transponders.push_back(t);
        }
        satellites.push_back(std::move(s));
    }
    return satellites;
}

std::optional<std::vector<XmlSatellite>> ParseSatellitesXml(std::string_view text,
                                                            std::string& error) {
    Phrase why;
    auto satellites = ParseSatellitesXml(text, why);
    if (!satellites)
        error = English(why);
    return satellites;
}

std::optional<std::vector<XmlSatellite>> ReadSatellitesXml(const std::string& path, Phrase& error) {
    try {
        std::string bytes;
        if (!ReadInputFile(path, kMaxSatellitesXmlBytes,
                           VELMAR_TRANSLATE_NOOP("Velmar", "a satellites.xml file"), bytes, error))
            return std::nullopt;
        auto satellites = ParseSatellitesXml(bytes, error);
        if (!satellites)
            error = phrase::Join({phrase::Data(path), std::move(error)}, ", ");
        return satellites;
    } catch (const std::bad_alloc&) {
        error =
            phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "There is not enough memory to read %1."),
                         {phrase::Data(path)});
        return std::nullopt;
    }
}

std::optional<std::vector<XmlSatellite>> ReadSatellitesXml(const std::string& path,
                                                           std::string& error) {
    Phrase why;
    auto satellites = ReadSatellitesXml(path, why);
    if (!satellites)
        error = English(why);
    return satellites;
}

std::string PositionText(int position) {
    char text[16];
    const int tenths = position < 0 ? -position : position;
    (void)std::snprintf(text, sizeof text, "%d.%d%c", tenths / 10, tenths % 10,
                        position < 0 ? 'W' : 'E');
    return text;
}

std::optional<int> ParsePosition(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty())
        return std::nullopt;
    const char side = text.back();
    if (side == 'E' || side == 'e' || side == 'W' || side == 'w') {
        // Degrees with at most one decimal.
        text.remove_suffix(1);
        const std::size_t dot = text.find('.');
        const std::string_view whole = text.substr(0, dot);
        const std::string_view tenth =
            dot == std::string_view::npos ? std::string_view("0") : text.substr(dot + 1);
        int degrees = 0, fraction = 0;
        const auto a = std::from_chars(whole.data(), whole.data() + whole.size(), degrees);
        const auto b = std::from_chars(tenth.data(), tenth.data() + tenth.size(), fraction);
        if (whole.empty() || tenth.size() != 1 || a.ec != std::errc() ||
            a.ptr != whole.data() + whole.size() || b.ec != std::errc() ||
            b.ptr != tenth.data() + tenth.size() || degrees < 0 || degrees * 10 + fraction > 1800)
            return std::nullopt;
        const int tenths = degrees * 10 + fraction;
        return side == 'W' || side == 'w' ? -tenths : tenths;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < -1800 || value > 1800)
        return std::nullopt;
    return value;
}
