// Editing in the window as a user does it: drops as edits, undo and redo
// from the toolbar and the keyboard, the question before unsaved edits are
// dropped, and a failed open that leaves the document alone.
#include "tests/gui/EditorFixture.h"

#include "contracts/Texts.h"
#include "document/WorkingCopy.h"
#include "model/SatelliteRecords.h"

#include <QAbstractItemModelTester>
#include <QToolBar>
#include <QTreeWidgetItem>

namespace {

struct Editing : Editor {
    static void Select(CListGridCtrl& grid, std::initializer_list<std::uint32_t> keys) {
        grid.SelectRowsByKey(std::vector<std::uint32_t>(keys));
    }
    static const Channel_Info_Tag& Channel(std::uint32_t key) {
        return Record<Channel_Info_Tag>(kTableChannel, key);
    }
    // A drop that edits: the first TV row onto a satellite. Returns its key.
    std::uint32_t EditOneChannel(BYTE satellite = 3) {
        const std::uint32_t key = TV().GetRowKey(1);
        EXPECT_NE(Channel(key).SatID, satellite);
        Select(TV(), {key});
        Drop(kDragTV, kDragSatellite, satellite);
        EXPECT_EQ(Channel(key).SatID, satellite);
        return key;
    }
    bool Modified() { return frame->Session().IsModified(); }
};

int CountTV(std::uint16_t broadcastId) {
    int n = 0;
    for (const Channel_Info_Tag& c :
         std::as_const(TheZorvDB()).Rows<Channel_Info_Tag>(kTableChannel))
        n += IsTV(c) && c.BroadcastID == broadcastId ? 1 : 0;
    return n;
}

} // namespace

TEST_F(Editing, ToolbarKeepsItsButtonsInOrder) {
    Start();
    std::vector<QString> order;
    for (QAction* a : Find<QToolBar>("Toolbar").actions())
        order.push_back(a->isSeparator() ? QString("|") : a->objectName());
    EXPECT_EQ(order, (std::vector<QString>{"ID_FILE_OPEN", "ID_SAVE_TO_FILE", "|", "ID_RECEIVE_DB",
                                           "|", "ID_REFRESH_ALL", "ID_APP_ABOUT", "|",
                                           "ID_EDIT_UNDO", "ID_EDIT_REDO", "|", "ID_INFORMATION",
                                           "ID_APPLY_ORDER", "ID_COMPARE_WITH", "ID_IMPORT_CSV",
                                           "ID_EXPORT_CSV", "ID_IMPORT_SATELLITES", "ID_PRINT"}));
}

// What each drop does to the records is the edits' own; here a drop reaches
// its edit, and the rows that leave and the counts show it.
TEST_F(Editing, DropsAreEditsThatLeaveOrRewriteTheSourceRows) {
    Open();
    auto& tv = TV();
    // The tree is refilled after the drop on a broadcaster.
    QAbstractItemModelTester treeChecked(Tree().model(),
                                         QAbstractItemModelTester::FailureReportingMode::Fatal);
    const int rows = tv.GetRowCount();
    const std::uint32_t first = tv.GetRowKey(1), second = tv.GetRowKey(2);

    // A drop that no drag began does nothing.
    Select(tv, {first});
    frame->SendMessage(WM_GRID_DROP, kDragBroadcast, 4);
    EXPECT_EQ(Channel(first).BroadcastID, 1);
    EXPECT_FALSE(Action("ID_EDIT_UNDO").isEnabled());

    // On a broadcaster row: the channels take it and leave the list; the
    // counts follow.
    const int telenor = CountTV(4);
    Select(tv, {first, second});
    Drop(kDragTV, kDragBroadcast, 4);
    EXPECT_EQ(Channel(second).BroadcastID, 4);
    EXPECT_EQ(tv.GetRowCount(), rows - 2);
    EXPECT_EQ(tv.FindRowByKey(first), 0);
    EXPECT_EQ(tv.GetItemText(1, 0), "1") << "rows renumbered";
    EXPECT_EQ(tv.GetItemText(rows - 3, 0), QString::number(rows - 3));
    EXPECT_EQ(Grid("BroadcastGrid").GetItemText(4, 4).section('/', 0, 0),
              QString::number(telenor + 2));
    EXPECT_EQ(Action("ID_EDIT_UNDO").toolTip(), "Undo Set broadcaster");
    EXPECT_TRUE(Modified());
}

