// Keyed rows and bulk updates of the grid control: rows that hold only a
// record key and read their cells from a source, and fills that reach the
// view as one reset.
#include "qtkit/GridCtrl.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

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
class KeyedRows : public ::testing::Test {
protected:
    KeyedRows() {
        grid.SetColumnCount(4);
        grid.SetRowSource(&source);
        source.records = {{7, {"gamma", 30}}, {3, {"alpha", 10}}, {9, {"beta", 10}}};
    }
    std::vector<std::uint32_t> Keys() const {
        std::vector<std::uint32_t> out;
        for (int r = 1; r < grid.GetRowCount(); ++r)
            out.push_back(grid.GetRowKey(r));
        return out;
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
    EXPECT_EQ(Keys(), (std::vector<std::uint32_t>{3, 9, 7})) << "stable for equal numbers";
    EXPECT_EQ(source.numberCalls, 3) << "one value per row, not per comparison";
    EXPECT_EQ(grid.GetItemText(1, 0), "2") << "row numbers move with their rows";
    grid.NumberRows();
    EXPECT_EQ(grid.GetItemText(1, 0), "1");

    source.textCalls = 0;
    grid.SortItems(CGridCtrl::Compare::Text, 2, false);
    EXPECT_EQ(Keys(), (std::vector<std::uint32_t>{7, 9, 3}));
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
    EXPECT_EQ(Keys(), (std::vector<std::uint32_t>{3, 50, 7}));
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
