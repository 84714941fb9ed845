#include "mainwindow/Form1Controls.h"

#include "drawing/DrawingWindow.h"
#include "drawing/Twips.h"
#include "mainwindow/Form1OptionButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <limits>
#include <vector>

namespace {

// Geometry below is in twips, relative to the parent (the form or a frame),
// exactly as the window was designed.
constexpr int kRightColumnLeft = 10740;
constexpr int kRightColumnWidth = 4455;

template <typename W>
W* Place(W* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(TwipsRect(left, top, width, height));
    return widget;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption, const char* tip,
                    int left, int top, int width, int height = 375) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setToolTip(QString::fromUtf8(tip));
    return Place(b, name, left, top, width, height);
}

QLabel* Label(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
              int height = 255) {
    auto* l = new QLabel(QString::fromUtf8(caption), parent);
    return Place(l, name, left, top, width, height);
}

QLineEdit* TextBox(QWidget* parent, const char* name, const char* text, const char* tip, int left,
                   int top, int width, int height = 345) {
    auto* t = new QLineEdit(QString::fromUtf8(text), parent);
    // The boxes hold expressions of any length: the toolkit's default limit
    // would cut a long text, typed, pasted or composed, without a word, and
    // the cut text would be plotted. How long an expression may be is the
    // engine's to say.
    t->setMaxLength(std::numeric_limits<int>::max());
    if (tip[0] != '\0') {
        t->setToolTip(QString::fromUtf8(tip));
        // Screen readers name a text box by its tooltip, which says what
        // goes in it.
        t->setAccessibleName(t->toolTip());
    }
    return Place(t, name, left, top, width, height);
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const char* caption, const char* tip,
                    int left, int top, int width, bool checked) {
    auto* c = new QCheckBox(QString::fromUtf8(caption), parent);
    c->setToolTip(QString::fromUtf8(tip));
    c->setChecked(checked);
    return Place(c, name, left, top, width, 255);
}

QGroupBox* Frame(QWidget* parent, const char* name, const char* caption, int left, int top,
                 int width, int height) {
    auto* f = new QGroupBox(QString::fromUtf8(caption), parent);
    return Place(f, name, left, top, width, height);
}

QLabel* Title(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
              int height = 195) {
    QLabel* l = Label(parent, name, caption, left, top, width, height);
    l->setAlignment(Qt::AlignCenter);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

} // namespace

Form1Controls::Form1Controls(QWidget* form) {
    // The font comes first: the option buttons are sized to their captions.
    QFont controls(QStringLiteral("DejaVu Sans"));
    controls.setPixelSize(PointsToPixels(8));
    form->setFont(controls);
    BuildPictures(form);
    BuildTitles(form);
    BuildFunctionsGroup(form);
    BuildGraphFrames(form);
    BuildLinesGroup(form);
    BuildReadoutGroup(form);
    BuildEnlargeGroup(form);
    BuildShellButtons(form);
    SetTabOrder();
}

void Form1Controls::SetTabOrder() {
    // In the order the window reads: the functions group in the left half
    // first, row by row, then the right column from top to bottom, each frame
    // row by row, left to right.
    std::vector<QWidget*> chain = {funcaoF, funcaoG};
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 2; ++column)
            chain.push_back(OptionAt(column, row));
    chain.insert(chain.end(), {valorDeA, valorDeB, ajuda, command4, command5, command6, sair});
    for (int k = 0; k < 3; ++k)
        chain.insert(chain.end(),
                     {desenhar[k], apagar[k], eixosRad[k], corDoFundo[k], corDoGrafico[k]});
    chain.insert(chain.end(), {funcao, check1, abcissa});
    for (int k = 0; k < 3; ++k)
        chain.insert(chain.end(), {abcissaCheck[k], ordenadaCheck[k]});
    chain.insert(chain.end(), {desenharCoordenadas, ampliar[0], ampliar[1], ampliar[2]});
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

QRadioButton* Form1Controls::OptionAt(int column, int row) const {
    for (int i = 0; i < int(option.size()); ++i)
        if (optionColumn_[i] == column && optionRow_[i] == row)
            return option[i];
    return nullptr;
}

