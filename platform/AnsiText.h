// Record text (Windows-1252 bytes, as names are stored) to and from the
// text the widgets show.
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

QString FromAnsi(std::string_view text);
// A fixed-size name field up to its first zero byte.
template <std::size_t N> QString FromAnsiField(const char (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != '\0')
        ++n;
    return FromAnsi({field, n});
}
// None when the text has a character the code page cannot hold.
std::optional<std::string> ToAnsi(const QString& text);
