#pragma once

#include "EngineTestSupport.h"

#include <QString>
#include <QtTest>

#include <bit>
#include <cstdint>

// Tables of texts that each name the outcome the program promises for them,
// checked on what Evaluate observed.
namespace SolveProbe {

// The outcome a row of a table expects.
enum Kind : int {
    Value = 0,   // Solve succeeds with exactly this value
    NoValue = 1, // Solve succeeds, nothing is left, the earlier value stays
    Raised = 2,  // Solve raises this error number
    Range = 3,   // Solve succeeds with a value in [value, high)
};

// The columns of a table of such rows: the text, x, the Kind, the value, the
// error number and the error's description.
inline void AddColumns() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
}

// Checks an observation against a row; QtTest records the first mismatch.
inline void Expect(const enginetest::Outcome& o, int kind, double value, double high, int number,
                   const QString& description) {
    using enginetest::Describe;
    const bool raised = o.kind == enginetest::Kind::Error;
    QVERIFY2(o.milliseconds < 2000, qPrintable(QStringLiteral("took %1 ms").arg(o.milliseconds)));
    switch (kind) {
    case Value:
        QVERIFY2(!raised, qPrintable(Describe(o)));
        QVERIFY2(std::bit_cast<std::uint64_t>(o.value) == std::bit_cast<std::uint64_t>(value),
                 qPrintable(QStringLiteral("value %1, expected %2")
                                .arg(o.value, 0, 'g', 17)
                                .arg(value, 0, 'g', 17)));
        break;
    case NoValue:
        QVERIFY2(!raised, qPrintable(Describe(o)));
        QCOMPARE(o.value, enginetest::kEarlier);
        QVERIFY2(o.undefined, "a Solve that leaves no value must say so through Undefined()");
        break;
    case Raised:
        QVERIFY2(raised,
                 qPrintable(Describe(o) + QStringLiteral(", expected error %1").arg(number)));
        QCOMPARE(o.number, number);
        QCOMPARE(QString::fromStdString(o.source), QStringLiteral("Interpretador"));
        if (!description.isEmpty())
            QCOMPARE(QString::fromStdString(o.description), description);
        break;
    case Range:
        QVERIFY2(!raised, qPrintable(Describe(o)));
        QVERIFY2(o.value >= value && o.value < high, qPrintable(Describe(o)));
        break;
    default:
        QFAIL("unknown kind in the table");
    }
}

// Evaluates the current row of an AddColumns table and checks it.
inline void CheckRow() {
    QFETCH(QByteArray, text);
    QFETCH(double, x);
    QFETCH(int, kind);
    QFETCH(double, value);
    QFETCH(int, number);
    QFETCH(QString, description);
    Expect(enginetest::Evaluate(text, x), kind, value, 0.0, number, description);
}

} // namespace SolveProbe
