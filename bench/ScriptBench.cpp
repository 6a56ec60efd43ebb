// Edit scripts that build a list line by line, at 2,000, 8,000 and 32,000
// lines: a `new` line must cost the same at any table size, so
// the fitted complexity is O(N) (a per-line walk over the table shows as
// O(N^2)). Starts from the demo image, as `velmar-cli edit` would.
#include "cli/EditScript.h"
#include "contracts/StartupPolicy.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/WorkingCopy.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

namespace {

std::string ScriptOf(const char* kind, std::int64_t lines) {
    std::string script;
    for (std::int64_t i = 0; i < lines; ++i) {
        if (std::string(kind) == "broadcast")
            script += "broadcast new P" + std::to_string(i) + "\n";
        else
            script += "new Name=C" + std::to_string(i) + " SatID=1\n";
    }
    return script;
}

void RunLines(benchmark::State& state, const char* kind) {
    ConfigureStartupPolicy();
    const std::string script = ScriptOf(kind, state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        ResetImageState();
        CreateWorkingCopy();
        ImportToWorkingCopy(std::string(VELMAR_SOURCE_DIR) + "/examples/demo-satellite.bin");
        std::ostringstream out, err;
        std::istringstream in(script);
        {
            CEditScript editor(out);
            state.ResumeTiming();
            const int status = RunEditScript(editor, in, err);
            state.PauseTiming();
            if (status != 0) {
                state.SkipWithError(err.str().c_str());
                break;
            }
        }
        DeleteWorkingCopy();
        TheZorvDB().ClearAll();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

void BM_ScriptBroadcastNew(benchmark::State& state) {
    RunLines(state, "broadcast");
}
void BM_ScriptChannelNew(benchmark::State& state) {
    RunLines(state, "channel");
}

} // namespace

BENCHMARK(BM_ScriptBroadcastNew)
    ->Arg(2000)
    ->Arg(8000)
    ->Arg(32000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(BM_ScriptChannelNew)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
