// The composed texts of the operations, the decimal text of a and b, and the
// evaluation of a typed value at x = 0.

#include "expression/clsEquation.h"
#include "mainwindow/Composition.h"
#include "mainwindow/Failure.h"

#include <QtTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using quivela::expression::EngineError;

Q_DECLARE_METATYPE(Operation)

namespace {

double Solved(const QString& text) {
    clsEquation equation;
    const QByteArray utf8 = text.toUtf8();
    equation.SetEquation(std::string_view(utf8.constData(), utf8.size()));
    equation.SetVar("x", 0.0);
    equation.Solve();
    return equation.Solution();
}

} // namespace

class CompositionTest : public QObject {
    Q_OBJECT
private slots:
    void composedText_data();
    void composedText();
    void compositionReplacesTheVariable_data();
    void compositionReplacesTheVariable();
    void composedTextEvaluates_data();
    void composedTextEvaluates();
    void compositionStopsPastTheLongestText_data();
    void compositionStopsPastTheLongestText();
    void plainDecimal_data();
    void plainDecimal();
    void plainDecimalLongForms();
    void plainDecimalRefusesNonFinite_data();
    void plainDecimalRefusesNonFinite();
    void plainDecimalRoundTrips();
    void valueAtZero_data();
    void valueAtZero();
};

void CompositionTest::composedText_data() {
    QTest::addColumn<Operation>("op");
    QTest::addColumn<QString>("parameter");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Soma") << Operation::Soma << ""
                          << "(4sen(x))+(tg(x))";
    QTest::newRow("Produto") << Operation::Produto << ""
                             << "(4sen(x))*(tg(x))";
    QTest::newRow("Subfg") << Operation::Subfg << ""
                           << "(4sen(x))-(tg(x))";
    QTest::newRow("Subgf") << Operation::Subgf << ""
                           << "(tg(x))-(4sen(x))";
    QTest::newRow("Quofg") << Operation::Quofg << ""
                           << "(4sen(x))/(tg(x))";
    QTest::newRow("Quogf") << Operation::Quogf << ""
                           << "(tg(x))/(4sen(x))";
    QTest::newRow("Sqrf") << Operation::Sqrf << ""
                          << "sqr (4sen(x))";
    QTest::newRow("Sqrg") << Operation::Sqrg << ""
                          << "sqr (tg(x))";
    QTest::newRow("Compfg") << Operation::Compfg << ""
                            << "4sen((tg(x)))";
    QTest::newRow("Compgf") << Operation::Compgf << ""
                            << "tg((4sen(x)))";
    QTest::newRow("bf") << Operation::bf << "2"
                        << "(2)^(4sen(x))";
    QTest::newRow("fa") << Operation::fa << "6"
                        << "(4sen(x))^(6)";
    QTest::newRow("bf negative") << Operation::bf << "-2.5"
                                 << "(-2.5)^(4sen(x))";
    QTest::newRow("fa ignores nothing else") << Operation::fa << "0.5"
                                             << "(4sen(x))^(0.5)";
    QTest::newRow("Soma ignores parameter") << Operation::Soma << "9"
                                            << "(4sen(x))+(tg(x))";
}

void CompositionTest::composedText() {
    QFETCH(Operation, op);
    QFETCH(QString, parameter);
    QFETCH(QString, expected);
    QCOMPARE(
        Composition::Compose(op, QStringLiteral("4sen(x)"), QStringLiteral("tg(x)"), parameter),
        expected);
}

