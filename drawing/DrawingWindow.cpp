#include "drawing/DrawingWindow.h"

#include "drawing/Twips.h"

#include <QAction>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iterator>

namespace {

// Live windows show their progress at most this often while a plot runs.
constexpr qint64 kRepaintIntervalMs = 30;
// Points set between two looks at that clock during a run of points.
constexpr std::size_t kProgressCheckPoints = 256;

// Font names the drawing code asks for, and the installed fonts that stand in
// for them, best first. "symbol" is asked for the radian labels, which are
// written with the letter pi itself: its stand-in is a serif font that has pi,
// preferably one of the narrow Times metrics the labels' fixed offsets suit.
struct FontSubstitute {
    const char* asked;
    const char* candidates[2];
};
constexpr FontSubstitute kFontSubstitutes[] = {
    {"MS Serif", {"DejaVu Serif", nullptr}},
    {"symbol", {"Nimbus Roman", "DejaVu Serif"}},
};

QString LookUpFamily(const QString& asked) {
    for (const FontSubstitute& s : kFontSubstitutes) {
        if (asked.compare(QLatin1String(s.asked), Qt::CaseInsensitive) != 0)
            continue;
        for (const char* candidate : s.candidates) {
            if (!candidate)
                break;
            const QString family = QLatin1String(candidate);
            if (QFontDatabase::hasFamily(family) && QFontMetrics(QFont(family)).inFontUcs4(0x03C0))
                return family;
        }
        return QLatin1String(s.candidates[0]);
    }
    return asked;
}

// Asking the font database is slow (a font match each time), and every
// number of the axes is printed with one of a handful of families: each
// answer is kept for the rest of the run.
QString InstalledFamily(const QString& asked) {
    static QHash<QString, QString> found;
    auto it = found.constFind(asked);
    if (it == found.cend())
        it = found.insert(asked, LookUpFamily(asked));
    return *it;
}

// Rounds a user coordinate to single precision. False for NaN and for values
// outside the float range, which must not be converted at all.
bool ToFloat(double value, double& rounded) {
    if (!(std::fabs(value) <= static_cast<double>(FLT_MAX)))
        return false;
    rounded = static_cast<double>(static_cast<float>(value));
    return true;
}

// Liang-Barsky clipping of a segment to a rectangle; false when nothing of the
// segment is inside. Keeps huge device coordinates away from the rasteriser.
bool ClipLine(QPointF& a, QPointF& b, const QRectF& r) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

// Centre of the device pixel that holds p, so that lines and points agree on
// which pixel a user coordinate falls in.
QPointF PixelCentre(QPointF p) {
    return QPointF(std::floor(p.x()) + 0.5, std::floor(p.y()) + 0.5);
}

// User coordinates (already single precision) -> device pixels of a w x h
// image; false when the scale is degenerate and the result not finite.
inline bool MapToDevice(double xf, double yf, double left, double top, double right, double bottom,
                        double w, double h, QPointF& device) {
    const double dx = (xf - left) / (right - left) * w;
    const double dy = (yf - top) / (bottom - top) * h;
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return false;
    device = QPointF(dx, dy);
    return true;
}

// The pixels of an RGB32 image, looked up once for a run of points.
struct Raster {
    QRgb* bits;
    qsizetype stride; // in pixels
    int width, height;
};

Raster RasterOf(QImage& image) {
    // bits() detaches the image, so that writing into it touches no copy.
    return Raster{reinterpret_cast<QRgb*>(image.bits()),
                  image.bytesPerLine() / qsizetype(sizeof(QRgb)), image.width(), image.height()};
}

void FillDot(const Raster& raster, QPointF device, int diameter, QRgb rgb) {
    // Reject far-away points before they become integers.
    if (device.x() < -diameter || device.y() < -diameter || device.x() >= raster.width + diameter ||
        device.y() >= raster.height + diameter)
        return;
    // A square block of diameter pixels around the point's pixel, with the
    // corners cut to a disc from diameter 4 on (1 to 3 stay full squares, as a
    // small round dot looks on screen).
    const int px = static_cast<int>(std::floor(device.x()));
    const int py = static_cast<int>(std::floor(device.y()));
    if (diameter == 1) {
        // The plot's usual point, tens of thousands of times a plot.
        if (px >= 0 && py >= 0 && px < raster.width && py < raster.height)
            raster.bits[py * raster.stride + px] = rgb;
        return;
    }
    const int x0 = px - (diameter - 1) / 2, y0 = py - (diameter - 1) / 2;
    const int jEnd = std::min(y0 + diameter, raster.height);
    const int iBegin = std::max(x0, 0), iEnd = std::min(x0 + diameter, raster.width);
    if (diameter <= 3) {
        for (int j = std::max(y0, 0); j < jEnd; ++j)
            std::fill(raster.bits + j * raster.stride + iBegin,
                      raster.bits + j * raster.stride + std::max(iBegin, iEnd), rgb);
        return;
    }
    const double cx = x0 + diameter / 2.0, cy = y0 + diameter / 2.0;
    const double r2 = diameter * diameter / 4.0;
    for (int j = std::max(y0, 0); j < jEnd; ++j) {
        QRgb* row = raster.bits + j * raster.stride;
        for (int i = iBegin; i < iEnd; ++i) {
            const double ddx = i + 0.5 - cx, ddy = j + 0.5 - cy;
            if (ddx * ddx + ddy * ddy <= r2)
                row[i] = rgb;
        }
    }
}

} // namespace

