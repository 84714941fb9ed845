#pragma once

#include "axes/ColourStore.h"
#include "mainwindow/Form1Controls.h"

#include <QMessageBox>
#include <QWidget>
#include <array>
#include <memory>

class ActivationWatcher;
class DrawingWindow;
class Enlarger;
class ExpressionHints;
class QLineEdit;

// The main graph window: the functions f and g, the operation on them, the
// nine drawing windows (normal view k, live view k + 3, enlarged view k + 6
// for graph k = 1 f, 2 g, 3 the operation) and the buttons that act on them.
//
// It does not open the help windows itself: it asks for them through its
// signals, so that whoever owns the program's windows keeps each of them once.
class Form1 : public QWidget {
    Q_OBJECT
public:
    // Graph numbers, 0-based for the per-graph arrays.
    enum Graph { F = 0, G = 1, O = 2 };

    Form1();
    ~Form1() override;

    DrawingWindow* Picture1(int index) const { return c_.picture.at(index); }
    ColourStore& Colours() { return colours_; }
    bool Desenhado(Graph g) const { return desenhado_[g]; }
    bool EixosEmUnidades(Graph g) const { return eixosEmUnidades_[g]; }
    // AmpliadoF/G/O: the enlarged view is shown, as its enlarger holds it.
    bool Ampliado(Graph g) const;

signals:
    void InstructionsRequested();
    void SyntaxRequested();
    void FunctionsRequested();
    // The window was closed ("Fechar" or the title bar): its owner discards it.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void ConnectControls();

    // The six axis procedures. The normal one draws the graduation its flag
    // asks for and flips the flag; the enlarged one, run right after it,
    // reads the flipped flag in the opposite sense.
    void EixosNormaisF() { EixosNormais(F); }
    void EixosNormaisG() { EixosNormais(G); }
    void EixosNormaisO() { EixosNormais(O); }
    void EixosAmpliadosF() { EixosAmpliados(F); }
    void EixosAmpliadosG() { EixosAmpliados(G); }
    void EixosAmpliadosO() { EixosAmpliados(O); }
    void EixosNormais(Graph g);
    void EixosAmpliados(Graph g);
    void ShowGraduationOffer(Graph g, bool unitsOnScreen);

    void DesenharF_Click() { PlotFunction(F); }
    void DesenharG_Click() { PlotFunction(G); }
    void PlotFunction(Graph g);
    // Plots text into the graph's views with a new expression object and
    // tells the graph's warning sign whether any abscissa had a value.
    // Raises what Plotter::Plot raises.
    void PlotText(Graph g, const QString& text);
    void Apagar_Click(Graph g);
    void EixosRad_Click(Graph g);
    void CorDoFundo_Click(Graph g);
    void CorDoGrafico_Click(Graph g);
    void Ampliar_Click(Graph g);
    void Sair_Click();
    void Command6_Click();

    // Operations, coordinate lines and the pointer readout.
    void DesenharO_Click();
    void DesenharCoordenadas_Click();
    void Picture1_MouseMove(int index, float x, float y);
    void Check1_Click();

    DrawingWindow* NormalView(Graph g) const { return c_.picture[g + 1]; }
    DrawingWindow* LiveView(Graph g) const { return c_.picture[g + 4]; }
    DrawingWindow* EnlargedView(Graph g) const { return c_.picture[g + 7]; }
    // Normal view back in front of the live view.
    void ShowNormalView(Graph g);
    // Live view in front while the graph is plotted.
    void ShowLiveView(Graph g);
    QLineEdit* ExpressionBox(Graph g) const;
    void Message(const QString& text, QMessageBox::Icon icon = QMessageBox::NoIcon);

    Form1Controls c_;
    ColourStore colours_;
    std::array<std::unique_ptr<Enlarger>, 3> enlargers_;
    ActivationWatcher* activation_ = nullptr;
    // The warning signs of the boxes whose text is plotted: f, g, the operation.
    std::array<ExpressionHints*, 3> hints_{};

    // EixosEmUnidadesF/G/O: the graduation the next normal-view redraw draws
    // (true: units); between redraws it holds the opposite of the screen.
    std::array<bool, 3> eixosEmUnidades_{};
    // DesenhadoF/G/O: the graph is drawn (gates the coordinate lines).
    std::array<bool, 3> desenhado_{};
};
