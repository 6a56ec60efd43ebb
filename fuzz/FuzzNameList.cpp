// libFuzzer target: arbitrary bytes as a reference list of names, read as
// text and as CSV, matched with a small list of channels.
#include "contracts/ZorvDB.h"
#include "lists/ReferenceLists.h"
#include "model/ChannelRecords.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

const CZorvDB& Channels() {
    static CZorvDB d;
    static const bool filled = [] {
        const char* names[] = {"Das Erste HD", "ZDF", "zdf hd", "Arte", "Bayern 3"};
        WORD n = 1;
        for (const char* name : names) {
            Channel_Info_Tag c{};
            std::strcpy(c.Name, name);
            c.Attributes = n == 5 ? kAttrRadio : kAttrTV;
            c.ProgramNum = n++;
            d.AddIndexed(kTableChannel, CopyRecord(c));
        }
        return true;
    }();
    (void)filled;
    return d;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    for (const bool csv : {false, true}) {
        const auto places = csv ? ParseNameCsv(bytes, error) : ParseNameList(bytes, error);
        if (!places)
            continue;
        const auto resolved = ResolveNamedPlaces(Channels(), *places, error);
        if (!resolved)
            continue;
        if (resolved->channels.size() + resolved->unmatchedLines != places->size())
            std::abort(); // every line is matched or counted
        for (const Channel_Info_Tag& c : resolved->channels)
            if (c.ProgramNum == 0)
                std::abort();
    }
    return 0;
}
