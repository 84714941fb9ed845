#pragma once

#include <QFont>
#include <QRect>
#include <cmath>

// Window geometry is designed in twips, at 15 twips per device-independent
// pixel, and font sizes in points at 96 dots per inch, whatever the platform's
// own metrics say.
inline int Twips(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

inline int PointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}
