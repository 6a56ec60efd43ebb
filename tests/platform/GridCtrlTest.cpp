// The grid control and the list-grid row operations on their own.
#include "platform/GridCtrl.h"
#include "views/ListGridCtrl.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace {

class NullSink final : public IMessageSink {
public:
    long SendMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
        last = {message, wParam, lParam};
        return 1;
    }
    int DragSource() const override { return 0; }
    struct {
        unsigned message;
        std::uintptr_t w;
        std::intptr_t l;
    } last{};
};

class TestGrid final : public CListGridCtrl {
public:
    explicit TestGrid(IMessageSink& sink) : CListGridCtrl(sink, 4) {}
    void SetupGrid() override {
        SetupColumns({{"", "000"}, {"Index", "00"}, {"Name", "0000"}}, false);
    }
    void FillGrid() override {}
};

} // namespace

TEST(GridCtrl, HeaderRowTextsHiddenColumnsAndSorting) {
    NullSink sink;
    TestGrid grid(sink);
    QAbstractItemModelTester tester(grid.model());
    grid.SetupGrid();
    EXPECT_EQ(grid.GetRowCount(), 1) << "the header row only";
    EXPECT_EQ(grid.GetItemText(0, 1), "Index");
    for (const char* row : {"9|b", "10|a", "2|c"}) {
        const QStringList parts = QString(row).split('|');
        grid.AppendRow({"", parts[0], parts[1]});
    }
    grid.RenumberIndexColumn();
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetItemText(3, 0), "3");
    grid.SortItems(CGridCtrl::Compare::Text, 1, true);
    EXPECT_EQ(grid.GetItemText(1, 1), "10") << "as text, 10 sorts before 2 and 9";
    grid.SortItems(CGridCtrl::Compare::Numeric, 1, true);
    EXPECT_EQ(grid.GetItemText(1, 1), "2");
    EXPECT_EQ(grid.GetItemText(3, 1), "10");
    grid.SortItems(CGridCtrl::Compare::Numeric, 1, false);
    EXPECT_EQ(grid.GetItemText(1, 1), "10");
    grid.SetColHidden(1, true);
    EXPECT_TRUE(grid.IsColHidden(1));
    EXPECT_EQ(grid.model()->data(grid.model()->index(0, 2), Qt::ToolTipRole).toString(), "a");
}

TEST(GridCtrl, RowKeysSelectionAndRemoval) {
    NullSink sink;
    TestGrid grid(sink);
    grid.SetupGrid();
    grid.AppendRow({"1", "40", "x"});
    grid.AppendRow({"2", "41", "y"});
    EXPECT_EQ(grid.GetRowKey(0), 0u) << "the header row has no record";
    EXPECT_EQ(grid.GetRowKey(3), 0u) << "past the end";
    EXPECT_EQ(grid.GetRowKey(2), 41u);
    EXPECT_EQ(grid.FindRow(41), 2);
    grid.SetRowSelected(2, true);
    EXPECT_EQ(grid.GetItemState(2, 1) & GVIS_SELECTED, GVIS_SELECTED);
    EXPECT_EQ(grid.GetItemState(1, 1) & GVIS_SELECTED, 0u);
    EXPECT_EQ(grid.GetSelectedRows(), std::vector<int>{2});
    grid.SetRowSelected(2, false);
    EXPECT_TRUE(grid.GetSelectedRows().empty());
    grid.RemoveRow(1);
    EXPECT_EQ(grid.GetRowCount(), 2);
    EXPECT_EQ(grid.GetItemText(1, 0), "1") << "renumbered";
    EXPECT_EQ(grid.GetRowKey(1), 41u);
    grid.RemoveRow(0); // the header row stays
    EXPECT_EQ(grid.GetRowCount(), 2);
    grid.OnBeginDrag();
    EXPECT_EQ(sink.last.message, WM_GRID_DRAG_BEGIN);
    EXPECT_EQ(sink.last.w, 4u);
    grid.ClearRows();
    EXPECT_EQ(grid.GetRowCount(), 1);
    EXPECT_FALSE(grid.GetFocusCell().IsValid());
}
