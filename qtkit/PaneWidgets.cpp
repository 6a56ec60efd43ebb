#include "qtkit/PaneWidgets.h"

#include <QPalette>

CColorStatic::CColorStatic(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setFixedHeight(20);
}

CColorSplitWnd::CColorSplitWnd(Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent) {
    setHandleWidth(10);
    setChildrenCollapsible(false);
    setStyleSheet("QSplitter::handle { background: palette(button); }");
}
