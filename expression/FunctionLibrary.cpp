#include "expression/FunctionLibrary.h"

#include "expression/RandomGenerator.h"

#include <array>
#include <cmath>

namespace quivela::expression {

namespace {

// Conversion factors exactly as the language defines them (not 180/pi).
constexpr double kDegreesPerRadian = 57.2957795131;
constexpr double kRadiansPerDegree = 0.01745329251995;

using Pure = double (*)(CheckedSteps& s, double u, double w);
using Drawing = double (*)(CheckedSteps& s, double u, double w, RandomGenerator& random);

// The two ways of running one definition.
template <Pure F> FunctionResult Scalar(double u, double w, RandomGenerator&) {
    CheckedSteps steps;
    const double value = F(steps, u, w);
    return FunctionResult{steps.fault(), value};
}
// Every formula that draws re-seeds from the clock first, then draws.
template <Drawing F> FunctionResult ScalarDrawing(double u, double w, RandomGenerator& random) {
    CheckedSteps steps;
    random.ReseedFromClock();
    const double value = F(steps, u, w, random);
    return FunctionResult{steps.fault(), value};
}
template <Pure F> bool Block(const BlockArgs& k) {
    bool failed = false;
    ForLanes(k.lanes, k.n, [&](std::size_t j) {
        CheckedSteps steps;
        k.out[j] = F(steps, k.a[j], k.b[j]);
        if (!steps.ok()) [[unlikely]] {
            failed = true;
            if (k.failedAt[j] < 0) {
                k.failedAt[j] = k.step;
                k.faults[j] = steps.fault();
            }
        }
    });
    return failed;
}

// Most functions read their first argument alone; the few that read the
// last one too say so, and a call that gives one of the others a second
// argument is told that it is not used.
constexpr bool kReadsLast = true;

template <Pure F> constexpr Formula Entry(std::string_view token, bool readsLast = false) {
    return Formula{token, Scalar<F>, Block<F>, false, readsLast};
}
template <Drawing F>
constexpr Formula EntryDrawing(std::string_view token, bool readsLast = false) {
    return Formula{token, ScalarDrawing<F>, nullptr, true, readsLast};
}

// The formulas are captureless lambdas: each converts to the function pointer
// that Entry instantiates Scalar and Block with, and a short one fits a line.
constexpr auto Sgn = [](double u) { return u > 0 ? 1.0 : (u < 0 ? -1.0 : 0.0); };
constexpr auto HalfPi = [](CheckedSteps& s) { return s.Mul(2, s.Atan(1)); };
constexpr auto E = [](CheckedSteps& s, double u) { return s.Exp(u); };
constexpr auto F = [](CheckedSteps& s, double u) { return s.Exp(-u); };

// ---- elementary ----
constexpr auto Abs = [](CheckedSteps&, double u, double) { return std::fabs(u); };
constexpr auto SgnF = [](CheckedSteps&, double u, double) { return Sgn(u); };
constexpr auto Int = [](CheckedSteps&, double u, double) { return std::floor(u); };
constexpr auto Fix = [](CheckedSteps&, double u, double) { return std::trunc(u); };
constexpr auto Mant = [](CheckedSteps& s, double u, double) { return s.Sub(u, std::floor(u)); };
constexpr auto Sqr = [](CheckedSteps& s, double u, double) { return s.Sqrt(u); };
constexpr auto Exp = [](CheckedSteps& s, double u, double) { return s.Exp(u); };
constexpr auto Ln = [](CheckedSteps& s, double u, double) { return s.Ln(u); };
constexpr auto Log10 = [](CheckedSteps& s, double u, double) {
    const double lu = s.Ln(u);
    return s.Div(lu, s.Ln(10));
};
constexpr auto Log2 = [](CheckedSteps& s, double u, double) {
    const double lu = s.Ln(u);
    return s.Div(lu, s.Ln(2));
};
constexpr auto Logn = [](CheckedSteps& s, double u, double w) {
    const double lw = s.Ln(w); // the base's logarithm first
    const double lu = s.Ln(u);
    return s.Div(lu, lw);
};
constexpr auto Min = [](CheckedSteps&, double u, double w) { return u < w ? u : w; };
constexpr auto Max = [](CheckedSteps&, double u, double w) { return u > w ? u : w; };
constexpr auto Mod = [](CheckedSteps& s, double u, double w) { return s.IntegerRemainder(u, w); };
constexpr auto Graus = [](CheckedSteps& s, double u, double) {
    return s.Mul(u, kDegreesPerRadian);
};
constexpr auto Rad = [](CheckedSteps& s, double u, double) { return s.Mul(u, kRadiansPerDegree); };

// ---- trigonometric ----
constexpr auto Sin = [](CheckedSteps& s, double u, double) { return s.Sin(u); };
constexpr auto Cos = [](CheckedSteps& s, double u, double) { return s.Cos(u); };
constexpr auto Tan = [](CheckedSteps& s, double u, double) { return s.Tan(u); };
constexpr auto Sec = [](CheckedSteps& s, double u, double) { return s.Div(1, s.Cos(u)); };
constexpr auto Cosec = [](CheckedSteps& s, double u, double) { return s.Div(1, s.Sin(u)); };
constexpr auto Cotg = [](CheckedSteps& s, double u, double) { return s.Div(1, s.Tan(u)); };

// ---- inverse trigonometric ----
constexpr auto Arctg = [](CheckedSteps& s, double u, double) { return s.Atan(u); };
constexpr auto Arcsin = [](CheckedSteps& s, double u, double) {
    const double root = s.Sqrt(s.Sub(1, s.Mul(u, u)));
    return s.Atan(s.Div(u, root));
};
constexpr auto Arccos = [](CheckedSteps& s, double u, double) {
    const double root = s.Sqrt(s.Sub(1, s.Mul(u, u)));
    const double angle = s.Atan(s.Div(-u, root));
    return s.Add(angle, HalfPi(s));
};
constexpr auto Arcsec = [](CheckedSteps& s, double u, double) {
    const double angle = s.Atan(s.Sqrt(s.Sub(s.Mul(u, u), 1)));
    const double shifted = s.Mul(s.Sub(angle, HalfPi(s)), Sgn(u));
    return s.Add(shifted, HalfPi(s));
};
constexpr auto Arccosec = [](CheckedSteps& s, double u, double) {
    const double root = s.Sqrt(s.Sub(s.Mul(u, u), 1));
    return s.Mul(Sgn(u), s.Atan(s.Div(1, root)));
};
constexpr auto Arccotg = [](CheckedSteps& s, double u, double) {
    const double half = HalfPi(s);
    return s.Sub(half, s.Atan(u));
};

// ---- hyperbolic, E = e^u and F = e^-u ----
constexpr auto Sinh = [](CheckedSteps& s, double u, double) {
    const double e = E(s, u);
    return s.Div(s.Sub(e, F(s, u)), 2);
};
constexpr auto Cosh = [](CheckedSteps& s, double u, double) {
    const double e = E(s, u);
    return s.Div(s.Add(e, F(s, u)), 2);
};
// The quotients below use E and F on both sides. Computed a second time for
// the second side they are the same doubles and pass the same checks, so
// each is computed once.
constexpr auto Tgh = [](CheckedSteps& s, double u, double) {
    const double e = E(s, u);
    const double f = F(s, u);
    const double top = s.Sub(e, f);
    return s.Div(top, s.Add(e, f));
};
constexpr auto Sech = [](CheckedSteps& s, double u, double) {
    const double e = E(s, u);
    return s.Div(2, s.Add(e, F(s, u)));
};
constexpr auto Cosech = [](CheckedSteps& s, double u, double) {
    const double e = E(s, u);
    return s.Div(2, s.Sub(e, F(s, u)));
};
constexpr auto Cotgh = [](CheckedSteps& s, double u, double) {
    const double e = E(s, u);
    const double f = F(s, u);
    const double top = s.Add(e, f);
    return s.Div(top, s.Sub(e, f));
};

// ---- inverse hyperbolic ----
constexpr auto Arcsinh = [](CheckedSteps& s, double u, double) {
    const double root = s.Sqrt(s.Add(s.Mul(u, u), 1));
    return s.Ln(s.Add(u, root));
};
constexpr auto Arccosh = [](CheckedSteps& s, double u, double) {
    const double root = s.Sqrt(s.Sub(s.Mul(u, u), 1));
    return s.Ln(s.Add(u, root));
};
constexpr auto Arctgh = [](CheckedSteps& s, double u, double) {
    const double top = s.Add(u, 1);
    const double ratio = s.Div(top, s.Sub(1, u));
    return s.Div(s.Ln(ratio), 2);
};
constexpr auto Arcsech = [](CheckedSteps& s, double u, double) {
    const double top = s.Add(s.Sqrt(s.Sub(1, s.Mul(u, u))), 1);
    return s.Ln(s.Div(top, u));
};
constexpr auto Arccosech = [](CheckedSteps& s, double u, double) {
    const double root = s.Sqrt(s.Add(s.Mul(u, u), 1));
    const double top = s.Add(s.Mul(Sgn(u), root), 1);
    return s.Ln(s.Div(top, u));
};
constexpr auto Arccotgh = [](CheckedSteps& s, double u, double) {
    const double top = s.Add(u, 1);
    const double ratio = s.Div(top, s.Sub(u, 1));
    return s.Div(s.Ln(ratio), 2);
};

// ---- random: ScalarDrawing has re-seeded from the clock, they draw ----
constexpr auto Rnd = [](CheckedSteps&, double u, double, RandomGenerator& random) -> double {
    return u < 0 ? random.Fixed(u) : (u == 0 ? random.Last() : random.Next());
};
constexpr auto Rand = [](CheckedSteps& s, double u, double, RandomGenerator& random) {
    return std::floor(s.Mul(random.Next(), u));
};
constexpr auto Random = [](CheckedSteps& s, double u, double w, RandomGenerator& random) {
    const double r = random.Next();
    return s.Add(u, s.Mul(r, s.Sub(w, u)));
};

// ---- the binary operators ----
constexpr auto Plus = [](CheckedSteps& s, double u, double w) { return s.Add(u, w); };
constexpr auto Minus = [](CheckedSteps& s, double u, double w) { return s.Sub(u, w); };
constexpr auto Times = [](CheckedSteps& s, double u, double w) { return s.Mul(u, w); };
constexpr auto Divide = [](CheckedSteps& s, double u, double w) { return s.Div(u, w); };
constexpr auto IntegerDivide = [](CheckedSteps& s, double u, double w) {
    return s.IntegerQuotient(u, w);
};
constexpr auto Power = [](CheckedSteps& s, double u, double w) { return s.Pow(u, w); };

// Every call token, in the order the tokens are compared. Portuguese and
// English spellings share one formula.
constexpr std::array<Formula, kFormulaCount> kTable = {
    // elementary
    Entry<Abs>("abs("), Entry<SgnF>("sgn("), Entry<Int>("int("), Entry<Fix>("fix("),
    Entry<Mant>("mant("), Entry<Sqr>("sqr("), Entry<Exp>("exp("), Entry<Ln>("log("),
    Entry<Ln>("ln("), Entry<Log10>("log10("), Entry<Log2>("log2("),
    Entry<Logn>("logn(", kReadsLast), Entry<Min>("min(", kReadsLast),
    Entry<Max>("max(", kReadsLast), Entry<Mod>("mod(", kReadsLast), Entry<Graus>("graus("),
    Entry<Rad>("rad("),
    // trigonometric
    Entry<Sin>("sin("), Entry<Sin>("sen("), Entry<Cos>("cos("), Entry<Tan>("tan("),
    Entry<Tan>("tg("), Entry<Sec>("sec("), Entry<Cosec>("cosec("), Entry<Cotg>("cotg("),
    Entry<Cotg>("cotan("),
    // inverse trigonometric
    Entry<Arctg>("arctg("), Entry<Arctg>("atn("), Entry<Arcsin>("arcsin("),
    Entry<Arcsin>("arcsen("), Entry<Arccos>("arccos("), Entry<Arcsec>("arcsec("),
    Entry<Arccosec>("arccosec("), Entry<Arccotg>("arccotg("), Entry<Arccotg>("arccotan("),
    // hyperbolic
    Entry<Sinh>("sinh("), Entry<Sinh>("senh("), Entry<Cosh>("cosh("), Entry<Tgh>("tgh("),
    Entry<Tgh>("tanh("), Entry<Sech>("sech("), Entry<Cosech>("cosech("), Entry<Cotgh>("cotgh("),
    Entry<Cotgh>("cotanh("),
    // inverse hyperbolic
    Entry<Arcsinh>("arcsinh("), Entry<Arcsinh>("arcsenh("), Entry<Arccosh>("arccosh("),
    Entry<Arctgh>("arctgh("), Entry<Arctgh>("arctanh("), Entry<Arcsech>("arcsech("),
    Entry<Arccosech>("arccosech("), Entry<Arccotgh>("arccotgh("), Entry<Arccotgh>("arccotanh("),
    // random
    EntryDrawing<Rnd>("rnd("), EntryDrawing<Rand>("rand("),
    EntryDrawing<Random>("random(", kReadsLast),
    // The operators, in the order of TokenKind from Plus to Power.
    Entry<Plus>("+", kReadsLast), Entry<Minus>("-", kReadsLast), Entry<Times>("*", kReadsLast),
    Entry<Divide>("/", kReadsLast), Entry<IntegerDivide>("\\", kReadsLast),
    Entry<Mod>("%", kReadsLast), Entry<Power>("^", kReadsLast)};

} // namespace

const std::array<Formula, kFormulaCount> kFormulas = kTable;

int FindFunction(std::string_view callToken) {
    for (std::size_t i = 0; i < kFunctionCount; ++i)
        if (kFormulas[i].token == callToken)
            return static_cast<int>(i);
    return -1;
}

int OperatorFormula(TokenKind op) {
    const int offset = static_cast<int>(op) - static_cast<int>(TokenKind::Plus);
    if (offset < 0 || op > TokenKind::Power)
        return -1;
    return static_cast<int>(kFunctionCount) + offset;
}

} // namespace quivela::expression
