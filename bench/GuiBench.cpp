// The editor as the user meets it, under the offscreen platform: the window
// is shown, and every measured step ends when the event loop has laid out
// and painted what changed. Two lists: the realistic start-up image (4,608
// channels with satellites, transponders, broadcasters and favourites) and
// 60,000 channels of the same sources imported from a workbook, so each
// operation's growth shows. Each figure is the median of 5 repetitions.
//
// Targets: Open + paint under 50 ms; any filter or header sort under 10 ms
// at 4,608 channels and under 150 ms at 60,000; adding 10 % of the list to
// a favourite list under 20 ms at 4,608; start to first paint under 80 ms;
// nothing grows faster than n log n between the two sizes. The bulk
// selections that commands make, and a drag of 500 channels, are kept with
// their one-row forms on fewer rows, to show what bulk selection saves.
// Mouse clicks on the rows one at a time (plain, Ctrl, Shift) through lists
// of 250 to 60,000 rows: one click under 1 ms at every size, the total
// growing no faster than the number of clicks (exponent at most 1.1).
// --benchmark_repetitions replaces the 5 repetitions.
#include "app/MainFrame.h"
#include "bench/RealisticImage.h"
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "document/Statistics.h"
#include "model/ChannelRecords.h"
#include "model/GridMenus.h"
#include "qtkit/ScriptedUiSeam.h"
#include "qtkit/vxui/ChannelDialogs.h"
#include "views/InformationDialog.h"
#include "views/Panes.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kSmall = kRealisticChannels;
constexpr int kLarge = 60000;

// Counts the paint events of a widget.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The two lists on disk, made once.
struct Files {
    Files() {
        image = BenchPath("gui.bin");
        MakeRealisticImage(image);
        workbook = BenchPath("gui-60000.xls");
        haveWorkbook = MakeRealisticWorkbook(workbook, kLarge);
        smallWorkbook = BenchPath("gui-4608.xls");
        MakeRealisticWorkbook(smallWorkbook, kSmall);
    }
    bool HaveWorkbook() const { return haveWorkbook; }
    ~Files() {
        std::filesystem::remove(image);
        std::filesystem::remove(workbook);
        std::filesystem::remove(smallWorkbook);
    }
    static std::string BenchPath(const char* what) {
        return (std::filesystem::temp_directory_path() /
                ("velmar-bench-" + std::to_string(::getpid()) + "-" + what))
            .string();
    }
    std::string image, workbook, smallWorkbook;
    // The workbook writer may not hold 60,000 rows; the channels are then
    // put in the store directly and the editor refreshed.
    bool haveWorkbook = false;
};

Files& TheFiles() {
    static Files files;
    return files;
}

// One shown window, shared by the benchmarks, holding one of the two lists.
class Editor {
public:
    Editor() {
        (void)TheFiles();
        frame = std::make_unique<CMainFrame>(ui, false);
        frame->show();
        for (const char* name : {"TVGrid", "RadioGrid"})
            frame->findChild<CChannelGridCtrl*>(name)->viewport()->installEventFilter(&counter);
        Settle();
    }

    // Opens the list of `channels` channels unless it is open already.
    void Hold(int channels) {
        if (channels == m_nHeld)
            return;
        OpenImage();
        if (channels == kLarge)
            ImportLarge();
        Settle();
        m_nHeld = channels;
    }
    // What the store holds is none of the two lists any more.
    void Forget() { m_nHeld = 0; }
    void ImportLarge() {
        if (TheFiles().HaveWorkbook()) {
            frame->OpenPath(QString::fromStdString(TheFiles().workbook));
        } else {
            ReplaceWithRealisticChannels(kLarge);
            frame->OnRefreshAll();
        }
        m_nHeld = kLarge;
    }
    void OpenImage() {
        // The benchmarks' edits are not worth keeping: no question before the open.
        frame->Session().MarkSaved();
        frame->OpenPath(QString::fromStdString(TheFiles().image));
        m_nHeld = kSmall;
    }
    // Lets the event loop lay out and paint; returns the channel lists' paints.
    int Settle() {
        const int before = counter.paints;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        // Delayed item layouts run on zero timers started by the first pass.
        QCoreApplication::processEvents();
        return counter.paints - before;
    }
    long Send(unsigned message, std::uintptr_t w, std::intptr_t l) {
        return frame->SendMessage(message, w, l);
    }
    CChannelGridCtrl& TV() { return *frame->findChild<CChannelGridCtrl*>("TVGrid"); }
    CChannelGridCtrl& Radio() { return *frame->findChild<CChannelGridCtrl*>("RadioGrid"); }
    template <class T> T& Find(const char* name) { return *frame->findChild<T*>(name); }

