// Plotting f and g in the main window: axes after opening, the curves, the
// bounds of the views, the messages and where the views stand afterwards.
#include "Form1Harness.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>
#include <numbers>

namespace {
constexpr double Pi = std::numbers::pi;
} // namespace

class TestForm1Plot : public QObject {
    Q_OBJECT
private slots:
    void viewsAfterOpening();
    void axes_data();
    void axes();
    void curve_data();
    void curve();
    void messages_data();
    void messages();
    void errorKeepsPointsAlreadySet();
    void twoPlotsKeepBothCurves();
    void apagarErasesOnlyItsGraph();
    void copyImage_data();
    void copyImage();
};

void TestForm1Plot::viewsAfterOpening() {
    auto form = OpenForm1();
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(form->Picture1(i)->isVisible(), i <= 3);
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(form->Picture1(i)->Persistent(), i <= 3 || i >= 7);
    QVERIFY(!form->Desenhado(Form1::F) && !form->Desenhado(Form1::G) && !form->Desenhado(Form1::O));
}

void TestForm1Plot::axes_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("black");
    for (int v = 1; v <= 3; ++v) {
        const QByteArray n = "view " + QByteArray::number(v);
        QTest::newRow(n + " origin") << v << 0.0 << 0.0 << true;
        QTest::newRow(n + " tick 5") << v << 5.0 << 0.0 << true;
        QTest::newRow(n + " tick -8") << v << -8.0 << 0.0 << true;
        QTest::newRow(n + " tick y -7") << v << 0.0 << -7.0 << true;
        QTest::newRow(n + " nothing at x = 9.7") << v << 9.7 << 0.0 << false;
        QTest::newRow(n + " nothing at x = -9.7") << v << -9.7 << 0.0 << false;
        QTest::newRow(n + " nothing at y = -9.7") << v << 0.0 << -9.7 << false;
    }
    // The enlarged views get their own scale and ticks from the activation.
    for (int v = 7; v <= 9; ++v) {
        const QByteArray n = "view " + QByteArray::number(v);
        QTest::newRow(n + " tick 14") << v << 14.0 << 0.0 << true;
        QTest::newRow(n + " tick y -14") << v << 0.0 << -14.0 << true;
        QTest::newRow(n + " nothing at x = 15.7") << v << 15.7 << 0.0 << false;
    }
}

void TestForm1Plot::axes() {
    QFETCH(int, view);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, black);
    auto form = OpenForm1();
    QCOMPARE(ShowsNear(*form->Picture1(view), x, y, Qt::black), black);
}

void TestForm1Plot::curve_data() {
    QTest::addColumn<int>("graph");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("view");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("drawn");
    const int f = Form1::F, g = Form1::G;
    QTest::newRow("4sen(x) at (pi/2, 4), normal") << f << "4sen(x)" << 1 << Pi / 2 << 4.0 << true;
    QTest::newRow("4sen(x) at (pi/2, 4), enlarged") << f << "4sen(x)" << 7 << Pi / 2 << 4.0 << true;
    QTest::newRow("4sen(x) at (-pi/2, -4)") << f << "4sen(x)" << 1 << -Pi / 2 << -4.0 << true;
    QTest::newRow("4sen(x) not at (pi/2, -4)") << f << "4sen(x)" << 1 << Pi / 2 << -4.0 << false;
    QTest::newRow("x inside the normal bound") << f << "x" << 1 << 7.5 << 7.5 << true;
    QTest::newRow("x beyond the normal bound") << f << "x" << 1 << 8.6 << 8.6 << false;
    QTest::newRow("x beyond 8 in the enlarged view") << f << "x" << 7 << 8.6 << 8.6 << true;
    QTest::newRow("x inside the enlarged bound") << f << "x" << 7 << 13.5 << 13.5 << true;
    QTest::newRow("x beyond the enlarged bound") << f << "x" << 7 << 14.6 << 14.6 << false;
    QTest::newRow("y = 8 left out of the normal view") << f << "8" << 1 << 3.0 << 8.0 << false;
    QTest::newRow("y = -8 left out of the normal view") << f << "-8" << 1 << -3.0 << -8.0 << false;
    QTest::newRow("y = 8 kept in the enlarged view") << f << "8" << 7 << 3.0 << 8.0 << true;
    QTest::newRow("y = 7.99 kept in the normal view") << f << "7.99" << 1 << 3.0 << 7.99 << true;
    QTest::newRow("1/x plots without an error") << f << "1/x" << 1 << 2.0 << 0.5 << true;
    QTest::newRow("sqr(x) not drawn along y = 0") << f << "sqr(x)" << 1 << -4.5 << 0.0 << false;
    QTest::newRow("1+sqr(x) not drawn along y = 1") << f << "1+sqr(x)" << 1 << -4.5 << 1.0 << false;
    QTest::newRow("1+sqr(x) drawn where defined") << f << "1+sqr(x)" << 1 << 4.0 << 3.0 << true;
    QTest::newRow("tg(x) in g's normal view") << g << "tg(x)" << 2 << Pi / 4 << 1.0 << true;
    QTest::newRow("tg(x) in g's enlarged view") << g << "tg(x)" << 8 << Pi / 4 << 1.0 << true;
    QTest::newRow("g's curve stays out of f's view") << g << "tg(x)" << 1 << Pi / 4 << 1.0 << false;
}

