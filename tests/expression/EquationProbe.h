#pragma once

#include "expression/EquationState.h"

#include <functional>
#include <utility>

// Access to the inner state of an expression object, for the engine's tests:
// the two flags, how often it parsed and evaluated, what its plan holds, and
// a Solve by another evaluation.
struct EquationProbe {
    using Evaluation =
        std::function<quivela::expression::Outcome(const quivela::expression::ParsedExpression&,
                                                   const quivela::expression::ReductionContext&)>;

    // Solve, with `evaluate` in place of the object's own evaluation (the
    // compiled plan, or the reduction where the plan cannot go): parses when
    // needed, then keeps or raises what `evaluate` gives, as Solve does.
    static void SolveWith(clsEquation& equation, const Evaluation& evaluate) {
        clsEquation::State& s = *equation.state_;
        s.undefined = false;
        if (s.route == quivela::expression::Route::Unprepared)
            s.Prepare();
        ++s.reductions;
        const quivela::expression::ReductionContext context{s.variables, s.bindings, s.random};
        if (std::optional<quivela::expression::EngineError> error =
                s.KeepOrReport(evaluate(s.parsed, context)))
            throw std::move(*error);
    }
    // Evaluations that started on the plan and were run again by the
    // reduction.
    static int Fallbacks(const clsEquation& e) { return e.state_->fallbacks; }
    // Whether the current parse has a plan that can run at all.
    static bool PlanUsable(const clsEquation& e) { return e.state_->plan.Usable(); }
    // Variants of the plan compiled so far (1 until a step passes over a fault).
    static int PlanVariants(const clsEquation& e) { return int(e.state_->plan.Variants()); }
    // The stored result, read without solving.
    static double StoredResult(const clsEquation& e) { return e.state_->result; }

    static bool ResultStale(const clsEquation& e) { return e.state_->resultStale; }
    static bool ParseCurrent(const clsEquation& e) { return e.state_->parseCurrent; }
    static int Parses(const clsEquation& e) { return e.state_->parses; }
    static int Reductions(const clsEquation& e) { return e.state_->reductions; }
};
