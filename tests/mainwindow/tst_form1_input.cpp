// The main window driven from the keyboard and read by a screen reader: Enter
// in each text box, the tab chain, the accessible names; and the pointer on
// the option buttons and the readout check box.
#include "Form1Harness.h"
#include "drawing/Twips.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <tuple>

namespace {

QString AccessibleName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a != nullptr ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}

// The controls in the order the window reads, as Tab visits them. Of the
// option buttons only the chosen one is a stop (here the one chosen at
// start); the arrow keys move between them.
const char* const TabChain[] = {
    "FunçãoF",   "FunçãoG",   "OptionSoma", "ValorDeA",    "ValorDeB",
    "Ajuda",     "Command4",  "Command5",   "Command6",    "Sair",
    "DesenharF", "ApagarF",   "EixosRadF",  "CorDoFundoF", "CorDoGráficoF",
    "DesenharG", "ApagarG",   "EixosRadG",  "CorDoFundoG", "CorDoGráficoG",
    "DesenharO", "ApagarO",   "EixosRadO",  "CorDoFundoO", "CorDoGráficoO",
    "Função",    "Check1",    "Abcissa",    "AbcissaF",    "OrdenadaF",
    "AbcissaG",  "OrdenadaG", "AbcissaO",   "OrdenadaO",   "DesenharCoordenadas",
    "Command1",  "Command2",  "Command3"};

} // namespace

class TestForm1Input : public QObject {
    Q_OBJECT
private slots:
    void enter_data();
    void enter();
    void longTextReachesTheEngine_data();
    void longTextReachesTheEngine();
    void tabChain_data();
    void tabChain();
    void arrowsMoveBetweenOptions();
    void tabChainReadsLikeThePage();
    void accessibleNames_data();
    void accessibleNames();
    void buttonNamesFollowTheirCaptions();
    void everyControlNamed();
    void optionReactsAnywhere_data();
    void optionReactsAnywhere();
    void optionsShowAllTheyReactTo();
    void readoutOffRestoresPointers_data();
    void readoutOffRestoresPointers();
    void warningSign_data();
    void warningSign();
};

void TestForm1Input::enter_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("option"); // chosen before, if any
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("drawn");   // graphs drawn afterwards: F, G, O
    QTest::addColumn<QString>("message"); // start of the message shown, if any

    const QString none;
    const QString noA = QString::fromUtf8("Deve indicar o valor de a.");
    QTest::newRow("f, Return") << "FunçãoF" << none << "x/2" << int(Qt::Key_Return) << "F" << none;
    QTest::newRow("f, keypad Enter")
        << "FunçãoF" << none << "x" << int(Qt::Key_Enter) << "F" << none;
    QTest::newRow("f blank, Return") << "FunçãoF" << none << "   " << int(Qt::Key_Return) << ""
                                     << QString::fromUtf8("Deve escrever a expressão analítica");
    QTest::newRow("f bad, Return") << "FunçãoF" << none << "sen(x" << int(Qt::Key_Return) << ""
                                   << QString::fromUtf8("Erro na expressão analítica:");
    QTest::newRow("f, Escape") << "FunçãoF" << none << "x" << int(Qt::Key_Escape) << "" << none;
    QTest::newRow("g, Return") << "FunçãoG" << none << "x" << int(Qt::Key_Return) << "G" << none;
    QTest::newRow("g, keypad Enter")
        << "FunçãoG" << none << "2" << int(Qt::Key_Enter) << "G" << none;
    QTest::newRow("operation text, Return")
        << "Função" << none << "x+1" << int(Qt::Key_Return) << "O" << none;
    QTest::newRow("a, Return, f^a") << "ValorDeA"
                                    << "Optionfa"
                                    << "2" << int(Qt::Key_Return) << "O" << none;
    QTest::newRow("a empty, Return, f^a") << "ValorDeA"
                                          << "Optionfa"
                                          << "" << int(Qt::Key_Return) << "" << noA;
    QTest::newRow("b, keypad Enter, b^f") << "ValorDeB"
                                          << "Optionbf"
                                          << "2" << int(Qt::Key_Enter) << "O" << none;
    QTest::newRow("b empty, Return, b^f")
        << "ValorDeB"
        << "Optionbf"
        << "" << int(Qt::Key_Return) << "" << QString::fromUtf8("Deve indicar o valor de b.");
    QTest::newRow("b empty, Return, sum")
        << "ValorDeB" << none << "" << int(Qt::Key_Return) << "O" << none;
    QTest::newRow("abscissa empty, Return")
        << "Abcissa" << none << "" << int(Qt::Key_Return) << ""
        << QString::fromUtf8("Deve indicar para abcissa um valor entre -8 e 8.");
    // With f drawn first (option "DesenharF"): the lines change view 1.
    QTest::newRow("abscissa, keypad Enter") << "Abcissa"
                                            << "DesenharF"
                                            << "2" << int(Qt::Key_Enter) << "F" << none;
    QTest::newRow("abscissa, Return") << "Abcissa"
                                      << "DesenharF"
                                      << "-1" << int(Qt::Key_Return) << "F" << none;
    QTest::newRow("abscissa, Escape") << "Abcissa"
                                      << "DesenharF"
                                      << "2" << int(Qt::Key_Escape) << "F" << none;
}

