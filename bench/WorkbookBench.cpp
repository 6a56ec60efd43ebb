// Export and import through the "Channel" sheet: 5,000 channels (target:
// each under 50 ms), and 60,000 channels, read from a workbook of our own and
// from one LibreOffice wrote (made once into the build folder when soffice is
// installed), with the peak memory of one run as a counter.
#include "contracts/ZorvDB.h"
#include "lists/ChannelCsv.h"
#include "model/ChannelRecords.h"
#include "xls/ChannelWorkbook.h"
#include "xls/ExcelBook.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string Path(const char* tag = "") {
    return (fs::temp_directory_path() /
            ("velmar-bench-" + std::to_string(::getpid()) + tag + ".xls"))
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

long ResidentKiB() {
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// The growth of the resident set while `work` runs once, in a child process
// so that nothing the benchmark held before, or the allocator kept from
// earlier runs, hides it.
double PeakMiB(const std::function<void()>& work) {
    int pipe[2];
    if (::pipe(pipe) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipe[0]);
        ::malloc_trim(0); // the parent's freed heap would otherwise be reused unseen
        const long before = ResidentKiB();
        work();
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        const long grown = usage.ru_maxrss - before;
        const ssize_t written = ::write(pipe[1], &grown, sizeof grown);
        ::_exit(written == sizeof grown ? 0 : 1);
    }
    ::close(pipe[1]);
    long grown = -1;
    if (pid < 0 || ::read(pipe[0], &grown, sizeof grown) != sizeof grown)
        grown = -1;
    ::close(pipe[0]);
    if (pid > 0)
        ::waitpid(pid, nullptr, 0);
    return static_cast<double>(grown) / 1024;
}

// A workbook of `channels` rows that LibreOffice wrote from a CSV of the same
// channels, kept next to the benchmark binary; empty when soffice is missing
// or fails.
std::string LibreOfficeWorkbook(int channels) {
    std::error_code ec;
    const fs::path dir = fs::read_symlink("/proc/self/exe", ec).parent_path();
    const fs::path xls = dir / ("libreoffice-" + std::to_string(channels) + ".xls");
    if (fs::exists(xls, ec))
        return xls.string();
    if (std::system("command -v soffice >/dev/null 2>&1") != 0)
        return {};
    // LibreOffice names the sheet after the file.
    const fs::path work = dir / ("libreoffice-work-" + std::to_string(channels));
    fs::create_directories(work, ec);
    const fs::path csv = work / "Channel.csv";
    {
        std::ofstream out(csv);
        for (int col = 0; col < kChannelColumns; ++col)
            out << (col ? "," : "") << ChannelColumnName(col);
        out << "\n";
        for (int i = 0; i < channels; ++i) {
            const long cas = i % 7 ? 0 : 4294967295L;
            out << i + 1 << "," << cas << "," << (static_cast<long>(i) << 20) << ",1,"
                << i % 200 + 1 << ",0," << i << ",0,0,0," << kAttrTV << ",0,0,"
                << "Cha\xC3\xAEne num\xC3\xA9ro " << i << ",0,0,0,0";
            for (int k = 0; k < 32; ++k)
                out << "," << k + i;
            out << ",0,0,0,0,0,0,0,0,0,0\n";
        }
    }
    const std::string command = "timeout 600 soffice -env:UserInstallation=file://" +
                                (work / "profile").string() +
                                " --headless --infilter=CSV:44,34,76 --convert-to xls --outdir " +
                                work.string() + " " + csv.string() + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return {};
    fs::rename(fs::path(csv).replace_extension(".xls"), xls, ec);
    return ec ? std::string() : xls.string();
}

