#include "Pixels.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <cfloat>
#include <limits>

namespace {

// Counts the paint events, to see when a window shows what was drawn.
class CountingWindow : public DrawingWindow {
public:
    using DrawingWindow::DrawingWindow;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override {
        ++paints;
        DrawingWindow::paintEvent(e);
    }
};

// Bounds of the dark pixels inside the drawing area (the border is left out).
QRect InkBounds(const DrawingWindow& w) {
    const QImage im = w.Image();
    const QRect cr = w.contentsRect();
    QRect r;
    for (int y = cr.top(); y <= cr.bottom(); ++y)
        for (int x = cr.left(); x <= cr.right(); ++x)
            if (qGray(im.pixel(x, y)) < 128)
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class TestDrawingWindow : public QObject {
    Q_OBJECT
private slots:
    void mapsScaleOntoContents_data();
    void mapsScaleOntoContents();
    void pointWidth_data();
    void pointWidth();
    void lineStyle_data();
    void lineStyle();
    void outOfFloatLeftOut_data();
    void outOfFloatLeftOut();
    void hugeLineIsClipped();
    void persistentKeepsImageWhileHidden();
    void liveKeepsNothingWhileHidden();
    void liveShowsProgressPersistentDoesNot_data();
    void liveShowsProgressPersistentDoesNot();
    void runOfPointsAsOneByOne_data();
    void runOfPointsAsOneByOne();
    void liveShowsProgressWithinOneRun();
    void printAdvancesLikeALine_data();
    void printAdvancesLikeALine();
    void substitutesFonts_data();
    void substitutesFonts();
    void mouseMoveReportsUserCoordinates_data();
    void mouseMoveReportsUserCoordinates();
};

void TestDrawingWindow::mapsScaleOntoContents_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<double>("edge");
    QTest::addColumn<QPointF>("user");
    QTest::addColumn<QPointF>("widget");
    const int f = DrawingWindow::kFrameWidth;
    const double nc = (347 - 2 * f) / 2.0 + f, ec = (713 - 2 * f) / 2.0 + f;
    QTest::newRow("normal top-left") << NormalSide << 10.0 << QPointF(-10, 10) << QPointF(f, f);
    QTest::newRow("normal centre") << NormalSide << 10.0 << QPointF(0, 0) << QPointF(nc, nc);
    QTest::newRow("normal bottom-right")
        << NormalSide << 10.0 << QPointF(10, -10) << QPointF(347 - f, 347 - f);
    QTest::newRow("normal y grows up")
        << NormalSide << 10.0 << QPointF(5, 5) << QPointF(nc + (nc - f) / 2, nc - (nc - f) / 2);
    QTest::newRow("enlarged centre") << EnlargedSide << 16.0 << QPointF(0, 0) << QPointF(ec, ec);
    QTest::newRow("enlarged top-left") << EnlargedSide << 16.0 << QPointF(-16, 16) << QPointF(f, f);
}

void TestDrawingWindow::mapsScaleOntoContents() {
    QFETCH(int, side);
    QFETCH(double, edge);
    QFETCH(QPointF, user);
    QFETCH(QPointF, widget);
    auto w = MakeView(1, side, edge);
    const QPointF got = w->ToWidget(user.x(), user.y());
    QCOMPARE(got, widget);
    const QPointF back = w->ToUser(got);
    QCOMPARE(back, user);
    // The user point lands on the pixel that contains its widget position.
    const QRect cr = w->contentsRect();
    if (widget.x() < cr.x() + cr.width() && widget.y() < cr.y() + cr.height()) {
        w->PSet(user.x(), user.y());
        QVERIFY(
            IsInk(w->Image(), QPoint(int(std::floor(widget.x())), int(std::floor(widget.y())))));
    }
}

void TestDrawingWindow::pointWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("pixels");
    QTest::newRow("one pixel") << 1 << 1;
    QTest::newRow("width 2") << 2 << 4;
    QTest::newRow("tick dot, width 3") << 3 << 9;
    QTest::newRow("width 5, a disc") << 5 << 21;
    const int side = Twips(NormalSide) - 2 * DrawingWindow::kFrameWidth;
    QTest::newRow("wider than the window") << std::numeric_limits<int>::max() << side * side;
}

