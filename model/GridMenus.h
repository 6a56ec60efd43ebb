// The context menus and editing keys of the grids, as data and pure rules:
// which items a menu has, which are enabled for a given state, and what a
// key does. The editor builds its menus from these; the command-line tool
// and the tests read the same rules.
#pragma once

#include <array>

#include "platform/Translate.h"
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// ---- Channel lists ---------------------------------------------------------------

// Command ids of the channel lists' menu; keys run the same ids.
enum ChannelCommandId : int {
    kChannelNone = 0,
    kChannelNew = 1,
    kChannelUpdate = 2,
    kChannelDelete = 3,
    kChannelCopy = 5,
    kChannelPaste = 6,
    kChannelMoveHere = 7,
    kChannelLockOn = 8,
    kChannelLockOff = 9,
    kChannelSkipOn = 10,
    kChannelSkipOff = 11,
    kChannelSelectAll = 12,
    kChannelSelectLocked = 13,
    kChannelSelectCAS = 14,
    kChannelSelectTuner1 = 15,
    kChannelSelectTuner2 = 16,
    kChannelInvertSelection = 17,
    kChannelSearch = 18,
    kChannelDescription = 19,
};

inline constexpr std::string_view kDeleteItemText =
    VELMAR_TRANSLATE_NOOP("Velmar", "Delete        \tDelete");
inline constexpr std::string_view kRemoveFromFavText =
    VELMAR_TRANSLATE_NOOP("Velmar", "Remove from FAV");

// One menu entry: a command (id > 0), a separator (id 0, no text, no
// submenu) or a submenu holder (id 0, text, submenu items).
struct MenuItem {
    int id = 0;
    std::string_view text;
    std::vector<MenuItem> submenu;
    bool IsSeparator() const { return id == 0 && text.empty(); }
};

// Whether the "Select..." submenu has Tuner 1 and Tuner 2: only when the
// product type is exactly 8 at the first right click.
bool ChannelMenuHasTuners(std::uint32_t productType);
// The channel lists' menu in order, with item 3 reading "Delete".
std::vector<MenuItem> ChannelMenuItems(bool withTuners);

// What the channel clipboard holds, as far as menus and keys care.
struct ClipboardState {
    std::size_t keys = 0;
    bool tv = false; // copied in the TV list
};
// Paste and Move here need keys copied in a list of the same kind.
bool ClipboardMatches(ClipboardState clipboard, bool tvGrid);

struct ChannelMenuState {
    std::array<bool, kChannelDescription + 1> enabled{}; // by command id
    std::string_view deleteText = kDeleteItemText;
    bool Enabled(int id) const {
        return id > 0 && id <= kChannelDescription && enabled[static_cast<std::size_t>(id)];
    }
};
// The enabling rule at a right click: the filter kind (favourite mode 7 and
// genre mode 8 disable New, Copy, Paste and Move here; favourite mode renames
// item 3), then the clipboard for Paste and Move here, then the selection for
// Update, Delete, Copy and Description. Items the rule does not name
// (Lock, Skip, Select, Invert, Search) are always enabled.
ChannelMenuState ChannelMenuRule(int filterKind, int selectedRows, ClipboardState clipboard,
                                 bool tvGrid);

// A key-down as the grids see it. `key` is kKeyEnter, kKeyDelete or an
// upper-case letter; Alt turns a key into a system key, which no grid handles.
inline constexpr int kKeyEnter = 0x0D;
inline constexpr int kKeyDelete = 0x2E;
struct KeyPress {
    int key = 0;
    bool ctrl = false;
    bool alt = false;
};
// What a key does: the command it runs (kChannelNone for none) and whether
// the grid control still gets the key afterwards.
struct KeyOutcome {
    int command = kChannelNone;
    bool consumed = false;
};
// Enter: Description; Delete: Delete (or the removal from a favourite list);
// Ctrl+N: New; Ctrl+F: Search; Ctrl+C: Copy, and the key goes on; Ctrl+V:
// always consumed, Paste only when the clipboard matches; all else goes on.
KeyOutcome ChannelKeyAction(KeyPress key, ClipboardState clipboard, bool tvGrid);

// ---- Satellite, transponder, broadcaster and cable multiplex grids -------------

enum SourceCommandId : int {
    kSourceNone = 0,
    kSourceNew = 1,
    kSourceUpdate = 2,
    kSourceDelete = 3,
    kSourceDescription = 4,
};

enum class SourceGrid { Satellite, Transponder, Broadcast, CableMux, TerrestrialMux };

// Satellite, transponder and broadcaster grids: New, Update, Delete, a
// separator, Description. The cable grid: the first three, no separator. The
// terrestrial grid has no menu.
std::vector<MenuItem> SourceMenuItems(SourceGrid grid);
// New always; Update, Delete and Description only with a selected row.
bool SourceMenuItemEnabled(int id, int selectedRows);
// Enter runs Description (not on the cable grid), Delete runs Delete; both
// consumed. Nothing else; the terrestrial grid handles no key.
KeyOutcome SourceKeyAction(SourceGrid grid, KeyPress key);
