// Left and right Ctrl and Shift told apart from the native codes each
// platform puts into its key events.
#include "app/KeySides.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

constexpr QEvent::Type kDown = QEvent::KeyPress, kUp = QEvent::KeyRelease;

QKeyEvent Key(QEvent::Type type, int key, quint32 scan, quint32 virt, bool repeat = false) {
    return QKeyEvent(type, key, Qt::NoModifier, scan, virt, 0, QString(), repeat);
}

using Side = CKeySides::Side;

} // namespace

TEST(KeySides, NativeCodesOfEachPlatform) {
    struct Case {
        const char* what;
        int key;
        quint32 scan, virt;
        Side side;
    } cases[] = {
        {"X11 Shift_L", Qt::Key_Shift, 50, 0xFFE1, Side::Left},
        {"X11 Shift_R", Qt::Key_Shift, 62, 0xFFE2, Side::Right},
        {"X11 Control_L", Qt::Key_Control, 37, 0xFFE3, Side::Left},
        {"X11 Control_R", Qt::Key_Control, 105, 0xFFE4, Side::Right},
        {"keysym alone", Qt::Key_Shift, 0, 0xFFE2, Side::Right},
        {"keycode alone", Qt::Key_Control, 105, 0, Side::Right},
        {"Windows left Shift", Qt::Key_Shift, 0x2A, 0x10, Side::Left},
        {"Windows right Shift", Qt::Key_Shift, 0x36, 0x10, Side::Right},
        {"Windows left Ctrl", Qt::Key_Control, 0x1D, 0x11, Side::Left},
        {"Windows right Ctrl (extended)", Qt::Key_Control, 0x11D, 0x11, Side::Right},
        {"Windows VK_RSHIFT", Qt::Key_Shift, 0, 0xA1, Side::Right},
        {"macOS left Shift", Qt::Key_Shift, 0, 56, Side::Left},
        {"macOS right Shift", Qt::Key_Shift, 0, 60, Side::Right},
        {"macOS left Command", Qt::Key_Control, 0, 55, Side::Left},
        {"macOS right Command", Qt::Key_Control, 0, 54, Side::Right},
        {"no codes (offscreen)", Qt::Key_Shift, 0, 0, Side::Unknown},
        {"not a modifier", Qt::Key_A, 38, 0x61, Side::Unknown},
        {"unknown code", Qt::Key_Shift, 999, 0, Side::Unknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CKeySides::SideOf(Key(kDown, c.key, c.scan, c.virt)), c.side) << c.what;
}

TEST(KeySides, OnlyTheLeftKeyCountsWhileItIsDown) {
    CKeySides keys;
    EXPECT_FALSE(keys.LeftShift(Qt::NoModifier)) << "no Shift at the click";
    EXPECT_TRUE(keys.LeftShift(Qt::ShiftModifier)) << "a Shift nobody saw go down counts as left";

    keys.Track(Key(kDown, Qt::Key_Shift, 62, 0xFFE2));
    EXPECT_FALSE(keys.LeftShift(Qt::ShiftModifier)) << "the right Shift alone";
    EXPECT_TRUE(keys.LeftCtrl(Qt::ControlModifier)) << "Ctrl is tracked apart from Shift";
    keys.Track(Key(kDown, Qt::Key_Shift, 50, 0xFFE1));
    EXPECT_TRUE(keys.LeftShift(Qt::ShiftModifier)) << "both: the left one is down";
    keys.Track(Key(kUp, Qt::Key_Shift, 50, 0xFFE1));
    EXPECT_FALSE(keys.LeftShift(Qt::ShiftModifier)) << "the right one is still held";
    keys.Track(Key(kUp, Qt::Key_Shift, 62, 0xFFE2));
    EXPECT_TRUE(keys.LeftShift(Qt::ShiftModifier));

    keys.Track(Key(kDown, Qt::Key_Control, 105, 0xFFE4));
    EXPECT_FALSE(keys.LeftCtrl(Qt::ControlModifier));
    keys.Forget();
    EXPECT_TRUE(keys.LeftCtrl(Qt::ControlModifier)) << "after the focus left, nothing is known";

    keys.Track(Key(kDown, Qt::Key_Shift, 62, 0xFFE2));
    keys.Track(Key(kUp, Qt::Key_Shift, 62, 0xFFE2, true));
    EXPECT_FALSE(keys.LeftShift(Qt::ShiftModifier)) << "an auto-repeat changes nothing";
    keys.Track(Key(kUp, Qt::Key_Shift, 0, 0));
    EXPECT_TRUE(keys.LeftShift(Qt::ShiftModifier)) << "a release without codes clears the key";
}