void TestDrawingWindow::pointWidth() {
    QFETCH(int, width);
    QFETCH(int, pixels);
    auto w = MakeView(1, NormalSide, 10);
    w->SetDrawWidth(width);
    w->PSet(2.5, -3.5, Qt::red);
    const QImage im = w->Image();
    QCOMPARE(CountColour(im, Qt::red), pixels);
    // The dot is centred on the point's own pixel.
    const QPoint p = PixelOf(*w, 2.5, -3.5);
    QVERIFY(IsInk(im, p, Qt::red));
    if (width == 3)
        for (QPoint d : {QPoint(-1, -1), QPoint(1, 1), QPoint(-1, 1), QPoint(1, -1)})
            QVERIFY(IsInk(im, p + d, Qt::red));
}

void TestDrawingWindow::lineStyle_data() {
    QTest::addColumn<bool>("dotted");
    QTest::newRow("solid") << false;
    QTest::newRow("dotted") << true;
}

void TestDrawingWindow::lineStyle() {
    QFETCH(bool, dotted);
    auto w = MakeView(1, NormalSide, 10);
    w->SetDrawStyle(dotted ? DrawingWindow::Style::Dot : DrawingWindow::Style::Solid);
    w->Line(-5, 2, 5, 2);
    w->Line(3, -6, 3, 6);
    const QImage im = w->Image();
    for (bool horizontal : {true, false}) {
        const QPoint a = horizontal ? PixelOf(*w, -5, 2) : PixelOf(*w, 3, 6);
        const QPoint b = horizontal ? PixelOf(*w, 5, 2) : PixelOf(*w, 3, -6);
        const QPoint step = horizontal ? QPoint(1, 0) : QPoint(0, 1);
        int ink = 0, total = 0, longestGap = 0, gap = 0;
        for (QPoint p = a + step * 5; p != b - step * 5; p += step) {
            if (!horizontal && std::abs(p.y() - PixelOf(*w, 3, 2).y()) < 2)
                continue; // the crossing with the other line
            ++total;
            if (IsInk(im, p)) {
                ++ink;
                gap = 0;
            } else {
                longestGap = std::max(longestGap, ++gap);
            }
        }
        if (dotted) {
            QVERIFY2(ink > total / 5 && ink < total * 3 / 5, qPrintable(QString::number(ink)));
            QVERIFY(longestGap <= 3);
        } else {
            QCOMPARE(ink, total);
        }
    }
}

void TestDrawingWindow::outOfFloatLeftOut_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<double>("bad");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        double value;
    } values[] = {
        {"NaN", nan}, {"inf", inf}, {"-inf", -inf}, {"1e39", 1e39}, {"-DBL_MAX", -DBL_MAX}};
    const char* ops[] = {"PSet x", "PSet y", "Line start", "Line end", "Print"};
    for (int op = 0; op < 5; ++op)
        for (const auto& v : values)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(ops[op], v.name)))
                << op << v.value;
}

void TestDrawingWindow::outOfFloatLeftOut() {
    QFETCH(int, operation);
    QFETCH(double, bad);
    auto w = MakeView(1, NormalSide, 10);
    w->SetCurrentX(1);
    w->SetCurrentY(1);
    const QImage blank = w->Image();
    switch (operation) {
    case 0:
        w->PSet(bad, 1);
        break;
    case 1:
        w->PSet(1, bad);
        break;
    case 2:
        w->Line(bad, 1, 2, 2);
        break;
    case 3:
        w->Line(1, 1, 2, bad);
        break;
    default:
        w->SetCurrentY(bad);
        w->Print(QStringLiteral("88"));
    }
    QCOMPARE(w->Image(), blank);
    if (operation < 4) {
        QCOMPARE(w->CurrentX(), 1.0);
        QCOMPARE(w->CurrentY(), 1.0);
    }
}

