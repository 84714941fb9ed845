// Engine benchmarks: one curve (28,001 samples) per iteration for each
// expression of the set, through our public calling sequence, our bulk
// entry point, muparser, libmatheval, the native lambda, the same lambda
// behind three calls shaped like ours, and the same formula computed natively
// one stage at a time over blocks of 256 samples; Solve on long sums and deep
// groups; parsing long texts.

#include "BenchSet.h"
#include "Benchmarks.h"

#include "expression/Diagnosis.h"
#include "expression/clsEquation.h"

#include <benchmark/benchmark.h>
#include <matheval.h>
#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using quivela::expression::Diagnose;

namespace quivelabench {

namespace {

// The abscissae of one curve, as the plot steps them.
std::vector<double> Abscissas() {
    std::vector<double> xs;
    for (double x = kFirst; xs.size() < std::size_t(kSamples); x += kStep)
        xs.push_back(x);
    return xs;
}

// One curve per iteration through the calling sequence of SetVar, Solve and
// Solution, sample by sample.
template <class Equation> void Sequence(benchmark::State& state, Equation& equation) {
    for (auto _ : state) {
        double sum = 0;
        double x = kFirst;
        for (int i = 0; i < kSamples; ++i) {
            equation.SetVar("x", x);
            equation.Solve();
            sum += equation.Solution();
            x += kStep;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["items"] = kSamples;
}

void Ours(benchmark::State& state, const char* text) {
    clsEquation equation;
    equation.SetEquation(text);
    equation.SetVar("x", 1);
    equation.Solve(); // parsed before the timing
    Sequence(state, equation);
}

void Bulk(benchmark::State& state, const char* text) {
    clsEquation equation;
    equation.SetEquation(text);
    equation.SetVar("x", 1);
    equation.Solve();
    const std::vector<double> xs = Abscissas();
    std::vector<double> values(kSamples);
    const auto undefined = std::make_unique<bool[]>(kSamples);
    for (auto _ : state) {
        const SampleRun run = equation.SolveRange("x", xs, values.data(), undefined.get());
        benchmark::DoNotOptimize(run.solved);
        benchmark::DoNotOptimize(values.data());
    }
    state.counters["items"] = kSamples;
}

void Muparser(benchmark::State& state, const char* text) {
    mu::Parser parser;
    double x = 0;
    parser.DefineVar("x", &x);
    parser.SetExpr(text);
    parser.Eval();
    for (auto _ : state) {
        double sum = 0;
        x = kFirst;
        for (int i = 0; i < kSamples; ++i) {
            sum += parser.Eval();
            x += kStep;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["items"] = kSamples;
}

void Matheval(benchmark::State& state, const char* text) {
    std::string copy(text);
    void* evaluator = evaluator_create(copy.data());
    if (evaluator == nullptr) {
        state.SkipWithError("libmatheval did not parse the expression");
        return;
    }
    for (auto _ : state) {
        double sum = 0;
        double x = kFirst;
        for (int i = 0; i < kSamples; ++i) {
            sum += evaluator_evaluate_x(evaluator, x);
            x += kStep;
        }
        benchmark::DoNotOptimize(sum);
    }
    evaluator_destroy(evaluator);
    state.counters["items"] = kSamples;
}

// The lambda is a constant of the template, so the compiler inlines it as it
// would in a hand-written loop.
template <std::size_t I> void NativeLoop(benchmark::State& state) {
    constexpr Native f = kExpressions[I].native;
    for (auto _ : state) {
        double sum = 0;
        double x = kFirst;
        for (int i = 0; i < kSamples; ++i) {
            sum += f(x);
            x += kStep;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["items"] = kSamples;
}

// The native formula behind three calls shaped like ours: the name and its
// value, solve, read the result; each out of line, the state behind a pointer,
// as the engine's boundary has them. An engine reached this way cannot go
// below it per sample, however it evaluates.
template <std::size_t I> class BehindCalls {
public:
    [[gnu::noipa]] void SetVar(std::string_view name, double value) {
        if (name == state_->name)
            state_->x = value;
    }
    [[gnu::noipa]] void Solve() { state_->result = kExpressions[I].native(state_->x); }
    [[gnu::noipa]] double Solution() const { return state_->result; }

private:
    struct State {
        std::string name = "x";
        double x = 0;
        double result = 0;
    };
    std::unique_ptr<State> state_ = std::make_unique<State>();
};

template <std::size_t I> void CallsLoop(benchmark::State& state) {
    BehindCalls<I> equation;
    Sequence(state, equation);
}

template <std::size_t... I> void RegisterNative(std::index_sequence<I...>) {
    (benchmark::RegisterBenchmark(("engine/native/" + std::to_string(I)).c_str(), NativeLoop<I>),
     ...);
    (benchmark::RegisterBenchmark(("engine/calls/" + std::to_string(I)).c_str(), CallsLoop<I>),
     ...);
}

// The formula of each expression of the set in native stages, each stage a
// loop over a block: the way the bulk entry point works, with nothing to
// interpret and nothing to check. The stages follow the evaluation order.
constexpr std::size_t kBlock = 256;
using Stages = void (*)(const double* x, double* a, double* b, double* r, std::size_t n);

template <class F> inline void Stage(double* out, std::size_t n, F f) {
    for (std::size_t j = 0; j < n; ++j)
        out[j] = f(j);
}

constexpr Stages kStaged[] = {
    [](const double* x, double* a, double*, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return std::sin(x[j]); });
        Stage(r, n, [&](std::size_t j) { return 4 * a[j]; });
    },
    [](const double* x, double*, double*, double* r, std::size_t n) {
        Stage(r, n, [&](std::size_t j) { return std::tan(x[j]); });
    },
    [](const double* x, double* a, double* b, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return 5 * x[j]; });
        Stage(b, n, [&](std::size_t j) { return std::sin(a[j]); });
        Stage(a, n, [&](std::size_t j) { return std::exp(b[j]); });
        Stage(r, n, [&](std::size_t j) { return std::log(a[j]); });
    },
    [](const double* x, double* a, double* b, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return 2 * x[j]; });
        Stage(b, n, [&](std::size_t j) { return std::sin(a[j]); });
        Stage(r, n, [&](std::size_t j) { return 5 * b[j]; });
    },
    [](const double* x, double* a, double* b, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return 3 * x[j]; });
        Stage(b, n, [&](std::size_t j) { return std::log(a[j]); });
        Stage(a, n, [&](std::size_t j) { return 7 / b[j]; });
        Stage(b, n, [&](std::size_t j) { return std::cos(a[j]); });
        Stage(a, n, [&](std::size_t j) { return std::exp(b[j]); });
        Stage(b, n, [&](std::size_t j) { return std::exp(-b[j]); });
        Stage(r, n, [&](std::size_t j) { return (a[j] - b[j]) / (a[j] + b[j]); });
    },
    [](const double* x, double* a, double* b, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return std::sin(x[j]); });
        Stage(b, n, [&](std::size_t j) { return 4 * a[j]; });
        Stage(a, n, [&](std::size_t j) { return std::tan(x[j]); });
        Stage(r, n, [&](std::size_t j) { return b[j] + a[j]; });
    },
    [](const double* x, double* a, double* b, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return std::tan(x[j]); });
        Stage(b, n, [&](std::size_t j) { return std::sin(a[j]); });
        Stage(r, n, [&](std::size_t j) { return 4 * b[j]; });
    },
    [](const double* x, double* a, double* b, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return std::sin(x[j]); });
        Stage(b, n, [&](std::size_t j) { return 4 * a[j]; });
        Stage(r, n, [&](std::size_t j) { return std::sqrt(b[j]); });
    },
    [](const double* x, double* a, double* b, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return std::sin(x[j]); });
        Stage(b, n, [&](std::size_t j) { return 4 * a[j]; });
        Stage(r, n, [&](std::size_t j) { return b[j] * b[j]; });
    },
    [](const double* x, double* a, double* b, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return std::sin(x[j]); });
        Stage(b, n, [&](std::size_t j) { return 4 * a[j]; });
        Stage(r, n, [&](std::size_t j) { return std::pow(2.0, b[j]); });
    },
    [](const double* x, double* a, double* b, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return x[j] * x[j]; });
        Stage(b, n, [&](std::size_t j) { return 2 * a[j]; });
        Stage(a, n, [&](std::size_t j) { return std::sin(x[j]); });
        Stage(r, n, [&](std::size_t j) { return b[j] - a[j]; });
    },
    [](const double* x, double* a, double* b, double* r, std::size_t n) {
        Stage(a, n, [&](std::size_t j) { return x[j] * x[j]; });
        Stage(b, n, [&](std::size_t j) { return 3 * x[j]; });
        Stage(a, n, [&](std::size_t j) { return a[j] - b[j]; });
        Stage(r, n, [&](std::size_t j) { return a[j] + 1; });
    },
};
static_assert(std::size(kStaged) == kExpressions.size());

