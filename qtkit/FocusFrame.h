// The frame a list or tree draws around its rows while it has the keyboard
// focus, so that a keyboard user sees which pane the keys go to even when
// no row is current. Darker than the selection colour, so it shows over
// selected rows too.
#pragma once

class QAbstractScrollArea;
class QColor;

// Paints the frame on `view`'s viewport when `view` has the focus; call it
// at the end of the view's paintEvent.
void PaintFocusFrame(QAbstractScrollArea& view);
// The colour of that frame.
QColor FocusFrameColor(const QAbstractScrollArea& view);
