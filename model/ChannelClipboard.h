// The channel clipboard: the keys copied in one of the channel lists and
// whether that was the TV list. One per edit session, shared by both lists.
// The keys name rows of the channel table as it was when they were copied,
// so the session empties the clipboard whenever an edit, undo or load gives
// the table new keys.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

class ChannelClipboard {
public:
    // Copy: replaces what the clipboard held.
    void Set(std::vector<std::uint32_t> keys, bool tv) {
        m_keys = std::move(keys);
        m_bTV = tv;
    }
    void Empty() {
        m_keys.clear();
        m_bTV = false;
    }

    bool IsEmpty() const { return m_keys.empty(); }
    bool IsTV() const { return m_bTV; }
    const std::vector<std::uint32_t>& Keys() const { return m_keys; }
    // Paste and Move here are offered in a list only for keys copied in a
    // list of the same kind.
    bool Matches(bool tvList) const { return !m_keys.empty() && m_bTV == tvList; }

private:
    std::vector<std::uint32_t> m_keys;
    bool m_bTV = false;
};
