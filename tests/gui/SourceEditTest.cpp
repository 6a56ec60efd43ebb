// The left panes edited as a user edits them: the context menus of the
// satellite, transponder, broadcaster and cable grids with their enabling,
// Enter, Delete and double clicks, New / Update / Delete through scripted
// maker dialogs, the deletes as the grids show them (the cascades' rules are
// the source commands' own), one Ctrl+Z for every command, and the
// favourite rename by double click.
#include "tests/gui/EditorFixture.h"
#include "tests/gui/Modal.h"

#include "contracts/ReceiverProfiles.h"
#include "contracts/Texts.h"
#include "model/GridMenus.h"
#include "qtkit/vxui/DescriptionDialog.h"
#include "qtkit/vxui/SearchNameDialog.h"
#include "qtkit/vxui/SourceDialogs.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QTabBar>
#include <QTreeWidgetItem>

namespace {

// Whether a context menu came up, and which of its items (separators
// too) were enabled; the items themselves are GridMenus'.
struct MenuSeen {
    bool shown = false;
    std::vector<bool> enabled;
};

class SourceEditing : public Editor {
protected:
    // The middle of grid row `row` (1-based) in the viewport.
    static QPoint RowPoint(CListGridCtrl& grid, int row, int column) {
        const QModelIndex index = grid.model()->index(row - 1, column);
        grid.scrollTo(index);
        return grid.visualRect(index).center();
    }
    // A point of the grid below its last row.
    static QPoint BelowRows(CListGridCtrl& grid) {
        const QPoint point(grid.viewport()->width() / 2, grid.viewport()->height() - 3);
        const int rows = grid.GetRowCount();
        if (rows > 1) {
            EXPECT_LT(grid.visualRect(grid.model()->index(rows - 2, 0)).bottom(), point.y())
                << "no room below the rows";
        }
        return point;
    }

    // Right-clicks `grid` at `point`, reads the menu that pops up, and
    // chooses the item with command id `choose` with the mouse (0: closes
    // the menu without a choice).
    static MenuSeen RightClick(CListGridCtrl& grid, const QPoint& point, int choose = 0) {
        MenuSeen seen;
        seen.shown = WithContextMenu(grid.viewport(), point, [&](QMenu& menu) {
            QAction* chosen = nullptr;
            for (QAction* a : menu.actions()) {
                seen.enabled.push_back(a->isEnabled());
                if (choose != 0 && !a->isSeparator() && a->data().toInt() == choose)
                    chosen = a;
            }
            if (chosen && chosen->isEnabled())
                QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(chosen).center());
            else
                menu.close();
        });
        return seen;
    }
    // Right-click on `row` (which selects it) and choose `command`.
    static void Choose(CListGridCtrl& grid, int row, int column, int command) {
        ASSERT_TRUE(RightClick(grid, RowPoint(grid, row, column), command).shown);
    }
    static void Press(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&widget, key, modifiers);
        QCoreApplication::processEvents();
    }
    static void Select(CListGridCtrl& grid, std::uint32_t key) {
        const std::uint32_t keys[] = {key};
        ASSERT_EQ(grid.SelectRowsByKey(keys), 1);
        grid.setCurrentIndex(grid.model()->index(grid.FindRowByKey(key) - 1, 3));
    }
    // One Ctrl+Z takes the last command back: the image saved then is the
    // one saved before the command.
    void ExpectOneUndoRestores(const std::string& before, const char* name) {
        ASSERT_TRUE(Action("ID_EDIT_UNDO").isEnabled());
        Undo();
        EXPECT_FALSE(Action("ID_EDIT_UNDO").isEnabled()) << "one step for the command";
        ExpectSameImage(Saved(name), before);
    }
    void ExpectNothingToUndo() { EXPECT_FALSE(Action("ID_EDIT_UNDO").isEnabled()); }
    // The last message was the delete question.
    void ExpectDeleteQuestion() {
        ASSERT_FALSE(ui.messages.empty());
        ExpectMessage(ui.messages.back(), texts::kAskDelete, IUiSeam::Icon::Question,
                      IUiSeam::Buttons::YesNo);
    }
    // A delete `ask`ed and answered No: the question, every row of `grid`
    // still there and no step to undo.
    void AnswerNo(CListGridCtrl& grid, const std::function<void()>& ask) {
        const int rows = grid.GetRowCount();
        ui.NextAnswer(IUiSeam::IDNO);
        ask();
        ExpectDeleteQuestion();
        EXPECT_EQ(grid.GetRowCount(), rows) << "No deletes nothing";
        ExpectNothingToUndo();
    }
    // The name dialog last shown: its caption and the text it offered.
    void ExpectNameAsked(const QString& caption, const QString& text) {
        const auto* asked = ui.LastShown<CDlgSearchName>();
        ASSERT_NE(asked, nullptr);
        EXPECT_EQ(asked->Caption(), caption);
        EXPECT_EQ(asked->Text(), text);
    }

    CSourceGridCtrl& Sat() { return Find<CSourceGridCtrl>("SatGrid"); }
    CSourceGridCtrl& TP() { return Find<CSourceGridCtrl>("TPGrid"); }
    CSourceGridCtrl& Providers() { return Find<CSourceGridCtrl>("BroadcastGrid"); }
    CSourceGridCtrl& Cable() { return Find<CSourceGridCtrl>("CableMuxGrid"); }
};

