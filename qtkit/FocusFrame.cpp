#include "qtkit/FocusFrame.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPainter>
#include <QPen>

namespace {
constexpr int kFrameWidth = 2;
}

QColor FocusFrameColor(const QAbstractScrollArea& view) {
    return view.palette().color(QPalette::Active, QPalette::Highlight).darker(160);
}

void PaintFocusFrame(QAbstractScrollArea& view) {
    if (!view.hasFocus())
        return;
    QWidget* viewport = view.viewport();
    QPainter painter(viewport);
    painter.setPen(
        QPen(FocusFrameColor(view), kFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    // The pen is centred on the rectangle: inset by half its width, the
    // frame lies wholly inside the viewport.
    const int half = kFrameWidth / 2;
    painter.drawRect(viewport->rect().adjusted(half, half, -half, -half));
}
