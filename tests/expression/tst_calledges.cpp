// Every call token of the library, and the operators, at the arguments a user
// reaches first when probing: 0, 1, -1 and the largest magnitudes 1e308, plus
// the edges of each domain. Each cell says what the program promises there: a
// value, no value (a domain fault passed over), or a raised 6 or 11.
#include "EngineTestSupport.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace enginetest;

namespace {

struct Cell {
    Kind kind;
    double value = 0;
    double high = 0;
    int number = 0;
};

Cell V(double v) {
    return {Kind::Value, v};
}
const Cell D{Kind::NoValue};
const Cell E6{Kind::Error, 0, 0, 6};
const Cell E11{Kind::Error, 0, 0, 11};
Cell R(double low, double high) {
    return {Kind::Range, low, high};
}

const double H = 2 * std::atan(1.0); // the library's pi/2
const double Big = 1e308;
const double Tiny = std::numeric_limits<double>::denorm_min();
double E(double u) {
    return std::exp(u);
}
double F(double u) {
    return std::exp(-u);
}

// One row per call token: the cells at u = 0, 1, -1, 1e308 and -1e308.
struct Row {
    const char* token;
    Cell at[5];
};

constexpr double kArguments[5] = {0.0, 1.0, -1.0, 1e308, -1e308};

} // namespace

class CallEdges : public QObject {
    Q_OBJECT

private slots:
    void extremes_data();
    void extremes() { check(); }
    void domainEdges_data();
    void domainEdges() { check(); }

private:
    static void columns() { AddColumns(); }
    static void add(const QByteArray& name, const QByteArray& text, double x, const Cell& c) {
        AddRow(name.constData(), text, x, c.kind, c.value, c.number, {}, c.high);
    }
    void check() { CheckRow(); }
};

