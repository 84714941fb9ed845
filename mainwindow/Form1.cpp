#include "mainwindow/Form1.h"

#include "axes/AxisPainter.h"
#include "axes/Enlarger.h"
#include "drawing/DrawingWindow.h"
#include "drawing/ReturnClicks.h"
#include "drawing/Twips.h"
#include "drawing/WindowScale.h"
#include "expression/clsEquation.h"
#include "mainwindow/ActivationWatcher.h"
#include "mainwindow/BusyPointer.h"
#include "mainwindow/Composition.h"
#include "mainwindow/CoordinateLines.h"
#include "mainwindow/ExpressionHints.h"
#include "mainwindow/Failure.h"
#include "mainwindow/Plotter.h"
#include "mainwindow/PointerReadout.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

namespace {

const QString kProgramTitle = QStringLiteral("Quivela");

} // namespace

Form1::Form1() : c_(this), colours_(this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8("QUIVELA COM FUNÇÕES"));
    setFixedSize(Twips(15240), Twips(11010));

    static const char* const enlarge[3] = {"Ampliar f", "Ampliar g", "Ampliar operação"};
    static const char* const reduce[3] = {"Reduzir f", "Reduzir g", "Reduzir operação"};
    for (int k = 0; k < 3; ++k) {
        enlargers_[k] =
            std::make_unique<Enlarger>(EnlargedView(Graph(k)), c_.ampliar[k], c_.enlargedTitle[k],
                                       QString::fromUtf8(enlarge[k]), QString::fromUtf8(reduce[k]));
        // The title hides the two normal-view titles behind it while shown.
        c_.enlargedTitle[k]->setAutoFillBackground(true);
    }

    for (QLineEdit* box : {c_.valorDeA, c_.valorDeB, c_.abcissa})
        new ExpressionHints(box);
    for (int k = 0; k < 3; ++k)
        hints_[k] = new ExpressionHints(ExpressionBox(Graph(k)));

    activation_ = new ActivationWatcher(this);
    connect(activation_, &ActivationWatcher::Activated, this, &Form1::Form_Activate);
    Form_Load();
    ConnectControls();
    // Ready for typing f when the window opens.
    c_.funcaoF->setFocus();
    WindowScale::Fit(this);
    ClickButtonsOnReturn(this);
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    for (int i = 1; i <= 9; ++i) {
        DrawingWindow* w = c_.picture[i];
        const bool live = i >= 4 && i <= 6;
        w->SetPersistent(!live);
        w->setVisible(i <= 3);
        // A live view is gone once its plot ends: nothing to take away.
        if (!live)
            w->OfferCopy();
    }
    for (int i = 1; i <= 6; ++i)
        c_.picture[i]->SetScale(-10, 10, 10, -10);
    // The curve colours (blue, blue, red) are preset by the colour store.
    eixosEmUnidades_.fill(false);
    desenhado_.fill(false);
}

void Form1::Form_Activate() {
    eixosEmUnidades_.fill(true);
    EixosNormaisF();
    EixosNormaisG();
    EixosNormaisO();
    EixosAmpliadosF();
    EixosAmpliadosG();
    EixosAmpliadosO();
}

void Form1::ConnectControls() {
    connect(c_.sair, &QPushButton::clicked, this, &Form1::Sair_Click);
    connect(c_.command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(c_.ajuda, &QPushButton::clicked, this, &Form1::InstructionsRequested);
    connect(c_.command4, &QPushButton::clicked, this, &Form1::SyntaxRequested);
    connect(c_.command5, &QPushButton::clicked, this, &Form1::FunctionsRequested);
    connect(c_.desenhar[F], &QPushButton::clicked, this, &Form1::DesenharF_Click);
    connect(c_.desenhar[G], &QPushButton::clicked, this, &Form1::DesenharG_Click);
    connect(c_.desenhar[O], &QPushButton::clicked, this, &Form1::DesenharO_Click);
    for (int k = 0; k < 3; ++k) {
        const Graph g = Graph(k);
        connect(c_.apagar[k], &QPushButton::clicked, this, [this, g] { Apagar_Click(g); });
        connect(c_.eixosRad[k], &QPushButton::clicked, this, [this, g] { EixosRad_Click(g); });
        connect(c_.corDoFundo[k], &QPushButton::clicked, this, [this, g] { CorDoFundo_Click(g); });
        connect(c_.corDoGrafico[k], &QPushButton::clicked, this,
                [this, g] { CorDoGrafico_Click(g); });
        connect(c_.ampliar[k], &QPushButton::clicked, this, [this, g] { Ampliar_Click(g); });
    }
    connect(c_.desenharCoordenadas, &QPushButton::clicked, this, &Form1::DesenharCoordenadas_Click);
    // Enter in a text box presses the button that draws what was typed.
    const std::pair<QLineEdit*, QPushButton*> enter[] = {
        {c_.funcaoF, c_.desenhar[F]},  {c_.funcaoG, c_.desenhar[G]},
        {c_.funcao, c_.desenhar[O]},   {c_.valorDeA, c_.desenhar[O]},
        {c_.valorDeB, c_.desenhar[O]}, {c_.abcissa, c_.desenharCoordenadas}};
    for (const auto& [box, button] : enter)
        connect(box, &QLineEdit::returnPressed, button, &QPushButton::click);
    connect(c_.check1, &QCheckBox::stateChanged, this, &Form1::Check1_Click);
    for (int i = 1; i <= 9; ++i) {
        c_.picture[i]->setMouseTracking(true);
        connect(c_.picture[i], &DrawingWindow::MouseMoved, this, &Form1::Picture1_MouseMove);
    }
}

void Form1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activation_->Shown();
}

