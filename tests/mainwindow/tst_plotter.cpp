// The sampling of a plot and the bounds of the three views of a graph.
#include "drawing/Pixels.h"
#include "expression/clsEquation.h"
#include "mainwindow/Composition.h"
#include "mainwindow/Failure.h"
#include "mainwindow/Plotter.h"

#include <QtTest>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>

class TestPlotter : public QObject {
    Q_OBJECT
private slots:
    void abscissae_data();
    void abscissae();
    void bounds_data();
    void bounds();
    void chunksAsOnePass_data();
    void chunksAsOnePass();
};

// Samples named by their place in the range; the values are those of
// repeated addition in double precision, not of -14 + n * 0.001.
void TestPlotter::abscissae_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("value");
    QTest::newRow("first") << 0 << -14.0;
    QTest::newRow("last") << 28000 << 13.999999999995362;
    QTest::newRow("next to -8, outside") << 6000 << -8.000000000003325;
    QTest::newRow("next to 8, inside") << 22000 << 7.999999999998687;
}

void TestPlotter::abscissae() {
    QFETCH(int, index);
    QFETCH(double, value);
    const std::vector<double> xs = Plotter::Abscissae();
    QCOMPARE(xs.size(), size_t(28001));
    QVERIFY(std::is_sorted(xs.begin(), xs.end()));
    QVERIFY(std::fabs(xs[size_t(index)] - value) < 1e-14);
    // Repeated addition: each sample is exactly the previous one plus the step.
    for (size_t i = 1; i < xs.size(); ++i)
        if (xs[i] != xs[i - 1] + Plotter::kStep)
            QFAIL("a sample is not the previous one plus the step");
    const auto nearest = std::min_element(
        xs.begin(), xs.end(), [](double a, double b) { return std::fabs(a) < std::fabs(b); });
    QVERIFY(*nearest != 0.0);
    QVERIFY(std::fabs(*nearest) < 1e-11);
}

// Which of the normal (n), live (l) and enlarged (e) views get the point.
void TestPlotter::bounds_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("views");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("origin") << 0.0 << 0.0 << "nle";
    QTest::newRow("x = 7.999999999998687") << 7.999999999998687 << 1.0 << "nle";
    QTest::newRow("x = -8.000000000003325") << -8.000000000003325 << 1.0 << "e";
    QTest::newRow("x = -8") << -8.0 << 1.0 << "e";
    QTest::newRow("y = 8") << 1.0 << 8.0 << "e";
    QTest::newRow("y = -8") << 1.0 << -8.0 << "e";
    QTest::newRow("y = 7.99") << 1.0 << 7.99 << "nle";
    QTest::newRow("y = 13.99") << 1.0 << 13.99 << "e";
    QTest::newRow("y = 14") << 1.0 << 14.0 << "";
    QTest::newRow("y = -14") << 1.0 << -14.0 << "";
    QTest::newRow("x = -14") << -14.0 << 0.0 << "";
    QTest::newRow("x = 13.999999999995362") << 13.999999999995362 << 0.0 << "e";
    QTest::newRow("y huge") << 0.5 << 1e300 << "";
    QTest::newRow("y infinite") << 0.5 << inf << "";
    QTest::newRow("y not a number") << 0.5 << std::nan("") << "";
}

void TestPlotter::bounds() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, views);
    // The live view persistent too, so that its image can be read here.
    auto normal = MakeView(1, NormalSide, 10), live = MakeView(4, NormalSide, 10),
         enlarged = MakeView(7, EnlargedSide, 16);
    for (DrawingWindow* w : {normal.get(), live.get(), enlarged.get()})
        w->Clear();
    const QColor red(255, 0, 0);
    Plotter::PutSamples({normal.get(), live.get(), enlarged.get()}, red, {&x, 1}, {&y, 1}, nullptr);
    auto has = [&](const DrawingWindow& w) { return CountColour(w.Image(), red) > 0; };
    QCOMPARE(has(*normal), views.contains('n'));
    QCOMPARE(has(*live), views.contains('l'));
    QCOMPARE(has(*enlarged), views.contains('e'));
}

