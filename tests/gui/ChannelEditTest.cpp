// Editing the channel lists as a user does: right clicks and the menu they
// show in every filter mode, the keys and the double click, the commands
// through scripted dialogs and answers, the clipboard's messages, search
// and selection, and one Ctrl+Z per command.
#include "tests/gui/EditorFixture.h"

#include "contracts/Texts.h"
#include "model/GridMenus.h"
#include "qtkit/vxui/ChannelDialogs.h"
#include "qtkit/vxui/DescriptionDialog.h"
#include "qtkit/vxui/SearchNameDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

#include <map>

namespace {

using Enabled = std::map<QString, bool>;

const QString kDelete = "Delete        \tDelete";
const QString kNew = "New...        \tCtrl+N";
const QString kCopy = "Copy          \tCtrl+C";
const QString kPaste = "Paste         \tCtrl+V";
const QString kDescription = "Description...\tEnter";

struct ChannelEdit : Editor {
    void Open() {
        Editor::Open();
        frame->resize(1400, 900);
    }

    // ---- Where the user points ----
    static QPoint RowPoint(CChannelGridCtrl& g, int row) {
        g.scrollTo(g.model()->index(row - 1, kChannelColumnName));
        return g.visualRect(g.model()->index(row - 1, kChannelColumnName)).center();
    }
    // Below the last row: the list must be short enough to leave room.
    static QPoint BelowRows(CChannelGridCtrl& g) {
        const int rows = g.GetRowCount() - 1;
        const QRect last = rows > 0 ? g.visualRect(g.model()->index(rows - 1, kChannelColumnName))
                                    : QRect(40, 0, 10, 0);
        const QPoint p(last.center().x(), last.bottom() + 30);
        EXPECT_LT(p.y(), g.viewport()->height()) << "the list fills the grid";
        return p;
    }
    static void Click(CChannelGridCtrl& g, int row, Qt::KeyboardModifiers m = {}) {
        QTest::mouseClick(g.viewport(), Qt::LeftButton, m, RowPoint(g, row));
    }
    // The rows of these keys clicked, the others with Ctrl held: all
    // selected, the last one the focus row.
    static void ClickKeys(CChannelGridCtrl& g, std::initializer_list<std::uint32_t> keys) {
        bool first = true;
        for (std::uint32_t key : keys) {
            Click(g, g.FindRowByKey(key), first ? Qt::NoModifier : Qt::ControlModifier);
            first = false;
        }
    }
    QMenu& RightClick(CChannelGridCtrl& g, QPoint at) {
        QTest::mouseClick(g.viewport(), Qt::RightButton, {}, at);
        QMenu* menu = g.ContextMenu();
        if (!menu)
            throw std::runtime_error("no context menu");
        EXPECT_TRUE(menu->isVisible());
        return *menu;
    }
    QMenu& RightClickRow(CChannelGridCtrl& g, int row) { return RightClick(g, RowPoint(g, row)); }
    // Every command item of the menu and its submenus: text -> enabled.
    static Enabled Items(const QMenu& menu) {
        Enabled out;
        for (QAction* a : menu.actions()) {
            if (a->isSeparator())
                continue;
            if (a->menu())
                out.merge(Items(*a->menu()));
            else
                out[a->text()] = a->isEnabled();
        }
        return out;
    }
    // The enabled items among New, Update, Delete (or Remove), Copy, Paste,
    // Move here and Description: a letter each ("NUDCPMd"), a dot for a
    // disabled one.
    static std::string Letters(const QMenu& menu) {
        const QString items[] = {kNew,        "Update...", menu.actions()[2]->text(), kCopy, kPaste,
                                 "Move here", kDescription};
        Enabled all = Items(menu);
        std::string out;
        for (std::size_t i = 0; i < 7; ++i)
            out += all[items[i]] ? "NUDCPMd"[i] : '.';
        return out;
    }
    static QAction& Item(const QMenu& menu, const QString& text) {
        for (QAction* a : menu.actions())
            if (a->text() == text)
                return *a;
        throw std::runtime_error("no menu item " + text.toStdString());
    }
    // Chooses a menu item (or an item of its submenu) as the user does: the
    // menu closes and the item runs.
    static void Choose(QMenu& menu, const QString& item, const QString& subitem = {}) {
        QAction& chosen =
            subitem.isEmpty() ? Item(menu, item) : Item(*Item(menu, item).menu(), subitem);
        EXPECT_TRUE(chosen.isEnabled()) << (item + " " + subitem).toStdString();
        menu.hide();
        chosen.trigger();
    }

