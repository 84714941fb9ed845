// The operation on f and g, the coordinate lines and the pointer readout,
// driven through the main window's own controls.
#include "Form1Harness.h"
#include "mainwindow/PointerReadout.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QtTest>
#include <cmath>

namespace {

const QColor Black(0, 0, 0);
const double PiHalf = 3.14159265358979 / 2; // as the engine's pi makes it

// An option button pressed on its round indicator (a click in the middle of a
// wide button with a short caption would miss the part that reacts).
void ChooseOption(QWidget* form, const QString& name) {
    auto* option = Control<QRadioButton>(form, name.toUtf8().constData());
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    if (!option->isChecked())
        qFatal("option %s not chosen", qPrintable(name));
}

QString Funcao(QWidget* form) {
    return Control<QLineEdit>(form, "Função")->text();
}

// Black pixels along a vertical (x fixed) or horizontal (y fixed) segment,
// sampled every pixel, and the number of samples.
std::pair<int, int> BlackAlong(const DrawingWindow& w, double x1, double y1, double x2, double y2) {
    const QPointF a = w.ToWidget(x1, y1), b = w.ToWidget(x2, y2);
    const double length = QLineF(a, b).length();
    int black = 0, samples = 0;
    for (double t = 0; t <= length; t += 1) {
        const QPointF p = a + (b - a) * (length > 0 ? t / length : 0);
        const QPointF u = w.ToUser(p);
        black += ShowsNear(w, u.x(), u.y(), Black, 1) ? 1 : 0;
        ++samples;
    }
    return {black, samples};
}

bool DottedLine(const DrawingWindow& w, double x1, double y1, double x2, double y2) {
    const auto [black, samples] = BlackAlong(w, x1, y1, x2, y2);
    return samples > 5 && black >= samples / 4;
}

bool NoBlack(const DrawingWindow& w, double x1, double y1, double x2, double y2) {
    return BlackAlong(w, x1, y1, x2, y2).first == 0;
}

} // namespace

class TestForm1Operations : public QObject {
    Q_OBJECT
private slots:
    void operation_data();
    void operation();
    void longTexts_data();
    void longTexts();
    void parameter_data();
    void parameter();
    void missingParameterClearsNothing_data();
    void missingParameterClearsNothing();
    void coordinateLines();
    void coordinateLinesMessages_data();
    void coordinateLinesMessages();
    void readout_data();
    void readout();
    void readoutThroughTheMouse();
};

