#pragma once

// Helpers shared by the engine's test suites: render parsed tokens, and run
// one expression through clsEquation and describe what came out.

#include "expression/EngineError.h"
#include "expression/ExpressionParser.h"
#include "expression/clsEquation.h"

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
    double value = 0;
    int number = 0;
    std::string source;
    std::string description;
    bool undefined = false;
};

// Evaluates `text` with x (and optionally y) set, on an object whose previous
// result is a sentinel, so an evaluation that leaves no value is told apart
// from one whose value happens to be the sentinel's.
inline Outcome Evaluate(const QString& text, double x, std::optional<double> y = {}) {
    constexpr double kSentinel = 8765.4321;
    clsEquation equation;
    equation.SetEquation("8765.4321");
    equation.Solve();
    equation.SetEquation(text.toStdString());
    equation.SetVar("x", x);
    if (y)
        equation.SetVar("y", *y);
    Outcome outcome;
    try {
        equation.Solve();
        outcome.undefined = equation.Undefined();
        const double value = equation.Solution();
        if (value == kSentinel && outcome.undefined) {
            outcome.kind = Kind::NoValue;
        } else {
            outcome.kind = Kind::Value;
            outcome.value = value;
        }
    } catch (const EngineError& error) {
        outcome.kind = Kind::Error;
        outcome.number = error.Number();
        outcome.source = error.Source();
        outcome.description = error.Description();
    }
    return outcome;
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
