// The compiled plan against the reduction in place: random texts over the
// whole token alphabet, evaluated at many x by the plan (what users run), by
// the reduction with indexed searches, and by the reduction scanning slot by
// slot as the language describes it. All three must agree on the value's
// bits, Undefined(), the error's number and description, the result kept
// from before, and how far the random generator moved.

#include "EngineTestSupport.h"
#include "RandomTexts.h"
#include "ReferenceReduction.h"

#include "EquationProbe.h"
#include "expression/FunctionLibrary.h"
#include "expression/RandomGenerator.h"

#include <QRandomGenerator>
#include <QtTest>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

using enginetest::TextGenerator;
using quivela::expression::EngineError;
using quivela::expression::ProcessRandomGenerator;
using quivela::expression::RandomGenerator;

namespace {

// The evaluation paths: the compiled plan, falling back to the reduction
// where a step passes over a fault (what users run); the reduction in place
// every time, with indexed searches; and the reduction with the searches
// scanning slot by slot, literally as the language describes NextToken and
// PrevToken.
enum class Path { Compiled, General, GeneralScan };

// What one Solve left behind, compared field by field.
struct Observed {
    bool raised = false;
    int number = 0;
    std::string description;
    std::uint64_t resultBits = 0; // the stored result, kept or new
    bool undefined = false;
    std::uint64_t randomState = 0;
    float randomLast = 0;

    bool operator==(const Observed&) const = default;
};

QString Show(const Observed& o) {
    return QStringLiteral("raised=%1 %2 '%3' result=%4 undefined=%5 random=%6/%7")
        .arg(o.raised)
        .arg(o.number)
        .arg(QString::fromStdString(o.description))
        .arg(std::bit_cast<double>(o.resultBits), 0, 'g', 17)
        .arg(o.undefined)
        .arg(o.randomState)
        .arg(double(o.randomLast));
}

// One expression object on one path, solved at a sequence of x: results
// that are kept from one sample to the next are part of what is compared.
class Runner {
public:
    Runner(const std::string& text, Path path, bool defineY) : path_(path) {
        equation_.SetEquation("8765.4321"); // a previous result to keep
        equation_.Solve();
        equation_.SetEquation(text);
        if (defineY)
            equation_.SetVar("y", 0.75);
    }

    Observed Solve(double x, std::uint64_t seed) {
        RandomGenerator& random = ProcessRandomGenerator();
        // The whole state: "rnd(0)" repeats the number drawn last.
        random.Restore(RandomGenerator::Snapshot{seed, 0.375f});
        equation_.SetVar("x", x);
        Observed o;
        try {
            if (path_ == Path::Compiled)
                equation_.Solve();
            else
                EquationProbe::SolveWith(equation_, path_ == Path::General ? Indexed : Scanned);
        } catch (const EngineError& error) {
            o.raised = true;
            o.number = error.Number();
            o.description = error.Description();
        }
        o.resultBits = std::bit_cast<std::uint64_t>(EquationProbe::StoredResult(equation_));
        o.undefined = equation_.Undefined();
        const RandomGenerator::Snapshot after = random.Save();
        o.randomState = after.state;
        o.randomLast = after.last;
        return o;
    }

    const clsEquation& Equation() const { return equation_; }

private:
    Path path_;
    clsEquation equation_;
};

const double kAbscissas[] = {-14, -2.5, -1, -0.5, 0, 0.25, 1, 2, 3.75, 13.999999999995362};

} // namespace

class DifferentialTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ProcessRandomGenerator().SetClock(enginetest::FixedClock); }
    void cleanupTestCase() { ProcessRandomGenerator().SetClock(nullptr); }

    void randomTextsAgree_data();
    void randomTextsAgree();
    void regressionsAgree_data();
    void regressionsAgree();
    void planRunsWithoutFallback_data();
    void planRunsWithoutFallback();
    void manyFaultPatternsFallBack();
};

