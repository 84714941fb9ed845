// The function library: every call token against its formula computed
// directly with <cmath> over a grid, the domain, division-by-zero and
// overflow edges, and the random functions.

#include "EngineTestSupport.h"

#include "expression/FunctionLibrary.h"

#include <QSet>
#include <QtTest>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace enginetest;

namespace {

// A direct computation of a formula as written. It records the first thing
// that goes wrong: the root or logarithm of a number outside their domain,
// or any intermediate value that is not finite (a division by zero or an
// overflow, which the engine must raise as 11 or 6).
struct Direct {
    enum class First { Nothing, Domain, NotFinite };
    First first = First::Nothing;

    double operator()(double v) {
        if (!std::isfinite(v) && first == First::Nothing)
            first = First::NotFinite;
        return v;
    }
    double root(double v) {
        if (v < 0 && first == First::Nothing)
            first = First::Domain;
        return (*this)(std::sqrt(v));
    }
    double ln(double v) {
        if (v <= 0 && first == First::Nothing)
            first = First::Domain;
        return (*this)(std::log(v));
    }
};

using DirectFormula = double (*)(Direct&, double u, double w);

double Sgn(double u) {
    return u > 0 ? 1 : (u < 0 ? -1 : 0);
}
double HalfPi() {
    return 2 * std::atan(1.0);
}

struct Row {
    const char* token;
    int arguments;
    DirectFormula formula;
};

double ModDirect(Direct& d, double u, double w) {
    const double ru = std::nearbyint(u);
    const double rw = std::nearbyint(w);
    auto fits = [](double r) { return r >= -2147483648.0 && r <= 2147483647.0; };
    if (!fits(ru) || !fits(rw) || rw == 0 || (ru == -2147483648.0 && rw == -1))
        return d(std::numeric_limits<double>::infinity());
    return static_cast<std::int32_t>(ru) % static_cast<std::int32_t>(rw);
}

// Every call token but the random ones, with its formula as the function
// table states it (E = e^u, F = e^-u).
const Row kRows[] = {
    {"abs(", 1, [](Direct&, double u, double) { return std::fabs(u); }},
    {"sgn(", 1, [](Direct&, double u, double) { return Sgn(u); }},
    {"int(", 1, [](Direct&, double u, double) { return std::floor(u); }},
    {"fix(", 1, [](Direct&, double u, double) { return std::trunc(u); }},
    {"mant(", 1, [](Direct& d, double u, double) { return d(u - std::floor(u)); }},
    {"sqr(", 1, [](Direct& d, double u, double) { return d.root(u); }},
    {"exp(", 1, [](Direct& d, double u, double) { return d(std::exp(u)); }},
    {"log(", 1, [](Direct& d, double u, double) { return d.ln(u); }},
    {"ln(", 1, [](Direct& d, double u, double) { return d.ln(u); }},
    {"log10(", 1, [](Direct& d, double u, double) { return d(d.ln(u) / std::log(10.0)); }},
    {"log2(", 1, [](Direct& d, double u, double) { return d(d.ln(u) / std::log(2.0)); }},
    {"logn(", 2,
     [](Direct& d, double u, double w) {
         const double lw = d.ln(w);
         const double lu = d.ln(u);
         return d(lu / lw);
     }},
    {"min(", 2, [](Direct&, double u, double w) { return u < w ? u : w; }},
    {"max(", 2, [](Direct&, double u, double w) { return u > w ? u : w; }},
    {"mod(", 2, ModDirect},
    {"graus(", 1, [](Direct& d, double u, double) { return d(u * 57.2957795131); }},
    {"rad(", 1, [](Direct& d, double u, double) { return d(u * 0.01745329251995); }},
    {"sin(", 1, [](Direct& d, double u, double) { return d(std::sin(u)); }},
    {"sen(", 1, [](Direct& d, double u, double) { return d(std::sin(u)); }},
    {"cos(", 1, [](Direct& d, double u, double) { return d(std::cos(u)); }},
    {"tan(", 1, [](Direct& d, double u, double) { return d(std::tan(u)); }},
    {"tg(", 1, [](Direct& d, double u, double) { return d(std::tan(u)); }},
    {"sec(", 1, [](Direct& d, double u, double) { return d(1 / std::cos(u)); }},
    {"cosec(", 1, [](Direct& d, double u, double) { return d(1 / std::sin(u)); }},
    {"cotg(", 1, [](Direct& d, double u, double) { return d(1 / std::tan(u)); }},
    {"cotan(", 1, [](Direct& d, double u, double) { return d(1 / std::tan(u)); }},
    {"arctg(", 1, [](Direct&, double u, double) { return std::atan(u); }},
    {"atn(", 1, [](Direct&, double u, double) { return std::atan(u); }},
    {"arcsin(", 1,
     [](Direct& d, double u, double) { return std::atan(d(u / d.root(d(1 - d(u * u))))); }},
    {"arcsen(", 1,
     [](Direct& d, double u, double) { return std::atan(d(u / d.root(d(1 - d(u * u))))); }},
    {"arccos(", 1,
     [](Direct& d, double u, double) {
         return std::atan(d(-u / d.root(d(1 - d(u * u))))) + HalfPi();
     }},
    {"arcsec(", 1,
     [](Direct& d, double u, double) {
         return (std::atan(d.root(d(d(u * u) - 1))) - HalfPi()) * Sgn(u) + HalfPi();
     }},
    {"arccosec(", 1,
     [](Direct& d, double u, double) {
         return Sgn(u) * std::atan(d(1 / d.root(d(d(u * u) - 1))));
     }},
    {"arccotg(", 1, [](Direct&, double u, double) { return HalfPi() - std::atan(u); }},
    {"arccotan(", 1, [](Direct&, double u, double) { return HalfPi() - std::atan(u); }},
    {"sinh(", 1,
     [](Direct& d, double u, double) { return d(d(std::exp(u)) - d(std::exp(-u))) / 2; }},
    {"senh(", 1,
     [](Direct& d, double u, double) { return d(d(std::exp(u)) - d(std::exp(-u))) / 2; }},
    {"cosh(", 1,
     [](Direct& d, double u, double) { return d(d(std::exp(u)) + d(std::exp(-u))) / 2; }},
    {"tgh(", 1,
     [](Direct& d, double u, double) {
         const double top = d(d(std::exp(u)) - d(std::exp(-u)));
         return d(top / d(std::exp(u) + std::exp(-u)));
     }},
    {"tanh(", 1,
     [](Direct& d, double u, double) {
         const double top = d(d(std::exp(u)) - d(std::exp(-u)));
         return d(top / d(std::exp(u) + std::exp(-u)));
     }},
    {"sech(", 1,
     [](Direct& d, double u, double) { return d(2 / d(d(std::exp(u)) + d(std::exp(-u)))); }},
    {"cosech(", 1,
     [](Direct& d, double u, double) { return d(2 / d(d(std::exp(u)) - d(std::exp(-u)))); }},
    {"cotgh(", 1,
     [](Direct& d, double u, double) {
         const double top = d(d(std::exp(u)) + d(std::exp(-u)));
         return d(top / d(std::exp(u) - std::exp(-u)));
     }},
    {"cotanh(", 1,
     [](Direct& d, double u, double) {
         const double top = d(d(std::exp(u)) + d(std::exp(-u)));
         return d(top / d(std::exp(u) - std::exp(-u)));
     }},
    {"arcsinh(", 1,
     [](Direct& d, double u, double) { return d.ln(d(u + d.root(d(d(u * u) + 1)))); }},
    {"arcsenh(", 1,
     [](Direct& d, double u, double) { return d.ln(d(u + d.root(d(d(u * u) + 1)))); }},
    {"arccosh(", 1,
     [](Direct& d, double u, double) { return d.ln(d(u + d.root(d(d(u * u) - 1)))); }},
    {"arctgh(", 1, [](Direct& d, double u, double) { return d.ln(d((u + 1) / (1 - u))) / 2; }},
    {"arctanh(", 1, [](Direct& d, double u, double) { return d.ln(d((u + 1) / (1 - u))) / 2; }},
    {"arcsech(", 1,
     [](Direct& d, double u, double) { return d.ln(d((d.root(d(1 - d(u * u))) + 1) / u)); }},
    {"arccosech(", 1,
     [](Direct& d, double u, double) {
         return d.ln(d((Sgn(u) * d.root(d(d(u * u) + 1)) + 1) / u));
     }},
    {"arccotgh(", 1, [](Direct& d, double u, double) { return d.ln(d((u + 1) / (u - 1))) / 2; }},
    {"arccotanh(", 1, [](Direct& d, double u, double) { return d.ln(d((u + 1) / (u - 1))) / 2; }},
};

const double kGridU[] = {-1e155, -1000, -710, -709, -3.5, -2,  -1.5,  -1, -0.999,
                         -0.5,   -0.1,  -0.0, 0,    0.1,  0.5, 0.999, 1,  1.5,
                         2,      3.5,   7.5,  90,   709,  710, 1e155, 3e9};
const double kGridW[] = {-2, -0.4, 0, 0.5, 1, 2, 10, 1e308};

} // namespace