void TestForm1Plot::curve() {
    QFETCH(int, graph);
    QFETCH(QString, text);
    QFETCH(int, view);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, drawn);
    auto form = OpenForm1();
    const char* box = graph == Form1::F ? "FunçãoF" : "FunçãoG";
    SetText(form.get(), box, text);
    const ModalSeen seen =
        WithModal([&] { Click(form.get(), graph == Form1::F ? "DesenharF" : "DesenharG"); });
    QVERIFY2(!seen.shown, qPrintable(seen.text));
    QCOMPARE(ShowsNear(*form->Picture1(view), x, y, Blue), drawn);
    QVERIFY(form->Desenhado(Form1::Graph(graph)));
    QVERIFY(form->Picture1(graph + 1)->isVisible());
    QVERIFY(!form->Picture1(graph + 4)->isVisible());
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestForm1Plot::messages_data() {
    QTest::addColumn<int>("graph");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("drawnBefore");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("focusBack");
    const QString parens =
        QString::fromUtf8("Erro na expressão analítica:\r\n\r\nNúmero de parênteses incorrecto.");
    const QString empty = QString::fromUtf8(
        "Deve escrever a expressão analítica da função que pretende representar graficamente.");
    const int info = QMessageBox::Information, none = QMessageBox::NoIcon;
    QTest::newRow("f, unbalanced") << int(Form1::F) << "(x" << false << parens << info << true;
    QTest::newRow("g, unbalanced") << int(Form1::G) << "(x" << false << parens << none << true;
    QTest::newRow("f, unbalanced after a plot")
        << int(Form1::F) << "4sen(x" << true << parens << info << true;
    QTest::newRow("f, only spaces") << int(Form1::F) << "   " << false << empty << none << false;
    QTest::newRow("g, empty") << int(Form1::G) << "" << false << empty << none << false;
    QTest::newRow("g, empty after a plot") << int(Form1::G) << "" << true << empty << none << false;
}

void TestForm1Plot::messages() {
    QFETCH(int, graph);
    QFETCH(QString, text);
    QFETCH(bool, drawnBefore);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(bool, focusBack);
    auto form = OpenForm1();
    const Form1::Graph g = Form1::Graph(graph);
    const char* boxName = g == Form1::F ? "FunçãoF" : "FunçãoG";
    const char* button = g == Form1::F ? "DesenharF" : "DesenharG";
    if (drawnBefore)
        Click(form.get(), button); // the initial texts plot without an error
    const int curveBefore = CountColour(*form->Picture1(graph + 1), Blue);
    SetText(form.get(), boxName, text);
    Control<QWidget>(form.get(), "Abcissa")->setFocus();
    bool normalWhileShown = false;
    const ModalSeen seen = WithModal([&] { Click(form.get(), button); },
                                     [&](QWidget* box) {
                                         normalWhileShown =
                                             form->Picture1(graph + 1)->isVisible() &&
                                             !form->Picture1(graph + 4)->isVisible();
                                         qobject_cast<QMessageBox*>(box)->accept();
                                     });
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, message);
    QVERIFY(normalWhileShown); // the message is read against the axes, not a blank view
    QCOMPARE(seen.title, QStringLiteral("Quivela"));
    QCOMPARE(int(seen.icon), icon);
    // The normal view is back in front, with what it held; the flag as it was.
    QVERIFY(form->Picture1(graph + 1)->isVisible());
    QVERIFY(!form->Picture1(graph + 4)->isVisible());
    QCOMPARE(CountColour(*form->Picture1(graph + 1), Blue), curveBefore);
    QCOMPARE(form->Desenhado(g), drawnBefore);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    if (focusBack)
        QCOMPARE(form->focusWidget(), Control<QWidget>(form.get(), boxName));
}