void TestDrawingWindow::hugeLineIsClipped() {
    // Fits a float, but lies a long way off the window: drawn up to the edge.
    auto w = MakeView(1, NormalSide, 10);
    w->Line(0, 0, 1e30, 0);
    w->PSet(3e38, 0);
    const QImage im = w->Image();
    QVERIFY(IsInk(im, PixelOf(*w, 9.9, 0)));
    QVERIFY(IsInk(im, PixelOf(*w, 0.1, 0)));
    QVERIFY(!IsInk(im, PixelOf(*w, -0.2, 0)));
}

void TestDrawingWindow::persistentKeepsImageWhileHidden() {
    auto w = MakeView(1, NormalSide, 10);
    w->SetBackColor(Qt::yellow);
    w->Clear();
    w->PSet(1, 1);
    QVERIFY(IsInk(w->Image(), PixelOf(*w, 1, 1)));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    const QImage shown = w->grab().toImage();
    QVERIFY(IsInk(shown, PixelOf(*w, 1, 1)));
    QCOMPARE(QColor(shown.pixel(PixelOf(*w, -5, -5))), QColor(Qt::yellow));
    w->hide();
    w->PSet(2, 2);
    w->show();
    QVERIFY(IsInk(w->grab().toImage(), PixelOf(*w, 2, 2)));
}

void TestDrawingWindow::liveKeepsNothingWhileHidden() {
    auto w = MakeView(4, NormalSide, 10, false);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    w->PSet(1, 1);
    QVERIFY(IsInk(w->grab().toImage(), PixelOf(*w, 1, 1)));
    w->hide();
    w->PSet(2, 2);
    w->SetBackColor(Qt::cyan);
    w->Clear();
    w->Line(-5, -5, 5, 5);
    w->show();
    const QImage im = w->grab().toImage();
    const QRect cr = w->contentsRect();
    QCOMPARE(CountColour(im, Qt::cyan), cr.width() * cr.height());
    QCOMPARE(w->Image(), im);
}

void TestDrawingWindow::liveShowsProgressPersistentDoesNot_data() {
    QTest::addColumn<bool>("persistent");
    QTest::newRow("live") << false;
    QTest::newRow("persistent") << true;
}

void TestDrawingWindow::liveShowsProgressPersistentDoesNot() {
    QFETCH(bool, persistent);
    CountingWindow w(4);
    w.resize(347, 347);
    w.SetScale(-10, 10, 10, -10);
    w.SetPersistent(persistent);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();
    w.paints = 0;
    // A plot that runs 200 ms without an event loop.
    QElapsedTimer t;
    t.start();
    int points = 0;
    for (double x = -8; t.elapsed() < 200; x += 1e-4, ++points)
        w.PSet(std::fmod(x, 8), 0);
    if (persistent) {
        QCOMPARE(w.paints, 0);
    } else {
        QVERIFY2(w.paints >= 3 && w.paints <= 9, qPrintable(QString::number(w.paints)));
        QVERIFY(points > 100 * w.paints);
    }
}

// A run of points in one call against the same points set one at a time:
// same picture, same current point, whatever mix of points it holds.
void TestDrawingWindow::runOfPointsAsOneByOne_data() {
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("degenerate");
    const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
    const QList<QPointF> mixed{{1, 1},    {nan, 2}, {-3.5, 2.25},  {1e300, 0},
                               {40, -40}, {0, inf}, {9.99, -9.99}, {3e38, 1}};
    QTest::newRow("mixed, width 1") << mixed << 1 << false;
    QTest::newRow("mixed, width 3") << mixed << 3 << false;
    QTest::newRow("mixed, width 6") << mixed << 6 << false;
    QTest::newRow("last one unplaceable") << QList<QPointF>{{2, 2}, {nan, nan}} << 3 << false;
    QTest::newRow("none placeable") << QList<QPointF>{{nan, 1}, {1, 1e300}} << 3 << false;
    QTest::newRow("degenerate scale") << mixed << 3 << true;
    QList<QPointF> curve;
    for (double x = -9.5; x < 9.5; x += 0.003)
        curve.append({x, 9 * std::sin(x)});
    QTest::newRow("a curve") << curve << 3 << false;
}

