// The channel table in the worksheet "Channel" of an Excel workbook: one row
// per channel, one column per field, row 0 the column names.
#pragma once

#include "model/ChannelRecords.h"
#include "platform/Phrase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CExcelBook;
class CZorvDB;

// The channels of a workbook, in sheet order, before they replace anything.
using ChannelList = std::vector<Channel_Info_Tag>;

// Reads the whole workbook at `path` and returns the rows of its "Channel"
// sheet; nullopt, with the message for the user in `error`, when the file is
// no workbook, is damaged, or has no such sheet. Rows without any stored cell
// are no channels.
std::optional<ChannelList> ReadChannelWorkbook(const std::string& path, Phrase& error);
std::optional<ChannelList> ReadChannelWorkbook(const std::string& path, std::string& error);
// The same for a workbook already loaded.
std::optional<ChannelList> ChannelsFromBook(CExcelBook& book, Phrase& error);
std::optional<ChannelList> ChannelsFromBook(CExcelBook& book, std::string& error);
// Replaces table 5 of `db` by `channels`, with new keys in their order.
void ReplaceChannelTable(CZorvDB& db, const ChannelList& channels);

// Reads the workbook and, only when all of it was read, replaces table 5 of
// `db` by its "Channel" rows. False, with the message in `error`, leaves the
// channels as they were.
bool ImportChannelWorkbook(CZorvDB& db, const std::string& path, std::string* error = nullptr);
// Writes table 5 of `db` into the "Channel" sheet of the workbook at `path` (in place
// of an existing one), keeping everything else in the workbook as it was; a
// missing file, or one that is no compound file, becomes a new workbook.
// False, with what the user should be told in `message`, when nothing was
// written: a write failure, more channels than a sheet holds, or a workbook
// that cannot be kept whole (damaged, encrypted, unreadable).
bool ExportChannelWorkbook(const CZorvDB& db, const std::string& path, Phrase* message);
bool ExportChannelWorkbook(const CZorvDB& db, const std::string& path,
                           std::string* message = nullptr);

// Rows of a sheet below its header row.
inline constexpr std::uint64_t kMaxSheetChannels = 65535;

// The 60 column names in order.
const char* ChannelColumnName(int column);
inline constexpr int kChannelColumns = 60;
// Column 13, the one text column.
inline constexpr int kChannelNameColumn = 13;
// A numeric column's field widened to 32 bits, and stored keeping the
// field's low 8, 16 or 32 bits, as the sheet import stores it.
std::uint32_t ChannelColumnValue(const Channel_Info_Tag& c, int column);
void SetChannelColumnValue(Channel_Info_Tag& c, int column, std::uint32_t value);
