// The editor under the offscreen platform on the full start-up image (4,608
// channels, 3,686 of them TV): opening and rebuilding all three panes, one
// header-click sort of the TV list, and the bulk selections that commands
// make. Targets: open under 100 ms, sort under 20 ms, selecting all TV rows
// under 20 ms, a search-style selection by name under 20 ms, a drag of 500
// channels within the TV list under 50 ms. The one-row forms are kept, on
// fewer rows, to show what bulk selection saves.
#include "app/MainFrame.h"
#include "bench/BenchImages.h"
#include "contracts/ZorvDB.h"
#include "model/ChannelRecords.h"
#include "platform/ScriptedUiSeam.h"
#include "views/Panes.h"

#include <QApplication>
#include <QItemSelectionModel>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

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
    CChannelGridCtrl& TV() { return *frame->findChild<CChannelGridCtrl*>("TVGrid"); }
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
    state.counters["tv_rows"] = frame.findChild<CChannelGridCtrl*>("TVGrid")->GetRowCount() - 1;
    std::filesystem::remove(path);
}

void BM_HeaderSortTV(benchmark::State& state) {
    auto& tv = Editor().TV();
    for (auto _ : state)
        emit tv.CellClicked(0, 6);
}

// Select All: every TV row, as one selection change.
void BM_SelectAllTV(benchmark::State& state) {
    auto& tv = Editor().TV();
    int selected = 0;
    for (auto _ : state) {
        tv.ClearSelectionRange();
        selected = tv.SelectRowsWhere([](int) { return true; });
    }
    state.counters["rows"] = selected;
}

// Search: the rows whose name, upper-cased, contains the text, as one change.
void BM_SearchByName(benchmark::State& state) {
    auto& tv = Editor().TV();
    const QString text = QString("7").toUpper();
    int selected = 0;
    for (auto _ : state) {
        tv.ClearSelectionRange();
        selected = tv.SelectRowsWhere(
            [&](int row) { return tv.GetItemText(row, 6).toUpper().contains(text); });
    }
    state.counters["rows"] = selected;
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

// The grid's share of that drag: the moved channels' new numbers written,
// the list rebuilt and sorted by number, and the moved rows selected by key.
void BM_DragGridPart(benchmark::State& state) {
    auto& tv = Editor().TV();
    tv.FillGrid();
    std::vector<std::uint32_t> moved, others;
    for (int row = 1; row < tv.GetRowCount(); ++row)
        ((row - 1) % 7 == 0 && moved.size() < 500 ? moved : others).push_back(tv.GetRowKey(row));
    // The order after the drop: the moved rows before the 100th of the others.
    std::vector<std::uint32_t> order(others.begin(), others.begin() + 99);
    order.insert(order.end(), moved.begin(), moved.end());
    order.insert(order.end(), others.begin() + 99, others.end());
    std::vector<Channel_Info_Tag*> records;
    for (std::uint32_t key : order)
        records.push_back(TheZorvDB().Get<Channel_Info_Tag>(kTableChannel, key));
    int selected = 0;
    for (auto _ : state) {
        WORD number = 0;
        for (Channel_Info_Tag* c : records)
            c->ProgramNum = c->LogicalNumber = c->ShowNum = ++number;
        tv.Rebuild();
        selected = tv.SelectRowsByKey(moved);
    }
    state.counters["selected_after"] = selected;
}

} // namespace

BENCHMARK(BM_OpenAndRebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeaderSortTV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAllTV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectRowsOneByOne)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchOneByOne)->Arg(250)->Arg(500)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragWithinTV)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragGridPart)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
