// The editor without a mouse and with a screen reader: every control the
// focus can reach, in the window and in each dialog the commands open, has a
// name Qt's accessibility interface gives out; and a whole session (open,
// choose a satellite, select, move, lock, add to a favourite list, save) is
// done with keys alone, checked by what the lists show.
#include "tests/gui/EditorFixture.h"
#include "tests/gui/Modal.h"

#include "app/PrintDialogs.h"
#include "contracts/ReceiverProfiles.h"
#include "model/GridMenus.h"
#include "model/SatelliteRecords.h"
#include "qtkit/FocusFrame.h"
#include "qtkit/vxui/LinkDialogs.h"
#include "views/SatelliteChoiceDialog.h"
#include "views/SourceGridCtrl.h"

#include <QAccessible>
#include <QLabel>

#include <set>
#include <tuple>

namespace {

// "TVGrid (CTVGridCtrl)" for a failure message.
std::string Describe(const QWidget& w) {
    return (w.objectName().isEmpty() ? QString("(no object name)") : w.objectName()).toStdString() +
           " (" + w.metaObject()->className() + ")";
}

// The controls of `top` on show that the focus can reach and that a screen
// reader would announce with no name.
std::vector<std::string> Unnamed(QWidget& top) {
    std::vector<std::string> out;
    for (QWidget* w : top.findChildren<QWidget*>()) {
        // A control whose focus goes to another (a combo box's line edit, a
        // view's viewport) is announced as that other one.
        if (!w->isVisibleTo(&top) || w->isWindow() || w->focusPolicy() == Qt::NoFocus ||
            w->focusProxy() || qobject_cast<QLabel*>(w))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            out.push_back(Describe(*w));
    }
    return out;
}

struct Accessibility : Editor {
    // Runs `form` modally over the window: its controls without a name, and
    // the dialog itself when it has none.
    std::vector<std::string> UnnamedInForm(CVxDialog& form) {
        std::vector<std::string> found;
        bool seen = false;
        WhenModal<QDialog>([&](QDialog& dialog) {
            found = Unnamed(dialog);
            if (Spoken(dialog).isEmpty())
                found.push_back("the dialog itself");
            dialog.reject();
            seen = true;
        });
        form.ShowForm(frame.get());
        EXPECT_TRUE(seen) << form.ClassName() << " did not come up";
        return found;
    }

    static QString Spoken(QWidget& w) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&w);
        return face ? face->text(QAccessible::Name) : QString();
    }
};

// ---- Names --------------------------------------------------------------------------

TEST_F(Accessibility, EveryControlOfTheWindowAndItsDialogsHasAName) {
    Open();
    // The window as it starts, and with a satellite chosen.
    EXPECT_EQ(Unnamed(*frame), std::vector<std::string>{});
    EXPECT_EQ(Spoken(Grid("SatGrid")), "Satellites");
    EXPECT_EQ(Spoken(TV()), "TV channels");
    EXPECT_EQ(Spoken(Tree()), "Favorite lists and genres");
    EXPECT_FALSE(
        QAccessible::queryAccessibleInterface(&TV())->text(QAccessible::Description).isEmpty())
        << "the lists say which keys they have";

    // Every maker dialog the lists and the toolbar open, through the seam.
    const std::size_t first = ui.ShownDialogs().size();
    TV().SelectRowsWhere([](int row) { return row == 1; });
    for (int id : {kChannelNew, kChannelUpdate, kChannelSearch, kChannelDescription})
        TV().RunCommand(id);
    for (const char* name : {"SatGrid", "TPGrid", "BroadcastGrid"}) {
        auto& grid = Find<CSourceGridCtrl>(name);
        grid.SelectRowsWhere([](int row) { return row == 1; });
        for (int id : {kSourceNew, kSourceUpdate, kSourceDescription})
            grid.RunCommand(id);
    }
    for (const char* name : {"ID_RECEIVE_DB", "ID_SEND_DB", "ID_INFORMATION"})
        Action(name).trigger();
    ui.NextDialog<CDlgPrintChoice>(IUiSeam::IDOK); // on to the preview
    Action("ID_PRINT").trigger();
    ui.NextOpenFileName(QString(VELMAR_SOURCE_DIR) + "/examples/demo-cable.bin");
    Action("ID_COMPARE_WITH").trigger();
    const std::string xml = Scratch("satellites.xml");
    std::ofstream(xml) << "<satellites>\n <sat name=\"Eutelsat 7E\" position=\"70\" flags=\"0\">\n"
                       << TransponderXml(10721, 22000, 0, 3) << " </sat>\n</satellites>\n";
    ui.NextOpenFileName(QString::fromStdString(xml));
    Action("ID_IMPORT_SATELLITES").trigger();
    std::filesystem::remove(xml);

    std::vector<std::unique_ptr<CVxDialog>> forms;
    for (std::size_t i = first; i < ui.ShownDialogs().size(); ++i)
        forms.push_back(ui.ShownDialogs()[i]->Clone());
    forms.push_back(std::make_unique<CDlgConfiguration>(ui));
    std::set<std::string> classes;
    for (const auto& form : forms)
        classes.insert(form->ClassName());
    for (const char* expected :
         {"CDlgCHAddUpdate", "CDlgSearchName", "CDlgDescription", "CDlgSATAddUpdate",
          "CDlgTPAddUpdate", "CDlgRecvDataFromSTBEx", "CDlgSendDataToSTB", "CDlgInformation",
          "CDlgPrintChoice", "CDlgPrintPreview", "CDlgCompare", "CDlgSatelliteChoice",
          "CDlgConfiguration"})
        EXPECT_TRUE(classes.count(expected)) << expected << " was not reached";
    for (const auto& form : forms)
        EXPECT_EQ(UnnamedInForm(*form), std::vector<std::string>{}) << form->ClassName();
}

