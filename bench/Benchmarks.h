#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace quivelabench {

// Sizes of the scaling runs. Groups nest at most 4,679 levels deep (4,680
// terms): one level more and the parser reports overflow (error 6).
inline constexpr std::array<int, 4> kScalingTerms{10, 100, 1000, 10000};
inline constexpr std::array<int, 4> kNestedTerms{10, 100, 1000, 4680};
inline constexpr std::array<std::size_t, 2> kParseChars{1000, 32000};

// Plots through the main window: two of the expressions and a long mixed
// one; and the plot whose live view is watched.
inline constexpr std::size_t kPlotMixedCharacters = 32000;
inline constexpr std::size_t kPlotLiveCharacters = 5000;

struct PlotCurve {
    std::string name;
    std::string text;
};
const std::vector<PlotCurve>& PlotCurves();
// "sen(x)*cos(x)" joined by "+" as often as it fits, padded with spaces to
// exactly characters.
std::string MixedText(std::size_t characters);

void RegisterEngineBenchmarks();
// The plots' curves evaluated alone, to run before the QApplication exists.
void RegisterCleanPlotBenchmarks();
void RegisterExprtkBenchmarks(); // only when built with ExprTk (QUIVELA_BENCH_EXPRTK)
void RegisterPlotBenchmarks();
// The upper vector state after the toolkit, and its cost; needs the QApplication.
void RegisterVectorStateBenchmarks();

} // namespace quivelabench