DrawingWindow::DrawingWindow(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("Picture1_%1").arg(index));
    setContentsMargins(kFrameWidth, kFrameWidth, kFrameWidth, kFrameWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

qreal DrawingWindow::Ratio() const {
    return std::max<qreal>(1.0, devicePixelRatioF());
}

double DrawingWindow::DeviceWidth() const {
    return std::max(1, WindowScale::Pixels(drawWidth_, WindowScale::Of(this))) * Ratio();
}

void DrawingWindow::ScaleChanged(double scale) {
    const int frame = std::max(1, WindowScale::Pixels(kFrameWidth, scale));
    setContentsMargins(frame, frame, frame, frame);
}

void DrawingWindow::SetScale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

QPointF DrawingWindow::ToUser(QPointF widgetPos) const {
    const QRect cr = contentsRect();
    const double fx = (widgetPos.x() - cr.x()) / cr.width();
    const double fy = (widgetPos.y() - cr.y()) / cr.height();
    return QPointF(left_ + fx * (right_ - left_), top_ + fy * (bottom_ - top_));
}

QPointF DrawingWindow::ToWidget(double x, double y) const {
    const QRect cr = contentsRect();
    return QPointF(cr.x() + (x - left_) / (right_ - left_) * cr.width(),
                   cr.y() + (y - top_) / (bottom_ - top_) * cr.height());
}

bool DrawingWindow::ToDevice(double xf, double yf, QPointF& device) const {
    return MapToDevice(xf, yf, left_, top_, right_, bottom_, image_.width(), image_.height(),
                       device);
}

void DrawingWindow::SetPersistent(bool on) {
    persistent_ = on;
    if (!on && !isVisible())
        image_ = QImage();
}

bool DrawingWindow::Target() {
    if (!persistent_ && !isVisible())
        return false;
    EnsureImage();
    return !image_.isNull();
}

void DrawingWindow::EnsureImage() {
    const qreal ratio = Ratio();
    const QSize size = contentsRect().size() * ratio;
    if (size.isEmpty()) {
        image_ = QImage();
        return;
    }
    if (!image_.isNull() && image_.size() == size && image_.devicePixelRatio() == ratio)
        return;
    QImage fresh(size, QImage::Format_RGB32);
    fresh.fill(backColor_);
    if (!image_.isNull()) {
        // Keep what was drawn when the window is resized or moves to a screen
        // of another pixel ratio.
        QPainter p(&fresh);
        p.drawImage(
            QRectF(QPointF(0, 0), QSizeF(image_.size()) * (ratio / image_.devicePixelRatio())),
            image_);
    }
    fresh.setDevicePixelRatio(ratio);
    image_ = fresh;
}

void DrawingWindow::Drawn() {
    if (!isVisible())
        return;
    if (!updatePending_) {
        update();
        updatePending_ = true;
    }
    if (persistent_)
        return;
    // A live window is watched while a plot runs without an event loop: show
    // the progress now and then, but do not pay a repaint for every point.
    if (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kRepaintIntervalMs) {
        repaint();
        sinceRepaint_.restart();
    }
}

void DrawingWindow::ShowProgress() {
    if (!persistent_)
        Drawn();
}

void DrawingWindow::Clear() {
    currentX_ = left_;
    currentY_ = top_;
    if (!Target())
        return;
    image_.fill(backColor_);
    Drawn();
}

void DrawingWindow::PSet(double x, double y) {
    PSet(x, y, foreColor_);
}

void DrawingWindow::PSet(double x, double y, QColor colour) {
    const QPointF point(x, y);
    PSet(std::span<const QPointF>(&point, 1), colour);
}

void DrawingWindow::PSet(std::span<const QPointF> points, QColor colour) {
    // Whether the points land anywhere, and how big they are, is settled at
    // the first point that can be placed at all: a point that does not fit a
    // float leaves everything as it was, the backing image included.
    bool settled = false, target = false;
    int diameter = 1;
    Raster raster{};
    const QRgb rgb = colour.rgb();
    std::size_t sinceShown = 0;
    for (const QPointF& point : points) {
        double xf = 0, yf = 0;
        if (!ToFloat(point.x(), xf) || !ToFloat(point.y(), yf))
            continue;
        currentX_ = xf;
        currentY_ = yf;
        if (!settled) {
            settled = true;
            target = Target();
            if (target) {
                // Wider than the window is as wide as it needs to be.
                const double wanted =
                    std::min(DeviceWidth(), 2.0 * (image_.width() + image_.height()));
                diameter = std::max(1, static_cast<int>(std::lround(wanted)));
                raster = RasterOf(image_);
            }
        }
        QPointF device;
        if (!target ||
            !MapToDevice(xf, yf, left_, top_, right_, bottom_, raster.width, raster.height, device))
            continue;
        FillDot(raster, device, diameter, rgb);
        // Drawn() reads the clock; now and then is often enough for a live
        // window to show its progress every ~30 ms.
        if (++sinceShown == kProgressCheckPoints) {
            sinceShown = 0;
            Drawn();
            // A repaint may have rebuilt the image; never write through a
            // pointer into the one it replaced.
            target = !image_.isNull();
            if (target)
                raster = RasterOf(image_);
        }
    }
    if (sinceShown > 0)
        Drawn();
}

void DrawingWindow::Line(double x1, double y1, double x2, double y2) {
    double fx1 = 0, fy1 = 0, fx2 = 0, fy2 = 0;
    if (!ToFloat(x1, fx1) || !ToFloat(y1, fy1) || !ToFloat(x2, fx2) || !ToFloat(y2, fy2))
        return;
    currentX_ = fx2;
    currentY_ = fy2;
    QPointF a, b;
    if (!Target() || !ToDevice(fx1, fy1, a) || !ToDevice(fx2, fy2, b))
        return;
    const double penWidth = std::min(DeviceWidth(), 2.0 * (image_.width() + image_.height()));
    const double margin = penWidth + 4;
    a = PixelCentre(a);
    b = PixelCentre(b);
    QRectF bounds(-margin, -margin, image_.width() + 2 * margin, image_.height() + 2 * margin);
    if (!ClipLine(a, b, bounds))
        return;
    QPainter p(&image_);
    // The painter works in device pixels here; undo the image's ratio.
    p.scale(1 / image_.devicePixelRatio(), 1 / image_.devicePixelRatio());
    QPen pen(foreColor_, penWidth, drawStyle_ == Style::Dot ? Qt::DotLine : Qt::SolidLine,
             Qt::SquareCap);
    p.setPen(pen);
    if (a == b)
        p.drawPoint(a);
    else
        p.drawLine(QLineF(a, b));
    p.end();
    Drawn();
}

QFont DrawingWindow::CurrentFont() const {
    QFont font(InstalledFamily(fontName_));
    // Pixel sizes at 96 dpi, whatever the platform reports, at the window's
    // scale.
    font.setPixelSize(
        std::max(1, WindowScale::Pixels(PointsToPixels(fontSize_), WindowScale::Of(this))));
    font.setBold(fontBold_);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void DrawingWindow::SetFontName(const QString& name) {
    fontName_ = name;
}

void DrawingWindow::SetFontSize(double points) {
    if (std::isfinite(points) && points > 0)
        fontSize_ = points;
}

void DrawingWindow::SetFontBold(bool bold) {
    fontBold_ = bold;
}

void DrawingWindow::Print(const QString& text) {
    double xf = 0, yf = 0;
    if (!ToFloat(currentX_, xf) || !ToFloat(currentY_, yf))
        return;
    const QRect cr = contentsRect();
    const QFont font = CurrentFont();
    const QFontMetricsF metrics(font);
    const double userLine = metrics.height() / cr.height() * (bottom_ - top_);
    QPointF device;
    if (Target() && ToDevice(xf, yf, device)) {
        const qreal ratio = image_.devicePixelRatio();
        const QPointF logical = device / ratio;
        const double limit = 4.0 * (image_.width() + image_.height());
        if (std::fabs(logical.x()) < limit && std::fabs(logical.y()) < limit) {
            QPainter p(&image_);
            p.setFont(font);
            p.setPen(foreColor_);
            p.drawText(QRectF(std::floor(logical.x()), std::floor(logical.y()), limit, limit),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, text);
            p.end();
            Drawn();
        }
    }
    // Printing leaves the current point at the start of the next line.
    currentX_ = left_;
    currentY_ = yf + userLine;
}

QImage DrawingWindow::Image() const {
    return Snapshot(rect(), palette().window().color());
}

QImage DrawingWindow::Picture() const {
    return Snapshot(contentsRect(), backColor_); // the border falls outside
}

QImage DrawingWindow::Snapshot(QRect area, QColor paper) const {
    const qreal ratio = Ratio();
    QImage out(area.size() * ratio, QImage::Format_RGB32);
    out.setDevicePixelRatio(ratio);
    out.fill(paper);
    QPainter p(&out);
    p.translate(-area.topLeft());
    Render(p);
    return out;
}

void DrawingWindow::OfferCopy() {
    if (findChild<QAction*>(QStringLiteral("CopiarImagem")) != nullptr)
        return;
    auto* copy = new QAction(QStringLiteral("Copiar imagem"), this);
    copy->setObjectName(QStringLiteral("CopiarImagem"));
    // The clipboard is the only way out: the program writes no files.
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setImage(Picture()); });
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void DrawingWindow::Render(QPainter& p) const {
    const QRect outer = rect();
    const QRect cr = contentsRect();
    // A thin sunken border, as a picture box has.
    const int frame = cr.left() - outer.left();
    if (frame > 0 && !outer.isEmpty()) {
        const QColor shadow(160, 160, 160), darkShadow(105, 105, 105), light(255, 255, 255),
            midLight(227, 227, 227);
        const int w = outer.width(), h = outer.height();
        p.fillRect(0, 0, w, 1, shadow);
        p.fillRect(0, 0, 1, h, shadow);
        p.fillRect(0, h - 1, w, 1, light);
        p.fillRect(w - 1, 0, 1, h, light);
        if (frame > 1) {
            p.fillRect(1, 1, w - 2, 1, darkShadow);
            p.fillRect(1, 1, 1, h - 2, darkShadow);
            p.fillRect(1, h - 2, w - 2, 1, midLight);
            p.fillRect(w - 2, 1, 1, h - 2, midLight);
        }
    }
    if (image_.isNull())
        p.fillRect(cr, backColor_); // a live window just shown, or never drawn
    else
        p.drawImage(QRectF(cr), image_);
}

void DrawingWindow::paintEvent(QPaintEvent*) {
    updatePending_ = false;
    if (!image_.isNull())
        EnsureImage(); // follows a change of screen or size
    QPainter p(this);
    Render(p);
}

void DrawingWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!image_.isNull())
        EnsureImage();
}

void DrawingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    updatePending_ = false;
    if (!persistent_) {
        // Nothing of a live window survives hiding: shown again, it holds
        // only its background colour.
        image_ = QImage();
        EnsureImage();
        sinceRepaint_.start();
    }
}

void DrawingWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!persistent_)
        image_ = QImage();
}

void DrawingWindow::mouseMoveEvent(QMouseEvent* event) {
    // The pointer stands on a pixel; report that pixel's centre, so that the
    // middle pixel of a window reads as the middle of its scale.
    const QPointF pos = event->position();
    const QPoint pixel(static_cast<int>(std::floor(pos.x())),
                       static_cast<int>(std::floor(pos.y())));
    // Only the drawing area has coordinates: over the frame around it the
    // scale would run past its ends (10.09 at a normal view's corner).
    if (contentsRect().contains(pixel)) {
        const QPointF user = ToUser(QPointF(pixel) + QPointF(0.5, 0.5));
        double x = 0, y = 0;
        if (ToFloat(user.x(), x) && ToFloat(user.y(), y))
            emit MouseMoved(index_, static_cast<float>(x), static_cast<float>(y));
    }
    QWidget::mouseMoveEvent(event);
}