Satellite_Info_Tag NamedSatellite(const char* name, WORD degree) {
    Satellite_Info_Tag s{};
    std::strcpy(s.Name, name);
    s.Degree = degree;
    s.ID = 99; // the command chooses the ID
    s.Group1.w1 = 9750;
    return s;
}

} // namespace

// ---- Menus, keys and double clicks ------------------------------------------------------

TEST_F(SourceEditing, MenusHaveTheirItemsAndNeedARowForAllButNew) {
    Open();
    frame->SendMessage(WM_SATELLITE_SELECTED, 0, 2); // Hot Bird: five transponders
    const std::pair<CSourceGridCtrl*, int> grids[] = {{&Sat(), 3}, {&TP(), 5}, {&Providers(), 3}};
    for (const auto& [grid, column] : grids) { // a visible column
        SCOPED_TRACE(grid->objectName().toStdString());
        EXPECT_EQ(RightClick(*grid, RowPoint(*grid, 2, column)).enabled,
                  std::vector<bool>(5, true));
        EXPECT_EQ(grid->GetSelectedRows(), std::vector<int>{2}) << "the right click selects";
        grid->ClearSelectionRange();
        EXPECT_EQ(RightClick(*grid, BelowRows(*grid)).enabled,
                  (std::vector<bool>{true, false, false, true, false}));
    }
    EXPECT_TRUE(ui.ShownDialogs().empty()) << "looking at a menu runs nothing";
    EXPECT_TRUE(ui.messages.empty());
    ExpectNothingToUndo();
}

TEST_F(SourceEditing, EnterDescribesDeleteAsksAndCtrlNDoesNothing) {
    Open();
    auto& sat = Sat();
    Select(sat, 2);
    Press(sat, Qt::Key_Return);
    const auto* described = ui.LastShown<CDlgDescription>();
    ASSERT_NE(described, nullptr);
    EXPECT_STREQ(described->SatelliteInfo()->Name, "Hot Bird");
    EXPECT_FALSE(described->TransponderInfo().has_value());

    Press(sat, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ui.ShownDialogs().size(), 1u) << "no New on Ctrl+N";
    AnswerNo(sat, [&] { Press(sat, Qt::Key_Delete); });

    // A double click describes the row under the pointer.
    DoubleClick(sat.viewport(), RowPoint(sat, 4, 3));
    ASSERT_EQ(ui.Shown<CDlgDescription>().size(), 2u);
    EXPECT_STREQ(ui.LastShown<CDlgDescription>()->SatelliteInfo()->Name, "Thor");

    // The transponder's description names its satellite.
    frame->SendMessage(WM_SATELLITE_SELECTED, 0, 2);
    auto& tp = TP();
    DoubleClick(tp.viewport(), RowPoint(tp, 3, 5));
    ASSERT_EQ(ui.Shown<CDlgDescription>().size(), 3u);
    described = ui.LastShown<CDlgDescription>();
    EXPECT_STREQ(described->SatelliteInfo()->Name, "Hot Bird");
    ASSERT_TRUE(described->TransponderInfo().has_value());
    EXPECT_EQ(described->TransponderInfo()->TPID, 3);

    // The broadcaster grid describes in an information box and has no
    // double-click command.
    auto& providers = Providers();
    Select(providers, 4);
    DoubleClick(providers.viewport(), RowPoint(providers, 4, 3));
    EXPECT_EQ(ui.ShownDialogs().size(), 3u);
    EXPECT_EQ(ui.messages.size(), 1u);
    Press(providers, Qt::Key_Enter);
    ASSERT_EQ(ui.messages.size(), 2u);
    ExpectMessage(ui.messages.back(), "Broadcast Name : Telenor (ID : 4)",
                  IUiSeam::Icon::Information, IUiSeam::Buttons::Ok);
    ExpectNothingToUndo();
}

