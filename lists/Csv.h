// RFC 4180 text tables: records of fields split by one separator, a field
// in double quotes when it holds the separator, a quote or a line break
// (a quote inside doubled). Records end in CRLF or LF. Our own small reader
// and writer rather than libcsv: the format is a page long, we need the
// line of every record for messages, the separator guessed from the header,
// strict refusal of a stray quote, and no callbacks over C buffers.
#pragma once

#include "platform/Phrase.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The UTF-8 byte order mark some spreadsheet programs want before the text.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// ',' or ';': the one of the two that the first record (outside quotes)
// holds more of; ',' when neither.
char GuessCsvSeparator(std::string_view text);

// One record as the reader hands it on: its fields and the line it starts on
// (from 1). The fields are views into the text read (a quoted field with
// doubled quotes into the reader's own buffer), valid during the call only.
struct CsvRecord {
    std::span<const std::string_view> fields;
    std::size_t line = 0;
};

// Reads `text` (a leading BOM skipped) record by record; `take` answers false
// to stop early. False, with "line N: ..." in `error`, on a quote that is
// never closed or text between a closing quote and the next separator: the
// records before it were handed on, so callers keep nothing until the end.
bool ReadCsv(std::string_view text, char separator,
             const std::function<bool(const CsvRecord&)>& take, std::string& error);
// The same with the error as its phrase, for the editor.
bool ReadCsv(std::string_view text, char separator,
             const std::function<bool(const CsvRecord&)>& take, Phrase& error);

// Appends one record ending in CRLF, quoting only the fields that need it
// (separator, quote, CR, LF, or blanks at either end, which some readers trim).
void AppendCsvRecord(std::string& out, std::span<const std::string_view> fields, char separator);
// One field of such a record, quoted as above, without a separator or line end.
void AppendCsvField(std::string& out, std::string_view field, char separator);