    CScriptedUiSeam ui;
    std::unique_ptr<CMainFrame> frame;
    PaintCounter counter;

private:
    int m_nHeld = 0;
};

// Made on first use, gone before the application object.
std::unique_ptr<Editor> g_editor;

Editor& TheEditor() {
    if (!g_editor)
        g_editor = std::make_unique<Editor>();
    return *g_editor;
}

int Channels(benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

// Runs `step` per iteration and lets the window settle after it; reports
// the rows shown and that the lists painted.
template <class Step> void Measure(benchmark::State& state, Step step) {
    Editor& e = TheEditor();
    e.Hold(Channels(state));
    int paints = 0;
    for (auto _ : state) {
        step(e);
        paints += e.Settle();
    }
    state.counters["tv_rows"] = e.TV().GetRowCount() - 1;
    state.counters["radio_rows"] = e.Radio().GetRowCount() - 1;
    state.counters["paints"] =
        benchmark::Counter(paints, benchmark::Counter::kAvgIterations); // > 0: painted
}

// ---- Whole-document steps ----------------------------------------------------------

// Open of the full start-up image, painted. (A list of 60,000 channels
// comes only through a workbook: BM_ImportAndPaint.)
void BM_OpenAndPaint(benchmark::State& state) {
    Editor& e = TheEditor();
    e.Hold(kSmall);
    int paints = 0;
    for (auto _ : state) {
        e.OpenImage();
        paints += e.Settle();
    }
    state.counters["tv_rows"] = e.TV().GetRowCount() - 1;
    state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}

// A workbook's channels imported over the open image and painted: the same
// step at both sizes, so its growth shows.
void BM_ImportAndPaint(benchmark::State& state) {
    Editor& e = TheEditor();
    const bool large = Channels(state) == kLarge;
    if (large && !TheFiles().HaveWorkbook())
        return state.SkipWithError("the workbook writer cannot write 60,000 channels");
    const QString path =
        QString::fromStdString(large ? TheFiles().workbook : TheFiles().smallWorkbook);
    int paints = 0;
    for (auto _ : state) {
        state.PauseTiming();
        e.OpenImage();
        e.Settle();
        state.ResumeTiming();
        e.frame->OpenPath(path);
        paints += e.Settle();
    }
    e.Forget(); // the store holds the workbook's channels now
    state.counters["tv_rows"] = e.TV().GetRowCount() - 1;
    state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}

void BM_Refresh(benchmark::State& state) {
    Measure(state, [](Editor& e) { e.frame->OnRefreshAll(); });
}

// ---- Filters chosen in the other panes -----------------------------------------------

void BM_FilterSatellite(benchmark::State& state) {
    Measure(state, [](Editor& e) { e.Send(WM_SATELLITE_SELECTED, 0, 1); });
}

void BM_FilterTransponder(benchmark::State& state) {
    Measure(state, [](Editor& e) { e.Send(WM_TRANSPONDER_SELECTED, 0, 1); });
}

void BM_FilterBroadcaster(benchmark::State& state) {
    Measure(state, [](Editor& e) { e.Send(WM_BROADCAST_SELECTED, 0, 1); });
}

void BM_FilterFavorite(benchmark::State& state) {
    Measure(state, [](Editor& e) { e.Send(WM_FAV_NODE_SELECTED, 0, 0); });
}

void BM_FilterGenre(benchmark::State& state) {
    Measure(state, [](Editor& e) { e.Send(WM_FAV_NODE_SELECTED, 1, 3); });
}

// The "Favorite" root: every channel again.
void BM_FilterAll(benchmark::State& state) {
    Measure(state, [](Editor& e) { e.Send(WM_FAV_NODE_SELECTED, 0, 255); });
}

// A header click on the TV list's Name column (text order, direction flips).
void BM_HeaderSortName(benchmark::State& state) {
    Measure(state, [](Editor& e) { emit e.TV().CellClicked(0, 6); });
}

// ---- Edits and the broadcaster grid ---------------------------------------------------

// Every tenth row of the TV list dropped on the first favourite list.
void BM_FavoriteAddTenth(benchmark::State& state) {
    Editor& e = TheEditor();
    e.Hold(Channels(state));
    e.Send(WM_FAV_NODE_SELECTED, 0, 255);
    e.Settle();
    int paints = 0, selected = 0;
    for (auto _ : state) {
        state.PauseTiming();
        selected = e.TV().SelectRowsWhere([](int row) { return row % 10 == 1; });
        e.Settle();
        state.ResumeTiming();
        e.Send(WM_GRID_DRAG_BEGIN, kDragTV, 0);
        e.Send(WM_GRID_DROP, kDragFavoriteNode, 0);
        paints += e.Settle();
    }
    state.counters["added"] = selected;
    state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}

// The broadcaster grid rebuilt with its counts, as after a drop on it.
void BM_BroadcasterFill(benchmark::State& state) {
    Editor& e = TheEditor();
    e.Hold(Channels(state));
    auto& grid = e.Find<CListGridCtrl>("BroadcastGrid");
    for (auto _ : state) {
        grid.FillGrid();
        e.Settle();
    }
    state.counters["rows"] = grid.GetRowCount() - 1;
}

// ---- Beyond the lists ---------------------------------------------------------------

// The Information dialog as its button opens it: the figures of the whole
// list worked out, the form filled, shown and painted.
void BM_InformationDialog(benchmark::State& state) {
    Editor& e = TheEditor();
    e.Hold(Channels(state));
    std::size_t groups = 0;
    for (auto _ : state) {
        CDlgInformation dialog(e.ui);
        dialog.SetFigures(ComputeStatistics(TheZorvDB(), g_bZorvImage), TheZorvDB());
        const std::unique_ptr<QDialog> form = dialog.BuildForm(e.frame.get());
        form->show();
        e.Settle();
        groups = dialog.Groups().size();
        state.PauseTiming();
        form->hide();
        e.Settle();
        state.ResumeTiming();
    }
    state.counters["duplicate_groups"] = static_cast<double>(groups);
}

// One keystroke in the quick name filter: both lists narrowed and painted.
// The text typed is "lokalzeit", one letter per step, then cleared.
void BM_QuickFilterKeystroke(benchmark::State& state) {
    Editor& e = TheEditor();
    e.Hold(Channels(state));
    auto& field = e.Find<QLineEdit>("QuickFilter");
    const QString text = "lokalzeit";
    int typed = 0, paints = 0;
    for (auto _ : state) {
        if (typed == text.size()) {
            state.PauseTiming();
            field.clear();
            e.Settle();
            typed = 0;
            state.ResumeTiming();
        }
        const QString letter = text.mid(typed++, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (letter[0].unicode() - u'a'), Qt::NoModifier,
                        letter);
        QCoreApplication::sendEvent(&field, &press);
        paints += e.Settle();
    }
    field.clear();
    e.Settle();
    state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}

// ---- Start ----------------------------------------------------------------------------

// From the frame's construction to the first paint of the channel lists
// showing the full image, as `velmar --open` runs it.
void BM_StartToFirstPaint(benchmark::State& state) {
    const QString image = QString::fromStdString(TheFiles().image);
    int rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TheZorvDB().ClearAll();
        ResetImageState();
        CScriptedUiSeam ui;
        PaintCounter counter;
        state.ResumeTiming();
        auto frame = std::make_unique<CMainFrame>(ui, true);
        auto* tv = frame->findChild<CChannelGridCtrl*>("TVGrid");
        tv->viewport()->installEventFilter(&counter);
        frame->show();
        frame->OpenPath(image);
        while (counter.paints == 0 || tv->GetRowCount() < 2)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.PauseTiming();
        rows = tv->GetRowCount() - 1;
        frame.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["tv_rows"] = rows;
}

// The same from exec: the editor started as a process with the image, timed
// until it reports its first paint of the lists (it quits right after).
void BM_StartProcessToFirstPaint(benchmark::State& state) {
    const QString editor = QCoreApplication::applicationDirPath() + "/../app/velmar";
    const QString image = QString::fromStdString(TheFiles().image);
    // A temporary folder of its own: working copies that other runs left in
    // the shared one would make the editor ask about them first.
    const QTemporaryDir temp;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", temp.path());
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        process.start(editor, {"--open", image, "--quit-after-first-paint"});
        if (!process.waitForReadyRead(10000)) {
            state.SkipWithError("the editor did not report a first paint");
            break;
        }
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        process.waitForFinished(10000);
    }
    // The children's own processor time, to the exit that follows the paint.
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    state.counters["child_cpu_ms"] = benchmark::Counter(
        ms(after.ru_utime) + ms(after.ru_stime) - ms(before.ru_utime) - ms(before.ru_stime),
        benchmark::Counter::kAvgIterations);
}

