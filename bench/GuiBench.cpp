// The editor under the offscreen platform on the full start-up image (4,608
// channels, 3,686 of them TV): opening and rebuilding all three panes, one
// header-click sort of the TV list, and the bulk selections that commands
// make. Targets: open under 100 ms, sort under 20 ms, selecting all TV rows
// under 20 ms, a search-style selection by name under 20 ms, a drag of 500
// channels within the TV list under 50 ms.
#include "app/MainFrame.h"
#include "bench/BenchImages.h"
#include "platform/UiSeam.h"
#include "views/Panes.h"

#include <QApplication>
#include <QItemSelectionModel>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

// One window with the full start-up image open, shared by the benchmarks.
struct OpenEditor {
    OpenEditor() {
        const std::string path = BenchPath("gui.bin");
        MakeFullImage(kStartupProfile, path);
        frame = std::make_unique<CMainFrame>(ui, false);
        frame->show();
        frame->OpenPath(QString::fromStdString(path));
        std::filesystem::remove(path);
    }
    CTVGridCtrl& TV() { return *frame->m_pRightView->m_pTVGrid; }
    CScriptedUiSeam ui;
    std::unique_ptr<CMainFrame> frame;
};

OpenEditor& Editor() {
    static OpenEditor editor;
    return editor;
}

void BM_OpenAndRebuild(benchmark::State& state) {
    const std::string path = BenchPath("gui-open.bin");
    MakeFullImage(kStartupProfile, path);
    CScriptedUiSeam ui;
    CMainFrame frame(ui, false);
    frame.show();
    for (auto _ : state)
        frame.OpenPath(QString::fromStdString(path));
    state.counters["tv_rows"] = frame.m_pRightView->m_pTVGrid->GetRowCount() - 1;
    std::filesystem::remove(path);
}

void BM_HeaderSortTV(benchmark::State& state) {
    auto& tv = Editor().TV();
    for (auto _ : state)
        emit tv.CellClicked(0, 6);
}

// Select All as the one-row form does it, row by row over the first n rows.
void BM_SelectRowsOneByOne(benchmark::State& state) {
    auto& tv = Editor().TV();
    const int n = std::min(static_cast<int>(state.range(0)), tv.GetRowCount() - 1);
    for (auto _ : state) {
        tv.ClearSelectionRange();
        for (int r = 1; r <= n; ++r)
            tv.SetRowSelected(r, true);
    }
    state.counters["rows"] = n;
}

// Search as the one-row form does it: names containing "7" selected, others not.
void BM_SearchOneByOne(benchmark::State& state) {
    auto& tv = Editor().TV();
    const int n = std::min(static_cast<int>(state.range(0)), tv.GetRowCount() - 1);
    for (auto _ : state) {
        tv.ClearSelectionRange();
        for (int r = 1; r <= n; ++r)
            tv.SetRowSelected(r, tv.GetItemText(r, 6).toUpper().contains("7"));
    }
    state.counters["rows"] = n;
}

// A drag of 500 channels, every seventh row, dropped on row 100 of the TV list.
void BM_DragWithinTV(benchmark::State& state) {
    auto& tv = Editor().TV();
    for (auto _ : state) {
        state.PauseTiming();
        tv.FillGrid();
        QItemSelection rows;
        for (int i = 0; i < 500; ++i) {
            const int row = 1 + 7 * i; // grid row; model row is one less
            rows.select(tv.model()->index(row - 1, 0),
                        tv.model()->index(row - 1, tv.GetColumnCount() - 1));
        }
        tv.selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
        const std::uint32_t target = tv.GetRowKey(100);
        state.ResumeTiming();
        tv.MoveSelectedTo(target);
    }
    state.counters["selected_after"] = static_cast<double>(tv.GetSelectedRows().size());
}

} // namespace

BENCHMARK(BM_OpenAndRebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeaderSortTV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectRowsOneByOne)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchOneByOne)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragWithinTV)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