// Each operation on the f and g of the start and on others typed into the
// boxes: the composed text, and whether the operation's views show a point
// of it (never f's view, which shows no red).
void TestForm1Operations::operation_data() {
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("g");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("shown");

    const char *f = "4sen(x)", *g = "tg(x)";
    const double f5 = 4 * std::sin(0.5), g5 = std::tan(0.5);
    const struct {
        const char *name, *f, *g, *option, *a, *b, *text;
        double x, y;
        bool shown;
    } rows[] = {
        {"Soma", f, g, "OptionSoma", "", "", "(4sen(x))+(tg(x))", 0.5, f5 + g5, true},
        {"Produto", f, g, "OptionProduto", "", "", "(4sen(x))*(tg(x))", 0.5, f5 * g5, true},
        {"Subfg", f, g, "OptionSubfg", "", "", "(4sen(x))-(tg(x))", 0.5, f5 - g5, true},
        {"Subgf", f, g, "OptionSubgf", "", "", "(tg(x))-(4sen(x))", 0.5, g5 - f5, true},
        {"Quofg", f, g, "OptionQuofg", "", "", "(4sen(x))/(tg(x))", 0.5, f5 / g5, true},
        {"Quogf", f, g, "OptionQuogf", "", "", "(tg(x))/(4sen(x))", 0.5, g5 / f5, true},
        {"Sqrf", f, g, "OptionSqrf", "", "", "sqr (4sen(x))", 0.5, std::sqrt(f5), true},
        {"Sqrg", f, g, "OptionSqrg", "", "", "sqr (tg(x))", 0.5, std::sqrt(g5), true},
        {"Compfg", f, g, "OptionCompfg", "", "", "4sen((tg(x)))", 0.5, 4 * std::sin(g5), true},
        {"Compgf", f, g, "OptionCompgf", "", "", "tg((4sen(x)))", 0.2, std::tan(4 * std::sin(0.2)),
         true},
        {"bf", f, g, "Optionbf", "", "2", "(2)^(4sen(x))", 0.5, std::pow(2, f5), true},
        {"fa", f, g, "Optionfa", "2*3", "", "(4sen(x))^(6)", 0.3, std::pow(4 * std::sin(0.3), 6),
         true},
        {"fa, a = x", f, g, "Optionfa", "x", "", "(4sen(x))^(0)", 0.5, 1.0, true},
        {"bf, b = 0.5", f, g, "Optionbf", "", "0.5", "(0.5)^(4sen(x))", 0.5, std::pow(0.5, f5),
         true},
        {"exp o (x+1)", "exp(x)", "x+1", "OptionCompfg", "", "", "exp((x+1))", 0.0, std::exp(1.0),
         true},
        {"max o (x-3)", "max(x, 2x)", "x-3", "OptionCompfg", "", "", "max((x-3), 2(x-3))", 4.0, 2.0,
         true},
        {"fix o x/2", "fix(x)", "x/2", "OptionCompfg", "", "", "fix((x/2))", 5.5, 2.0, true},
        {"2X o (x+1)", "2X", "x+1", "OptionCompfg", "", "", "2(x+1)", 1.0, 4.0, true},
        {"(x+1) o 2X", "2X", "x+1", "OptionCompgf", "", "", "(2X)+1", 1.0, 3.0, true},
        {"sqr of x, where defined", "x", "1", "OptionSqrf", "", "", "sqr (x)", 4.0, 2.0, true},
        // Where f < 0 the square root has no value: no flat run at the last value.
        {"sqr of x, not along y = 0 for x < 0", "x", "1", "OptionSqrf", "", "", "sqr (x)", -4.0,
         0.0, false},
        {"sqr of 1-x, not along y = 0 for x > 1", "1", "1-x", "OptionSqrg", "", "", "sqr (1-x)",
         5.0, 0.0, false},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << QString::fromUtf8(r.f) << QString::fromUtf8(r.g)
                              << QString::fromUtf8(r.option) << QString::fromUtf8(r.a)
                              << QString::fromUtf8(r.b) << QString::fromUtf8(r.text) << r.x << r.y
                              << r.shown;
}

void TestForm1Operations::operation() {
    QFETCH(QString, f);
    QFETCH(QString, g);
    QFETCH(QString, option);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, text);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, shown);
    auto form = OpenForm1();
    SetText(form.get(), "FunçãoF", f);
    SetText(form.get(), "FunçãoG", g);
    ChooseOption(form.get(), option);
    SetText(form.get(), "ValorDeA", a);
    SetText(form.get(), "ValorDeB", b);
    QVERIFY(!ShowsNear(*form->Picture1(3), x, y, Red));

    const ModalSeen seen = WithModal([&] { Click(form.get(), "DesenharO"); });
    QVERIFY2(!seen.shown, qPrintable(seen.text));
    QCOMPARE(Funcao(form.get()), text);
    QCOMPARE(ShowsNear(*form->Picture1(3), x, y, Red), shown);
    QCOMPARE(ShowsNear(*form->Picture1(9), x, y, Red), shown);
    QVERIFY(!ShowsNear(*form->Picture1(1), x, y, Red));
    QVERIFY(form->Desenhado(Form1::O));
    QVERIFY(form->Picture1(3)->isVisible());
    QVERIFY(!form->Picture1(6)->isVisible());
}

// Texts longer than the engine takes: the overflow is reported at once, with
// the text in Função as far as it was built, and nothing is plotted; never a
// text cut short and plotted, nor a parenthesis error from the cut.
void TestForm1Operations::longTexts_data() {
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("g");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("text");    // Função afterwards
    QTest::addColumn<QString>("message"); // empty: plotted
    auto sum = [](int terms) {
        return QStringLiteral("x") + QStringLiteral("+x").repeated(terms - 1);
    };
    const QString longest = sum(16384); // 32,767 characters
    const QString overflow = QStringLiteral("Erro:\r\n\r\nExcesso de capacidade");
    QTest::newRow("f o g, both of the longest length") << longest << longest << "OptionCompfg"
                                                       << "(" + longest + ")" << overflow;
    QTest::newRow("g o f, both of the longest length") << longest << longest << "OptionCompgf"
                                                       << "(" + longest + ")" << overflow;
    QTest::newRow("f + g, past the longest")
        << sum(10000) << sum(10000) << "OptionSoma"
        << "(" + sum(10000) + ")+(" + sum(10000) + ")" << overflow;
    const QString padded = QStringLiteral("x") + QStringLiteral(" ").repeated(32764);
    QTest::newRow("f o g, at the longest") << "x" << padded << "OptionCompfg"
                                           << "(" + padded + ")" << QString();
}

