#include "axes/AxisPainter.h"

#include "drawing/DrawingWindow.h"

#include <QColor>
#include <QPointF>
#include <QString>

#include <span>

namespace {

// pi as the graduation has always used it: five decimals.
constexpr double kPi = 3.14159;

const QString kNumberFont = QStringLiteral("MS Serif");
// The radian labels are written with the letter pi itself; the drawing window
// gives this name a serif font that has it.
const QString kPiFont = QStringLiteral("symbol");
constexpr double kNumberSize = 6;
constexpr double kNameSize = 8;

struct Segment {
    double x1, y1, x2, y2;
};

// One radian label: its tick at k * pi/2, its text, and how far left of the
// tick the text starts.
struct RadianLabel {
    int halfPis;
    const char16_t* text;
    double offset;
};

// Everything that differs between the normal and the enlarged axes.
struct AxisLayout {
    // x axis, y axis, the two arms of the y arrowhead, the two arms of the x
    // arrowhead, drawn in this order.
    Segment lines[6];
    int lastTick;      // integer ticks from -lastTick to lastTick
    int lastHalfPi;    // radian dots from -lastHalfPi to lastHalfPi times pi/2
    int radianWidth;   // line width of the axes in the radian graduation
    double radianSize; // font size of the radian labels
    std::span<const RadianLabel> radianLabels;
    QPointF xName, yName;
};

// Printed in this order; the offsets are fixed per label, not measured.
constexpr RadianLabel kNormalRadianLabels[] = {
    {-5, u"-5π/2", 0.9}, {-4, u"-2π", 0.6}, {-3, u"-3π/2", 0.7}, {-2, u"-π", 0.3},
    {-1, u"-π/2", 0.5},  {5, u"5π/2", 0.3}, {4, u"2π", 0.3},     {3, u"3π/2", 0.5},
    {2, u"π", 0.1},      {1, u"π/2", 0.3},
};

constexpr RadianLabel kEnlargedRadianLabels[] = {
    {-9, u"-9π/2", 0.9}, {-8, u"-4π", 0.6}, {-7, u"-7π/2", 0.9}, {-6, u"-3π", 0.6},
    {-5, u"-5π/2", 0.9}, {-4, u"-2π", 0.6}, {-3, u"-3π/2", 0.7}, {-2, u"-π", 0.3},
    {-1, u"-π/2", 0.5},  {9, u"9π/2", 0.5}, {8, u"4π", 0.4},     {7, u"7π/2", 0.9},
    {6, u"3π", 0.4},     {5, u"5π/2", 0.3}, {4, u"2π", 0.3},     {3, u"3π/2", 0.5},
    {2, u"π", 0.1},      {1, u"π/2", 0.3},
};

const AxisLayout kNormalLayout = {
    {{-9, 0, 9, 0},
     {0, 9, 0, -9},
     {-0.15, 8.7, 0, 9},
     {0.2, 8.7, 0, 9},
     {8.7, -0.2, 9.1, 0},
     {8.7, 0.15, 9.1, 0}},
    8,
    5,
    1,
    7,
    kNormalRadianLabels,
    {9.2, -0.1},
    {-0.6, 9.7},
};

const AxisLayout kEnlargedLayout = {
    {{-15, 0, 15, 0},
     {0, 15, 0, -15},
     {-0.2, 14.7, 0, 15},
     {0.2, 14.7, 0, 15},
     {14.7, -0.2, 15, 0},
     {14.7, 0.15, 15, 0}},
    14,
    9,
    2,
    10,
    kEnlargedRadianLabels,
    {15.2, -0.1},
    {-0.6, 15.4},
};

constexpr double kEnlargedEdge = 16;

void DrawLines(DrawingWindow& w, const AxisLayout& layout) {
    for (const Segment& s : layout.lines)
        w.Line(s.x1, s.y1, s.x2, s.y2);
}

void PrintAt(DrawingWindow& w, double x, double y, const QString& text) {
    w.SetCurrentX(x);
    w.SetCurrentY(y);
    w.Print(text);
}

// Dots and numbers of the integer ticks of the abscissa.
void AbscissaInUnits(DrawingWindow& w, const AxisLayout& layout) {
    for (int n = -layout.lastTick; n <= layout.lastTick; ++n) {
        w.PSet(n, 0);
        w.SetFontName(kNumberFont);
        w.SetFontSize(kNumberSize);
        w.SetCurrentX(n - 0.35);
        w.SetCurrentY(-0.3);
        if (n != 0)
            w.Print(AxisPainter::NumberLabel(n));
    }
}

// Dots at the multiples of pi/2 and their labels.
void AbscissaInRadians(DrawingWindow& w, const AxisLayout& layout) {
    for (int k = -layout.lastHalfPi; k <= layout.lastHalfPi; ++k)
        w.PSet(k * kPi / 2, 0);
    w.SetFontName(kPiFont);
    w.SetFontSize(layout.radianSize);
    for (const RadianLabel& label : layout.radianLabels)
        PrintAt(w, label.halfPis * kPi / 2 - label.offset, -0.4, QString::fromUtf16(label.text));
}

// Dots and numbers of the ordinate, in units in both graduations.
void Ordinate(DrawingWindow& w, const AxisLayout& layout, bool setFont) {
    for (int n = -layout.lastTick; n <= layout.lastTick; ++n) {
        w.PSet(0, n);
        if (setFont) {
            w.SetFontName(kNumberFont);
            w.SetFontSize(kNumberSize);
        }
        if (n != 0)
            PrintAt(w, -0.8, n + 0.25, AxisPainter::NumberLabel(n));
    }
}

void Graduate(DrawingWindow& w, const AxisLayout& layout, bool units) {
    w.Clear();
    if (units) {
        w.SetFontName(kNumberFont);
        w.SetFontSize(kNumberSize);
        w.SetDrawWidth(1);
        DrawLines(w, layout);
        w.SetDrawWidth(3);
        AbscissaInUnits(w, layout);
        Ordinate(w, layout, false);
    } else {
        w.SetDrawWidth(layout.radianWidth);
        DrawLines(w, layout);
        w.SetDrawWidth(3);
        AbscissaInRadians(w, layout);
        Ordinate(w, layout, true);
    }
}

void AxisNames(DrawingWindow& w, const AxisLayout& layout) {
    w.SetFontBold(true);
    w.SetFontSize(kNameSize);
    PrintAt(w, layout.xName.x(), layout.xName.y(), QStringLiteral("x"));
    PrintAt(w, layout.yName.x(), layout.yName.y(), QStringLiteral("y"));
    w.SetFontSize(kNumberSize);
    w.SetFontBold(false);
}

} // namespace

QString AxisPainter::NumberLabel(int n) {
    return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n);
}

void AxisPainter::Normal(DrawingWindow& w, bool units) {
    w.SetForeColor(Qt::black);
    w.SetFontSize(kNumberSize);
    w.SetFontBold(true);
    w.SetDrawWidth(1);
    Graduate(w, kNormalLayout, units);
    AxisNames(w, kNormalLayout);
    w.SetDrawWidth(1);
}

void AxisPainter::Enlarged(DrawingWindow& w, bool units) {
    w.SetScale(-kEnlargedEdge, kEnlargedEdge, kEnlargedEdge, -kEnlargedEdge);
    w.SetForeColor(Qt::black);
    w.SetFontBold(true);
    Graduate(w, kEnlargedLayout, units);
    AxisNames(w, kEnlargedLayout);
}
