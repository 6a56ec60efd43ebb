// The editor driven as a user drives it: open through the scripted dialog,
// read captions and cells, choose sources, sort, drop, save.
#include "tests/gui/EditorFixture.h"

#include "model/SatelliteRecords.h"
#include "qtkit/PaneWidgets.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTabBar>
#include <QUrl>

// Past the dot at index 1 or later; the case counts.
TEST(FileKindRule, ExtensionsCompareCaseSensitivelyAfterIndex2) {
    const std::pair<const char*, bool> cases[] = {
        {"/tmp/list.xls", true},  {"/tmp/list.cvs", true}, {"/tmp/list.XLS", false},
        {"/tmp/list.csv", false}, {"a.xls", false},        {"ab.xls", true},
        {"/tmp/list.", false},    {"/tmp/list", false}};
    for (const auto& [path, workbook] : cases)
        EXPECT_EQ(IsWorkbookPath(path), workbook) << path;
}

// The captions' texts are Beyond.CaptionsKeepTheirTextsAndCountTheRowsBesideThem's, the
// keys KeyboardOnly's, the tab strip of each family Profile's.
TEST_F(Editor, WindowToolbarAndCaptions) {
    Start();
    EXPECT_EQ(frame->size(), QSize(1024, 768));
    EXPECT_EQ(frame->windowTitle().toStdString(), kCaption);
    Action("ID_APP_ABOUT").trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "About Velmar");
    EXPECT_TRUE(ui.messages[0].text.startsWith("Velmar Version 1.4.6.10 (build:20090929)"));
}

// The cells' texts and which channel columns hide are RecordTexts' and
// ChannelCommands'; here every pane is filled from the file.
TEST_F(Editor, OpenShowsEveryPane) {
    Start();
    QAbstractItemModelTester tester(TV().model());
    OpenExample();
    ASSERT_EQ(ui.openDialogs.size(), 1u);
    EXPECT_TRUE(ui.saveDialogs.empty());
    EXPECT_EQ(
        QStringList({ui.openDialogs[0].title, ui.openDialogs[0].filter}),
        QStringList({"Load Channel Data",
                     "Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||"}));
    EXPECT_TRUE(ui.messages.empty());
    auto& sat = Grid("SatGrid");
    EXPECT_EQ(sat.GetRowCount(), 7) << "header and six satellites";
    EXPECT_EQ(RowTexts(sat, 1, {3, 4}), (QStringList{"Astra 1", "19.2E"}));
    EXPECT_TRUE(sat.IsColHidden(1) && sat.IsColHidden(2) && Grid("TPGrid").IsColHidden(3));
    EXPECT_EQ(RowTexts(Grid("TPGrid"), 1, {5, 6, 7, 8}),
              (QStringList{"11,494", "22,000", "HOR", "S2 8PSK 2/3"}));
    EXPECT_EQ(RowTexts(TV(), 1, {6, 5, 0, 14}), (QStringList{"Das Erste HD", "1", "1", "Tuner 1"}));
    EXPECT_EQ(Radio().GetItemText(1, 6), "Bayern 1");
    EXPECT_EQ(RowTexts(Grid("BroadcastGrid"), 1, {3, 4}), (QStringList{"ASTRA 19.2E", "162/75"}));
    EXPECT_EQ(Tree().FavoriteRoot()->childCount(), 8);
    EXPECT_EQ(Tree().FavoriteRoot()->child(0)->text(0), "News");
    EXPECT_EQ(Tree().GenreRoot()->childCount(), 16);
}

