// Export and import of 5,000 channels through the "Channel" sheet.
// Target: each under 50 ms.
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "xls/ChannelWorkbook.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string Path() {
    return (std::filesystem::temp_directory_path() /
            ("velmar-bench-" + std::to_string(::getpid()) + ".xls"))
        .string();
}

void Fill(int channels) {
    CZorvDB& db = TheZorvDB();
    db.ClearAll();
    for (int i = 0; i < channels; ++i) {
        auto c = NewRecord<Channel_Info_Tag>();
        c->ProgramNum = static_cast<WORD>(i + 1);
        c->CAS = i % 7 ? 0 : 0xFFFFFFFFu;
        c->Favorite = static_cast<DWORD>(i) << 20;
        c->SatID = 1;
        c->TPID = static_cast<BYTE>(i % 200 + 1);
        c->ServiceID = static_cast<WORD>(i);
        c->Attributes = kAttrTV;
        std::snprintf(c->Name, sizeof c->Name, "Cha\xEEne num\xE9ro %d", i);
        for (int k = 0; k < 32; ++k)
            c->F[k] = static_cast<WORD>(k + i);
        db.AddIndexed(kTableChannel, std::move(c));
    }
}

void BM_Export5000(benchmark::State& state) {
    const std::string path = Path();
    Fill(5000);
    for (auto _ : state) {
        std::filesystem::remove(path);
        ExportChannelWorkbook(TheZorvDB(), path);
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}

void BM_Import5000(benchmark::State& state) {
    const std::string path = Path();
    Fill(5000);
    ExportChannelWorkbook(TheZorvDB(), path);
    for (auto _ : state)
        ImportChannelWorkbook(TheZorvDB(), path);
    state.counters["channels"] = static_cast<double>(TheZorvDB().Size(kTableChannel));
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(BM_Export5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import5000)->Unit(benchmark::kMillisecond);
