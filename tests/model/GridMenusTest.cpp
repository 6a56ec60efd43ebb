// The grids' menus and keys as pure rules: item texts, the enabling order of
// the channel lists' menu, and what each key does.
#include "model/GridMenus.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kAll = 0, kSatellite = 1, kBroadcast = 5, kFavorite = 7, kGenre = 8;

const MenuItem* Find(const std::vector<MenuItem>& items, int id) {
    for (const auto& item : items) {
        if (item.id == id)
            return &item;
        if (const MenuItem* inner = Find(item.submenu, id))
            return inner;
    }
    return nullptr;
}

// The items' texts, "-" for a separator, each followed by ";".
std::string Texts(const std::vector<MenuItem>& items) {
    std::string out;
    for (const auto& item : items)
        out += (item.IsSeparator() ? std::string("-") : std::string(item.text)) + ";";
    return out;
}

TEST(ChannelMenu, ItemsInOrderAndTunerItemsOnlyForProductTypeExactlyEight) {
    const auto items = ChannelMenuItems(false);
    EXPECT_EQ(Texts(items), "New...        \tCtrl+N;Update...;Delete        \tDelete;-;"
                            "Copy          \tCtrl+C;Paste         \tCtrl+V;Move here;-;Lock...;"
                            "Skip...;-;Select...;Invert selection;-;Search...;-;"
                            "Description...\tEnter;");
    EXPECT_EQ(Texts(items[11].submenu), "Select All      Ctrl+A;Locked;CAS;");
    EXPECT_EQ(Texts({*Find(items, kChannelLockOn), *Find(items, kChannelSkipOff),
                     *Find(items, kChannelSelectCAS)}),
              "On;Off;CAS;");
    EXPECT_EQ(Find(items, kChannelSelectTuner1), nullptr);
    EXPECT_TRUE(ChannelMenuHasTuners(8));
    for (std::uint32_t type : {0x01u, 0x09u, 0x18u, 0x0Cu})
        EXPECT_FALSE(ChannelMenuHasTuners(type)) << type;
    EXPECT_EQ(Texts(ChannelMenuItems(true)[11].submenu),
              "Select All      Ctrl+A;Locked;CAS;Tuner 1;Tuner 2;");
}

struct RuleCase {
    const char* name;
    int kind;
    int selected;
    ClipboardState clipboard;
    bool tvGrid;
    // One letter for each enabled item of New, Update, Delete, Copy, Paste,
    // Move here, Description ("NUDCPMd"), a dot for a disabled one.
    const char* enabled;
    const char* deleteText;
};

class ChannelMenuRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ChannelMenuRuleTest, EnablesAsTheFourStepsSay) {
    const RuleCase& c = GetParam();
    const ChannelMenuState state = ChannelMenuRule(c.kind, c.selected, c.clipboard, c.tvGrid);
    const int ids[] = {kChannelNew,   kChannelUpdate,   kChannelDelete,     kChannelCopy,
                       kChannelPaste, kChannelMoveHere, kChannelDescription};
    std::string enabled;
    for (std::size_t i = 0; i < 7; ++i)
        enabled += state.Enabled(ids[i]) ? "NUDCPMd"[i] : '.';
    EXPECT_EQ(enabled, c.enabled);
    EXPECT_EQ(state.deleteText, c.deleteText);
    for (int always :
         {kChannelLockOn, kChannelLockOff, kChannelSkipOn, kChannelSkipOff, kChannelSelectAll,
          kChannelSelectTuner2, kChannelInvertSelection, kChannelSearch})
        EXPECT_TRUE(state.Enabled(always)) << always;
    EXPECT_FALSE(state.Enabled(0) || state.Enabled(4));
}

constexpr ClipboardState kNone{0, false}, kTV{3, true}, kRadio{2, false}, kEmptyTV{0, true};
constexpr const char* kDel = "Delete        \tDelete";
constexpr const char* kRemove = "Remove from FAV";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelMenuRuleTest,
    ::testing::Values(
        RuleCase{"AllNoSelectionEmptyClipboard",   kAll,       0, kNone,    true,  "N......", kDel},
        RuleCase{"AllSelectionTvClipboardInTv",    kAll,       2, kTV,      true,  "NUDCPMd", kDel},
        RuleCase{"AllSelectionTvClipboardInRadio", kAll,       1, kTV,      false, "NUDC..d", kDel},
        RuleCase{"RadioClipboardInRadio",          kSatellite, 0, kRadio,   false, "N...PM.", kDel},
        RuleCase{"EmptyClipboardWithTvFlag",       kBroadcast, 1, kEmptyTV, true,  "NUDC..d", kDel},
        RuleCase{"FavoriteNoSelection",            kFavorite,  0, kTV,      true,  ".......", kRemove},
        RuleCase{"FavoriteSelectionCopyComesBack", kFavorite,  3, kTV,      true,  ".UDC..d", kRemove},
        RuleCase{"GenreSelection",                 kGenre,     1, kTV,      true,  ".UDC..d", kDel},
        RuleCase{"GenreNoSelection",               kGenre,     0, kNone,    false, ".......", kDel}),
    [](const auto& test) { return std::string(test.param.name); });
