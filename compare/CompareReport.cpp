#include "compare/CompareReport.h"

#include "document/ListCheck.h"

#include "platform/CodePage.h"

#include <cstdio>

namespace {

char Mark(DifferenceKind kind) {
    switch (kind) {
    case DifferenceKind::ChannelOnlyInA:
    case DifferenceKind::SatelliteOnlyInA:
    case DifferenceKind::TransponderOnlyInA:
        return '-';
    case DifferenceKind::ChannelOnlyInB:
    case DifferenceKind::SatelliteOnlyInB:
    case DifferenceKind::TransponderOnlyInB:
        return '+';
    default:
        return '~';
    }
}

std::string JsonText(const std::string& ansi) {
    return JsonString(AnsiToUtf8(ansi));
}

} // namespace

std::string DifferenceLine(const Difference& d) {
    std::string line = d.subject;
    if (!d.a.empty() && !d.b.empty())
        line += "  " + d.a + " -> " + d.b;
    else if (!d.a.empty() || !d.b.empty())
        line += "  " + (d.a.empty() ? d.b : d.a);
    return AnsiToUtf8(line);
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
        text += " " + DifferenceLine(d) + "\n";
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