    // A key as the grid gets it; true when it went no further.
    static bool Key(CChannelGridCtrl& g, int key, Qt::KeyboardModifiers m = {},
                    const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, m, text);
        QCoreApplication::sendEvent(&g, &event);
        return event.isAccepted();
    }
    // One Ctrl+Z takes the command back: the channel table as `before`.
    void UndoTo(const CTableSnapshot& before) {
        Undo();
        EXPECT_TRUE(TheZorvDB().Snapshot(kTableChannel).SameAs(before))
            << "one Ctrl+Z takes the command back";
    }
    static const Channel_Info_Tag& Channel(std::uint32_t key) {
        return Record<Channel_Info_Tag>(kTableChannel, key);
    }

    // ---- Filters, as the left panes choose them ----
    void ShowSatellite(std::uint32_t key) { frame->SendMessage(WM_SATELLITE_SELECTED, 0, key); }
    void ShowFavorite(int list) { frame->SendMessage(WM_FAV_NODE_SELECTED, 0, list - 1); }
};

} // namespace

// ---- The menu ------------------------------------------------------------------------

TEST_F(ChannelEdit, TheMenuIsBuiltOnceWithItsItemsAndKept) {
    Open();
    auto& tv = TV();
    EXPECT_EQ(tv.ContextMenu(), nullptr) << "no menu before the first right click";
    QMenu& menu = RightClickRow(tv, 1);
    EXPECT_EQ(menu.actions().size(), 17);
    EXPECT_EQ(Item(menu, kNew).data().toInt(), kChannelNew);
    EXPECT_EQ(Item(menu, kDescription).data().toInt(), kChannelDescription);
    EXPECT_TRUE(Items(menu).count("Locked")) << "the submenus' items";
    EXPECT_FALSE(Items(menu).count("Tuner 1")) << "the product type is not exactly 8";
    menu.hide();
    // The popup and its three submenus, and the same ones at the next click.
    EXPECT_EQ(tv.findChildren<QMenu*>().size(), 4);
    EXPECT_EQ(&RightClickRow(tv, 2), &menu);
    menu.hide();
    EXPECT_EQ(tv.findChildren<QMenu*>().size(), 4);
    // Each list has its own.
    QMenu& radioMenu = RightClickRow(Radio(), 1);
    EXPECT_NE(&radioMenu, &menu);
    radioMenu.hide();
}

