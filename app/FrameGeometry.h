// Where the main window opens: its usual size, centred in the screen's
// available area when that has room, otherwise as much of the area as there
// is, never partly off screen.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

inline constexpr QSize kFrameSize{1024, 768};
// Below this the panes would squeeze a grid or a list out of sight; small
// enough to fit a 1366 x 768 screen at 200 % (683 x 384 logical pixels)
// with a title bar.
inline constexpr QSize kFrameMinimumSize{480, 320};

// The window's client rectangle for a screen whose available area is
// `available`; `decoration` is what the window system adds around it (title
// bar, borders), so that the whole frame stays inside the area.
QRect InitialFrameGeometry(const QRect& available, const QMargins& decoration = {},
                           QSize wanted = kFrameSize);
