// The store and the codec's module-wide state as JSON, for scripts and for
// comparing what two images hold.
#pragma once

#include "xls/ChannelWorkbook.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

// The version of the JSON documents' layout, their "format" field: raised
// when a field changes meaning or goes away, not when one is added.
inline constexpr int kJsonFormat = 1;

// A name's Windows-1252 bytes as a JSON string.
std::string AnsiToJsonString(std::string_view text);
// The whole dump: header state and every table in store order. Transponders
// of satellite 1 on a terrestrial product appear in their terrestrial form.
std::string DumpJson(std::uint32_t productType);
// Only the channel table, as the dump's "channels" array.
std::string DumpChannelsJson();
// The same written to `out` record by record, never whole in memory.
void DumpChannelsJson(std::ostream& out);
// A workbook's channels alone (keyed 1, 2, 3 ... in sheet order, as a table
// of their own would key them), the format and the "channels" array, in
// pieces of about 64 KiB, each handed to `write` as it is made, so that a
// 60,000-row dump is never whole in memory; false as soon as `write` fails.
bool StreamWorkbookJson(const ChannelList& channels,
                        const std::function<bool(std::string_view)>& write);
