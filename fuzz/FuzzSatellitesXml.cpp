// libFuzzer target: arbitrary bytes as a satellites.xml file; what parses is
// imported into a small satellite list, which must stay consistent: every
// transponder on a satellite the list has, TPIDs of a satellite distinct.
#include "contracts/ZorvDB.h"
#include "lists/SatelliteImport.h"
#include "lists/SatellitesXml.h"
#include "model/SatelliteRecords.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto file =
        ParseSatellitesXml(std::string_view(reinterpret_cast<const char*>(data), size), error);
    if (!file) {
        if (error.empty())
            std::abort();
        return 0;
    }
    CZorvDB db;
    Satellite_Info_Tag s{};
    s.ID = 1;
    s.Degree = 192;
    db.AddIndexed(kTableSatellite, CopyRecord(s));
    Transponder_Info_Tag t{};
    t.SatID = 1;
    t.TPID = 1;
    t.Frequency = 11494;
    db.AddIndexed(kTableTransponder, CopyRecord(t));
    DWORD maxTpid = 1;
    SatelliteImportOptions options;
    options.prune = size % 2 == 1;
    ImportSatellites(db, *file, options, 0x01, 7, maxTpid);
    std::set<int> ids;
    for (const auto& sat : db.Rows<Satellite_Info_Tag>(kTableSatellite))
        ids.insert(sat.ID);
    std::set<std::pair<int, int>> tps;
    for (const auto& tp : db.Rows<Transponder_Info_Tag>(kTableTransponder))
        if (!ids.contains(tp.SatID) || !tps.insert({tp.SatID, tp.TPID}).second)
            std::abort();
    return 0;
}
