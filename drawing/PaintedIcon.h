#pragma once

#include <QPainter>
#include <QPixmap>

// A square picture of `size` pixels, transparent where nothing is drawn,
// painted by `paint(painter, size)` with antialiasing: the way the program
// draws its small icons instead of loading them, at whatever size a style
// asks for.
template <class Paint> QPixmap PaintedPixmap(int size, Paint paint) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, static_cast<double>(size));
    return pixmap;
}