// ---- Selections and drags (4,608 channels) -------------------------------------------

// Select All: every TV row, as one selection change.
void BM_SelectAllTV(benchmark::State& state) {
    TheEditor().Hold(kSmall);
    auto& tv = TheEditor().TV();
    int selected = 0;
    for (auto _ : state) {
        tv.ClearSelectionRange();
        selected = tv.SelectRowsWhere([](int) { return true; });
    }
    state.counters["rows"] = selected;
}

// Search: the rows whose name, upper-cased, contains the text, as one change.
void BM_SearchByName(benchmark::State& state) {
    TheEditor().Hold(kSmall);
    auto& tv = TheEditor().TV();
    const QString text = QString("lokal").toUpper();
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
    TheEditor().Hold(kSmall);
    auto& tv = TheEditor().TV();
    const int n = std::min(static_cast<int>(state.range(0)), tv.GetRowCount() - 1);
    for (auto _ : state) {
        tv.ClearSelectionRange();
        for (int r = 1; r <= n; ++r)
            tv.SetRowSelected(r, true);
    }
    state.counters["rows"] = n;
}

// A drag of 500 channels, every seventh row, dropped on row 100 of the TV list.
void BM_DragWithinTV(benchmark::State& state) {
    Editor& e = TheEditor();
    e.Hold(kSmall);
    auto& tv = e.TV();
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
        e.Settle();
        state.ResumeTiming();
        tv.MoveSelectedTo(target);
        e.Settle();
    }
    state.counters["selected_after"] = static_cast<double>(tv.GetSelectedRows().size());
}

