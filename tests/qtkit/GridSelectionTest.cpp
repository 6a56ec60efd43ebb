// The grid's selection of whole rows: what mouse clicks, keys, sorts, row
// changes and refills leave selected, row for row the same as Qt's own
// selection model leaves on the same model, and kept as merged runs.
#include "qtkit/GridCtrl.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

// A stock table view set up as the grid sets itself up, so the two differ
// in their selection model only.
class StockView final : public QTableView {
public:
    explicit StockView(const CGridCtrl& like) {
        setModel(like.model());
        verticalHeader()->hide();
        verticalHeader()->setDefaultSectionSize(like.verticalHeader()->defaultSectionSize());
        setSelectionBehavior(SelectRows);
        setSelectionMode(ExtendedSelection);
        setEditTriggers(NoEditTriggers);
        setTabKeyNavigation(false);
        setWordWrap(false);
    }

protected:
    void focusInEvent(QFocusEvent* event) override { // as the grid: no row chosen for the user
        QAbstractScrollArea::focusInEvent(event);
        viewport()->update();
    }
};

// Data rows 1..n, column 1 the key (100 + row), column 2 a name that sorts
// in another order.
void Fill(CGridCtrl& grid, int rows) {
    grid.SetColumnCount(4);
    grid.SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r) {
        grid.SetItemText(r, 1, QString::number(100 + r));
        grid.SetItemText(r, 2, QString("n%1").arg((r * 7) % rows, 3, 10, QChar('0')));
        grid.SetItemText(r, 3, QString::number(r % 5));
    }
}

// Grid rows (1-based) selected in a view, read cell by cell.
std::vector<int> RowsSelectedIn(const QAbstractItemView& view) {
    std::vector<int> out;
    for (int r = 0; r < view.model()->rowCount(); ++r)
        if (view.selectionModel()->isSelected(view.model()->index(r, 1)))
            out.push_back(r + 1);
    return out;
}

// How many runs of adjacent rows these ascending rows make.
int RunsOf(const std::vector<int>& rows) {
    int runs = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        runs += i == 0 || rows[i] != rows[i - 1] + 1;
    return runs;
}

// The model rows a selection change selected and deselected, top-bottom:
// "on 3-5 off 7-7".
std::string Told(const QList<QVariant>& change) {
    std::string out;
    for (int i = 0; i < 2; ++i) {
        out += i == 0 ? "on" : " off";
        for (const QItemSelectionRange& r : change[i].value<QItemSelection>())
            out += " " + std::to_string(r.top()) + "-" + std::to_string(r.bottom());
    }
    return out;
}

QPoint CenterOf(QAbstractItemView& view, int row) {
    const QModelIndex index = view.model()->index(row - 1, 2);
    view.scrollTo(index);
    return view.visualRect(index).center();
}

void Mouse(QAbstractItemView& view, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers modifiers) {
    QMouseEvent event(type, QPointF(at), QPointF(view.viewport()->mapToGlobal(at)), Qt::LeftButton,
                      buttons, modifiers);
    QCoreApplication::sendEvent(view.viewport(), &event);
}

void Click(QAbstractItemView& view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPoint at = CenterOf(view, row);
    Mouse(view, QEvent::MouseButtonPress, at, Qt::LeftButton, modifiers);
    Mouse(view, QEvent::MouseButtonRelease, at, Qt::NoButton, modifiers);
}

// A press on one row, the pointer dragged over to another, released there.
void DragSelect(QAbstractItemView& view, int from, int to, Qt::KeyboardModifiers modifiers) {
    const QPoint start = CenterOf(view, from);
    Mouse(view, QEvent::MouseButtonPress, start, Qt::LeftButton, modifiers);
    const QPoint end = CenterOf(view, to);
    Mouse(view, QEvent::MouseMove, end, Qt::LeftButton, modifiers);
    Mouse(view, QEvent::MouseButtonRelease, end, Qt::NoButton, modifiers);
}

struct Shown {
    explicit Shown(int rows) {
        Fill(grid, rows);
        grid.resize(320, 160);
        grid.show();
    }
    CGridCtrl grid;
};

} // namespace