void TestDrawingWindow::runOfPointsAsOneByOne() {
    QFETCH(QList<QPointF>, points);
    QFETCH(int, width);
    QFETCH(bool, degenerate);
    auto make = [&] {
        auto w = MakeView(1, NormalSide, 10);
        if (degenerate)
            w->SetScale(0, 0, 0, 0);
        w->SetDrawWidth(width);
        w->SetCurrentX(-7);
        w->SetCurrentY(7);
        return w;
    };
    auto one = make(), run = make();
    for (const QPointF& p : points)
        one->PSet(p.x(), p.y(), Qt::blue);
    run->PSet(std::span<const QPointF>(points.constData(), points.size()), Qt::blue);
    QCOMPARE(run->Image(), one->Image());
    QCOMPARE(run->CurrentX(), one->CurrentX());
    QCOMPARE(run->CurrentY(), one->CurrentY());
}

// One long run of points, as a plot sets them, still shows its progress in
// a live window every ~30 ms.
void TestDrawingWindow::liveShowsProgressWithinOneRun() {
    CountingWindow w(4);
    w.resize(347, 347);
    w.SetScale(-10, 10, 10, -10);
    w.SetDrawWidth(40); // large dots: a run that takes a while
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    std::vector<QPointF> points;
    qint64 took = 0;
    // Longer runs until one lasts at least 150 ms on this machine.
    for (std::size_t n = 5000; took < 150 && n <= 5'120'000; n *= 2) {
        points.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            points[i] = QPointF(std::fmod(i * 1e-3, 16) - 8, 0);
        QCoreApplication::processEvents();
        w.paints = 0;
        QElapsedTimer t;
        t.start();
        w.PSet(points, Qt::red);
        took = t.elapsed();
    }
    QVERIFY(took >= 150);
    // At least one repaint before the run's end (a machine that stalls the
    // test may leave it few), and never more than one every 30 ms.
    const qint64 most = took / 30 + 2;
    QVERIFY2(w.paints >= 2 && w.paints <= most,
             qPrintable(QStringLiteral("%1 paints in %2 ms").arg(w.paints).arg(took)));
}

void TestDrawingWindow::printAdvancesLikeALine_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("pixels");
    QTest::newRow("6 pt") << 6.0 << 8;
    QTest::newRow("8 pt") << 8.0 << 11;
    QTest::newRow("10 pt") << 10.0 << 13;
}

void TestDrawingWindow::printAdvancesLikeALine() {
    QFETCH(double, points);
    QFETCH(int, pixels);
    auto w = MakeView(1, NormalSide, 10);
    w->SetFontName(QStringLiteral("MS Serif"));
    w->SetFontSize(points);
    w->SetCurrentX(2);
    w->SetCurrentY(3);
    w->Print(QStringLiteral("88"));
    const QPoint corner = PixelOf(*w, 2, 3);
    const QRect first = InkBounds(*w);
    QVERIFY(!first.isEmpty());
    QVERIFY(first.left() >= corner.x() && first.left() <= corner.x() + 2);
    QVERIFY(first.top() >= corner.y() && first.top() <= corner.y() + pixels / 2);
    QVERIFY(first.height() >= pixels / 2 && first.height() <= pixels);
    QCOMPARE(w->CurrentX(), -10.0);
    const double lineInPixels = (3 - w->CurrentY()) / 20 * w->contentsRect().height();
    QVERIFY(lineInPixels >= pixels && lineInPixels <= pixels * 1.5);
    // A second print goes one line down, at the left edge.
    w->Print(QStringLiteral("8"));
    const QRect both = InkBounds(*w);
    QVERIFY(both.left() < first.left() - 20);
    QVERIFY(both.bottom() >= first.bottom() + pixels);
}

void TestDrawingWindow::substitutesFonts_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("installed");
    QTest::newRow("MS Serif") << QStringLiteral("MS Serif") << QStringLiteral("DejaVu Serif");
    QTest::newRow("symbol") << QStringLiteral("symbol") << QStringLiteral("Nimbus Roman");
}

