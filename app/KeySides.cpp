#include "app/KeySides.h"

#include <QKeyEvent>

namespace {

struct Codes {
    quint32 keysym, x11Keycode, winScan, winVirtual, macVirtual;
};

// Left, then right, per key; see the header for where each code comes from.
constexpr Codes kShift[2] = {{0xFFE1, 50, 0x2A, 0xA0, 56}, {0xFFE2, 62, 0x36, 0xA1, 60}};
constexpr Codes kCtrl[2] = {{0xFFE3, 37, 0x1D, 0xA2, 59}, {0xFFE4, 105, 0x11D, 0xA3, 62}};
constexpr quint32 kMacCommand[2] = {55, 54};

bool Matches(const Codes& c, quint32 scan, quint32 virt) {
    return virt == c.keysym || virt == c.winVirtual || virt == c.macVirtual ||
           scan == c.x11Keycode || scan == c.winScan;
}

} // namespace

CKeySides::Side CKeySides::SideOf(const QKeyEvent& event) {
    const quint32 scan = event.nativeScanCode();
    const quint32 virt = event.nativeVirtualKey();
    if (scan == 0 && virt == 0)
        return Side::Unknown;
    const Codes* table = event.key() == Qt::Key_Shift     ? kShift
                         : event.key() == Qt::Key_Control ? kCtrl
                                                          : nullptr;
    if (!table)
        return Side::Unknown;
    // The right-hand codes first: on Windows the right Ctrl is the left
    // one's scan code with the extended bit (0x100).
    if (Matches(table[1], scan, virt) || (table == kCtrl && virt == kMacCommand[1]))
        return Side::Right;
    if (Matches(table[0], scan, virt) || (table == kCtrl && virt == kMacCommand[0]))
        return Side::Left;
    return Side::Unknown;
}

void CKeySides::Track(const QKeyEvent& event) {
    Key* key = event.key() == Qt::Key_Shift     ? &m_shift
               : event.key() == Qt::Key_Control ? &m_ctrl
                                                : nullptr;
    if (!key || event.isAutoRepeat())
        return;
    const bool down = event.type() == QEvent::KeyPress;
    switch (SideOf(event)) {
    case Side::Left:
        key->left = down;
        break;
    case Side::Right:
        key->right = down;
        break;
    case Side::Unknown:
        if (!down)
            *key = {};
        break;
    }
}

void CKeySides::Forget() {
    m_ctrl = {};
    m_shift = {};
}

bool CKeySides::LeftCtrl(Qt::KeyboardModifiers modifiers) const {
    return (modifiers & Qt::ControlModifier) && m_ctrl.IsLeft();
}

bool CKeySides::LeftShift(Qt::KeyboardModifiers modifiers) const {
    return (modifiers & Qt::ShiftModifier) && m_shift.IsLeft();
}
