#include "platform/DisplayTexts.h"

#include "platform/Translate.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 16> kGenres = {
    VELMAR_TRANSLATE_NOOP("Velmar", "None"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Movie"),
    VELMAR_TRANSLATE_NOOP("Velmar", "News and Factual"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Entertainment"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Sport"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Children's"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Factual"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Education"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Lifestyle"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Drama"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Music"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Arts"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Current Affairs"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Special"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Comedy"),
    VELMAR_TRANSLATE_NOOP("Velmar", "Documentary")};

constexpr std::array<std::string_view, 16> kFecRates = {"Auto", "1/2", "2/3", "3/4",  "5/6", "7/8",
                                                        "8/9",  "3/5", "4/5", "9/10", "--",  "--",
                                                        "--",   "--",  "--",  "--"};

void Put(char* buffer, std::string_view text) {
    const std::size_t n = text.size() < kDisplayTextMax - 1 ? text.size() : kDisplayTextMax - 1;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

} // namespace

void GetFECName(int a, int b, int fecBits, char* buffer) {
    const std::string_view rate = kFecRates[(fecBits >> 4) & 0x0F];
    if (a == 0) {
        Put(buffer, rate);
        return;
    }
    const char* modulation = b == 1 ? "8PSK " : "";
    (void)std::snprintf(buffer, kDisplayTextMax, "S2 %s%.*s", modulation,
                        static_cast<int>(rate.size()), rate.data());
}

void GetGenreName(int code, char* buffer) {
    Put(buffer, code >= 0 && code < 16 ? kGenres[static_cast<std::size_t>(code)] : "--");
}

int TunerNumber(int code) {
    if (code == 17 || code == 18)
        return code - 16;
    return code + 1;
}

void GetTunerName(int code, char* buffer) {
    (void)std::snprintf(buffer, kDisplayTextMax, "Tuner %d", TunerNumber(code));
}

void MakeCommaDigitString(char* text) {
    const std::size_t len = std::strlen(text);
    const std::size_t sign = (len > 0 && text[0] == '-') ? 1 : 0;
    const std::size_t digits = len - sign;
    if (digits <= 3)
        return;
    const std::size_t commas = (digits - 1) / 3;
    // Walk from the end so the text can grow in place.
    std::size_t src = len, dst = len + commas;
    text[dst] = '\0';
    std::size_t run = 0;
    while (src > sign) {
        text[--dst] = text[--src];
        if (++run == 3 && src > sign) {
            text[--dst] = ',';
            run = 0;
        }
    }
}
