#pragma once

#include <array>
#include <cstddef>

namespace quivelabench {

// Sizes of the scaling runs. Groups nest at most 4,679 levels deep (4,680
// terms): one level more and the parser reports overflow (error 6).
inline constexpr std::array<int, 4> kScalingTerms{10, 100, 1000, 10000};
inline constexpr std::array<int, 4> kNestedTerms{10, 100, 1000, 4680};
inline constexpr std::array<std::size_t, 2> kParseChars{1000, 32000};

// Plots through the main window: the expressions and the sum of 500 x's
// (999 tokens).
inline constexpr int kPlotSumTerms = 500;

void RegisterEngineBenchmarks();
void RegisterExprtkBenchmarks(); // only when built with ExprTk (QUIVELA_BENCH_EXPRTK)
void RegisterPlotBenchmarks();

} // namespace quivelabench