void Form1::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

// --- Axes -------------------------------------------------------------------

void Form1::EixosNormais(Graph g) {
    DrawingWindow* windows[3] = {NormalView(g), LiveView(g), nullptr};
    // The operation's procedure serves its enlarged view too, at whatever
    // scale that view has; the enlarged procedure that normally follows
    // redraws it at its own scale.
    if (g == O)
        windows[2] = EnlargedView(g);
    for (DrawingWindow* w : windows) {
        if (w == nullptr)
            continue;
        AxisPainter::Normal(*w, eixosEmUnidades_[g]);
        ShowGraduationOffer(g, eixosEmUnidades_[g]);
    }
    eixosEmUnidades_[g] = !eixosEmUnidades_[g];
}

void Form1::EixosAmpliados(Graph g) {
    // Run right after the normal procedure, which has flipped the flag:
    // false now means units.
    const bool units = !eixosEmUnidades_[g];
    AxisPainter::Enlarged(*EnlargedView(g), units);
    ShowGraduationOffer(g, units);
}

void Form1::ShowGraduationOffer(Graph g, bool unitsOnScreen) {
    // The button names the graduation a click switches to.
    QPushButton* b = c_.eixosRad[g];
    if (unitsOnScreen) {
        b->setText(QStringLiteral("Radianos"));
        b->setToolTip(QStringLiteral("Graduar o eixo das abcissas em rad"));
    } else {
        b->setText(QStringLiteral("Unidades"));
        b->setToolTip(QStringLiteral("Graduar o eixo das abcissas em unidades"));
    }
}

// --- Plotting f and g ---------------------------------------------------------

QLineEdit* Form1::ExpressionBox(Graph g) const {
    switch (g) {
    case F:
        return c_.funcaoF;
    case G:
        return c_.funcaoG;
    case O:
        break;
    }
    return c_.funcao;
}

void Form1::ShowNormalView(Graph g) {
    NormalView(g)->show();
    LiveView(g)->hide();
}

void Form1::ShowLiveView(Graph g) {
    NormalView(g)->hide();
    LiveView(g)->show();
}

void Form1::Message(const QString& text, QMessageBox::Icon icon) {
    QMessageBox box(icon, kProgramTitle, text, QMessageBox::Ok, this);
    box.exec();
}

void Form1::PlotFunction(Graph g) {
    QLineEdit* box = ExpressionBox(g);
    ShowLiveView(g);
    const QString text = box->text();
    if (text.trimmed().isEmpty()) {
        // The blank live view would otherwise hide the axes and any graph.
        ShowNormalView(g);
        Message(QString::fromUtf8("Deve escrever a expressão analítica da função que pretende "
                                  "representar graficamente."));
        return;
    }
    try {
        PlotText(g, text);
    } catch (const Failure& failure) {
        const QString message = FailureMessage(QString::fromUtf8("Erro na expressão analítica:"),
                                               failure.Description());
        // The normal view, with the points set before the error, is what
        // the user reads the message against.
        ShowNormalView(g);
        Message(message, g == F ? QMessageBox::Information : QMessageBox::NoIcon);
        box->setFocus();
        return;
    }
    desenhado_[g] = true;
    ShowNormalView(g);
}

void Form1::PlotText(Graph g, const QString& text) {
    clsEquation equation;
    BusyPointer busy;
    const Plotter::Views views{NormalView(g), LiveView(g), EnlargedView(g)};
    hints_[g]->Plotted(Plotter::Plot(equation, text.toStdString(), views, colours_.Curve(g)));
}

