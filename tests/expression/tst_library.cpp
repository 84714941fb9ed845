// The function library: every call token against values from <cmath>
// identities over a grid, the domain, division-by-zero and overflow edges,
// and the random functions.

#include "EngineTestSupport.h"

#include "expression/FunctionLibrary.h"

#include <QSet>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace enginetest;

namespace {

// Every call token but the random ones, called at u (two-argument ones with
// 2.5 as the last argument), with its value from a <cmath> identity, and
// where that value exists; outside that domain the call leaves none.
struct Row {
    const char* token;
    const char* arguments;
    double (*expected)(double u);
    bool (*defined)(double u);
};

bool Everywhere(double) {
    return true;
}
bool Positive(double u) {
    return u > 0;
}
bool Inside(double u) {
    return std::fabs(u) < 1;
}
bool Outside(double u) {
    return std::fabs(u) > 1;
}
double Mant(double u) {
    double whole;
    const double part = std::modf(u, &whole);
    return part < 0 ? part + 1 : part;
}
double Acot(double u) {
    return std::atan2(1.0, u);
}

const Row kRows[] = {
    {"abs(", "x)", [](double u) { return std::fabs(u); }, Everywhere},
    {"sgn(", "x)", [](double u) { return std::copysign(1.0, u); }, Everywhere},
    {"int(", "x)", [](double u) { return std::floor(u); }, Everywhere},
    {"fix(", "x)", [](double u) { return std::trunc(u); }, Everywhere},
    {"mant(", "x)", Mant, Everywhere},
    {"sqr(", "x)", [](double u) { return std::sqrt(u); }, Positive},
    {"exp(", "x)", [](double u) { return std::exp(u); }, Everywhere},
    {"log(", "x)", [](double u) { return std::log(u); }, Positive},
    {"ln(", "x)", [](double u) { return std::log(u); }, Positive},
    {"log10(", "x)", [](double u) { return std::log10(u); }, Positive},
    {"log2(", "x)", [](double u) { return std::log2(u); }, Positive},
    {"logn(", "x,2.5)", [](double u) { return std::log2(u) / std::log2(2.5); }, Positive},
    {"min(", "x,2.5)", [](double u) { return std::fmin(u, 2.5); }, Everywhere},
    {"max(", "x,2.5)", [](double u) { return std::fmax(u, 2.5); }, Everywhere},
    // 2.5 rounds to 2, ties to even.
    {"mod(", "x,2.5)", [](double u) { return std::fmod(std::nearbyint(u), 2.0); }, Everywhere},
    {"graus(", "x)", [](double u) { return u * 180 / std::acos(-1.0); }, Everywhere},
    {"rad(", "x)", [](double u) { return u * std::acos(-1.0) / 180; }, Everywhere},
    {"sin(", "x)", [](double u) { return std::sin(u); }, Everywhere},
    {"sen(", "x)", [](double u) { return std::sin(u); }, Everywhere},
    {"cos(", "x)", [](double u) { return std::cos(u); }, Everywhere},
    {"tan(", "x)", [](double u) { return std::tan(u); }, Everywhere},
    {"tg(", "x)", [](double u) { return std::tan(u); }, Everywhere},
    {"sec(", "x)", [](double u) { return 1 / std::cos(u); }, Everywhere},
    {"cosec(", "x)", [](double u) { return 1 / std::sin(u); }, Everywhere},
    {"cotg(", "x)", [](double u) { return std::cos(u) / std::sin(u); }, Everywhere},
    {"cotan(", "x)", [](double u) { return std::cos(u) / std::sin(u); }, Everywhere},
    {"arctg(", "x)", [](double u) { return std::atan(u); }, Everywhere},
    {"atn(", "x)", [](double u) { return std::atan(u); }, Everywhere},
    {"arcsin(", "x)", [](double u) { return std::asin(u); }, Inside},
    {"arcsen(", "x)", [](double u) { return std::asin(u); }, Inside},
    {"arccos(", "x)", [](double u) { return std::acos(u); }, Inside},
    {"arcsec(", "x)", [](double u) { return std::acos(1 / u); }, Outside},
    {"arccosec(", "x)", [](double u) { return std::asin(1 / u); }, Outside},
    {"arccotg(", "x)", Acot, Everywhere},
    {"arccotan(", "x)", Acot, Everywhere},
    {"sinh(", "x)", [](double u) { return std::sinh(u); }, Everywhere},
    {"senh(", "x)", [](double u) { return std::sinh(u); }, Everywhere},
    {"cosh(", "x)", [](double u) { return std::cosh(u); }, Everywhere},
    {"tgh(", "x)", [](double u) { return std::tanh(u); }, Everywhere},
    {"tanh(", "x)", [](double u) { return std::tanh(u); }, Everywhere},
    {"sech(", "x)", [](double u) { return 1 / std::cosh(u); }, Everywhere},
    {"cosech(", "x)", [](double u) { return 1 / std::sinh(u); }, Everywhere},
    {"cotgh(", "x)", [](double u) { return 1 / std::tanh(u); }, Everywhere},
    {"cotanh(", "x)", [](double u) { return 1 / std::tanh(u); }, Everywhere},
    {"arcsinh(", "x)", [](double u) { return std::asinh(u); }, Everywhere},
    {"arcsenh(", "x)", [](double u) { return std::asinh(u); }, Everywhere},
    {"arccosh(", "x)", [](double u) { return std::acosh(u); }, [](double u) { return u > 1; }},
    {"arctgh(", "x)", [](double u) { return std::atanh(u); }, Inside},
    {"arctanh(", "x)", [](double u) { return std::atanh(u); }, Inside},
    {"arcsech(", "x)", [](double u) { return std::acosh(1 / u); },
     [](double u) { return u > 0 && u < 1; }},
    {"arccosech(", "x)", [](double u) { return std::asinh(1 / u); }, Everywhere},
    {"arccotgh(", "x)", [](double u) { return std::atanh(1 / u); }, Outside},
    {"arccotanh(", "x)", [](double u) { return std::atanh(1 / u); }, Outside},
};

// Away from every edge of a domain (those are the edges' rows).
const double kGrid[] = {-7.5, -3.5, -2,    -1.5, -0.999, -0.5, -0.1,
                        0.1,  0.5,  0.999, 1.5,  2,      3.5,  7.5};

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
    // Which read their last argument decides the hint for a second one.
    for (const Row& row : kRows) {
        QVERIFY2(tokens.contains(row.token), row.token);
        const bool twoArguments = std::strchr(row.arguments, ',') != nullptr;
        QCOMPARE(kFormulas[std::size_t(FindFunction(row.token))].readsLast, twoArguments);
    }
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
    const QByteArray text = QByteArray(entry.token) + entry.arguments;
    for (const double u : kGrid) {
        const Outcome o = Evaluate(text, u);
        const QString where = QStringLiteral("%1 at %2: %3").arg(text).arg(u).arg(Describe(o));
        if (!entry.defined(u)) {
            QVERIFY2(o.kind == Kind::NoValue, qPrintable(where));
            continue;
        }
        const double expected = entry.expected(u);
        QVERIFY2(o.kind == Kind::Value && !o.undefined, qPrintable(where));
        QVERIFY2(std::fabs(o.value - expected) <= 1e-12 * std::max(1.0, std::fabs(expected)),
                 qPrintable(where + QStringLiteral(", expected %1").arg(expected, 0, 'g', 17)));
    }
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
    // At the ends of a double's range: e^709 is one, e^710 is none, on either side of the
    // hyperbolic functions' E and F; huge arguments that no step squares or exponentiates.
    for (const char* beyond : {"cosh(710)", "cosh(-710)", "tgh(710)", "tgh(-710)", "sech(-710)",
                               "cosech(710)", "cotgh(-710)", "arcsinh(-1#155)"})
        raises(beyond, 6);
    value("exp(709)", std::exp(709.0));
    for (const char* one : {"tgh(709)", "cotgh(709)"})
        value(one, 1);
    value("tgh(-709)", -1);
    value("arctg(1#155)", halfPi);
    value("sqr(1#308)", 1e154);
    value("int(-1#155)", -1e155);
    value("mant(3000000000.5)", 0.5);
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
