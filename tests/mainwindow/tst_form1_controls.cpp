// The main window's controls as designed: names, captions, initial texts,
// tooltips and places.
#include "Form1Harness.h"
#include "drawing/Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

QString Caption(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* t = qobject_cast<QLineEdit*>(w))
        return t->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return QStringLiteral("<no caption>");
}

// Position relative to the main window, whatever frame the control is in.
QRect PlaceInForm(QWidget* w, QWidget* form) {
    return QRect(w->mapTo(form, QPoint(0, 0)), w->size());
}

} // namespace

class TestForm1Controls : public QObject {
    Q_OBJECT
private slots:
    void window();
    void texts_data();
    void texts();
    void places_data();
    void places();
    void checkBoxesAtStart();
};

void TestForm1Controls::window() {
    Form1 form;
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), QString::fromUtf8("QUIVELA COM FUNÇÕES"));
    QCOMPARE(form.size(), QSize(Twips(15240), Twips(11010)));
    for (int i = 1; i <= 6; ++i) {
        QCOMPARE(form.Picture1(i)->ScaleLeft(), -10.0);
        QCOMPARE(form.Picture1(i)->ScaleTop(), 10.0);
        QCOMPARE(form.Picture1(i)->ScaleRight(), 10.0);
        QCOMPARE(form.Picture1(i)->ScaleBottom(), -10.0);
    }
    QCOMPARE(form.Colours().Colour(4), QColor(0, 0, 255));
    QCOMPARE(form.Colours().Colour(5), QColor(0, 0, 255));
    QCOMPARE(form.Colours().Colour(6), QColor(255, 0, 0));
    for (int n = 1; n <= 6; ++n)
        QVERIFY(form.findChild<QColorDialog*>(QStringLiteral("CommonDialog%1").arg(n)));
}

void TestForm1Controls::texts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    auto row = [](const char* name, const char* caption, const char* tip) {
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(caption)
                            << QString::fromUtf8(tip);
    };
    row("Frame6", "Opções", "");
    row("Command6", "Fechar", "Fechar esta página");
    row("Command5", "Funções", "Ver as funções que se podem utilizar neste programa");
    row("Command4", "Sintaxe", "Ver a sintaxe a utilizar neste programa");
    row("Sair", "Sair", "Abandonar o programa");
    row("Ajuda", "Instruções", "Mostrar as instruções.");
    row("Frame5", "Ampliar desenhos", "");
    row("Command1", "Ampliar f", "Ampliar o gráfico da função f");
    row("Command2", "Ampliar g", "Ampliar o gráfico da função g");
    row("Command3", "Ampliar operação", "Ampliar o gráfico da operação");
    row("FunçãoF", "4sen(x)", "Escreva aqui a expressão analítica da função f");
    row("FunçãoG", "tg(x)", "Escreva aqui a expressão analítica da função g");
    const char* const options[][2] = {{"OptionSoma", "(f + g) (x)"},
                                      {"OptionSubfg", "(f - g) (x)"},
                                      {"OptionSubgf", "(g - f) (x)"},
                                      {"OptionProduto", "(f x g) (x)"},
                                      {"OptionQuofg", "(f / g) (x)"},
                                      {"OptionQuogf", "(g / f) (x)"},
                                      {"OptionCompfg", "(f o g) (x)"},
                                      {"OptionCompgf", "(g o f) (x)"},
                                      {"OptionSqrf", "Sqr (f(x))"},
                                      {"OptionSqrg", "Sqr (g(x))"},
                                      {"Optionfa", "f^a"},
                                      {"Optionbf", "b^f"}};
    for (const auto& o : options)
        row(o[0], o[1], "Clique aqui para efectuar a operação");
    row("ValorDeA", "", "Escreva aqui o valor do expoente de f");
    row("ValorDeB", "", "Escreva aqui o valor da base de f");
    row("Label1", "f(x) =", "");
    row("Label2", "g(x) =", "");
    row("Label14", "a =", "");
    row("Label8", " b =", "");
    row("FrameOpções", "Opções sobre a função f", "");
    row("Frame2", "Opções sobre a função g", "");
    row("Frame3", "Opções sobre a operação", "");
    for (const char* s : {"F", "G", "O"}) {
        const QByteArray which = s[0] == 'F' ? "função f" : s[0] == 'G' ? "função g" : "operação";
        const QByteArray suffix(s);
        QTest::newRow("Desenhar" + suffix) << QString::fromUtf8("Desenhar" + suffix) << "Desenhar"
                                           << QString::fromUtf8("Desenhar o gráfico da " + which);
        QTest::newRow("Apagar" + suffix) << QString::fromUtf8("Apagar" + suffix) << "Apagar"
                                         << QString::fromUtf8("Apagar o gráfico da " + which + ".");
        QTest::newRow("CorDoFundo" + suffix)
            << QString::fromUtf8("CorDoFundo" + suffix) << "Fundo"
            << QString::fromUtf8("Alterar a cor do fundo do gráfico da " + which + ".");
        QTest::newRow("CorDoGráfico" + suffix)
            << QString::fromUtf8("CorDoGráfico" + suffix) << "Cor"
            << QString::fromUtf8("Mudar a cor do gráfico da " + which + ".");
    }
    row("Função", "", "");
    row("Frame4", "Desenhar linhas", "");
    row("Abcissa", "", "Escreva aqui a abcissa do ponto onde será desenhada a linha.");
    row("AbcissaF", "no gráfico de f", "Valide esta opção para desenhar a linha no gráfico de f");
    row("AbcissaG", "no gráfico de g", "Valide esta opção para desenhar a linha no gráfico de g");
    row("AbcissaO", "na operação", "Valide esta opção para desenhar a linha da operação");
    row("OrdenadaF", "no gráfico de f", "Valide esta opção para desenhar a linha no gráfico de f");
    row("OrdenadaG", "no gráfico de g", "Valide esta opção para desenhar a linha no gráfico de g");
    row("OrdenadaO", "na operação", "Valide esta opção para desenhar a linha da operação");
    row("DesenharCoordenadas", "Desenhar", "Desenhar as linhas coordenadas do ponto nos gráficos.");
    row("Label11", "No ponto de abcissa:", "");
    row("Frame7", "Ver coordenadas nos gráficos", "");
    row("Check1", "", "Valide esta opção para ver as coordenadas nos gráficos.");
    row("Label6", "",
        "Aqui são mostradas as coordenadas do ponto onde se situa o ponteiro do rato.");
    row("Label12", "Gráfico de f", "");
    row("Label13", "Gráfico de g", "");
    row("Label15", "Gráfico da operação", "");
    row("Label4", "Gráfico da função f", "");
    row("Label5", "Gráfico da função g", "");
    row("Label3", "Gráfico da operação", "");
}