// Each target's drop on no row is the edits' own; here the window's drops
// with no key change nothing and end the drag.
TEST_F(Editing, ADropWithNoRowUnderThePointerDoesNothing) {
    Open();
    auto& tv = TV();
    const int rows = tv.GetRowCount();
    const std::vector<std::uint32_t> keys = {tv.GetRowKey(2), tv.GetRowKey(5), tv.GetRowKey(9)};
    const CTableSnapshot channels = TheZorvDB().Snapshot(kTableChannel);
    tv.SelectRowsByKey(keys);
    Drop(kDragTV, kDragBroadcast, 0);
    EXPECT_TRUE(TheZorvDB().Snapshot(kTableChannel).SameAs(channels));
    EXPECT_EQ(tv.GetRowCount(), rows);
    EXPECT_EQ(tv.GetSelectedRows().size(), keys.size());
    EXPECT_EQ(frame->DragSource(), 0);
    // A transponder dropped below the last satellite row.
    const CTableSnapshot transponders = TheZorvDB().Snapshot(kTableTransponder);
    Grid("TPGrid").SetRowSelected(1, true);
    Drop(kDragTransponder, kDragSatellite, 0);
    EXPECT_TRUE(TheZorvDB().Snapshot(kTableTransponder).SameAs(transponders));
    EXPECT_EQ(TV().Filter().kind, ChannelFilterKind::All) << "the lists keep showing everything";
    EXPECT_FALSE(Action("ID_EDIT_UNDO").isEnabled()) << "nothing to undo";
    EXPECT_FALSE(Modified());
}

TEST_F(Editing, UndoAndRedoOfADropKeepTheFilterAndTheSavedBytes) {
    Open();
    frame->SendMessage(WM_SATELLITE_SELECTED, 0, 1); // Astra 1
    auto& tv = TV();
    const int rows = tv.GetRowCount();
    const std::uint32_t a = tv.GetRowKey(1), b = tv.GetRowKey(2);
    Select(tv, {a, b});
    Drop(kDragTV, kDragSatellite, 2);
    EXPECT_EQ(tv.GetRowCount(), rows - 2);
    QAction& undo = Action("ID_EDIT_UNDO");
    QAction& redo = Action("ID_EDIT_REDO");
    EXPECT_EQ(undo.toolTip(), "Undo Set satellite");
    EXPECT_FALSE(redo.isEnabled());

    Keys("Ctrl+Z");
    EXPECT_EQ(Channel(a).SatID, 1);
    EXPECT_EQ(tv.GetRowCount(), rows) << "the rows are back";
    EXPECT_EQ(tv.Filter().kind, ChannelFilterKind::Satellite) << "the filter stays";
    EXPECT_FALSE(undo.isEnabled());
    EXPECT_TRUE(redo.isEnabled());
    EXPECT_EQ(redo.toolTip(), "Redo Set satellite");
    EXPECT_FALSE(Modified()) << "back where the file was loaded";

    Keys("Ctrl+Y");
    EXPECT_EQ(Channel(a).SatID, 2);
    EXPECT_EQ(tv.GetRowCount(), rows - 2);
    EXPECT_TRUE(Modified());
    undo.trigger(); // the toolbar button
    EXPECT_EQ(tv.GetRowCount(), rows);
    Keys("Ctrl+Shift+Z");
    EXPECT_EQ(Channel(b).SatID, 2);
    EXPECT_EQ(tv.GetRowCount(), rows - 2);
    undo.trigger();

    // After the undo, saving writes the bytes of the file as it was read.
    const std::string out = Scratch("undone.bin");
    SaveTo(out);
    EXPECT_EQ(ReadAll(out), ReadAll(kExample.toStdString()));
    std::filesystem::remove(out);
}

// An in-place edit of a list's label that the rule refuses is no edit; the
// accepted rename and its undo are the double click's (SourceEditing).
TEST_F(Editing, ARefusedInPlaceRenameIsNoEdit) {
    Open();
    QTreeWidgetItem* sport = Tree().FavoriteRoot()->child(1);
    ASSERT_EQ(sport->text(0), "Sport");
    sport->setText(0, "Twenty characters!!!");
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, texts::kFavoriteNameSize);
    EXPECT_STREQ(Record<FavoriteList>(kTableFavorite, 2).Name, "Sport");
    EXPECT_EQ(Tree().FavoriteRoot()->child(1)->text(0), "Sport") << "the label goes back";
    EXPECT_FALSE(frame->Session().CanUndo());
}