void TestDrawingWindow::substitutesFonts() {
    QFETCH(QString, asked);
    QFETCH(QString, installed);
    QVERIFY(QFontMetrics(QFont(installed)).inFont(QChar(0x03C0)));
    QImage pictures[2];
    for (int i = 0; i < 2; ++i) {
        auto w = MakeView(1, NormalSide, 10);
        w->SetFontName(i == 0 ? asked : installed);
        w->SetFontSize(7);
        w->SetFontBold(true);
        w->SetCurrentX(0);
        w->SetCurrentY(0);
        w->Print(QStringLiteral("-5π/2 x"));
        pictures[i] = w->Image();
    }
    QCOMPARE(pictures[0], pictures[1]);
}

// A pixel of the drawing area reports its centre; a pixel of the frame
// around it reports nothing.
void TestDrawingWindow::mouseMoveReportsUserCoordinates_data() {
    QTest::addColumn<int>("side");
    QTest::addColumn<double>("edge");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<QPointF>("user");
    const int f = DrawingWindow::kFrameWidth;
    const double halfNormal = 10.0 / (347 - 2 * f), halfEnlarged = 16.0 / (713 - 2 * f);
    const int nPixels = Twips(NormalSide), nLast = nPixels - f - 1;
    const int eLast = Twips(EnlargedSide) - f - 1;
    QTest::newRow("normal centre")
        << NormalSide << 10.0 << QPoint(173, 173) << true << QPointF(0, 0);
    QTest::newRow("normal top-left")
        << NormalSide << 10.0 << QPoint(f, f) << true << QPointF(-10 + halfNormal, 10 - halfNormal);
    QTest::newRow("normal bottom-right") << NormalSide << 10.0 << QPoint(nLast, nLast) << true
                                         << QPointF(10 - halfNormal, -10 + halfNormal);
    QTest::newRow("enlarged top-left") << EnlargedSide << 16.0 << QPoint(f, f) << true
                                       << QPointF(-16 + halfEnlarged, 16 - halfEnlarged);
    QTest::newRow("enlarged bottom-right") << EnlargedSide << 16.0 << QPoint(eLast, eLast) << true
                                           << QPointF(16 - halfEnlarged, -16 + halfEnlarged);
    QTest::newRow("enlarged centre")
        << EnlargedSide << 16.0 << QPoint(356, 356) << true << QPointF(0, 0);
    const QPoint frame[] = {{0, 0},
                            {f - 1, f - 1},
                            {f - 1, 173},
                            {173, 0},
                            {nLast + 1, 173},
                            {173, nLast + 1},
                            {nPixels - 1, nPixels - 1}};
    for (const QPoint& p : frame)
        QTest::addRow("normal frame at %d, %d", p.x(), p.y())
            << NormalSide << 10.0 << p << false << QPointF();
    QTest::newRow("enlarged frame, bottom-right")
        << EnlargedSide << 16.0 << QPoint(eLast + 1, eLast + 1) << false << QPointF();
}

void TestDrawingWindow::mouseMoveReportsUserCoordinates() {
    QFETCH(int, side);
    QFETCH(double, edge);
    QFETCH(QPoint, pixel);
    QFETCH(bool, reported);
    QFETCH(QPointF, user);
    auto w = MakeView(7, side, edge);
    QVERIFY(w->hasMouseTracking());
    QSignalSpy spy(w.get(), &DrawingWindow::MouseMoved);
    QMouseEvent move(QEvent::MouseMove, QPointF(pixel) + QPointF(0.3, 0.6), w->mapToGlobal(pixel),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &move);
    QCOMPARE(spy.count(), reported ? 1 : 0);
    if (!reported)
        return;
    QCOMPARE(spy.at(0).at(0).toInt(), 7);
    QVERIFY(std::fabs(spy.at(0).at(1).toFloat() - user.x()) < 1e-5);
    QVERIFY(std::fabs(spy.at(0).at(2).toFloat() - user.y()) < 1e-5);
    // Within the scale, never beyond its ends.
    QVERIFY(std::fabs(spy.at(0).at(1).toFloat()) < edge);
    QVERIFY(std::fabs(spy.at(0).at(2).toFloat()) < edge);
}

QTEST_MAIN(TestDrawingWindow)
#include "tst_DrawingWindow.moc"