void TestForm1Input::enter() {
    QFETCH(QString, box);
    QFETCH(QString, option);
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(QString, drawn);
    QFETCH(QString, message);
    auto form = OpenForm1();
    if (!option.isEmpty())
        Click(form.get(), option.toUtf8().constData());
    auto* edit = Control<QLineEdit>(form.get(), box.toUtf8().constData());
    edit->setFocus();
    edit->setText(text);
    const QImage before = form->Picture1(1)->Image();
    const ModalSeen seen = WithModal([&] { QTest::keyClick(edit, Qt::Key(key)); });
    QCOMPARE(seen.shown, !message.isEmpty());
    if (seen.shown)
        QVERIFY2(seen.text.startsWith(message), qPrintable(seen.text));
    const QString names = QStringLiteral("FGO");
    for (int g = 0; g < 3; ++g)
        QVERIFY2(form->Desenhado(Form1::Graph(g)) == drawn.contains(names[g]),
                 qPrintable(QString(names[g])));
    // What was typed is still there (the operation's text is composed anew
    // only when an operation is chosen), and the box can be typed in again.
    if (box != QStringLiteral("Função"))
        QCOMPARE(edit->text(), text);
    if (drawn == QStringLiteral("F"))
        QVERIFY(CountColour(*form->Picture1(1), Blue) > 100);
    if (option == QStringLiteral("DesenharF"))
        QCOMPARE(form->Picture1(1)->Image() != before, key != Qt::Key_Escape);
}

// A text longer than the engine takes, typed past the toolkit's usual limit
// of 32,767 characters or pasted whole, stays whole in its box and reaches
// the engine, which reports the overflow. Cut at 32,767 characters, each of
// these texts would be a valid expression, plotted or used without a word.
void TestForm1Input::longTextReachesTheEngine_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before"); // option or button clicked before, if any
    QTest::addColumn<bool>("pasted");    // else typed after the first 32,767
    QTest::addColumn<QString>("message");
    const QString plot = QString::fromUtf8("Erro na expressão analítica:\r\n\r\n");
    const QString operation = QStringLiteral("Erro:\r\n\r\n");
    const std::tuple<const char*, const char*, QString> boxes[] = {
        {"FunçãoF", "", plot},
        {"FunçãoG", "", plot},
        {"ValorDeA", "Optionfa", operation},
        {"ValorDeB", "Optionbf", operation},
        {"Abcissa", "DesenharF", plot}};
    for (const auto& [box, before, heading] : boxes)
        for (const bool pasted : {false, true})
            QTest::addRow("%s, %s", box, pasted ? "pasted" : "typed")
                << QString::fromUtf8(box) << QString::fromUtf8(before) << pasted
                << heading + QStringLiteral("Excesso de capacidade");
    // The operation's own text has no engine behind Enter while an option is
    // chosen (the option writes its text anew); it holds all the same.
    QTest::newRow("Função, pasted")
        << QString::fromUtf8("Função") << QString() << true << QString();
}