void TestForm1Operations::longTexts() {
    QFETCH(QString, f);
    QFETCH(QString, g);
    QFETCH(QString, option);
    QFETCH(QString, text);
    QFETCH(QString, message);
    auto form = OpenForm1();
    Control<QLineEdit>(form.get(), "FunçãoF")->setText(f);
    Control<QLineEdit>(form.get(), "FunçãoG")->setText(g);
    ChooseOption(form.get(), option);
    const ModalSeen seen = WithModal([&] { Click(form.get(), "DesenharO"); });
    QCOMPARE(seen.shown ? seen.text : QString(), message);
    QCOMPARE(Funcao(form.get()), text);
    QCOMPARE(form->Desenhado(Form1::O), message.isEmpty());
    // y = x where it is plotted; no point at all where it is not.
    QCOMPARE(CountColour(*form->Picture1(3), Red) > 0, message.isEmpty());
    QCOMPARE(CountColour(*form->Picture1(9), Red) > 0, message.isEmpty());
    if (message.isEmpty())
        QVERIFY(ShowsNear(*form->Picture1(3), 2, 2, Red));
}

void TestForm1Operations::parameter_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");    // Função afterwards
    QTest::addColumn<QString>("message"); // empty: none

    const QString f = QStringLiteral("(4sen(x))");
    QTest::newRow("a = 2*3") << "Optionfa"
                             << "2*3" << f + "^(6)"
                             << "";
    QTest::newRow("a = x is 0") << "Optionfa"
                                << "x" << f + "^(0)"
                                << "";
    QTest::newRow("a with all its digits") << "Optionfa"
                                           << "0.1*3" << f + "^(0.30000000000000004)"
                                           << "";
    QTest::newRow("b negative") << "Optionbf"
                                << "-2.5"
                                << "(-2.5)^" + f << "";
    QTest::newRow("b = 10^20 without exponent form") << "Optionbf"
                                                     << "10^20"
                                                     << "(100000000000000000000)^" + f << "";
    QTest::newRow("a undefined") << "Optionfa"
                                 << "sqr(-1)"
                                 << ""
                                 << QString::fromUtf8("Erro:\r\n\r\nValor não definido: sqr(-1)");
    QTest::newRow("a unbalanced") << "Optionfa"
                                  << "(2"
                                  << ""
                                  << QString::fromUtf8(
                                         "Erro:\r\n\r\nNúmero de parênteses incorrecto.");
    QTest::newRow("b unknown name")
        << "Optionbf"
        << "k"
        << "" << QString::fromUtf8("Erro:\r\n\r\nVariável não definida: k");
    QTest::newRow("f unbalanced") << "OptionSoma"
                                  << "(x"
                                  << "((x)+(tg(x))"
                                  << QString::fromUtf8(
                                         "Erro:\r\n\r\nNúmero de parênteses incorrecto.");
}

