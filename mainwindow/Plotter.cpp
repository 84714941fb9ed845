#include "mainwindow/Plotter.h"

#include "drawing/DrawingWindow.h"
#include "expression/clsEquation.h"
#include "mainwindow/Failure.h"

#include <QPointF>

#include <algorithm>
#include <memory>

bool Plotter::Plot(clsEquation& equation, const std::string& text, const Views& views,
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
    const SampleRun run = equation.SolveRange("x", xs, ys.data(), undefined.get());
    PutSamples(views, colour, std::span(xs).first(run.solved), std::span(ys).first(run.solved),
               undefined.get());
    if (run.error)
        throw Failure::FromEngine(*run.error);
    return std::find(undefined.get(), undefined.get() + run.solved, false) !=
           undefined.get() + run.solved;
}

std::vector<double> Plotter::Abscissae() {
    std::vector<double> xs;
    xs.reserve(28001);
    for (double x = kStart; x <= kEnd; x += kStep)
        xs.push_back(x);
    return xs;
}

void Plotter::PutSamples(const Views& views, QColor colour, std::span<const double> xs,
                         std::span<const double> ys, const bool* undefined) {
    // Each view gets its points in the order of the samples, in one call, so
    // that the drawing state is looked up once per view and not per point.
    std::vector<QPointF> inner, outer;
    inner.reserve(xs.size());
    outer.reserve(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (undefined && undefined[i])
            continue;
        const double x = xs[i], y = ys[i];
        if (x > -kNormalBound && x < kNormalBound && y > -kNormalBound && y < kNormalBound)
            inner.emplace_back(x, y);
        if (x > -kEnlargedBound && x < kEnlargedBound && y > -kEnlargedBound && y < kEnlargedBound)
            outer.emplace_back(x, y);
    }
    views.normal->PSet(inner, colour);
    views.live->PSet(inner, colour);
    views.enlarged->PSet(outer, colour);
}
