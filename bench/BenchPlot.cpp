// The whole plot as the user gets it: a click of "Desenhar" for f on the
// main window (evaluation of the curve and drawing into the normal, live and
// enlarged views), in an application set up as the program sets it up, on the
// offscreen platform; against the evaluation of the same curve alone
// (SolveRange over the plot's abscissae), in a process the toolkit has not
// touched and in the running application. And how often the live view shows
// the progress of a slow plot.

#include "BenchSet.h"
#include "Benchmarks.h"

#include "drawing/DrawingWindow.h"
#include "expression/clsEquation.h"
#include "mainwindow/Form1.h"
#include "mainwindow/Plotter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace quivelabench {

std::string MixedText(std::size_t characters) {
    const std::string term = "sen(x)*cos(x)";
    std::string text = term;
    while (text.size() + 1 + term.size() <= characters)
        text += "+" + term;
    text.resize(characters, ' '); // spaces are read past
    return text;
}

const std::vector<PlotCurve>& PlotCurves() {
    static const std::vector<PlotCurve> curves{
        {"4sen(x)", "4sen(x)"},
        {"tgh (cos (7/log (3x)))", "tgh (cos (7/log (3x)))"},
        {"sen(x)*cos(x)+... 32,000 characters", MixedText(kPlotMixedCharacters)}};
    return curves;
}

namespace {

// The evaluation of the plot's curve, and nothing else.
void Range(benchmark::State& state, const std::string& text) {
    clsEquation equation;
    equation.SetEquation(text);
    const std::vector<double> xs = Plotter::Abscissae();
    std::vector<double> values(xs.size());
    const auto undefined = std::make_unique<bool[]>(xs.size());
    equation.SolveRange("x", xs, values.data(), undefined.get()); // parsed before the timing
    for (auto _ : state) {
        const SampleRun run = equation.SolveRange("x", xs, values.data(), undefined.get());
        benchmark::DoNotOptimize(run.solved);
        benchmark::DoNotOptimize(values.data());
    }
}

struct ShownForm {
    Form1 form;
    QLineEdit* box = nullptr;
    QAbstractButton* button = nullptr;

    explicit ShownForm(const std::string& text) {
        form.show();
        QApplication::processEvents();
        box = form.findChild<QLineEdit*>(QString::fromUtf8("FunçãoF"));
        button = form.findChild<QAbstractButton*>(QStringLiteral("DesenharF"));
        if (box != nullptr)
            box->setText(QString::fromStdString(text));
    }
    bool Ready() const { return box != nullptr && button != nullptr; }
};

void Click(benchmark::State& state, const std::string& text) {
    ShownForm shown(text);
    if (!shown.Ready()) {
        state.SkipWithError("no FunçãoF or DesenharF on Form1");
        return;
    }
    for (auto _ : state)
        shown.button->click();
    QApplication::processEvents();
}

// The same evaluation inside the running application, after the toolkit has
// shown the window and drawn a plot: whatever state that leaves behind.
void RangeInApplication(benchmark::State& state, const std::string& text) {
    ShownForm shown(text);
    if (!shown.Ready()) {
        state.SkipWithError("no FunçãoF or DesenharF on Form1");
        return;
    }
    shown.button->click();
    QApplication::processEvents();
    Range(state, text);
}

// Times of the paint events of a widget, from a start the caller sets.
class PaintClock : public QObject {
public:
    QElapsedTimer clock;
    std::vector<qint64> paints; // ns

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            paints.push_back(clock.nsecsElapsed());
        return QObject::eventFilter(watched, event);
    }
};

// A slow plot: how soon the live view first shows something, and the longest
// time it goes without a repaint (the end of the plot counting as one). The
// figures are the worst of the iterations, the repaints the fewest.
void LiveView(benchmark::State& state, const std::string& text) {
    ShownForm shown(text);
    auto* live = shown.form.findChild<DrawingWindow*>(QStringLiteral("Picture1_4"));
    if (!shown.Ready() || live == nullptr) {
        state.SkipWithError("no FunçãoF, DesenharF or Picture1_4 on Form1");
        return;
    }
    PaintClock watch;
    live->installEventFilter(&watch);
    qint64 first = 0, gap = 0;
    std::size_t fewest = SIZE_MAX;
    for (auto _ : state) {
        watch.paints.clear();
        watch.clock.start();
        shown.button->click();
        const qint64 end = watch.clock.nsecsElapsed();
        first = std::max(first, watch.paints.empty() ? end : watch.paints.front());
        qint64 previous = 0;
        for (const qint64 at : watch.paints) {
            gap = std::max(gap, at - previous);
            previous = at;
        }
        gap = std::max(gap, end - previous);
        fewest = std::min(fewest, watch.paints.size());
        state.PauseTiming();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    live->removeEventFilter(&watch);
    state.counters["first_ms"] = double(first) / 1e6;
    state.counters["gap_ms"] = double(gap) / 1e6;
    state.counters["repaints"] = double(fewest);
}

} // namespace

void RegisterCleanPlotBenchmarks() {
    const std::vector<PlotCurve>& curves = PlotCurves();
    for (std::size_t i = 0; i < curves.size(); ++i)
        benchmark::RegisterBenchmark(("plot/range/" + std::to_string(i)).c_str(), Range,
                                     curves[i].text)
            ->Unit(benchmark::kMillisecond);
}

void RegisterPlotBenchmarks() {
    const std::vector<PlotCurve>& curves = PlotCurves();
    for (std::size_t i = 0; i < curves.size(); ++i) {
        const std::string n = std::to_string(i);
        benchmark::RegisterBenchmark(("plot/click/" + n).c_str(), Click, curves[i].text)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("plot/range-app/" + n).c_str(), RangeInApplication,
                                     curves[i].text)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("plot/live", LiveView, MixedText(kPlotLiveCharacters))
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(1)
        ->Iterations(3);
}

} // namespace quivelabench
