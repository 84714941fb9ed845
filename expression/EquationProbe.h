#pragma once

#include "expression/Tokens.h"

class clsEquation;

// Access to the inner state of an expression object, for the engine's tests
// and benchmarks: the two flags, how often it parsed and evaluated, the token
// list of the last successful parse, and which evaluation path runs.
struct EquationProbe {
    // Compiled: the compiled plan, falling back to the reduction where a
    // step passes over a fault (what users run). General: the reduction in
    // place every time, with indexed searches. GeneralScan: the reduction
    // with the searches scanning slot by slot, literally.
    enum class Path { Compiled, General, GeneralScan };
    static void SetPath(clsEquation& equation, Path path);
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
