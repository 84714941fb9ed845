// SolveRange against the loop it stands for: SetVar, Solve and Solution per
// sample, x advanced by repeated addition. Values, Undefined() flags, the
// sample and error that stop the run, and the object's state afterwards must
// be the same.

#include "EngineTestSupport.h"
#include "RandomTexts.h"

#include "EquationProbe.h"
#include "expression/RandomGenerator.h"

#include <QtTest>

#include <bit>
#include <memory>
#include <vector>

using quivela::expression::EngineError;
using quivela::expression::ProcessRandomGenerator;
using quivela::expression::RandomGenerator;

namespace {

struct Run {
    std::vector<std::uint64_t> values; // bits
    std::vector<bool> undefined;
    bool raised = false;
    int number = 0;
    std::string description;
    // The object afterwards.
    std::uint64_t result = 0;
    bool stale = false;
    bool lastUndefined = false;
    std::uint64_t variable = 0;
    int reductions = 0;
    int parses = 0;
    std::uint64_t randomState = 0;
    bool operator==(const Run&) const = default;
};

void Finish(Run& run, const clsEquation& equation, clsEquation& readable) {
    run.result = std::bit_cast<std::uint64_t>(EquationProbe::StoredResult(equation));
    run.stale = EquationProbe::ResultStale(equation);
    run.lastUndefined = equation.Undefined();
    run.variable = std::bit_cast<std::uint64_t>(readable.Var("x"));
    run.reductions = EquationProbe::Reductions(equation);
    run.parses = EquationProbe::Parses(equation);
    run.randomState = ProcessRandomGenerator().Save().state;
}

void Prepare(clsEquation& equation, const std::string& text) {
    ProcessRandomGenerator().Restore(RandomGenerator::Snapshot{42, 0.25f});
    equation.SetEquation("8765.4321");
    equation.Solve();
    equation.SetEquation(text);
    equation.SetVar("y", 0.75); // a second variable, fixed during the run
}

Run PerSample(const std::string& text, double first, double step, int count) {
    clsEquation equation;
    Prepare(equation, text);
    Run run;
    double x = first;
    for (int i = 0; i < count; ++i) {
        equation.SetVar("x", x);
        try {
            equation.Solve();
        } catch (const EngineError& error) {
            run.raised = true;
            run.number = error.Number();
            run.description = error.Description();
            break;
        }
        run.values.push_back(std::bit_cast<std::uint64_t>(equation.Solution()));
        run.undefined.push_back(equation.Undefined());
        x += step;
    }
    Finish(run, equation, equation);
    return run;
}

Run InBulk(const std::string& text, double first, double step, int count) {
    clsEquation equation;
    Prepare(equation, text);
    std::vector<double> xs;
    for (double x = first; xs.size() < std::size_t(count); x += step)
        xs.push_back(x);
    std::vector<double> values(std::size_t(count), -1);
    const auto undefined = std::make_unique<bool[]>(std::size_t(count));
    const SampleRun sampled = equation.SolveRange("x", xs, values.data(), undefined.get());
    Run run;
    for (std::size_t i = 0; i < sampled.solved; ++i) {
        run.values.push_back(std::bit_cast<std::uint64_t>(values[i]));
        run.undefined.push_back(undefined[i]);
    }
    if (sampled.error) {
        run.raised = true;
        run.number = sampled.error->Number();
        run.description = sampled.error->Description();
    }
    Finish(run, equation, equation);
    return run;
}

} // namespace

class SolveRangeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ProcessRandomGenerator().SetClock(enginetest::FixedClock); }
    void cleanupTestCase() { ProcessRandomGenerator().SetClock(nullptr); }
    void sameAsTheLoop_data();
    void sameAsTheLoop();
    void randomTextsSameAsTheLoop_data();
    void randomTextsSameAsTheLoop();
};