class LibraryTest : public QObject {
    Q_OBJECT

private slots:
    void tableHoldsEveryToken();
    void formulasOverAGrid_data();
    void formulasOverAGrid();
    void edges_data();
    void edges();
    void rndMeanings();
    void randAndRandom();
};

void LibraryTest::tableHoldsEveryToken() {
    using quivela::expression::FindFunction;
    using quivela::expression::kFormulas;
    using quivela::expression::kFunctionCount;

    QSet<QString> tokens;
    for (int i = 0; i < int(kFunctionCount); ++i) {
        const std::string_view token = kFormulas[std::size_t(i)].token;
        QVERIFY(!token.empty() && token.back() == '(');
        QCOMPARE(FindFunction(token), i);
        tokens.insert(QString::fromUtf8(token.data(), qsizetype(token.size())));
    }
    QCOMPARE(tokens.size(), 56);
    for (const Row& row : kRows)
        QVERIFY2(tokens.contains(row.token), row.token);
    for (const char* random : {"rnd(", "rand(", "random("})
        QVERIFY(tokens.contains(random));
    QCOMPARE(std::size(kRows) + 3, std::size_t(56));
    QCOMPARE(FindFunction("sen"), -1);
    QCOMPARE(FindFunction("SEN("), -1); // the text is lower-cased before it gets here
}

