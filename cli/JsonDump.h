// The store and the codec's module-wide state as JSON, for scripts and for
// comparing what two images hold.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

// Names are decoded byte for byte as ISO-8859-1.
std::string Latin1ToJsonString(const char* text);
// The whole dump: header state and every table in store order. Transponders
// of satellite 1 on a terrestrial product appear in their terrestrial form.
std::string DumpJson(std::uint32_t productType);
// Only the channel table, as the dump's "channels" array.
std::string DumpChannelsJson();
// The same written to `out` record by record, never whole in memory.
void DumpChannelsJson(std::ostream& out);
