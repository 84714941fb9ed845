// The evaluator: values, raised errors, passed-over faults, what a caller
// sees when a function is undefined, and the Undefined() flag.

#include "EngineTestSupport.h"

#include <QtTest>

#include <bit>
#include <cmath>
#include <limits>

using namespace enginetest;

namespace {

const double kPiAsStored = std::bit_cast<double>(0x400921FB54442D11ULL);
const double kEAsStored = std::bit_cast<double>(0x4005BF0A8B04919BULL);
const std::string kInvalidArgument = "Argumento inválido na expressão: ";
const std::string kUnknownFunction = "Função não definida: ";
const std::string kUnknownVariable = "Variável não definida: ";
const std::string kOverflow = "Excesso de capacidade";
const std::string kDivisionByZero = "Divisão por zero";

} // namespace

class EvaluatorTest : public QObject {
    Q_OBJECT

private slots:
    void outcomes_data();
    void outcomes();
    void undefinedFlag_data();
    void undefinedFlag();
    void constantsAreExact();
    void constantNamesHideVariables();
    void bareRndDrawsSinglePrecision();
    void previousResultKept();
    void argumentsCarryOverWithinOneEvaluation();
};

// Adds a row whose outcome is a value.
static void Value(const char* name, const QString& text, double x, double value) {
    AddRow(name, text.toUtf8(), x, Kind::Value, value);
}
static void Error(const char* name, const QString& text, double x, int number,
                  const std::string& description) {
    AddRow(name, text.toUtf8(), x, Kind::Error, 0.0, number, QString::fromStdString(description));
}
static void NoValue(const char* name, const QString& text, double x) {
    AddRow(name, text.toUtf8(), x, Kind::NoValue);
}

