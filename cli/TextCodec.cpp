#include "cli/TextCodec.h"

#include "xls/CodePage.h"

namespace {

void AppendUtf8(std::string& out, char32_t c) {
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

// The next code point of `text` from `at`; none for a malformed sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80)
        return lead;
    int more = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        more = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < more; ++i) {
        if (at >= text.size())
            return std::nullopt;
        const auto next = static_cast<unsigned char>(text[at++]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    return c;
}

} // namespace

std::optional<std::string> Utf8ToAnsi(std::string_view text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const auto c = NextCodePoint(text, at);
        if (!c || *c > 0xFFFF)
            return std::nullopt;
        const std::u16string one(1, static_cast<char16_t>(*c));
        const std::string ansi = Utf16ToAnsi(one);
        // The code page's default character stands for what it cannot hold.
        if (ansi == "?" && *c != U'?')
            return std::nullopt;
        out += ansi;
    }
    return out;
}

std::string AnsiToUtf8(std::string_view text) {
    std::string out;
    for (char16_t c : AnsiToUtf16(text))
        AppendUtf8(out, c);
    return out;
}
