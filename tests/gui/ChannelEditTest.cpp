// Editing the channel lists as a user does: right clicks and the menu they
// show in every filter mode, the keys and the double click, the commands
// through scripted dialogs and answers, the clipboard's messages, search
// and selection on the full start-up image, and one Ctrl+Z per command.
#include "contracts/ZorvDB.h"
#include "document/CurrentDocument.h"
#include "tests/gui/EditorFixture.h"

#include "bench/BenchImages.h"
#include "contracts/Texts.h"
#include "image/ChannelFile.h"
#include "model/ChannelListModel.h"
#include "model/ChannelRecords.h"
#include "model/GridMenus.h"
#include "qtkit/vxui/ChannelDialogs.h"
#include "qtkit/vxui/DescriptionDialog.h"
#include "qtkit/vxui/SearchNameDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace {

using Enabled = std::map<QString, bool>;

const QString kDelete = "Delete        \tDelete";
const QString kNew = "New...        \tCtrl+N";
const QString kCopy = "Copy          \tCtrl+C";
const QString kPaste = "Paste         \tCtrl+V";
const QString kDescription = "Description...\tEnter";

class ChannelEdit : public Editor {
protected:
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
    static QAction& Item(const QMenu& menu, const QString& text) {
        for (QAction* a : menu.actions()) {
            if (a->menu()) {
                for (QAction* sub : a->menu()->actions())
                    if (sub->text() == text)
                        return *sub;
            } else if (a->text() == text) {
                return *a;
            }
        }
        throw std::runtime_error("no menu item " + text.toStdString());
    }
    // Chooses a menu item as the user does: the menu closes and the item runs.
    static void Choose(QMenu& menu, const QString& text) {
        QAction& item = Item(menu, text);
        EXPECT_TRUE(item.isEnabled()) << text.toStdString();
        menu.hide();
        item.trigger();
    }
    static void Choose(QMenu& menu, const QString& submenu, const QString& text) {
        for (QAction* a : menu.actions())
            if (a->menu() && a->text() == submenu) {
                menu.hide();
                for (QAction* sub : a->menu()->actions())
                    if (sub->text() == text)
                        return sub->trigger();
            }
        ADD_FAILURE() << "no item " << text.toStdString() << " in " << submenu.toStdString();
    }

    // A key as the grid gets it; true when it went no further.
    static bool Key(CChannelGridCtrl& g, int key, Qt::KeyboardModifiers m = {},
                    const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, m, text);
        QCoreApplication::sendEvent(&g, &event);
        return event.isAccepted();
    }
    // One Ctrl+Z takes the command back: the channel table as `before`.
    void UndoTo(const std::vector<Channel_Info_Tag>& before) {
        Undo();
        EXPECT_TRUE(SameTable(ChannelTable(), before)) << "one Ctrl+Z takes the command back";
    }
    static const Channel_Info_Tag& Channel(std::uint32_t key) {
        return Record<Channel_Info_Tag>(kTableChannel, key);
    }
    static std::uint32_t KeyNamed(const char* name) {
        for (const auto& c : std::as_const(TheZorvDB()).Rows<Channel_Info_Tag>(kTableChannel))
            if (std::strcmp(c.Name, name) == 0)
                return c.Index;
        return 0;
    }

    // ---- Filters, as the left panes choose them ----
    void ShowAll() { frame->SendMessage(WM_FAV_NODE_SELECTED, 0, 255); }
    void ShowSatellite(std::uint32_t key) { frame->SendMessage(WM_SATELLITE_SELECTED, 0, key); }
    void ShowFavorite(int list) { frame->SendMessage(WM_FAV_NODE_SELECTED, 0, list - 1); }
    void ShowGenre(int genre) { frame->SendMessage(WM_FAV_NODE_SELECTED, 1, genre); }
    void ShowBroadcast(std::uint32_t key) { frame->SendMessage(WM_BROADCAST_SELECTED, 0, key); }
    void ShowTransponder(std::uint32_t key) { frame->SendMessage(WM_TRANSPONDER_SELECTED, 0, key); }
};

