#include "Pixels.h"

#include "axes/AxisPainter.h"

#include <QTest>

namespace {

constexpr double Pi = 3.14159;

enum class Kind { Normal, Enlarged };

void Paint(DrawingWindow& w, Kind kind, bool units) {
    if (kind == Kind::Normal)
        AxisPainter::Normal(w, units);
    else
        AxisPainter::Enlarged(w, units);
}

std::unique_ptr<DrawingWindow> Draw(Kind kind, bool units) {
    auto w = kind == Kind::Normal ? MakeView(1, NormalSide, 10) : MakeView(7, EnlargedSide, 16);
    // Something to wipe: the axes start on a clean window of this colour.
    w->SetBackColor(QColor(255, 255, 200));
    w->PSet(5.5, 5.5, Qt::red);
    Paint(*w, kind, units);
    return w;
}

// A tick dot is three pixels tall: the pixel above the axis is black there,
// and only there.
bool DotAt(const QImage& im, const DrawingWindow& w, double x, double y, bool onAbscissa) {
    const QPoint p = PixelOf(w, x, y);
    const QPoint off = onAbscissa ? QPoint(0, -1) : QPoint(1, 0);
    return IsInk(im, p) && IsInk(im, p + off) && IsInk(im, p - off);
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestAxisPainter : public QObject {
    Q_OBJECT
private slots:
    void numberLabel_data();
    void numberLabel();
    void ticks_data();
    void ticks();
    void nothingNearTheEdgesAndAxisWidths_data();
    void nothingNearTheEdgesAndAxisWidths();
    void labelsBesideTheirTicks_data();
    void labelsBesideTheirTicks();
    void stateLeftBehind_data();
    void stateLeftBehind();
    void normalAxesKeepTheWindowScale();
};

void TestAxisPainter::numberLabel_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("3") << 3 << QStringLiteral(" 3");
    QTest::newRow("-3") << -3 << QStringLiteral("-3");
    QTest::newRow("14") << 14 << QStringLiteral(" 14");
    QTest::newRow("-14") << -14 << QStringLiteral("-14");
}

void TestAxisPainter::numberLabel() {
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(AxisPainter::NumberLabel(n), text);
}

void TestAxisPainter::ticks_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("units");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("dot");
    const struct {
        const char* name;
        Kind kind;
        bool units;
        double x, y;
        bool dot;
    } rows[] = {
        {"normal origin", Kind::Normal, true, 0, 0, true},
        {"normal x 1", Kind::Normal, true, 1, 0, true},
        {"normal x -8", Kind::Normal, true, -8, 0, true},
        {"normal x 8", Kind::Normal, true, 8, 0, true},
        {"normal no x -9", Kind::Normal, true, -9, 0, false},
        {"normal no x 3.5", Kind::Normal, true, 3.5, 0, false},
        {"normal y 8", Kind::Normal, true, 0, 8, true},
        {"normal y -8", Kind::Normal, true, 0, -8, true},
        {"normal no y -9", Kind::Normal, true, 0, -9, false},
        {"enlarged x -14", Kind::Enlarged, true, -14, 0, true},
        {"enlarged x 14", Kind::Enlarged, true, 14, 0, true},
        {"enlarged no x -15", Kind::Enlarged, true, -15, 0, false},
        {"enlarged y -14", Kind::Enlarged, true, 0, -14, true},
        {"enlarged no y -15", Kind::Enlarged, true, 0, -15, false},
        {"normal rad 5pi/2", Kind::Normal, false, 5 * Pi / 2, 0, true},
        {"normal rad -5pi/2", Kind::Normal, false, -5 * Pi / 2, 0, true},
        {"normal rad pi", Kind::Normal, false, Pi, 0, true},
        {"normal rad origin", Kind::Normal, false, 0, 0, true},
        {"normal rad no -3pi", Kind::Normal, false, -3 * Pi, 0, false},
        {"normal rad no unit 3", Kind::Normal, false, 3, 0, false},
        {"normal rad y 8", Kind::Normal, false, 0, 8, true},
        {"enlarged rad 9pi/2", Kind::Enlarged, false, 9 * Pi / 2, 0, true},
        {"enlarged rad -9pi/2", Kind::Enlarged, false, -9 * Pi / 2, 0, true},
        {"enlarged rad no -5pi", Kind::Enlarged, false, -5 * Pi, 0, false},
        {"enlarged rad no unit 12", Kind::Enlarged, false, 12, 0, false},
        {"enlarged rad y -14", Kind::Enlarged, false, 0, -14, true},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << r.kind << r.units << r.x << r.y << r.dot;
}

void TestAxisPainter::ticks() {
    QFETCH(Kind, kind);
    QFETCH(bool, units);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, dot);
    auto w = Draw(kind, units);
    const QImage im = w->Image();
    QCOMPARE(DotAt(im, *w, x, y, y == 0), dot);
    // The axis itself runs through every tick position inside it.
    if (std::fabs(x) < (kind == Kind::Normal ? 9 : 15) && std::fabs(y) < 9)
        QVERIFY(IsInk(im, PixelOf(*w, x, y)));
    QCOMPARE(CountColour(im, Qt::red), 0);
}