// clang-format on

// Ctrl+V with a clipboard of the other kind, or an empty one, is swallowed
// without a paste.
TEST(ChannelKeys, EachKeyOfTheTable) {
    const ClipboardState tv{1, true}, radio{2, false}, emptyTV{0, true};
    auto key = [](int k, bool ctrl = false, bool alt = false) { return KeyPress{k, ctrl, alt}; };
    struct Row {
        KeyPress press;
        ClipboardState clipboard;
        bool tvGrid;
        int command;
        bool consumed;
    } rows[] = {
        {key(kKeyEnter), tv, true, kChannelDescription, true},
        {key(kKeyEnter, true), tv, true, kChannelDescription, true},
        {key(kKeyDelete), tv, true, kChannelDelete, true},
        {key('N', true), tv, true, kChannelNew, true},
        {key('F', true), tv, true, kChannelSearch, true},
        {key('C', true), tv, true, kChannelCopy, false},
        {key('V', true), tv, true, kChannelPaste, true},
        {key('V', true), radio, false, kChannelPaste, true},
        {key('V', true), radio, true, kChannelNone, true},
        {key('V', true), {2, true}, false, kChannelNone, true},
        {key('V', true), emptyTV, true, kChannelNone, true},
        {key('X', true), tv, true, kChannelNone, false},
        {key('A', true), tv, true, kChannelNone, false},
        {key('N'), tv, true, kChannelNone, false},
        {key('V'), tv, true, kChannelNone, false},
        {key(kKeyEnter, false, true), tv, true, kChannelNone, false},
        {key('N', true, true), tv, true, kChannelNone, false},
    };
    for (const Row& r : rows) {
        const KeyOutcome out = ChannelKeyAction(r.press, r.clipboard, r.tvGrid);
        EXPECT_EQ(std::pair(out.command, out.consumed), std::pair(r.command, r.consumed))
            << r.press.key << " ctrl " << r.press.ctrl << " row " << (&r - rows);
    }
}

TEST(SourceMenus, ItemsAndEnabling) {
    for (SourceGrid grid :
         {SourceGrid::Satellite, SourceGrid::Transponder, SourceGrid::Broadcast}) {
        EXPECT_EQ(Texts(SourceMenuItems(grid)), "New...            Ctrl+N;Update...;"
                                                "Delete             Delete;-;"
                                                "Description...   Enter;");
        EXPECT_EQ(SourceMenuItems(grid)[4].id, kSourceDescription);
    }
    const auto cable = SourceMenuItems(SourceGrid::CableMux);
    ASSERT_EQ(cable.size(), 3u);
    EXPECT_EQ(cable[2].id, kSourceDelete);
    EXPECT_TRUE(SourceMenuItems(SourceGrid::TerrestrialMux).empty());

    EXPECT_TRUE(SourceMenuItemEnabled(kSourceNew, 0));
    for (int id : {kSourceUpdate, kSourceDelete, kSourceDescription})
        EXPECT_TRUE(!SourceMenuItemEnabled(id, 0) && SourceMenuItemEnabled(id, 1)) << id;
}

TEST(SourceKeys, EnterAndDeleteOnly) {
    const KeyPress enter{kKeyEnter, false, false}, del{kKeyDelete, false, false},
        ctrlN{'N', true, false};
    EXPECT_EQ(SourceKeyAction(SourceGrid::Satellite, enter).command, kSourceDescription);
    EXPECT_TRUE(SourceKeyAction(SourceGrid::Broadcast, enter).consumed);
    EXPECT_EQ(SourceKeyAction(SourceGrid::Transponder, del).command, kSourceDelete);
    EXPECT_EQ(SourceKeyAction(SourceGrid::CableMux, del).command, kSourceDelete);
    EXPECT_FALSE(SourceKeyAction(SourceGrid::CableMux, enter).consumed);
    EXPECT_FALSE(SourceKeyAction(SourceGrid::TerrestrialMux, del).consumed);
    const KeyOutcome n = SourceKeyAction(SourceGrid::Satellite, ctrlN);
    EXPECT_EQ(std::pair(n.command, n.consumed), std::pair(int{kSourceNone}, false));
}

} // namespace
