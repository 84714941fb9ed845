#pragma once

#include "drawing/DrawingWindow.h"
#include "drawing/Twips.h"

#include <QImage>
#include <cmath>
#include <memory>

// Sizes of the real drawing windows: normal and live views, enlarged views.
constexpr int NormalSide = 5200, EnlargedSide = 10700;

inline std::unique_ptr<DrawingWindow> MakeView(int index, int sideTwips, double edge,
                                               bool persistent = true) {
    auto w = std::make_unique<DrawingWindow>(index);
    w->resize(Twips(sideTwips), Twips(sideTwips));
    w->SetScale(-edge, edge, edge, -edge);
    w->SetPersistent(persistent);
    return w;
}

// The widget pixel a user point falls in.
inline QPoint PixelOf(const DrawingWindow& w, double x, double y) {
    const QPointF p = w.ToWidget(x, y);
    return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

inline bool IsInk(const QImage& im, QPoint p, QColor ink = Qt::black) {
    return im.rect().contains(p) && QColor(im.pixel(p)) == ink;
}

// Dark pixels (any colour of text or line ink) in the widget rectangle between
// two user points.
inline int DarkPixels(const QImage& im, const DrawingWindow& w, double x1, double y1, double x2,
                      double y2) {
    const QRect r = QRect(PixelOf(w, x1, y1), PixelOf(w, x2, y2)).normalized();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += im.rect().contains(x, y) && qGray(im.pixel(x, y)) < 128;
    return n;
}

inline int CountColour(const QImage& im, QColor c) {
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            n += QColor(im.pixel(x, y)) == c;
    return n;
}