// ---- Clicks on the rows one at a time -------------------------------------------------

// Scattered: Ctrl clicks in a list whose every other row is selected, as a
// search or a Select command leaves it, so the selection is n / 2 runs.
enum class Click { Plain, Ctrl, Shift, Scattered };

// The Ctrl clicks made in the scattered selection at every length: enough
// to time, and few enough that a cost per run stays measurable at 60,000.
constexpr int kScatteredClicks = 250;

// Seconds per click of every repetition, by kind and list length.
std::map<std::string, std::map<int, std::vector<double>>> g_clickSeconds;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The slope of log(total time) over log(rows), least squares, from the
// median time per click at each length (total = clicks x time per click,
// for a click on each row of the list).
double GrowthExponent(const std::map<int, std::vector<double>>& perClick) {
    std::vector<double> xs, ys;
    for (const auto& [rows, seconds] : perClick) {
        xs.push_back(std::log(static_cast<double>(rows)));
        ys.push_back(std::log(Median(seconds) * rows));
    }
    const double n = static_cast<double>(xs.size());
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < xs.size(); ++i)
        mx += xs[i] / n, my += ys[i] / n;
    double sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        sxy += (xs[i] - mx) * (ys[i] - my);
        sxx += (xs[i] - mx) * (xs[i] - mx);
    }
    return sxx > 0 ? sxy / sxx : 0;
}

double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void SendClick(QWidget* viewport, QPoint at, Qt::KeyboardModifiers modifiers) {
    const QPointF local(at), global(viewport->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      modifiers);
    QCoreApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        modifiers);
    QCoreApplication::sendEvent(viewport, &release);
}

