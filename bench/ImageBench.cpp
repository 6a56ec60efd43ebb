// Load and save of full channel blocks through CChannelFile, in bytes of
// image processed a second. Target: the start-up image (4,608 channels)
// loads into the store in under 5 ms; load and save from and to bytes in
// memory run at 2 GB/s or more. Beside them the same bytes moved by plain
// reads and copies, and a file replaced the way `cp` plus one `fsync` would,
// so the ratios can be read off one run.
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
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<BYTE> FileBytes(const std::string& path) {
    std::string contents;
    ReadWholeFile(path, contents);
    return {contents.begin(), contents.end()};
}

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

// The decode alone: the image is in memory already.
void BM_LoadBytes(benchmark::State& state, BenchProfile s) {
    const std::string path = BenchPath("loadbytes.bin");
    MakeFullImage(s, path);
    const std::vector<BYTE> image = FileBytes(path);
    std::filesystem::remove(path);
    for (auto _ : state) {
        TheZorvDB().ClearAll();
        CChannelFile file(TheZorvDB(), CurrentImageValues());
        if (file.LoadBytes(image) != 1)
            state.SkipWithError("load failed");
    }
    state.counters["channels"] = static_cast<double>(TheZorvDB().Size(kTableChannel));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
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

// The encode alone: the store patched into the image bytes in memory.
void BM_SaveBytes(benchmark::State& state, BenchProfile s) {
    const std::string path = BenchPath("savebytes.bin");
    MakeFullImage(s, path);
    std::vector<BYTE> image = FileBytes(path);
    std::filesystem::remove(path);
    const std::size_t bytes = image.size();
    for (auto _ : state) {
        CChannelFile file(TheZorvDB(), CurrentImageValues());
        if (file.SaveBytes(image, false) != 1)
            state.SkipWithError("save failed");
        benchmark::DoNotOptimize(image.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// What a load has to do at the least: the file's bytes read and copied once.
void BM_ReadAndCopyReference(benchmark::State& state, BenchProfile s) {
    const std::string path = BenchPath("readref.bin");
    const std::size_t bytes = MakeFullImage(s, path);
    std::vector<BYTE> read(bytes), copy(bytes);
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        const std::size_t n = f ? std::fread(read.data(), 1, read.size(), f) : 0;
        if (f)
            std::fclose(f);
        std::memcpy(copy.data(), read.data(), n);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    std::filesystem::remove(path);
}

// What a save to a file has to do at the least, as `cp` and one `fsync`
// would: the old file read, a new one beside it written and synced, renamed
// over it, and the folder synced.
void BM_CopyFsyncReference(benchmark::State& state, BenchProfile s) {
    const std::string path = BenchPath("copyref.bin");
    const std::size_t bytes = MakeFullImage(s, path);
    const std::string temp = path + ".new";
    const std::string folder = std::filesystem::path(path).parent_path().string();
    std::vector<BYTE> buffer(bytes);
    for (auto _ : state) {
        const int in = ::open(path.c_str(), O_RDONLY);
        const ssize_t n = in >= 0 ? ::read(in, buffer.data(), buffer.size()) : -1;
        if (in >= 0)
            ::close(in);
        const int out = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        bool ok = n == static_cast<ssize_t>(bytes) && out >= 0 &&
                  ::write(out, buffer.data(), bytes) == static_cast<ssize_t>(bytes) &&
                  ::fsync(out) == 0;
        if (out >= 0)
            ::close(out);
        ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
        const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
        if (!ok)
            state.SkipWithError("copy failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK_CAPTURE(BM_Load, startup_4608_channels, kStartupProfile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, startup_4608_channels, kStartupProfile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadBytes, startup_4608_channels, kStartupProfile)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveBytes, startup_4608_channels, kStartupProfile)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadAndCopyReference, startup_4608_channels, kStartupProfile)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CopyFsyncReference, startup_4608_channels, kStartupProfile)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Load, standard_32fav_longsat, kLongFav32Profile)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Save, standard_32fav_longsat, kLongFav32Profile)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadBytes, standard_32fav_longsat, kLongFav32Profile)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveBytes, standard_32fav_longsat, kLongFav32Profile)
    ->Unit(benchmark::kMillisecond);
