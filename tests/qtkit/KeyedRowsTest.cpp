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

std::vector<std::uint32_t> Keys(const CGridCtrl& grid) {
    std::vector<std::uint32_t> out;
    for (int r = 1; r < grid.GetRowCount(); ++r)
        out.push_back(grid.GetRowKey(r));
    return out;
}

struct Grid {
    Grid() {
        grid.SetColumnCount(4);
        grid.SetRowSource(&source);
        source.records = {{7, {"gamma", 30}}, {3, {"alpha", 10}}, {9, {"beta", 10}}};
    }
    Source source;
    CGridCtrl grid;
};

} // namespace

TEST(KeyedRows, CellsComeFromTheSourceAndSortsReadEachRowOnce) {
    Grid g;
    QAbstractItemModelTester tester(g.grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const std::vector<std::uint32_t> keys{7, 3, 9};
    g.grid.SetKeyedRows(keys);
    g.grid.NumberRows();
    EXPECT_EQ(g.grid.GetRowCount(), 4);
    EXPECT_EQ(g.grid.GetItemText(1, 0), "1");
    EXPECT_EQ(g.grid.GetItemText(1, 1), "7") << "column 1 is the key";
    EXPECT_EQ(g.grid.GetItemText(2, 2), "alpha");
    EXPECT_EQ(g.grid.model()->data(g.grid.model()->index(2, 3), Qt::DisplayRole).toString(), "10");
    EXPECT_EQ(g.grid.FindRowByKey(9), 3);

    g.source.numberCalls = 0;
    g.grid.SortItems(CGridCtrl::Compare::Numeric, 3, true);
    EXPECT_EQ(Keys(g.grid), (std::vector<std::uint32_t>{3, 9, 7})) << "stable for equal numbers";
    EXPECT_EQ(g.source.numberCalls, 3) << "one value per row, not per comparison";
    EXPECT_EQ(g.grid.GetItemText(1, 0), "2") << "row numbers move with their rows";
    g.grid.NumberRows();
    EXPECT_EQ(g.grid.GetItemText(1, 0), "1");

    g.source.textCalls = 0;
    g.grid.SortItems(CGridCtrl::Compare::Text, 2, false);
    EXPECT_EQ(Keys(g.grid), (std::vector<std::uint32_t>{7, 9, 3}));
    EXPECT_EQ(g.source.textCalls, 3);
    EXPECT_EQ(g.grid.FindRowByKey(3), 3);

    // The record changes: the row shows it without being written.
    g.source.records[3].first = "omega";
    EXPECT_EQ(g.grid.GetItemText(3, 2), "omega");
    // A record that is gone leaves its key and empty cells.
    g.source.records.erase(9);
    EXPECT_EQ(g.grid.GetItemText(2, 1), "9");
    EXPECT_EQ(g.grid.GetItemText(2, 2), "");
}

TEST(KeyedRows, ASetTextKeepsTheRowsTextsAndStoredRowsMix) {
    Grid g;
    const std::vector<std::uint32_t> keys{7, 3};
    g.grid.SetKeyedRows(keys);
    EXPECT_TRUE(g.grid.IsKeyedRow(1));
    g.grid.SetItemText(1, 3, "99");
    EXPECT_FALSE(g.grid.IsKeyedRow(1)) << "the row now holds its texts";
    EXPECT_EQ(g.grid.GetItemText(1, 2), "gamma") << "taken from the source when written";
    g.source.records[7].first = "changed";
    EXPECT_EQ(g.grid.GetItemText(1, 2), "gamma") << "a stored row keeps what it holds";
    EXPECT_EQ(g.grid.GetItemText(1, 3), "99");

    // A stored row appended after keyed ones; a numeric sort reads both kinds.
    const int row = g.grid.GetRowCount();
    g.grid.SetRowCount(row + 1);
    g.grid.SetItemText(row, 1, "50");
    g.grid.SetItemText(row, 3, "20");
    g.grid.SortItems(CGridCtrl::Compare::Numeric, 3, true);
    EXPECT_EQ(Keys(g.grid), (std::vector<std::uint32_t>{3, 50, 7}));
    EXPECT_EQ(g.grid.FindRowByKey(50), 2);
}

TEST(KeyedRows, ABulkUpdateReachesTheViewAsOneReset) {
    Grid g;
    QAbstractItemModelTester tester(g.grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy resets(g.grid.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserts(g.grid.model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changes(g.grid.model(), &QAbstractItemModel::dataChanged);
    QSignalSpy layouts(g.grid.model(), &QAbstractItemModel::layoutChanged);
    {
        const auto bulk = g.grid.Bulk();
        {
            const auto nested = g.grid.Bulk();
            for (int r = 1; r <= 50; ++r) {
                g.grid.SetRowCount(r + 1);
                g.grid.SetItemText(r, 1, QString::number(100 - r));
            }
        }
        EXPECT_EQ(resets.count(), 0) << "the outer update is still open";
        g.grid.SortItems(CGridCtrl::Compare::Numeric, 1, true);
        g.grid.NumberRows();
    }
    // One reset, and no signal of the row-by-row kind.
    EXPECT_EQ((std::array{resets.count(), inserts.count(), changes.count(), layouts.count()}),
              (std::array<qsizetype, 4>{1, 0, 0, 0}));
    EXPECT_EQ(g.grid.GetRowKey(1), 50u);
    EXPECT_EQ(g.grid.FindRowByKey(99), 50);
    EXPECT_EQ(g.grid.GetItemText(50, 0), "50");

    // Outside a bulk update the same calls signal as before.
    g.grid.SetItemText(1, 2, "x");
    EXPECT_EQ(changes.count(), 1);
    g.grid.NumberRows();
    EXPECT_EQ(changes.count(), 2) << "one change for the whole column";
}