void TestForm1Input::longTextReachesTheEngine() {
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(bool, pasted);
    QFETCH(QString, message);
    QString text = QStringLiteral("x");
    while (text.size() < 40'000)
        text += QStringLiteral("+x");
    auto form = OpenForm1();
    if (!before.isEmpty())
        Click(form.get(), before.toUtf8().constData());
    auto* edit = Control<QLineEdit>(form.get(), box.toUtf8().constData());
    edit->setFocus();
    edit->clear();
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else {
        text = text.left(32'767);
        edit->setText(text);
        QCOMPARE(edit->text(), text);
        edit->end(false);
        QTest::keyClicks(edit, QStringLiteral("+x"));
        text += QStringLiteral("+x");
    }
    QCOMPARE(edit->text(), text);
    if (message.isEmpty())
        return;
    const ModalSeen seen = WithModal([&] { QTest::keyClick(edit, Qt::Key_Return); });
    QVERIFY(seen.shown);
    QCOMPARE(seen.text, message);
    QCOMPARE(edit->text(), text);
}

void TestForm1Input::tabChain_data() {
    QTest::addColumn<QString>("chosen");
    QTest::newRow("at start") << "OptionSoma";
    QTest::newRow("g o f") << "OptionCompgf";
    QTest::newRow("b^f") << "Optionbf";
}

void TestForm1Input::tabChain() {
    QFETCH(QString, chosen);
    auto form = OpenForm1();
    // Chosen as a user chooses, with the pointer; then back to f.
    Click(form.get(), chosen.toUtf8().constData());
    Control<QWidget>(form.get(), "FunçãoF")->setFocus();
    QStringList forward, backward;
    const int n = int(std::size(TabChain));
    for (int i = 0; i < n; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << QApplication::focusWidget()->objectName();
    }
    for (int i = 0; i < n; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        backward.prepend(QApplication::focusWidget()->objectName());
    }
    QStringList expected;
    for (int i = 1; i <= n; ++i)
        expected << QString::fromUtf8(TabChain[i % n]); // ends back on f
    expected.replace(expected.indexOf(QStringLiteral("OptionSoma")), chosen);
    QCOMPARE(forward, expected);
    expected.prepend(expected.takeLast());
    QCOMPARE(backward, expected);
}

// Up and down move along a column of options, left and right across a row,
// choosing as they go.
void TestForm1Input::arrowsMoveBetweenOptions() {
    auto form = OpenForm1();
    auto* soma = Control<QRadioButton>(form.get(), "OptionSoma");
    soma->setFocus();
    const std::pair<Qt::Key, const char*> moves[] = {{Qt::Key_Down, "OptionSubfg"},
                                                     {Qt::Key_Right, "OptionQuofg"},
                                                     {Qt::Key_Down, "OptionQuogf"},
                                                     {Qt::Key_Left, "OptionSubgf"},
                                                     {Qt::Key_Up, "OptionSubfg"}};
    for (const auto& [key, name] : moves) {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromUtf8(name));
        QVERIFY(Control<QRadioButton>(form.get(), name)->isChecked());
    }
}

// Inside each frame the chain goes row by row, left to right; the left half
// of the window comes before the right column, which is read top down.
void TestForm1Input::tabChainReadsLikeThePage() {
    Form1 form;
    QWidget* previous = nullptr;
    for (const char* name : TabChain) {
        auto* w = Control<QWidget>(&form, name);
        if (previous != nullptr) {
            const QPoint a = previous->mapTo(&form, QPoint(0, 0));
            const QPoint b = w->mapTo(&form, QPoint(0, 0));
            const bool sameColumn = (a.x() < Twips(10740)) == (b.x() < Twips(10740));
            const bool sameRow = std::abs(a.y() - b.y()) <= 3;
            const bool ok =
                sameColumn ? (sameRow ? b.x() > a.x() : b.y() > a.y()) : b.x() >= Twips(10740);
            QVERIFY2(ok, qPrintable(previous->objectName() + " -> " + w->objectName()));
        }
        previous = w;
    }
}

void TestForm1Input::accessibleNames_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    auto row = [](const char* control, const char* name) {
        QTest::newRow(control) << QString::fromUtf8(control) << QString::fromUtf8(name);
    };
    // Text boxes: their tooltip; the operation's text has none.
    row("FunçãoF", "Escreva aqui a expressão analítica da função f");
    row("FunçãoG", "Escreva aqui a expressão analítica da função g");
    row("ValorDeA", "Escreva aqui o valor do expoente de f");
    row("ValorDeB", "Escreva aqui o valor da base de f");
    row("Abcissa", "Escreva aqui a abcissa do ponto onde será desenhada a linha.");
    row("Função", "Expressão analítica da operação");
    // Buttons and boxes: their caption, or the tooltip where there is none.
    row("DesenharF", "Desenhar");
    row("CorDoGráficoO", "Cor");
    row("Sair", "Sair");
    row("Command3", "Ampliar operação");
    row("Optionfa", "f^a");
    row("OptionSqrg", "Sqr (g(x))");
    row("AbcissaG", "no gráfico de g");
    row("OrdenadaO", "na operação");
    row("Check1", "Valide esta opção para ver as coordenadas nos gráficos.");
    row("Frame1", "Funções e operações");
    row("FrameOpções", "Opções sobre a função f");
}

