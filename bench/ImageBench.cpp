// Load and save of full channel blocks through CChannelFile, in MB/s of
// image processed. Target: the start-up image (4,608 channels) loads into
// the store in under 5 ms.
#include "bench/BenchImages.h"
#include "contracts/Policy.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "image/ChannelFile.h"
#include "image/ImageFile.h"
#include "model/ChannelRecords.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void BM_Load(benchmark::State& state, BenchProfile s) {
    const std::string path = BenchPath("load.bin");
    const std::size_t bytes = MakeFullImage(s, path);
    for (auto _ : state) {
        TheZorvDB().ClearAll();
        CChannelFile file(TheZorvDB(), CurrentImageValues());
        benchmark::DoNotOptimize(file.Load(path.c_str()));
    }
    state.counters["channels"] = static_cast<double>(TheZorvDB().Size(kTableChannel));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    std::filesystem::remove(path);
}

void BM_Save(benchmark::State& state, BenchProfile s) {
    const std::string path = BenchPath("save.bin");
    const std::size_t bytes = MakeFullImage(s, path);
    for (auto _ : state) {
        CChannelFile file(TheZorvDB(), CurrentImageValues());
        benchmark::DoNotOptimize(file.Save(path.c_str(), false));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK_CAPTURE(BM_Load, startup_4608_channels, kStartupProfile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, startup_4608_channels, kStartupProfile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load, standard_32fav_longsat, kLongFav32Profile)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, standard_32fav_longsat, kLongFav32Profile)
    ->Unit(benchmark::kMillisecond);
