#include "app/FrameGeometry.h"

#include <algorithm>

QRect InitialFrameGeometry(const QRect& available, const QMargins& decoration, QSize wanted) {
    QRect inside = available.marginsRemoved(decoration);
    if (inside.width() < 1 || inside.height() < 1)
        inside = available; // decoration bigger than the screen: the client at least fits
    const int width = std::max(1, std::min(wanted.width(), inside.width()));
    const int height = std::max(1, std::min(wanted.height(), inside.height()));
    QRect client(0, 0, width, height);
    client.moveCenter(inside.center());
    // An odd leftover puts the centre half a pixel off; keep inside anyway.
    client.moveLeft(std::max(inside.left(), std::min(client.left(), inside.right() + 1 - width)));
    client.moveTop(std::max(inside.top(), std::min(client.top(), inside.bottom() + 1 - height)));
    return client;
}