TEST_F(Accessibility, TheWindowOfEachKindOfReceiverAndTheCableDialogsHaveNames) {
    // Satellite and terrestrial (with the source tabs), cable only,
    // terrestrial only: each shows other controls in the upper pane.
    for (const std::uint32_t type : {0x03u, 0x04u, 0x02u}) {
        SCOPED_TRACE(type);
        frame.reset();
        TheZorvDB().ClearAll();
        SetProductType(type);
        StartActive();
        EXPECT_EQ(Unnamed(*frame), std::vector<std::string>{});
        // Every pane takes the focus from F6, whatever it shows.
        std::set<QWidget*> reached;
        for (int i = 0; i < 3; ++i) {
            frame->FocusPane(1);
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            reached.insert(QApplication::focusWidget());
            EXPECT_TRUE(QApplication::focusWidget()->isVisible());
        }
        EXPECT_EQ(reached.size(), 3u);
    }

    // The cable receiver's own dialogs, on its example.
    frame.reset();
    TheZorvDB().ClearAll();
    frame = std::make_unique<CMainFrame>(ui, true, FindReceiverProfile("cable"));
    frame->show();
    frame->OpenPath(QString(VELMAR_SOURCE_DIR) + "/examples/demo-cable.bin");
    ASSERT_GT(TV().GetRowCount(), 1);
    EXPECT_EQ(Unnamed(*frame), std::vector<std::string>{});
    auto& muxes = Find<CSourceGridCtrl>("CableMuxGrid");
    muxes.SelectRowsWhere([](int row) { return row == 1; });
    TV().SelectRowsWhere([](int row) { return row == 1; });
    const std::size_t first = ui.ShownDialogs().size();
    for (int id : {kSourceNew, kSourceUpdate})
        muxes.RunCommand(id);
    for (int id : {kChannelNew, kChannelUpdate})
        TV().RunCommand(id);
    std::set<std::string> classes;
    for (std::size_t i = first; i < ui.ShownDialogs().size(); ++i) {
        const std::unique_ptr<CVxDialog> form = ui.ShownDialogs()[i]->Clone();
        classes.insert(form->ClassName());
        EXPECT_EQ(UnnamedInForm(*form), std::vector<std::string>{}) << form->ClassName();
    }
    EXPECT_TRUE(classes.count("CDlgCableMuxAddUpdate"));
    EXPECT_TRUE(classes.count("CDlgMuxCHAddUpdate"));
}

// ---- Keys alone ---------------------------------------------------------------------