// The enabling rule is the menus' own; here the window hands it the filter,
// the selection, the clipboard and which list was clicked.
TEST_F(ChannelEdit, RightClicksEnableItemsByModeSelectionAndClipboard) {
    Open();
    auto& tv = TV();
    auto& radio = Radio();
    const std::uint32_t tvKey = tv.GetRowKey(1), radioKey = radio.GetRowKey(1);
    struct Case {
        const char* name;
        std::function<void()> show;
        int clipboard; // 0 empty, 1 a TV channel, 2 a radio channel
        bool selected, radioList;
        const char* enabled;
    };
    const Case cases[] = {
        {"satellite, nothing", [&] { ShowSatellite(6); }, 0, false, false, "N......"},
        {"satellite, TV clipboard", [&] { ShowSatellite(6); }, 1, true, false, "NUDCPMd"},
        {"favourite", [&] { ShowFavorite(5); }, 1, true, false, ".UDC..d"},
        {"genre", [&] { frame->SendMessage(WM_FAV_NODE_SELECTED, 1, 4); }, 0, true, false,
         ".UDC..d"},
        {"radio list, radio clipboard", [&] { frame->SendMessage(WM_FAV_NODE_SELECTED, 0, 255); },
         2, true, true, "NUDCPMd"},
        {"radio list, TV clipboard", [&] { frame->SendMessage(WM_FAV_NODE_SELECTED, 0, 255); }, 1,
         true, true, "NUDC..d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.clipboard == 0)
            frame->Session().Clipboard().Empty();
        else
            frame->Session().Clipboard().Set({c.clipboard == 1 ? tvKey : radioKey},
                                             c.clipboard == 1);
        c.show();
        auto& grid = c.radioList ? radio : tv;
        QMenu& menu = c.selected ? RightClickRow(grid, 1) : RightClick(grid, BelowRows(grid));
        EXPECT_EQ(grid.GetSelectedRows().size(), c.selected ? 1u : 0u);
        EXPECT_EQ(Letters(menu), c.enabled);
        menu.hide();
    }
    ShowFavorite(5);
    QMenu& menu = RightClickRow(tv, 1);
    EXPECT_EQ(menu.actions()[2]->text(), "Remove from FAV");
    menu.hide();
}

// Which channels a tuner item selects is the selection's rule.
TEST_F(ChannelEdit, TunerItemsOnlyWhenTheProductTypeIsExactlyEight) {
    SetProductType(8);
    Start();
    auto c = NewRecord<Channel_Info_Tag>();
    std::strcpy(c->Name, "Twin");
    c->ProgramNum = 1;
    c->SatID = 2;
    c->Attributes = kAttrTV;
    TheZorvDB().AddIndexed(kTableChannel, std::move(c));
    Action("ID_REFRESH_ALL").trigger();
    QMenu& menu = RightClickRow(TV(), 1);
    EXPECT_EQ(Items(menu).count("Tuner 1") + Items(menu).count("Tuner 2"), 2u);
    menu.hide();
}

// ---- Keys and double click -------------------------------------------------------------

// What each key does is the key table's; here each one reaches its command.
TEST_F(ChannelEdit, KeysRunTheirCommandsAndPassOnOrNotAsTheTableSays) {
    Open();
    auto& tv = TV();
    ShowSatellite(5); // six TV channels
    tv.setFocus();
    const CTableSnapshot before = TheZorvDB().Snapshot(kTableChannel);

    // Enter with no row selected: nothing; with one: the description.
    EXPECT_TRUE(Key(tv, Qt::Key_Return));
    EXPECT_TRUE(ui.ShownDialogs().empty());
    Click(tv, 2);
    EXPECT_TRUE(Key(tv, Qt::Key_Return));
    ASSERT_EQ(ui.Shown<CDlgDescription>().size(), 1u);
    EXPECT_STREQ(ui.LastShown<CDlgDescription>()->ChannelInfo()->Name,
                 Channel(tv.GetRowKey(2)).Name);
    EXPECT_TRUE(Key(tv, Qt::Key_Enter)) << "the keypad's Enter too";
    EXPECT_EQ(ui.Shown<CDlgDescription>().size(), 2u);

    // A double click (its first click chooses the row): that row's description.
    Click(tv, 3);
    QTest::mouseDClick(tv.viewport(), Qt::LeftButton, {}, RowPoint(tv, 3));
    EXPECT_EQ(ui.Shown<CDlgDescription>().size(), 3u);
    EXPECT_STREQ(ui.LastShown<CDlgDescription>()->ChannelInfo()->Name,
                 Channel(tv.GetRowKey(3)).Name);

    // Ctrl+N: New's dialog in TV mode with what the list shows (how New
    // numbers and fills the record is the command's); Ctrl+F: the search
    // (both cancelled); Delete: the question (answered No, unscripted).
    EXPECT_TRUE(Key(tv, Qt::Key_N, Qt::ControlModifier));
    const auto* shown = ui.LastShown<CDlgCHAddUpdate>();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->ChannelMode(), true);
    EXPECT_EQ(shown->PresetChannel()->SatID, 5) << "the satellite the list shows";
    EXPECT_EQ(shown->SatList().size(), 6u);
    EXPECT_EQ(shown->FavoriteLists().size(), 8u);
    EXPECT_EQ(shown->ChannelList().size(), before.RowCount());
    EXPECT_TRUE(Key(tv, Qt::Key_F, Qt::ControlModifier));
    ASSERT_NE(ui.LastShown<CDlgSearchName>(), nullptr);
    EXPECT_TRUE(Key(tv, Qt::Key_Delete));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, texts::kAskDelete);
    EXPECT_TRUE(TheZorvDB().Snapshot(kTableChannel).SameAs(before))
        << "cancelled and answered No: nothing changed";

    // Ctrl+C: the list's clipboard takes the rows, and the control still
    // copies the focus cell's text.
    Click(tv, 1);
    Click(tv, 2, Qt::ControlModifier);
    QGuiApplication::clipboard()->clear();
    Key(tv, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(frame->Session().Clipboard().Keys(),
              (std::vector<std::uint32_t>{tv.GetRowKey(1), tv.GetRowKey(2)}));
    EXPECT_TRUE(frame->Session().Clipboard().IsTV());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), tv.GetItemText(2, kChannelColumnName))
        << "the key went on to the control, which copies the focus cell";

    // Ctrl+V in the radio list: swallowed without a word, nothing pasted;
    // Ctrl+X is the control's.
    EXPECT_TRUE(Key(Radio(), Qt::Key_V, Qt::ControlModifier));
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(Key(tv, Qt::Key_X, Qt::ControlModifier, "\x18"));
    EXPECT_TRUE(TheZorvDB().Snapshot(kTableChannel).SameAs(before));
    EXPECT_FALSE(frame->Session().CanUndo());

    // Ctrl+N runs New in a favourite list too, where the menu does not offer it.
    ShowFavorite(7);
    const std::size_t dialogs = ui.Shown<CDlgCHAddUpdate>().size();
    EXPECT_TRUE(Key(tv, Qt::Key_N, Qt::ControlModifier));
    EXPECT_EQ(ui.Shown<CDlgCHAddUpdate>().size(), dialogs + 1);
    EXPECT_EQ(ui.LastShown<CDlgCHAddUpdate>()->PresetChannel()->Favorite, 0x40u)
        << "the record shows the list New joins";
    ShowSatellite(5);

    // Ctrl+V in the TV list: pasted.
    const int rows = tv.GetRowCount();
    EXPECT_TRUE(Key(tv, Qt::Key_V, Qt::ControlModifier));
    EXPECT_EQ(tv.GetRowCount(), rows + 2);
    EXPECT_EQ(ui.messages.size(), 1u);
}

