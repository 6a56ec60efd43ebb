// Text files people make by hand or with a spreadsheet program: UTF-8 (with
// or without a byte order mark) or, when the bytes are no UTF-8, the
// Windows-1252 that older programs save; names in the lists are Windows-1252.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The largest list file read: far above any receiver's list.
inline constexpr std::uint64_t kMaxListFileBytes = std::uint64_t{64} << 20;

// `bytes` (a BOM left out) as Windows-1252: decoded from UTF-8 when they are
// well-formed UTF-8, characters the code page lacks becoming '?' as a
// workbook import makes them; otherwise taken byte for byte.
std::string ListTextToAnsi(std::string_view bytes);

// No NUL byte in the first 64 KiB: a text, not an image or a workbook.
bool LooksLikeText(std::string_view bytes);

// Without blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view s);
// ASCII letters in lower case, for matching header names.
std::string LowerAscii(std::string_view s);
