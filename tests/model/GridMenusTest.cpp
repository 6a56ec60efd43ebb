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

TEST(ChannelMenu, ItemsInOrderWithTheirTextsAndSeparators) {
    const auto items = ChannelMenuItems(false);
    std::vector<std::string> texts;
    for (const auto& item : items)
        texts.push_back(item.IsSeparator() ? "-" : std::string(item.text));
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "New...        \tCtrl+N", "Update...", "Delete        \tDelete", "-",
                         "Copy          \tCtrl+C", "Paste         \tCtrl+V", "Move here", "-",
                         "Lock...", "Skip...", "-", "Select...", "Invert selection", "-",
                         "Search...", "-", "Description...\tEnter"}));
    EXPECT_EQ(Find(items, kChannelLockOn)->text, "On");
    EXPECT_EQ(Find(items, kChannelSkipOff)->text, "Off");
    EXPECT_EQ(items[11].submenu.size(), 3u);
    EXPECT_EQ(Find(items, kChannelSelectAll)->text, "Select All      Ctrl+A");
    EXPECT_EQ(Find(items, kChannelSelectTuner1), nullptr);
    EXPECT_EQ(Find(items, kChannelSelectCAS)->text, "CAS");
}

TEST(ChannelMenu, TunerItemsOnlyForProductTypeExactlyEight) {
    EXPECT_TRUE(ChannelMenuHasTuners(8));
    for (std::uint32_t type : {0x01u, 0x09u, 0x18u, 0x0Cu})
        EXPECT_FALSE(ChannelMenuHasTuners(type)) << type;
    const auto items = ChannelMenuItems(true);
    EXPECT_EQ(Find(items, kChannelSelectTuner1)->text, "Tuner 1");
    EXPECT_EQ(Find(items, kChannelSelectTuner2)->text, "Tuner 2");
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
    EXPECT_FALSE(state.Enabled(0));
    EXPECT_FALSE(state.Enabled(4));
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

TEST(ChannelKeys, EachKeyOfTheTable) {
    const ClipboardState tv{1, true};
    auto key = [](int k, bool ctrl = false, bool alt = false) { return KeyPress{k, ctrl, alt}; };
    struct Row {
        KeyPress press;
        int command;
        bool consumed;
    } rows[] = {
        {key(kKeyEnter), kChannelDescription, true},
        {key(kKeyEnter, true), kChannelDescription, true},
        {key(kKeyDelete), kChannelDelete, true},
        {key('N', true), kChannelNew, true},
        {key('F', true), kChannelSearch, true},
        {key('C', true), kChannelCopy, false},
        {key('V', true), kChannelPaste, true},
        {key('X', true), kChannelNone, false},
        {key('A', true), kChannelNone, false},
        {key('N'), kChannelNone, false},
        {key('V'), kChannelNone, false},
        {key(kKeyEnter, false, true), kChannelNone, false},
        {key('N', true, true), kChannelNone, false},
    };
    for (const Row& r : rows) {
        const KeyOutcome out = ChannelKeyAction(r.press, tv, true);
        EXPECT_EQ(out.command, r.command) << r.press.key << " ctrl " << r.press.ctrl;
        EXPECT_EQ(out.consumed, r.consumed) << r.press.key << " ctrl " << r.press.ctrl;
    }
}

TEST(ChannelKeys, CtrlVIsSwallowedWithoutPasteOnAMismatch) {
    const KeyPress ctrlV{'V', true, false};
    for (auto [clipboard, tvGrid] :
         {std::pair{ClipboardState{2, false}, true}, std::pair{ClipboardState{2, true}, false},
          std::pair{ClipboardState{0, true}, true}}) {
        const KeyOutcome out = ChannelKeyAction(ctrlV, clipboard, tvGrid);
        EXPECT_EQ(out.command, kChannelNone);
        EXPECT_TRUE(out.consumed);
    }
    EXPECT_EQ(ChannelKeyAction(ctrlV, {2, false}, false).command, kChannelPaste);
}

TEST(SourceMenus, ItemsAndEnabling) {
    for (SourceGrid grid :
         {SourceGrid::Satellite, SourceGrid::Transponder, SourceGrid::Broadcast}) {
        std::vector<std::string> texts;
        for (const auto& item : SourceMenuItems(grid))
            texts.push_back(item.IsSeparator() ? "-" : std::string(item.text));
        EXPECT_EQ(texts, (std::vector<std::string>{"New...            Ctrl+N", "Update...",
                                                   "Delete             Delete", "-",
                                                   "Description...   Enter"}));
        EXPECT_EQ(SourceMenuItems(grid)[4].id, kSourceDescription);
    }
    const auto cable = SourceMenuItems(SourceGrid::CableMux);
    ASSERT_EQ(cable.size(), 3u);
    EXPECT_EQ(cable[2].id, kSourceDelete);
    EXPECT_TRUE(SourceMenuItems(SourceGrid::TerrestrialMux).empty());

    EXPECT_TRUE(SourceMenuItemEnabled(kSourceNew, 0));
    for (int id : {kSourceUpdate, kSourceDelete, kSourceDescription}) {
        EXPECT_FALSE(SourceMenuItemEnabled(id, 0));
        EXPECT_TRUE(SourceMenuItemEnabled(id, 1));
    }
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
    EXPECT_FALSE(SourceKeyAction(SourceGrid::Satellite, ctrlN).consumed);
    EXPECT_EQ(SourceKeyAction(SourceGrid::Satellite, ctrlN).command, kSourceNone);
}

} // namespace