// ---- Satellites ------------------------------------------------------------------------

TEST_F(SourceEditing, NewAndUpdateSatelliteRewriteTheGridAndUndoInOne) {
    Open();
    auto& sat = Sat();
    QAbstractItemModelTester checked(sat.model(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal);
    const std::string before = Saved("before.bin");

    ui.NextDialog<CDlgSATAddUpdate>(IUiSeam::IDCANCEL);
    Choose(sat, 1, 3, kSourceNew);
    EXPECT_EQ(sat.GetRowCount(), 7) << "Cancel adds nothing";
    ExpectNothingToUndo();

    ui.NextDialogOk<CDlgSATAddUpdate>(NamedSatellite("Astra 3", 235));
    Choose(sat, 1, 3, kSourceNew);
    ASSERT_NE(ui.LastShown<CDlgSATAddUpdate>(), nullptr);
    EXPECT_FALSE(ui.LastShown<CDlgSATAddUpdate>()->PresetSatellite().has_value())
        << "New gives the dialog nothing";
    ASSERT_EQ(sat.GetRowCount(), 8);
    EXPECT_EQ(RowTexts(sat, 7, {0, 2, 3, 4}), (QStringList{"7", "7", "Astra 3", "23.5E"}));
    ExpectOneUndoRestores(before, "undone.bin");
    EXPECT_EQ(sat.GetRowCount(), 7);

    Satellite_Info_Tag edited = Record<Satellite_Info_Tag>(kTableSatellite, 2);
    std::strcpy(edited.Name, "Hotbird 13E");
    edited.Degree = 3590; // 1.0W
    ui.NextDialogOk<CDlgSATAddUpdate>(edited);
    Choose(sat, 2, 3, kSourceUpdate);
    EXPECT_STREQ(ui.LastShown<CDlgSATAddUpdate>()->PresetSatellite()->Name, "Hot Bird");
    EXPECT_EQ(RowTexts(sat, 2, {3, 4}), (QStringList{"Hotbird 13E", "1.0W"}));
    ExpectOneUndoRestores(before, "undone.bin");
    EXPECT_EQ(sat.GetItemText(2, 3), "Hot Bird") << "undo rebuilds the grid";

    // Long satellite entries have their own form.
    SetProductType(0x09);
    ui.NextDialogOk<CDlgSAT2AddUpdate>(NamedSatellite("Astra 4", 50));
    Choose(sat, 1, 3, kSourceNew);
    ASSERT_NE(ui.LastShown<CDlgSAT2AddUpdate>(), nullptr);
    EXPECT_EQ(sat.GetItemText(7, 3), "Astra 4");
    SetProductType(0x01);
    EXPECT_TRUE(ui.UnscriptedDialogs().empty());
}

// The cascade itself is the core's; here the question, and the grids, lists
// and status that show what went. The emptied lists do not name the deleted
// satellite (or the one that took its ID); a press on a root of the
// favourite tree filters again even when that root is already the current
// node, as a press on a child does.
TEST_F(SourceEditing, DeleteSatelliteAsksWithItsCountsAndClearsTheOtherGrids) {
    Open();
    auto& sat = Sat();
    auto& status = *frame->findChild<QLabel*>("ChannelsStatus");
    frame->SendMessage(WM_SATELLITE_SELECTED, 0, 2);
    ASSERT_EQ(TP().GetRowCount(), 6);
    ASSERT_TRUE(status.text().startsWith("Satellite: ")) << status.text().toStdString();
    const std::string before = Saved("before.bin");

    AnswerNo(sat, [&] { Choose(sat, 2, 3, kSourceDelete); });
    ASSERT_FALSE(HasFatalFailure()) << "no question to read";
    EXPECT_EQ(ui.messages.back().informative,
              "1 satellite is selected. Deleting it also deletes its 5 transponders and 22 "
              "channels.");
    EXPECT_EQ(TP().GetRowCount(), 6) << "No changes nothing";

    ui.NextAnswer(IUiSeam::IDYES);
    Choose(sat, 2, 3, kSourceDelete);
    ExpectDeleteQuestion();
    ASSERT_EQ(sat.GetRowCount(), 6);
    EXPECT_EQ(RowTexts(sat, 2, {2, 3}), (QStringList{"2", "Astra 2"})) << "the old 3 is now 2";
    EXPECT_EQ(TP().GetRowCount(), 1) << "the transponder grid is emptied";
    EXPECT_EQ(TV().GetRowCount(), 1) << "both channel lists are emptied";
    EXPECT_EQ(Radio().GetRowCount(), 1);
    EXPECT_EQ(status.text(), "Nothing chosen \u2014 0 TV / 0 radio");

    auto& tree = Tree();
    auto press = [&](QTreeWidgetItem* node) {
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(node).center());
        QCoreApplication::processEvents();
    };
    press(tree.FavoriteRoot());
    const auto table = ChannelTable();
    const int left = static_cast<int>(std::count_if(table.begin(), table.end(), IsTV));
    EXPECT_EQ(TV().GetRowCount(), left + 1) << "every TV channel that is left";
    EXPECT_TRUE(status.text().startsWith("All")) << status.text().toStdString();
    // The root is current now; a satellite chosen elsewhere, then the same root.
    frame->SendMessage(WM_SATELLITE_SELECTED, 0, 1);
    ASSERT_LT(TV().GetRowCount(), left + 1);
    ASSERT_EQ(tree.currentItem(), tree.FavoriteRoot());
    const int fills = TV().FillCount();
    press(tree.FavoriteRoot());
    EXPECT_EQ(TV().GetRowCount(), left + 1) << "the current root filters again";
    EXPECT_EQ(TV().FillCount(), fills + 1) << "once";
    press(tree.GenreRoot());
    frame->SendMessage(WM_SATELLITE_SELECTED, 0, 1);
    ASSERT_TRUE(status.text().startsWith("Satellite")) << status.text().toStdString();
    press(tree.GenreRoot());
    EXPECT_TRUE(status.text().startsWith("Genre")) << status.text().toStdString();
    // A child that is not current yet: chosen once, not twice.
    const int childFills = TV().FillCount();
    press(tree.FavoriteRoot()->child(1));
    EXPECT_EQ(TV().FillCount(), childFills + 1);

    ExpectOneUndoRestores(before, "undone.bin");
    EXPECT_EQ(sat.GetRowCount(), 7);
}

