// The per-graph buttons of the main window: graduation, enlarged views,
// colours; the pointer readout on every screen.
#include "Form1Harness.h"
#include "drawing/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>
#include <numbers>

namespace {

constexpr double Pi = 3.14159; // the graduation's own value of pi

// A tick dot is three pixels wide: the pixel just above the axis at its
// abscissa is ink, which the one-pixel axis line alone does not give.
bool DotAt(const DrawingWindow& w, double x) {
    const QImage im = w.Image();
    const QPoint p = PixelOf(w, x, 0);
    for (int dx = -1; dx <= 1; ++dx)
        if (IsInk(im, p + QPoint(dx, -1)) && IsInk(im, p + QPoint(dx, 1)))
            return true;
    return false;
}

} // namespace

class TestForm1Options : public QObject {
    Q_OBJECT
private slots:
    void radians_data();
    void radians();
    void radiansTwiceBackToUnits();
    void radiansSurviveApagar();
    void enlargedViewsStack();
    void backgroundCancelChangesNothing();
    void backgroundErasesOnlyItsGraph();
    void curveColourAtNextPlot();
    void readout_data();
    void readout();
};

void TestForm1Options::radians_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("normal");
    QTest::addColumn<int>("enlarged");
    QTest::newRow("f") << "EixosRadF" << 1 << 7;
    QTest::newRow("g") << "EixosRadG" << 2 << 8;
    QTest::newRow("operation") << "EixosRadO" << 3 << 9;
}

void TestForm1Options::radians() {
    QFETCH(QString, button);
    QFETCH(int, normal);
    QFETCH(int, enlarged);
    auto form = OpenForm1();
    Click(form.get(), "DesenharF");
    Click(form.get(), "DesenharG");
    Click(form.get(), button.toUtf8().constData());
    auto* b = Control<QPushButton>(form.get(), button.toUtf8().constData());
    QCOMPARE(b->text(), QStringLiteral("Unidades"));
    QCOMPARE(b->toolTip(), QStringLiteral("Graduar o eixo das abcissas em unidades"));
    // (The live view keeps nothing while hidden.)
    QVERIFY(DotAt(*form->Picture1(normal), 5 * Pi / 2));
    QVERIFY(DotAt(*form->Picture1(normal), -3 * Pi / 2));
    QVERIFY(!DotAt(*form->Picture1(normal), 5.0)); // no unit tick
    QVERIFY(DotAt(*form->Picture1(enlarged), 9 * Pi / 2));
    QVERIFY(!DotAt(*form->Picture1(enlarged), 5 * Pi)); // the axis line only
    QVERIFY(!DotAt(*form->Picture1(enlarged), 13.0));
    // Its graph is gone and its flag cleared; the other graphs keep theirs.
    const int graph = normal - 1;
    QVERIFY(!form->Desenhado(Form1::Graph(graph)));
    QCOMPARE(CountColour(*form->Picture1(normal), Blue), 0);
    for (const char* other : {"EixosRadF", "EixosRadG", "EixosRadO"})
        if (button != QLatin1String(other))
            QCOMPARE(Control<QPushButton>(form.get(), other)->text(), QStringLiteral("Radianos"));
    if (graph != Form1::F)
        QVERIFY(form->Desenhado(Form1::F) && CountColour(*form->Picture1(1), Blue) > 0);
}

void TestForm1Options::radiansTwiceBackToUnits() {
    auto form = OpenForm1();
    Click(form.get(), "EixosRadF");
    Click(form.get(), "EixosRadF");
    auto* b = Control<QPushButton>(form.get(), "EixosRadF");
    QCOMPARE(b->text(), QStringLiteral("Radianos"));
    QCOMPARE(b->toolTip(), QStringLiteral("Graduar o eixo das abcissas em rad"));
    QVERIFY(DotAt(*form->Picture1(1), 5.0));
    QVERIFY(!DotAt(*form->Picture1(1), 3 * Pi / 2));
    QVERIFY(DotAt(*form->Picture1(7), 13.0));
}