void CompositionTest::compositionReplacesTheVariable_data() {
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("g");
    QTest::addColumn<QString>("fog");

    QTest::newRow("exp") << "exp(x)"
                         << "x+1"
                         << "exp((x+1))";
    QTest::newRow("max") << "max(x, 2x)"
                         << "x+1"
                         << "max((x+1), 2(x+1))";
    QTest::newRow("fix") << "fix(x)"
                         << "x+1"
                         << "fix((x+1))";
    QTest::newRow("capital X") << "2X"
                               << "x+1"
                               << "2(x+1)";
    QTest::newRow("both cases") << "sen(x)+cos(X)"
                                << "2x"
                                << "sen((2x))+cos((2x))";
    QTest::newRow("identifier x2") << "x2+x"
                                   << "g"
                                   << "x2+(g)";
    QTest::newRow("identifier _x") << "_x*x"
                                   << "g"
                                   << "_x*(g)";
    QTest::newRow("identifier x,5") << "x.5"
                                    << "g"
                                    << "x.5";
    QTest::newRow("call token x(") << "x(x)"
                                   << "g"
                                   << "x((g))";
    QTest::newRow("x space y") << "x y"
                               << "g"
                               << "x y";
    QTest::newRow("x space y then x") << "x y+x"
                                      << "g"
                                      << "x y+(g)";
    QTest::newRow("spaced call") << "sen (x)"
                                 << "g"
                                 << "sen ((g))";
    QTest::newRow("after number") << "2.5x"
                                  << "g"
                                  << "2.5(g)";
    QTest::newRow("space inside number then x") << "2 x"
                                                << "g"
                                                << "2 (g)";
    QTest::newRow("accent after x")
        << QString::fromUtf8("xé+1") << "g" << QString::fromUtf8("(g)é+1");
    QTest::newRow("accent before x") << QString::fromUtf8("éx") << "g" << QString::fromUtf8("é(g)");
    QTest::newRow("accent inside identifier")
        << QString::fromUtf8("eéx") << "g" << QString::fromUtf8("eéx");
    QTest::newRow("accents in g kept")
        << "x" << QString::fromUtf8("çã+x") << QString::fromUtf8("(çã+x)");
    QTest::newRow("outside the BMP") << QString::fromUtf8("\xF0\x9F\x98\x80x+x") << "g"
                                     << QString::fromUtf8("\xF0\x9F\x98\x80(g)+(g)");
    QTest::newRow("lone surrogate kept") << QString(QChar(0xD800)) + QStringLiteral("x+x") << "g"
                                         << QString(QChar(0xD800)) + QStringLiteral("(g)+(g)");
    QTest::newRow("not recursive") << "x*x"
                                   << "x+1"
                                   << "(x+1)*(x+1)";
    QTest::newRow("no x") << "pi"
                          << "x"
                          << "pi";
    QTest::newRow("empty f") << ""
                             << "x"
                             << "";
    QTest::newRow("only x") << "x"
                            << ""
                            << "()";
    QTest::newRow("exponent of e") << "e^-x"
                                   << "g"
                                   << "e^-(g)";
}

void CompositionTest::compositionReplacesTheVariable() {
    QFETCH(QString, f);
    QFETCH(QString, g);
    QFETCH(QString, fog);
    QCOMPARE(Composition::Compose(Operation::Compfg, f, g, QString()), fog);
    QCOMPARE(Composition::Compose(Operation::Compgf, g, f, QString()), fog);
}

// The composed text is what the engine evaluates: its value must be the
// mathematical composition, here at x = 0.
void CompositionTest::composedTextEvaluates_data() {
    QTest::addColumn<Operation>("op");
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("g");
    QTest::addColumn<double>("value");

    QTest::newRow("exp o (x+1)") << Operation::Compfg << "exp(x)"
                                 << "x+1" << std::exp(1.0);
    QTest::newRow("max o (x-3)") << Operation::Compfg << "max(x, 2x)"
                                 << "x-3" << -3.0;
    QTest::newRow("fix o (x+2.7)") << Operation::Compfg << "fix(x)"
                                   << "x+2.7" << 2.0;
    QTest::newRow("2X o (x+1)") << Operation::Compfg << "2X"
                                << "x+1" << 2.0;
    QTest::newRow("(x+1) o exp") << Operation::Compgf << "exp(x)"
                                 << "x+1" << 2.0;
    QTest::newRow("x*x o (x-3)") << Operation::Compfg << "x*x"
                                 << "x-3" << 9.0;
    QTest::newRow("f^a") << Operation::fa << "x+2"
                         << "" << 8.0;
    QTest::newRow("b^f") << Operation::bf << "x+2"
                         << "" << 9.0;
}

void CompositionTest::composedTextEvaluates() {
    QFETCH(Operation, op);
    QFETCH(QString, f);
    QFETCH(QString, g);
    QFETCH(double, value);
    const QString parameter = Composition::PlainDecimal(3.0);
    QCOMPARE(Solved(Composition::Compose(op, f, g, parameter)), value);
}