// ---- Transponders ----------------------------------------------------------------------

TEST_F(SourceEditing, NewAndUpdateTransponderOfTheSatelliteShown) {
    Open();
    frame->SendMessage(WM_SATELLITE_SELECTED, 0, 2);
    auto& tp = TP();
    const std::string before = Saved("before.bin");
    ui.NextDialog<CDlgTPAddUpdate>(IUiSeam::IDOK, [](CDlgTPAddUpdate& d) {
        Transponder_Info_Tag t = *d.PresetTransponder();
        t.Frequency = 12111;
        t.SymbolRate = 27500;
        t.PolFEC = 0x31;
        t.TPID = 77; // the command numbers it
        d.Answer(t);
    });
    Choose(tp, 1, 5, kSourceNew);
    const auto* shown = ui.LastShown<CDlgTPAddUpdate>();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->SatList().size(), 6u) << "every satellite on a satellite-only product";
    EXPECT_EQ(shown->PresetTransponder()->SatID, 2) << "the satellite shown";
    ASSERT_EQ(tp.GetRowCount(), 7);
    EXPECT_EQ(RowTexts(tp, 6, {2, 4, 5, 7}), (QStringList{"6", "2", "12,111", "HOR"}));
    ExpectOneUndoRestores(before, "undone.bin");
    EXPECT_EQ(tp.GetRowCount(), 6) << "the grid keeps its satellite";

    const std::uint32_t key = tp.GetRowKey(2);
    Transponder_Info_Tag edited = Record<Transponder_Info_Tag>(kTableTransponder, key);
    edited.Frequency = 11767;
    ui.NextDialogOk<CDlgTPAddUpdate>(edited);
    Choose(tp, 2, 5, kSourceUpdate);
    EXPECT_EQ(ui.LastShown<CDlgTPAddUpdate>()->PresetTransponder()->Frequency, 11766);
    EXPECT_EQ(tp.GetItemText(2, 5), "11,767");
    ExpectOneUndoRestores(before, "undone.bin");
    EXPECT_EQ(tp.GetItemText(2, 5), "11,766");
}

