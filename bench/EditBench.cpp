// The edit session on the full start-up image (4,608 channels): a snapshot of
// the channel table, and an edit with its undo for a small drop, a move of
// 500 channels and a renumbering that gives every channel a new key.
// Target: a snapshot of the full channel table well under 10 ms.
#include "bench/BenchImages.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/EditSession.h"
#include "image/ChannelFile.h"
#include "model/ChannelEdits.h"
#include "model/ChannelTable.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Loads the full start-up image into the store once per benchmark.
class StartupImage {
public:
    StartupImage() : m_path(BenchPath("edit.bin")) {
        MakeFullImage(kStartupProfile, m_path);
        TheZorvDB().ClearAll();
        CChannelFile file(TheZorvDB(), CurrentImageValues());
        file.Load(m_path.c_str());
    }
    ~StartupImage() { std::filesystem::remove(m_path); }
    StartupImage(const StartupImage&) = delete;
    StartupImage& operator=(const StartupImage&) = delete;

private:
    std::string m_path;
};

std::vector<std::uint32_t> TVKeys(std::size_t n) {
    std::vector<std::uint32_t> keys;
    for (const Channel_Info_Tag& c :
         std::as_const(TheZorvDB()).Rows<Channel_Info_Tag>(kTableChannel))
        if (keys.size() < n && IsTV(c))
            keys.push_back(c.Index);
    return keys;
}

void BM_SnapshotChannelTable(benchmark::State& state) {
    StartupImage image;
    for (auto _ : state)
        benchmark::DoNotOptimize(TheZorvDB().Snapshot(kTableChannel));
    state.counters["channels"] = static_cast<double>(TheZorvDB().Size(kTableChannel));
}

void BM_SnapshotUnchangedTable(benchmark::State& state) {
    StartupImage image;
    const CTableSnapshot basis = TheZorvDB().Snapshot(kTableChannel);
    for (auto _ : state)
        benchmark::DoNotOptimize(TheZorvDB().Snapshot(kTableChannel, basis));
}

void BM_RestoreChannelTable(benchmark::State& state) {
    StartupImage image;
    const CTableSnapshot snapshot = TheZorvDB().Snapshot(kTableChannel);
    for (auto _ : state)
        benchmark::DoNotOptimize(TheZorvDB().Restore(snapshot));
}

// One edit and its undo per iteration.
template <class Edit> void EditAndUndo(benchmark::State& state, Edit edit) {
    StartupImage image;
    EditSession session(TheZorvDB());
    session.StartFresh();
    for (auto _ : state) {
        session.Run("Edit", TableBit(kTableChannel), edit);
        session.Undo();
    }
    state.counters["history_bytes"] = static_cast<double>(session.HistoryBytes());
}

void BM_EditUndo_GenreOfOneChannel(benchmark::State& state) {
    const auto keys = [] { return TVKeys(1); };
    std::vector<std::uint32_t> one;
    EditAndUndo(state, [&] {
        if (one.empty())
            one = keys();
        return !SetChannelsGenre(TheZorvDB(), one, 7, false).changed.empty();
    });
}

void BM_EditUndo_Move500Channels(benchmark::State& state) {
    std::vector<std::uint32_t> moved, all;
    EditAndUndo(state, [&] {
        if (all.empty()) {
            all = TVKeys(3000);
            moved.assign(all.begin() + 100, all.begin() + 600);
        }
        return !RenumberMovedSet(TheZorvDB(), moved, all[2500], ChannelKind::TV, 7).changed.empty();
    });
}

void BM_EditUndo_RenumberAllKeys(benchmark::State& state) {
    EditAndUndo(state, [] {
        RegroupChannels();
        RenumberChannels();
        return true;
    });
}

} // namespace

BENCHMARK(BM_SnapshotChannelTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SnapshotUnchangedTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreChannelTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditUndo_GenreOfOneChannel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditUndo_Move500Channels)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditUndo_RenumberAllKeys)->Unit(benchmark::kMillisecond);
