// The channel table in the worksheet "Channel" of an Excel workbook: one row
// per channel, one column per field, row 0 the column names.
#pragma once

#include <string>

// Replaces table 5 by the rows of the workbook's "Channel" sheet. A file that
// is not a compound file changes nothing.
void ImportChannelWorkbook(const std::string& path);
// Writes table 5 into the "Channel" sheet of the workbook at `path`, keeping
// its other sheets; a missing or foreign file becomes a new workbook. False,
// with what the user should be told in `message`, when nothing was written.
bool ExportChannelWorkbook(const std::string& path, std::string* message = nullptr);

// The 60 column names in order.
const char* ChannelColumnName(int column);
inline constexpr int kChannelColumns = 60;