void Form1Controls::BuildPictures(QWidget* form) {
    // Created in index order, so the enlarged views (7 to 9) lie above the
    // normal and live views they cover.
    struct Place {
        int left, top, size;
    };
    // Named after the title above each view: the live view stands in for
    // the normal one while a graph is plotted, the enlarged view carries the
    // title it shows when enlarged.
    static const char* const names[10] = {"",
                                          "Gráfico da função f",
                                          "Gráfico da função g",
                                          "Gráfico da operação",
                                          "Gráfico da função f",
                                          "Gráfico da função g",
                                          "Gráfico da operação",
                                          "Gráfico de f",
                                          "Gráfico de g",
                                          "Gráfico da operação"};
    static constexpr Place places[10] = {
        {0, 0, 0},         {60, 300, 5200},  {5460, 300, 5200}, {60, 5760, 5200}, {60, 300, 5200},
        {5460, 300, 5200}, {60, 5760, 5200}, {60, 300, 10700},  {60, 300, 10700}, {60, 300, 10700},
    };
    for (int i = 1; i <= 9; ++i) {
        auto* w = new DrawingWindow(i, form);
        w->setGeometry(TwipsRect(places[i].left, places[i].top, places[i].size, places[i].size));
        w->setAccessibleName(QString::fromUtf8(names[i]));
        picture[i] = w;
    }
}

void Form1Controls::BuildTitles(QWidget* form) {
    Title(form, "Label4", "Gráfico da função f", 60, 60, 5200);
    Title(form, "Label5", "Gráfico da função g", 5460, 60, 5200);
    Title(form, "Label3", "Gráfico da operação", 60, 5520, 5200);
    Title(form, "Label7", "Funções e operações", 5460, 5520, 5200);
    // Until an enlarged view is shown its title stands where its centred
    // caption lies beyond the right edge of the window.
    enlargedTitle[0] = Title(form, "Label12", "Gráfico de f", 11100, 1500, 10695);
    enlargedTitle[1] = Title(form, "Label13", "Gráfico de g", 10860, 1740, 10695);
    enlargedTitle[2] = Title(form, "Label15", "Gráfico da operação", 11520, 6360, 10700);
}

void Form1Controls::BuildShellButtons(QWidget* form) {
    frame6 = Frame(form, "Frame6", "Opções", kRightColumnLeft, 60, kRightColumnWidth, 1215);
    ajuda = Button(frame6, "Ajuda", "Instruções", "Mostrar as instruções.", 120, 300, 1335);
    command4 = Button(frame6, "Command4", "Sintaxe", "Ver a sintaxe a utilizar neste programa",
                      1560, 300, 1335);
    command5 = Button(frame6, "Command5", "Funções",
                      "Ver as funções que se podem utilizar neste programa", 3000, 300, 1335);
    command6 = Button(frame6, "Command6", "Fechar", "Fechar esta página", 1560, 750, 1335);
    sair = Button(frame6, "Sair", "Sair", "Abandonar o programa", 3000, 750, 1335);
}