// ---- Broadcasters ----------------------------------------------------------------------

TEST_F(SourceEditing, BroadcasterNewUpdateAndTheirCaptions) {
    Open();
    auto& providers = Providers();
    const std::string before = Saved("before.bin");

    ui.NextDialogOk<CDlgSearchName>("");
    Choose(providers, 1, 3, kSourceNew);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "Name must not be empty.");
    EXPECT_EQ(providers.GetRowCount(), 7);
    ExpectNothingToUndo();

    ui.NextDialogOk<CDlgSearchName>("Canal Digital Nordic"); // 20 characters
    Choose(providers, 1, 3, kSourceNew);
    ExpectNameAsked("New", "");
    ASSERT_EQ(providers.GetRowCount(), 8);
    // One above the last row's ID, 16 characters kept.
    EXPECT_EQ(RowTexts(providers, 7, {2, 3, 4}), (QStringList{"7", "Canal Digital No", "0/0"}));
    ExpectOneUndoRestores(before, "undone.bin");

    // After a header click the last row decides the ID.
    emit providers.CellClicked(0, 3);
    const int lastShown = providers.GetItemText(providers.GetRowCount() - 1, 2).toInt();
    ui.NextDialogOk<CDlgSearchName>("Viasat");
    Choose(providers, 1, 3, kSourceNew);
    EXPECT_EQ(providers.GetItemText(7, 2), QString::number(lastShown + 1));
    Undo();

    const int row = providers.FindRowByKey(4);
    ui.NextDialogOk<CDlgSearchName>("Telenor Nordic");
    Choose(providers, row, 3, kSourceUpdate);
    ExpectNameAsked("Update", "Telenor");
    EXPECT_EQ(providers.GetItemText(row, 3), "Telenor Nordic");
    ExpectOneUndoRestores(before, "undone.bin");

    ui.NextDialog<CDlgSearchName>(IUiSeam::IDCANCEL);
    Choose(providers, row, 3, kSourceUpdate);
    EXPECT_STREQ(Record<Broadcast_Info_Tag>(kTableBroadcast, 4).Name, "Telenor");
    ExpectNothingToUndo();
}

// ---- Favourite lists -------------------------------------------------------------------

TEST_F(SourceEditing, DoubleClickRenamesAFavouriteListWithTheSameRules) {
    Open();
    auto& tree = Tree();
    const std::string before = Saved("before.bin");
    QTreeWidgetItem* kids = tree.FavoriteRoot()->child(2);
    ASSERT_EQ(kids->text(0), "Kids");
    auto doubleClick = [&](QTreeWidgetItem* node) {
        DoubleClick(tree.viewport(), tree.visualItemRect(node).center());
    };

    ui.NextDialogOk<CDlgSearchName>("Twenty characters!!!");
    doubleClick(kids);
    ExpectNameAsked("Update", "Kids");
    ExpectSaid(1, IUiSeam::Icon::Stop, "Cannot change Favorite name. mismatch string size");
    EXPECT_EQ(kids->text(0), "Kids");
    ExpectNothingToUndo();

    ui.NextDialogOk<CDlgSearchName>("Nineteen characters");
    doubleClick(kids);
    EXPECT_EQ(kids->text(0), "Nineteen characters");
    EXPECT_STREQ(Record<FavoriteList>(kTableFavorite, 3).Name, "Nineteen characters");
    ExpectOneUndoRestores(before, "undone.bin");
    EXPECT_EQ(tree.FavoriteRoot()->child(2)->text(0), "Kids");

    // The roots and the genres are not renamed.
    const std::size_t dialogs = ui.ShownDialogs().size();
    doubleClick(tree.GenreRoot()->child(1));
    doubleClick(tree.FavoriteRoot());
    EXPECT_EQ(ui.ShownDialogs().size(), dialogs);
}

// ---- Multiplexes -----------------------------------------------------------------------

