#include "compare/CompareReport.h"

#include "document/ListCheck.h"

#include <cstdio>

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

std::string JsonText(const Phrase& text) {
    return JsonString(English(text));
}

} // namespace

Phrase DifferenceLine(const Difference& d) {
    if (!d.a.Empty() && !d.b.Empty())
        return phrase::Join({d.subject, phrase::Join({d.a, d.b}, " -> ")}, "  ");
    if (!d.a.Empty() || !d.b.Empty())
        return phrase::Join({d.subject, d.a.Empty() ? d.b : d.a}, "  ");
    return d.subject;
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
        text += English(DifferenceLine(d));
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
                ", \"a\": " + (d.a.Empty() ? std::string("null") : JsonText(d.a)) +
                ", \"b\": " + (d.b.Empty() ? std::string("null") : JsonText(d.b)) + "}";
    }
    json += first ? "]}\n" : "\n ]}\n";
    return json;
}