void TestForm1Operations::parameter() {
    QFETCH(QString, option);
    QFETCH(QString, value);
    QFETCH(QString, text);
    QFETCH(QString, message);
    auto form = OpenForm1();
    ChooseOption(form.get(), option);
    // The value of a, of b, or else f itself.
    const char* box = option == "Optionfa"   ? "ValorDeA"
                      : option == "Optionbf" ? "ValorDeB"
                                             : "FunçãoF";
    SetText(form.get(), box, value);
    const ModalSeen seen = WithModal([&] { Click(form.get(), "DesenharO"); });
    QCOMPARE(seen.shown ? seen.text : QString(), message);
    QCOMPARE(Funcao(form.get()), text);
    QCOMPARE(form->Desenhado(Form1::O), message.isEmpty());
    if (!message.isEmpty()) {
        QCOMPARE(seen.title, QStringLiteral("Quivela"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(form->focusWidget(), Control<QLineEdit>(form.get(), "FunçãoG"));
        QVERIFY(form->Picture1(3)->isVisible() && !form->Picture1(6)->isVisible());
    }
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestForm1Operations::missingParameterClearsNothing_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("a empty") << "Optionfa"
                             << "ValorDeA"
                             << ""
                             << "Deve indicar o valor de a.";
    QTest::newRow("a only spaces") << "Optionfa"
                                   << "ValorDeA"
                                   << "   "
                                   << "Deve indicar o valor de a.";
    QTest::newRow("b empty") << "Optionbf"
                             << "ValorDeB"
                             << ""
                             << "Deve indicar o valor de b.";
    QTest::newRow("b only spaces") << "Optionbf"
                                   << "ValorDeB"
                                   << "  "
                                   << "Deve indicar o valor de b.";
}

void TestForm1Operations::missingParameterClearsNothing() {
    QFETCH(QString, option);
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(QString, message);
    auto form = OpenForm1();
    // First the sum, drawn.
    QVERIFY(!WithModal([&] { Click(form.get(), "DesenharO"); }).shown);
    const double y = 4 * std::sin(0.5) + std::tan(0.5);
    QVERIFY(ShowsNear(*form->Picture1(3), 0.5, y, Red));
    const QImage before3 = form->Picture1(3)->Image(), before9 = form->Picture1(9)->Image();

    ChooseOption(form.get(), option);
    SetText(form.get(), box.toUtf8().constData(), value);
    const ModalSeen seen = WithModal([&] { Click(form.get(), "DesenharO"); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.title, QStringLiteral("Quivela"));
    QCOMPARE(form->focusWidget(), Control<QLineEdit>(form.get(), box.toUtf8().constData()));
    QCOMPARE(Funcao(form.get()), QStringLiteral("(4sen(x))+(tg(x))"));
    QVERIFY(ShowsNear(*form->Picture1(3), 0.5, y, Red));
    QVERIFY(ShowsNear(*form->Picture1(9), 0.5, y, Red));
    QCOMPARE(form->Picture1(3)->Image(), before3);
    QCOMPARE(form->Picture1(9)->Image(), before9);
    QVERIFY(form->Picture1(3)->isVisible());
    QVERIFY(!form->Picture1(6)->isVisible());
    QVERIFY(form->Desenhado(Form1::O));
}

void TestForm1Operations::coordinateLines() {
    auto form = OpenForm1();
    QVERIFY(!WithModal([&] { Click(form.get(), "DesenharF"); }).shown);
    for (int v : {1, 7})
        QVERIFY(NoBlack(*form->Picture1(v), PiHalf, 0.5, PiHalf, 3.5));
    const QImage before2 = form->Picture1(2)->Image();

    SetText(form.get(), "Abcissa", QStringLiteral("pi/2"));
    QVERIFY(!WithModal([&] { Click(form.get(), "DesenharCoordenadas"); }).shown);
    for (int v : {1, 7}) {
        const DrawingWindow& w = *form->Picture1(v);
        QVERIFY2(DottedLine(w, PiHalf, 0.5, PiHalf, 3.5), qPrintable(QString::number(v)));
        QVERIFY2(DottedLine(w, 0.3, 4, 1.2, 4), qPrintable(QString::number(v)));
        QVERIFY2(NoBlack(w, PiHalf, 4.5, PiHalf, 7), qPrintable(QString::number(v)));
        QCOMPARE(w.DrawStyle(), DrawingWindow::Style::Solid);
    }
    QCOMPARE(form->Picture1(1)->DrawWidth(), 1);
    QCOMPARE(form->Picture1(7)->DrawWidth(), 3);
    // g was not drawn: its views are left as they were.
    QCOMPARE(form->Picture1(2)->Image(), before2);

    // Only the abscissa line once OrdenadaF is unchecked (after a fresh plot).
    Click(form.get(), "ApagarF");
    QVERIFY(!WithModal([&] { Click(form.get(), "DesenharF"); }).shown);
    Click(form.get(), "OrdenadaF");
    QVERIFY(!Control<QCheckBox>(form.get(), "OrdenadaF")->isChecked());
    QVERIFY(!WithModal([&] { Click(form.get(), "DesenharCoordenadas"); }).shown);
    QVERIFY(DottedLine(*form->Picture1(1), PiHalf, 0.5, PiHalf, 3.5));
    QVERIFY(NoBlack(*form->Picture1(1), 0.3, 4, 1.2, 4));
}

void TestForm1Operations::coordinateLinesMessages_data() {
    QTest::addColumn<bool>("plotFirst"); // f drawn before the lines are asked for
    QTest::addColumn<QString>("abscissa");
    QTest::addColumn<QString>("message");
    const QString range = QString::fromUtf8("Deve indicar para abcissa um valor entre -8 e 8.");
    QTest::newRow("empty") << true << "" << range;
    QTest::newRow("empty, nothing drawn") << false << "" << range;
    QTest::newRow("spaces") << true << "  " << range;
    QTest::newRow("unbalanced")
        << true << "(1"
        << QString::fromUtf8(
               "Erro na expressão analítica:\r\n\r\nNúmero de parênteses incorrecto.");
    QTest::newRow("undefined")
        << true << "sqr(-2)"
        << QString::fromUtf8("Erro na expressão analítica:\r\n\r\nValor não definido: sqr(-2)");
}

void TestForm1Operations::coordinateLinesMessages() {
    QFETCH(bool, plotFirst);
    QFETCH(QString, abscissa);
    QFETCH(QString, message);
    auto form = OpenForm1();
    if (plotFirst)
        QVERIFY(!WithModal([&] { Click(form.get(), "DesenharF"); }).shown);
    const QImage before1 = form->Picture1(1)->Image(), before7 = form->Picture1(7)->Image();
    SetText(form.get(), "Abcissa", abscissa);
    const ModalSeen seen = WithModal([&] { Click(form.get(), "DesenharCoordenadas"); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, message);
    QCOMPARE(seen.title, QStringLiteral("Quivela"));
    QCOMPARE(form->Picture1(1)->Image(), before1);
    QCOMPARE(form->Picture1(7)->Image(), before7);
}

void TestForm1Operations::readout_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("portuguese");
    QTest::newRow("1.5, -2.25 over view 1") << 1 << 1.5f << -2.25f << "(1.5 , -2.25)"
                                            << "(1,5 , -2,25)";
    QTest::newRow("3, 0.004 over view 2") << 2 << 3.0f << 0.004f << "(3 , 0)"
                                          << "(3 , 0)";
    QTest::newRow("1.236, 0.125 over view 3") << 3 << 1.236f << 0.125f << "(1.24 , 0.12)"
                                              << "(1,24 , 0,12)";
    QTest::newRow("corner of view 9") << 9 << -16.0f << 16.0f << "(-16 , 16)"
                                      << "(-16 , 16)";
}

void TestForm1Operations::readout() {
    QFETCH(int, view);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, english);
    QFETCH(QString, portuguese);
    auto form = OpenForm1();
    auto* label = Control<QLabel>(form.get(), "Label6");
    auto* check = Control<QCheckBox>(form.get(), "Check1");
    DrawingWindow* w = form->Picture1(view);

    // Off: a movement changes nothing.
    emit w->MouseMoved(view, x, y);
    QCOMPARE(label->text(), QString());
    QVERIFY(!w->testAttribute(Qt::WA_SetCursor));

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(check->isChecked());
    QVERIFY(!w->testAttribute(Qt::WA_SetCursor)); // the cross waits for a movement
    QLocale::setDefault(QLocale::c());
    emit w->MouseMoved(view, x, y);
    QCOMPARE(label->text(), english);
    QCOMPARE(w->cursor().shape(), Qt::CrossCursor);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Portugal));
    emit w->MouseMoved(view, x, y);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(label->text(), portuguese);

    // A greyed box counts as on.
    check->setTristate(true);
    check->setCheckState(Qt::PartiallyChecked);
    emit w->MouseMoved(view, 0.0f, 0.0f);
    QCOMPARE(label->text(), QStringLiteral("(0 , 0)"));
    check->setTristate(false);
    check->setCheckState(Qt::Checked);

    // Unchecked: every window back to the default pointer, the text stays.
    emit form->Picture1(1)->MouseMoved(1, 2.0f, 2.0f);
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    for (int i = 1; i <= 9; ++i) {
        QVERIFY2(!form->Picture1(i)->testAttribute(Qt::WA_SetCursor),
                 qPrintable(QString::number(i)));
        QCOMPARE(form->Picture1(i)->cursor().shape(), Qt::ArrowCursor);
    }
    QCOMPARE(label->text(), QStringLiteral("(2 , 2)"));
    emit w->MouseMoved(view, 5.0f, 5.0f);
    QCOMPARE(label->text(), QStringLiteral("(2 , 2)"));
}

// A real movement of the pointer over the middle of view 1.
void TestForm1Operations::readoutThroughTheMouse() {
    auto form = OpenForm1();
    QTest::mouseClick(Control<QCheckBox>(form.get(), "Check1"), Qt::LeftButton);
    DrawingWindow* w = form->Picture1(1);
    // The pixel under the middle of the scale; the window reports its centre.
    const QPointF middle = w->ToWidget(0, 0);
    const QPointF pixel(std::floor(middle.x()), std::floor(middle.y()));
    QMouseEvent move(QEvent::MouseMove, pixel, w->mapToGlobal(pixel), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    const QPointF user = w->ToUser(pixel + QPointF(0.5, 0.5));
    QVERIFY(std::abs(user.x()) < 0.06 && std::abs(user.y()) < 0.06);
    QCOMPARE(Control<QLabel>(form.get(), "Label6")->text(),
             PointerReadout::Text(float(user.x()), float(user.y()), QLocale()));
    QCOMPARE(w->cursor().shape(), Qt::CrossCursor);
    QVERIFY(!form->Picture1(2)->testAttribute(Qt::WA_SetCursor));
}

QTEST_MAIN(TestForm1Operations)
#include "tst_form1_operations.moc"