void LibraryTest::formulasOverAGrid_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kRows)); ++i)
        QTest::newRow(kRows[i].token) << i;
}

void LibraryTest::formulasOverAGrid() {
    QFETCH(int, row);
    const Row& entry = kRows[row];

    clsEquation equation;
    const std::string call = std::string(entry.token) + (entry.arguments == 1 ? "u)" : "u, w)");
    equation.SetEquation(call);
    int checked = 0;
    for (const double u : kGridU) {
        for (const double w : kGridW) {
            if (entry.arguments == 1 && w != kGridW[0])
                continue;
            const double wValue = entry.arguments == 1 ? u : w;
            Direct direct;
            const double expected = entry.formula(direct, u, wValue);
            equation.SetVar("u", u);
            equation.SetVar("w", w);
            const QString where = QStringLiteral("%1 at u=%2 w=%3")
                                      .arg(QString::fromStdString(call))
                                      .arg(u)
                                      .arg(wValue);
            try {
                equation.SetEquation("12345");
                equation.Solve();
                equation.SetEquation(call);
                equation.Solve();
                const double actual = equation.Solution();
                switch (direct.first) {
                case Direct::First::Nothing:
                    QVERIFY2(!equation.Undefined(), qPrintable(where));
                    QVERIFY2(actual == expected,
                             qPrintable(where + QStringLiteral(": %1, expected %2")
                                                    .arg(actual, 0, 'g', 17)
                                                    .arg(expected, 0, 'g', 17)));
                    break;
                case Direct::First::Domain:
                    QVERIFY2(equation.Undefined() && actual == 12345,
                             qPrintable(where + ": should vanish"));
                    break;
                case Direct::First::NotFinite:
                    QFAIL(qPrintable(where + ": should raise 6 or 11"));
                }
            } catch (const EngineError& e) {
                QVERIFY2(direct.first == Direct::First::NotFinite,
                         qPrintable(where + ": raised " + QString::number(e.Number())));
                QVERIFY2(e.Number() == 6 || e.Number() == 11, qPrintable(where));
            }
            ++checked;
        }
    }
    QVERIFY(checked >= int(std::size(kGridU)));
}

