// The sampling of a plot and the bounds of the three views of a graph.
#include "drawing/DrawingWindow.h"
#include "drawing/Twips.h"
#include "mainwindow/Plotter.h"

#include <QtTest>
#include <algorithm>
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
    auto make = [](int index, int side, double edge) {
        auto w = std::make_unique<DrawingWindow>(index);
        w->resize(Twips(side), Twips(side));
        w->SetScale(-edge, edge, edge, -edge);
        w->SetPersistent(true); // the live view too, so that its image can be read here
        w->Clear();
        return w;
    };
    auto normal = make(1, 5200, 10), live = make(4, 5200, 10), enlarged = make(7, 10700, 16);
    const QColor red(255, 0, 0);
    Plotter::PutSamples({normal.get(), live.get(), enlarged.get()}, red, {&x, 1}, {&y, 1}, nullptr);
    auto has = [&](const DrawingWindow& w) {
        const QImage im = w.Image();
        for (int j = 0; j < im.height(); ++j)
            for (int i = 0; i < im.width(); ++i)
                if (QColor(im.pixel(i, j)) == red)
                    return true;
        return false;
    };
    QCOMPARE(has(*normal), views.contains('n'));
    QCOMPARE(has(*live), views.contains('l'));
    QCOMPARE(has(*enlarged), views.contains('e'));
}

QTEST_MAIN(TestPlotter)
#include "tst_plotter.moc"
