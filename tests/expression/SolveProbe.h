#pragma once

#include "expression/EngineError.h"
#include "expression/clsEquation.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QtTest>

#include <bit>
#include <cstdint>
#include <string_view>

// What the engine does with one text at one abscissa, observed as the plotting
// code would: a fresh object (which first holds the value 7 from an earlier
// text, so that "no value left" can be told from a value), Equation, Var "x",
// Solve, Solution.
namespace SolveProbe {

// The outcome a row of a table expects.
enum Kind : int {
    Value = 0,   // Solve succeeds with exactly this value
    NoValue = 1, // Solve succeeds, nothing is left, the earlier value 7 stays
    Raised = 2,  // Solve raises this error number
    Range = 3,   // Solve succeeds with a value in [value, high)
};

constexpr double kEarlier = 7.0;

struct Observed {
    bool raised = false;
    int number = 0;
    QString description;
    QString source;
    double value = 0;
    bool undefined = false;
    qint64 milliseconds = 0;
};

inline Observed Solve(const QByteArray& text, double x) {
    Observed o;
    clsEquation eq;
    eq.SetEquation("7");
    eq.Solve();
    eq.SetEquation(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    eq.SetVar("x", x);
    QElapsedTimer clock;
    clock.start();
    try {
        eq.Solve();
        o.value = eq.Solution();
        o.undefined = eq.Undefined();
    } catch (const EngineError& e) {
        o.raised = true;
        o.number = e.Number();
        o.description = QString::fromStdString(e.Description());
        o.source = QString::fromStdString(e.Source());
    }
    o.milliseconds = clock.elapsed();
    return o;
}

inline QString Show(const Observed& o) {
    if (o.raised)
        return QStringLiteral("error %1 \"%2\"").arg(o.number).arg(o.description);
    return QStringLiteral("value %1%2")
        .arg(o.value, 0, 'g', 17)
        .arg(o.undefined ? " (undefined)" : "");
}

// Checks an observation against a row; QtTest records the first mismatch.
inline void Expect(const Observed& o, int kind, double value, double high, int number,
                   const QString& description) {
    QVERIFY2(o.milliseconds < 2000, qPrintable(QStringLiteral("took %1 ms").arg(o.milliseconds)));
    switch (kind) {
    case Value:
        QVERIFY2(!o.raised, qPrintable(Show(o)));
        QVERIFY2(std::bit_cast<std::uint64_t>(o.value) == std::bit_cast<std::uint64_t>(value),
                 qPrintable(Show(o) + QStringLiteral(", expected %1").arg(value, 0, 'g', 17)));
        break;
    case NoValue:
        QVERIFY2(!o.raised, qPrintable(Show(o)));
        QCOMPARE(o.value, kEarlier);
        QVERIFY2(o.undefined, "a Solve that leaves no value must say so through Undefined()");
        break;
    case Raised:
        QVERIFY2(o.raised, qPrintable(Show(o) + QStringLiteral(", expected error %1").arg(number)));
        QCOMPARE(o.number, number);
        QCOMPARE(o.source, QStringLiteral("Interpretador"));
        if (!description.isEmpty())
            QCOMPARE(o.description, description);
        break;
    case Range:
        QVERIFY2(!o.raised, qPrintable(Show(o)));
        QVERIFY2(o.value >= value && o.value < high, qPrintable(Show(o)));
        break;
    default:
        QFAIL("unknown kind in the table");
    }
}

} // namespace SolveProbe
