// The channel lists' commands on the full start-up image (4,608 channels), as
// the editor runs them: one edit of the edit session (snapshots for undo
// included), then both lists' rows again from the table. Target: New and
// Paste of one channel and Delete of 1,000 selected channels each under 30 ms.
#include "bench/BenchImages.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/EditSession.h"
#include "document/SessionCommands.h"
#include "image/ChannelFile.h"
#include "model/ChannelListModel.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace {

// The start-up image loaded into the store, a session over it and the two lists.
struct Loaded {
    EditSession session{TheZorvDB()};
    ChannelListModel tv{ChannelKind::TV, Product::Current()};
    ChannelListModel radio{ChannelKind::Radio, Product::Current()};

    Loaded() {
        const std::string path = BenchPath("commands.bin");
        MakeFullImage(kStartupProfile, path);
        TheZorvDB().ClearAll();
        ResetImageState();
        CChannelFile file(TheZorvDB(), CurrentImageValues());
        file.Load(path.c_str());
        std::filesystem::remove(path);
        session.StartFresh();
        tv = ChannelListModel(ChannelKind::TV, Product::Current());
        radio = ChannelListModel(ChannelKind::Radio, Product::Current());
        Rebuild();
    }
    void Rebuild() {
        tv.Rebuild(session.Db());
        radio.Rebuild(session.Db());
    }
    // Times `command` and the lists' rebuild; undoes it untimed.
    void Measure(benchmark::State& state, const std::function<void()>& prepare,
                 const std::function<bool()>& command) {
        for (auto _ : state) {
            state.PauseTiming();
            prepare();
            state.ResumeTiming();
            const bool changed = command();
            Rebuild();
            state.PauseTiming();
            if (!changed || !session.Undo())
                state.SkipWithError("the command changed nothing");
            Rebuild();
            state.ResumeTiming();
        }
        state.counters["channels"] = static_cast<double>(session.Db().Size(kTableChannel));
    }
};

void BM_NewChannel(benchmark::State& state) {
    Loaded loaded;
    Channel_Info_Tag dialog{};
    std::strcpy(dialog.Name, "Benchmark");
    dialog.SatID = 1;
    loaded.Measure(
        state, [] {},
        [&] { return RunNewChannel(loaded.session, loaded.tv.State(), dialog).changed; });
}

void BM_PasteChannel(benchmark::State& state) {
    Loaded loaded;
    const std::uint32_t key = loaded.tv.Key(100);
    loaded.Measure(
        state, [&] { loaded.session.Clipboard().Set({key}, true); },
        [&] { return RunPasteChannels(loaded.session, loaded.tv.State()).changed; });
}

void BM_Delete1000Channels(benchmark::State& state) {
    Loaded loaded;
    std::vector<std::uint32_t> selected;
    loaded.Measure(
        state,
        [&] {
            const auto keys = loaded.tv.Keys();
            selected.assign(keys.begin() + 500, keys.begin() + 1500);
        },
        [&] { return RunDeleteChannels(loaded.session, loaded.tv.State(), selected).changed; });
}

} // namespace

BENCHMARK(BM_NewChannel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteChannel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Delete1000Channels)->Unit(benchmark::kMillisecond);
