// diff of two 60,000-channel lists and the CSV write and read of one of them
// against the workbook read of the same list (target: each under a tenth of
// it): the comparison of two lists in memory (the second with every
// twentieth channel renamed and every fiftieth renumbered, so there is
// something to report) and its text report, the CSV file of list A written
// and read back, and ReadChannelWorkbook of the list's workbook.
#include "bench/RealisticImage.h"

#include "compare/CompareReport.h"
#include "compare/ListCompare.h"
#include "contracts/ZorvDB.h"
#include "lists/ChannelCsv.h"
#include "model/ChannelRecords.h"
#include "xls/ChannelWorkbook.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace {

constexpr int kChannels = 60000;

struct Lists {
    CZorvDB a, b;
    std::string workbook, csv;

    Lists() {
        const auto dir = std::filesystem::temp_directory_path();
        const std::string image =
            (dir / ("velmar-compare-bench-" + std::to_string(::getpid()) + ".bin")).string();
        workbook = image + ".xls";
        csv = image + ".csv";
        MakeRealisticImage(image);
        std::filesystem::remove(image);
        ReplaceWithRealisticChannels(kChannels);
        a.Swap(TheZorvDB());
        ReplaceWithRealisticChannels(kChannels);
        // The same sources in both.
        for (std::uint8_t t : {kTableSatellite, kTableTransponder, kTableBroadcast, kTableFavorite})
            for (std::uint32_t key : a.Keys(t))
                TheZorvDB().Add(t, key, CopyBytes(a, t, key));
        int i = 0;
        for (auto& c : TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel)) {
            if (i % 20 == 0)
                c.Name[0] = c.Name[0] == 'X' ? 'Y' : 'X';
            if (i % 50 == 0)
                c.ProgramNum = static_cast<WORD>(c.ProgramNum + 1);
            ++i;
        }
        b.Swap(TheZorvDB());
        MakeRealisticWorkbook(workbook, kChannels);
        std::string error;
        ExportChannelCsv(a, csv, false, error);
    }
    ~Lists() {
        std::filesystem::remove(workbook);
        std::filesystem::remove(csv);
    }

    static void* CopyBytes(const CZorvDB& db, std::uint8_t table, std::uint32_t key) {
        const std::size_t size = db.RowBytes(table, key);
        void* row = AllocRecordBytes(size);
        std::memcpy(row, db.GetRow(table, key), size);
        return row;
    }
};

Lists& Shared() {
    static Lists lists;
    return lists;
}

void BM_Diff60000(benchmark::State& state) {
    Lists& lists = Shared();
    std::size_t differences = 0;
    for (auto _ : state) {
        const Comparison c = CompareLists(lists.a, lists.b);
        const std::string text = ComparisonText(c, "a", "b");
        differences = c.differences.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["differences"] = static_cast<double>(differences);
}

void BM_WorkbookRead60000(benchmark::State& state) {
    Lists& lists = Shared();
    for (auto _ : state) {
        std::string error;
        auto channels = ReadChannelWorkbook(lists.workbook, error);
        if (!channels)
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(channels);
    }
}

// The CSV file of list A, as export-csv writes it.
void BM_CsvWrite60000(benchmark::State& state) {
    Lists& lists = Shared();
    const std::string path = lists.csv + ".out";
    std::string error;
    for (auto _ : state)
        if (!ExportChannelCsv(lists.a, path, false, error))
            state.SkipWithError(error.c_str());
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}

// The same file read back, as import-csv reads it.
void BM_CsvRead60000(benchmark::State& state) {
    Lists& lists = Shared();
    for (auto _ : state) {
        std::string error;
        auto channels = ReadChannelCsv(lists.csv, error);
        if (!channels || channels->size() != kChannels)
            state.SkipWithError("the CSV did not read back");
        benchmark::DoNotOptimize(channels);
    }
}

} // namespace

BENCHMARK(BM_Diff60000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvWrite60000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvRead60000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkbookRead60000)->Unit(benchmark::kMillisecond);
