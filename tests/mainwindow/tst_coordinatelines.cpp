// The coordinate lines, drawn into standalone drawing windows laid out and
// scaled like the normal and enlarged views of the main window.

#include "drawing/Pixels.h"
#include "mainwindow/CoordinateLines.h"
#include "mainwindow/Failure.h"

#include <QtTest>
#include <memory>
#include <optional>

namespace {

// Draws the lines; the description of the failure that stopped the command,
// if one did.
std::optional<QString> Drawn(const QString& abscissa,
                             const std::array<CoordinateLines::Graph, 3>& graphs) {
    try {
        CoordinateLines::Draw(abscissa, graphs);
    } catch (const Failure& failure) {
        return failure.Description();
    }
    return std::nullopt;
}

struct Views {
    std::unique_ptr<DrawingWindow> normal;
    std::unique_ptr<DrawingWindow> enlarged;
};

Views MakeViews(int k) {
    Views v{MakeView(k, NormalSide, 10), MakeView(k + 6, EnlargedSide, 16)};
    for (DrawingWindow* w : {v.normal.get(), v.enlarged.get()}) {
        w->SetBackColor(Qt::white);
        w->SetForeColor(Qt::black);
        w->Clear();
    }
    v.normal->SetDrawWidth(1);
    v.enlarged->SetDrawWidth(3); // as the axes of an enlarged view leave it
    return v;
}

bool Dark(const QImage& image, QPoint p) {
    return image.rect().contains(p) && qGray(image.pixel(p)) < 128;
}

// Dark pixels along the segment (x1, y1)-(x2, y2) of user coordinates, looked
// for within one pixel across the segment, sampled at every pixel along it
// (ends left out); with the number of samples.
std::pair<int, int> DarkAlong(const DrawingWindow& w, double x1, double y1, double x2, double y2) {
    const QImage image = w.Image();
    const QPointF a = w.ToWidget(x1, y1), b = w.ToWidget(x2, y2);
    const double length = QLineF(a, b).length();
    const bool vertical = std::abs(a.x() - b.x()) < 0.5;
    int dark = 0, samples = 0;
    for (double t = 3; t < length - 3; t += 1) {
        const QPointF p = a + (b - a) * (t / length);
        bool any = false;
        for (int d = -1; d <= 1; ++d) {
            const QPoint q = vertical ? QPoint(qRound(p.x()) + d, qRound(p.y()))
                                      : QPoint(qRound(p.x()), qRound(p.y()) + d);
            any = any || Dark(image, q);
        }
        dark += any ? 1 : 0;
        ++samples;
    }
    return {dark, samples};
}

// Dark pixels inside the window's border.
int DarkCount(const DrawingWindow& w) {
    const QImage image = w.Image();
    const QRect inside = w.contentsRect();
    int n = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            n += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return n;
}

// Dotted: a good share of the line is inked, but not all of it.
bool Dotted(std::pair<int, int> along) {
    return along.second > 0 && along.first >= along.second / 5 && along.first < along.second;
}

// Widest run of dark pixels in the row (or column) through p, inside the border.
int RunWidth(const DrawingWindow& w, QPoint p, bool horizontal) {
    const QImage image = w.Image();
    const QRect inside = w.contentsRect();
    int best = 0, run = 0;
    const int first = horizontal ? inside.left() : inside.top();
    const int last = horizontal ? inside.right() : inside.bottom();
    for (int i = first; i <= last; ++i) {
        const QPoint q = horizontal ? QPoint(i, p.y()) : QPoint(p.x(), i);
        run = Dark(image, q) ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

} // namespace

class CoordinateLinesTest : public QObject {
    Q_OBJECT
private slots:
    void linesOfOneGraph_data();
    void linesOfOneGraph();
    void linesAreThinAndStateRestored();
    void abscissaErrorDrawsNothing_data();
    void abscissaErrorDrawsNothing();
    void undefinedGraphSkippedOthersDrawn();
    void abscissaOutsideTheNormalRange();
};

void CoordinateLinesTest::linesOfOneGraph_data() {
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("abscissa");
    QTest::addColumn<bool>("drawn");
    QTest::addColumn<bool>("abscissaLine");
    QTest::addColumn<bool>("ordinateLine");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("expectLines");

    QTest::newRow("4sen(x) at pi/2") << "4sen(x)"
                                     << "pi/2" << true << true << true << 1.5708 << 4.0 << true;
    QTest::newRow("only the abscissa line")
        << "4sen(x)"
        << "pi/2" << true << true << false << 1.5708 << 4.0 << true;
    QTest::newRow("only the ordinate line")
        << "4sen(x)"
        << "pi/2" << true << false << true << 1.5708 << 4.0 << true;
    QTest::newRow("negative point") << "x^3"
                                    << "-1.5" << true << true << true << -1.5 << -3.375 << true;
    QTest::newRow("not drawn") << "4sen(x)"
                               << "pi/2" << false << true << true << 1.5708 << 4.0 << false;
    QTest::newRow("no box checked") << "4sen(x)"
                                    << "pi/2" << true << false << false << 1.5708 << 4.0 << false;
    QTest::newRow("sqr(x) undefined at -1") << "sqr(x)"
                                            << "-1" << true << true << true << -1.0 << 0.0 << false;
    QTest::newRow("error of the graph at the point")
        << "1/x"
        << "0" << true << true << true << 0.0 << 0.0 << false;
    QTest::newRow("unknown variable in the graph")
        << "y"
        << "1" << true << true << true << 1.0 << 0.0 << false;
}

void CoordinateLinesTest::linesOfOneGraph() {
    QFETCH(QString, expression);
    QFETCH(QString, abscissa);
    QFETCH(bool, drawn);
    QFETCH(bool, abscissaLine);
    QFETCH(bool, ordinateLine);
    QFETCH(double, a);
    QFETCH(double, y);
    QFETCH(bool, expectLines);

    Views f = MakeViews(1);
    const std::array<CoordinateLines::Graph, 3> graphs{{
        {drawn, abscissaLine, ordinateLine, expression, f.normal.get(), f.enlarged.get()},
        {false, true, true, QStringLiteral("x"), nullptr, nullptr},
        {false, true, true, QStringLiteral("x"), nullptr, nullptr},
    }};
    QCOMPARE(Drawn(abscissa, graphs), std::optional<QString>());

    for (DrawingWindow* w : {f.normal.get(), f.enlarged.get()}) {
        const bool wantVertical = expectLines && abscissaLine;
        const bool wantHorizontal = expectLines && ordinateLine;
        const auto vertical = DarkAlong(*w, a, 0, a, y);
        const auto horizontal = DarkAlong(*w, 0, y, a, y);
        QVERIFY2(Dotted(vertical) == wantVertical,
                 qPrintable(QStringLiteral("window %1 vertical %2/%3")
                                .arg(w->Index())
                                .arg(vertical.first)
                                .arg(vertical.second)));
        QVERIFY2(Dotted(horizontal) == wantHorizontal,
                 qPrintable(QStringLiteral("window %1 horizontal %2/%3")
                                .arg(w->Index())
                                .arg(horizontal.first)
                                .arg(horizontal.second)));
        if (!expectLines)
            QCOMPARE(DarkCount(*w), 0);
        else if (wantVertical)
            // The vertical line ends at the point: nothing above 4 at a.
            QCOMPARE(DarkAlong(*w, a, y + (y > 0 ? 0.3 : -0.3), a, y > 0 ? 9.0 : -9.0).first, 0);
    }
}

void CoordinateLinesTest::linesAreThinAndStateRestored() {
    Views f = MakeViews(1);
    Views o = MakeViews(3);
    f.normal->SetDrawWidth(2); // whatever width is found comes back afterwards
    const std::array<CoordinateLines::Graph, 3> graphs{{
        {true, true, true, QStringLiteral("4sen(x)"), f.normal.get(), f.enlarged.get()},
        {false, true, true, QStringLiteral("x"), nullptr, nullptr},
        {true, true, true, QStringLiteral("x"), o.normal.get(), o.enlarged.get()},
    }};
    QCOMPARE(Drawn(QStringLiteral("pi/2"), graphs), std::optional<QString>());

    for (DrawingWindow* w : {f.normal.get(), f.enlarged.get(), o.normal.get(), o.enlarged.get()}) {
        QCOMPARE(w->DrawStyle(), DrawingWindow::Style::Solid);
        const QPoint mid = w->ToWidget(1.5708, 2.0).toPoint();
        QVERIFY2(RunWidth(*w, mid, true) <= 2, qPrintable(QString::number(w->Index())));
    }
    QCOMPARE(f.normal->DrawWidth(), 2);
    QCOMPARE(f.enlarged->DrawWidth(), 3);
    QCOMPARE(o.normal->DrawWidth(), 1);
    // The operation's graph x gets its own point (a, a).
    QVERIFY(Dotted(DarkAlong(*o.normal, 1.5708, 0, 1.5708, 1.5708)));
    QVERIFY(Dotted(DarkAlong(*o.enlarged, 0, 1.5708, 1.5708, 1.5708)));
}

void CoordinateLinesTest::abscissaErrorDrawsNothing_data() {
    QTest::addColumn<QString>("abscissa");
    QTest::addColumn<QString>("description");

    QTest::newRow("unbalanced") << "(1" << QString::fromUtf8("Número de parênteses incorrecto.");
    QTest::newRow("unknown variable") << "k" << QString::fromUtf8("Variável não definida: k");
    QTest::newRow("undefined value")
        << "sqr(-1)" << QString::fromUtf8("Valor não definido: sqr(-1)");
}

void CoordinateLinesTest::abscissaErrorDrawsNothing() {
    QFETCH(QString, abscissa);
    QFETCH(QString, description);
    Views f = MakeViews(1);
    Views g = MakeViews(2);
    const std::array<CoordinateLines::Graph, 3> graphs{{
        {true, true, true, QStringLiteral("4sen(x)"), f.normal.get(), f.enlarged.get()},
        {true, true, true, QStringLiteral("x"), g.normal.get(), g.enlarged.get()},
        {false, true, true, QStringLiteral("x"), nullptr, nullptr},
    }};
    QCOMPARE(Drawn(abscissa, graphs), std::optional<QString>(description));
    for (DrawingWindow* w : {f.normal.get(), f.enlarged.get(), g.normal.get(), g.enlarged.get()})
        QCOMPARE(DarkCount(*w), 0);

    // With no graph drawn the abscissa is not even evaluated: no message.
    const std::array<CoordinateLines::Graph, 3> none{{
        {false, true, true, QStringLiteral("x"), f.normal.get(), f.enlarged.get()},
        {false, true, true, QStringLiteral("x"), g.normal.get(), g.enlarged.get()},
        {false, true, true, QStringLiteral("x"), nullptr, nullptr},
    }};
    QCOMPARE(Drawn(abscissa, none), std::optional<QString>());
}

void CoordinateLinesTest::undefinedGraphSkippedOthersDrawn() {
    Views f = MakeViews(1);
    Views g = MakeViews(2);
    Views o = MakeViews(3);
    const std::array<CoordinateLines::Graph, 3> graphs{{
        {true, true, true, QStringLiteral("sqr(x)"), f.normal.get(), f.enlarged.get()},
        {true, true, true, QStringLiteral("x*x"), g.normal.get(), g.enlarged.get()},
        {true, true, true, QStringLiteral("1+sqr(x)"), o.normal.get(), o.enlarged.get()},
    }};
    QCOMPARE(Drawn(QStringLiteral("-2"), graphs), std::optional<QString>());
    QCOMPARE(DarkCount(*f.normal), 0);
    QCOMPARE(DarkCount(*f.enlarged), 0);
    QCOMPARE(DarkCount(*o.normal), 0);
    QVERIFY(Dotted(DarkAlong(*g.normal, -2, 0, -2, 4)));
    QVERIFY(Dotted(DarkAlong(*g.enlarged, 0, 4, -2, 4)));
}

void CoordinateLinesTest::abscissaOutsideTheNormalRange() {
    Views f = MakeViews(1);
    const std::array<CoordinateLines::Graph, 3> graphs{{
        {true, true, true, QStringLiteral("x/2"), f.normal.get(), f.enlarged.get()},
        {false, true, true, QStringLiteral("x"), nullptr, nullptr},
        {false, true, true, QStringLiteral("x"), nullptr, nullptr},
    }};
    QCOMPARE(Drawn(QStringLiteral("5*2"), graphs), std::optional<QString>());
    // Well inside the enlarged view: a vertical line at 10 up to 5.
    QVERIFY(Dotted(DarkAlong(*f.enlarged, 10, 0, 10, 5)));
    QVERIFY(Dotted(DarkAlong(*f.enlarged, 0, 5, 10, 5)));
    // In the normal view the ordinate line reaches the right edge.
    QVERIFY(Dotted(DarkAlong(*f.normal, 0, 5, 9.5, 5)));
}

QTEST_MAIN(CoordinateLinesTest)
#include "tst_coordinatelines.moc"
