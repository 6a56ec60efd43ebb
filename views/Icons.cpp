#include "views/Icons.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

#include <algorithm>
#include <functional>
#include <utility>

namespace {

using Painter = std::function<void(QPainter&, const QColor& ink)>;

// Paints the picture, drawn on a 24-unit canvas, at whatever size and
// device pixel ratio is asked, with the outline in the palette's text
// colour at that moment: sharp at every scale and visible on any theme.
class CDrawnIconEngine final : public QIconEngine {
public:
    // `selected`, when given, is the picture of the selected state.
    explicit CDrawnIconEngine(Painter paint, Painter selected = {})
        : m_paint(std::move(paint)), m_selected(std::move(selected)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2.0,
                           rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 24.0, side / 24.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.45);
        (mode == QIcon::Selected && m_selected ? m_selected : m_paint)(*painter, Ink(mode));
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // QIcon asks with the size already in device pixels.
        const QSize device = size;
        QPixmap pixmap(device);
        pixmap.fill(Qt::transparent);
        {
            QPainter p(&pixmap);
            paint(&p, QRect(QPoint(), device), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }
    QIconEngine* clone() const override { return new CDrawnIconEngine(m_paint, m_selected); }
    QString key() const override { return QStringLiteral("CDrawnIconEngine"); }
    // The sizes the views ask for: the pictures are drawn at any other, too.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24)};
    }

private:
    static QColor Ink(QIcon::Mode mode) {
        const QPalette palette = QGuiApplication::palette();
        return palette.color(mode == QIcon::Selected ? QPalette::HighlightedText : QPalette::Text);
    }
    Painter m_paint, m_selected;
};

QIcon Draw(Painter paint, Painter selected = {}) {
    return QIcon(new CDrawnIconEngine(std::move(paint), std::move(selected)));
}

void PaintFolderClosed(QPainter& p, const QColor& ink) {
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(240, 200, 100));
    p.drawRect(QRectF(3, 7, 18, 13));
    p.drawRect(QRectF(3, 4, 8, 3));
}

void PaintFolderOpen(QPainter& p, const QColor& ink) {
    p.setPen(QPen(ink, 1.5));
    p.setBrush(QColor(250, 220, 140));
    QPainterPath path;
    path.moveTo(3, 20);
    path.lineTo(6, 10);
    path.lineTo(22, 10);
    path.lineTo(19, 20);
    path.closeSubpath();
    p.drawPath(path);
}

} // namespace

namespace Icons {

QIcon TV() {
    return Draw([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 2));
        p.setBrush(QColor(120, 170, 230));
        p.drawRoundedRect(QRectF(3, 5, 18, 12), 2, 2);
        p.drawLine(QPointF(8, 21), QPointF(16, 21));
        p.drawLine(QPointF(12, 17), QPointF(12, 21));
    });
}

QIcon Radio() {
    return Draw([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 2));
        p.setBrush(QColor(240, 190, 90));
        p.drawRoundedRect(QRectF(3, 8, 18, 12), 2, 2);
        p.drawLine(QPointF(6, 8), QPointF(17, 3));
        p.setBrush(ink);
        p.drawEllipse(QPointF(16, 14), 2.5, 2.5);
    });
}

QIcon Scrambled() {
    return Draw([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 2));
        p.setBrush(QColor(200, 90, 90));
        p.drawRoundedRect(QRectF(3, 6, 18, 12), 2, 2);
        p.setPen(QPen(Qt::white, 2));
        p.drawText(QRectF(3, 6, 18, 12), Qt::AlignCenter, "$");
    });
}

QIcon Locked() {
    return Draw([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(7, 3, 10, 12), 0, 180 * 16);
        p.drawLine(QPointF(7, 9), QPointF(7, 11));
        p.drawLine(QPointF(17, 9), QPointF(17, 11));
        p.setBrush(QColor(230, 180, 60));
        p.drawRoundedRect(QRectF(5, 11, 14, 10), 2, 2);
    });
}

QIcon Skipped() {
    return Draw([](QPainter& p, const QColor& ink) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
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
    return Draw([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 2));
        p.setBrush(QColor(150, 200, 150));
        p.drawRect(QRectF(4, 8, 16, 10));
        p.drawLine(QPointF(8, 8), QPointF(8, 3));
        p.drawLine(QPointF(16, 8), QPointF(16, 3));
    });
}

QIcon Satellite() {
    return Draw([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 2));
        p.setBrush(QColor(120, 170, 230));
        p.drawRect(QRectF(2, 9, 7, 6));
        p.drawRect(QRectF(15, 9, 7, 6));
        p.setBrush(QColor(220, 220, 220));
        p.drawEllipse(QPointF(12, 12), 3.5, 3.5);
    });
}

QIcon Transponder() {
    return Draw([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 120 * 16);
        p.drawArc(QRectF(8, 8, 8, 8), 30 * 16, 120 * 16);
        p.drawLine(QPointF(12, 12), QPointF(12, 21));
    });
}

QIcon Multiplex() {
    return Draw([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 2));
        for (int y : {6, 12, 18})
            p.drawLine(QPointF(4, y), QPointF(20, y));
    });
}

QIcon Folder() {
    return Draw(PaintFolderClosed, PaintFolderOpen);
}

QIcon Print() {
    return Draw([](QPainter& p, const QColor& ink) {
        p.setPen(QPen(ink, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(7, 3, 10, 6)); // the paper going in
        p.setBrush(QColor(170, 180, 195));
        p.drawRoundedRect(QRectF(3, 9, 18, 8), 1.5, 1.5);
        p.setBrush(QColor(250, 250, 250));
        p.drawRect(QRectF(7, 14, 10, 7)); // the page coming out
        p.drawLine(QPointF(9, 17), QPointF(15, 17));
    });
}

} // namespace Icons