// A plot evaluated in chunks sets the same points as one pass over the whole
// range, and an error stops it at the same sample, wherever that sample falls
// in a chunk. The views are wide enough for every sample to have a pixel of
// its own, so one sample more or less shows.
void TestPlotter::chunksAsOnePass_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("errorAt"); // sample the plot stops at, -1 for none
    const std::vector<double> xs = Plotter::Abscissae();
    auto at = [&](int k) { return Composition::PlainDecimal(xs[size_t(k)]); };
    QTest::newRow("no error") << "x/10" << -1;
    // 0 * 1/(x - c) is 0 but at x = c, where it is a division by zero.
    for (const int k : {0, 1, 15, 16, 500, 999, 1000, 1023, 1024, 20480, 27999, 28000})
        QTest::addRow("error at sample %d", k) << "x/10+0*(1/(x-" + at(k) + "))" << k;
    // Undefined up to sample 1000, as a chunk begins: nothing set there.
    QTest::newRow("undefined, then defined") << "0.5+0*sqr(x-" + at(1000) + ")" << -1;
}

void TestPlotter::chunksAsOnePass() {
    QFETCH(QString, text);
    QFETCH(int, errorAt);
    struct Plotted {
        std::array<std::unique_ptr<DrawingWindow>, 3> views;
        int error = 0;
    };
    auto plot = [&](std::size_t chunk) {
        Plotted p;
        const double edges[3] = {8, 8, 14};
        for (int i = 0; i < 3; ++i) {
            auto& w = p.views[size_t(i)] = std::make_unique<DrawingWindow>(i * 3 + 1);
            const int f = DrawingWindow::kFrameWidth;
            // A pixel per sample, each sample in the middle of its pixel (the
            // toolkit's painter takes no image wider than 32,767 pixels).
            w->resize(int(edges[i] * 2000) + 2 * f, 8 + 2 * f);
            w->SetScale(-edges[i] - 0.0005, 2, edges[i] - 0.0005, -2);
            w->SetPersistent(true);
            w->Clear();
        }
        clsEquation equation;
        try {
            Plotter::Plot(equation, text.toStdString(),
                          {p.views[0].get(), p.views[1].get(), p.views[2].get()}, Qt::red, chunk);
        } catch (const Failure& e) {
            p.error = e.Number();
        }
        return p;
    };
    const Plotted whole = plot(Plotter::Abscissae().size());
    QCOMPARE(whole.error, errorAt < 0 ? 0 : 11);
    // The one pass itself stops at the erroring sample: the sample before it
    // is drawn, it is not.
    if (errorAt >= 0) {
        const double x = Plotter::Abscissae()[size_t(errorAt)];
        const DrawingWindow& enlarged = *whole.views[2];
        const QImage im = enlarged.Image();
        // The pixel the point of the sample at x falls in (rounded to single
        // precision first, as the window does).
        auto drawn = [&](double at) {
            return IsInk(im, PixelOf(enlarged, float(at), float(at / 10)), Qt::red);
        };
        QVERIFY(!drawn(x));
        if (errorAt > 1) // the first sample, x = -14, is outside every view
            QVERIFY(drawn(Plotter::Abscissae()[size_t(errorAt - 1)]));
    }
    for (const std::size_t chunk :
         {std::size_t(0), std::size_t(1000), Plotter::kMostPerChunk, std::size_t(7)}) {
        const Plotted chunked = plot(chunk);
        QCOMPARE(chunked.error, whole.error);
        for (int i = 0; i < 3; ++i)
            QVERIFY2(chunked.views[size_t(i)]->Image() == whole.views[size_t(i)]->Image(),
                     qPrintable(QStringLiteral("view %1, chunks of %2").arg(i).arg(chunk)));
    }
}

QTEST_MAIN(TestPlotter)
#include "tst_plotter.moc"