// The TV list made n rows long, then a mouse click on each row, top
// to bottom, through the viewport as the pointer gives it: plain (one row
// selected at a time), Ctrl (each row added) or Shift (the range from row 1
// extended); or Ctrl on the first rows of a scattered selection (each row
// flips). A click is timed from the press until the list has repainted;
// scrolling the next row into view is not. The time is the processor time
// of the GUI thread (the machine is shared: wall time would measure the
// other processes), per iteration of n clicks, so it grows with the
// exponent printed at the end.
void ClickRows(benchmark::State& state, Click kind, const char* name) {
    Editor& e = TheEditor();
    e.Hold(kLarge);
    auto& tv = e.TV();
    tv.FillGrid();
    e.Radio().FillGrid();
    // The TV channels, then the radio ones: the large list has 60,000 in all.
    std::vector<std::uint32_t> keys;
    for (CChannelGridCtrl* grid : {&tv, &e.Radio()})
        for (int row = 1;
             row < grid->GetRowCount() && static_cast<std::int64_t>(keys.size()) < state.range(0);
             ++row)
            keys.push_back(grid->GetRowKey(row));
    const int n = static_cast<int>(keys.size());
    {
        const auto bulk = tv.Bulk();
        tv.SetKeyedRows(keys);
        tv.NumberRows();
    }
    e.Settle();
    QWidget* viewport = tv.viewport();
    const bool scattered = kind == Click::Scattered;
    const Qt::KeyboardModifiers modifiers = kind == Click::Shift   ? Qt::ShiftModifier
                                            : kind == Click::Plain ? Qt::NoModifier
                                                                   : Qt::ControlModifier;
    const int clicks = scattered ? std::min(n, kScatteredClicks) : n;
    auto startsSelected = [scattered](int row) { return scattered && row % 2 == 0; };
    std::size_t selected = 0;
    for (auto _ : state) {
        tv.ClearSelectionRange();
        if (scattered)
            tv.SelectRowsWhere(startsSelected);
        tv.scrollToTop();
        e.Settle();
        double spent = 0;
        for (int row = 1; row <= clicks; ++row) {
            const QModelIndex index = tv.model()->index(row - 1, kChannelColumnName);
            QRect rect = tv.visualRect(index);
            if (!viewport->rect().contains(rect)) {
                tv.scrollTo(index, QAbstractItemView::PositionAtTop);
                e.Settle();
                rect = tv.visualRect(index);
            }
            const double start = ThreadSeconds();
            // Shift extends from where the first, plain click put the anchor.
            SendClick(viewport, rect.center(),
                      kind == Click::Shift && row == 1 ? Qt::NoModifier : modifiers);
            e.Settle();
            spent += ThreadSeconds() - start;
        }
        state.SetIterationTime(spent);
        g_clickSeconds[name][n].push_back(spent / clicks);
        selected = tv.GetSelectedRows().size();
    }
    std::size_t expected = kind == Click::Plain ? 1 : static_cast<std::size_t>(n);
    if (scattered) {
        expected = 0;
        for (int row = 1; row <= n; ++row)
            expected += startsSelected(row) != (row <= clicks);
    }
    if (selected != expected)
        state.SkipWithError("the clicks did not select the rows they should");
    state.counters["rows"] = n;
    state.counters["selected"] = static_cast<double>(selected);
    state.counters["us_per_click"] = benchmark::Counter(Median(g_clickSeconds[name][n]) * 1e6);
    // The growth over the lengths measured so far, this one included.
    if (g_clickSeconds[name].size() > 1)
        state.counters["exponent"] = GrowthExponent(g_clickSeconds[name]);
    tv.FillGrid();
    e.Settle();
}

void BM_ClickRows(benchmark::State& state) {
    ClickRows(state, Click::Plain, "BM_ClickRows");
}

void BM_CtrlClickRows(benchmark::State& state) {
    ClickRows(state, Click::Ctrl, "BM_CtrlClickRows");
}

void BM_ShiftClickRows(benchmark::State& state) {
    ClickRows(state, Click::Shift, "BM_ShiftClickRows");
}

void BM_CtrlClickScattered(benchmark::State& state) {
    ClickRows(state, Click::Scattered, "BM_CtrlClickScattered");
}

// Four times as many rows each step, so the exponent is fitted over the
// whole range and not over its two ends only.
void ClickSizes(benchmark::internal::Benchmark* b) {
    b->Arg(250)->Arg(1000)->Arg(4000)->Arg(16000)->Arg(kLarge);
    b->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();
}

// Runs `command` in the TV list once per iteration after `prepare`, lets
// the window settle, and takes the edit back with Undo outside the timing.
template <class Prepare> void RunTVCommand(benchmark::State& state, int command, Prepare prepare) {
    Editor& e = TheEditor();
    e.Hold(kSmall);
    auto& tv = e.TV();
    tv.FillGrid();
    EditSession& session = e.frame->Session();
    for (auto _ : state) {
        state.PauseTiming();
        prepare(e, tv);
        e.Settle();
        const std::size_t steps = session.UndoCount();
        state.ResumeTiming();
        tv.RunCommand(command);
        e.Settle();
        state.PauseTiming();
        if (session.UndoCount() != steps + 1)
            state.SkipWithError("the command made no edit");
        session.Undo();
        e.Settle();
        state.ResumeTiming();
    }
    state.counters["tv_rows"] = tv.GetRowCount() - 1;
}

