#include "app/Artwork.h"

#include "drawing/WindowScale.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Maps the square (-r, r)-(r, -r) onto the widget, y upward.
class Canvas {
public:
    Canvas(QPainter& p, QRectF area, double range) : p_(p), area_(area), range_(range) {}

    QPointF At(double x, double y) const {
        return {area_.left() + (x + range_) / (2 * range_) * area_.width(),
                area_.top() + (range_ - y) / (2 * range_) * area_.height()};
    }

    void Axes() {
        p_.setPen(QPen(QColor(40, 40, 40), 1.5));
        p_.drawLine(At(-range_ * 0.92, 0), At(range_ * 0.92, 0));
        p_.drawLine(At(0, -range_ * 0.92), At(0, range_ * 0.92));
        const double tip = range_ * 0.92, arm = range_ * 0.05;
        p_.drawLine(At(tip, 0), At(tip - arm, arm * 0.6));
        p_.drawLine(At(tip, 0), At(tip - arm, -arm * 0.6));
        p_.drawLine(At(0, tip), At(arm * 0.6, tip - arm));
        p_.drawLine(At(0, tip), At(-arm * 0.6, tip - arm));
        for (int n = -int(range_) + 1; n < int(range_); ++n) {
            if (n == 0)
                continue;
            p_.drawLine(At(n, -range_ * 0.015), At(n, range_ * 0.015));
            p_.drawLine(At(-range_ * 0.015, n), At(range_ * 0.015, n));
        }
    }

    void Curve(const std::function<double(double)>& f, QColor colour, double from, double to) {
        QPainterPath path;
        bool open = false;
        for (double x = from; x <= to; x += (to - from) / 400) {
            const double y = f(x);
            if (!std::isfinite(y) || std::fabs(y) > range_) {
                open = false;
                continue;
            }
            if (open)
                path.lineTo(At(x, y));
            else
                path.moveTo(At(x, y));
            open = true;
        }
        p_.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.drawPath(path);
    }

    void Polar(const std::function<double(double)>& r, QColor colour, double turns) {
        QPainterPath path;
        for (double t = 0; t <= turns * 2 * kPi; t += 0.02) {
            const QPointF q = At(r(t) * std::cos(t), r(t) * std::sin(t));
            if (t == 0)
                path.moveTo(q);
            else
                path.lineTo(q);
        }
        p_.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.drawPath(path);
    }

private:
    QPainter& p_;
    QRectF area_;
    double range_;
};

} // namespace

Artwork::Artwork(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {}

void Artwork::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Painted in design pixels, at the window's scale.
    const double scale = WindowScale::Of(this);
    p.scale(scale, scale);
    const QRectF card = QRectF(QPointF(0, 0), QSizeF(size()) / scale).adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(0, 0, 128), 2));
    p.setBrush(QColor(255, 255, 240));
    p.drawRoundedRect(card, 10, 10);
    Canvas c(p, card.adjusted(8, 8, -8, -8), 5);
    c.Axes();
    switch (kind_) {
    case Kind::Waves:
        c.Curve([](double x) { return 3 * std::sin(x); }, QColor(0, 0, 255), -5, 5);
        c.Curve([](double x) { return 2 * std::cos(2 * x); }, QColor(220, 0, 0), -5, 5);
        break;
    case Kind::Parabolas:
        for (int k = 0; k < 4; ++k)
            c.Curve([k](double x) { return 0.3 * (k + 1) * x * x - 4; },
                    QColor::fromHsv(40 + 70 * k, 230, 200), -5, 5);
        break;
    case Kind::Operations:
        c.Curve([](double x) { return x / 2; }, QColor(0, 0, 255), -5, 5);
        c.Curve([](double x) { return 2 * std::sin(2 * x); }, QColor(0, 150, 0), -5, 5);
        c.Curve([](double x) { return x / 2 + 2 * std::sin(2 * x); }, QColor(220, 0, 0), -5, 5);
        break;
    case Kind::Spiral:
        c.Polar([](double t) { return 0.18 * t; }, QColor(160, 0, 160), 3.5);
        c.Curve([](double x) { return 1 / x; }, QColor(0, 120, 200), -5, 5);
        break;
    }
}
