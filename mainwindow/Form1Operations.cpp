// Form1's operation on f and g, its coordinate lines and its pointer readout.
#include "mainwindow/Form1.h"

#include "expression/EngineError.h"
#include "expression/clsEquation.h"
#include "mainwindow/BusyPointer.h"
#include "mainwindow/Composition.h"
#include "mainwindow/CoordinateLines.h"
#include "mainwindow/DrawingWindow.h"
#include "mainwindow/Plotter.h"
#include "mainwindow/PointerReadout.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <optional>

namespace {

QString ErrorText(const QString& heading, const EngineError& e) {
    return heading + QStringLiteral("\r\n\r\n") + QString::fromStdString(e.Description());
}

} // namespace

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

    const Plotter::Views views{NormalView(O), LiveView(O), EnlargedView(O)};
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
        clsEquation equation;
        BusyPointer busy;
        Plotter::Plot(equation, c_.funcao->text().toStdString(), views, colours_.Colour(6));
    } catch (const EngineError& e) {
        Message(ErrorText(QStringLiteral("Erro:"), e));
        c_.funcaoG->setFocus();
        // As for f and g: the blank live view must not hide the axes.
        ShowNormalView(O);
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
    if (const std::optional<QString> error = CoordinateLines::Draw(c_.abcissa->text(), graphs)) {
        Message(QString::fromUtf8("Erro na expressão analítica:") + QStringLiteral("\r\n\r\n") +
                *error);
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