// What the TV list's menu should offer, item by item, for a filter kind,
// a selection and a clipboard.
Enabled Expected(int kind, bool selected, bool clipboardTV, bool clipboardRadio) {
    const bool listMode = kind == 7 || kind == 8;
    return {{kNew, !listMode},
            {"Update...", selected},
            {kind == 7 ? QString("Remove from FAV") : kDelete, selected},
            {kCopy, selected},
            {kPaste, !listMode && clipboardTV && !clipboardRadio},
            {"Move here", !listMode && clipboardTV && !clipboardRadio},
            {"On", true},
            {"Off", true},
            {"Select All      Ctrl+A", true},
            {"Locked", true},
            {"CAS", true},
            {"Invert selection", true},
            {"Search...", true},
            {kDescription, selected}};
}

} // namespace

// ---- The menu ------------------------------------------------------------------------

TEST_F(ChannelEdit, TheMenuIsBuiltOnceWithItsItemsAndKept) {
    Open();
    auto& tv = TV();
    EXPECT_EQ(tv.ContextMenu(), nullptr) << "no menu before the first right click";
    QMenu& menu = RightClickRow(tv, 1);
    QStringList top;
    for (QAction* a : menu.actions())
        top << (a->isSeparator() ? QString("-") : a->text());
    EXPECT_EQ(top, (QStringList{kNew, "Update...", kDelete, "-", kCopy, kPaste, "Move here", "-",
                                "Lock...", "Skip...", "-", "Select...", "Invert selection", "-",
                                "Search...", "-", kDescription}));
    QStringList select;
    for (QAction* a : qobject_cast<QMenu*>(Item(menu, "Locked").parent())->actions())
        select << a->text();
    EXPECT_EQ(select, (QStringList{"Select All      Ctrl+A", "Locked", "CAS"}))
        << "no tuner items: the product type is not exactly 8";
    EXPECT_EQ(Item(menu, kNew).data().toInt(), kChannelNew);
    EXPECT_EQ(Item(menu, kDescription).data().toInt(), kChannelDescription);
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

TEST_F(ChannelEdit, RightClicksEnableItemsByModeSelectionAndClipboard) {
    Open();
    auto& tv = TV();
    auto& radio = Radio();
    // Three clipboard states: empty, TV keys, radio keys.
    const std::uint32_t tvKey = tv.GetRowKey(1), radioKey = radio.GetRowKey(1);
    struct Mode {
        const char* name;
        int kind;
        std::function<void()> show;
    };
    const std::vector<Mode> modes = {
        {"all", 0, [&] { ShowAll(); }},
        {"satellite", 1, [&] { ShowSatellite(6); }},
        {"transponder", 2, [&] { ShowTransponder(1); }},
        {"multiplex", 3, [&] { frame->SendMessage(WM_MUX_CLICKED, 0, 9); }},
        {"broadcaster", 5, [&] { ShowBroadcast(6); }},
        {"favourite", 7, [&] { ShowFavorite(5); }},
        {"genre", 8, [&] { ShowGenre(4); }},
    };
    int emptyAreaClicks = 0;
    for (int clip = 0; clip < 3; ++clip) {
        if (clip == 0)
            frame->Session().Clipboard().Empty();
        else
            frame->Session().Clipboard().Set({clip == 1 ? tvKey : radioKey}, clip == 1);
        for (const Mode& mode : modes) {
            SCOPED_TRACE(std::string(mode.name) + " clipboard " + std::to_string(clip));
            mode.show();
            ASSERT_EQ(static_cast<int>(tv.Filter().kind), mode.kind);
            ASSERT_GT(tv.GetRowCount(), 1) << "the mode shows rows";
            // Without a selection: a right click below the rows.
            if (tv.GetRowCount() < 10) {
                QMenu& menu = RightClick(tv, BelowRows(tv));
                EXPECT_TRUE(tv.GetSelectedRows().empty());
                EXPECT_EQ(Items(menu), Expected(mode.kind, false, clip == 1, clip == 2));
                EXPECT_EQ(Item(menu, "Update...").isEnabled(), false);
                menu.hide();
                ++emptyAreaClicks;
            }
            // With one: the right click selects the row under it.
            QMenu& menu = RightClickRow(tv, 1);
            EXPECT_EQ(tv.GetSelectedRows().size(), 1u);
            EXPECT_EQ(Items(menu), Expected(mode.kind, true, clip == 1, clip == 2));
            EXPECT_EQ(menu.actions()[2]->text(), mode.kind == 7 ? "Remove from FAV" : kDelete);
            menu.hide();
        }
    }
    EXPECT_GE(emptyAreaClicks, 12) << "four short modes, three clipboards";
    // The radio list reads the clipboard the other way round.
    ShowAll();
    frame->Session().Clipboard().Set({radioKey}, false);
    QMenu& menu = RightClickRow(radio, 1);
    EXPECT_TRUE(Items(menu)[kPaste]);
    EXPECT_TRUE(Items(menu)["Move here"]);
    menu.hide();
    frame->Session().Clipboard().Set({tvKey}, true);
    RightClickRow(radio, 1);
    EXPECT_FALSE(Items(menu)[kPaste]);
    EXPECT_FALSE(Items(menu)["Move here"]);
    menu.hide();
}

TEST_F(ChannelEdit, TunerItemsOnlyWhenTheProductTypeIsExactlyEight) {
    SetProductType(8);
    Start();
    frame->resize(1400, 900);
    CZorvDB& db = TheZorvDB();
    for (int i = 0; i < 6; ++i) {
        auto c = NewRecord<Channel_Info_Tag>();
        std::snprintf(c->Name, 28, "Twin %d", i);
        c->ProgramNum = static_cast<WORD>(i + 1);
        c->SatID = 2;
        c->Attributes = kAttrTV;
        c->Tuner = static_cast<BYTE>(i % 3 == 0 ? 1 : 0);
        db.AddIndexed(kTableChannel, std::move(c));
    }
    Action("ID_REFRESH_ALL").trigger();
    auto& tv = TV();
    QMenu& menu = RightClickRow(tv, 1);
    EXPECT_TRUE(Items(menu).count("Tuner 1"));
    Choose(menu, "Select...", "Tuner 2");
    QStringList chosen;
    for (int row : tv.GetSelectedRows())
        chosen << tv.GetItemText(row, kChannelColumnName);
    EXPECT_EQ(chosen, (QStringList{"Twin 0", "Twin 3"}));
    RightClickRow(tv, 2);
    Choose(menu, "Select...", "Tuner 1");
    EXPECT_EQ(tv.GetSelectedRows().size(), 4u);
    // The menu stays as built: a later product change does not rebuild it.
    SetProductType(1);
    RightClickRow(tv, 1);
    EXPECT_TRUE(Items(menu).count("Tuner 2"));
    menu.hide();
}

// ---- Keys and double click -------------------------------------------------------------

TEST_F(ChannelEdit, KeysRunTheirCommandsAndPassOnOrNotAsTheTableSays) {
    Open();
    auto& tv = TV();
    ShowSatellite(5); // six TV channels
    tv.setFocus();
    const auto before = ChannelTable();

    // Enter with no row selected: nothing; with one: the description.
    EXPECT_TRUE(Key(tv, Qt::Key_Return));
    EXPECT_TRUE(ui.ShownDialogs().empty());
    Click(tv, 2);
    const std::uint32_t second = tv.GetRowKey(2);
    EXPECT_TRUE(Key(tv, Qt::Key_Return));
    ASSERT_EQ(ui.Shown<CDlgDescription>().size(), 1u);
    EXPECT_STREQ(ui.LastShown<CDlgDescription>()->ChannelInfo()->Name, Channel(second).Name);
    EXPECT_TRUE(Key(tv, Qt::Key_Enter)) << "the keypad's Enter too";
    EXPECT_EQ(ui.Shown<CDlgDescription>().size(), 2u);

    // A double click (its first click chooses the row): that row's description.
    Click(tv, 3);
    QTest::mouseDClick(tv.viewport(), Qt::LeftButton, {}, RowPoint(tv, 3));
    EXPECT_EQ(ui.Shown<CDlgDescription>().size(), 3u);
    EXPECT_STREQ(ui.LastShown<CDlgDescription>()->ChannelInfo()->Name,
                 Channel(tv.GetRowKey(3)).Name);

    // Ctrl+N: New's dialog in TV mode (cancelled here).
    EXPECT_TRUE(Key(tv, Qt::Key_N, Qt::ControlModifier));
    ASSERT_NE(ui.LastShown<CDlgCHAddUpdate>(), nullptr);
    EXPECT_EQ(ui.LastShown<CDlgCHAddUpdate>()->ChannelMode(), true);
    // Ctrl+F: the search dialog (cancelled).
    EXPECT_TRUE(Key(tv, Qt::Key_F, Qt::ControlModifier));
    ASSERT_NE(ui.LastShown<CDlgSearchName>(), nullptr);
    // Delete: the question (answered No, unscripted).
    EXPECT_TRUE(Key(tv, Qt::Key_Delete));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, texts::kAskDelete);
    EXPECT_TRUE(SameTable(ChannelTable(), before)) << "cancelled and answered No: nothing changed";

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

    // Ctrl+V in the radio list: swallowed without a word, nothing pasted.
    auto& radio = Radio();
    const std::size_t messages = ui.messages.size();
    EXPECT_TRUE(Key(radio, Qt::Key_V, Qt::ControlModifier));
    EXPECT_EQ(ui.messages.size(), messages);
    EXPECT_TRUE(SameTable(ChannelTable(), before));
    EXPECT_FALSE(frame->Session().CanUndo());

    // Ctrl+X and a plain letter are the control's.
    EXPECT_FALSE(Key(tv, Qt::Key_X, Qt::ControlModifier, "\x18"));
    EXPECT_TRUE(SameTable(ChannelTable(), before));

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
    EXPECT_TRUE(frame->Session().Clipboard().IsEmpty()) << "a paste empties the clipboard";
    EXPECT_EQ(ui.messages.size(), messages);
}

