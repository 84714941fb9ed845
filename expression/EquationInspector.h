#pragma once

#include "expression/Tokens.h"

class clsEquation;

// Read-only access to the inner state of an expression object, for the
// engine's tests: the two flags, how often it parsed and evaluated, and the
// token list of the last successful parse.
struct EquationInspector {
    static bool ResultStale(const clsEquation& equation);
    static bool ParseCurrent(const clsEquation& equation);
    static int Parses(const clsEquation& equation);
    static int Reductions(const clsEquation& equation);
    static const quivela::expression::ParsedExpression& Parsed(const clsEquation& equation);
};