namespace {

// The four kinds of axes, with the drawing width each leaves behind and the
// width in pixels of its axis lines.
void KindRows() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("units");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("pixels");
    QTest::newRow("normal units") << Kind::Normal << true << 1 << 1;
    QTest::newRow("normal radians") << Kind::Normal << false << 1 << 1;
    QTest::newRow("enlarged units") << Kind::Enlarged << true << 3 << 1;
    QTest::newRow("enlarged radians") << Kind::Enlarged << false << 3 << 2;
}

} // namespace

void TestAxisPainter::nothingNearTheEdgesAndAxisWidths_data() {
    KindRows();
}

void TestAxisPainter::nothingNearTheEdgesAndAxisWidths() {
    QFETCH(Kind, kind);
    QFETCH(bool, units);
    QFETCH(int, pixels);
    auto w = Draw(kind, units);
    const QImage im = w->Image();
    const double edge = kind == Kind::Normal ? 10 : 16;
    const double inner = edge - 0.25;
    // The strips along all four edges keep the background.
    QCOMPARE(DarkPixels(im, *w, -edge, edge, -inner, -edge), 0);
    QCOMPARE(DarkPixels(im, *w, inner, edge, edge - 0.01, -edge), 0);
    QCOMPARE(DarkPixels(im, *w, -edge, -inner, edge - 0.01, -edge + 0.01), 0);
    QCOMPARE(QColor(im.pixel(PixelOf(*w, 5.5, 5.5))), QColor(255, 255, 200));
    // Radian axes of enlarged views are two pixels wide: across the y axis
    // between two ticks, and across the x axis likewise.
    QCOMPARE(DarkPixels(im, *w, -0.15, 2.5, 0.15, 2.5), pixels);
    QCOMPARE(DarkPixels(im, *w, -2.3, 0.3, -2.3, -0.1), pixels);
}

void TestAxisPainter::labelsBesideTheirTicks_data() {
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("units");
    QTest::addColumn<QRectF>("box"); // user coordinates: left, top, width, height
    QTest::addColumn<bool>("text");
    auto below = [](double x) { return QRectF(x - 0.35, -0.35, 0.7, -0.6); };
    QTest::newRow("normal 3") << Kind::Normal << true << below(3) << true;
    QTest::newRow("normal -8") << Kind::Normal << true << below(-8) << true;
    QTest::newRow("normal none left of -8") << Kind::Normal << true << below(-9.3) << false;
    QTest::newRow("enlarged 14") << Kind::Enlarged << true << below(14) << true;
    QTest::newRow("ordinate 5") << Kind::Normal << true << QRectF(-0.75, 5.2, 0.6, -0.4) << true;
    QTest::newRow("ordinate none at 0")
        << Kind::Normal << true << QRectF(-0.75, 0.2, 0.6, -0.14) << false;
    QTest::newRow("normal rad 5pi/2")
        << Kind::Normal << false << QRectF(5 * Pi / 2 - 0.3, -0.45, 1.0, -0.6) << true;
    QTest::newRow("enlarged rad -9pi/2")
        << Kind::Enlarged << false << QRectF(-9 * Pi / 2 - 0.9, -0.45, 1.2, -0.8) << true;
    QTest::newRow("axis name x") << Kind::Normal << true << QRectF(9.2, -0.15, 0.6, -0.5) << true;
    QTest::newRow("axis name y") << Kind::Enlarged << false << QRectF(-0.6, 15.35, 0.5, -0.5)
                                 << true;
}

void TestAxisPainter::labelsBesideTheirTicks() {
    QFETCH(Kind, kind);
    QFETCH(bool, units);
    QFETCH(QRectF, box);
    QFETCH(bool, text);
    auto w = Draw(kind, units);
    const int dark = DarkPixels(w->Image(), *w, box.left(), box.top(), box.right(), box.bottom());
    QVERIFY2(text ? dark >= 4 : dark == 0, qPrintable(QString::number(dark)));
}

void TestAxisPainter::stateLeftBehind_data() {
    KindRows();
}

void TestAxisPainter::stateLeftBehind() {
    QFETCH(Kind, kind);
    QFETCH(bool, units);
    QFETCH(int, width);
    auto w = MakeView(1, NormalSide, 10);
    w->SetForeColor(Qt::green);
    w->SetDrawWidth(5);
    w->SetFontSize(12);
    Paint(*w, kind, units);
    QCOMPARE(w->DrawWidth(), width);
    QCOMPARE(w->FontSize(), 6.0);
    QCOMPARE(w->FontBold(), false);
    QCOMPARE(w->ForeColor(), QColor(Qt::black));
    QCOMPARE(w->ScaleLeft(), kind == Kind::Normal ? -10.0 : -16.0);
    QCOMPARE(w->ScaleBottom(), kind == Kind::Normal ? -10.0 : -16.0);
}

void TestAxisPainter::normalAxesKeepTheWindowScale() {
    // The operation's enlarged view gets normal-size axes at its own scale.
    auto w = MakeView(9, EnlargedSide, 16);
    AxisPainter::Normal(*w, true);
    QCOMPARE(w->ScaleRight(), 16.0);
    const QImage im = w->Image();
    QVERIFY(DotAt(im, *w, 8, 0, true));
    QVERIFY(!DotAt(im, *w, 10, 0, true));
    QVERIFY(!IsInk(im, PixelOf(*w, 9.5, 0)));
}

QTEST_MAIN(TestAxisPainter)
#include "tst_AxisPainter.moc"
