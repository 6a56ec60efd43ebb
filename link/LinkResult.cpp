#include "link/LinkResult.h"

#include <algorithm>

Phrase TransferCancelled() {
    return phrase::Text(VELMAR_TRANSLATE_NOOP("Velmar", "Transfer cancelled"));
}

std::string SecondsText(std::chrono::milliseconds duration) {
    const auto ms = duration.count();
    std::string text = std::to_string(ms / 1000);
    if (const auto fraction = ms % 1000; fraction != 0) {
        std::string digits = std::to_string(1000 + fraction).substr(1);
        while (digits.back() == '0')
            digits.pop_back();
        text += "." + digits;
    }
    return text + " s";
}

namespace {

void AppendHex(std::string& out, unsigned char byte) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 15];
}

// The length of the UTF-8 sequence at `i` that shows as text (no C1
// control, no direction override), 0 when it is anything else.
std::size_t PrintableSequence(const std::string& text, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = at(i);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((at(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (at(i + k) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    const bool c1 = code >= 0x80 && code <= 0x9F;
    const bool bidi = (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
    if (overlong || surrogate || c1 || bidi || code > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

std::string PeerText(const std::string& text) {
    constexpr std::size_t kShown = 80;
    const std::size_t end = std::min(text.size(), kShown);
    std::string out;
    std::size_t i = 0;
    while (i < end) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\\') {
            out += "\\\\";
            ++i;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += static_cast<char>(byte);
            ++i;
        } else if (const std::size_t n = byte >= 0x80 ? PrintableSequence(text, i) : 0;
                   n > 0 && i + n <= end) {
            out.append(text, i, n);
            i += n;
        } else {
            AppendHex(out, byte);
            ++i;
        }
    }
    if (text.size() > kShown)
        out += "...";
    return out;
}