void TestForm1Input::accessibleNames() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    Form1 form;
    QCOMPARE(AccessibleName(Control<QWidget>(&form, control.toUtf8().constData())), name);
}

// A button whose caption changes is read with the caption it shows.
void TestForm1Input::buttonNamesFollowTheirCaptions() {
    auto form = OpenForm1();
    Click(form.get(), "EixosRadG");
    QCOMPARE(AccessibleName(Control<QWidget>(form.get(), "EixosRadG")), QStringLiteral("Unidades"));
    Click(form.get(), "Command1");
    QCOMPARE(AccessibleName(Control<QWidget>(form.get(), "Command1")), QStringLiteral("Reduzir f"));
    Click(form.get(), "Command1");
    QCOMPARE(AccessibleName(Control<QWidget>(form.get(), "Command1")), QStringLiteral("Ampliar f"));
}

void TestForm1Input::everyControlNamed() {
    Form1 form;
    const char* const views[10] = {"",
                                   "Gráfico da função f",
                                   "Gráfico da função g",
                                   "Gráfico da operação",
                                   "Gráfico da função f",
                                   "Gráfico da função g",
                                   "Gráfico da operação",
                                   "Gráfico de f",
                                   "Gráfico de g",
                                   "Gráfico da operação"};
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(AccessibleName(form.Picture1(i)), QString::fromUtf8(views[i]));
    int buttons = 0, boxes = 0;
    // The colour dialogs' own controls are theirs, not the window's.
    int signs = 0;
    for (QAbstractButton* b : form.findChildren<QAbstractButton*>()) {
        if (b->window() != &form)
            continue;
        if (qobject_cast<QLineEdit*>(b->parentWidget()) != nullptr) {
            // The warning sign a box shows at its end.
            QCOMPARE(AccessibleName(b), QStringLiteral("Aviso"));
            ++signs;
            continue;
        }
        const QString caption = b->text().remove(QLatin1Char('&'));
        QCOMPARE(AccessibleName(b), caption.isEmpty() ? b->toolTip() : caption);
        ++buttons;
    }
    for (QLineEdit* t : form.findChildren<QLineEdit*>()) {
        if (t->window() != &form)
            continue;
        if (!t->toolTip().isEmpty())
            QCOMPARE(AccessibleName(t), t->toolTip());
        QVERIFY2(!AccessibleName(t).isEmpty(), qPrintable(t->objectName()));
        ++boxes;
    }
    // 3 x 5 graph buttons, 5 shell, 3 enlarge, 1 lines, 12 options, 7 boxes.
    QCOMPARE(buttons, 15 + 5 + 3 + 1 + 12 + 7);
    QCOMPARE(boxes, 6);
    QCOMPARE(signs, 6);
}

