#pragma once

// The inside of an expression object: the solver (Solver.cpp) and the
// engine's tests read it, nothing else (the interface is clsEquation.h).

#include "expression/CompiledPlan.h"
#include "expression/EngineError.h"
#include "expression/ExpressionParser.h"
#include "expression/PlanBlocks.h"
#include "expression/RandomGenerator.h"
#include "expression/Reduction.h"
#include "expression/VariableTable.h"
#include "expression/clsEquation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quivela::expression {

// How Solve evaluates the expression, as far as the text and the table's
// entries allow; whatever changes either of them sets Unprepared.
enum class Route : std::uint8_t {
    // Parse (if the text changed) and bind the variables first.
    Unprepared,
    // The general reduction: the plan cannot stand in for it (a stray ")" is
    // looked up, or a variable is unbound and the reduction reports it).
    Reduction,
    // The plan, which draws random numbers: the generator is put back before
    // a fallback, and samples run one by one.
    PlanDrawing,
    // The plan, drawing nothing: Solve's common case, and blocks of samples.
    Plan,
};

struct EquationState {
    bool resultStale = false;
    bool parseCurrent = true; // an object never assigned holds the empty expression
    Route route = Route::Unprepared;
    VariableTable variables;
    std::string text;
    bool graus = false;
    double result = 0;
    bool undefined = false;
    int parses = 0;     // parser runs, successful or not
    int reductions = 0; // evaluations of the token list

    ParsedExpression parsed;
    GeneralReduction reduction;
    CompiledPlan plan;
    PlanBlocks blocks;
    int fallbacks = 0; // evaluations that the plan left to the reduction
    RandomGenerator& random = ProcessRandomGenerator();

    // Table handles of parsed.variables, valid while the route is prepared.
    std::vector<int> bindings;
    // The last name given to SetVar and its entry, while the table keeps it.
    std::string lastName;
    int lastHandle = -1;
    std::uint64_t lastGeneration = 0;

    // Parses when the text changed (raising the parser's error), binds the
    // variables to the table's entries and chooses the route.
    void Prepare();
    // One evaluation with the current variables, by the route.
    Outcome Evaluate();
    // Keeps what an evaluation gave, as Solve keeps it; the error instead
    // when it raised (the object then holds what it held).
    std::optional<EngineError> KeepOrReport(const Outcome& outcome);
    // Keeps the result of an evaluation that raised nothing.
    void Keep(End end, double value);
    // Solve past its common case (see clsEquation::Solve).
    void SolveOtherwise();
    void SetVarOtherwise(std::string_view name, double value);
    // One sample of SolveRange on its own, exactly as SetVar and Solve would
    // take it: false, with the error in `run`, when it raises.
    bool SolveAt(int handle, double x, SampleRun& run);
    // SolveRange from its second sample on, in blocks of samples.
    void SolveInBlocks(SampleRun& run, int handle, std::span<const double> xs, double* values,
                       bool* flags);
    // The text or the table's entries changed.
    void Unbind() {
        route = Route::Unprepared;
        resultStale = true;
    }
};

} // namespace quivela::expression

struct clsEquation::State : quivela::expression::EquationState {};
