// libFuzzer target: arbitrary bytes as a channel CSV file. What parses is
// written out again and must parse to the same channels, field for field.
#include "contracts/ZorvDB.h"
#include "lists/ChannelCsv.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto channels =
        ParseChannelCsv(std::string_view(reinterpret_cast<const char*>(data), size), error);
    if (!channels) {
        if (error.empty())
            std::abort(); // a refusal always says why
        return 0;
    }
    CZorvDB db;
    ReplaceChannelTable(db, *channels);
    const auto back = ParseChannelCsv(ChannelCsvText(db, size % 2 == 0), error);
    if (!back || back->size() != channels->size())
        std::abort();
    for (std::size_t i = 0; i < back->size(); ++i)
        for (int col = 0; col < kChannelColumns; ++col)
            if (col != kChannelNameColumn &&
                ChannelColumnValue((*back)[i], col) != ChannelColumnValue((*channels)[i], col))
                std::abort();
    return 0;
}