void Form1Controls::BuildGraphFrames(QWidget* form) {
    struct Names {
        const char *frame, *caption, *desenhar, *apagar, *rad, *fundo, *cor;
        const char *tipDesenhar, *tipApagar, *tipFundo, *tipCor;
        int top;
    };
    static constexpr Names names[3] = {
        {"FrameOpções", "Opções sobre a função f", "DesenharF", "ApagarF", "EixosRadF",
         "CorDoFundoF", "CorDoGráficoF", "Desenhar o gráfico da função f",
         "Apagar o gráfico da função f.", "Alterar a cor do fundo do gráfico da função f.",
         "Mudar a cor do gráfico da função f.", 1980},
        {"Frame2", "Opções sobre a função g", "DesenharG", "ApagarG", "EixosRadG", "CorDoFundoG",
         "CorDoGráficoG", "Desenhar o gráfico da função g", "Apagar o gráfico da função g.",
         "Alterar a cor do fundo do gráfico da função g.", "Mudar a cor do gráfico da função g.",
         3420},
        {"Frame3", "Opções sobre a operação", "DesenharO", "ApagarO", "EixosRadO", "CorDoFundoO",
         "CorDoGráficoO", "Desenhar o gráfico da operação", "Apagar o gráfico da operação.",
         "Alterar a cor do fundo do gráfico da operação.", "Mudar a cor do gráfico da operação.",
         4860},
    };
    for (int k = 0; k < 3; ++k) {
        const Names& n = names[k];
        QGroupBox* f =
            Frame(form, n.frame, n.caption, kRightColumnLeft, n.top, kRightColumnWidth, 1275);
        graphFrame[k] = f;
        desenhar[k] = Button(f, n.desenhar, "Desenhar", n.tipDesenhar, 120, 270, 1335);
        apagar[k] = Button(f, n.apagar, "Apagar", n.tipApagar, 1560, 270, 1335);
        eixosRad[k] = Button(f, n.rad, "Radianos", "Graduar o eixo das abcissas em radianos.", 3000,
                             270, 1335);
        corDoFundo[k] = Button(f, n.fundo, "Fundo", n.tipFundo, 120, 750, 630);
        corDoGrafico[k] = Button(f, n.cor, "Cor", n.tipCor, 825, 750, 630);
    }
    funcao = TextBox(graphFrame[2], "Função", "", "", 1560, 765, 2775);
    funcao->setAccessibleName(QString::fromUtf8("Expressão analítica da operação"));
}

void Form1Controls::BuildReadoutGroup(QWidget* form) {
    frame7 = Frame(form, "Frame7", "Ver coordenadas nos gráficos", kRightColumnLeft, 6780,
                   kRightColumnWidth, 735);
    check1 =
        CheckBox(frame7, "Check1", "", "Valide esta opção para ver as coordenadas nos gráficos.",
                 120, 345, 300, false);
    // It has no caption: its tooltip says what it does.
    check1->setAccessibleName(check1->toolTip());
    label6 = Label(frame7, "Label6", "", 480, 300, 3855, 315);
    label6->setToolTip(QString::fromUtf8(
        "Aqui são mostradas as coordenadas do ponto onde se situa o ponteiro do rato."));
    label6->setFrameShape(QFrame::StyledPanel);
    label6->setFrameShadow(QFrame::Sunken);
    label6->setAlignment(Qt::AlignCenter);
}

void Form1Controls::BuildLinesGroup(QWidget* form) {
    frame4 =
        Frame(form, "Frame4", "Desenhar linhas", kRightColumnLeft, 7680, kRightColumnWidth, 2295);
    Label(frame4, "Label11", "No ponto de abcissa:", 120, 345, 1800);
    abcissa =
        TextBox(frame4, "Abcissa", "",
                "Escreva aqui a abcissa do ponto onde será desenhada a linha.", 1980, 300, 2355);
    Label(frame4, "Label9", "Desenhar abcissa", 120, 750, 2055);
    Label(frame4, "Label10", "Desenhar ordenada", 2280, 750, 2055);
    static constexpr const char* captions[3] = {"no gráfico de f", "no gráfico de g",
                                                "na operação"};
    static constexpr const char* tips[3] = {
        "Valide esta opção para desenhar a linha no gráfico de f",
        "Valide esta opção para desenhar a linha no gráfico de g",
        "Valide esta opção para desenhar a linha da operação"};
    static constexpr const char* abcissaNames[3] = {"AbcissaF", "AbcissaG", "AbcissaO"};
    static constexpr const char* ordenadaNames[3] = {"OrdenadaF", "OrdenadaG", "OrdenadaO"};
    for (int k = 0; k < 3; ++k) {
        const int top = 1005 + 270 * k;
        abcissaCheck[k] =
            CheckBox(frame4, abcissaNames[k], captions[k], tips[k], 120, top, 2055, true);
        ordenadaCheck[k] =
            CheckBox(frame4, ordenadaNames[k], captions[k], tips[k], 2280, top, 2055, true);
    }
    desenharCoordenadas =
        Button(frame4, "DesenharCoordenadas", "Desenhar",
               "Desenhar as linhas coordenadas do ponto nos gráficos.", 1560, 1845, 1335);
}

