// Load and save of full channel blocks through CChannelFile, in MB/s of
// image processed. Target: the start-up image (4,608 channels) loads into
// the store in under 5 ms.
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "image/ChannelFile.h"
#include "image/ImageFile.h"
#include "image/ImageState.h"
#include "model/ChannelRecords.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct Setup {
    const char* name;
    int list;
    std::uint32_t type;
    int entrySize;
    int satEntry;
};

constexpr Setup kStartup{"startup", 7, 0x01, 56, 32};
constexpr Setup kLongFav32{"standard-32fav-longsat", 64, 0x49, 124, 44};

std::string Path(const char* what) {
    return (std::filesystem::temp_directory_path() /
            ("velmar-bench-" + std::to_string(::getpid()) + "-" + what))
        .string();
}

void Configure(const Setup& s) {
    ConfigureStartupPolicy();
    SetProductList(s.list);
    SetProductType(s.type);
    SetFlashSatBlockInfo(4096, 1, s.satEntry);
    SetFlashCHBlockInfo(49152, 64, s.entrySize, 28);
}

// Fills the store with a full channel block and writes the image; returns its size.
std::size_t MakeFullImage(const Setup& s, const std::string& path) {
    Configure(s);
    ResetImageState();
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    const int perSector = (4096 - 50) / s.entrySize;
    for (int i = 0; i < 64 * perSector; ++i) {
        auto c = NewRecord<Channel_Info_Tag>();
        c->ProgramNum = static_cast<WORD>(i + 1);
        c->SatID = 1;
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
    CChannelFile file;
    file.Save(path.c_str(), false);
    return blank.size();
}

void BM_Load(benchmark::State& state, Setup s) {
    const std::string path = Path("load.bin");
    const std::size_t bytes = MakeFullImage(s, path);
    for (auto _ : state) {
        TheZorvDB().ClearAll();
        CChannelFile file;
        benchmark::DoNotOptimize(file.Load(path.c_str()));
    }
    state.counters["channels"] = static_cast<double>(TheZorvDB().Size(kTableChannel));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    std::filesystem::remove(path);
}

void BM_Save(benchmark::State& state, Setup s) {
    const std::string path = Path("save.bin");
    const std::size_t bytes = MakeFullImage(s, path);
    for (auto _ : state) {
        CChannelFile file;
        benchmark::DoNotOptimize(file.Save(path.c_str(), false));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK_CAPTURE(BM_Load, startup_4608_channels, kStartup)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, startup_4608_channels, kStartup)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load, standard_32fav_longsat, kLongFav32)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, standard_32fav_longsat, kLongFav32)->Unit(benchmark::kMillisecond);
