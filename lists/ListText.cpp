#include "lists/ListText.h"

#include "lists/Csv.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <optional>

namespace {

// One code point from `s` at `i` (moved past it); none when the bytes are no
// well-formed UTF-8 (overlong forms, surrogates and values past U+10FFFF too).
std::optional<char32_t> NextCodePoint(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    char32_t cp = 0, least = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1Fu;
        least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0Fu;
        least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07u;
        least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + static_cast<std::size_t>(extra) >= s.size())
        return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(i + static_cast<std::size_t>(k));
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (b & 0x3Fu);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    i += static_cast<std::size_t>(extra) + 1;
    return cp;
}

} // namespace

std::string ListTextToAnsi(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom)
        bytes.remove_prefix(kUtf8Bom.size());
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        // The common case: a run of ASCII copied at once.
        const auto run =
            std::find_if_not(bytes.begin() + static_cast<std::ptrdiff_t>(i), bytes.end(), ascii);
        const auto end = static_cast<std::size_t>(run - bytes.begin());
        out.append(bytes.substr(i, end - i));
        i = end;
        if (i == bytes.size())
            break;
        const auto cp = NextCodePoint(bytes, i);
        if (!cp)
            return std::string(bytes); // no UTF-8: the bytes are Windows-1252
        out += AnsiFromCodePoint(*cp).value_or('?');
    }
    return out;
}

bool LooksLikeText(std::string_view bytes) {
    const std::string_view head = bytes.substr(0, std::size_t{64} << 10);
    return std::find(head.begin(), head.end(), '\0') == head.end();
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}