// A Ctrl click inside a run splits it; a row set next to a run joins it.
TEST(GridSelection, AViewIsToldOnlyOfTheRowsThatChanged) {
    Shown s(200);
    CGridCtrl& grid = s.grid;
    Click(grid, 1);
    Click(grid, 150, Qt::ShiftModifier);
    QSignalSpy changed(grid.selectionModel(), &QItemSelectionModel::selectionChanged);
    Click(grid, 151, Qt::ControlModifier);
    Click(grid, 75, Qt::ControlModifier);
    EXPECT_EQ(grid.selectionModel()->selection().size(), 2) << "two runs, stored as two";
    grid.SetItemState(10, 1, GVIS_SELECTED); // changes nothing, so says nothing
    grid.SetItemState(152, 2, GVIS_SELECTED);
    EXPECT_EQ(grid.selectionModel()->selection().size(), 2) << "row 152 joined its run";
    ASSERT_EQ(changed.size(), 3);
    EXPECT_EQ(Told(changed[0]), "on 150-150 off") << "model row of grid row 151";
    EXPECT_EQ(Told(changed[1]), "on off 74-74");
    EXPECT_EQ(Told(changed[2]), "on 151-151 off");
}

TEST(GridSelection, HeaderSortsAndRefillsClearTheSelectionAndKeysFindTheirRows) {
    Shown s(12);
    CGridCtrl& grid = s.grid;
    const std::vector<std::uint32_t> keys{102, 103, 104, 109};
    EXPECT_EQ(grid.SelectRowsByKey(keys), 4);
    EXPECT_EQ(grid.GetSelectedRows(), (std::vector<int>{2, 3, 4, 9}));
    grid.SortItems(CGridCtrl::Compare::Text, 2, true);
    EXPECT_TRUE(grid.GetSelectedRows().empty()) << "a header sort starts with no selection";
    // A refill (a filter) is a reset: nothing stays selected, and a
    // selection by key finds the rows of the keys still shown.
    EXPECT_EQ(grid.SelectRowsByKey(keys), 4);
    {
        const auto bulk = grid.Bulk();
        grid.SetRowCount(1);
        grid.SetRowCount(4);
        for (int r = 1; r <= 3; ++r)
            grid.SetItemText(r, 1, QString::number(std::vector<int>{109, 105, 102}[r - 1]));
    }
    EXPECT_TRUE(grid.GetSelectedRows().empty());
    EXPECT_EQ(grid.SelectRowsByKey(keys), 2) << "103 and 104 are not shown";
    EXPECT_EQ(grid.GetSelectedRows(), (std::vector<int>{1, 3}));
    // As with Qt's own model, a Shift click replaces what the last command
    // selected with the range from the anchor (row 1 since the refill).
    Click(grid, 2, Qt::ShiftModifier);
    EXPECT_EQ(grid.GetSelectedRows(), (std::vector<int>{1, 2}));
}