// ---- New, Update, Delete --------------------------------------------------------------

TEST_F(ChannelEdit, UpdateReplacesTheFocusRecordAndKeepsItsRowChosen) {
    Open();
    auto& tv = TV();
    const CTableSnapshot before = TheZorvDB().Snapshot(kTableChannel);
    const std::uint32_t key = tv.GetRowKey(3);
    const std::string name = Channel(key).Name;
    ui.NextDialog<CDlgCHAddUpdate>(IUiSeam::IDOK, [](CDlgCHAddUpdate& d) {
        Channel_Info_Tag r = d.GetChannelInfo();
        std::strcpy(r.Name, "Renamed");
        r.ProgramNum = 500;
        r.Attributes |= kAttrLocked;
        d.Answer(r);
    });
    Choose(RightClickRow(tv, 3), "Update...");
    EXPECT_EQ(ui.LastShown<CDlgCHAddUpdate>()->ChannelMode(), std::nullopt);
    EXPECT_EQ(ui.LastShown<CDlgCHAddUpdate>()->PresetChannel()->Name, name);
    EXPECT_STREQ(Channel(key).Name, "Renamed");
    const int row = tv.FindRowByKey(key);
    ASSERT_GT(row, 0) << "same key: Update renews nothing";
    EXPECT_EQ(tv.GetItemText(row, 12), "Y");
    EXPECT_EQ(row, tv.GetRowCount() - 1) << "rebuilt: sorted by its new number";
    EXPECT_EQ(tv.GetSelectedRows(), std::vector<int>{row}) << "the updated row stays chosen";
    UndoTo(before);
}

