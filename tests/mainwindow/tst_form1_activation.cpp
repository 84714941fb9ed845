// When the main window counts as activated (axes redrawn in units, graphs
// wiped) and when it does not.
#include "Form1Harness.h"
#include "app/Form3.h"
#include "help/Form2.h"
#include "mainwindow/ActivationWatcher.h"

#include <QAction>
#include <QtTest>
#include <numbers>

namespace {

bool ShowsF(const Form1& form) {
    return ShowsNear(*form.Picture1(1), std::numbers::pi / 2, 4, Blue);
}

// Gives the focus to w as the window system would.
void Activate(QWidget* w) {
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

} // namespace

class TestForm1Activation : public QObject {
    Q_OBJECT
private slots:
    void firstShowDrawsAxesOnce();
    void comingBack_data();
    void comingBack();
    void fromTheStartWindowAndHelp();
    void fecharStartsAfresh_data();
    void fecharStartsAfresh();
};

void TestForm1Activation::firstShowDrawsAxesOnce() {
    Form1 form;
    QVERIFY(!ShowsNear(*form.Picture1(1), 0, 0, Qt::black)); // load draws nothing
    int activations = 0;
    connect(form.findChild<ActivationWatcher*>(), &ActivationWatcher::Activated,
            [&] { ++activations; });
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(activations, 1);
    QVERIFY(ShowsNear(*form.Picture1(1), 0, 0, Qt::black));
    QCOMPARE(Control<QPushButton>(&form, "EixosRadF")->toolTip(),
             QStringLiteral("Graduar o eixo das abcissas em rad"));
}

// Where the focus goes after f is plotted and the f axes are switched to
// radians on another graph; then it comes back to the main window.
//   o: another window of the program     m: the window's own message box
//   c: its own colour dialog (cancelled) n: another application
void TestForm1Activation::comingBack_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("wiped");
    QTest::newRow("another window of the program") << "o" << true;
    QTest::newRow("own message box") << "m" << false;
    QTest::newRow("own colour dialog") << "c" << false;
    QTest::newRow("another application") << "n" << false;
    QTest::newRow("message box, then another application") << "mn" << false;
    QTest::newRow("another window, then another application") << "on" << true;
    QTest::newRow("own dialog, then another window") << "co" << true;
}

void TestForm1Activation::comingBack() {
    QFETCH(QString, path);
    QFETCH(bool, wiped);
    auto form = OpenForm1();
    auto* watcher = form->findChild<ActivationWatcher*>();
    QWidget other;
    other.setWindowTitle(QStringLiteral("another window"));
    other.resize(200, 100);
    Click(form.get(), "DesenharF");
    Click(form.get(), "EixosRadG"); // g in radians: activation puts it back in units
    QCOMPARE(Control<QPushButton>(form.get(), "EixosRadG")->text(), QStringLiteral("Unidades"));
    QVERIFY(ShowsF(*form));

    for (QChar step : path) {
        switch (step.toLatin1()) {
        case 'o':
            other.show();
            Activate(&other);
            break;
        case 'm':
            SetText(form.get(), "FunçãoG", QString());
            QVERIFY(WithModal([&] { Click(form.get(), "DesenharG"); }).shown);
            SetText(form.get(), "FunçãoG", QStringLiteral("tg(x)"));
            break;
        case 'c':
            QVERIFY(WithModal([&] { Click(form.get(), "CorDoGráficoF"); }).shown);
            break;
        case 'n':
            watcher->FocusWindowChanged(nullptr);
            break;
        }
    }
    // Back to the main window.
    if (QGuiApplication::focusWindow() == form->windowHandle())
        watcher->FocusWindowChanged(form->windowHandle()); // the system hands it back
    else
        Activate(form.get());

    QCOMPARE(!ShowsF(*form), wiped);
    QCOMPARE(Control<QPushButton>(form.get(), "EixosRadG")->text(),
             wiped ? QStringLiteral("Radianos") : QStringLiteral("Unidades"));
    // Activation wipes the graphs but leaves the drawn flags alone.
    QVERIFY(form->Desenhado(Form1::F));
    QVERIFY(ShowsNear(*form->Picture1(1), 0, 0, Qt::black));
}

void TestForm1Activation::fromTheStartWindowAndHelp() {
    Form3 start;
    start.show();
    QVERIFY(QTest::qWaitForWindowActive(&start));
    QAction* quivela = start.findChild<QAction*>(QStringLiteral("Quivela"));
    quivela->trigger();
    Form1* form = start.MainWindow();
    QVERIFY(form && form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(form));
    Click(form, "DesenharF");
    QVERIFY(ShowsF(*form));

    // Back from the start window: the same window, wiped.
    Activate(&start);
    quivela->trigger();
    QCOMPARE(start.MainWindow(), form);
    QVERIFY(QTest::qWaitForWindowActive(form));
    QVERIFY(!ShowsF(*form));

    // "Instruções" opens the start window's one instructions window; coming
    // back from it is an activation too.
    Click(form, "DesenharF");
    Click(form, "Ajuda");
    QVERIFY(start.Instructions() != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(start.Instructions()));
    Form2* help = start.Instructions();
    start.findChild<QAction*>(QString::fromUtf8("Instruções"))->trigger();
    QCOMPARE(start.Instructions(), help);
    Activate(form);
    QVERIFY(!ShowsF(*form));
}

void TestForm1Activation::fecharStartsAfresh_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("initial");
    QTest::newRow("FunçãoF") << QString::fromUtf8("FunçãoF") << "4sen(x)";
    QTest::newRow("FunçãoG") << QString::fromUtf8("FunçãoG") << "tg(x)";
    QTest::newRow("Função") << QString::fromUtf8("Função") << "";
    QTest::newRow("ValorDeA") << "ValorDeA"
                              << "";
    QTest::newRow("ValorDeB") << "ValorDeB"
                              << "";
    QTest::newRow("Abcissa") << "Abcissa"
                             << "";
}

void TestForm1Activation::fecharStartsAfresh() {
    QFETCH(QString, box);
    QFETCH(QString, initial);
    Form3 start;
    start.show();
    QAction* quivela = start.findChild<QAction*>(QStringLiteral("Quivela"));
    quivela->trigger();
    QPointer<Form1> first = start.MainWindow();
    QVERIFY(QTest::qWaitForWindowActive(first));
    SetText(first, box.toUtf8().constData(), QStringLiteral("x^2"));
    Click(first, "DesenharF");
    Click(first, "Command1"); // enlarged f shown
    Click(first, "Command6"); // Fechar

    // A fresh, hidden window is there at once; the old one goes.
    Form1* fresh = start.MainWindow();
    QVERIFY(fresh != nullptr);
    QVERIFY(fresh != first.data());
    QVERIFY(!fresh->isVisible());
    QTRY_VERIFY(first.isNull());

    quivela->trigger();
    QVERIFY(QTest::qWaitForWindowActive(fresh));
    QCOMPARE(Control<QLineEdit>(fresh, box.toUtf8().constData())->text(), initial);
    QVERIFY(!fresh->Desenhado(Form1::F));
    QVERIFY(!fresh->Ampliado(Form1::F));
    QVERIFY(!fresh->Picture1(7)->isVisible());
    QCOMPARE(Control<QPushButton>(fresh, "Command1")->text(), QStringLiteral("Ampliar f"));
}

QTEST_MAIN(TestForm1Activation)
#include "tst_form1_activation.moc"