// Compares the three paths on `text` over the abscissas; returns an empty
// string when they agree, or what differed.
static QString Disagreement(const std::string& text, bool defineY, std::uint64_t seed) {
    Runner plan(text, Path::Compiled, defineY);
    Runner indexed(text, Path::General, defineY);
    Runner scan(text, Path::GeneralScan, defineY);
    for (const double x : kAbscissas) {
        const Observed expected = scan.Solve(x, seed);
        const Observed fromPlan = plan.Solve(x, seed);
        const Observed fromIndexed = indexed.Solve(x, seed);
        if (!(fromPlan == expected) || !(fromIndexed == expected))
            return QStringLiteral("'%1' at x=%2:\n scan    %3\n plan    %4\n indexed %5")
                .arg(QString::fromStdString(text))
                .arg(x)
                .arg(Show(expected), Show(fromPlan), Show(fromIndexed));
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    }
    return {};
}

void DifferentialTest::randomTextsAgree_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("texts");
    // 4 x 2,000 texts at 10 abscissas: 80,000 cases on each path.
    QTest::newRow("seed 1") << quint32(1) << 2000;
    QTest::newRow("seed 2") << quint32(20261208) << 2000;
    QTest::newRow("seed 3") << quint32(777) << 2000;
    QTest::newRow("seed 4") << quint32(4242) << 2000;
}

void DifferentialTest::randomTextsAgree() {
    QFETCH(quint32, seed);
    QFETCH(int, texts);
    TextGenerator generator(seed);
    int planned = 0;
    for (int i = 0; i < texts; ++i) {
        const std::string text = generator.Next();
        const QString difference = Disagreement(text, i % 2 == 0, seed + quint32(i));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        clsEquation probe;
        probe.SetEquation(text);
        try {
            probe.Solve();
        } catch (const EngineError&) {
        }
        if (EquationProbe::ParseCurrent(probe) && EquationProbe::PlanUsable(probe))
            ++planned;
    }
    // The comparison means something only if the plan runs for most texts.
    QVERIFY2(planned > texts / 4, qPrintable(QString::number(planned)));
}

void DifferentialTest::regressionsAgree_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("defineY");
    // Texts where the slots the reduction finds depend on emptied slots,
    // moved tokens, carried-over arguments or a fault partway through.
    const char* const kRows[] = {
        "2^-1",
        "--2",
        "(+)",
        "(1,2)",
        "()",
        "3*()",
        "x)(",
        "min(5)",
        "sen(1,2)",
        "sen(sqr(x))",
        "1+sqr(x)",
        "sqr(x)+1",
        "2*sqr(x)",
        "(sqr(x))",
        "sqr(x)",
        "y",
        "y+1/0",
        "1/0+y",
        "0/0",
        "1/(x-x)",
        "min(sqr(x),x)",
        "max(,x)",
        "sen(,)",
        "logn(x,,2)",
        "(2+)x",
        "(-)x",
        "x*(+2)",
        "y(+x)",
        "sqr(-x)*sqr(x)",
        "mod(x,0.3)",
        "rnd+rnd(x)+rand(6)",
        "rnd(-1)+sqr(x)",
        "random(1,x)*sqr(x-1)",
        "rnd(0)",
        "arcsin(x)",
        "arcsin(x/2)+log(x)",
        "(-2)^0.5",
        "(-8)^(1/3)",
        "0^-1",
        "0^(-1)",
        "1000000^1000000",
        "exp(x*1000)",
        "tgh(x)+tanh(-x)",
        "tgh(800)",
        "cotgh(x)",
        "abs(sqr(x))",
        "1+sen()",
        "foo(2)",
        "x(2)",
        "((((((x))))))",
        "-(-(-x))",
        "2x^2-sen(x)",
        "4sen((tg(x)))",
        "sqr (4sen(x))",
        "(2)^(4sen(x))",
        "x^2",
        "(x-3)^2.0",
        "2^2",
        "(x*100000)^2^2^2^2",
        "(-x)^2",
        "x^(1+1)",
        "x^2.5",
        "x,1+,2",
        ",x",
        "x,",
        ")x(",
        "(x))(()",
        "1.2.3+x",
        "1e400",
        "x+1.2.3",
    };
    for (const char* row : kRows) {
        QTest::newRow(row) << QString::fromUtf8(row) << true;
        QTest::newRow((std::string(row) + " without y").c_str()) << QString::fromUtf8(row) << false;
    }
    QTest::newRow("big number") << QString::fromStdString("x+1" + std::string(400, '0')) << true;
    QTest::newRow("deep") << QString::fromStdString(std::string(200, '(') + "sqr(x)" +
                                                    std::string(200, ')') + "+1")
                          << true;
}