void TestForm1Options::radiansSurviveApagar() {
    auto form = OpenForm1();
    Click(form.get(), "EixosRadO");
    Click(form.get(), "DesenharO");
    QVERIFY(CountColour(*form->Picture1(3), Red) > 0);
    Click(form.get(), "ApagarO");
    QCOMPARE(CountColour(*form->Picture1(3), Red), 0);
    QCOMPARE(CountColour(*form->Picture1(9), Red), 0);
    QCOMPARE(Control<QPushButton>(form.get(), "EixosRadO")->text(), QStringLiteral("Unidades"));
    QVERIFY(DotAt(*form->Picture1(3), 5 * Pi / 2));
    QVERIFY(DotAt(*form->Picture1(9), 9 * Pi / 2));
    QVERIFY(!form->Desenhado(Form1::O));
}

void TestForm1Options::enlargedViewsStack() {
    auto form = OpenForm1();
    const QPoint middle = form->Picture1(1)->geometry().center();
    auto top = [&] { return qobject_cast<DrawingWindow*>(form->childAt(middle)); };
    auto* title12 = Control<QLabel>(form.get(), "Label12");
    auto* title13 = Control<QLabel>(form.get(), "Label13");
    Click(form.get(), "Command1");
    Click(form.get(), "Command2");
    QCOMPARE(top(), form->Picture1(8));
    QCOMPARE(Control<QPushButton>(form.get(), "Command1")->text(), QStringLiteral("Reduzir f"));
    QCOMPARE(Control<QPushButton>(form.get(), "Command2")->text(), QStringLiteral("Reduzir g"));
    QVERIFY(form->Ampliado(Form1::F) && form->Ampliado(Form1::G));
    QCOMPARE(title13->pos(), QPoint(Twips(60), Twips(60)));
    QVERIFY(title13->isVisible());
    Click(form.get(), "Command2");
    QCOMPARE(top(), form->Picture1(7));
    QVERIFY(title12->isVisible() && !title13->isVisible());
    QCOMPARE(Control<QPushButton>(form.get(), "Command2")->text(), QStringLiteral("Ampliar g"));
    Click(form.get(), "Command1");
    QCOMPARE(top(), form->Picture1(1));
    QVERIFY(!form->Ampliado(Form1::F) && !form->Ampliado(Form1::G));
}

void TestForm1Options::backgroundCancelChangesNothing() {
    auto form = OpenForm1();
    Click(form.get(), "DesenharF");
    const QImage before1 = form->Picture1(1)->Image();
    const QImage before7 = form->Picture1(7)->Image();
    const ModalSeen seen = WithModal([&] { Click(form.get(), "CorDoFundoF"); });
    QCOMPARE(seen.className, QStringLiteral("QColorDialog"));
    QCOMPARE(form->Picture1(1)->Image(), before1);
    QCOMPARE(form->Picture1(7)->Image(), before7);
    QVERIFY(form->Desenhado(Form1::F));
}

void TestForm1Options::backgroundErasesOnlyItsGraph() {
    auto form = OpenForm1();
    Click(form.get(), "DesenharF");
    Click(form.get(), "DesenharG");
    const QColor green(0, 160, 0);
    WithModal([&] { Click(form.get(), "CorDoFundoF"); }, PickColour(green));
    for (int v : {1, 4, 7})
        QCOMPARE(form->Picture1(v)->BackColor(), green);
    QVERIFY(ShowsNear(*form->Picture1(1), -9.5, 9.5, green));
    QVERIFY(ShowsNear(*form->Picture1(7), -15.5, 15.5, green));
    QVERIFY(ShowsNear(*form->Picture1(1), 0, 0, Qt::black)); // fresh axes
    QCOMPARE(CountColour(*form->Picture1(1), Blue), 0);
    QVERIFY(!form->Desenhado(Form1::F));
    QVERIFY(ShowsNear(*form->Picture1(2), std::numbers::pi / 4, 1, Blue));
    QVERIFY(!ShowsNear(*form->Picture1(2), -9.5, 9.5, green));
    QCOMPARE(form->Colours().Colour(1), green);
}

