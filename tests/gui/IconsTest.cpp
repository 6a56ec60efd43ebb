// The drawn pictures: painted at the size and scale asked, not scaled up
// from a small pixmap, with their outline in the palette's text colour.
#include "views/Icons.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

bool HasColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb() &&
                image.pixelColor(x, y).alpha() == 255)
                return true;
    return false;
}

TEST(Icons, DrawnAtTheDevicePixelsOfEveryScale) {
    for (const qreal scale : {1.0, 1.5, 2.0}) {
        const QPixmap pixmap = Icons::Multiplex().pixmap(QSize(16, 16), scale);
        EXPECT_EQ(pixmap.width(), qRound(16 * scale)) << scale;
        EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), scale);
    }
}

TEST(Icons, OutlineFollowsThePaletteTextColour) {
    const QPalette before = QApplication::palette();
    for (const QColor ink : {QColor(255, 255, 255), QColor(0, 0, 0), QColor(200, 30, 30)}) {
        QPalette palette = before;
        palette.setColor(QPalette::Text, ink);
        QApplication::setPalette(palette);
        // Three full-width lines: the middle of each is solid ink.
        const QImage image = Icons::Multiplex().pixmap(QSize(48, 48)).toImage();
        EXPECT_TRUE(HasColour(image, ink)) << ink.name().toStdString();
    }
    QApplication::setPalette(before);
}

} // namespace
