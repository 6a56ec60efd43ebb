// Whole-document steps (Open, Refresh, Receive, a workbook import) rebuild each
// channel list exactly once and leave it unfiltered, whatever control has
// the focus and whatever satellite was chosen before: laying out the panes
// must not move a grid's current row and so filter the lists on the way.
#include "tests/gui/EditorFixture.h"

#include "qtkit/vxui/LinkDialogs.h"

#include <utility>

using OneRebuild = Editor;

TEST_F(OneRebuild, WholeDocumentStepsRebuildEachListOnceAndUnfiltered) {
    StartActive();
    auto& sat = Grid("SatGrid");
    // Each list rebuilt once since `tvFills` / `radioFills`, with every channel.
    auto expectOneUnfilteredFill = [&](int tvFills, int radioFills) {
        EXPECT_EQ(TV().FillCount(), tvFills + 1);
        EXPECT_EQ(Radio().FillCount(), radioFills + 1);
        EXPECT_EQ(TV().Filter().kind, ChannelFilterKind::All);
        EXPECT_EQ(Radio().Filter().kind, ChannelFilterKind::All);
        const auto table = ChannelTable();
        const auto tv = std::count_if(table.begin(), table.end(), IsTV);
        ASSERT_GT(tv, 0);
        EXPECT_EQ(TV().GetRowCount() - 1, tv) << "every TV channel";
        EXPECT_EQ(Radio().GetRowCount() - 1, std::count_if(table.begin(), table.end(), IsRadio))
            << "every radio channel";
        EXPECT_FALSE(sat.GetFocusCell().IsValid()) << "no satellite chosen";
    };
    // The first open of a fresh window, the focus where it is at start-up.
    sat.setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    const int firstTV = TV().FillCount(), firstRadio = Radio().FillCount();
    OpenExample();
    QCoreApplication::processEvents();
    expectOneUnfilteredFill(firstTV, firstRadio);
    const std::string workbook = Scratch("one-rebuild.xls");
    SaveTo(workbook);
    ASSERT_TRUE(std::filesystem::exists(workbook));

    const std::string image = ReadAll(kExample.toStdString());
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"open", [&] { OpenExample(); }},
        {"refresh", [&] { Action("ID_REFRESH_ALL").trigger(); }},
        {"receive",
         [&] { // the dialog leaves the received image in the working copy
             ui.NextDialog<CDlgRecvDataFromSTBEx>(IUiSeam::IDOK, [&](CDlgRecvDataFromSTBEx& d) {
                 std::ofstream(d.Path(), std::ios::binary | std::ios::trunc) << image;
             });
             Action("ID_RECEIVE_DB").trigger();
         }},
        {"import", [&] { OpenFile(QString::fromStdString(workbook)); }},
    };
    for (const char* focus : {"SatGrid", "TPGrid", "BroadcastGrid", "FavTree", "TVGrid"})
        for (const auto& [name, step] : steps) {
            SCOPED_TRACE(std::string(name) + " with the focus in " + focus);
            // The user chose the second satellite: both lists show its channels.
            sat.setCurrentIndex(sat.model()->index(1, 1));
            QCoreApplication::processEvents();
            ASSERT_EQ(TV().Filter().kind, ChannelFilterKind::Satellite);
            Find<QWidget>(focus).setFocus(Qt::OtherFocusReason);
            QCoreApplication::processEvents();

            const int tvFills = TV().FillCount(), radioFills = Radio().FillCount();
            if (frame->Session().IsModified())
                ui.NextAnswer(IUiSeam::IDNO); // the import before is not kept
            step();
            QCoreApplication::processEvents();
            expectOneUnfilteredFill(tvFills, radioFills);
        }
    EXPECT_EQ(ui.Shown<CDlgRecvDataFromSTBEx>().size(), 5u) << "one receive per control";
    EXPECT_TRUE(ui.messages.empty()) << "every step went through";
    std::filesystem::remove(workbook);
}
