#include "mainwindow/Plotter.h"

#include "expression/clsEquation.h"
#include "mainwindow/DrawingWindow.h"

void Plotter::Plot(clsEquation& equation, const std::string& text, const Views& views,
                   QColor colour) {
    // The colour is read once: the loop handles no events, so the colour
    // store cannot change while it runs.
    equation.SetEquation(text);
    for (const double x : Abscissae()) {
        equation.SetVar("x", x);
        equation.Solve();
        if (!equation.Undefined())
            PutSample(views, colour, x, equation.Solution());
    }
}

std::vector<double> Plotter::Abscissae() {
    std::vector<double> xs;
    xs.reserve(28001);
    for (double x = Start; x <= End; x += Step)
        xs.push_back(x);
    return xs;
}

void Plotter::PutSample(const Views& views, QColor colour, double x, double y) {
    if (x > -NormalBound && x < NormalBound && y > -NormalBound && y < NormalBound) {
        views.normal->PSet(x, y, colour);
        views.live->PSet(x, y, colour);
    }
    if (x > -EnlargedBound && x < EnlargedBound && y > -EnlargedBound && y < EnlargedBound)
        views.enlarged->PSet(x, y, colour);
}
