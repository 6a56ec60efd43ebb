// The two hidden entries on a double click of the caption bar: with the left
// Ctrl key the configuration dialog, with the left Shift key the channel table
// written as a C source fragment of the default channel data. Without either
// key, or with the right-hand ones, the double click gets its default handling.
//
// Where the caption belongs to the window manager (X11, Wayland) Qt never sees
// a double click on it; there a double click on the toolbar's empty area
// stands in for the caption bar. Where the platform delivers the non-client
// double click itself (Windows), that one is handled as well. Which key is
// down comes from CKeySides.
#pragma once

#include "app/KeySides.h"

#include <QObject>

class IUiSeam;
class QMainWindow;
class QToolBar;

class CCaptionEntries final : public QObject {
    Q_OBJECT
public:
    CCaptionEntries(QMainWindow& frame, QToolBar& toolbar, IUiSeam& ui);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A double click with `modifiers` held; false when no entry ran and the
    // click is left to its default handling.
    bool DoubleClick(Qt::KeyboardModifiers modifiers);
    // Left Ctrl: the configuration dialog, then the restart notice on OK.
    void ShowConfiguration();
    // Left Shift: the channel table as a C source fragment.
    void ExportDefaultChannelData();

    QMainWindow& m_frame;
    QToolBar& m_toolbar;
    IUiSeam& m_ui;
    CKeySides m_keys;
};
