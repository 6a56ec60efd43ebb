#include "bench/BenchImages.h"

#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "image/ChannelFile.h"
#include "image/ImageFile.h"
#include "model/ChannelRecords.h"
#include "model/SatelliteRecords.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>
#include <vector>

void ConfigureBenchProfile(const BenchProfile& p) {
    ConfigureStartupPolicy();
    SetProductList(p.list);
    SetProductType(p.type);
    SetFlashSatBlockInfo(4096, 1, p.satEntry);
    SetFlashCHBlockInfo(49152, 64, p.entrySize, 28);
}

std::size_t MakeFullImage(const BenchProfile& p, const std::string& path) {
    ConfigureBenchProfile(p);
    ResetImageState();
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    for (int s = 1; s <= 4; ++s) {
        auto sat = NewRecord<Satellite_Info_Tag>();
        sat->ID = static_cast<BYTE>(s);
        std::snprintf(sat->Name, sizeof sat->Name, "Satellite %d", s);
        db.AddIndexed(kTableSatellite, std::move(sat));
    }
    const int perSector = (4096 - 50) / p.entrySize;
    for (int i = 0; i < 64 * perSector; ++i) {
        auto c = NewRecord<Channel_Info_Tag>();
        c->ProgramNum = static_cast<WORD>(i + 1);
        c->SatID = static_cast<BYTE>(i % 4 + 1);
        c->TPID = static_cast<BYTE>(i % 200 + 1);
        c->ServiceID = static_cast<WORD>(i);
        c->Attributes = static_cast<WORD>(i % 5 ? kAttrTV : kAttrRadio);
        std::snprintf(c->Name, 28, "Channel number %d", i);
        for (int k = 0; k < 32; ++k)
            c->F[k] = static_cast<WORD>(i + k);
        db.AddIndexed(kTableChannel, std::move(c));
    }
    const std::vector<BYTE> blank(86 + 49152 + 64 * 4096, 0);
    WriteWholeFile(path, blank);
    CChannelFile file(TheZorvDB(), CurrentImageValues());
    file.Save(path.c_str(), false);
    return blank.size();
}

std::string BenchPath(const char* what) {
    return (std::filesystem::temp_directory_path() /
            ("velmar-bench-" + std::to_string(::getpid()) + "-" + what))
        .string();
}
