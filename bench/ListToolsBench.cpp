// The list tools on the full start-up image (4,608 channels): the Information
// figures, duplicate detection, the reference order and the quick name
// filter. Targets: 50 ms, 20 ms, 50 ms, and 10 ms per keystroke.
#include "bench/BenchImages.h"
#include "contracts/Policy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/EditSession.h"
#include "document/ReferenceOrderEdit.h"
#include "document/Statistics.h"
#include "image/ChannelFile.h"
#include "model/Duplicates.h"
#include "model/Product.h"
#include "model/QuickNameFilter.h"
#include "model/ReferenceOrder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Loads the full start-up image into the store; its path stays for the
// benchmarks that read it again as a reference.
class FullImage {
public:
    FullImage() : m_path(BenchPath("list-tools.bin")) {
        MakeFullImage(kStartupProfile, m_path);
        Reload();
    }
    ~FullImage() { std::filesystem::remove(m_path); }
    FullImage(const FullImage&) = delete;
    FullImage& operator=(const FullImage&) = delete;

    void Reload() const {
        TheZorvDB().ClearAll();
        CChannelFile file(TheZorvDB(), CurrentImageValues());
        file.Load(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Every 40th channel takes the service id of the channel five before it,
// and every 97th its name and transponder (five before: the same kind in
// this image), so the check has groups to build.
void PlantDuplicates() {
    std::vector<Channel_Info_Tag*> rows;
    for (auto& c : TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel))
        rows.push_back(&c);
    for (std::size_t i = 5; i < rows.size(); ++i) {
        const Channel_Info_Tag& from = *rows[i - 5];
        Channel_Info_Tag& c = *rows[i];
        if (i % 40 == 0)
            c.ServiceID = from.ServiceID;
        if (i % 97 == 0) {
            std::snprintf(c.Name, sizeof c.Name, "%s", from.Name);
            c.SatID = from.SatID;
            c.TPID = from.TPID;
        }
    }
}

// The list as a reference with its order turned round: nine in ten keep
// their ids, the tenth only its name, and every 20th is left out, so all
// three ways of matching are busy.
std::vector<Channel_Info_Tag> ReversedReference() {
    std::vector<Channel_Info_Tag> ref;
    int i = 0;
    const auto n = static_cast<int>(TheZorvDB().Size(kTableChannel));
    for (const auto& c : TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel)) {
        ++i;
        if (i % 20 == 0)
            continue;
        Channel_Info_Tag r = c;
        r.ProgramNum = static_cast<WORD>(n + 1 - i);
        if (i % 10 == 0)
            r.ServiceID = r.OrgNetID = r.TSID = 0;
        ref.push_back(r);
    }
    return ref;
}

void BM_Information(benchmark::State& state) {
    const FullImage image;
    PlantDuplicates();
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeStatistics(TheZorvDB(), g_bZorvImage));
    const Statistics s = ComputeStatistics(TheZorvDB(), g_bZorvImage);
    state.counters["channels"] = s.tv + s.radio;
    state.counters["groups"] = static_cast<double>(s.duplicates.size());
}

void BM_Duplicates(benchmark::State& state) {
    const FullImage image;
    PlantDuplicates();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindDuplicateGroups(TheZorvDB()));
    state.counters["groups"] = static_cast<double>(FindDuplicateGroups(TheZorvDB()).size());
}

void BM_ReferenceOrder(benchmark::State& state) {
    const FullImage image;
    const std::vector<Channel_Info_Tag> ref = ReversedReference();
    ReferenceOrderReport report;
    for (auto _ : state)
        report = ApplyReferenceOrder(TheZorvDB(), ref);
    state.counters["by_ids"] = report.matchedByIds;
    state.counters["by_name"] = report.matchedByName;
    state.counters["unmatched"] = report.notMatched;
}

// What the user waits for: the reference image read from its file, then the
// order applied as one undoable edit.
void BM_ReferenceOrderFromFileAsEdit(benchmark::State& state) {
    const FullImage image;
    EditSession session(TheZorvDB());
    session.StartFresh();
    ReferenceOrderReport report;
    for (auto _ : state) {
        state.PauseTiming();
        // The numbers turned round first, so each timed apply changes every
        // channel and records a step.
        for (auto& c : TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel))
            c.ProgramNum = static_cast<WORD>(5000 - c.Index);
        state.ResumeTiming();
        report = ApplyReferenceOrderFile(session, image.Path());
    }
    state.counters["by_ids"] = report.matchedByIds;
    state.counters["undo_steps"] = static_cast<double>(session.UndoCount());
}

// One keystroke: the TV list rebuilt from the table with the quick filter on
// top of the list filter, for the texts typed so far.
void BM_QuickFilter(benchmark::State& state) {
    const FullImage image;
    const char* const typed[] = {"n",      "nu",      "num",      "numb",      "numbe",
                                 "number", "number ", "number 1", "number 12", "number 123"};
    std::size_t k = 0, rows = 0;
    const ChannelFilter all = ChannelFilter::All();
    for (auto _ : state) {
        const QuickNameFilter quick(typed[k++ % std::size(typed)]);
        const auto shown =
            FilteredChannels(TheZorvDB(), all, quick, ChannelKind::TV, Product::Current().type);
        rows = shown.size();
        benchmark::DoNotOptimize(shown.data());
    }
    state.counters["last_rows"] = static_cast<double>(rows);
}

} // namespace

BENCHMARK(BM_Information)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Duplicates)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReferenceOrderFromFileAsEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickFilter)->Unit(benchmark::kMillisecond);
