// Tells the left Ctrl and Shift keys from the right ones. Qt's modifier
// flags do not say which side is down, so the frame watches the key events
// and reads their native codes:
//   X11 and Wayland: the keysym (Shift_L 0xFFE1 ... Control_R 0xFFE4) or the
//                    keycode (50, 62, 37, 105);
//   Windows:         the scan code (0x2A, 0x36, 0x1D, 0x11D) or the sided
//                    virtual key (VK_LSHIFT 0xA0 ... VK_RCONTROL 0xA3);
//   macOS:           the virtual key code (56, 60, 59, 62; Qt's Ctrl is
//                    Command there: 55 left, 54 right).
// Where a platform gives none of these (Qt's offscreen and minimal
// platforms), or a key went down while another program had the focus, the
// side is unknown and the key counts as a left key, so that the entries stay
// reachable.
#pragma once

#include <Qt>

class QKeyEvent;

class CKeySides {
public:
    enum class Side { Unknown, Left, Right };

    // The side of a Ctrl or Shift key event from its native codes.
    static Side SideOf(const QKeyEvent& event);

    // Key presses and releases of the whole application pass through here.
    void Track(const QKeyEvent& event);
    // Releases may never arrive once another window has the focus.
    void Forget();

    // `modifiers` is the state Qt reports with the double click: the key is
    // down at that moment and is not known to be the right-hand one.
    bool LeftCtrl(Qt::KeyboardModifiers modifiers) const;
    bool LeftShift(Qt::KeyboardModifiers modifiers) const;

private:
    struct Key {
        bool left = false, right = false;
        bool IsLeft() const { return left || !right; }
    };
    Key m_ctrl, m_shift;
};