void EvaluatorTest::outcomes_data() {
    AddColumns();

    // Precedence and associativity.
    Value("2^3^2", "2^3^2", 0, 64);
    Value("-2^2", "-2^2", 0, -4);
    Value("2*-3", "2*-3", 0, -6);
    Value("2--3", "2--3", 0, 5);
    Value("1+7%4", "1+7%4", 0, 4);
    Value("2*7%4", "2*7%4", 0, 2);
    Value("8/4/2", "8/4/2", 0, 1);
    Value("2x^2-sen(x)", "2x^2-sen(x)", 1.5, 2 * 1.5 * 1.5 - std::sin(1.5));
    Value("implicit products", "2(x+1)3cos(0)", 2, 6);
    Value("(x+1)(x-1) keeps the first group", "(x+1)(x-1)", 3, 4);
    Value("x)( evaluates x", "x)(", 7, 7);

    // Integer quotient and remainder: ties to even, truncation, sign.
    Value("7\\2", "7\\2", 0, 3);
    Value("7.5\\2", "7.5\\2", 0, 4);
    Value("6.5\\1", "6.5\\1", 0, 6);
    Value("0.5\\1 rounds to 0", "0.5\\1", 0, 0);
    Value("-2.5\\1", "-2.5\\1", 0, -2);
    Value("-7\\2 truncates", "-7\\2", 0, -3);
    Value("-7%3", "-7%3", 0, -1);
    Value("7%-3", "7%-3", 0, 1);
    Value("2147483647.4\\1", "2147483647.4\\1", 0, 2147483647);
    Error("2147483647.5\\1 rounds out", "2147483647.5\\1", 0, 6, kOverflow);
    Value("-2147483648\\1", "-2147483648\\1", 0, -2147483648.0);
    Error("-2147483648\\-1", "-2147483648\\-1", 0, 6, kOverflow);
    Error("-2147483648%-1", "-2147483648%-1", 0, 6, kOverflow);
    Error("5\\0", "5\\0", 0, 11, kDivisionByZero);
    Error("5%0.4", "5%0.4", 0, 11, kDivisionByZero);
    Error("left rounded first", "3e10\\0", 0, 1102, kUnknownVariable + "e10");
    Error("left out of range before zero divisor", "4294967296\\0", 0, 6, kOverflow);
    Error("right operand out of range", "0\\4294967296", 0, 6, kOverflow);

    // Powers.
    Error("2^-1", "2^-1", 0, 1104, kInvalidArgument + ")");
    Value("2^(-1)", "2^(-1)", 0, 0.5);
    Value("0^0", "0^0", 0, 1);
    Error("zero to a negative power", "0^(-1)", 0, 11, kDivisionByZero);
    Error("power overflow", "2^2000", 0, 6, kOverflow);
    Value("negative base, integer exponent", "(-2)^3", 0, -8);
    Value("negative base, fraction: power passed over", "(-8)^(1/3)", 0, -8);

    // Unary minus.
    Error("--2", "--2", 0, 1104, kInvalidArgument + ")");
    Value("-(-2)", "-(-2)", 0, 2);

    // Groups.
    Value("()", "()", 0, 0);
    Value("3*()", "3*()", 0, 0);
    Value("(1,2)", "(1,2)", 0, 1);
    NoValue("(+) leaves no value", "(+)", 0);
    Value("((+)) is an empty group inside", "((+))", 0, 0);

    // Names.
    Value("pi", "pi", 0, kPiAsStored);
    Value("e", "e", 0, kEAsStored);
    Value("PI in capitals", "PI", 0, kPiAsStored);
    Error("y undefined", "y", 0, 1102, kUnknownVariable + "y");
    Error("x,5 is a name", "x.5", 0, 1102, kUnknownVariable + "x,5");

    // Calls.
    Error("sen()", "sen()", 0, 1104, kInvalidArgument + "sen()");
    Error("foo(2)", "foo(2)", 0, 1101, kUnknownFunction + "foo()");
    Error("foo() reports 1104 first", "foo()", 0, 1104, kInvalidArgument + "foo()");
    Value("min(5)", "min(5)", 0, 5);
    Value("sen(1,2)", "sen(1,2)", 0, std::sin(1.0));
    Value("middle argument stays", "min(4,9,1)+0", 0, 1);
    Value("SEN(X)", "SEN(X)", 0.5, std::sin(0.5));
    Value("sqr with a blank", "sqr (x)", 16, 4);
    Error("x( is an unknown call", "x(1)", 0, 1101, kUnknownFunction + "x()");

    // Division.
    Error("1/0", "1/0", 0, 11, kDivisionByZero);
    Error("0/0", "0/0", 0, 6, kOverflow);
    Error("1/(x-x)", "1/(x-x)", 3, 11, kDivisionByZero);
    Error("product overflow", "1" + QString(300, '0') + "*1" + QString(300, '0'), 0, 6, kOverflow);
    Error("number too large for a double", "1" + QString(400, '0'), 0, 6, kOverflow);

    // Consequences that callers see, at x = -1.
    NoValue("sqr(x)", "sqr(x)", -1);
    Value("1+sqr(x)", "1+sqr(x)", -1, 1);
    NoValue("sqr(x)+1", "sqr(x)+1", -1);
    Value("2*sqr(x)", "2*sqr(x)", -1, 2);
    Value("(sqr(x))", "(sqr(x))", -1, 0);
    Error("sen(sqr(x))", "sen(sqr(x))", -1, 1104, kInvalidArgument + "sen()");
    // An operator whose left operand a fault emptied reads no right operand:
    // a number too large for a double is then never read.
    NoValue("emptied left operand, too large a number", "sqr(x)*1" + QString(400, '0'), -1);
    Error("empty group, too large a number", "(sqr(x))*1" + QString(400, '0'), -1, 6, kOverflow);

    // Texts without a value.
    NoValue("empty", "", 0);
    NoValue("blanks only", "   ", 0);
    NoValue("1.2.3 is no number", "1.2.3", 0);
    NoValue("operator alone", "*", 0);
    Value("sum without right operand", "1+", 0, 1);
    NoValue("power without left operand", "sqr(x)^2", -1);
}

void EvaluatorTest::outcomes() {
    CheckRow();
}