template <std::size_t I> void NativeBlocked(benchmark::State& state) {
    const std::vector<double> xs = Abscissas();
    std::vector<double> values(kSamples);
    double a[kBlock];
    double b[kBlock];
    for (auto _ : state) {
        for (std::size_t i = 0; i < xs.size(); i += kBlock) {
            const std::size_t n = std::min(kBlock, xs.size() - i);
            kStaged[I](xs.data() + i, a, b, values.data() + i, n);
        }
        benchmark::DoNotOptimize(values.data());
        benchmark::ClobberMemory();
    }
    state.counters["items"] = kSamples;
}

template <std::size_t... I> void RegisterBlocked(std::index_sequence<I...>) {
    (benchmark::RegisterBenchmark(("engine/blocked/" + std::to_string(I)).c_str(),
                                  NativeBlocked<I>),
     ...);
}

std::string Sum(int terms) {
    std::string text = "x";
    for (int i = 1; i < terms; ++i)
        text += "+x";
    return text;
}

std::string Nested(int terms) {
    const int levels = terms - 1;
    std::string text(static_cast<std::size_t>(levels), '(');
    text += "x";
    for (int i = 0; i < levels; ++i)
        text += "+1)";
    return text;
}

void SolveOnce(benchmark::State& state, std::string text, int tokens) {
    clsEquation equation;
    equation.SetEquation(text);
    equation.SetVar("x", 1);
    equation.Solve();
    double x = 0.5;
    for (auto _ : state) {
        equation.SetVar("x", x);
        equation.Solve();
        benchmark::DoNotOptimize(equation.Solution());
        x += kStep;
    }
    state.counters["items"] = tokens;
}

