#include "help/ArrowIcon.h"

#include "drawing/PaintedIcon.h"

#include <QPainterPath>

namespace {

QPixmap Arrow(ArrowDirection direction, int size, bool enabled) {
    return PaintedPixmap(size, [&](QPainter& p, double s) {
        // A right-pointing arrow: a shaft and a triangular head; mirrored for left.
        QPainterPath path;
        path.moveTo(0.12 * s, 0.38 * s);
        path.lineTo(0.52 * s, 0.38 * s);
        path.lineTo(0.52 * s, 0.16 * s);
        path.lineTo(0.90 * s, 0.50 * s);
        path.lineTo(0.52 * s, 0.84 * s);
        path.lineTo(0.52 * s, 0.62 * s);
        path.lineTo(0.12 * s, 0.62 * s);
        path.closeSubpath();
        if (direction == ArrowDirection::Left) {
            p.translate(s, 0);
            p.scale(-1, 1);
        }
        if (enabled) {
            p.setPen(QPen(QColor(0, 0, 96), 1.2));
            p.setBrush(QColor(0, 64, 192));
        } else {
            p.setPen(QPen(QColor(160, 160, 160), 1.2));
            p.setBrush(QColor(222, 222, 222));
        }
        p.drawPath(path);
    });
}

} // namespace

QIcon ArrowIcon(ArrowDirection direction, int size) {
    QIcon icon;
    icon.addPixmap(Arrow(direction, size, true), QIcon::Normal);
    icon.addPixmap(Arrow(direction, size, true), QIcon::Active);
    icon.addPixmap(Arrow(direction, size, false), QIcon::Disabled);
    return icon;
}