// The cable receiver's window on the cable example: its grid's menu has no
// Description, and Enter, Ctrl+N and a double click run nothing.
TEST_F(SourceEditing, CableMenuWithoutDescriptionThenNewAndUpdateMultiplex) {
    frame = std::make_unique<CMainFrame>(ui, true, FindReceiverProfile("cable"));
    frame->show();
    OpenFile(QString(VELMAR_SOURCE_DIR) + "/examples/demo-cable.bin");
    ASSERT_TRUE(ui.messages.empty()) << "the example opens without a word";
    auto& cable = Cable();
    ASSERT_GT(cable.GetRowCount(), 2);
    EXPECT_FALSE(cable.isHidden());
    EXPECT_EQ(RightClick(cable, RowPoint(cable, 2, 3)).enabled, std::vector<bool>(3, true));
    cable.ClearSelectionRange();
    EXPECT_EQ(RightClick(cable, BelowRows(cable)).enabled, (std::vector<bool>{true, false, false}));

    Select(cable, cable.GetRowKey(2));
    Press(cable, Qt::Key_Return);
    Press(cable, Qt::Key_N, Qt::ControlModifier);
    DoubleClick(cable.viewport(), RowPoint(cable, 2, 3));
    EXPECT_TRUE(ui.ShownDialogs().empty());
    EXPECT_TRUE(ui.messages.empty());
    ExpectNothingToUndo();

    const int rows = cable.GetRowCount();
    const std::string before = Saved("before.bin");
    CableMux_Info_Tag fresh{};
    fresh.Frequency = 474250;
    fresh.SymbolRate = 6875;
    fresh.Modulation = (5 << 2) | 1;
    ui.NextDialogOk<CDlgCableMuxAddUpdate>(fresh);
    Choose(cable, 1, 3, kSourceNew);
    ASSERT_NE(ui.LastShown<CDlgCableMuxAddUpdate>(), nullptr);
    EXPECT_FALSE(ui.LastShown<CDlgCableMuxAddUpdate>()->PresetCableMux().has_value());
    ASSERT_EQ(cable.GetRowCount(), rows + 1);
    EXPECT_EQ(RowTexts(cable, rows, {3, 4, 8, 9}),
              (QStringList{"474.250 MHz", "6875 Ks/s", "256 QAM", "1"}));
    ExpectOneUndoRestores(before, "undone.bin");
    EXPECT_EQ(cable.GetRowCount(), rows);

    const CableMux_Info_Tag stored = Record<CableMux_Info_Tag>(kTableCableMux, cable.GetRowKey(2));
    const QString shown = cable.GetItemText(2, 3);
    CableMux_Info_Tag edited = stored;
    edited.Frequency = 330125;
    ui.NextDialogOk<CDlgCableMuxAddUpdate>(edited);
    Choose(cable, 2, 3, kSourceUpdate);
    EXPECT_EQ(ui.LastShown<CDlgCableMuxAddUpdate>()->PresetCableMux()->Frequency, stored.Frequency);
    EXPECT_EQ(cable.GetItemText(2, 3), "330.125 MHz");
    ExpectOneUndoRestores(before, "undone.bin");
    EXPECT_EQ(cable.GetItemText(2, 3), shown);
}

TEST_F(SourceEditing, TerrestrialGridStaysReadOnly) {
    SetProductType(0x03);
    auto mux = NewRecord<Transponder_Info_Tag>();
    mux->SatID = 1;
    mux->TPID = 1;
    TheZorvDB().AddIndexed(kTableTransponder, std::move(mux));
    Start();
    auto& ter = Grid("TerMuxGrid");
    Find<QTabBar>("SourceTabs").setCurrentIndex(1);
    ASSERT_EQ(ter.GetRowCount(), 2);
    const MenuSeen seen = RightClick(ter, RowPoint(ter, 1, 2));
    EXPECT_FALSE(seen.shown) << "no menu";
    ter.SelectRowsWhere([](int row) { return row == 1; });
    QTest::keyClick(&ter, Qt::Key_Delete);
    QTest::keyClick(&ter, Qt::Key_Return);
    DoubleClick(ter.viewport(), RowPoint(ter, 1, 2));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.ShownDialogs().empty());
    EXPECT_EQ(TheZorvDB().Size(kTableTransponder), 1u);
    EXPECT_EQ(qobject_cast<CSourceGridCtrl*>(&ter), nullptr);
}
