#include "views/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

// Draws the picture on a 24-unit canvas at 16 and 24 pixels.
QIcon Draw(const std::function<void(QPainter&)>& paint) {
    QIcon icon;
    for (int size : {16, 24}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        paint(p);
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QColor kInk(40, 60, 90);

} // namespace

namespace Icons {

QIcon TV() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(120, 170, 230));
        p.drawRoundedRect(QRectF(3, 5, 18, 12), 2, 2);
        p.drawLine(QPointF(8, 21), QPointF(16, 21));
        p.drawLine(QPointF(12, 17), QPointF(12, 21));
    });
}

QIcon Radio() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(240, 190, 90));
        p.drawRoundedRect(QRectF(3, 8, 18, 12), 2, 2);
        p.drawLine(QPointF(6, 8), QPointF(17, 3));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(16, 14), 2.5, 2.5);
    });
}

QIcon Scrambled() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(200, 90, 90));
        p.drawRoundedRect(QRectF(3, 6, 18, 12), 2, 2);
        p.setPen(QPen(Qt::white, 2));
        p.drawText(QRectF(3, 6, 18, 12), Qt::AlignCenter, "$");
    });
}

QIcon Locked() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7, 3, 10, 12), 0, 180 * 16);
        p.drawLine(QPointF(7, 9), QPointF(7, 11));
        p.drawLine(QPointF(17, 9), QPointF(17, 11));
        p.setBrush(QColor(230, 180, 60));
        p.drawRoundedRect(QRectF(5, 11, 14, 10), 2, 2);
    });
}

QIcon Skipped() {
    return Draw([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        QPainterPath arrows;
        arrows.moveTo(3, 5);
        arrows.lineTo(11, 12);
        arrows.lineTo(3, 19);
        arrows.moveTo(11, 5);
        arrows.lineTo(19, 12);
        arrows.lineTo(11, 19);
        p.drawPath(arrows);
        p.drawRect(QRectF(19, 5, 2, 14));
    });
}

QIcon Tuner() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(150, 200, 150));
        p.drawRect(QRectF(4, 8, 16, 10));
        p.drawLine(QPointF(8, 8), QPointF(8, 3));
        p.drawLine(QPointF(16, 8), QPointF(16, 3));
    });
}

QIcon Satellite() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(120, 170, 230));
        p.drawRect(QRectF(2, 9, 7, 6));
        p.drawRect(QRectF(15, 9, 7, 6));
        p.setBrush(QColor(220, 220, 220));
        p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
    });
}

QIcon Transponder() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 120 * 16);
        p.drawArc(QRectF(8, 8, 8, 8), 30 * 16, 120 * 16);
        p.drawLine(QPointF(12, 12), QPointF(12, 21));
    });
}

QIcon Multiplex() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        for (int y : {6, 12, 18})
            p.drawLine(QPointF(4, y), QPointF(20, y));
    });
}

QIcon FolderClosed() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(240, 200, 100));
        p.drawRect(QRectF(3, 7, 18, 13));
        p.drawRect(QRectF(3, 4, 8, 3));
    });
}

QIcon FolderOpen() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(250, 220, 140));
        QPainterPath path;
        path.moveTo(3, 20);
        path.lineTo(6, 10);
        path.lineTo(22, 10);
        path.lineTo(19, 20);
        path.closeSubpath();
        p.drawPath(path);
    });
}

} // namespace Icons
