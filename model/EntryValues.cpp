#include "model/EntryValues.h"

#include "model/Product.h"
#include "model/RecordFields.h"

#include <cstdio>
#include <utility>

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool AllDigits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// "digits[.decimals]" with 1 to `maxDecimals` decimals, as a count of
// 10^-maxDecimals units; none when malformed or larger than `limit`.
std::optional<std::uint64_t> FixedPoint(std::string_view text, int maxDecimals,
                                        std::uint64_t limit) {
    text = Trimmed(text);
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    if (whole.empty() || !AllDigits(whole) || whole.size() > 12)
        return std::nullopt;
    if (dot != std::string_view::npos &&
        (fraction.empty() || fraction.size() > static_cast<std::size_t>(maxDecimals) ||
         !AllDigits(fraction)))
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : whole)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    for (int i = 0; i < maxDecimals; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        value = value * 10 +
                (at < fraction.size() ? static_cast<std::uint64_t>(fraction[at] - '0') : 0);
    }
    if (value > limit)
        return std::nullopt;
    return value;
}

} // namespace

DegreeEntry DegreeToEntry(WORD degree) {
    const bool west = degree > 1800 && degree < 3600;
    const unsigned tenths = west ? 3600u - degree : degree;
    char text[16];
    (void)std::snprintf(text, sizeof text, "%u.%u", tenths / 10, tenths % 10);
    return {text, west};
}

std::optional<WORD> DegreeFromEntry(std::string_view degrees, bool west) {
    const auto tenths = FixedPoint(degrees, 1, 1800);
    if (!tenths)
        return std::nullopt;
    if (west && *tenths != 0)
        return static_cast<WORD>(3600 - *tenths);
    return static_cast<WORD>(*tenths);
}

std::string KHzToMHzEntry(DWORD kHz) {
    char text[24];
    (void)std::snprintf(text, sizeof text, "%u.%03u", static_cast<unsigned>(kHz / 1000),
                        static_cast<unsigned>(kHz % 1000));
    return text;
}

std::optional<DWORD> MHzEntryToKHz(std::string_view text) {
    const auto kHz = FixedPoint(text, 3, 0xFFFFFFFFu);
    if (!kHz)
        return std::nullopt;
    return static_cast<DWORD>(*kHz);
}

int FecCode(BYTE polFec) {
    return polFec >> 4;
}

bool IsHorizontal(BYTE polFec) {
    return (polFec & 1) != 0;
}

BYTE ComposePolFec(BYTE polFec, bool horizontal, int fecCode) {
    return static_cast<BYTE>((polFec & 0x0E) | ((fecCode & 0x0F) << 4) | (horizontal ? 1 : 0));
}

int CableInvertMax(int productList) {
    return HasWholeByteModulation(productList) ? 0xFF : 0x03;
}

CableModulation ComposeCableModulation(CableModulation bytes, int qamCode, int inversion,
                                       int productList) {
    if (HasWholeByteModulation(productList))
        return {static_cast<BYTE>(qamCode), static_cast<BYTE>(inversion)};
    return {static_cast<BYTE>(((qamCode & 0x3F) << 2) | (inversion & 0x03)), bytes.invert};
}

Phrase NumberRangePhrase(Phrase field, std::uint32_t max) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1 must be a number from 0 to %2."),
                        {std::move(field), phrase::Number(max)});
}

std::string NumberRangeMessage(std::string_view field, std::uint32_t max) {
    return English(NumberRangePhrase(phrase::Data(std::string(field)), max));
}

Phrase TextLengthPhrase(Phrase field, std::size_t max) {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "%1 must have at most %2 characters."),
                        {std::move(field), phrase::Number(max)});
}

std::string TextLengthMessage(std::string_view field, std::size_t max) {
    return English(TextLengthPhrase(phrase::Data(std::string(field)), max));
}

std::optional<std::uint32_t> NumberEntry(const Phrase& field, std::string_view text, int bits,
                                         Phrase& problem) {
    const auto value = ParseFieldNumber(Trimmed(text), bits);
    if (!value)
        problem = NumberRangePhrase(field, bits >= 32 ? 0xFFFFFFFFu : (1u << bits) - 1);
    return value;
}

std::optional<std::uint32_t> NumberEntry(std::string_view field, std::string_view text, int bits,
                                         std::string& problem) {
    Phrase said;
    const auto value = NumberEntry(phrase::Data(std::string(field)), text, bits, said);
    if (!value)
        problem = English(said);
    return value;
}
