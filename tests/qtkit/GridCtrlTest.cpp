// The grid control and the list-grid row operations on their own; keyed
// rows, which hold only a record key and read their cells from a source, and
// bulk updates, fills that reach the view as one reset.
#include "qtkit/GridCtrl.h"
#include "document/EditSession.h"
#include "qtkit/ScriptedUiSeam.h"
#include "views/ListGridCtrl.h"

#include <QAbstractItemModelTester>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <utility>

namespace {

class NullSink final : public IMessageSink {
public:
    long SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t) override {
        last = {message, wParam};
        return 1;
    }
    int DragSource() const override { return 0; }
    std::pair<unsigned, std::uintptr_t> last{};
};

// The seam and session a grid is given; these grids edit nothing.
ViewContext ContextFor(IMessageSink& sink) {
    static CScriptedUiSeam ui;
    static CZorvDB db;
    static EditSession session(db);
    return {sink, ui, session};
}

std::string KeyEvent(int key) {
    return "key " + std::to_string(key);
}

class TestGrid final : public CListGridCtrl {
public:
    explicit TestGrid(IMessageSink& sink) : CListGridCtrl(ContextFor(sink), 4) {}
    void SetupGrid() override {
        SetupColumns({{"", "000"}, {"Index", "00"}, {"Name", "0000"}}, false);
    }
    void FillGrid() override {}

    // Rows with keys first, first + 1, ... named "n<key>".
    void Fill(int count, int first = 1) {
        ClearRows();
        SetRowCount(count + 1);
        for (int r = 1; r <= count; ++r) {
            SetItemText(r, 1, QString::number(first + r - 1));
            SetItemText(r, 2, QString("n%1").arg(first + r - 1));
        }
        RenumberIndexColumn();
    }

    // What the hooks saw, in order.
    std::vector<std::string> events;
    Key answer = Key::PassOn;
    void OnRButtonUp(const QPoint& p) override {
        events.push_back("rbuttonup row " + std::to_string(GetCellFromPt(p).row));
    }
    Key OnKeyDown(const QKeyEvent& e) override {
        events.push_back(KeyEvent(e.key()));
        return answer;
    }
    void OnLButtonDblClk(const QPoint& p) override {
        events.push_back("dblclk row " + std::to_string(GetCellFromPt(p).row));
    }
};

// The keys of the data rows, top to bottom.
std::vector<std::uint32_t> Keys(const CGridCtrl& grid) {
    std::vector<std::uint32_t> keys;
    for (int r = 1; r < grid.GetRowCount(); ++r)
        keys.push_back(grid.GetRowKey(r));
    return keys;
}

// The grid rows that show each key, in key order.
std::vector<int> RowsOf(const TestGrid& grid, std::initializer_list<std::uint32_t> keys) {
    std::vector<int> rows;
    for (std::uint32_t k : keys)
        rows.push_back(grid.FindRowByKey(k));
    return rows;
}

// A grid set up with its columns, its model checked at every change.
struct GridCtrl : ::testing::Test {
    void SetUp() override { grid.SetupGrid(); }
    // The texts of one column, top to bottom.
    QStringList Column(int col) const {
        QStringList texts;
        for (int r = 1; r < grid.GetRowCount(); ++r)
            texts << grid.GetItemText(r, col);
        return texts;
    }

    NullSink sink;
    TestGrid grid{sink};
    QAbstractItemModelTester tester{grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal};
};

} // namespace

TEST_F(GridCtrl, KeyIndexFollowsFillSortAndRemove) {
    grid.Fill(5, 10); // keys 10 .. 14 in rows 1 .. 5
    EXPECT_EQ(RowsOf(grid, {10, 12, 14, 9, 0}), (std::vector<int>{1, 3, 5, 0, 0}))
        << "no row has 9, and the header row is no record";
    EXPECT_EQ(grid.GetRowKey(0), 0u) << "the header row has no record";
    EXPECT_EQ(grid.GetRowKey(6), 0u) << "past the end";

    grid.SortItems(CGridCtrl::Compare::Numeric, 1, false);
    EXPECT_EQ(Keys(grid), (std::vector<std::uint32_t>{14, 13, 12, 11, 10}));
    EXPECT_EQ(RowsOf(grid, {10, 12, 14}), (std::vector<int>{5, 3, 1}));

    grid.RemoveRow(2); // key 13 goes; the rows below move up
    grid.RemoveRow(0); // the header row stays
    EXPECT_EQ(RowsOf(grid, {10, 11, 12, 13, 14}), (std::vector<int>{4, 3, 2, 0, 1}));
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3", "4"})) << "renumbered";

    grid.SetItemText(1, 1, "40"); // a row that gets another key
    EXPECT_EQ(RowsOf(grid, {14, 40}), (std::vector<int>{0, 1}));
    EXPECT_EQ(grid.GetRowKey(1), 40u);

    // Two rows with one key: the first one is found, and after the first
    // one changes its key, the other one.
    grid.SetItemText(3, 1, "40");
    EXPECT_EQ(grid.FindRowByKey(40), 1);
    grid.SetItemText(1, 1, "41");
    EXPECT_EQ(RowsOf(grid, {40, 41}), (std::vector<int>{3, 1}));

    // Keys read as atoi reads column 1: leading blanks, trailing text.
    grid.SetItemText(2, 1, "  77abc");
    EXPECT_EQ(grid.GetRowKey(2), 77u);
    EXPECT_EQ(grid.FindRowByKey(77), 2);
    grid.SetItemText(2, 1, "x");
    EXPECT_EQ(grid.GetRowKey(2), 0u);

    grid.OnBeginDrag();
    EXPECT_EQ(sink.last, (std::pair<unsigned, std::uintptr_t>{WM_GRID_DRAG_BEGIN, 4}));
    grid.ClearRows();
    EXPECT_EQ(grid.GetRowCount(), 1);
    EXPECT_FALSE(grid.GetFocusCell().IsValid());
    EXPECT_EQ(RowsOf(grid, {40, 10}), (std::vector<int>{0, 0}));
}