void SolveRangeTest::sameAsTheLoop_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("solved"); // how many samples come before the error, or all

    QTest::newRow("4sen(x), a whole curve") << "4sen(x)" << -14.0 << 0.001 << 28001 << 28001;
    QTest::newRow("tgh (cos (7/log (3x)))")
        << "tgh (cos (7/log (3x)))" << -14.0 << 0.001 << 28001 << 28001;
    QTest::newRow("1/x never meets 0") << "1/x" << -14.0 << 0.001 << 28001 << 28001;
    QTest::newRow("1/x meets 0 at sample 4") << "1/x" << -2.0 << 0.5 << 10 << 4;
    QTest::newRow("1/(x-0.5) at sample 6") << "1/(x-0.5)" << -1.0 << 0.25 << 12 << 6;
    QTest::newRow("exp overflows at 710") << "exp(x)" << 700.0 << 1.0 << 20 << 10;
    QTest::newRow("sqr keeps the previous result") << "sqr(x)" << -2.0 << 0.25 << 17 << 17;
    QTest::newRow("1+sqr(x) falls back") << "1+sqr(x)" << -2.0 << 0.25 << 17 << 17;
    QTest::newRow("log(x) undefined then defined") << "log (x)" << -1.0 << 0.125 << 17 << 17;
    QTest::newRow("arcsin raises at 1") << "arcsin(x)" << -0.5 << 0.25 << 10 << 6;
    QTest::newRow("random draws in order") << "rnd(x)+rand(6)*sqr(x)" << -1.0 << 0.25 << 9 << 9;
    QTest::newRow("bare rnd") << "rnd*x" << 0.0 << 1.0 << 5 << 5;
    QTest::newRow("missing variable at sample 0") << "x+z" << 0.0 << 1.0 << 5 << 0;
    QTest::newRow("unbalanced at sample 0") << "(x" << 0.0 << 1.0 << 5 << 0;
    QTest::newRow("sen() at sample 0") << "sen()" << 0.0 << 1.0 << 5 << 0;
    QTest::newRow("empty text") << "" << 0.0 << 1.0 << 3 << 3;
    QTest::newRow("stray ) looked up by name") << "x)*(" << 0.0 << 1.0 << 3 << 3;
    QTest::newRow("no samples") << "x" << 0.0 << 1.0 << 0 << 0;
    // Longer than a block of samples: faults and errors past the first block.
    QTest::newRow("log over a whole curve") << "log (x)+1" << -14.0 << 0.001 << 28001 << 28001;
    QTest::newRow("error in the second block") << "1/(x-0.5)" << -100.0 << 0.25 << 1000 << 402;
    QTest::newRow("x^0.5 and a square") << "x^0.5+x^2" << -3.0 << 0.01 << 700 << 700;
    QTest::newRow("x not in the expression") << "2+3" << 0.0 << 1.0 << 600 << 600;
    QTest::newRow("no value in any sample") << "()+" << 0.0 << 1.0 << 600 << 600;
    QTest::newRow("two variables, one swept") << "x*X+y" << 0.0 << 1.0 << 600 << 600;
    // Sums and products are checked at the end of a run of them: an overflow
    // inside the run, in a value that leaves it unread, or under a negation.
    QTest::newRow("overflow inside a run") << "x*x*(10^303)-2" << 0.0 << 1.0 << 600 << 424;
    QTest::newRow("overflow left over") << "(1,x*x*(10^303))" << 0.0 << 1.0 << 600 << 424;
    QTest::newRow("overflow under a negation") << "-(x*x*(10^303))" << 0.0 << 1.0 << 600 << 424;
    QTest::newRow("infinite variable") << "x*0+1" << 1e308 << 1e308 << 300 << 1;
}

void SolveRangeTest::sameAsTheLoop() {
    QFETCH(QString, text);
    QFETCH(double, first);
    QFETCH(double, step);
    QFETCH(int, count);
    QFETCH(int, solved);

    const Run expected = PerSample(text.toStdString(), first, step, count);
    const Run bulk = InBulk(text.toStdString(), first, step, count);
    QCOMPARE(int(expected.values.size()), solved);
    QCOMPARE(int(bulk.values.size()), solved);
    for (int i = 0; i < solved; ++i) {
        QCOMPARE(bulk.values[std::size_t(i)], expected.values[std::size_t(i)]);
        QCOMPARE(bulk.undefined[std::size_t(i)], expected.undefined[std::size_t(i)]);
    }
    QCOMPARE(bulk.raised, expected.raised);
    QCOMPARE(bulk.number, expected.number);
    QCOMPARE(bulk.description, expected.description);
    QCOMPARE(bulk.result, expected.result);
    QCOMPARE(bulk.stale, expected.stale);
    QCOMPARE(bulk.lastUndefined, expected.lastUndefined);
    QCOMPARE(bulk.variable, expected.variable);
    QCOMPARE(bulk.reductions, expected.reductions);
    QCOMPARE(bulk.parses, expected.parses);
    QCOMPARE(bulk.randomState, expected.randomState);
}

void SolveRangeTest::randomTextsSameAsTheLoop_data() {
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 11") << quint32(11);
    QTest::newRow("seed 12") << quint32(12);
}

void SolveRangeTest::randomTextsSameAsTheLoop() {
    QFETCH(quint32, seed);
    // 300 texts over 600 samples each, crossing blocks of samples, from -3
    // by 0.01: faults come and go along the way.
    enginetest::TextGenerator generator(seed);
    for (int i = 0; i < 300; ++i) {
        const std::string text = generator.Next();
        const Run expected = PerSample(text, -3.0, 0.01, 600);
        const Run bulk = InBulk(text, -3.0, 0.01, 600);
        QVERIFY2(bulk == expected, text.c_str());
    }
}

QTEST_MAIN(SolveRangeTest)
#include "tst_solverange.moc"