void Form1Controls::BuildEnlargeGroup(QWidget* form) {
    frame5 =
        Frame(form, "Frame5", "Ampliar desenhos", kRightColumnLeft, 10140, kRightColumnWidth, 855);
    ampliar[0] =
        Button(frame5, "Command1", "Ampliar f", "Ampliar o gráfico da função f", 120, 345, 1215);
    ampliar[1] =
        Button(frame5, "Command2", "Ampliar g", "Ampliar o gráfico da função g", 1395, 345, 1215);
    ampliar[2] = Button(frame5, "Command3", "Ampliar operação", "Ampliar o gráfico da operação",
                        2670, 345, 1665);
}

void Form1Controls::BuildFunctionsGroup(QWidget* form) {
    frame1 = Frame(form, "Frame1", "", 5460, 5700, 5200, 5325);
    frame1->setAccessibleName(QString::fromUtf8("Funções e operações"));
    Label(frame1, "Label1", "f(x) =", 540, 540, 660);
    funcaoF = TextBox(frame1, "FunçãoF", "4sen(x)",
                      "Escreva aqui a expressão analítica da função f", 1260, 495, 3600);
    Label(frame1, "Label2", "g(x) =", 540, 1140, 660);
    funcaoG = TextBox(frame1, "FunçãoG", "tg(x)", "Escreva aqui a expressão analítica da função g",
                      1260, 1095, 3600);

    // Indexed in the order the operation is looked up; each knows its column
    // and row on the group.
    struct Choice {
        const char *name, *caption;
        int column, row;
    };
    static constexpr Choice choices[12] = {
        {"OptionSoma", "(f + g) (x)", 0, 0},
        {"OptionProduto", "(f x g) (x)", 1, 0},
        {"OptionSubfg", "(f - g) (x)", 0, 1},
        {"OptionSubgf", "(g - f) (x)", 0, 2},
        {"OptionQuofg", "(f / g) (x)", 1, 1},
        {"OptionQuogf", "(g / f) (x)", 1, 2},
        {"OptionSqrf", "Sqr (f(x))", 0, 4},
        {"OptionSqrg", "Sqr (g(x))", 1, 4},
        {"OptionCompfg", "(f o g) (x)", 0, 3},
        {"OptionCompgf", "(g o f) (x)", 1, 3},
        {"Optionbf", "b^f", 1, 5},
        {"Optionfa", "f^a", 0, 5},
    };
    static constexpr int tops[6] = {1860, 2340, 2820, 3240, 3660, 4080};
    static constexpr int lefts[2] = {660, 3120};
    options = new QButtonGroup(frame1);
    options->setExclusive(true);
    for (int i = 0; i < 12; ++i) {
        const Choice& c = choices[i];
        auto* r = new Form1OptionButton(QString::fromUtf8(c.caption), frame1);
        r->setToolTip(QString::fromUtf8("Clique aqui para efectuar a operação"));
        Place(r, c.name, lefts[c.column], tops[c.row], c.column == 0 ? 2100 : 1900, 300);
        // As wide as what it shows, so that every part of it that reacts
        // can be seen.
        r->resize(std::min(r->width(), r->sizeHint().width()), r->height());
        optionColumn_[i] = c.column;
        optionRow_[i] = c.row;
        options->addButton(r, i);
        option[i] = r;
    }
    option[0]->setChecked(true);

    Label(frame1, "Label14", "a =", 900, 4440, 375);
    valorDeA =
        TextBox(frame1, "ValorDeA", "", "Escreva aqui o valor do expoente de f", 1320, 4395, 1335);
    Label(frame1, "Label8", " b =", 3360, 4440, 435);
    valorDeB =
        TextBox(frame1, "ValorDeB", "", "Escreva aqui o valor da base de f", 3840, 4395, 1095);
}