void LibraryTest::edges_data() {
    AddColumns();

    // The language has no exponent notation: "#154" writes 154 zeros.
    auto expand = [](const char* text) {
        QString out = QString::fromUtf8(text);
        const qsizetype at = out.indexOf(u'#');
        if (at < 0)
            return out;
        qsizetype end = at + 1;
        while (end < out.size() && out[end].isDigit())
            ++end;
        const int zeros = out.mid(at + 1, end - at - 1).toInt();
        return out.left(at) + QString(zeros, u'0') + out.mid(end);
    };
    auto value = [&](const char* text, double v) {
        AddRow(text, expand(text).toUtf8(), 0, Kind::Value, v);
    };
    auto vanishes = [&](const char* text) {
        AddRow(text, expand(text).toUtf8(), 0, Kind::NoValue);
    };
    auto raises = [&](const char* text, int number) {
        AddRow(text, expand(text).toUtf8(), 0, Kind::Error, 0.0, number,
               number == 6 ? QStringLiteral("Excesso de capacidade")
                           : QString::fromUtf8("Divisão por zero"));
    };
    const double halfPi = 2 * std::atan(1.0);

    value("int(-2.5)", -3);
    value("fix(-2.5)", -2);
    value("sgn(-0.1)", -1);
    value("sgn(0)", 0);
    value("mant(-2.3)", -2.3 - (-3.0));
    value("arccos(0)", halfPi);
    value("arcsec(1)", 0);
    value("arcsec(-1)", (std::atan(0.0) - halfPi) * -1 + halfPi);
    raises("arcsin(1)", 11);
    raises("arcsin(-1)", 11);
    raises("arccos(1)", 11);
    vanishes("arcsin(2)");
    raises("arccosec(1)", 11);
    vanishes("arcsec(0.5)");
    vanishes("arccosec(0.5)");
    for (const char* zero : {"cosec(0)", "cotg(0)", "cotan(0)", "cosech(0)", "cotgh(0)",
                             "cotanh(0)", "arcsech(0)", "arccosech(0)"})
        raises(zero, 11);
    raises("arctgh(1)", 11);
    vanishes("arctgh(-1)");
    vanishes("arctgh(2)");
    raises("arccotgh(1)", 11);
    vanishes("arccotgh(0.5)");
    vanishes("arccotgh(-1)");
    vanishes("arcsech(-0.5)");
    vanishes("arcsech(2)");
    vanishes("arccosh(0.5)");
    vanishes("arccosh(-2)");
    value("logn(8,2)", 3);
    value("logn(5)", 1);
    raises("logn(5,1)", 11);
    raises("logn(1,1)", 6);
    vanishes("logn(0,2)");
    vanishes("logn(2,0)");
    vanishes("logn(2,-2)");
    value("mod(7.5,2)", 0);
    value("mod(-7,3)", -1);
    raises("mod(5,0.4)", 11);
    raises("mod(0.3)", 11);
    raises("mod(3000000000,2)", 6);
    raises("mod(-2147483648,-1)", 6);
    value("min(3,2)", 2);
    value("max(3,2)", 3);
    value("min(1,9,5)", 1);
    value("graus(pi)", std::bit_cast<double>(0x400921FB54442D11ULL) * 57.2957795131);
    value("rad(180)", 180 * 0.01745329251995);
    value("random(5,5)", 5);
    raises("exp(710)", 6);
    value("exp(-1000)", 0);
    raises("sinh(710)", 6);
    raises("sinh(-710)", 6);
    raises("sech(710)", 6);
    raises("arcsinh(2#154)", 6);
    raises("arccosh(2#154)", 6);
    raises("arcsin(2#154)", 6);
    raises("graus(1#308)", 6);
    vanishes("sqr(-1)");
    vanishes("log(0)");
    vanishes("log10(-1)");
    vanishes("log2(0)");
    value("SEN(1)", std::sin(1.0));
    value("sqr (9)", 3);
    value("sen(90)", std::sin(90.0));
}

void LibraryTest::edges() {
    CheckRow();
}

void LibraryTest::rndMeanings() {
    // The same negative argument always gives the same number.
    QCOMPARE(Evaluate("rnd(-3)-rnd(-3)", 0).value, 0.0);
    const double a = Evaluate("rnd(-3)", 0).value;
    QCOMPARE(Evaluate("rnd(-3)", 0).value, a);
    QVERIFY(Evaluate("rnd(-4)", 0).value != a);
    // Zero repeats the number drawn last, whatever drew it.
    QCOMPARE(Evaluate("rnd(1)-rnd(0)", 0).value, 0.0);
    QCOMPARE(Evaluate("rnd(-7)-rnd(0)", 0).value, 0.0);
    // A positive argument draws: single precision, in [0, 1), varying.
    clsEquation equation;
    equation.SetEquation("rnd(1)");
    QSet<double> seen;
    for (int i = 0; i < 300; ++i) {
        equation.Solve();
        const double r = equation.Solution();
        QVERIFY(r >= 0 && r < 1);
        QCOMPARE(double(float(r)), r);
        seen.insert(r);
    }
    QVERIFY(seen.size() > 290);
}

void LibraryTest::randAndRandom() {
    clsEquation dice;
    dice.SetEquation("rand(6)");
    QSet<double> faces;
    for (int i = 0; i < 600; ++i) {
        dice.Solve();
        const double face = dice.Solution();
        QVERIFY(face >= 0 && face <= 5 && face == std::floor(face));
        faces.insert(face);
    }
    QCOMPARE(faces.size(), 6);

    clsEquation between;
    between.SetEquation("random(2, 4)");
    double low = 4, high = 2;
    for (int i = 0; i < 600; ++i) {
        between.Solve();
        const double v = between.Solution();
        QVERIFY(v >= 2 && v < 4);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    QVERIFY(low < 2.1 && high > 3.9);
}

QTEST_MAIN(LibraryTest)
#include "tst_library.moc"
