#include "compare/CompareReport.h"

#include "document/ListCheck.h"

#include "platform/CodePage.h"

#include <cstdio>
#include <string_view>

namespace {

char Mark(DifferenceKind kind) {
    switch (kind) {
    case DifferenceKind::ChannelOnlyInA:
    case DifferenceKind::SatelliteOnlyInA:
    case DifferenceKind::TransponderOnlyInA:
    case DifferenceKind::MultiplexOnlyInA:
        return '-';
    case DifferenceKind::ChannelOnlyInB:
    case DifferenceKind::SatelliteOnlyInB:
    case DifferenceKind::TransponderOnlyInB:
    case DifferenceKind::MultiplexOnlyInB:
        return '+';
    default:
        return '~';
    }
}

std::string JsonText(const std::string& ansi) {
    return JsonString(AnsiToUtf8(ansi));
}

// AnsiToUtf8 appended to `out`: byte by byte, so the pieces of a line can
// go in one by one.
void AppendUtf8Of(std::string& out, std::string_view ansi) {
    for (const char byte : ansi) {
        const char32_t c = AnsiToCodePoint(byte);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

void AppendDifferenceLine(std::string& out, const Difference& d) {
    AppendUtf8Of(out, d.subject);
    if (!d.a.empty() && !d.b.empty()) {
        out += "  ";
        AppendUtf8Of(out, d.a);
        out += " -> ";
        AppendUtf8Of(out, d.b);
    } else if (!d.a.empty() || !d.b.empty()) {
        out += "  ";
        AppendUtf8Of(out, d.a.empty() ? d.b : d.a);
    }
}

} // namespace

std::string DifferenceLine(const Difference& d) {
    std::string line;
    AppendDifferenceLine(line, d);
    return line;
}

std::string ComparisonText(const Comparison& comparison, const std::string& nameA,
                           const std::string& nameB) {
    if (comparison.Same())
        return {};
    std::string text = "--- " + nameA + "\n+++ " + nameB + "\n";
    const Difference* previous = nullptr;
    for (const Difference& d : comparison.differences) {
        if (!previous || previous->kind != d.kind)
            text += "@@ " + std::string(DifferenceTitle(d.kind)) + ": " +
                    std::to_string(comparison.Count(d.kind)) + " @@\n";
        text += Mark(d.kind);
        text += ' ';
        AppendDifferenceLine(text, d);
        text += '\n';
        previous = &d;
    }
    return text;
}

std::string ComparisonJson(const Comparison& comparison, const std::string& nameA,
                           const std::string& nameB) {
    std::string json =
        "{\"format\": 1, \"a\": " + JsonString(nameA) + ", \"b\": " + JsonString(nameB) +
        ", \"same\": " + (comparison.Same() ? "true" : "false") + ",\n \"counts\": {";
    for (std::size_t k = 0; k < kDifferenceKinds; ++k)
        json += std::string(k ? ", " : "") + "\"" + DifferenceId(static_cast<DifferenceKind>(k)) +
                "\": " + std::to_string(comparison.counts[k]);
    json += "},\n \"differences\": [";
    bool first = true;
    for (const Difference& d : comparison.differences) {
        json += first ? "\n  " : ",\n  ";
        first = false;
        json += "{\"kind\": \"" + std::string(DifferenceId(d.kind)) +
                "\", \"subject\": " + JsonText(d.subject) +
                ", \"a\": " + (d.a.empty() ? std::string("null") : JsonText(d.a)) +
                ", \"b\": " + (d.b.empty() ? std::string("null") : JsonText(d.b)) + "}";
    }
    json += first ? "]}\n" : "\n ]}\n";
    return json;
}
