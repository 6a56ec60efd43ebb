#include "model/GridMenus.h"

#include "platform/Translate.h"

namespace {

constexpr int kFavoriteMode = 7;
constexpr int kGenreMode = 8;

MenuItem Separator() {
    return {};
}

} // namespace

bool ChannelMenuHasTuners(std::uint32_t productType) {
    return productType == 8;
}

std::vector<MenuItem> ChannelMenuItems(bool withTuners) {
    std::vector<MenuItem> select = {
        {kChannelSelectAll, VELMAR_TRANSLATE_NOOP("Velmar", "Select All      Ctrl+A"), {}},
        {kChannelSelectLocked, VELMAR_TRANSLATE_NOOP("Velmar", "Locked"), {}},
        {kChannelSelectCAS, VELMAR_TRANSLATE_NOOP("Velmar", "CAS"), {}}};
    if (withTuners) {
        select.push_back({kChannelSelectTuner1, VELMAR_TRANSLATE_NOOP("Velmar", "Tuner 1"), {}});
        select.push_back({kChannelSelectTuner2, VELMAR_TRANSLATE_NOOP("Velmar", "Tuner 2"), {}});
    }
    return {{kChannelNew, VELMAR_TRANSLATE_NOOP("Velmar", "New...        \tCtrl+N"), {}},
            {kChannelUpdate, VELMAR_TRANSLATE_NOOP("Velmar", "Update..."), {}},
            {kChannelDelete, kDeleteItemText, {}},
            Separator(),
            {kChannelCopy, VELMAR_TRANSLATE_NOOP("Velmar", "Copy          \tCtrl+C"), {}},
            {kChannelPaste, VELMAR_TRANSLATE_NOOP("Velmar", "Paste         \tCtrl+V"), {}},
            {kChannelMoveHere, VELMAR_TRANSLATE_NOOP("Velmar", "Move here"), {}},
            Separator(),
            {0,
             VELMAR_TRANSLATE_NOOP("Velmar", "Lock..."),
             {{kChannelLockOn, VELMAR_TRANSLATE_NOOP("Velmar", "On"), {}},
              {kChannelLockOff, VELMAR_TRANSLATE_NOOP("Velmar", "Off"), {}}}},
            {0,
             VELMAR_TRANSLATE_NOOP("Velmar", "Skip..."),
             {{kChannelSkipOn, VELMAR_TRANSLATE_NOOP("Velmar", "On"), {}},
              {kChannelSkipOff, VELMAR_TRANSLATE_NOOP("Velmar", "Off"), {}}}},
            Separator(),
            {0, VELMAR_TRANSLATE_NOOP("Velmar", "Select..."), select},
            {kChannelInvertSelection, VELMAR_TRANSLATE_NOOP("Velmar", "Invert selection"), {}},
            Separator(),
            {kChannelSearch, VELMAR_TRANSLATE_NOOP("Velmar", "Search..."), {}},
            Separator(),
            {kChannelDescription, VELMAR_TRANSLATE_NOOP("Velmar", "Description...\tEnter"), {}}};
}

bool ClipboardMatches(ClipboardState clipboard, bool tvGrid) {
    return clipboard.keys > 0 && clipboard.tv == tvGrid;
}

ChannelMenuState ChannelMenuRule(int filterKind, int selectedRows, ClipboardState clipboard,
                                 bool tvGrid) {
    ChannelMenuState state;
    state.enabled.fill(true);
    state.enabled[kChannelNone] = false;
    state.enabled[4] = false; // no item has id 4
    auto set = [&](int id, bool on) { state.enabled[static_cast<std::size_t>(id)] = on; };
    if (filterKind == kFavoriteMode || filterKind == kGenreMode) {
        for (int id : {kChannelNew, kChannelCopy, kChannelPaste, kChannelMoveHere})
            set(id, false);
        state.deleteText = filterKind == kFavoriteMode ? kRemoveFromFavText : kDeleteItemText;
    } else {
        const bool paste = ClipboardMatches(clipboard, tvGrid);
        set(kChannelPaste, paste);
        set(kChannelMoveHere, paste);
    }
    // Last, whatever the mode: so Copy comes back in favourite and genre mode.
    for (int id : {kChannelUpdate, kChannelDelete, kChannelCopy, kChannelDescription})
        set(id, selectedRows > 0);
    return state;
}

KeyOutcome ChannelKeyAction(KeyPress key, ClipboardState clipboard, bool tvGrid) {
    if (key.alt)
        return {};
    if (key.key == kKeyEnter)
        return {kChannelDescription, true};
    if (key.key == kKeyDelete)
        return {kChannelDelete, true};
    if (!key.ctrl)
        return {};
    switch (key.key) {
    case 'N':
        return {kChannelNew, true};
    case 'F':
        return {kChannelSearch, true};
    case 'C':
        return {kChannelCopy, false};
    case 'V':
        return {ClipboardMatches(clipboard, tvGrid) ? kChannelPaste : kChannelNone, true};
    default:
        return {};
    }
}

std::vector<MenuItem> SourceMenuItems(SourceGrid grid) {
    switch (grid) {
    case SourceGrid::TerrestrialMux:
        return {};
    case SourceGrid::CableMux:
        return {{kSourceNew, VELMAR_TRANSLATE_NOOP("Velmar", "New...            Ctrl+N"), {}},
                {kSourceUpdate, VELMAR_TRANSLATE_NOOP("Velmar", "Update..."), {}},
                {kSourceDelete, VELMAR_TRANSLATE_NOOP("Velmar", "Delete             Delete"), {}}};
    default:
        return {
            {kSourceNew, VELMAR_TRANSLATE_NOOP("Velmar", "New...            Ctrl+N"), {}},
            {kSourceUpdate, VELMAR_TRANSLATE_NOOP("Velmar", "Update..."), {}},
            {kSourceDelete, VELMAR_TRANSLATE_NOOP("Velmar", "Delete             Delete"), {}},
            Separator(),
            {kSourceDescription, VELMAR_TRANSLATE_NOOP("Velmar", "Description...   Enter"), {}}};
    }
}

bool SourceMenuItemEnabled(int id, int selectedRows) {
    return id == kSourceNew ||
           (id >= kSourceUpdate && id <= kSourceDescription && selectedRows > 0);
}

KeyOutcome SourceKeyAction(SourceGrid grid, KeyPress key) {
    if (key.alt || grid == SourceGrid::TerrestrialMux)
        return {};
    if (key.key == kKeyDelete)
        return {kSourceDelete, true};
    if (key.key == kKeyEnter && grid != SourceGrid::CableMux)
        return {kSourceDescription, true};
    return {};
}