void BM_NewThroughTV(benchmark::State& state) {
    RunTVCommand(state, kChannelNew, [](Editor& e, CChannelGridCtrl&) {
        e.ui.NextDialog<CDlgCHAddUpdate>(IUiSeam::IDOK, [](CDlgCHAddUpdate& d) {
            Channel_Info_Tag r = d.GetChannelInfo();
            std::strcpy(r.Name, "Bench");
            r.SatID = 1;
            d.Answer(r);
        });
    });
}

void BM_PasteOneThroughTV(benchmark::State& state) {
    RunTVCommand(state, kChannelPaste, [](Editor& e, CChannelGridCtrl& tv) {
        e.frame->Session().Clipboard().Set({tv.GetRowKey(10)}, true);
    });
}

void BM_Delete1000ThroughTV(benchmark::State& state) {
    RunTVCommand(state, kChannelDelete, [](Editor& e, CChannelGridCtrl& tv) {
        tv.SelectRowsWhere([](int row) { return row <= 1000; });
        e.ui.NextAnswer(IUiSeam::IDYES);
    });
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(kSmall)->Arg(kLarge);
}

// Set when the command line gives --benchmark_repetitions: a count set on
// a benchmark itself would override it.
bool g_repetitionsGiven = false;

// Median of 5 (or of the repetitions asked for), a few iterations each: the
// large list's steps take long.
void Repeat(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Iterations(3)->ReportAggregatesOnly(true);
    if (!g_repetitionsGiven)
        b->Repetitions(5);
}

void RealTime(benchmark::internal::Benchmark* b) {
    b->UseRealTime();
}

} // namespace

namespace {

// Registered from main, once the command line is read.
void RegisterAll() {
#define ADD(fn) benchmark::RegisterBenchmark(#fn, fn)
    // The start benchmarks make their own windows: they run before the shared one exists.
    ADD(BM_StartToFirstPaint)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_StartProcessToFirstPaint)->Apply(Repeat)->UseManualTime();
    ADD(BM_OpenAndPaint)->Arg(kSmall)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_ImportAndPaint)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_Refresh)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_FilterSatellite)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_FilterTransponder)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_FilterBroadcaster)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_FilterFavorite)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_FilterGenre)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_FilterAll)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_HeaderSortName)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_FavoriteAddTenth)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_BroadcasterFill)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_InformationDialog)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_QuickFilterKeystroke)->Apply(Sizes)->Apply(Repeat)->Apply(RealTime);
    ADD(BM_SelectAllTV)->Unit(benchmark::kMillisecond);
    ADD(BM_SearchByName)->Unit(benchmark::kMillisecond);
    ADD(BM_SelectRowsOneByOne)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
    ADD(BM_DragWithinTV)->Unit(benchmark::kMillisecond);
    ADD(BM_NewThroughTV)->Unit(benchmark::kMillisecond);
    ADD(BM_PasteOneThroughTV)->Unit(benchmark::kMillisecond);
    ADD(BM_Delete1000ThroughTV)->Unit(benchmark::kMillisecond);
    // Last: they hold the 60,000-channel list.
    ADD(BM_ClickRows)->Apply(ClickSizes);
    ADD(BM_CtrlClickRows)->Apply(ClickSizes);
    ADD(BM_ShiftClickRows)->Apply(ClickSizes);
    ADD(BM_CtrlClickScattered)->Apply(ClickSizes);
#undef ADD
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    g_repetitionsGiven = std::any_of(argv + 1, argv + argc, [](const char* a) {
        return std::strncmp(a, "--benchmark_repetitions", 23) == 0;
    });
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& [name, perClick] : g_clickSeconds) {
        std::printf("%s: time per click", name.c_str());
        for (const auto& [rows, seconds] : perClick)
            std::printf(" %d rows %.1f us,", rows, Median(seconds) * 1e6);
        std::printf(" growth exponent %.2f\n",
                    perClick.size() > 1 ? GrowthExponent(perClick) : 0.0);
    }
    g_editor.reset();
    return 0;
}