// A composition grows by g at each x of f: it is built whole up to the
// longest text the engine takes and stops at the first x that takes it past
// that, so that two texts of the longest length never make half a billion
// characters. Characters are counted as the engine counts them.
void CompositionTest::compositionStopsPastTheLongestText_data() {
    QTest::addColumn<QString>("f");
    QTest::addColumn<QString>("g");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("overflow"); // the engine's answer to expected
    const int longest = int(clsEquation::LongestText);
    const QString space = QStringLiteral(" ");
    auto g = [&](int length) { return QStringLiteral("x") + space.repeated(length - 1); };
    auto sum = [](const QString& term, int terms) {
        QStringList all;
        for (int i = 0; i < terms; ++i)
            all << term;
        return all.join(QLatin1Char('+'));
    };
    QTest::newRow("(g) at the longest")
        << "x" << g(longest - 2) << "(" + g(longest - 2) + ")" << false;
    QTest::newRow("(g) one past") << "x" << g(longest - 1) << "(" + g(longest - 1) + ")" << true;
    // (g) is 102 characters: 318 of them and their + make 32,753, 319 pass.
    QTest::newRow("stops at the x that passes")
        << sum("x", 1000) << g(100) << sum("(" + g(100) + ")", 319) << true;
    QTest::newRow("f and g of the longest length")
        << sum("x", (longest + 1) / 2) << sum("x", (longest + 1) / 2)
        << "(" + sum("x", (longest + 1) / 2) + ")" << true;
    // Outside the Basic Multilingual Plane a character is two UTF-16 units.
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("wide characters count once")
        << "x" << smile.repeated(longest - 2) << "(" + smile.repeated(longest - 2) + ")" << false;
    QTest::newRow("wide characters, one past")
        << "x" << smile.repeated(longest - 1) << "(" + smile.repeated(longest - 1) + ")" << true;
}

void CompositionTest::compositionStopsPastTheLongestText() {
    QFETCH(QString, f);
    QFETCH(QString, g);
    QFETCH(QString, expected);
    QFETCH(bool, overflow);
    QCOMPARE(Composition::Compose(Operation::Compfg, f, g, QString()), expected);
    QCOMPARE(Composition::Compose(Operation::Compgf, g, f, QString()), expected);
    int number = 0;
    try {
        Solved(expected);
    } catch (const EngineError& error) {
        number = error.Number();
    }
    QCOMPARE(number == 6, overflow);
}

void CompositionTest::plainDecimal_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("one") << 1.0 << "1";
    QTest::newRow("six") << 6.0 << "6";
    QTest::newRow("integral negative") << -42.0 << "-42";
    QTest::newRow("-2.5") << -2.5 << "-2.5";
    QTest::newRow("0.1") << 0.1 << "0.1";
    QTest::newRow("1/3") << 1.0 / 3.0 << "0.3333333333333333";
    QTest::newRow("pi as the engine holds it") << 3.14159265358979 << "3.14159265358979";
    QTest::newRow("1e20") << 1e20 << "100000000000000000000";
    QTest::newRow("1e22") << 1e22 << "10000000000000000000000";
    QTest::newRow("2^53") << 9007199254740992.0 << "9007199254740992";
    QTest::newRow("2^53+2") << 9007199254740994.0 << "9007199254740994";
    QTest::newRow("1e-7") << 1e-7 << "0.0000001";
    QTest::newRow("-1.5e-10") << -1.5e-10 << "-0.00000000015";
    QTest::newRow("123456.789") << 123456.789 << "123456.789";
    // Beyond 17 digits the integral digits are the double's exact value.
    QTest::newRow("large with digits") << 1.2345678901234568e20 << "123456789012345683968";
}

void CompositionTest::plainDecimal() {
    QFETCH(double, v);
    QFETCH(QString, text);
    QCOMPARE(Composition::PlainDecimal(v), text);
}

void CompositionTest::plainDecimalLongForms() {
    const QString largest = Composition::PlainDecimal(std::numeric_limits<double>::max());
    QCOMPARE(largest.size(), 309);
    QVERIFY(largest.startsWith(QStringLiteral("179769313486231570814527423731704356798")));
    QVERIFY(largest.endsWith(QStringLiteral("184124858368")));

    const QString smallest = Composition::PlainDecimal(std::numeric_limits<double>::denorm_min());
    QCOMPARE(smallest, QStringLiteral("0.") + QString(323, QLatin1Char('0')) + QLatin1Char('5'));
    QVERIFY(!smallest.contains(QLatin1Char('e')));
}