// ---- New, Update, Delete --------------------------------------------------------------

TEST_F(ChannelEdit, NewThroughItsDialogIsOneUndoableEdit) {
    Open();
    auto& tv = TV();
    auto& radio = Radio();
    ShowSatellite(3);
    Click(tv, 1);
    Choose(RightClickRow(tv, 1), "Copy          \tCtrl+C");
    ASSERT_FALSE(frame->Session().Clipboard().IsEmpty());
    const auto before = ChannelTable();
    const int tvCount = static_cast<int>(
        std::count_if(before.begin(), before.end(), [](const auto& c) { return IsTV(c); }));
    const int radioFills = radio.FillCount();
    const int rows = tv.GetRowCount();

    ui.NextDialog<CDlgCHAddUpdate>(IUiSeam::IDOK, [](CDlgCHAddUpdate& d) {
        Channel_Info_Tag r = d.GetChannelInfo();
        std::strcpy(r.Name, "Velmar TV");
        r.VideoPID = 600;
        r.ProgramNum = 999; // New numbers the channel itself
        d.Answer(r);
    });
    Choose(RightClickRow(tv, 1), kNew);
    // What the dialog was given: TV mode, the satellite the list shows.
    const auto* shown = ui.LastShown<CDlgCHAddUpdate>();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->ChannelMode(), true);
    EXPECT_EQ(shown->PresetChannel()->SatID, 3);
    EXPECT_EQ(shown->SatList().size(), 6u);
    EXPECT_EQ(shown->FavoriteLists().size(), 8u);
    EXPECT_EQ(shown->ChannelList().size(), before.size());

    const std::uint32_t key = KeyNamed("Velmar TV");
    ASSERT_NE(key, 0u);
    const Channel_Info_Tag& c = Channel(key);
    EXPECT_EQ(c.Attributes, kAttrTV);
    EXPECT_EQ(c.SatID, 3);
    EXPECT_EQ(c.VideoPID, 600);
    EXPECT_EQ(c.ProgramNum, tvCount + 1) << "after the last TV channel, numbers compacted";
    EXPECT_EQ(tv.GetRowCount(), rows + 1);
    EXPECT_TRUE(ChannelNames(tv).contains("Velmar TV"));
    EXPECT_GT(radio.FillCount(), radioFills) << "both lists rebuilt";
    EXPECT_TRUE(frame->Session().Clipboard().IsEmpty());
    EXPECT_EQ(Action("ID_EDIT_UNDO").toolTip().left(5), "Undo ");

    UndoTo(before);
    EXPECT_EQ(tv.GetRowCount(), rows);
    EXPECT_FALSE(frame->Session().CanUndo());

    // Cancel changes nothing and leaves no step.
    ui.NextDialog<CDlgCHAddUpdate>(IUiSeam::IDCANCEL);
    Choose(RightClickRow(tv, 1), kNew);
    EXPECT_TRUE(SameTable(ChannelTable(), before));
    EXPECT_FALSE(frame->Session().CanUndo());
}