TEST_F(ChannelEdit, DeleteAsksWithTheCountAndYesDeletes) {
    Open();
    auto& tv = TV();
    ShowSatellite(5);
    const CTableSnapshot before = TheZorvDB().Snapshot(kTableChannel);
    ClickKeys(tv, {tv.GetRowKey(2), tv.GetRowKey(4)});
    const QString nameA = tv.GetItemText(2, kChannelColumnName);

    // Answered No, nothing changes (ChannelEdit.KeysRunTheirCommands...).
    ui.NextAnswer(IUiSeam::IDYES);
    Choose(RightClickRow(tv, 2), kDelete);
    ASSERT_EQ(ui.messages.size(), 1u);
    ExpectMessage(ui.messages[0], "Would you like to delete selected item?",
                  IUiSeam::Icon::Question, IUiSeam::Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].informative, "2 channels are selected.");
    EXPECT_EQ(tv.GetRowCount(), 5);
    EXPECT_FALSE(ChannelNames(tv).contains(nameA));
    // Every key changed: the other list was rebuilt and shows live keys.
    for (int row = 1; row < Radio().GetRowCount(); ++row)
        ASSERT_NO_THROW(Channel(Radio().GetRowKey(row)));
    UndoTo(before);
    EXPECT_EQ(tv.GetRowCount(), 7);
}

// ---- Search and selection ---------------------------------------------------------------

// Which channels each item selects is the selection's rule; here the items
// reach it and the search scrolls to what it found.
TEST_F(ChannelEdit, SearchSelectItemsAndInvert) {
    Open();
    auto& tv = TV();
    const int rows = tv.GetRowCount() - 1;
    ASSERT_GT(rows, 50);
    // Every seventh row locked and no other, and a name only the last row has.
    for (int row = 1; row <= rows; ++row) {
        WORD& a = TheZorvDB().Get<Channel_Info_Tag>(kTableChannel, tv.GetRowKey(row))->Attributes;
        a = row % 7 == 0 ? (a | kAttrLocked) : (a & ~kAttrLocked);
    }
    const int locked = rows / 7;
    std::strcpy(TheZorvDB().Get<Channel_Info_Tag>(kTableChannel, tv.GetRowKey(rows))->Name,
                "Velmar Needle");
    Action("ID_REFRESH_ALL").trigger();

    Choose(RightClickRow(tv, 1), "Select...", "Select All      Ctrl+A");
    EXPECT_EQ(static_cast<int>(tv.GetSelectedRows().size()), rows);
    Choose(RightClickRow(tv, 1), "Select...", "Locked");
    EXPECT_EQ(static_cast<int>(tv.GetSelectedRows().size()), locked);
    Choose(RightClickRow(tv, tv.GetSelectedRows().front()), "Invert selection");
    EXPECT_EQ(static_cast<int>(tv.GetSelectedRows().size()), rows - locked);
    for (int row : tv.GetSelectedRows())
        ASSERT_EQ(tv.GetItemText(row, 12), "N");

    // Search: the match, off the first screen, scrolled into view.
    tv.scrollToTop();
    ui.NextDialogOk<CDlgSearchName>("needle");
    Choose(RightClickRow(tv, 1), "Search...");
    EXPECT_EQ(ui.LastShown<CDlgSearchName>()->Caption(), "Search");
    EXPECT_EQ(tv.GetSelectedRows(), std::vector<int>{rows});
    const QRect found = tv.visualRect(tv.model()->index(rows - 1, kChannelColumnName));
    EXPECT_TRUE(tv.viewport()->rect().intersects(found)) << "scrolled to the match";
    // No match: nothing selected, no scroll.
    const int at = tv.verticalScrollBar()->value();
    ui.NextDialogOk<CDlgSearchName>("\u00e9t\u00e9");
    EXPECT_TRUE(Key(tv, Qt::Key_F, Qt::ControlModifier));
    EXPECT_TRUE(tv.GetSelectedRows().empty());
    EXPECT_EQ(tv.verticalScrollBar()->value(), at);
    EXPECT_FALSE(frame->Session().CanUndo()) << "selecting is no edit";
}