void CallEdges::extremes_data() {
    columns();
    const double s2 = std::sqrt(2.0);
    const Row rows[] = {
        {"abs", {V(0), V(1), V(1), V(Big), V(Big)}},
        {"sgn", {V(0), V(1), V(-1), V(1), V(-1)}},
        {"int", {V(0), V(1), V(-1), V(Big), V(-Big)}},
        {"fix", {V(0), V(1), V(-1), V(Big), V(-Big)}},
        {"mant", {V(0), V(0), V(0), V(0), V(0)}},
        {"sqr", {V(0), V(1), D, V(std::sqrt(Big)), D}},
        {"exp", {V(1), V(E(1)), V(E(-1)), E6, V(0)}},
        {"log", {D, V(0), D, V(std::log(Big)), D}},
        {"ln", {D, V(0), D, V(std::log(Big)), D}},
        {"log10", {D, V(0), D, V(std::log(Big) / std::log(10.0)), D}},
        {"log2", {D, V(0), D, V(std::log(Big) / std::log(2.0)), D}},
        {"logn", {D, E6, D, V(1), D}},
        {"min", {V(0), V(1), V(-1), V(Big), V(-Big)}},
        {"max", {V(0), V(1), V(-1), V(Big), V(-Big)}},
        {"mod", {E11, V(0), V(0), E6, E6}},
        {"graus", {V(0), V(57.2957795131), V(-57.2957795131), E6, E6}},
        {"rad",
         {V(0), V(0.01745329251995), V(-0.01745329251995), V(Big * 0.01745329251995),
          V(-Big * 0.01745329251995)}},
        {"sin", {V(0), V(std::sin(1.0)), V(std::sin(-1.0)), V(std::sin(Big)), V(std::sin(-Big))}},
        {"sen", {V(0), V(std::sin(1.0)), V(std::sin(-1.0)), V(std::sin(Big)), V(std::sin(-Big))}},
        {"cos", {V(1), V(std::cos(1.0)), V(std::cos(-1.0)), V(std::cos(Big)), V(std::cos(-Big))}},
        {"tan", {V(0), V(std::tan(1.0)), V(std::tan(-1.0)), V(std::tan(Big)), V(std::tan(-Big))}},
        {"tg", {V(0), V(std::tan(1.0)), V(std::tan(-1.0)), V(std::tan(Big)), V(std::tan(-Big))}},
        {"sec",
         {V(1), V(1 / std::cos(1.0)), V(1 / std::cos(-1.0)), V(1 / std::cos(Big)),
          V(1 / std::cos(-Big))}},
        {"cosec",
         {E11, V(1 / std::sin(1.0)), V(1 / std::sin(-1.0)), V(1 / std::sin(Big)),
          V(1 / std::sin(-Big))}},
        {"cotg",
         {E11, V(1 / std::tan(1.0)), V(1 / std::tan(-1.0)), V(1 / std::tan(Big)),
          V(1 / std::tan(-Big))}},
        {"cotan",
         {E11, V(1 / std::tan(1.0)), V(1 / std::tan(-1.0)), V(1 / std::tan(Big)),
          V(1 / std::tan(-Big))}},
        {"arctg",
         {V(0), V(std::atan(1.0)), V(std::atan(-1.0)), V(std::atan(Big)), V(std::atan(-Big))}},
        {"atn",
         {V(0), V(std::atan(1.0)), V(std::atan(-1.0)), V(std::atan(Big)), V(std::atan(-Big))}},
        {"arcsin", {V(0), E11, E11, E6, E6}},
        {"arcsen", {V(0), E11, E11, E6, E6}},
        {"arccos", {V(H), E11, E11, E6, E6}},
        {"arcsec", {D, V(0), V((std::atan(0.0) - H) * -1 + H), E6, E6}},
        {"arccosec", {D, E11, E11, E6, E6}},
        {"arccotg",
         {V(H), V(H - std::atan(1.0)), V(H - std::atan(-1.0)), V(H - std::atan(Big)),
          V(H - std::atan(-Big))}},
        {"arccotan",
         {V(H), V(H - std::atan(1.0)), V(H - std::atan(-1.0)), V(H - std::atan(Big)),
          V(H - std::atan(-Big))}},
        {"sinh", {V(0), V((E(1) - F(1)) / 2), V((E(-1) - F(-1)) / 2), E6, E6}},
        {"senh", {V(0), V((E(1) - F(1)) / 2), V((E(-1) - F(-1)) / 2), E6, E6}},
        {"cosh", {V(1), V((E(1) + F(1)) / 2), V((E(-1) + F(-1)) / 2), E6, E6}},
        {"tgh",
         {V(0), V((E(1) - F(1)) / (E(1) + F(1))), V((E(-1) - F(-1)) / (E(-1) + F(-1))), E6, E6}},
        {"tanh",
         {V(0), V((E(1) - F(1)) / (E(1) + F(1))), V((E(-1) - F(-1)) / (E(-1) + F(-1))), E6, E6}},
        {"sech", {V(1), V(2 / (E(1) + F(1))), V(2 / (E(-1) + F(-1))), E6, E6}},
        {"cosech", {E11, V(2 / (E(1) - F(1))), V(2 / (E(-1) - F(-1))), E6, E6}},
        {"cotgh",
         {E11, V((E(1) + F(1)) / (E(1) - F(1))), V((E(-1) + F(-1)) / (E(-1) - F(-1))), E6, E6}},
        {"cotanh",
         {E11, V((E(1) + F(1)) / (E(1) - F(1))), V((E(-1) + F(-1)) / (E(-1) - F(-1))), E6, E6}},
        {"arcsinh", {V(0), V(std::log(1 + s2)), V(std::log(-1 + s2)), E6, E6}},
        {"arcsenh", {V(0), V(std::log(1 + s2)), V(std::log(-1 + s2)), E6, E6}},
        {"arccosh", {D, V(0), D, E6, E6}},
        {"arctgh", {V(0), E11, D, D, D}},
        {"arctanh", {V(0), E11, D, D, D}},
        {"arcsech", {E11, V(0), D, E6, E6}},
        {"arccosech", {E11, V(std::log((s2 + 1) / 1)), V(std::log((-1 * s2 + 1) / -1)), E6, E6}},
        {"arccotgh", {D, E11, D, V(0), V(0)}},
        {"arccotanh", {D, E11, D, V(0), V(0)}},
        {"rnd", {R(0, 1), R(0, 1), R(0, 1), R(0, 1), R(0, 1)}},
        {"rand", {V(0), V(0), R(-1, 0.5), R(0, Big), R(-Big, 0.5)}},
        {"random", {V(0), V(1), V(-1), V(Big), V(-Big)}},
    };
    QCOMPARE(std::size(rows), std::size_t(56));
    for (const Row& row : rows)
        for (int i = 0; i < 5; ++i)
            add(QByteArray(row.token) + "(" + QByteArray::number(kArguments[i]) + ")",
                QByteArray(row.token) + "(x)", kArguments[i], row.at[i]);
}