// Which channels each filter passes is the core's (ChannelFilterTest); here
// each pane's choice reaches the lists.
TEST_F(Editor, ChoosingSourcesFiltersBothLists) {
    Open();
    const int allTV = TV().GetRowCount();
    emit Grid("SatGrid").CellClicked(2, 3); // Hot Bird, the second satellite row
    EXPECT_EQ(Grid("TPGrid").GetRowCount(), 6) << "five Hot Bird transponders";
    EXPECT_EQ(RowTexts(TV(), 1, {6, 3}), (QStringList{"Rai 1", "2"}));
    EXPECT_EQ(Radio().GetItemText(1, 6), "Rai Radio 1");
    emit Grid("TPGrid").CellClicked(1, 5);
    EXPECT_EQ(TV().GetRowCount(), 5) << "Rai 1, 2, 3 and Rai News 24";
    frame->SendMessage(WM_BROADCAST_SELECTED, 0, 4); // Telenor
    EXPECT_EQ(TV().GetRowCount(), 6);
    frame->SendMessage(WM_FAV_NODE_SELECTED, 0, 1); // Sport
    EXPECT_EQ(TV().GetItemText(1, 10), "Sport");
    frame->SendMessage(WM_FAV_NODE_SELECTED, 1, 5); // Children's
    EXPECT_EQ(TV().GetRowCount(), 10) << "nine children's channels";
    frame->SendMessage(WM_FAV_NODE_SELECTED, 0, 255);
    EXPECT_EQ(TV().GetRowCount(), allTV) << "the Favorite root shows everything";
}

TEST_F(Editor, ChooserAndHeaderSorting) {
    Open();
    auto& chooser = Find<QComboBox>("ListChooser");
    chooser.setCurrentIndex(1);
    EXPECT_TRUE(Radio().isHidden());
    EXPECT_FALSE(TV().isHidden());
    chooser.setCurrentIndex(0);
    EXPECT_FALSE(Radio().isHidden());
    EXPECT_LT(TV().x(), Radio().x()) << "side by side";
    emit TV().CellClicked(0, 6); // first click: descending
    EXPECT_EQ(RowTexts(TV(), 1, {6, 0}), (QStringList{"tagesschau24 HD", "1"}))
        << "text order: lower case after upper case";
    emit Radio().CellClicked(0, 6); // the flag is the view's: ascending now
    EXPECT_EQ(Radio().GetItemText(1, 6), "1LIVE");
    emit TV().CellClicked(0, 0); // column 0 never sorts
    EXPECT_EQ(TV().GetItemText(1, 6), "tagesschau24 HD");
}

// A save of what was opened writes the file's own bytes back; a save that
// fails is SafeEditor's.
TEST_F(Editor, SaveOfWhatWasOpenedIsAPatch) {
    Open();
    const std::string out = Scratch("saved.bin");
    SaveTo(out);
    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_EQ(ui.saveDialogs[0].title, "Save Channel Data");
    EXPECT_EQ(ui.saveDialogs[0].initialName, "*.bin");
    EXPECT_EQ(ui.saveDialogs[0].filter,
              "Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||");
    EXPECT_EQ(ReadAll(out), ReadAll(kExample.toStdString()));
    std::filesystem::remove(out);
}

TEST_F(Editor, FavoriteModeDragReordersPositions) {
    Open();
    frame->SendMessage(WM_FAV_NODE_SELECTED, 0, 6); // "Public", list 7
    ASSERT_GE(TV().GetRowCount(), 5);
    // Row 1 dropped on row 3 goes after the two rows up to the drop row.
    const std::uint32_t moved = TV().GetRowKey(1), drop = TV().GetRowKey(3);
    TV().SelectRowsByKey(std::vector<std::uint32_t>{moved});
    Drop(kDragTV, kDragTV, drop);
    EXPECT_EQ(Record<Channel_Info_Tag>(kTableChannel, moved).F[6], 3);
    EXPECT_EQ(Record<Channel_Info_Tag>(kTableChannel, drop).F[6], 2);
}