void TestForm1Input::optionReactsAnywhere_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<double>("fx"); // fraction of the button's width
    QTest::addColumn<double>("fy"); // and height
    const char* const options[] = {"OptionProduto", "OptionSubfg", "OptionSqrf", "Optionfa",
                                   "Optionbf"};
    const std::pair<const char*, std::pair<double, double>> points[] = {
        {"indicator", {0.05, 0.5}},  {"caption", {0.5, 0.5}},       {"right end", {0.97, 0.5}},
        {"top right", {0.97, 0.04}}, {"bottom left", {0.03, 0.96}}, {"above caption", {0.6, 0.04}}};
    for (const char* o : options)
        for (const auto& [where, f] : points)
            QTest::addRow("%s, %s", o, where) << QString::fromUtf8(o) << f.first << f.second;
}

void TestForm1Input::optionReactsAnywhere() {
    QFETCH(QString, option);
    QFETCH(double, fx);
    QFETCH(double, fy);
    auto form = OpenForm1();
    auto* b = Control<QRadioButton>(form.get(), option.toUtf8().constData());
    QVERIFY(!b->isChecked());
    QVERIFY(Control<QRadioButton>(form.get(), "OptionSoma")->isChecked());
    const QPoint at(int(fx * b->width()), int(fy * b->height()));
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY2(b->isChecked(), qPrintable(QStringLiteral("at %1, %2 of %3 x %4")
                                            .arg(at.x())
                                            .arg(at.y())
                                            .arg(b->width())
                                            .arg(b->height())));
    // One choice at a time: the option chosen at start is let go.
    int checked = 0;
    for (QRadioButton* r : form->findChildren<QRadioButton*>())
        checked += r->isChecked();
    QCOMPARE(checked, 1);
}

// Each button is no wider than what it shows, and shows all of its caption:
// blank space beside a short caption is the frame's, and a click there
// changes nothing.
void TestForm1Input::optionsShowAllTheyReactTo() {
    auto form = OpenForm1();
    auto* frame = Control<QWidget>(form.get(), "Frame1");
    auto* soma = Control<QRadioButton>(form.get(), "OptionSoma");
    for (QRadioButton* b : frame->findChildren<QRadioButton*>()) {
        QVERIFY2(b->width() >= b->sizeHint().width(), qPrintable(b->objectName()));
        const int textWidth = b->fontMetrics().horizontalAdvance(b->text());
        QVERIFY2(b->width() <= textWidth + 40, qPrintable(b->objectName()));
    }
    auto* fa = Control<QRadioButton>(form.get(), "Optionfa");
    QVERIFY(fa->width() < Twips(2100) / 2); // "f^a" is short
    const QPoint beside = fa->geometry().center() + QPoint(fa->width() / 2 + 4, 0);
    QCOMPARE(frame->childAt(beside), nullptr);
    QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, beside);
    QVERIFY(soma->isChecked());
    QVERIFY(!fa->isChecked());
}

void TestForm1Input::readoutOffRestoresPointers_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("clicked") << 0;
    QTest::newRow("setChecked(false)") << 1;
    QTest::newRow("setCheckState(Unchecked)") << 2;
    QTest::newRow("space bar") << 3;
}

void TestForm1Input::readoutOffRestoresPointers() {
    QFETCH(int, how);
    auto form = OpenForm1();
    auto* check = Control<QCheckBox>(form.get(), "Check1");
    check->setChecked(true);
    for (int i : {1, 2, 3, 7, 9})
        emit form->Picture1(i)->MouseMoved(i, 1.0f, 1.0f);
    QCOMPARE(form->Picture1(2)->cursor().shape(), Qt::CrossCursor);
    switch (how) {
    case 0:
        QTest::mouseClick(check, Qt::LeftButton);
        break;
    case 1:
        check->setChecked(false);
        break;
    case 2:
        check->setCheckState(Qt::Unchecked);
        break;
    default:
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        break;
    }
    QVERIFY(!check->isChecked());
    for (int i = 1; i <= 9; ++i)
        QVERIFY2(!form->Picture1(i)->testAttribute(Qt::WA_SetCursor),
                 qPrintable(QString::number(i)));
}

