#pragma once

#include "expression/Reduction.h"
#include "expression/Tokens.h"

#include <functional>

class clsEquation;

// Access to the inner state of an expression object, for the engine's tests
// and benchmarks: the two flags, how often it parsed and evaluated, the token
// list of the last successful parse, and a Solve by another evaluation.
struct EquationProbe {
    // Solve, with `evaluate` in place of the object's own evaluation (the
    // compiled plan, or the reduction where the plan cannot go): parses when
    // needed, then keeps or raises what `evaluate` gives, as Solve does.
    using Evaluation = std::function<quivela::expression::ReductionOutcome(
        const quivela::expression::ParsedExpression&,
        const quivela::expression::ReductionContext&)>;
    static void SolveWith(clsEquation& equation, const Evaluation& evaluate);
    // Evaluations that started on the plan and were run again by the
    // reduction.
    static int Fallbacks(const clsEquation& equation);
    // Whether the current parse has a plan that can run at all.
    static bool PlanUsable(const clsEquation& equation);
    // Variants of the plan compiled so far (1 until a step passes over a fault).
    static int PlanVariants(const clsEquation& equation);
    // The stored result, read without solving.
    static double StoredResult(const clsEquation& equation);

    static bool ResultStale(const clsEquation& equation);
    static bool ParseCurrent(const clsEquation& equation);
    static int Parses(const clsEquation& equation);
    static int Reductions(const clsEquation& equation);
    static const quivela::expression::ParsedExpression& Parsed(const clsEquation& equation);
};
