// The whole plot as the user gets it: a click of "Desenhar" for f on the
// main window (evaluation of the curve and drawing into the normal, live
// and enlarged views), on the offscreen platform.

#include "Benchmarks.h"

#include "mainwindow/Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace quivelabench {

namespace {

void Plot(benchmark::State& state, std::string text) {
    Form1 form;
    form.show();
    QApplication::processEvents();
    auto* box = form.findChild<QLineEdit*>(QString::fromUtf8("FunçãoF"));
    auto* button = form.findChild<QAbstractButton*>(QStringLiteral("DesenharF"));
    if (box == nullptr || button == nullptr) {
        state.SkipWithError("no FunçãoF or DesenharF on Form1");
        return;
    }
    box->setText(QString::fromStdString(text));
    for (auto _ : state) {
        button->click();
    }
    QApplication::processEvents();
    state.counters["items"] = 1;
}

std::string SumOfX(int terms) {
    std::string text = "x";
    for (int i = 1; i < terms; ++i)
        text += "+x";
    return text;
}

} // namespace

void RegisterPlotBenchmarks() {
    benchmark::RegisterBenchmark("plot/0", Plot, std::string("4sen(x)"))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plot/1", Plot, std::string("tgh (cos (7/log (3x)))"))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("plot/2", Plot, SumOfX(kPlotSumTerms))
        ->Unit(benchmark::kMillisecond);
}

} // namespace quivelabench