struct KeyboardOnly : Accessibility {
    // A key as the keyboard gives it: to the control that has the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* to = QApplication::focusWidget();
        QTest::keyClick(to ? to : frame.get(), key, modifiers);
        QCoreApplication::processEvents();
    }
    // F6 until `target` has the focus; false when three did not get there.
    bool F6To(QWidget& target) {
        for (int i = 0; i < 3 && QApplication::focusWidget() != &target; ++i)
            Press(Qt::Key_F6);
        return QApplication::focusWidget() == &target;
    }
    // In the menu on show: Down until the item `action` is active, then
    // Right (a submenu) or Return (a command).
    void Choose(QAction* action, Qt::Key then = Qt::Key_Return) {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "no menu on show";
        ASSERT_NE(action, nullptr);
        for (int i = 0; i < 40 && menu->activeAction() != action; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        ASSERT_EQ(menu->activeAction(), action) << action->text().toStdString();
        QTest::keyClick(menu, then);
        QCoreApplication::processEvents();
    }
    QMenu& ChannelMenu() { return *TV().ContextMenu(); }
    QAction* Command(int id) {
        return ChannelMenu().findChild<QAction*>(QString("ChannelCommand%1").arg(id));
    }
    std::vector<QString> Names(const std::vector<int>& rows) {
        std::vector<QString> out;
        for (int row : rows)
            out.push_back(TV().GetItemText(row, kChannelColumnName));
        return out;
    }
};

TEST_F(KeyboardOnly, F6AndShiftF6GoFromPaneToPaneAndBack) {
    Open();
    CListGridCtrl& sat = Grid("SatGrid");
    CListGridCtrl& providers = Grid("BroadcastGrid");
    ASSERT_TRUE(F6To(sat)) << "F6 reaches the first pane";
    // F6 round the panes and Shift+F6 back; Tab goes on within the pane as it
    // reads; F6 comes back to where the focus was in each pane.
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier, none = Qt::NoModifier;
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, QWidget*> steps[] = {
        {Qt::Key_F6, none, &providers},  {Qt::Key_F6, none, &TV()},
        {Qt::Key_F6, none, &sat},        {Qt::Key_F6, shift, &TV()},
        {Qt::Key_F6, shift, &providers}, {Qt::Key_Tab, none, &Tree()},
        {Qt::Key_F6, none, &TV()},       {Qt::Key_Tab, none, &Radio()},
        {Qt::Key_F6, none, &sat},        {Qt::Key_F6, none, &Tree()},
        {Qt::Key_F6, none, &Radio()}};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const auto& [key, modifiers, expected] = steps[i];
        Press(key, modifiers);
        EXPECT_EQ(QApplication::focusWidget(), expected) << "step " << i + 1;
    }
    // The tree with the focus is framed (and the list, below).
    Press(Qt::Key_F6, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), &Tree());
    const QImage tree = Tree().viewport()->grab().toImage();
    EXPECT_EQ(tree.pixelColor(0, tree.height() - 3).name(), FocusFrameColor(Tree()).name());
    Press(Qt::Key_F6);
    EXPECT_FALSE(sat.GetFocusCell().IsValid()) << "passing through chose no satellite";
    EXPECT_EQ(TV().Filter().kind, ChannelFilterKind::All);

    // The list with the focus shows a frame; the others do not.
    auto edge = [](CGridCtrl& grid) {
        const QImage shot = grid.viewport()->grab().toImage();
        return shot.pixelColor(0, shot.height() / 2).name();
    };
    EXPECT_EQ(edge(Radio()), FocusFrameColor(Radio()).name());
    EXPECT_NE(edge(TV()), FocusFrameColor(TV()).name());

    // From outside the panes F6 goes to the first, Shift+F6 to the last;
    // a pane whose control lost the focus offers its first list.
    Radio().clearFocus();
    ASSERT_EQ(QApplication::focusWidget(), nullptr);
    Press(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), &TV());
    TV().clearFocus();
    Press(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), &sat);
}

