#include "mainwindow/Plotter.h"

#include "drawing/DrawingWindow.h"
#include "expression/clsEquation.h"
#include "mainwindow/Failure.h"

#include <QElapsedTimer>
#include <QPointF>

#include <algorithm>
#include <memory>

namespace {

// A chunk of slow samples is sized to take about this long to evaluate, so
// that the live view, repainted at most every ~30 ms, has something new to
// show at nearly every repaint.
constexpr qint64 kChunkAimNs = 20'000'000;
// The first chunk is small: it also parses the text, and its time tells how
// slow the samples are before many of them are asked for.
constexpr std::size_t kFirstChunk = 16;

std::size_t NextChunk(std::size_t previous, qint64 tookNs) {
    if (tookNs <= 0)
        return Plotter::kMostPerChunk;
    const double scaled = double(previous) * double(kChunkAimNs) / double(tookNs);
    if (scaled >= double(Plotter::kMostPerChunk))
        return Plotter::kMostPerChunk;
    return std::max<std::size_t>(1, std::size_t(scaled));
}

} // namespace

bool Plotter::Plot(clsEquation& equation, const std::string& text, const Views& views,
                   QColor colour, std::size_t chunk) {
    // The colour is read once: the loop handles no events, so the colour
    // store cannot change while it runs.
    equation.SetEquation(text);
    // Each chunk is evaluated in one call, with exactly what SetVar, Solve
    // and Solution per sample give; its points follow, up to the sample that
    // raised an error, if one did.
    const std::vector<double>& xs = Abscissae();
    std::vector<double> ys(xs.size());
    const auto undefined = std::make_unique<bool[]>(xs.size());
    std::size_t size = chunk != 0 ? chunk : kFirstChunk;
    bool anyValue = false;
    QElapsedTimer clock;
    for (std::size_t at = 0; at < xs.size();) {
        const std::size_t n = std::min(size, xs.size() - at);
        clock.start();
        const SampleRun run =
            equation.SolveRange("x", std::span(xs).subspan(at, n), &ys[at], &undefined[at]);
        if (chunk == 0)
            size = NextChunk(n, clock.nsecsElapsed());
        PutSamples(views, colour, std::span(xs).subspan(at, run.solved),
                   std::span(ys).subspan(at, run.solved), &undefined[at]);
        views.live->ShowProgress();
        const std::span<const bool> flags(&undefined[at], run.solved);
        anyValue = anyValue || std::ranges::find(flags, false) != flags.end();
        if (run.error)
            throw Failure::FromEngine(*run.error);
        at += n;
    }
    return anyValue;
}

const std::vector<double>& Plotter::Abscissae() {
    // The same for every plot: stepped once.
    static const std::vector<double> xs = [] {
        std::vector<double> steps;
        steps.reserve(28001);
        for (double x = kStart; x <= kEnd; x += kStep)
            steps.push_back(x);
        return steps;
    }();
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
