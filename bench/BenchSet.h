#pragma once

// The expressions every engine is timed on, each written in the syntax of
// each peer, with the same computation in plain C++ as the reference.

#include <array>
#include <cmath>

namespace quivelabench {

using Native = double (*)(double);

// The hyperbolic tangent as the language defines it, (E - F) / (E + F) with
// E = e^u and F = e^-u: two exponentials, where std::tanh needs one. The
// reference computes what the engine computes.
inline double Tgh(double u) {
    const double e = std::exp(u);
    const double f = std::exp(-u);
    return (e - f) / (e + f);
}

struct BenchExpression {
    const char* ours;     // as a student types it
    const char* muparser; // sin, tan, tanh, ln; products written out
    const char* matheval; // same, its log being the natural logarithm
    Native native;
};

inline constexpr std::array<BenchExpression, 12> kExpressions{{
    {"4sen(x)", "4*sin(x)", "4*sin(x)", [](double x) { return 4 * std::sin(x); }},
    {"tg(x)", "tan(x)", "tan(x)", [](double x) { return std::tan(x); }},
    {"log (exp (sen (5x)))", "ln(exp(sin(5*x)))", "log(exp(sin(5*x)))",
     [](double x) { return std::log(std::exp(std::sin(5 * x))); }},
    {"5sen (2x)", "5*sin(2*x)", "5*sin(2*x)", [](double x) { return 5 * std::sin(2 * x); }},
    {"tgh (cos (7/log (3x)))", "tanh(cos(7/ln(3*x)))", "tanh(cos(7/log(3*x)))",
     [](double x) { return Tgh(std::cos(7 / std::log(3 * x))); }},
    {"(4sen(x))+(tg(x))", "(4*sin(x))+(tan(x))", "(4*sin(x))+(tan(x))",
     [](double x) { return (4 * std::sin(x)) + std::tan(x); }},
    {"4sen((tg(x)))", "4*sin((tan(x)))", "4*sin((tan(x)))",
     [](double x) { return 4 * std::sin(std::tan(x)); }},
    {"sqr (4sen(x))", "sqrt(4*sin(x))", "sqrt(4*sin(x))",
     [](double x) { return std::sqrt(4 * std::sin(x)); }},
    {"(4sen(x))^(2)", "(4*sin(x))^(2)", "(4*sin(x))^(2)",
     [](double x) { return std::pow(4 * std::sin(x), 2); }},
    {"(2)^(4sen(x))", "(2)^(4*sin(x))", "(2)^(4*sin(x))",
     [](double x) { return std::pow(2, 4 * std::sin(x)); }},
    {"2x^2-sen(x)", "2*x^2-sin(x)", "2*x^2-sin(x)",
     [](double x) { return 2 * std::pow(x, 2) - std::sin(x); }},
    {"x^2-3x+1", "x^2-3*x+1", "x^2-3*x+1", [](double x) { return std::pow(x, 2) - 3 * x + 1; }},
}};

// One curve: x from -14 while x <= 14 by repeated addition of 0.001.
inline constexpr double kFirst = -14.0;
inline constexpr double kStep = 0.001;
inline constexpr int kSamples = 28001;

} // namespace quivelabench
