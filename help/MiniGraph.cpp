#include "help/MiniGraph.h"

#include "expression/clsEquation.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace {

constexpr int kMargin = 10;
const QColor kCurve(0, 0, 255);
// Neighbouring samples lie a quarter of a pixel apart; a rise larger than this
// between them is a jump of the function (a step, a pole), left open.
constexpr double kLargestStep = 8;

class Mapping {
public:
    Mapping(const GraphSpec& graph, QSize size)
        : spec_(graph), width_(size.width() - 2 * kMargin), height_(size.height() - 2 * kMargin) {}
    QPointF operator()(double x, double y) const {
        return {kMargin + (x - spec_.xMin) / (spec_.xMax - spec_.xMin) * width_,
                kMargin + (spec_.yMax - y) / (spec_.yMax - spec_.yMin) * height_};
    }
    int Width() const { return width_; }

private:
    const GraphSpec& spec_;
    int width_, height_;
};

QString TickText(double value) {
    long rounded = std::lround(value);
    QString text = std::fabs(value - rounded) < 1e-9 ? QString::number(rounded)
                                                     : QString::number(value, 'g', 3);
    text.replace(QLatin1Char('-'), QChar(0x2212));
    return text;
}

void DrawAxes(QPainter& p, const GraphSpec& graph, const Mapping& map) {
    p.setPen(QPen(Qt::black, 1));
    const QPointF left = map(graph.xMin, 0), right = map(graph.xMax, 0);
    const QPointF bottom = map(0, graph.yMin), top = map(0, graph.yMax);
    p.drawLine(left, right);
    p.drawLine(bottom, top);
    // Arrowheads at the positive ends.
    p.drawLine(right, right + QPointF(-6, -3));
    p.drawLine(right, right + QPointF(-6, 3));
    p.drawLine(top, top + QPointF(-3, 6));
    p.drawLine(top, top + QPointF(3, 6));
    for (int k = static_cast<int>(std::ceil(graph.xMin / graph.xTick));
         k * graph.xTick < graph.xMax - graph.xTick / 2; ++k) {
        const QPointF at = map(k * graph.xTick, 0);
        p.drawLine(at + QPointF(0, -2), at + QPointF(0, 2));
    }
    for (int k = static_cast<int>(std::ceil(graph.yMin / graph.yTick));
         k * graph.yTick < graph.yMax - graph.yTick / 2; ++k) {
        const QPointF at = map(0, k * graph.yTick);
        p.drawLine(at + QPointF(-2, 0), at + QPointF(2, 0));
    }
}

// The numbers of the ticks and the axis names, drawn over the curve on a pale
// backdrop so that they stay legible where the curve crosses them. A number
// of the y axis that would overlap one of the x axis is left out.
void DrawLabels(QPainter& p, const GraphSpec& graph, const Mapping& map) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    p.setFont(font);
    const QFontMetricsF metrics(font);
    std::vector<std::pair<QRectF, QString>> labels;
    auto add = [&](QPointF baseline, const QString& text) {
        QRectF box = metrics.boundingRect(text);
        box.moveTo(baseline.x(), baseline.y() - metrics.ascent());
        for (const auto& [other, unused] : labels)
            if (box.adjusted(-1, -1, 1, 1).intersects(other))
                return;
        labels.emplace_back(box, text);
    };
    for (int k = static_cast<int>(std::ceil(graph.xMin / graph.xTick));
         k * graph.xTick < graph.xMax - graph.xTick / 2; ++k) {
        if (k == 0)
            continue;
        const QString text = TickText(k * graph.xTick);
        add(map(k * graph.xTick, 0) + QPointF(-metrics.horizontalAdvance(text) / 2, 11), text);
    }
    for (int k = static_cast<int>(std::ceil(graph.yMin / graph.yTick));
         k * graph.yTick < graph.yMax - graph.yTick / 2; ++k) {
        if (k == 0)
            continue;
        const QString text = TickText(k * graph.yTick);
        add(map(0, k * graph.yTick) + QPointF(-metrics.horizontalAdvance(text) - 4, 3), text);
    }
    add(map(graph.xMax, 0) + QPointF(-7, 12), QStringLiteral("x"));
    add(map(0, graph.yMax) + QPointF(5, 8), QStringLiteral("y"));
    for (const auto& [box, text] : labels) {
        p.fillRect(box, QColor(255, 255, 255, 190));
        p.setPen(Qt::black);
        p.drawText(QPointF(box.left(), box.top() + metrics.ascent()), text);
    }
}

