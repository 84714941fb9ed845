// ExprTk as a peer: one curve per iteration for each expression of the set,
// the variable set and the expression evaluated per sample. A translation
// unit of its own: the header takes long to compile. Features the set does
// not use are left out of it, which leaves the evaluation as it is.

#define exprtk_disable_string_capabilities
#define exprtk_disable_rtl_io_file
#define exprtk_disable_rtl_vecops
#define exprtk_disable_return_statement
#include <exprtk.hpp>

#include "BenchSet.h"
#include "Benchmarks.h"

#include <benchmark/benchmark.h>

#include <string>

namespace quivelabench {

namespace {

void Exprtk(benchmark::State& state, const char* text) {
    double x = 0;
    exprtk::symbol_table<double> symbols;
    symbols.add_variable("x", x);
    exprtk::expression<double> expression;
    expression.register_symbol_table(symbols);
    exprtk::parser<double> parser;
    if (!parser.compile(text, expression)) {
        state.SkipWithError("ExprTk did not parse the expression");
        return;
    }
    for (auto _ : state) {
        double sum = 0;
        x = kFirst;
        for (int i = 0; i < kSamples; ++i) {
            sum += expression.value();
            x += kStep;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["items"] = kSamples;
}

} // namespace

void RegisterExprtkBenchmarks() {
    // libmatheval's spelling (log is the natural logarithm) is ExprTk's too.
    for (std::size_t i = 0; i < kExpressions.size(); ++i)
        benchmark::RegisterBenchmark(("engine/exprtk/" + std::to_string(i)).c_str(), Exprtk,
                                     kExpressions[i].matheval);
    benchmark::RegisterBenchmark("floor/exprtk", Exprtk, "x");
}

} // namespace quivelabench