TEST_F(Editing, ClosingWithUnsavedEditsAsksFirst) {
    Open();
    EXPECT_TRUE(frame->close()) << "nothing to save, nothing asked";
    EXPECT_TRUE(ui.messages.empty());
    frame->show();
    const std::uint32_t key = EditOneChannel();

    ui.NextAnswer(IUiSeam::IDCANCEL);
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, texts::kAskSaveChanges);
    EXPECT_EQ(ui.messages[0].buttons, IUiSeam::Buttons::YesNoCancel);
    EXPECT_EQ(ui.messages[0].caption, "Velmar");
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(ui.saveDialogs.empty());

    ui.NextAnswer(IUiSeam::IDYES); // then the save dialog is cancelled
    EXPECT_FALSE(frame->close()) << "not saved: the window stays";
    EXPECT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_TRUE(Modified());

    ui.NextAnswer(IUiSeam::IDNO);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(ui.saveDialogs.size(), 1u) << "No saves nothing";

    // Yes: the save dialog, the file, then the window closes.
    frame.reset();
    Open();
    EditOneChannel();
    const std::string out = Scratch("on-close.bin");
    ui.NextAnswer(IUiSeam::IDYES);
    ui.NextSaveFileName(QString::fromStdString(out));
    EXPECT_TRUE(frame->close());
    EXPECT_FALSE(Modified());
    frame->OpenPath(QString::fromStdString(out));
    EXPECT_EQ(Channel(key).SatID, 3) << "the edit is in the saved file";
    std::filesystem::remove(out);
}

// The question and what Yes saves are the close's too (above); opening
// goes on only when the question lets it.
TEST_F(Editing, OpeningAnImageOverUnsavedEditsAsksFirst) {
    Open();
    const std::uint32_t key = EditOneChannel();
    const std::size_t asked = ui.messages.size();

    // Cancel: nothing is opened and the edit stays.
    ui.NextAnswer(IUiSeam::IDCANCEL);
    OpenExample();
    ASSERT_EQ(ui.messages.size(), asked + 1);
    EXPECT_EQ(ui.messages.back().text, texts::kAskSaveChanges);
    EXPECT_EQ(Channel(key).SatID, 3);
    EXPECT_TRUE(Modified());
    EXPECT_TRUE(Action("ID_EDIT_UNDO").isEnabled());

    // No: the file is opened, the edit is gone with its history.
    ui.NextAnswer(IUiSeam::IDNO);
    OpenExample();
    EXPECT_EQ(Channel(key).SatID, 1);
    EXPECT_FALSE(Modified());
    EXPECT_FALSE(Action("ID_EDIT_UNDO").isEnabled());

    // A file dropped on the window asks the same.
    EditOneChannel();
    const std::size_t before = ui.messages.size();
    ui.NextAnswer(IUiSeam::IDCANCEL);
    frame->OpenDroppedFiles({QUrl::fromLocalFile(kExample)});
    EXPECT_EQ(ui.messages.size(), before + 1);
    EXPECT_EQ(ui.messages.back().text, texts::kAskSaveChanges);
    EXPECT_TRUE(Modified());
}

TEST_F(Editing, AFailedOpenKeepsTheDocumentAndASaveWritesItIntact) {
    Open();
    const std::uint32_t key = EditOneChannel();
    const std::string saved = Scratch("before.bin"), after = Scratch("after.bin");
    SaveTo(saved);
    EXPECT_FALSE(Modified());
    const int rows = TV().GetRowCount();
    const std::string workingCopy = g_szWorkImagePath;

    // Not an image: the header question (No), then the error; nothing else changes.
    const std::string bad = Scratch("bad.bin");
    std::ofstream(bad) << "VX  not an image";
    OpenFile(QString::fromStdString(bad));
    ASSERT_GE(ui.messages.size(), 2u);
    ExpectMessage(ui.messages[ui.messages.size() - 2], texts::kHeaderQuestion, IUiSeam::Icon::Stop,
                  IUiSeam::Buttons::YesNo);
    EXPECT_EQ(ui.messages.back().text, texts::kCannotOpenImage);
    EXPECT_EQ(TV().GetRowCount(), rows);
    EXPECT_EQ(Channel(key).SatID, 3);
    EXPECT_EQ(std::string(g_szWorkImagePath), workingCopy);
    EXPECT_TRUE(Action("ID_EDIT_UNDO").isEnabled()) << "the history stays too";

    // A file that cannot be read at all.
    OpenFile("/nonexistent-dir/none.bin");
    EXPECT_EQ(ui.messages.back().text,
              "Cannot open /nonexistent-dir/none.bin: No such file or directory.");
    EXPECT_EQ(Channel(key).SatID, 3);

    SaveTo(after);
    EXPECT_EQ(ReadAll(after), ReadAll(saved)) << "the document as it was";
    for (const std::string& path : {saved, after, bad})
        std::filesystem::remove(path);
}
