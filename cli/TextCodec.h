// Text between the terminal (UTF-8) and the records (Windows-1252 bytes).
#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 to Windows-1252; none when the text is not UTF-8 or has a
// character the code page cannot hold.
std::optional<std::string> Utf8ToAnsi(std::string_view text);
// Windows-1252 to UTF-8; the five unassigned bytes pass as C1 controls.
std::string AnsiToUtf8(std::string_view text);
