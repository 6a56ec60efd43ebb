// Accessible names for the controls that have none of their own. A screen
// reader announces a control by its accessible name; most of the editor's
// controls are named by what the window already shows beside them (a label,
// a group box, their own text), so the name is read from there instead of
// being written twice. The texts come from the widgets, so they are in the
// language the window speaks.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

// What names `widget` where the window shows it, in this order: the QLabel
// whose buddy it is, its own text (buttons), the QLabel beside it in its
// layout (its form row's label, the grid cell to its left, the item before
// it in a row or column; the first control of a nested row takes the label
// of the row), the title of the tab page it is on, its tooltip, its
// placeholder text (line edits, combo boxes), the title of the group box it
// is in. Mnemonic ampersands and a closing colon are taken out. Empty when
// nothing names it.
QString DerivedAccessibleName(const QWidget& widget);

// Watches every widget of the application (install it on the application):
// a focusable widget without an accessible name gets the derived one when it
// is polished and again whenever it is shown, so a label that changed in
// between is followed. A name set by the program is never touched.
class CAccessibleNames final : public QObject {
public:
    explicit CAccessibleNames(QObject* parent = nullptr) : QObject(parent) {}

    // Names `widget` now, as the filter would; true when it has a name after.
    static bool Name(QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
