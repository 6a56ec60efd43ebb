#include "platform/AnsiText.h"

#include "xls/CodePage.h"

QString FromAnsi(std::string_view text) {
    const std::u16string wide = AnsiToUtf16(text);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

std::optional<std::string> ToAnsi(const QString& text) {
    const std::u16string_view wide(reinterpret_cast<const char16_t*>(text.utf16()),
                                   static_cast<std::size_t>(text.size()));
    std::string out = Utf16ToAnsi(wide);
    // The code page's default character stands for what it cannot hold.
    for (std::size_t i = 0; i < out.size(); ++i)
        if (out[i] == '?' && wide[i] != u'?')
            return std::nullopt;
    return out;
}
