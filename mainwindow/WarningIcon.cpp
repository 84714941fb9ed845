#include "mainwindow/WarningIcon.h"

#include "drawing/PaintedIcon.h"

#include <QPainterPath>

namespace {

void PaintWarning(QPainter& p, double s) {
    QPainterPath triangle;
    triangle.moveTo(0.50 * s, 0.06 * s);
    triangle.lineTo(0.96 * s, 0.90 * s);
    triangle.lineTo(0.04 * s, 0.90 * s);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(128, 80, 0), s / 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 200, 0));
    p.drawPath(triangle);
    // The mark: a tapering stroke and a dot below it.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath stroke;
    stroke.moveTo(0.44 * s, 0.32 * s);
    stroke.lineTo(0.56 * s, 0.32 * s);
    stroke.lineTo(0.53 * s, 0.64 * s);
    stroke.lineTo(0.47 * s, 0.64 * s);
    stroke.closeSubpath();
    p.drawPath(stroke);
    p.drawEllipse(QPointF(0.50 * s, 0.76 * s), 0.065 * s, 0.065 * s);
}

} // namespace

QIcon WarningIcon() {
    QIcon icon;
    for (const int size : {16, 32})
        icon.addPixmap(PaintedPixmap(size, PaintWarning));
    return icon;
}