TEST_F(ChannelEdit, UpdateReplacesTheFocusRecordWithoutRenumbering) {
    Open();
    auto& tv = TV();
    const auto before = ChannelTable();
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
    EXPECT_EQ(Channel(key).ProgramNum, 500) << "no renumbering";
    const int row = tv.FindRowByKey(key);
    ASSERT_GT(row, 0) << "same key: Update renews nothing";
    EXPECT_EQ(tv.GetItemText(row, 12), "Y");
    EXPECT_EQ(row, tv.GetRowCount() - 1) << "rebuilt: sorted by its new number";
    EXPECT_EQ(tv.GetSelectedRows(), std::vector<int>{row}) << "the updated row stays chosen";
    UndoTo(before);
}

TEST_F(ChannelEdit, DeleteAsksAndAnswersNoKeepsAndYesDeletes) {
    Open();
    auto& tv = TV();
    ShowSatellite(5);
    const auto before = ChannelTable();
    ClickKeys(tv, {tv.GetRowKey(2), tv.GetRowKey(4)});
    const QString nameA = tv.GetItemText(2, kChannelColumnName);

    ui.NextAnswer(IUiSeam::IDNO);
    Choose(RightClickRow(tv, 2), kDelete);
    ASSERT_EQ(ui.messages.size(), 1u);
    ExpectMessage(ui.messages[0], "Would you like to delete selected item?",
                  IUiSeam::Icon::Question, IUiSeam::Buttons::YesNo);
    EXPECT_EQ(ui.messages[0].informative, "2 channels are selected.");
    EXPECT_TRUE(SameTable(ChannelTable(), before));

    frame->Session().Clipboard().Set({tv.GetRowKey(1)}, true);
    ui.NextAnswer(IUiSeam::IDYES);
    EXPECT_TRUE(Key(tv, Qt::Key_Delete));
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ChannelTable().size(), before.size() - 2);
    EXPECT_EQ(tv.GetRowCount(), 5);
    EXPECT_FALSE(ChannelNames(tv).contains(nameA));
    EXPECT_TRUE(frame->Session().Clipboard().IsEmpty());
    // Renumbered: the TV channels 1..n again.
    std::vector<int> numbers;
    for (const auto& c : ChannelTable())
        if (IsTV(c))
            numbers.push_back(c.ProgramNum);
    std::sort(numbers.begin(), numbers.end());
    for (std::size_t i = 0; i < numbers.size(); ++i)
        ASSERT_EQ(numbers[i], static_cast<int>(i + 1));
    // Every key changed: the other list was rebuilt and shows live keys.
    for (int row = 1; row < Radio().GetRowCount(); ++row)
        ASSERT_NO_THROW(Channel(Radio().GetRowKey(row)));

    UndoTo(before);
    EXPECT_EQ(tv.GetRowCount(), 7);
}