void TestForm1Plot::errorKeepsPointsAlreadySet() {
    // int(x) is 0 from the first sample past 0 on: the division by zero stops
    // the plot there, after the points of the negative half were set.
    auto form = OpenForm1();
    SetText(form.get(), "FunçãoF", "1/int(x)");
    const ModalSeen seen = WithModal([&] { Click(form.get(), "DesenharF"); });
    QVERIFY(seen.shown);
    QVERIFY(seen.text.startsWith(QString::fromUtf8("Erro na expressão analítica:\r\n\r\n")));
    for (int view : {1, 7}) {
        QVERIFY(ShowsNear(*form->Picture1(view), -3.5, -0.25, Blue));
        QVERIFY(!ShowsNear(*form->Picture1(view), 3.5, 1.0 / 3, Blue));
    }
    QVERIFY(!form->Desenhado(Form1::F));
}

void TestForm1Plot::twoPlotsKeepBothCurves() {
    auto form = OpenForm1();
    Click(form.get(), "DesenharF");
    SetText(form.get(), "FunçãoF", "x/2");
    Click(form.get(), "DesenharF");
    QVERIFY(ShowsNear(*form->Picture1(1), Pi / 2, 4, Blue));
    QVERIFY(ShowsNear(*form->Picture1(1), 6, 3, Blue));
}

void TestForm1Plot::apagarErasesOnlyItsGraph() {
    auto form = OpenForm1();
    Click(form.get(), "DesenharF");
    Click(form.get(), "DesenharG");
    Click(form.get(), "ApagarF");
    QCOMPARE(CountColour(*form->Picture1(1), Blue), 0);
    QCOMPARE(CountColour(*form->Picture1(7), Blue), 0);
    QVERIFY(ShowsNear(*form->Picture1(1), 5, 0, Qt::black)); // axes back
    QVERIFY(!form->Desenhado(Form1::F));
    QVERIFY(ShowsNear(*form->Picture1(2), Pi / 4, 1, Blue));
    QVERIFY(form->Desenhado(Form1::G));
}

// "Copiar imagem" on every view that stays on screen puts on the clipboard
// exactly what its drawing area shows; a live view offers nothing.
void TestForm1Plot::copyImage_data() {
    QTest::addColumn<int>("view");
    const char* const graphs[] = {"f", "g", "operation"};
    const char* const kinds[] = {"normal", "live", "enlarged"};
    for (int i = 1; i <= 9; ++i)
        QTest::addRow("%s, %s", graphs[(i - 1) % 3], kinds[(i - 1) / 3]) << i;
}

void TestForm1Plot::copyImage() {
    QFETCH(int, view);
    auto form = OpenForm1();
    SetText(form.get(), "FunçãoF", QStringLiteral("4sen(x)"));
    Click(form.get(), "DesenharF");
    DrawingWindow* w = form->Picture1(view);
    auto* copy = w->findChild<QAction*>(QStringLiteral("CopiarImagem"));
    const bool live = view >= 4 && view <= 6;
    QCOMPARE(copy == nullptr, live);
    QCOMPARE(w->contextMenuPolicy() == Qt::ActionsContextMenu, !live);
    if (live)
        return;
    QGuiApplication::clipboard()->clear();
    copy->trigger();
    const QImage pasted = QGuiApplication::clipboard()->image();
    const qreal ratio = w->devicePixelRatioF();
    const QRect area(w->contentsRect().topLeft() * ratio, w->contentsRect().size() * ratio);
    const QImage shown = w->grab().toImage().copy(area);
    QCOMPARE(pasted.size(), shown.size());
    QVERIFY(pasted.convertToFormat(QImage::Format_RGB32) ==
            shown.convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(TestForm1Plot)
#include "tst_form1_plot.moc"