void EvaluatorTest::undefinedFlag_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("undefined");

    QTest::newRow("sqr(x) at -1") << "sqr(x)" << -1.0 << true;
    QTest::newRow("sqr(x) at 4") << "sqr(x)" << 4.0 << false;
    QTest::newRow("1+sqr(x) at -1") << "1+sqr(x)" << -1.0 << true;
    QTest::newRow("log(x) at 0") << "log(x)" << 0.0 << true;
    QTest::newRow("log(x) at 1") << "log(x)" << 1.0 << false;
    QTest::newRow("negative base, fraction") << "x^0.5" << -2.0 << true;
    QTest::newRow("negative base, integer") << "x^2" << -2.0 << false;
    QTest::newRow("arcsin out of domain") << "arcsin(x)" << 2.0 << true;
    QTest::newRow("no tokens") << "" << 0.0 << true;
    QTest::newRow("no number left") << "1.2.3" << 0.0 << true;
    QTest::newRow("plain x") << "x" << 5.0 << false;
    QTest::newRow("empty group is a value") << "()" << 0.0 << false;
}

void EvaluatorTest::undefinedFlag() {
    QFETCH(QString, text);
    QFETCH(double, x);
    QFETCH(bool, undefined);

    clsEquation equation;
    equation.SetEquation(text.toStdString());
    equation.SetVar("x", x);
    equation.Solve();
    QCOMPARE(equation.Undefined(), undefined);

    // Every Solve decides afresh.
    equation.SetEquation("1");
    equation.Solve();
    QCOMPARE(equation.Undefined(), false);
    equation.SetEquation(text.toStdString());
    equation.Solve();
    QCOMPARE(equation.Undefined(), undefined);
}

void EvaluatorTest::constantsAreExact() {
    QCOMPARE(std::bit_cast<std::uint64_t>(Evaluate("pi", 0).value), 0x400921FB54442D11ULL);
    QCOMPARE(Evaluate("pi", 0).value, 3.14159265358979);
    QCOMPARE(std::bit_cast<std::uint64_t>(Evaluate("e", 0).value), 0x4005BF0A8B04919BULL);
    QCOMPARE(Evaluate("e", 0).value, 2.718281828);
}

void EvaluatorTest::constantNamesHideVariables() {
    clsEquation equation;
    equation.SetVar("pi", 5);
    equation.SetVar("E", 6);
    QCOMPARE(equation.Var("pi"), 5.0);
    equation.SetEquation("pi+e");
    QCOMPARE(equation.Solution(), kPiAsStored + kEAsStored);
}

void EvaluatorTest::bareRndDrawsSinglePrecision() {
    clsEquation equation;
    equation.SetEquation("rnd");
    double previous = -1;
    int repeats = 0;
    for (int i = 0; i < 200; ++i) {
        equation.Solve();
        const double r = equation.Solution();
        QVERIFY(r >= 0 && r < 1);
        QCOMPARE(double(float(r)), r);
        repeats += r == previous;
        previous = r;
    }
    QVERIFY(repeats < 5);
}

void EvaluatorTest::previousResultKept() {
    clsEquation equation;
    equation.SetVar("x", -1);
    equation.SetEquation("sqr(x)");
    equation.Solve();
    QCOMPARE(equation.Solution(), 0.0); // a new object's result

    equation.SetEquation("7");
    equation.Solve();
    equation.SetEquation("sqr(x)");
    equation.Solve();
    QCOMPARE(equation.Solution(), 7.0);
    QVERIFY(equation.Undefined());

    // A raised error leaves the result as it was too.
    equation.SetEquation("1/0");
    QVERIFY_THROWS_EXCEPTION(EngineError, equation.Solve());
    equation.SetEquation("x)(");
    equation.Solve();
    QCOMPARE(equation.Solution(), -1.0);
}

void EvaluatorTest::argumentsCarryOverWithinOneEvaluation() {
    // "1,2,3" is no number, so reading it fails and U and W keep the values
    // that the call before it left: max(4,9) leaves 4 and 9, min of them is 4.
    QCOMPARE(Evaluate("max(4,9)+min(1.2.3)", 0).value, 13.0);
    // ... but each evaluation starts from zero.
    QCOMPARE(Evaluate("min(1.2.3)+max(4,9)", 0).value, 9.0);
    clsEquation equation;
    equation.SetEquation("max(4,9)");
    equation.Solve();
    equation.SetEquation("min(1.2.3)+1");
    equation.Solve();
    QCOMPARE(equation.Solution(), 1.0);
}

QTEST_MAIN(EvaluatorTest)
#include "tst_evaluator.moc"