void TestForm1Options::curveColourAtNextPlot() {
    auto form = OpenForm1();
    Click(form.get(), "DesenharF");
    const QColor orange(255, 128, 0);
    WithModal([&] { Click(form.get(), QString::fromUtf8("CorDoGráficoF").toUtf8().constData()); },
              PickColour(orange));
    QCOMPARE(CountColour(*form->Picture1(1), orange), 0); // nothing changes at once
    SetText(form.get(), "FunçãoF", QStringLiteral("x"));
    Click(form.get(), "DesenharF");
    QVERIFY(ShowsNear(*form->Picture1(1), 3, 3, orange));
    QVERIFY(ShowsNear(*form->Picture1(7), 12, 12, orange));
    QVERIFY(ShowsNear(*form->Picture1(1), std::numbers::pi / 2, 4, Blue)); // the old curve stays
}

void TestForm1Options::readout_data() {
    ScreenRows();
}

// On each screen, whether the window keeps its design size or is scaled to
// fit: the plot of x on the diagonal, the readout right at the corners.
void TestForm1Options::readout() {
    QFETCH(QString, screen);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    auto form = OpenForm1(screen);
    auto* label = Control<QLabel>(form.get(), "Label6");
    // Within half a pixel and the readout's rounding. The pointer is put on
    // the pixel directly: the test's simulated pointer lands a pixel astray
    // on screens of fractional scale.
    auto readsAt = [label](DrawingWindow* view, QPoint pixel, double x, double y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(pixel), view->mapToGlobal(QPointF(pixel)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view, &move);
        const QStringList read = label->text().mid(1, label->text().size() - 2).split(" , ");
        const double near =
            (view->ScaleRight() - view->ScaleLeft()) / view->contentsRect().width() / 2 + 0.005;
        return read.size() == 2 && std::fabs(QLocale().toDouble(read[0]) - x) <= near &&
               std::fabs(QLocale().toDouble(read[1]) - y) <= near;
    };
    DrawingWindow* view = form->Picture1(1);
    auto pixelAt = [view](double x, double y) { return PixelOf(*view, x, y); };
    QTest::mouseMove(view, QPoint(5, 5));
    QCOMPARE(label->text(), QString()); // off: nothing shown
    QVERIFY(!view->testAttribute(Qt::WA_SetCursor));

    Control<QCheckBox>(form.get(), "Check1")->click();
    QVERIFY(readsAt(view, pixelAt(0, 0), 0, 0));
    QCOMPARE(view->cursor().shape(), Qt::CrossCursor);
    QVERIFY(readsAt(view, pixelAt(1.5, -2.25), 1.5, -2.25));
    QVERIFY(label->text().contains(QLatin1Char(',')));

    QVERIFY(readsAt(view, view->contentsRect().topLeft(), -10, 10));
    QVERIFY(readsAt(view, view->contentsRect().bottomRight(), 10, -10));
    SetText(form.get(), "FunçãoF", QStringLiteral("x"));
    Click(form.get(), "DesenharF");
    for (const double x : {-7.5, -2.0, 3.0, 7.5})
        QVERIFY(ShowsNear(*view, x, x, Blue) && ShowsNear(*form->Picture1(7), x, x, Blue));

    Click(form.get(), "Command1");
    DrawingWindow* enlarged = form->Picture1(7);
    QVERIFY(readsAt(enlarged, enlarged->contentsRect().topLeft(), -16, 16));
    QVERIFY(readsAt(enlarged, enlarged->contentsRect().bottomRight(), 16, -16));
    const QString last = label->text();
    Control<QCheckBox>(form.get(), "Check1")->click();
    for (int i = 1; i <= 9; ++i)
        QVERIFY(!form->Picture1(i)->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(label->text(), last);
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(TestForm1Options)
#include "tst_form1_options.moc"
