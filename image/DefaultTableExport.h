// The channel table as a C source fragment: an initialised array of the
// default channel data, one line per channel of table 5 in store order.
#pragma once

#include "model/ChannelRecords.h"

class CZorvDB;

#include <string>

// One "\t{ ... },\r\n" line for a channel.
std::string FormatDefaultChannelLine(const Channel_Info_Tag& c);
// The whole fragment: opening line, one line per channel, closing count.
std::string FormatDefaultChannelTable(const CZorvDB& db);
// Writes FormatDefaultChannelTable to `path` atomically; false, with the
// reason in `error`, when it cannot be written (an existing file is then
// left as it was).
bool WriteDefaultChannelTable(const CZorvDB& db, const std::string& path,
                              std::string* error = nullptr);
