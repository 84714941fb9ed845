#include "expression/FunctionLibrary.h"

#include "expression/RandomGenerator.h"

#include <array>
#include <cmath>

namespace quivela::expression {

namespace {

// Conversion factors exactly as the language defines them (not 180/pi).
constexpr double kDegreesPerRadian = 57.2957795131;
constexpr double kRadiansPerDegree = 0.01745329251995;

using Formula = double (*)(CheckedSteps& s, double u, double w, RandomGenerator& random);

struct LibraryEntry {
    std::string_view token;
    Formula formula;
};

double Sgn(double u) {
    return u > 0 ? 1 : (u < 0 ? -1 : 0);
}
double HalfPi(CheckedSteps& s) {
    return s.Mul(2, s.Atan(1));
}
double E(CheckedSteps& s, double u) {
    return s.Exp(u);
}
double F(CheckedSteps& s, double u) {
    return s.Exp(-u);
}

// ---- elementary ----
double Abs(CheckedSteps&, double u, double, RandomGenerator&) {
    return std::fabs(u);
}
double SgnF(CheckedSteps&, double u, double, RandomGenerator&) {
    return Sgn(u);
}
double Int(CheckedSteps&, double u, double, RandomGenerator&) {
    return std::floor(u);
}
double Fix(CheckedSteps&, double u, double, RandomGenerator&) {
    return std::trunc(u);
}
double Mant(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Sub(u, std::floor(u));
}
double Sqr(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Sqrt(u);
}
double Exp(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Exp(u);
}
double Ln(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Ln(u);
}
double Log10(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double lu = s.Ln(u);
    return s.Div(lu, s.Ln(10));
}
double Log2(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double lu = s.Ln(u);
    return s.Div(lu, s.Ln(2));
}
double Logn(CheckedSteps& s, double u, double w, RandomGenerator&) {
    const double lw = s.Ln(w); // the base's logarithm first
    const double lu = s.Ln(u);
    return s.Div(lu, lw);
}
double Min(CheckedSteps&, double u, double w, RandomGenerator&) {
    return u < w ? u : w;
}
double Max(CheckedSteps&, double u, double w, RandomGenerator&) {
    return u > w ? u : w;
}
double Mod(CheckedSteps& s, double u, double w, RandomGenerator&) {
    return s.IntegerRemainder(u, w);
}
double Graus(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Mul(u, kDegreesPerRadian);
}
double Rad(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Mul(u, kRadiansPerDegree);
}

// ---- trigonometric ----
double Sin(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Sin(u);
}
double Cos(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Cos(u);
}
double Tan(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Tan(u);
}
double Sec(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Div(1, s.Cos(u));
}
double Cosec(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Div(1, s.Sin(u));
}
double Cotg(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Div(1, s.Tan(u));
}

// ---- inverse trigonometric ----
double Arctg(CheckedSteps& s, double u, double, RandomGenerator&) {
    return s.Atan(u);
}
double Arcsin(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double root = s.Sqrt(s.Sub(1, s.Mul(u, u)));
    return s.Atan(s.Div(u, root));
}
double Arccos(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double root = s.Sqrt(s.Sub(1, s.Mul(u, u)));
    const double angle = s.Atan(s.Div(-u, root));
    return s.Add(angle, HalfPi(s));
}
double Arcsec(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double angle = s.Atan(s.Sqrt(s.Sub(s.Mul(u, u), 1)));
    const double shifted = s.Mul(s.Sub(angle, HalfPi(s)), Sgn(u));
    return s.Add(shifted, HalfPi(s));
}
double Arccosec(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double root = s.Sqrt(s.Sub(s.Mul(u, u), 1));
    return s.Mul(Sgn(u), s.Atan(s.Div(1, root)));
}
double Arccotg(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double half = HalfPi(s);
    return s.Sub(half, s.Atan(u));
}

// ---- hyperbolic, E = e^u and F = e^-u ----
double Sinh(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double e = E(s, u);
    return s.Div(s.Sub(e, F(s, u)), 2);
}
double Cosh(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double e = E(s, u);
    return s.Div(s.Add(e, F(s, u)), 2);
}
double Tgh(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double e1 = E(s, u);
    const double top = s.Sub(e1, F(s, u));
    const double e2 = E(s, u);
    const double bottom = s.Add(e2, F(s, u));
    return s.Div(top, bottom);
}
double Sech(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double e = E(s, u);
    return s.Div(2, s.Add(e, F(s, u)));
}
double Cosech(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double e = E(s, u);
    return s.Div(2, s.Sub(e, F(s, u)));
}
double Cotgh(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double e1 = E(s, u);
    const double top = s.Add(e1, F(s, u));
    const double e2 = E(s, u);
    const double bottom = s.Sub(e2, F(s, u));
    return s.Div(top, bottom);
}

// ---- inverse hyperbolic ----
double Arcsinh(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double root = s.Sqrt(s.Add(s.Mul(u, u), 1));
    return s.Ln(s.Add(u, root));
}
double Arccosh(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double root = s.Sqrt(s.Sub(s.Mul(u, u), 1));
    return s.Ln(s.Add(u, root));
}
double Arctgh(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double top = s.Add(u, 1);
    const double ratio = s.Div(top, s.Sub(1, u));
    return s.Div(s.Ln(ratio), 2);
}
double Arcsech(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double top = s.Add(s.Sqrt(s.Sub(1, s.Mul(u, u))), 1);
    return s.Ln(s.Div(top, u));
}
double Arccosech(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double root = s.Sqrt(s.Add(s.Mul(u, u), 1));
    const double top = s.Add(s.Mul(Sgn(u), root), 1);
    return s.Ln(s.Div(top, u));
}
double Arccotgh(CheckedSteps& s, double u, double, RandomGenerator&) {
    const double top = s.Add(u, 1);
    const double ratio = s.Div(top, s.Sub(u, 1));
    return s.Div(s.Ln(ratio), 2);
}

// ---- random: each re-seeds from the clock, then draws ----
double Rnd(CheckedSteps&, double u, double, RandomGenerator& random) {
    random.ReseedFromClock();
    if (u < 0)
        return random.Fixed(u);
    if (u == 0)
        return random.Last();
    return random.Next();
}
double Rand(CheckedSteps& s, double u, double, RandomGenerator& random) {
    random.ReseedFromClock();
    return std::floor(s.Mul(random.Next(), u));
}
double Random(CheckedSteps& s, double u, double w, RandomGenerator& random) {
    random.ReseedFromClock();
    const double r = random.Next();
    return s.Add(u, s.Mul(r, s.Sub(w, u)));
}

// Every call token, in the order the tokens are compared. Portuguese and
// English spellings share one formula.
constexpr std::array<LibraryEntry, kFunctionCount> kLibrary{{
    {"abs(", Abs},
    {"sgn(", SgnF},
    {"int(", Int},
    {"fix(", Fix},
    {"mant(", Mant},
    {"sqr(", Sqr},
    {"exp(", Exp},
    {"log(", Ln},
    {"ln(", Ln},
    {"log10(", Log10},
    {"log2(", Log2},
    {"logn(", Logn},
    {"min(", Min},
    {"max(", Max},
    {"mod(", Mod},
    {"graus(", Graus},
    {"rad(", Rad},
    {"sin(", Sin},
    {"sen(", Sin},
    {"cos(", Cos},
    {"tan(", Tan},
    {"tg(", Tan},
    {"sec(", Sec},
    {"cosec(", Cosec},
    {"cotg(", Cotg},
    {"cotan(", Cotg},
    {"arctg(", Arctg},
    {"atn(", Arctg},
    {"arcsin(", Arcsin},
    {"arcsen(", Arcsin},
    {"arccos(", Arccos},
    {"arcsec(", Arcsec},
    {"arccosec(", Arccosec},
    {"arccotg(", Arccotg},
    {"arccotan(", Arccotg},
    {"sinh(", Sinh},
    {"senh(", Sinh},
    {"cosh(", Cosh},
    {"tgh(", Tgh},
    {"tanh(", Tgh},
    {"sech(", Sech},
    {"cosech(", Cosech},
    {"cotgh(", Cotgh},
    {"cotanh(", Cotgh},
    {"arcsinh(", Arcsinh},
    {"arcsenh(", Arcsinh},
    {"arccosh(", Arccosh},
    {"arctgh(", Arctgh},
    {"arctanh(", Arctgh},
    {"arcsech(", Arcsech},
    {"arccosech(", Arccosech},
    {"arccotgh(", Arccotgh},
    {"arccotanh(", Arccotgh},
    {"rnd(", Rnd},
    {"rand(", Rand},
    {"random(", Random},
}};

} // namespace

int FindFunction(std::string_view callToken) {
    for (std::size_t i = 0; i < kLibrary.size(); ++i)
        if (kLibrary[i].token == callToken)
            return static_cast<int>(i);
    return -1;
}

std::string_view FunctionToken(int index) {
    if (index < 0 || index >= static_cast<int>(kLibrary.size()))
        return {};
    return kLibrary[static_cast<std::size_t>(index)].token;
}

FunctionResult CallFunction(int index, double u, double w, RandomGenerator& random) {
    CheckedSteps steps;
    const double value = kLibrary[static_cast<std::size_t>(index)].formula(steps, u, w, random);
    return FunctionResult{steps.fault(), value};
}

} // namespace quivela::expression