TEST_F(ChannelEdit, DeleteInAFavouriteListRemovesFromTheListWithoutAsking) {
    Open();
    auto& tv = TV();
    ShowFavorite(7);
    const auto before = ChannelTable();
    const int rows = tv.GetRowCount();
    ASSERT_GT(rows, 3);
    const std::uint32_t a = tv.GetRowKey(1), b = tv.GetRowKey(3);
    const DWORD favoritesOfA = Channel(a).Favorite;
    ClickKeys(tv, {a, b});
    QMenu& menu = RightClickRow(tv, 1);
    EXPECT_EQ(menu.actions()[2]->text(), "Remove from FAV");
    Choose(menu, "Remove from FAV");
    EXPECT_TRUE(ui.messages.empty()) << "no question";
    EXPECT_EQ(tv.GetRowCount(), rows - 2);
    EXPECT_EQ(ChannelTable().size(), before.size()) << "the channels stay";
    EXPECT_EQ(Channel(a).Favorite & 0x40u, 0u);
    EXPECT_EQ(Channel(b).Favorite & 0x40u, 0u);
    EXPECT_EQ(Channel(a).Favorite, favoritesOfA & ~0x40u) << "other lists kept";
    UndoTo(before);
    EXPECT_EQ(tv.GetRowCount(), rows);
}