void DifferentialTest::regressionsAgree() {
    QFETCH(QString, text);
    QFETCH(bool, defineY);
    const QString difference = Disagreement(text.toStdString(), defineY, 99);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void DifferentialTest::planRunsWithoutFallback_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("variants");
    QTest::newRow("4sen(x)") << "4sen(x)" << 1.0 << 1;
    QTest::newRow("tgh (cos (7/log (3x)))") << "tgh (cos (7/log (3x)))" << 1.0 << 1;
    QTest::newRow("x^2-3x+1") << "x^2-3x+1" << 2.0 << 1;
    QTest::newRow("1/0 raises from the plan") << "1/x" << 0.0 << 1;
    QTest::newRow("sen() raises from the plan") << "sen()" << 0.0 << 1;
    QTest::newRow("rnd draws in the plan") << "rnd(x)+rnd" << 1.0 << 1;
    QTest::newRow("sqr of a positive") << "1+sqr(x)" << 4.0 << 1;
    QTest::newRow("sqr of a negative") << "1+sqr(x)" << -1.0 << 2;
    QTest::newRow("log of zero") << "tgh (cos (7/log (3x)))" << 0.0 << 2;
    QTest::newRow("fractional power of a negative") << "x^0.5" << -2.0 << 2;
    QTest::newRow("two faults in one evaluation") << "sqr(x)+log(x)" << -2.0 << 3;
}

void DifferentialTest::planRunsWithoutFallback() {
    QFETCH(QString, text);
    QFETCH(double, x);
    QFETCH(int, variants);
    clsEquation equation;
    equation.SetEquation(text.toStdString());
    // Twice: the second evaluation reuses the variant the first one compiled.
    for (int i = 0; i < 2; ++i) {
        equation.SetVar("x", x);
        try {
            equation.Solve();
        } catch (const EngineError&) {
        }
    }
    QVERIFY(EquationProbe::PlanUsable(equation));
    QCOMPARE(EquationProbe::Fallbacks(equation), 0);
    QCOMPARE(EquationProbe::PlanVariants(equation), variants);
}

void DifferentialTest::manyFaultPatternsFallBack() {
    // 100 square roots that vanish one after the other as x grows: more
    // patterns of failing steps than the plan keeps variants for, so part
    // of the evaluations go to the reduction, which must not show.
    std::string text;
    for (int k = 1; k <= 100; ++k)
        text += (k > 1 ? "+sqr(" : "sqr(") + std::to_string(k) + "-x)";
    Runner plan(text, Path::Compiled, false);
    Runner scan(text, Path::GeneralScan, false);
    for (double x = 0; x <= 101; x += 0.5) {
        const Observed expected = scan.Solve(x, 7);
        const Observed fromPlan = plan.Solve(x, 7);
        QVERIFY2(fromPlan == expected, qPrintable(Show(fromPlan) + " / " + Show(expected)));
    }
    QVERIFY(EquationProbe::Fallbacks(plan.Equation()) > 0);
    QVERIFY(EquationProbe::PlanVariants(plan.Equation()) <= 64);
}

QTEST_MAIN(DifferentialTest)
#include "tst_differential.moc"