TEST_F(GridCtrl, NumericAndTextSortsAreStableAndKeepTheCurrentRow) {
    grid.Fill(6);
    const QStringList numbers = {"5", "10", "5", "-2", "x", "10 Mhz"};
    for (int r = 1; r <= 6; ++r)
        grid.SetItemText(r, 2, numbers[r - 1]);
    grid.setCurrentIndex(grid.model()->index(2, 2)); // grid row 3, key 3
    grid.SortItems(CGridCtrl::Compare::Numeric, 2, true);
    // -2 (4), x = 0 (5), 5 (1), 5 (3), 10 (2), 10 Mhz (6): equal numbers keep their order.
    EXPECT_EQ(Keys(grid), (std::vector<std::uint32_t>{4, 5, 1, 3, 2, 6}));
    EXPECT_EQ(grid.GetFocusCell().row, 4) << "the current row moved with its record";
    EXPECT_EQ(grid.GetRowKey(grid.GetFocusCell().row), 3u);
    grid.SortItems(CGridCtrl::Compare::Numeric, 2, false);
    EXPECT_EQ(Keys(grid), (std::vector<std::uint32_t>{2, 6, 1, 3, 5, 4}));
    grid.SortItems(CGridCtrl::Compare::Text, 2, true);
    EXPECT_EQ(Column(2), (QStringList{"-2", "10", "10 Mhz", "5", "5", "x"})) << "text order";
    // A cell too narrow for its text shows it whole as its tooltip.
    EXPECT_EQ(grid.model()->data(grid.model()->index(2, 2), Qt::ToolTipRole).toString(), "10 Mhz");
}

TEST_F(GridCtrl, BulkSelectionIsOneChange) {
    grid.Fill(1000);
    QSignalSpy changes(grid.selectionModel(), &QItemSelectionModel::selectionChanged);
    QSignalSpy current(&grid, &CGridCtrl::SelectionChanged);

    EXPECT_EQ(grid.SelectRowsWhere([](int) { return true; }), 1000);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(grid.GetSelectedRows().size(), 1000u);
    EXPECT_EQ(grid.GetItemState(1000, 2), GVIS_SELECTED);

    // Every third row: the others become unselected in the same change.
    EXPECT_EQ(grid.SelectRowsWhere([](int row) { return row % 3 == 0; }), 333);
    EXPECT_EQ(changes.count(), 2);
    const auto rows = grid.GetSelectedRows();
    ASSERT_EQ(rows.size(), 333u);
    EXPECT_EQ(std::pair(rows.front(), rows.back()), std::pair(3, 999));
    EXPECT_EQ(std::pair(grid.GetItemState(1, 1), grid.GetItemState(3, 1)),
              std::pair(0u, GVIS_SELECTED));

    // By key after a sort: the rows that show the keys, wherever they are.
    grid.SortItems(CGridCtrl::Compare::Numeric, 1, false);
    changes.clear();
    const std::vector<std::uint32_t> keys = {1, 2, 3, 500, 999999};
    EXPECT_EQ(grid.SelectRowsByKey(keys), 4) << "the key without a row is skipped";
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(grid.GetSelectedRows(), (std::vector<int>{501, 998, 999, 1000}));
    EXPECT_EQ(current.count(), 0) << "bulk selection does not move the current row";

    EXPECT_EQ(grid.SelectRowsWhere([](int) { return false; }), 0);
    EXPECT_TRUE(grid.GetSelectedRows().empty());

    // The one-row form adds to the selection.
    grid.SetRowSelected(7, true);
    grid.SetRowSelected(9, true);
    EXPECT_EQ(grid.GetSelectedRows(), (std::vector<int>{7, 9}));
    grid.SetRowSelected(7, false);
    EXPECT_EQ(grid.GetSelectedRows(), (std::vector<int>{9}));
    EXPECT_EQ(grid.GetItemState(9, 1), GVIS_SELECTED);
}