// A text of exactly `chars` characters: a sum of "4sen(x)" terms padded
// with blanks, which the parser skips.
std::string LongText(std::size_t chars) {
    std::string text = "4sen(x)";
    while (text.size() + 8 <= chars)
        text += "+4sen(x)";
    text.resize(chars, ' ');
    return text;
}

void ParseOnce(benchmark::State& state, std::string text) {
    for (auto _ : state) {
        clsEquation equation;
        equation.SetEquation(text);
        equation.SetVar("x", 1);
        equation.Solve(); // parses, compiles the plan and evaluates once
        benchmark::DoNotOptimize(equation.Solution());
    }
    state.counters["items"] = static_cast<double>(text.size());
}

// The hints of a text, as a box asks for them after a keystroke.
void DiagnoseOnce(benchmark::State& state, std::string text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Diagnose(text));
    state.counters["items"] = static_cast<double>(text.size());
}

// A text of `chars` characters with a hint every three: groups side by side.
std::string Leftovers(std::size_t chars) {
    std::string text;
    while (text.size() + 3 <= chars)
        text += "(x)";
    return text;
}

} // namespace

void RegisterEngineBenchmarks() {
    for (std::size_t i = 0; i < kExpressions.size(); ++i) {
        const BenchExpression& e = kExpressions[i];
        const std::string index = std::to_string(i);
        benchmark::RegisterBenchmark(("engine/ours/" + index).c_str(), Ours, e.ours);
        benchmark::RegisterBenchmark(("engine/bulk/" + index).c_str(), Bulk, e.ours);
        benchmark::RegisterBenchmark(("engine/muparser/" + index).c_str(), Muparser, e.muparser);
        benchmark::RegisterBenchmark(("engine/matheval/" + index).c_str(), Matheval, e.matheval);
    }
    // The calling sequences alone: "x" computes nothing, so what is left is
    // what each way of asking for a value costs per sample.
    benchmark::RegisterBenchmark("floor/ours", Ours, "x");
    benchmark::RegisterBenchmark("floor/muparser", Muparser, "x");
    RegisterNative(std::make_index_sequence<kExpressions.size()>());
    RegisterBlocked(std::make_index_sequence<kExpressions.size()>());
#ifdef QUIVELA_BENCH_EXPRTK
    RegisterExprtkBenchmarks();
#endif

    for (const int terms : kScalingTerms) {
        benchmark::RegisterBenchmark(("scaling/sum/" + std::to_string(terms)).c_str(), SolveOnce,
                                     Sum(terms), 2 * terms - 1);
    }
    for (const int terms : kNestedTerms) {
        benchmark::RegisterBenchmark(("scaling/nested/" + std::to_string(terms)).c_str(), SolveOnce,
                                     Nested(terms), 4 * (terms - 1) + 1);
    }
    for (const std::size_t chars : kParseChars)
        benchmark::RegisterBenchmark(("parse/" + std::to_string(chars)).c_str(), ParseOnce,
                                     LongText(chars));
    const char* const ordinary[] = {"4sen(x)", "x^2-3x+1", "sen(x)cos(x)", "x\u00b2+3,5x"};
    for (std::size_t i = 0; i < std::size(ordinary); ++i)
        benchmark::RegisterBenchmark(("diagnose/ordinary/" + std::to_string(i)).c_str(),
                                     DiagnoseOnce, std::string(ordinary[i]));
    for (const std::size_t chars : kParseChars) {
        benchmark::RegisterBenchmark(("diagnose/" + std::to_string(chars)).c_str(), DiagnoseOnce,
                                     LongText(chars));
        benchmark::RegisterBenchmark(("diagnose/leftovers/" + std::to_string(chars)).c_str(),
                                     DiagnoseOnce, Leftovers(chars));
    }
}

} // namespace quivelabench