TEST_F(Editor, ChannelListsRefuseForeignDrags) {
    Open();
    QMimeData rows;
    rows.setData(kGridRowsMime, "1");
    auto dragMove = [&](QWidget* target) {
        QDragEnterEvent enter(QPoint(20, 40), Qt::MoveAction, &rows, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QDragMoveEvent move(QPoint(20, 40), Qt::MoveAction, &rows, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        return move.isAccepted();
    };
    frame->SendMessage(WM_GRID_DRAG_BEGIN, kDragTV, 0);
    EXPECT_FALSE(dragMove(Radio().viewport())) << "TV rows over the radio list";
    EXPECT_TRUE(dragMove(TV().viewport()));
    EXPECT_TRUE(dragMove(Grid("BroadcastGrid").viewport()));
    frame->SendMessage(WM_GRID_DRAG_BEGIN, kDragSatellite, 0);
    EXPECT_FALSE(dragMove(Grid("BroadcastGrid").viewport()))
        << "the broadcast grid takes channels only";
    EXPECT_TRUE(dragMove(Grid("TPGrid").viewport()));
}

TEST_F(Editor, DroppedFilesOpenTheFirstAndWorkbooksReplaceChannels) {
    Start();
    EXPECT_TRUE(frame->acceptDrops());
    frame->OpenDroppedFiles(
        {QUrl::fromLocalFile(kExample), QUrl::fromLocalFile("/nonexistent/second.bin")});
    EXPECT_TRUE(ui.messages.empty()) << "the second file is ignored";
    EXPECT_EQ(TV().GetItemText(1, 6), "Das Erste HD");
    EXPECT_EQ(ui.m_cursorChanges, (std::vector<bool>{true, false})) << "wait cursor, then arrow";

    // A workbook with one channel replaces the channel table only.
    CZorvDB& db = TheZorvDB();
    const auto satellites = db.Size(kTableSatellite);
    const std::string xls = Scratch("one.xls");
    std::filesystem::remove(xls);
    db.Clear(kTableChannel);
    auto c = NewRecord<Channel_Info_Tag>();
    std::snprintf(c->Name, sizeof c->Name, "Only one");
    c->Attributes = kAttrTV;
    c->SatID = 1;
    db.AddIndexed(kTableChannel, std::move(c));
    // The channel names a transponder the list lacks: Cancel writes nothing,
    // "Save anyway" writes the workbook.
    SaveTo(xls);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.toStdString(), texts::kListCheckBeforeSave);
    EXPECT_TRUE(ui.messages[0].informative.contains("TV 0 Only one"))
        << ui.messages[0].informative.toStdString();
    EXPECT_FALSE(std::filesystem::exists(xls)) << "Cancel writes nothing";
    ui.NextAnswer(IUiSeam::IDOK);
    SaveTo(xls);
    ASSERT_TRUE(std::filesystem::exists(xls));
    frame->OpenPath(kExample);
    ASSERT_GT(TV().GetRowCount(), 2);
    frame->OpenPath(QString::fromStdString(xls));
    EXPECT_EQ(RowKeys(TV()).size(), 1u);
    EXPECT_EQ(TV().GetItemText(1, 6), "Only one");
    EXPECT_EQ(db.Size(kTableSatellite), satellites);
    std::filesystem::remove(xls);
}

TEST_F(Editor, SwitchingToTheTerrestrialTabChoosesNoSatellite) {
    SetProductType(0x03);
    for (int id = 1; id <= 3; ++id) {
        auto s = NewRecord<Satellite_Info_Tag>();
        s->ID = static_cast<BYTE>(id);
        TheZorvDB().AddIndexed(kTableSatellite, std::move(s));
    }
    StartActive();
    auto& sat = Grid("SatGrid");
    ASSERT_EQ(sat.GetRowCount(), 3) << "the terrestrial pseudo-satellite 1 is not listed";
    sat.setFocus(Qt::OtherFocusReason);
    const int fills = TV().FillCount();
    Find<QTabBar>("SourceTabs").setCurrentIndex(1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(sat.isHidden());
    EXPECT_FALSE(sat.GetFocusCell().IsValid());
    EXPECT_EQ(TV().FillCount(), fills + 1) << "only the multiplex filter rebuilt the list";
    EXPECT_EQ(TV().Filter().kind, ChannelFilterKind::Mux);
}