void BM_Export5000(benchmark::State& state) {
    const std::string path = Path();
    Fill(5000);
    for (auto _ : state) {
        fs::remove(path);
        ExportChannelWorkbook(TheZorvDB(), path);
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
    fs::remove(path);
}

void BM_Import5000(benchmark::State& state) {
    const std::string path = Path();
    Fill(5000);
    ExportChannelWorkbook(TheZorvDB(), path);
    for (auto _ : state)
        ImportChannelWorkbook(TheZorvDB(), path);
    state.counters["channels"] = static_cast<double>(TheZorvDB().Size(kTableChannel));
    fs::remove(path);
}

// A new workbook of 60,000 channels, written whole: to the temporary folder
// (the disk's sync included), and to /dev/shm, where the file system is
// memory and the sync costs nothing, so the writer's own time shows apart.
void WriteBench(benchmark::State& state, const std::string& path) {
    Fill(60000);
    for (auto _ : state) {
        fs::remove(path);
        if (!ExportChannelWorkbook(TheZorvDB(), path))
            state.SkipWithError("export failed");
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
    state.counters["peak_MiB"] = PeakMiB([&] {
        fs::remove(path);
        ExportChannelWorkbook(TheZorvDB(), path);
    });
    fs::remove(path);
}

void BM_Write60000(benchmark::State& state) {
    WriteBench(state, Path("-write"));
}

void BM_Write60000InMemory(benchmark::State& state) {
    if (!fs::is_directory("/dev/shm")) {
        state.SkipWithError("no /dev/shm");
        return;
    }
    WriteBench(state, "/dev/shm/velmar-bench-" + std::to_string(::getpid()) + "-write.xls");
}

void ReadBench(benchmark::State& state, const std::string& path) {
    std::size_t channels = 0;
    for (auto _ : state) {
        std::string error;
        const auto list = ReadChannelWorkbook(path, error);
        if (!list) {
            state.SkipWithError(error.c_str());
            return;
        }
        channels = list->size();
        benchmark::DoNotOptimize(list->data());
    }
    state.counters["channels"] = static_cast<double>(channels);
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
    state.counters["peak_MiB"] = PeakMiB([&] {
        std::string error;
        benchmark::DoNotOptimize(ReadChannelWorkbook(path, error));
    });
}

// The channel rows of a workbook our writer made.
void BM_Read60000(benchmark::State& state) {
    const std::string path = Path("-read");
    Fill(60000);
    ExportChannelWorkbook(TheZorvDB(), path);
    TheZorvDB().ClearAll();
    ReadBench(state, path);
    fs::remove(path);
}

// Channels in a workbook LibreOffice wrote (also the files scripts/bench.sh
// hands to LibreOffice and to velmar-cli for their whole-process times).
void BM_ReadLibreOffice(benchmark::State& state) {
    const std::string path = LibreOfficeWorkbook(static_cast<int>(state.range(0)));
    if (path.empty()) {
        state.SkipWithError("soffice is not installed or could not convert");
        return;
    }
    ReadBench(state, path);
}

// The same 60,000 channels as CSV, written and read back: to be set beside
// BM_Read60000 (target: each under a tenth of it).
void BM_CsvWrite60000(benchmark::State& state) {
    const std::string path = Path("-write.csv");
    Fill(60000);
    std::string error;
    for (auto _ : state)
        if (!ExportChannelCsv(TheZorvDB(), path, false, error))
            state.SkipWithError(error.c_str());
    fs::remove(path);
}

void BM_CsvRead60000(benchmark::State& state) {
    const std::string path = Path("-read.csv");
    Fill(60000);
    std::string error;
    ExportChannelCsv(TheZorvDB(), path, false, error);
    TheZorvDB().ClearAll();
    for (auto _ : state) {
        const auto channels = ReadChannelCsv(path, error);
        if (!channels || channels->size() != 60000)
            state.SkipWithError("the CSV did not read back");
        benchmark::DoNotOptimize(channels);
    }
    fs::remove(path);
}

} // namespace

BENCHMARK(BM_Export5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write60000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write60000InMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read60000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLibreOffice)->Arg(5000)->Arg(60000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvWrite60000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvRead60000)->Unit(benchmark::kMillisecond);
