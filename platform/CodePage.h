// The one 8-bit code page of names: Windows-1252, the ANSI code page of the
// receivers' Western European tools. Every conversion of a name, to UTF-16
// (the editor, workbooks) or UTF-8 (scripts, JSON), goes through this table.
//
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) stand for the C1 control characters of the same number, both ways,
// as Windows converts them: a name survives any round trip byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The byte for one character; none when the code page cannot hold it.
std::optional<char> AnsiFromCodePoint(char32_t c);
// The character of one byte (every byte has one).
char32_t AnsiToCodePoint(char byte);

std::u16string AnsiToUtf16(std::string_view text);
// Characters the code page cannot hold become '?', its default character
// (what a workbook import does with them).
std::string Utf16ToAnsi(std::u16string_view text);

std::string AnsiToUtf8(std::string_view text);
// None when `text` is not well-formed UTF-8 or has a character the code page
// cannot hold: text a person typed is refused, never altered.
std::optional<std::string> Utf8ToAnsi(std::string_view text);
