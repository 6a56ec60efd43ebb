// A reference channel list read from another file, for applying its order to
// the open list: an image in any header form, or a workbook.
#pragma once

#include "model/ChannelRecords.h"

#include <string>
#include <vector>

// Reads the channel table of the image or workbook at `path` (a workbook by
// the extension "xls" or "cvs", as Open decides) with the program's own
// readers and the current receiver configuration. The open document is left
// exactly as it was: the store's tables and keys, the working copy and the
// image state of the last load. False, with the message in `error`, when the
// file cannot be read, does not load, or holds no channel.
bool LoadReferenceChannels(const std::string& path, std::vector<Channel_Info_Tag>& channels,
                           std::string& error);