void CompositionTest::plainDecimalRefusesNonFinite_data() {
    QTest::addColumn<double>("v");
    QTest::newRow("inf") << std::numeric_limits<double>::infinity();
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity();
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
}

void CompositionTest::plainDecimalRefusesNonFinite() {
    QFETCH(double, v);
    try {
        Composition::PlainDecimal(v);
        QFAIL("no error raised");
    } catch (const Failure& failure) {
        QCOMPARE(failure.Number(), 6);
    }
}

// Whatever the double, the engine reads its plain text back as that double.
void CompositionTest::plainDecimalRoundTrips() {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> moderate(-1e6, 1e6);
    int checked = 0;
    for (int i = 0; i < 3000; ++i) {
        double v;
        if (i % 3 == 0) {
            v = moderate(random);
        } else {
            // Any finite bit pattern: every exponent, subnormals included.
            const std::uint64_t bits = random();
            std::memcpy(&v, &bits, sizeof v);
            if (!std::isfinite(v))
                continue;
        }
        const QString text = Composition::PlainDecimal(v);
        QVERIFY2(!text.contains(QLatin1Char('e')) && !text.contains(QLatin1Char(',')),
                 qPrintable(text));
        const double back = Solved(text);
        QVERIFY2(
            back == v,
            qPrintable(
                QStringLiteral("%1 read back as %2").arg(text, QString::number(back, 'g', 17))));
        ++checked;
    }
    QVERIFY(checked > 2500);
}

// The value of a typed text at x = 0, or the failure it raises (number 0:
// none; an empty description: any).
void CompositionTest::valueAtZero_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");

    QTest::newRow("2*3") << "2*3" << 6.0 << 0 << QString();
    QTest::newRow("x") << "x" << 0.0 << 0 << QString();
    QTest::newRow("X") << "X" << 0.0 << 0 << QString();
    QTest::newRow("x+1") << "x+1" << 1.0 << 0 << QString();
    QTest::newRow("spaces around") << "  7 " << 7.0 << 0 << QString();
    QTest::newRow("pi/2") << "pi/2" << 3.14159265358979 / 2 << 0 << QString();
    QTest::newRow("negative") << "-2.5" << -2.5 << 0 << QString();
    QTest::newRow("cos") << "cos(x)" << 1.0 << 0 << QString();
    QTest::newRow("unbalanced") << "(x" << 0.0 << 1100
                                << QString::fromUtf8("Número de parênteses incorrecto.");
    QTest::newRow("unknown variable")
        << "y" << 0.0 << 1102 << QString::fromUtf8("Variável não definida: y");
    QTest::newRow("unknown function")
        << "foo(2)" << 0.0 << 1101 << QString::fromUtf8("Função não definida: foo()");
    QTest::newRow("division by zero") << "1/x" << 0.0 << 11 << QString();
    QTest::newRow("square root of -1") << "sqr(-1)" << 0.0 << Composition::kUndefinedValue
                                       << QString::fromUtf8("Valor não definido: sqr(-1)");
    QTest::newRow("fault passed over inside")
        << "1+sqr(x-1)" << 0.0 << Composition::kUndefinedValue
        << QString::fromUtf8("Valor não definido: 1+sqr(x-1)");
    QTest::newRow("nothing to evaluate") << " ; " << 0.0 << Composition::kUndefinedValue
                                         << QString::fromUtf8("Valor não definido: ;");
}

void CompositionTest::valueAtZero() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(int, number);
    QFETCH(QString, description);
    try {
        const double v = Composition::ValueAtZero(text);
        QVERIFY2(number == 0, qPrintable(QStringLiteral("no error, value %1").arg(v)));
        QCOMPARE(v, value);
    } catch (const Failure& failure) {
        QCOMPARE(failure.Number(), number);
        if (!description.isEmpty())
            QCOMPARE(failure.Description(), description);
        else
            QVERIFY(!failure.Description().isEmpty());
    }
}

QTEST_MAIN(CompositionTest)
#include "tst_composition.moc"