TEST_F(GridCtrl, HooksForMenuKeysAndDoubleClick) {
    grid.Fill(60);
    grid.resize(300, 200);
    grid.show();
    grid.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&grid));

    // No current row: the menu belongs to the top of the rows.
    QTest::keyClick(&grid, Qt::Key_Menu);
    EXPECT_EQ(grid.events, std::vector<std::string>{"rbuttonup row 1"});

    // At the current row, the Shift key itself going to the hook; F10 alone
    // and Ctrl+Shift+F10 are other keys.
    grid.selectionModel()->setCurrentIndex(grid.model()->index(2, 2),
                                           QItemSelectionModel::NoUpdate);
    grid.events.clear();
    QTest::keyClick(&grid, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(grid.events, (std::vector<std::string>{KeyEvent(Qt::Key_Shift), "rbuttonup row 3"}));
    grid.events.clear();
    QTest::keyClick(&grid, Qt::Key_F10);
    QTest::keyClick(&grid, Qt::Key_F10, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(grid.events,
              (std::vector<std::string>{KeyEvent(Qt::Key_F10), KeyEvent(Qt::Key_Shift),
                                        KeyEvent(Qt::Key_Control), KeyEvent(Qt::Key_F10)}));

    // The right button's release is the menu's hook, the left one's is not.
    const QPoint row2 = grid.visualRect(grid.model()->index(1, 2)).center();
    grid.events.clear();
    QTest::mouseRelease(grid.viewport(), Qt::RightButton, {}, row2);
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, row2);
    EXPECT_EQ(grid.events, std::vector<std::string>{"rbuttonup row 2"});

    grid.setCurrentIndex(grid.model()->index(0, 2));
    grid.answer = CGridCtrl::Key::Consumed;
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.events.back(), KeyEvent(Qt::Key_Down));
    EXPECT_EQ(grid.GetFocusCell().row, 1) << "a consumed key does not reach the control";
    grid.answer = CGridCtrl::Key::PassOn;
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.GetFocusCell().row, 2) << "a key passed on moves the current row";

    grid.setCurrentIndex(grid.model()->index(4, 2));
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, row2);
    EXPECT_EQ(grid.events.back(), "dblclk row 2");

    // A current row scrolled out of sight: the top of the rows on show.
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    const int top = grid.GetCellFromPt(QPoint(4, 4)).row;
    ASSERT_GT(top, 5);
    grid.events.clear();
    QTest::keyClick(&grid, Qt::Key_Menu);
    EXPECT_EQ(grid.events, std::vector<std::string>{"rbuttonup row " + std::to_string(top)});
}

TEST_F(GridCtrl, RowsLeaveByKeyInRuns) {
    QSignalSpy removed(grid.model(), &QAbstractItemModel::rowsRemoved);
    grid.Fill(10); // keys 1 .. 10
    const std::vector<std::uint32_t> leaving = {9, 2, 3, 4, 7, 3, 99};
    grid.RemoveRowsByKey(leaving);
    EXPECT_EQ(removed.count(), 3) << "runs 2-4, 7 and 9, each removed at once";
    EXPECT_EQ(Keys(grid), (std::vector<std::uint32_t>{1, 5, 6, 8, 10}));
    EXPECT_EQ(Column(0), (QStringList{"1", "2", "3", "4", "5"})) << "renumbered";
    EXPECT_EQ(RowsOf(grid, {1, 5, 6, 8, 9, 10}), (std::vector<int>{1, 2, 3, 4, 0, 5}));
    grid.RemoveRowsByKey(std::vector<std::uint32_t>{42});
    EXPECT_EQ(grid.GetRowCount(), 6) << "keys without rows change nothing";
}

namespace {

// Records by key: a name and a number; counts what it was asked.
class Source final : public IGridRowSource {
public:
    std::map<std::uint32_t, std::pair<QString, long>> records;
    mutable int textCalls = 0, numberCalls = 0;

    QString CellText(std::uint32_t key, int col) const override {
        ++textCalls;
        const auto it = records.find(key);
        if (it == records.end())
            return {};
        return col == 2 ? it->second.first : QString::number(it->second.second);
    }
    long CellNumber(std::uint32_t key, int col) const override {
        ++numberCalls;
        const auto it = records.find(key);
        return it == records.end() || col != 3 ? 0 : it->second.second;
    }
};

// A grid of four columns on the source, its model checked at every change.
struct KeyedRows : ::testing::Test {
    KeyedRows() {
        grid.SetColumnCount(4);
        grid.SetRowSource(&source);
        source.records = {{7, {"gamma", 30}}, {3, {"alpha", 10}}, {9, {"beta", 10}}};
    }
    // A row's cells as the model gives them to the view.
    QStringList Shown(int row) const {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells
                << grid.model()->data(grid.model()->index(row - 1, c), Qt::DisplayRole).toString();
        return cells;
    }

