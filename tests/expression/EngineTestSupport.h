#pragma once

// Helpers shared by the engine's test suites: render parsed tokens, and run
// one expression through clsEquation and describe what came out. Every suite
// that solves a text goes through Evaluate.

#include "expression/EngineError.h"
#include "expression/ExpressionParser.h"
#include "expression/clsEquation.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <cmath>
#include <optional>
#include <string>

namespace enginetest {

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

enum class Kind { Value, Error, NoValue };

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

// Evaluates the UTF-8 (or any bytes) `text` as the plotting code does, with x
// (and optionally y) set, on an object that first held kEarlier.
inline Outcome Evaluate(const QByteArray& text, double x, std::optional<double> y = {}) {
    clsEquation equation;
    equation.SetEquation("8765.4321");
    equation.Solve();
    equation.SetEquation(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    equation.SetVar("x", x);
    if (y)
        equation.SetVar("y", *y);
    Outcome outcome;
    QElapsedTimer clock;
    clock.start();
    try {
        equation.Solve();
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

inline Outcome Evaluate(const QString& text, double x, std::optional<double> y = {}) {
    return Evaluate(text.toUtf8(), x, y);
}

inline Outcome Evaluate(const char* text, double x, std::optional<double> y = {}) {
    return Evaluate(QByteArray(text), x, y);
}

inline QString Describe(const Outcome& outcome) {
    switch (outcome.kind) {
    case Kind::Value:
        return QStringLiteral("value %1").arg(outcome.value, 0, 'g', 17);
    case Kind::NoValue:
        return QStringLiteral("no value");
    case Kind::Error:
        return QStringLiteral("error %1 (%2): %3")
            .arg(outcome.number)
            .arg(QString::fromStdString(outcome.source),
                 QString::fromStdString(outcome.description));
    }
    return {};
}

} // namespace enginetest