// ---- Clipboard ------------------------------------------------------------------------

TEST_F(ChannelEdit, PastePlacesCopiesWhereTheListPointsAndIsOneUndo) {
    Open();
    auto& tv = TV();
    // Two TV channels of satellite 1 with a genre and favourites.
    const std::uint32_t first = tv.GetRowKey(1), second = tv.GetRowKey(2);
    ASSERT_NE(Channel(first).Attributes & kAttrGenreMask, 0);
    ClickKeys(tv, {first, second});
    Choose(RightClickRow(tv, 1), kCopy);
    const QString name1 = Channel(first).Name, name2 = Channel(second).Name;
    ShowSatellite(3);
    const auto before = ChannelTable();
    const int rows = tv.GetRowCount();
    Choose(RightClickRow(tv, 1), kPaste);
    EXPECT_EQ(tv.GetRowCount(), rows + 2);
    EXPECT_EQ(ChannelTable().size(), before.size() + 2);
    int pasted = 0;
    for (const auto& c : ChannelTable())
        if (IsTV(c) && c.SatID == 3 && (name1 == c.Name || name2 == c.Name)) {
            ++pasted;
            EXPECT_EQ(c.Attributes & kAttrGenreMask, 0);
            EXPECT_EQ(c.Favorite, 0u);
            EXPECT_GT(c.ProgramNum, 170);
        }
    EXPECT_EQ(pasted, 2);
    EXPECT_TRUE(frame->Session().Clipboard().IsEmpty());
    EXPECT_TRUE(ChannelNames(tv).contains(name1));
    EXPECT_TRUE(ChannelNames(tv).contains(name2));
    UndoTo(before);
    EXPECT_EQ(tv.GetRowCount(), rows);
}

