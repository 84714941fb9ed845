#pragma once

// Helpers shared by the engine's test suites: render parsed tokens, run one
// expression through clsEquation by each route (per sample, in blocks, the
// reference reduction) and describe what came out, and check a row of a
// table of outcomes. Every suite that solves a text goes through Evaluate.

#include "EquationProbe.h"
#include "ReferenceReduction.h"
#include "expression/EngineError.h"
#include "expression/ExpressionParser.h"
#include "expression/RandomGenerator.h"
#include "expression/clsEquation.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace enginetest {

using quivela::expression::EngineError;
using quivela::expression::ParsedExpression;
using quivela::expression::Token;
using quivela::expression::TokenKind;

// "2:0 *:3 x:6"; the argument separator shows as <sep>.
inline QString RenderTokens(const ParsedExpression& parsed) {
    QStringList parts;
    for (const Token& token : parsed.tokens) {
        const QString text = token.kind == TokenKind::Separator
                                 ? QStringLiteral("<sep>")
                                 : QString::fromStdString(token.text);
        parts << QStringLiteral("%1:%2").arg(text).arg(token.priority);
    }
    return parts.join(u' ');
}

// "8,7,9"
inline QString RenderOrder(const ParsedExpression& parsed) {
    QStringList parts;
    for (const auto position : parsed.order)
        parts << QString::number(position);
    return parts.join(u',');
}

// What an evaluation gave, and what a row of a table expects; Range (rows
// only): a value in [value, high).
enum class Kind { Value, Error, NoValue, Range };

struct Outcome {
    Kind kind = Kind::NoValue;
    double value = 0; // Solution() after Solve: kEarlier when nothing was left
    int number = 0;
    std::string source;
    std::string description;
    bool undefined = false;
    qint64 milliseconds = 0; // the Solve alone
};

// The previous result of the object every text is evaluated on, so that an
// evaluation that leaves no value is told apart from one whose value happens
// to be this one.
inline constexpr double kEarlier = 8765.4321;

// Re-seeding reads this instead of the clock, so that every route draws
// the same numbers.
inline std::uint64_t FixedClock() {
    return 0x5DEECE66DULL;
}