namespace {

// Several hundred random clicks (plain, Ctrl, Shift, Ctrl+Shift, dragged),
// keys and row changes (deletes, appends, sorts), given to the grid and to a stock table view on
// the same model: after every step both have the same rows selected and the same current row, after
// a click the grid stores its selection as merged runs, and after a click or key what the grid's
// views were told adds up to the rows selected (so each repaints what changed).
void CompareWithStock(bool dragAndDrop, unsigned seed) {
    Shown s(60);
    CGridCtrl& grid = s.grid;
    StockView stock(grid);
    if (dragAndDrop) {
        grid.EnableDragAndDrop(true);
        stock.setDragEnabled(true);
        stock.setDragDropMode(QAbstractItemView::DragDrop);
    }
    stock.resize(grid.size());
    stock.show();
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, Qt::ControlModifier,
                                               Qt::ShiftModifier,
                                               Qt::ControlModifier | Qt::ShiftModifier};
    const Qt::Key keys[] = {Qt::Key_Up,   Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                            Qt::Key_Home, Qt::Key_End,  Qt::Key_Space,  Qt::Key_A};
    std::set<int> told; // grid rows, as the selection's signals give them
    const auto tell = [&](const QItemSelection& selection, bool on) {
        for (const QItemSelectionRange& r : selection)
            for (int row = r.top() + 1; row <= r.bottom() + 1; ++row)
                on ? void(told.insert(row)) : void(told.erase(row));
    };
    QObject listener;
    QObject::connect(grid.selectionModel(), &QItemSelectionModel::selectionChanged, &listener,
                     [&](const QItemSelection& on, const QItemSelection& off) {
                         tell(off, false);
                         tell(on, true);
                     });
    for (int step = 0; step < 700; ++step) {
        const int rows = grid.GetRowCount() - 1;
        const int what = pick(20);
        const Qt::KeyboardModifiers mod = modifiers[pick(4)];
        bool clicked = true; // a click always reaches the selection model
        bool rowsChanged = false;
        if (what < 10 && rows > 0) {
            const int row = 1 + pick(rows);
            Click(grid, row, mod);
            Click(stock, row, mod);
        } else if (what < 12 && rows > 0 && !dragAndDrop) {
            const int from = 1 + pick(rows), to = 1 + pick(rows);
            DragSelect(grid, from, to, mod);
            DragSelect(stock, from, to, mod);
        } else if (what < 16) {
            clicked = false;
            const Qt::Key key = keys[pick(8)];
            // Ctrl+A selects all; A alone does nothing either way.
            QTest::keyClick(&grid, key, mod);
            QTest::keyClick(&stock, key, mod);
        } else {
            clicked = false;
            rowsChanged = true;
            auto& model = static_cast<CGridModel&>(*grid.model());
            const int change = pick(4);
            if (change == 0)
                model.Sort(1 + pick(3), pick(2) == 0, pick(2) == 0);
            else if (change == 1 && rows > 20)
                model.DeleteRows({1 + pick(rows), 1 + pick(rows), 1 + pick(rows)});
            else if (change == 3 && rows > 0)
                model.SetText(1 + pick(rows), 2, QString("t%1").arg(step));
            else if (change == 2 && rows < 80) {
                model.InsertRows(2);
                for (int r = rows + 1; r <= rows + 2; ++r)
                    model.SetText(r, 1, QString::number(500 + step * 2 + r - rows));
            }
        }
        const std::vector<int> mine = grid.GetSelectedRows();
        // The seed and the step replay a failure.
        const std::string at = "seed " + std::to_string(seed) + " step " + std::to_string(step);
        ASSERT_EQ(mine, RowsSelectedIn(stock)) << at;
        ASSERT_EQ(mine, RowsSelectedIn(grid)) << at;
        ASSERT_EQ(grid.GetSelectedRowCount(), static_cast<int>(mine.size())) << at;
        ASSERT_EQ(grid.currentIndex().row(), stock.currentIndex().row()) << at;
        if (clicked) {
            ASSERT_EQ(grid.selectionModel()->selection().size(), RunsOf(mine)) << at;
        }
        if (rowsChanged) // rows that move or go take their state along untold
            told = std::set<int>(mine.begin(), mine.end());
        ASSERT_EQ(std::vector<int>(told.begin(), told.end()), mine) << at;
    }
}

} // namespace

// Seeds 1 to 3 without drag and drop, 4 and 5 with it (where a drag moves rows).
TEST(GridSelection, MatchesQtsOwnSelectionStepForStep) {
    for (unsigned seed = 1; seed <= 5; ++seed)
        CompareWithStock(seed > 3, seed);
}

TEST(GridSelection, TheHeaderSeesAColumnSelectedOnlyWhenEveryRowIs) {
    Shown s(30);
    CGridCtrl& grid = s.grid;
    const QItemSelectionModel* header = grid.horizontalHeader()->selectionModel();
    ASSERT_NE(header, nullptr);
    Click(grid, 1);
    Click(grid, 29, Qt::ShiftModifier);
    EXPECT_FALSE(header->isColumnSelected(2, {}));
    Click(grid, 30, Qt::ShiftModifier);
    EXPECT_TRUE(header->isColumnSelected(2, {}));
    EXPECT_EQ(header->isColumnSelected(2, {}), grid.selectionModel()->isColumnSelected(2, {}));
    Click(grid, 12, Qt::ControlModifier);
    EXPECT_FALSE(header->isColumnSelected(2, {}));
    QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(header->isColumnSelected(0, {}));
    grid.ClearSelectionRange();
    EXPECT_FALSE(header->hasSelection());
}
