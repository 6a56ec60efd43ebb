// The fixed 8-bit code page of channel names in workbooks: Windows-1252, the
// ANSI code page of the receivers' Western European tools. Characters it
// cannot hold become '?', its default character.
#pragma once

#include <string>
#include <string_view>

std::u16string AnsiToUtf16(std::string_view text);
std::string Utf16ToAnsi(std::u16string_view text);
