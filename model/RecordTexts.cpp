#include "model/RecordTexts.h"

#include "model/Product.h"

#include "platform/DisplayTexts.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace {

template <std::size_t N> std::string Coded(const std::array<std::string_view, N>& texts, int code) {
    if (code < 0 || static_cast<std::size_t>(code) >= N || texts[code].empty())
        return "--";
    return std::string(texts[code]);
}

template <class... Args> std::string Format(const char* format, Args... args) {
    char buffer[64];
    (void)std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

} // namespace

std::string DegreeText(WORD degree) {
    // Single-precision tenths, as the receiver's own menus compute them.
    if (degree > 1800)
        return Format("%3.1fW", static_cast<double>(static_cast<float>(3600 - degree) * 0.1f));
    return Format("%3.1fE", static_cast<double>(static_cast<float>(degree) * 0.1f));
}

std::string TransModeText(int code) {
    return Coded(std::array<std::string_view, 3>{"", "2K", "8K"}, code);
}
std::string ConstellationText(int code) {
    return Coded(std::array<std::string_view, 4>{"", "QPSK", "16QAM", "64QAM"}, code);
}
std::string CodeRateText(int code) {
    return Coded(std::array<std::string_view, 6>{"", "1/2", "2/3", "3/4", "5/6", "7/8"}, code);
}
std::string GuardIntervalText(int code) {
    return Coded(std::array<std::string_view, 5>{"", "1/32", "1/16", "1/8", "1/4"}, code);
}
std::string PriorityText(int code) {
    return Coded(std::array<std::string_view, 3>{"Auto", "High", "Low"}, code);
}
std::string QamText(int code) {
    return Coded(
        std::array<std::string_view, 6>{"", "16 QAM", "32 QAM", "64 QAM", "128 QAM", "256 QAM"},
        code);
}

int CableQamCode(BYTE modulation, int productList) {
    return HasWholeByteModulation(productList) ? modulation : modulation >> 2;
}
int CableInvertValue(BYTE modulation, BYTE invert, int productList) {
    return HasWholeByteModulation(productList) ? invert : (modulation & 0x03);
}

std::string CableFrequencyText(DWORD kHz) {
    return Format("%03u.%03u MHz", static_cast<unsigned>(kHz / 1000),
                  static_cast<unsigned>(kHz % 1000));
}
std::string MuxFrequencyText(int kHz) {
    return Format("%03d.%d", kHz / 1000, kHz % 1000);
}
std::string SymbolRateText(WORD rate) {
    return Format("%d Ks/s", static_cast<int>(rate));
}
std::string PolarityText(BYTE polFec) {
    return (polFec & 1) ? "HOR" : "VER";
}

std::string GenreText(int code) {
    char buffer[kDisplayTextMax] = {};
    GetGenreName(code, buffer);
    return buffer;
}

std::string TunerText(int code) {
    char buffer[kDisplayTextMax] = {};
    GetTunerName(code, buffer);
    return buffer;
}