void CallEdges::domainEdges_data() {
    columns();
    const double below1 = std::nextafter(1.0, 0.0);
    const double above1 = std::nextafter(1.0, 2.0);
    const double i32min = -2147483648.0;
    add("sqr of minus zero", "sqr(x)", -0.0, V(-0.0));
    add("log of minus zero", "log(x)", -0.0, D);
    add("log of the smallest double", "log(x)", Tiny, V(std::log(Tiny)));
    add("exp just below overflow", "exp(x)", 709.78, V(std::exp(709.78)));
    add("exp just above overflow", "exp(x)", 709.79, E6);
    add("exp underflows to zero", "exp(x)", -746, V(0));
    add("sinh of -710", "sinh(x)", -710, E6);
    add("cosh of 710", "cosh(x)", 710, E6);
    add("tg at the library's pi/2", "tg(x)", H, V(std::tan(H)));
    add("arcsin where u*u still fits", "arcsin(x)", 1.3e154, D);
    add("arcsin where u*u overflows", "arcsin(x)", 1.35e154, E6);
    add("arcsin just above 1", "arcsin(x)", above1, D);
    add("arcsin just below 1", "arcsin(x)", below1,
        V(std::atan(below1 / std::sqrt(1 - below1 * below1))));
    add("arccosh just below 1", "arccosh(x)", below1, D);
    add("arcsinh where the sum cancels", "arcsinh(x)", -1e9, D);
    add("arcsinh of -1e154", "arcsinh(x)", -1e154, D);
    add("arctgh just below 1", "arctgh(x)", below1, V(std::log((below1 + 1) / (1 - below1)) / 2));
    add("arcsech of the smallest double", "arcsech(x)", Tiny, E6);
    add("cosec of the smallest double", "cosec(x)", Tiny, E6);
    add("mod rounds a half up to even, out of range", "mod(x,2)", 2147483647.5, E6);
    add("mod rounds a half down to even", "mod(x,2)", 2147483646.5, V(0));
    add("mod of the least 32-bit integer", "mod(x,3)", i32min - 0.5, V(-2));
    add("mod overflowing division", "mod(x,-1)", i32min, E6);
    add("integer quotient overflowing", "x\\(-1)", i32min, E6);
    add("remainder overflowing", "x%(-1)", i32min, E6);
    add("integer quotient by a divisor rounding to 0", "x\\0.4", 5, E11);
    add("integer quotient out of range", "x\\1", Big, E6);
    add("logn to base 1", "logn(x,1)", 5, E11);
    add("logn of 1 to base 1", "logn(x,1)", 1, E6);
    add("logn to a negative base", "logn(x,-1)", 5, D);
    add("zero to a negative power", "x^(-1)", 0, E11);
    add("negative base, fractional power, is passed over", "x^0.5", -1, V(-1));
    add("power overflowing", "x^x", Big, E6);
    add("product overflowing", "x*x", Big, E6);
    add("sum overflowing", "x+x", Big, E6);
    add("difference of the largest", "x-x", Big, V(0));
    add("zero over zero", "x/x", 0, E6);
    add("quotient overflowing", "x/0.5", Big, E6);
    add("negation of the most negative", "-x", -Big, V(Big));
}

QTEST_MAIN(CallEdges)
#include "tst_calledges.moc"
