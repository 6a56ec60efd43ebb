// The words of an `edit` script line: splitting, quoting, names in the
// records' code page, and FIELD=VALUE lists set into a record.
#pragma once

#include "model/RecordFields.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using ScriptArgs = std::vector<std::string>;

// Splits a line into words: blanks separate, double quotes keep blanks (and
// `\"` and `\\` inside them), `#` outside quotes starts a comment. False for
// an unterminated quote.
bool SplitWords(std::string_view line, ScriptArgs& words);
// The words from `from` on, joined by single blanks: a name or a search text.
std::string RestOfLine(const ScriptArgs& args, std::size_t from);
std::string Quoted(const std::string& text);
std::string Expected(const char* form);
// A decimal or 0x number of at most `bits` bits.
bool ParseNumber(const std::string& text, std::uint32_t& value, int bits = 32);
// The key in 1-based `row` of `keys` (a grid's rows); 0 and a message in
// `problem` when the row is not a number or out of range.
std::uint32_t RowKey(const std::vector<std::uint32_t>& keys, const std::string& row,
                     std::string& problem);
// Script text (UTF-8) as record text (Windows-1252); a message when it
// cannot be.
std::string ToAnsi(const std::string& text, std::string& ansi);

// FIELD=VALUE words from `from` on, set in the record; the first problem, or
// empty.
std::string SetFields(Channel_Info_Tag& record, const ScriptArgs& args, std::size_t from);
std::string SetFields(Satellite_Info_Tag& record, const ScriptArgs& args, std::size_t from);
std::string SetFields(Transponder_Info_Tag& record, const ScriptArgs& args, std::size_t from);
std::string SetFields(CableMux_Info_Tag& record, const ScriptArgs& args, std::size_t from);
