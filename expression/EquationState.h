#pragma once

// The inside of an expression object: clsEquation's own source and the
// engine's tests read it, nothing else (the interface is clsEquation.h).

#include "expression/CompiledPlan.h"
#include "expression/EngineError.h"
#include "expression/ErrorTexts.h"
#include "expression/ExpressionParser.h"
#include "expression/RandomGenerator.h"
#include "expression/Reduction.h"
#include "expression/VariableTable.h"
#include "expression/clsEquation.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quivela::expression {

struct EquationState {
    bool resultStale = false;
    bool parseCurrent = true; // an object never assigned holds the empty expression
    // Parsed, and bound to the table as it is: Solve goes straight to the
    // evaluation. Whatever changes the text or the table's entries clears it.
    bool ready = false;
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
    int fallbacks = 0; // evaluations that the plan left to the reduction
    RandomGenerator& random = ProcessRandomGenerator();

    // Table handles of parsed.variables, valid while `ready`.
    std::vector<int> bindings;
    // The plan can stand in for the reduction: it is usable and every
    // variable is bound (a missing one is the reduction's to report).
    bool planRuns = false;
    // The plan runs on its own, drawing nothing (while `ready`).
    bool quick = false;
    // The last name given to SetVar and its entry, while the table keeps it.
    std::string lastName;
    int lastHandle = -1;
    std::uint64_t lastGeneration = 0;

    // Parses when the text changed (raising the parser's error), and binds
    // the variables to the table's entries.
    [[gnu::noinline]] void Prepare() {
        if (!parseCurrent) {
            ParsedExpression fresh;
            ++parses;
            const ErrorCode error = ParseExpression(text, fresh);
            if (error != ErrorCode::None)
                throw MakeEngineError(error, {});
            parsed = std::move(fresh);
            reduction.Prepare(parsed);
            plan.Compile(parsed);
            parseCurrent = true;
        }
        bindings.resize(parsed.variables.size());
        bool allBound = true;
        for (std::size_t i = 0; i < bindings.size(); ++i) {
            bindings[i] = variables.Find(parsed.variables[i]);
            allBound = allBound && bindings[i] >= 0;
        }
        planRuns = plan.Usable() && allBound;
        ready = true;
        quick = planRuns && !plan.DrawsRandom();
    }

    // One evaluation of the parsed expression with the current variables:
    // the plan, unless it cannot stand in for the reduction this time; then
    // the reduction runs it from its start, with the random generator put
    // back as it was so that nothing is drawn twice.
    ReductionOutcome Evaluate() {
        ++reductions;
        if (planRuns) {
            RandomGenerator::Snapshot before{};
            if (plan.DrawsRandom())
                before = random.Save();
            double value = 0;
            switch (plan.Run(parsed, variables, bindings, random, value)) {
            case CompiledPlan::End::Value:
                return ReductionOutcome{ErrorCode::None, {}, true, value, false};
            case CompiledPlan::End::ValueAfterFault:
                return ReductionOutcome{ErrorCode::None, {}, true, value, true};
            case CompiledPlan::End::NoValue:
                return ReductionOutcome{};
            case CompiledPlan::End::Raised: {
                const int detail = plan.RaisedDetail();
                return ReductionOutcome{plan.RaisedError(),
                                        detail < 0
                                            ? std::string_view{}
                                            : parsed.tokens[static_cast<std::size_t>(detail)].text,
                                        false, 0, false};
            }
            case CompiledPlan::End::Fallback:
                break;
            }
            ++fallbacks;
            if (plan.DrawsRandom())
                random.Restore(before);
        }
        return reduction.Run(parsed, ReductionContext{variables, bindings, random});
    }

    // Keeps what an evaluation gave, as Solve keeps it; the error instead
    // when it raised (the object then holds what it held).
    std::optional<EngineError> KeepOrReport(const ReductionOutcome& outcome) {
        if (outcome.error != ErrorCode::None)
            return MakeEngineError(outcome.error, outcome.detail);
        Keep(outcome.hasValue, outcome.value, outcome.domainFault || !outcome.hasValue);
        return std::nullopt;
    }

    // Solve past its common case (see Solve).
    [[gnu::noinline]] void SolveOtherwise() {
        if (!ready)
            Prepare();
        if (std::optional<EngineError> error = KeepOrReport(Evaluate()))
            throw std::move(*error);
    }

    [[gnu::noinline]] void SetVarOtherwise(std::string_view name, double value) {
        const std::uint64_t generation = variables.Generation();
        variables.Set(name, value);
        ready = ready && variables.Generation() == generation;
        lastName.assign(name);
        lastHandle = variables.Find(name);
        lastGeneration = variables.Generation();
    }

    // The text or the table's entries changed.
    void Unbind() {
        ready = false;
        resultStale = true;
    }

    // One sample of SolveRange on its own, exactly as SetVar and Solve would
    // take it: false, with the error in `run`, when it raises.
    bool SolveAt(int handle, double x, SampleRun& run) {
        variables.SetValueAt(handle, x);
        resultStale = true;
        undefined = false;
        run.error = KeepOrReport(Evaluate());
        return !run.error;
    }

    // Stores what an evaluation that raised nothing gives: its value, if it
    // left one (otherwise the earlier result stays), and whether the result
    // is not the expression's value there.
    void Keep(bool hasValue, double value, bool isUndefined) {
        if (hasValue)
            result = value;
        undefined = isUndefined;
        resultStale = false;
    }
};

} // namespace quivela::expression

struct clsEquation::State : quivela::expression::EquationState {};