// An object that first held kEarlier, then was given the UTF-8 (or any
// bytes) `text`.
inline void Prime(clsEquation& equation, const QByteArray& text) {
    equation.SetEquation("8765.4321");
    equation.Solve();
    equation.SetEquation(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

// What `solve` leaves in `equation`.
template <class SolveCall> Outcome Observe(clsEquation& equation, SolveCall solve) {
    Outcome outcome;
    QElapsedTimer clock;
    clock.start();
    try {
        solve();
        outcome.undefined = equation.Undefined();
        outcome.value = equation.Solution();
        const bool nothingLeft = outcome.value == kEarlier && outcome.undefined;
        outcome.kind = nothingLeft ? Kind::NoValue : Kind::Value;
    } catch (const EngineError& error) {
        outcome.kind = Kind::Error;
        outcome.number = error.Number();
        outcome.source = error.Source();
        outcome.description = error.Description();
    }
    outcome.milliseconds = clock.elapsed();
    return outcome;
}

// Evaluates `text` as the plotting code does, with x set, on an object that
// first held kEarlier.
inline Outcome Evaluate(const QByteArray& text, double x) {
    clsEquation equation;
    Prime(equation, text);
    equation.SetVar("x", x);
    return Observe(equation, [&] { equation.Solve(); });
}

inline Outcome Evaluate(const QString& text, double x) {
    return Evaluate(text.toUtf8(), x);
}

inline Outcome Evaluate(const char* text, double x) {
    return Evaluate(QByteArray(text), x);
}

// The same through the reference: the reduction scanning slot by slot.
inline Outcome EvaluateByReference(const QByteArray& text, double x) {
    clsEquation equation;
    Prime(equation, text);
    equation.SetVar("x", x);
    return Observe(equation, [&] { EquationProbe::SolveWith(equation, Scanned); });
}

// The same through SolveRange, at x 20 times: all samples but the first run
// in a block. Samples that differ from the last one show as error -1.
inline Outcome EvaluateInBlocks(const QByteArray& text, double x) {
    constexpr std::size_t kSamples = 20;
    clsEquation equation;
    Prime(equation, text);
    const std::vector<double> xs(kSamples, x);
    std::vector<double> values(kSamples);
    bool undefined[kSamples] = {};
    const SampleRun run = equation.SolveRange("x", xs, values.data(), undefined);
    if (run.error && run.solved == 0)
        return Observe(equation, [&] { throw *run.error; });
    for (std::size_t i = 0; i < kSamples; ++i)
        if (run.solved != kSamples ||
            std::bit_cast<std::uint64_t>(values[i]) !=
                std::bit_cast<std::uint64_t>(values.back()) ||
            undefined[i] != undefined[kSamples - 1])
            return Outcome{Kind::Error, 0, -1, {}, "samples differ", false, 0};
    return Observe(equation, [] {});
}

inline QString Describe(const Outcome& outcome) {
    switch (outcome.kind) {
    case Kind::Value:
        return QStringLiteral("value %1%2")
            .arg(outcome.value, 0, 'g', 17)
            .arg(outcome.undefined ? QStringLiteral(", undefined") : QString());
    case Kind::NoValue:
        return QStringLiteral("no value");
    case Kind::Error:
        return QStringLiteral("error %1 (%2): %3")
            .arg(outcome.number)
            .arg(QString::fromStdString(outcome.source),
                 QString::fromStdString(outcome.description));
    case Kind::Range:
        break;
    }
    return {};
}

// The columns of a table of outcomes: the text, x, the Kind, the value (the
// low end for Range), the high end, the error number and description (empty:
// any description).
inline void AddColumns() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
}

inline void AddRow(const char* name, const QByteArray& text, double x, Kind kind, double value = 0,
                   int number = 0, const QString& description = {}, double high = 0) {
    QTest::newRow(name) << text << x << int(kind) << value << high << number << description;
}

// Checks an observation against a row; QtTest records the first mismatch.
inline void Expect(const Outcome& o, Kind kind, double value, double high, int number,
                   const QString& description) {
    const bool raised = o.kind == Kind::Error;
    QVERIFY2(o.milliseconds < 2000, qPrintable(QStringLiteral("took %1 ms").arg(o.milliseconds)));
    switch (kind) {
    case Kind::Value:
        QVERIFY2(!raised, qPrintable(Describe(o)));
        QVERIFY2(std::bit_cast<std::uint64_t>(o.value) == std::bit_cast<std::uint64_t>(value),
                 qPrintable(QStringLiteral("value %1, expected %2")
                                .arg(o.value, 0, 'g', 17)
                                .arg(value, 0, 'g', 17)));
        break;
    case Kind::NoValue:
        QVERIFY2(!raised, qPrintable(Describe(o)));
        QCOMPARE(o.value, kEarlier);
        QVERIFY2(o.undefined, "a Solve that leaves no value must say so through Undefined()");
        break;
    case Kind::Error:
        QVERIFY2(raised,
                 qPrintable(Describe(o) + QStringLiteral(", expected error %1").arg(number)));
        QCOMPARE(o.number, number);
        QCOMPARE(QString::fromStdString(o.source), QStringLiteral("Interpretador"));
        if (!description.isEmpty())
            QCOMPARE(QString::fromStdString(o.description), description);
        break;
    case Kind::Range:
        QVERIFY2(!raised, qPrintable(Describe(o)));
        QVERIFY2(o.value >= value && o.value < high, qPrintable(Describe(o)));
        break;
    }
}

// Evaluates the current row of an AddColumns table per sample and checks
// it; then in blocks and by the reference, which must give the same, with
// the generator in the same state and seeded by FixedClock for each route.
inline void CheckRow() {
    QFETCH(QByteArray, text);
    QFETCH(double, x);
    QFETCH(int, kind);
    QFETCH(double, value);
    QFETCH(double, high);
    QFETCH(int, number);
    QFETCH(QString, description);
    using quivela::expression::RandomGenerator;
    RandomGenerator& random = quivela::expression::ProcessRandomGenerator();
    random.SetClock(FixedClock);
    const RandomGenerator::Snapshot start = random.Save();
    const Outcome perSample = Evaluate(text, x);
    random.Restore(start);
    const Outcome inBlocks = EvaluateInBlocks(text, x);
    random.Restore(start);
    const Outcome byReference = EvaluateByReference(text, x);
    random.SetClock(nullptr);
    Expect(perSample, Kind(kind), value, high, number, description);
    if (Kind(kind) != Kind::Range) // the samples of a range draw numbers of their own
        QCOMPARE(Describe(inBlocks), Describe(perSample));
    QCOMPARE(Describe(byReference), Describe(perSample));
}

} // namespace enginetest
