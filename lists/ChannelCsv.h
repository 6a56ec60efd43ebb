// The channel table as a CSV file: a header row with the 60 column names of
// the workbook's "Channel" sheet, then one channel a row in those columns,
// so that a CSV and a workbook hold the same list. Written with ',' and
// CRLF, names in UTF-8 (a BOM on request); read with ',' or ';', CRLF or LF,
// in UTF-8 or Windows-1252, columns found by their names in the header.
#pragma once

#include "platform/Phrase.h"
#include "xls/ChannelWorkbook.h"

#include <optional>
#include <string>
#include <string_view>

class CZorvDB;

// The CSV text of table 5 in the store's order.
std::string ChannelCsvText(const CZorvDB& db, bool bom);
// Writes it to `path` atomically; false with the reason in `error`, and the
// file as it was.
bool ExportChannelCsv(const CZorvDB& db, const std::string& path, bool bom, Phrase& error);
bool ExportChannelCsv(const CZorvDB& db, const std::string& path, bool bom, std::string& error);

// The channels of a CSV text in row order. The header names the columns (in
// any case and order; columns it does not know are left alone, the fields of
// missing ones are 0); rows of empty fields are no channels. Numbers are
// decimal and must fit their field (CAS and Favorite also from -2147483648,
// as a spreadsheet shows a workbook's signed cells). None, with "line N:
// ..." in `error`, for anything else: nothing is half read.
std::optional<ChannelList> ParseChannelCsv(std::string_view text, std::string& error);
std::optional<ChannelList> ReadChannelCsv(const std::string& path, std::string& error);
// The same with the error as its phrase, for the editor.
std::optional<ChannelList> ParseChannelCsv(std::string_view text, Phrase& error);
std::optional<ChannelList> ReadChannelCsv(const std::string& path, Phrase& error);