void TestForm1Controls::texts() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    Form1 form;
    const QList<QWidget*> found = form.findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(Caption(found.front()), caption);
    QCOMPARE(found.front()->toolTip(), tooltip);
}

void TestForm1Controls::places_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    auto row = [](const char* name, int l, int t, int w, int h) {
        QTest::newRow(name) << QString::fromUtf8(name) << QRect(l, t, w, h);
    };
    row("Picture1_1", 60, 300, 5200, 5200);
    row("Picture1_2", 5460, 300, 5200, 5200);
    row("Picture1_3", 60, 5760, 5200, 5200);
    row("Picture1_4", 60, 300, 5200, 5200);
    row("Picture1_5", 5460, 300, 5200, 5200);
    row("Picture1_6", 60, 5760, 5200, 5200);
    row("Picture1_7", 60, 300, 10700, 10700);
    row("Picture1_8", 60, 300, 10700, 10700);
    row("Picture1_9", 60, 300, 10700, 10700);
    row("Frame1", 5460, 5700, 5200, 5325);
    row("Frame6", 10740, 60, 4455, 1215);
    row("FrameOpções", 10740, 1980, 4455, 1275);
    row("Frame2", 10740, 3420, 4455, 1275);
    row("Frame3", 10740, 4860, 4455, 1275);
    row("Frame7", 10740, 6780, 4455, 735);
    row("Frame4", 10740, 7680, 4455, 2295);
    row("Frame5", 10740, 10140, 4455, 855);
    row("Label12", 11100, 1500, 10695, 195);
    row("Label13", 10860, 1740, 10695, 195);
    row("Label15", 11520, 6360, 10700, 195);
    // Inside the functions group (5460, 5700).
    const int fl = 5460, ft = 5700;
    const char* const left[] = {"OptionSoma",   "OptionSubfg", "OptionSubgf",
                                "OptionCompfg", "OptionSqrf",  "Optionfa"};
    const char* const right[] = {"OptionProduto", "OptionQuofg", "OptionQuogf",
                                 "OptionCompgf",  "OptionSqrg",  "Optionbf"};
    const int tops[] = {1860, 2340, 2820, 3240, 3660, 4080};
    for (int i = 0; i < 6; ++i) {
        QTest::newRow(left[i]) << QString::fromUtf8(left[i])
                               << QRect(fl + 660, ft + tops[i], -1, -1);
        QTest::newRow(right[i]) << QString::fromUtf8(right[i])
                                << QRect(fl + 3120, ft + tops[i], -1, -1);
    }
    QTest::newRow("Label1") << QStringLiteral("Label1") << QRect(fl + 540, ft + 540, -1, -1);
    QTest::newRow("Label2") << "Label2" << QRect(fl + 540, ft + 1140, -1, -1);
    QTest::newRow("Label14") << "Label14" << QRect(fl + 900, ft + 4440, -1, -1);
    QTest::newRow("Label8") << "Label8" << QRect(fl + 3360, ft + 4440, -1, -1);
    QTest::newRow("Label4") << "Label4" << QRect(60, 60, 5200, -1);
    QTest::newRow("Label5") << "Label5" << QRect(5460, 60, 5200, -1);
    QTest::newRow("Label3") << "Label3" << QRect(60, 5520, 5200, -1);
    QTest::newRow("Label7") << "Label7" << QRect(5460, 5520, -1, -1);
}

void TestForm1Controls::places() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Form1 form;
    QWidget* w = form.findChild<QWidget*>(name);
    QVERIFY(w);
    const QRect at = PlaceInForm(w, &form);
    QCOMPARE(at.topLeft(), QPoint(Twips(twips.x()), Twips(twips.y())));
    // A size of -1 is left to the layout of the group.
    if (twips.width() >= 0)
        QCOMPARE(at.width(), Twips(twips.width()));
    if (twips.height() >= 0)
        QCOMPARE(at.height(), Twips(twips.height()));
}

void TestForm1Controls::checkBoxesAtStart() {
    Form1 form;
    for (const char* name :
         {"AbcissaF", "AbcissaG", "AbcissaO", "OrdenadaF", "OrdenadaG", "OrdenadaO"})
        QVERIFY2(Control<QCheckBox>(&form, name)->isChecked(), name);
    QVERIFY(!Control<QCheckBox>(&form, "Check1")->isChecked());
}

QTEST_MAIN(TestForm1Controls)
#include "tst_form1_controls.moc"
