#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// The windows are designed for a screen of 1024 x 768: geometry in twips,
// fonts in points, a few sizes in pixels, all turned into design pixels by
// Twips() and PointsToPixels(). A window whose frame would not fit the screen
// it opens on is laid out whole at one smaller scale: the same layout, fonts
// and pictures, smaller. This is the one place that scale is chosen and kept;
// every design pixel of a window reaches the screen through Pixels(), and
// painted pictures draw in design pixels under Of().
namespace WindowScale {

// A widget that draws in design pixels itself (a drawing window, a help
// page) hears of each new scale of its window before it is resized.
class Aware {
public:
    virtual void ScaleChanged(double scale) = 0;

protected:
    ~Aware() = default;
};

// The room a window's frame takes when the platform has not said yet (most
// say only once the window is shown): a title bar and thin sides.
inline constexpr QMargins kLeastFrame{8, 40, 8, 8};

// The scale at which a client area of `design` pixels, with `frame` around
// it, fits `available`: 1 where the design fits, else the largest hundredth
// that fits (never below 0.4, where no text could be read).
double Fitting(QSize design, QRect available, QMargins frame);

// A design length at a scale, rounded to whole pixels.
int Pixels(double designPixels, double scale);
// A design size at a scale, each side rounded on its own.
QSize Pixels(QSize design, double scale);

// The scale the window holding `widget` is laid out at: 1 unless fitted.
double Of(const QWidget* widget);

// Lays `window`, a top-level window of fixed size built at design size, out
// at the scale that fits the available area of its screen, and again whenever
// it is shown, moved or taken to another screen, since the platform may only
// then tell the frame it has. Where the design fits nothing is touched.
void Fit(QWidget* window);

// Lays `window` out at `scale`; the design is remembered at the first call,
// so any scale, 1 included, can follow any other.
void Apply(QWidget* window, double scale);

// Moves a child to a design position in twips, at its window's scale; later
// scales keep it there.
void MoveToTwips(QWidget* widget, int leftTwips, int topTwips);

} // namespace WindowScale