// The sign at the end of a box: shown with the hints for what was typed (and
// for what a plot of it found), gone once the text reads as typed.
void TestForm1Input::warningSign_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("plot");        // then "Desenhar" for f
    QTest::addColumn<QString>("more");     // typed after that
    QTest::addColumn<QString>("expected"); // the tooltip; empty: no sign

    const QString noValue =
        QString::fromUtf8("A expressão não tem valor para nenhum x entre -14 e 14.");
    auto row = [](const char* name, const char* box, const char* text, bool plot, const char* more,
                  const QString& expected) {
        QTest::newRow(name) << QString::fromUtf8(box) << QString::fromUtf8(text) << plot
                            << QString::fromUtf8(more) << expected;
    };
    row("x²", "FunçãoF", "x²", false, "",
        QString::fromUtf8("O carácter \"²\" é ignorado: para x² escreva x^2."));
    row("sen(x)cos(x)", "FunçãoF", "sen(x)cos(x)", false, "",
        QString::fromUtf8(
            "Falta um sinal * entre \"sen(x)\" e \"cos(x)\": só o primeiro valor é desenhado."));
    row("fixed", "FunçãoF", "sen(x)cos(x)", false, "\b\b\b\b\b\b*cos(x)", {});
    row("plain", "FunçãoF", "4sen(x)", true, "", {});
    row("log(x-20), plotted", "FunçãoF", "log(x-20)", true, "", noValue);
    row("log(x-20), plotted, edited", "FunçãoF", "log(x-20)", true, " ", {});
    row("(-8)^(1/3), plotted", "FunçãoF", "(-8)^(1/3)", true, "", noValue);
    row("π, plotted", "FunçãoF", "π", true, "",
        QString::fromUtf8("O carácter \"π\" é ignorado: escreva pi.\n") + noValue);
    row("a = 2,5", "ValorDeA", "2,5", false, "",
        QString::fromUtf8("Depois da vírgula nada é usado: o ponto decimal é \".\"."));
    // Each kind of drop in words, with advice where the usual intention is
    // plain; a full-width digit is named by its code, which any font shows.
    const char* const lines[][2] = {
        {"min(x;2)", "O carácter \";\" é ignorado: para separar os argumentos escreva \",\"."},
        {"sen(30°)", "O carácter \"°\" é ignorado: os ângulos são em radianos; para 30° escreva "
                     "rad(30)."},
        {"\uff11x", "O carácter U+FF11 (um \"1\" de largura dupla) é ignorado: escreva 1."},
        {"\u2212x", "O carácter \"\u2212\" é ignorado: escreva o sinal - do teclado."},
        {"sen(x,2)", "O argumento \"2\" de \"sen(\" não é usado."},
        {"sen(x)+", "O operador \"+\" no fim não é usado."},
        {"(x*)", "O operador \"*\" antes de \")\" não é usado."},
        {"+x", "O operador \"+\" não tem valor à esquerda: nem ele nem o valor que se lhe segue "
               "são usados."},
        {"1.5.2", "O número \"1.5.2\" tem mais de um ponto decimal e não é usado."},
        {"x)(", "\")(\" não é usado: um \")\" fecha antes do seu \"(\"."},
    };
    for (const auto& [text, line] : lines)
        row(text, "FunçãoF", text, false, "", QString::fromUtf8(line));
}

void TestForm1Input::warningSign() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(bool, plot);
    QFETCH(QString, more);
    QFETCH(QString, expected);
    auto form = OpenForm1();
    auto* edit = Control<QLineEdit>(form.get(), box.toUtf8().constData());
    edit->setText(text); // typing "π" is beyond the test's keyboard
    if (plot)
        Click(form.get(), "DesenharF");
    QTest::keyClicks(edit, more);
    QTest::qWait(20); // the hints follow the typing
    auto* sign = edit->findChild<QAction*>(QStringLiteral("Aviso"));
    QVERIFY(sign != nullptr && edit->actions().contains(sign));
    QCOMPARE(sign->isVisible(), !expected.isEmpty());
    for (QToolButton* b : edit->findChildren<QToolButton*>()) {
        if (b->defaultAction() != sign)
            continue;
        QCOMPARE(b->isVisibleTo(edit), !expected.isEmpty());
        if (!expected.isEmpty())
            QCOMPARE(b->accessibleDescription(), expected);
    }
    if (!expected.isEmpty())
        QCOMPARE(sign->toolTip(), expected);
}

QTEST_MAIN(TestForm1Input)
#include "tst_form1_input.moc"