TEST_F(ChannelEdit, ClipboardOfTheOtherKindSaysWhyForPasteAndMoveHere) {
    Open();
    auto& tv = TV();
    auto& radio = Radio();
    const auto before = ChannelTable();
    struct Case {
        CChannelGridCtrl& grid;
        bool clipboardTV;
        int command;
        QString message;
    };
    const Case cases[] = {
        {tv, false, kChannelPaste, "Cannot copy from Radio channels to TV channels"},
        {radio, true, kChannelPaste, "Cannot copy from TV channels to Radio channels"},
        {tv, false, kChannelMoveHere, "Cannot Move from Radio channels to TV channels"},
        {radio, true, kChannelMoveHere, "Cannot move from TV channels to Radio channels"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        Click(c.grid, 1);
        frame->Session().Clipboard().Set({(c.clipboardTV ? tv : radio).GetRowKey(3)},
                                         c.clipboardTV);
        // The menu offers neither; the command id itself says why.
        QMenu& menu = RightClickRow(c.grid, 1);
        EXPECT_FALSE(Items(menu)[c.command == kChannelPaste ? kPaste : "Move here"]);
        menu.hide();
        const std::size_t shown = ui.messages.size();
        c.grid.RunCommand(c.command);
        ASSERT_EQ(ui.messages.size(), shown + 1);
        ExpectMessage(ui.messages.back(), c.message, IUiSeam::Icon::Stop, IUiSeam::Buttons::Ok);
        EXPECT_TRUE(SameTable(ChannelTable(), before));
    }
    EXPECT_FALSE(frame->Session().CanUndo());
}

TEST_F(ChannelEdit, MoveHereRenumbersTheClipboardsChannelsAndKeepsTheClipboard) {
    Open();
    auto& tv = TV();
    const auto before = ChannelTable();
    // The channel numbered 7 goes before number 3.
    const std::uint32_t moved = tv.GetRowKey(7), target = tv.GetRowKey(3);
    ASSERT_EQ(Channel(moved).ProgramNum, 7);
    ASSERT_EQ(Channel(target).ProgramNum, 3);
    Click(tv, 7);
    Choose(RightClickRow(tv, 7), kCopy);
    Click(tv, 3);
    Choose(RightClickRow(tv, 3), "Move here");
    EXPECT_EQ(Channel(moved).ProgramNum, 3);
    EXPECT_EQ(Channel(target).ProgramNum, 4);
    EXPECT_EQ(tv.GetRowKey(3), moved);
    EXPECT_EQ(tv.GetSelectedRows(), std::vector<int>{3}) << "the moved set is selected";
    EXPECT_EQ(frame->Session().Clipboard().Keys(), std::vector<std::uint32_t>{moved});
    UndoTo(before);
}

// ---- Lock, Skip ------------------------------------------------------------------------

TEST_F(ChannelEdit, LockAndSkipRewriteTheSelectedRowsAndUndoEachInOne) {
    Open();
    auto& tv = TV();
    const auto before = ChannelTable();
    ClickKeys(tv, {tv.GetRowKey(1), tv.GetRowKey(2)});
    Choose(RightClickRow(tv, 1), "Lock...", "On");
    EXPECT_EQ(tv.GetItemText(1, 12), "Y");
    EXPECT_EQ(tv.GetItemText(2, 12), "Y");
    EXPECT_EQ(tv.GetSelectedRows(), (std::vector<int>{1, 2})) << "the selection stays";
    Choose(RightClickRow(tv, 1), "Skip...", "On");
    EXPECT_EQ(tv.GetItemText(2, 13), "Y");
    Choose(RightClickRow(tv, 1), "Lock...", "Off");
    EXPECT_EQ(tv.GetItemText(1, 12), "N");
    EXPECT_TRUE(Channel(tv.GetRowKey(1)).Attributes & kAttrSkipped);
    Undo();
    EXPECT_EQ(tv.GetItemText(1, 12), "Y");
    Undo();
    EXPECT_EQ(tv.GetItemText(2, 13), "N");
    UndoTo(before);
}

// ---- Search and selection on the full start-up image -----------------------------------

class FullImageSelection : public ChannelEdit {
protected:
    void SetUp() override {
        ChannelEdit::SetUp();
        path = BenchPath("gui-full.bin");
        MakeFullImage(kStartupProfile, path);
        // Some locked and some scrambled channels to select.
        for (auto& c : TheZorvDB().Rows<Channel_Info_Tag>(kTableChannel)) {
            if (c.Index % 7 == 0)
                c.Attributes |= kAttrLocked;
            if (c.Index % 11 == 0)
                c.Attributes |= kAttrScrambled;
        }
        CChannelFile file(TheZorvDB(), CurrentImageValues());
        ASSERT_TRUE(file.Save(path.c_str(), false));
        TheZorvDB().ClearAll();
        ConfigureStartupPolicy();
    }
    void TearDown() override {
        ChannelEdit::TearDown();
        std::filesystem::remove(path);
    }
    std::string path;
};

TEST_F(FullImageSelection, SearchSelectItemsAndInvert) {
    Start();
    frame->resize(1400, 900);
    OpenFile(QString::fromStdString(path));
    auto& tv = TV();
    const int rows = tv.GetRowCount() - 1;
    ASSERT_EQ(rows + Radio().GetRowCount() - 1, 4608);

    // What the store says each item should select.
    int locked = 0, scrambled = 0, named = 0;
    int firstNamed = 0;
    for (int row = 1; row <= rows; ++row) {
        const Channel_Info_Tag& c = Channel(tv.GetRowKey(row));
        locked += (c.Attributes & kAttrLocked) ? 1 : 0;
        scrambled += (c.Attributes & kAttrScrambled) ? 1 : 0;
        if (QString(c.Name).toUpper().contains("NUMBER 12")) {
            ++named;
            firstNamed = firstNamed ? firstNamed : row;
        }
    }
    ASSERT_GT(locked, 100);
    ASSERT_GT(scrambled, 100);

    Choose(RightClickRow(tv, 1), "Select...", "Select All      Ctrl+A");
    EXPECT_EQ(static_cast<int>(tv.GetSelectedRows().size()), rows);
    Choose(RightClickRow(tv, 1), "Select...", "Locked");
    EXPECT_EQ(static_cast<int>(tv.GetSelectedRows().size()), locked);
    for (int row : tv.GetSelectedRows())
        ASSERT_EQ(tv.GetItemText(row, 12), "Y");
    Choose(RightClickRow(tv, tv.GetSelectedRows().front()), "Invert selection");
    EXPECT_EQ(static_cast<int>(tv.GetSelectedRows().size()), rows - locked);
    for (int row : tv.GetSelectedRows())
        ASSERT_EQ(tv.GetItemText(row, 12), "N");
    Choose(RightClickRow(tv, 1), "Select...", "CAS");
    EXPECT_EQ(static_cast<int>(tv.GetSelectedRows().size()), scrambled);

    // Search: upper-cased "contains", the first match scrolled into view.
    tv.scrollToTop();
    ui.NextDialogOk<CDlgSearchName>("number 12");
    Choose(RightClickRow(tv, 1), "Search...");
    EXPECT_EQ(ui.LastShown<CDlgSearchName>()->Caption(), "Search");
    EXPECT_EQ(static_cast<int>(tv.GetSelectedRows().size()), named);
    EXPECT_EQ(tv.GetSelectedRows().front(), firstNamed);
    const QRect first = tv.visualRect(tv.model()->index(firstNamed - 1, kChannelColumnName));
    EXPECT_TRUE(tv.viewport()->rect().intersects(first)) << "scrolled to the first match";
    // No match: nothing selected, no scroll.
    const int at = tv.verticalScrollBar()->value();
    ui.NextDialogOk<CDlgSearchName>("\u00e9t\u00e9");
    EXPECT_TRUE(Key(tv, Qt::Key_F, Qt::ControlModifier));
    EXPECT_TRUE(tv.GetSelectedRows().empty());
    EXPECT_EQ(tv.verticalScrollBar()->value(), at);
    EXPECT_FALSE(frame->Session().CanUndo()) << "selecting is no edit";
}