void Form1::Apagar_Click(Graph g) {
    ShowNormalView(g);
    // Flipped first so that the normal procedure redraws the graduation that
    // is on screen instead of switching it.
    eixosEmUnidades_[g] = !eixosEmUnidades_[g];
    EixosNormais(g);
    EixosAmpliados(g);
    desenhado_[g] = false;
}

void Form1::EixosRad_Click(Graph g) {
    EixosNormais(g);
    EixosAmpliados(g);
    desenhado_[g] = false;
}

// --- Colours and enlarged views -----------------------------------------------

void Form1::CorDoFundo_Click(Graph g) {
    if (!colours_.ChooseBackground(g))
        return; // Cancel changes nothing at all.
    const QColor background = colours_.Background(g);
    NormalView(g)->SetBackColor(background);
    LiveView(g)->SetBackColor(background);
    EnlargedView(g)->SetBackColor(background);
    Apagar_Click(g);
}

void Form1::CorDoGrafico_Click(Graph g) {
    // The plot reads the colour from the store; nothing on screen changes now.
    colours_.ChooseCurve(g);
}

void Form1::Ampliar_Click(Graph g) {
    enlargers_[g]->Toggle();
}

bool Form1::Ampliado(Graph g) const {
    return enlargers_[g]->Enlarged();
}

// --- The operation, coordinate lines and the pointer readout ---------------

void Form1::DesenharO_Click() {
    // The option buttons are looked at in the order of the Operation values.
    std::optional<Operation> op;
    for (int i = 0; i < int(c_.option.size()); ++i) {
        if (c_.option[i]->isChecked()) {
            op = Operation(i);
            break;
        }
    }
    // A missing a or b is only reported: no view is cleared and the graph
    // already drawn stays where it is.
    QLineEdit* parameterBox = nullptr;
    if (op == Operation::bf)
        parameterBox = c_.valorDeB;
    else if (op == Operation::fa)
        parameterBox = c_.valorDeA;
    if (parameterBox != nullptr && parameterBox->text().trimmed().isEmpty()) {
        Message(QString::fromUtf8(op == Operation::bf ? "Deve indicar o valor de b."
                                                      : "Deve indicar o valor de a."),
                QMessageBox::Information);
        parameterBox->setFocus();
        return;
    }

    try {
        if (op) {
            QString parameter;
            if (parameterBox != nullptr)
                parameter =
                    Composition::PlainDecimal(Composition::ValueAtZero(parameterBox->text()));
            c_.funcao->setText(
                Composition::Compose(*op, c_.funcaoF->text(), c_.funcaoG->text(), parameter));
        }
        ShowLiveView(O);
        PlotText(O, c_.funcao->text());
    } catch (const Failure& failure) {
        // As for f and g: the blank live view must not hide the axes.
        ShowNormalView(O);
        Message(FailureMessage(QStringLiteral("Erro:"), failure.Description()));
        c_.funcaoG->setFocus();
        return;
    }
    desenhado_[O] = true;
    ShowNormalView(O);
}

void Form1::DesenharCoordenadas_Click() {
    if (c_.abcissa->text().trimmed().isEmpty()) {
        Message(QString::fromUtf8("Deve indicar para abcissa um valor entre -8 e 8."));
        return;
    }
    std::array<CoordinateLines::Graph, 3> graphs;
    for (int k = 0; k < 3; ++k) {
        const Graph g = Graph(k);
        graphs[k] = CoordinateLines::Graph{desenhado_[g],
                                           c_.abcissaCheck[k]->checkState() != Qt::Unchecked,
                                           c_.ordenadaCheck[k]->checkState() != Qt::Unchecked,
                                           ExpressionBox(g)->text(),
                                           NormalView(g),
                                           EnlargedView(g)};
    }
    try {
        CoordinateLines::Draw(c_.abcissa->text(), graphs);
    } catch (const Failure& failure) {
        Message(FailureMessage(QString::fromUtf8("Erro na expressão analítica:"),
                               failure.Description()));
        c_.abcissa->setFocus();
    }
}

void Form1::Picture1_MouseMove(int index, float x, float y) {
    // Checked or greyed both count as on.
    if (c_.check1->checkState() == Qt::Unchecked)
        return;
    c_.picture.at(index)->setCursor(Qt::CrossCursor);
    c_.label6->setText(PointerReadout::Text(x, y, QLocale()));
}

void Form1::Check1_Click() {
    if (c_.check1->checkState() != Qt::Unchecked)
        return; // the cross comes with the next movement over a window
    for (int i = 1; i <= 9; ++i)
        c_.picture[i]->unsetCursor();
}

// --- Shell --------------------------------------------------------------------

void Form1::Sair_Click() {
    QCoreApplication::quit();
}

void Form1::Command6_Click() {
    close();
}