TEST_F(KeyboardOnly, OpenChooseSelectMoveLockFavouriteAndSave) {
    StartActive();

    // Open: Ctrl+O, the file chosen in the dialog.
    ui.NextOpenFileName(kExample);
    Press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(ui.openDialogs.size(), 1u);
    ASSERT_GT(TV().GetRowCount(), 1);

    // A satellite: F6 to the satellites, Down until one with a dozen TV
    // channels is the current row; the lists show its channels only.
    CListGridCtrl& sat = Grid("SatGrid");
    ASSERT_TRUE(F6To(sat));
    do
        Press(Qt::Key_Down);
    while (TV().GetRowCount() - 1 < 12 && sat.GetFocusCell().row + 1 < sat.GetRowCount());
    ASSERT_GE(TV().GetRowCount() - 1, 12) << "no satellite with a dozen TV channels";
    const int satRow = sat.GetFocusCell().row;
    ASSERT_GT(satRow, 0);
    const BYTE satellite = Record<Satellite_Info_Tag>(kTableSatellite, sat.GetRowKey(satRow)).ID;
    for (int row = 1; row < TV().GetRowCount(); ++row)
        ASSERT_EQ(TV().GetItemText(row, 3), QString::number(satellite)) << "row " << row;

    // Three channels: F6 to the TV list, Down, Shift+Down twice.
    ASSERT_TRUE(F6To(TV()));
    Press(Qt::Key_Down);
    Press(Qt::Key_Down, Qt::ShiftModifier);
    Press(Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(TV().GetSelectedRows(), (std::vector<int>{1, 2, 3}));
    const std::vector<QString> moved = Names({1, 2, 3});
    const QString fourth = TV().GetItemText(4, kChannelColumnName);

    // Move: Ctrl+C, Down to the target, Shift+F10 and "Move here".
    Press(Qt::Key_C, Qt::ControlModifier);
    for (int i = 0; i < 6; ++i)
        Press(Qt::Key_Down);
    ASSERT_EQ(TV().GetFocusCell().row, 9);
    ASSERT_EQ(TV().GetSelectedRows(), (std::vector<int>{9}));
    Press(Qt::Key_F10, Qt::ShiftModifier);
    Choose(Command(kChannelMoveHere));
    // The three go before the channel the menu was opened on (row 9, row 6
    // once they have left their rows).
    EXPECT_EQ(TV().GetItemText(1, kChannelColumnName), fourth) << "the rows below closed up";
    const std::vector<int> rows = TV().GetSelectedRows();
    ASSERT_EQ(rows, (std::vector<int>{6, 7, 8})) << "the moved channels stay selected";
    EXPECT_EQ(Names(rows), moved) << "in their order, where they went";
    EXPECT_EQ(TV().GetFocusCell().row, rows[0]) << "the keys go on from the first moved row";

    // Lock: the Menu key, "Lock..." and "On".
    const QString belowBefore = TV().GetItemText(rows[2] + 1, 12);
    Press(Qt::Key_Menu);
    Choose(ChannelMenu().findChild<QMenu*>("Lock")->menuAction(), Qt::Key_Right);
    Choose(Command(kChannelLockOn));
    for (int row : rows)
        EXPECT_EQ(TV().GetItemText(row, 12), "Y") << "row " << row;
    EXPECT_EQ(TV().GetItemText(rows[2] + 1, 12), belowBefore) << "the row below is left alone";

    // Favourite list 1: Ctrl+1; the tree's list 1 shows them.
    for (int row : rows)
        ASSERT_FALSE(Record<Channel_Info_Tag>(kTableChannel, TV().GetRowKey(row)).Favorite & 1u)
            << "not in list 1 before";
    Press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(Action("ID_EDIT_UNDO").toolTip().toStdString(), "Undo Add to favourite list")
        << "one edit of the session";
    ASSERT_TRUE(F6To(Grid("BroadcastGrid")));
    Press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &Tree());
    Press(Qt::Key_Down); // the favourites
    Press(Qt::Key_Down); // list 1
    ASSERT_EQ(TV().Filter().kind, ChannelFilterKind::Favorite);
    std::vector<QString> shown;
    for (int row = 1; row < TV().GetRowCount(); ++row)
        if (std::find(moved.begin(), moved.end(), TV().GetItemText(row, kChannelColumnName)) !=
            moved.end())
            shown.push_back(TV().GetItemText(row, kChannelColumnName));
    EXPECT_EQ(shown, moved);

    // Save: Ctrl+S, the file named in the dialog.
    const std::string out = Scratch("keyboard.bin");
    ui.NextSaveFileName(QString::fromStdString(out));
    const std::size_t messages = ui.messages.size();
    Press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(ui.saveDialogs.size(), 1u);
    EXPECT_EQ(ui.messages.size(), messages) << "saved without a word";
    EXPECT_FALSE(frame->Session().IsModified());

    // What a save writes is the codec's; here Ctrl+S wrote the file.
    EXPECT_EQ(ReadAll(out).substr(0, 4), "VX  ");
    std::filesystem::remove(out);
}

} // namespace