    Source source;
    CGridCtrl grid;
    QAbstractItemModelTester tester{grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal};
};

} // namespace

TEST_F(KeyedRows, CellsComeFromTheSourceAndSortsReadEachRowOnce) {
    const std::vector<std::uint32_t> keys{7, 3, 9};
    grid.SetKeyedRows(keys);
    grid.NumberRows();
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(Shown(2), (QStringList{"2", "3", "alpha", "10"})) << "column 1 is the key";
    EXPECT_EQ(grid.GetItemText(1, 2), "gamma");
    EXPECT_EQ(grid.FindRowByKey(9), 3);

    source.numberCalls = 0;
    grid.SortItems(CGridCtrl::Compare::Numeric, 3, true);
    EXPECT_EQ(Keys(grid), (std::vector<std::uint32_t>{3, 9, 7})) << "stable for equal numbers";
    EXPECT_EQ(source.numberCalls, 3) << "one value per row, not per comparison";
    EXPECT_EQ(grid.GetItemText(1, 0), "2") << "row numbers move with their rows";
    grid.NumberRows();
    EXPECT_EQ(grid.GetItemText(1, 0), "1");

    source.textCalls = 0;
    grid.SortItems(CGridCtrl::Compare::Text, 2, false);
    EXPECT_EQ(Keys(grid), (std::vector<std::uint32_t>{7, 9, 3}));
    EXPECT_EQ(source.textCalls, 3);
    EXPECT_EQ(grid.FindRowByKey(3), 3);

    // The record changes: the row shows it without being written. A record
    // that is gone leaves its key and empty cells.
    source.records[3].first = "omega";
    source.records.erase(9);
    EXPECT_EQ(grid.GetItemText(3, 2), "omega");
    EXPECT_EQ(Shown(2), (QStringList{"2", "9", "", ""}));
}

TEST_F(KeyedRows, ASetTextKeepsTheRowsTextsAndStoredRowsMix) {
    const std::vector<std::uint32_t> keys{7, 3};
    grid.SetKeyedRows(keys);
    EXPECT_TRUE(grid.IsKeyedRow(1));
    grid.SetItemText(1, 3, "99");
    EXPECT_FALSE(grid.IsKeyedRow(1)) << "the row now holds its texts";
    source.records[7].first = "changed";
    EXPECT_EQ(grid.GetItemText(1, 2), "gamma") << "taken from the source when written, kept";
    EXPECT_EQ(grid.GetItemText(1, 3), "99");

    // A stored row appended after keyed ones; a numeric sort reads both kinds.
    const int row = grid.GetRowCount();
    grid.SetRowCount(row + 1);
    grid.SetItemText(row, 1, "50");
    grid.SetItemText(row, 3, "20");
    grid.SortItems(CGridCtrl::Compare::Numeric, 3, true);
    EXPECT_EQ(Keys(grid), (std::vector<std::uint32_t>{3, 50, 7}));
    EXPECT_EQ(grid.FindRowByKey(50), 2);
}

TEST_F(KeyedRows, ABulkUpdateReachesTheViewAsOneReset) {
    QSignalSpy resets(grid.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserts(grid.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changes(grid.model(), &QAbstractItemModel::dataChanged);
    QSignalSpy layouts(grid.model(), &QAbstractItemModel::layoutChanged);
    {
        const auto bulk = grid.Bulk();
        {
            const auto nested = grid.Bulk();
            for (int r = 1; r <= 50; ++r) {
                grid.SetRowCount(r + 1);
                grid.SetItemText(r, 1, QString::number(100 - r));
            }
        }
        EXPECT_EQ(resets.count(), 0) << "the outer update is still open";
        grid.SortItems(CGridCtrl::Compare::Numeric, 1, true);
        grid.NumberRows();
    }
    // One reset, and no signal of the row-by-row kind.
    EXPECT_EQ((std::array{resets.count(), inserts.count(), changes.count(), layouts.count()}),
              (std::array<qsizetype, 4>{1, 0, 0, 0}));
    EXPECT_EQ(grid.GetRowKey(1), 50u);
    EXPECT_EQ(grid.FindRowByKey(99), 50);
    EXPECT_EQ(grid.GetItemText(50, 0), "50");

    // Outside a bulk update the same calls signal as before.
    grid.SetItemText(1, 2, "x");
    EXPECT_EQ(changes.count(), 1);
    grid.NumberRows();
    EXPECT_EQ(changes.count(), 2) << "one change for the whole column";
}