// The engine's values at count + 1 abscissae spread evenly across the graph,
// solved in one run: nothing where the function is not defined (a passed-over
// domain fault, a raised error, a number that is not finite). A raised error
// costs its own sample only; the run goes on after it.
std::vector<std::pair<double, std::optional<double>>> Samples(const GraphSpec& graph, int count) {
    std::vector<double> xs(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i <= count; ++i)
        xs[static_cast<std::size_t>(i)] = graph.xMin + (graph.xMax - graph.xMin) * i / count;
    std::vector<double> ys(xs.size());
    const auto undefined = std::make_unique<bool[]>(xs.size());
    clsEquation eq;
    eq.SetEquation(graph.expression);
    for (std::size_t at = 0; at < xs.size();) {
        const SampleRun run =
            eq.SolveRange("x", std::span(xs).subspan(at), &ys[at], &undefined[at]);
        at += run.solved;
        if (run.error)
            undefined[at++] = true;
    }
    std::vector<std::pair<double, std::optional<double>>> samples;
    samples.reserve(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        samples.emplace_back(xs[i], undefined[i] || !std::isfinite(ys[i])
                                        ? std::nullopt
                                        : std::optional<double>(ys[i]));
    return samples;
}

void PaintGraph(QPainter& p, const GraphSpec& graph, QSize size) {
    p.setRenderHint(QPainter::Antialiasing);
    const Mapping map(graph, size);
    DrawAxes(p, graph, map);

    const double span = graph.yMax - graph.yMin;
    p.setClipRect(QRect(kMargin, kMargin, size.width() - 2 * kMargin, size.height() - 2 * kMargin));
    if (graph.scatter) {
        p.setPen(Qt::NoPen);
        p.setBrush(kCurve);
        for (const auto& [x, y] : Samples(graph, map.Width() / 2))
            if (y && *y >= graph.yMin && *y <= graph.yMax)
                p.drawEllipse(map(x, *y), 1.3, 1.3);
        p.setClipping(false);
        DrawLabels(p, graph, map);
        return;
    }
    p.setPen(QPen(kCurve, 1.6));
    // Four samples per pixel; a segment joins two neighbouring samples only
    // when both are defined and close to the visible band, so poles and gaps
    // in the domain stay open.
    std::optional<QPointF> previous;
    for (const auto& [x, y] : Samples(graph, map.Width() * 4)) {
        if (!y || *y < graph.yMin - span || *y > graph.yMax + span) {
            previous.reset();
            continue;
        }
        const QPointF point = map(x, *y);
        if (previous && std::fabs(point.y() - previous->y()) > kLargestStep)
            previous.reset();
        if (previous)
            p.drawLine(*previous, point);
        else
            p.drawPoint(point);
        previous = point;
    }
    p.setClipping(false);
    DrawLabels(p, graph, map);
}

} // namespace

QImage DrawMiniGraph(const GraphSpec& graph, QSize size, double scale) {
    // At the screen's pixel density, like the page it is laid out in, and
    // at its window's scale; painted in design pixels all the same. The
    // painter is scaled by hand: it leaves a ratio below 1 out.
    const qreal ratio = (qGuiApp ? qGuiApp->devicePixelRatio() : 1.0) * scale;
    QImage image(size * ratio, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(ratio, ratio);
    PaintGraph(p, graph, size);
    p.end();
    image.setDevicePixelRatio(ratio);
    return image;
}
