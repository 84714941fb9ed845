#include "mainwindow/Plotter.h"

#include "expression/clsEquation.h"
#include "mainwindow/DrawingWindow.h"

#include <memory>

void Plotter::Plot(clsEquation& equation, const std::string& text, const Views& views,
                   QColor colour) {
    // The colour is read once: the loop handles no events, so the colour
    // store cannot change while it runs.
    equation.SetEquation(text);
    // The whole curve is evaluated in one call, with exactly what SetVar,
    // Solve and Solution per sample give; the points follow, up to the
    // sample that raised an error, if one did.
    const std::vector<double> xs = Abscissae();
    std::vector<double> ys(xs.size());
    const auto undefined = std::make_unique<bool[]>(xs.size());
    const SampleRun run =
        equation.SolveRange("x", Start, Step, xs.size(), ys.data(), undefined.get());
    for (std::size_t i = 0; i < run.solved; ++i)
        if (!undefined[i])
            PutSample(views, colour, xs[i], ys[i]);
    if (run.error)
        throw *run.error;
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
