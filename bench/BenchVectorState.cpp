// The upper halves of the vector registers: whether the toolkit leaves them
// in use after it has painted, and what a maths call costs with them in use
// against cleared, on this processor. The engine clears them on entry; some
// processors charge every SSE instruction for them until they are cleared.

#include "Benchmarks.h"

#include "expression/VectorState.h"
#include "mainwindow/Form1.h"

#include <QAbstractButton>
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cmath>

#if defined(__x86_64__)
#include <cpuid.h>
#endif

namespace quivelabench {

namespace {

constexpr int kCalls = 1000;

#if defined(__x86_64__)
// XGETBV with ECX = 1 tells which state components are in use; bit 2 is the
// upper halves of the AVX registers. -1 where the processor cannot tell.
int UpperHalvesInUse() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid_count(0xD, 1, &a, &b, &c, &d) || (a & 4u) == 0)
        return -1;
    unsigned lo = 0, hi = 0;
    asm volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
    return (lo & 4u) != 0 ? 1 : 0;
}

// A 256-bit instruction left without a vzeroupper after it (run only where
// the processor has AVX, as the benchmark's machine is checked to have).
void LeaveUpperHalvesInUse() {
    asm volatile("vaddpd %%ymm1, %%ymm1, %%ymm1" ::: "xmm1");
}
#else
int UpperHalvesInUse() {
    return -1;
}
void LeaveUpperHalvesInUse() {}
#endif

__attribute__((noinline)) double Sines(double x) {
    double sum = 0;
    for (int i = 0; i < kCalls; ++i) {
        sum += std::sin(x);
        x += 1e-6;
    }
    return sum;
}

void Sin(benchmark::State& state, bool dirty) {
    double x = 0.1;
    for (auto _ : state) {
        if (dirty)
            LeaveUpperHalvesInUse();
        else
            quivela::expression::ClearUpperVectorState();
        double sum = Sines(x);
        benchmark::DoNotOptimize(sum);
        x += 1e-3;
    }
    state.counters["items"] = kCalls;
}

// After a window has been shown, a plot drawn and the events handled.
void AfterToolkit(benchmark::State& state) {
    Form1 form;
    form.show();
    QApplication::processEvents();
    if (auto* button = form.findChild<QAbstractButton*>(QStringLiteral("DesenharF")))
        button->click();
    QApplication::processEvents();
    const int inUse = UpperHalvesInUse();
    for (auto _ : state)
        benchmark::DoNotOptimize(inUse);
    state.counters["in_use"] = inUse;
}

} // namespace

void RegisterVectorStateBenchmarks() {
    if (UpperHalvesInUse() < 0)
        return; // no AVX, or no way to tell: nothing to measure
    benchmark::RegisterBenchmark("state/sin/dirty", Sin, true);
    benchmark::RegisterBenchmark("state/sin/cleared", Sin, false);
    benchmark::RegisterBenchmark("state/toolkit", AfterToolkit)->Iterations(1)->Repetitions(1);
}

} // namespace quivelabench
