// Solving an expression object: the route an evaluation takes (the compiled
// plan, the general reduction, blocks of samples), and what its outcome
// leaves in the object.

#include "expression/clsEquation.h"

#include "expression/EquationState.h"
#include "expression/TextCase.h"
#include "expression/VectorState.h"

#include <algorithm>
#include <optional>
#include <utility>

using namespace quivela::expression;

// The parser counts the characters of a text in a 16-bit integer.
static_assert(clsEquation::LongestText == static_cast<std::size_t>(kInt16Max));

namespace {

// The one place where an evaluation that raised nothing becomes the result
// and the flag: its value, if it left one (otherwise the earlier result
// stays), and whether the result is not the expression's value there.
inline void Settle(End end, double value, double& result, bool& undefined) {
    if (end <= End::ValueAfterFault)
        result = value;
    undefined = end != End::Value;
}

} // namespace

namespace quivela::expression {

[[gnu::noinline]] void EquationState::Prepare() {
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
    if (!plan.Usable() || !allBound)
        route = Route::Reduction;
    else
        route = plan.DrawsRandom() ? Route::PlanDrawing : Route::Plan;
}

// The plan, unless it cannot stand in for the reduction this time; then the
// reduction runs it from its start, with the random generator put back as it
// was so that nothing is drawn twice (a plan that draws nothing left it as it
// was anyway).
Outcome EquationState::Evaluate() {
    ++reductions;
    if (route >= Route::PlanDrawing) {
        const RandomGenerator::Snapshot before = random.Save();
        Outcome outcome;
        outcome.end = plan.Run(parsed, variables, bindings, random, outcome);
        if (outcome.end != End::Fallback)
            return outcome;
        ++fallbacks;
        random.Restore(before);
    }
    return reduction.Run(parsed, ReductionContext{variables, bindings, random});
}

std::optional<EngineError> EquationState::KeepOrReport(const Outcome& outcome) {
    if (outcome.end != End::Raised) {
        Keep(outcome.end, outcome.value);
        return std::nullopt;
    }
    const auto detail = static_cast<std::size_t>(outcome.detail);
    return MakeEngineError(outcome.error, outcome.detail < 0 ? "" : parsed.tokens[detail].text);
}

void EquationState::Keep(End end, double value) {
    Settle(end, value, result, undefined);
    resultStale = false;
}

[[gnu::noinline]] void EquationState::SolveOtherwise() {
    if (route == Route::Unprepared)
        Prepare();
    if (std::optional<EngineError> error = KeepOrReport(Evaluate()))
        throw std::move(*error);
}

[[gnu::noinline]] void EquationState::SetVarOtherwise(std::string_view name, double value) {
    const std::uint64_t generation = variables.Generation();
    variables.Set(name, value);
    if (variables.Generation() != generation)
        route = Route::Unprepared;
    lastName.assign(name);
    lastHandle = variables.Find(name);
    lastGeneration = variables.Generation();
}

bool EquationState::SolveAt(int handle, double x, SampleRun& run) {
    variables.SetValueAt(handle, x);
    resultStale = true;
    undefined = false;
    run.error = KeepOrReport(Evaluate());
    return !run.error;
}

// SolveRange from sample 1 on, in blocks of samples run through the plan
// together. A sample that met a fault anywhere is run again on its own, in
// order, exactly as Solve would run it, so that what it leaves (its value or
// the kept result, its flag, or the error that ends the run) is the same.
void EquationState::SolveInBlocks(SampleRun& run, int handle, std::span<const double> xs,
                                  double* values, bool* flags) {
    int swept = -1;
    for (std::size_t k = 0; k < bindings.size(); ++k)
        if (bindings[k] == handle)
            swept = static_cast<int>(k);
    blocks.Prepare(plan, variables, bindings, swept);
    const std::size_t block = PlanBlocks::Size(plan);
    for (std::size_t i = 1; i < xs.size();) {
        const std::size_t n = std::min(block, xs.size() - i);
        const double* blockXs = xs.data() + i;
        // The plan writes the values of the block in place; the loop below
        // puts the kept result where a sample has none.
        double* const results = values + i;
        if (blocks.Run(parsed, blockXs, n, results)) {
            std::fill_n(flags + i, n, false);
            i += n;
            reductions += static_cast<int>(n);
            Keep(End::Value, values[i - 1]);
            run.solved = i;
            continue;
        }
        // Kept in locals through the block: the stores through `values` and
        // `flags` could otherwise alias the object's fields.
        double kept = result;
        bool keptUndefined = undefined;
        int evaluations = reductions;
        for (std::size_t j = 0; j < n; ++j, ++i) {
            const End lane = blocks.Lane(j);
            if (lane == End::Fallback) [[unlikely]] {
                result = kept;
                reductions = evaluations;
                if (!SolveAt(handle, blockXs[j], run)) {
                    run.solved = i;
                    return;
                }
                kept = result;
                keptUndefined = undefined;
                evaluations = reductions;
            } else {
                ++evaluations;
                Settle(lane, results[j], kept, keptUndefined);
            }
            values[i] = kept;
            flags[i] = keptUndefined;
        }
        result = kept;
        undefined = keptUndefined;
        reductions = evaluations;
        resultStale = false;
        run.solved = i;
    }
    variables.SetValueAt(handle, xs.back());
}

} // namespace quivela::expression

clsEquation::clsEquation() : state_(std::make_unique<State>()) {}
clsEquation::~clsEquation() = default;
clsEquation::clsEquation(clsEquation&&) noexcept = default;
clsEquation& clsEquation::operator=(clsEquation&&) noexcept = default;

bool clsEquation::Graus() const {
    return state_->graus;
}

void clsEquation::SetGraus(bool value) {
    if (value == state_->graus)
        return;
    state_->graus = value;
    state_->resultStale = true;
}

void clsEquation::VarClear() {
    state_->variables.Clear();
    state_->Unbind();
}

std::string clsEquation::Equation() const {
    return state_->text;
}

void clsEquation::SetEquation(std::string_view text) {
    state_->parseCurrent = false;
    state_->Unbind();
    state_->text = LowerCased(text);
}

void clsEquation::VarRemove(std::string_view name) {
    state_->variables.Remove(name);
    state_->Unbind();
}

double clsEquation::Solution() {
    if (state_->resultStale)
        Solve();
    return state_->result;
}

void clsEquation::Solve() {
    // The caller may have left the vector registers dirty (the toolkit does);
    // every library call below would pay for it.
    ClearUpperVectorState();
    State& s = *state_;
    s.undefined = false;
    // The common case, without detours: the plan of an expression that draws
    // nothing runs to a value or to no value. Everything else (parsing,
    // binding, errors, the reduction) is out of line, so that this path stays
    // short; a plan that raised or fell back is simply run again there.
    if (s.route == Route::Plan) [[likely]] {
        Outcome outcome;
        const End end = s.plan.Run(s.parsed, s.variables, s.bindings, s.random, outcome);
        if (end <= End::NoValueAfterFault) [[likely]] {
            ++s.reductions;
            s.Keep(end, outcome.value);
            return;
        }
    }
    s.SolveOtherwise();
}

SampleRun clsEquation::SolveRange(std::string_view name, std::span<const double> xs, double* values,
                                  bool* undefined) {
    SampleRun run;
    if (xs.empty())
        return run;
    ClearUpperVectorState(); // as in Solve, once for the whole run
    State& s = *state_;
    // The first sample goes the ordinary way: it may parse, and it creates the
    // variable. After it the variable's entry stays where it is, so each later
    // sample only replaces the value, as SetVar would with the same name.
    try {
        SetVar(name, xs[0]);
        Solve();
    } catch (EngineError& error) {
        run.error = std::move(error);
        return run;
    }
    values[0] = s.result;
    undefined[0] = s.undefined;
    run.solved = 1;
    const int handle = s.variables.Find(name);
    if (s.route == Route::Plan && PlanBlocks::Size(s.plan) > 0) {
        s.SolveInBlocks(run, handle, xs, values, undefined);
        return run;
    }
    for (std::size_t i = 1; i < xs.size(); ++i) {
        if (!s.SolveAt(handle, xs[i], run))
            return run;
        values[i] = s.result;
        undefined[i] = s.undefined;
        run.solved = i + 1;
    }
    return run;
}

double clsEquation::Var(std::string_view name) {
    return state_->variables.Get(name);
}

void clsEquation::SetVar(std::string_view name, double value) {
    State& s = *state_;
    s.resultStale = true;
    // A plot sets the same name at every sample: its entry is remembered.
    if (s.lastHandle >= 0 && s.lastGeneration == s.variables.Generation() &&
        SameBytes(s.lastName, name)) {
        s.variables.SetValueAt(s.lastHandle, value);
        return;
    }
    s.SetVarOtherwise(name, value);
}

bool clsEquation::Undefined() const {
    return state_->undefined;
}

std::optional<double> clsEquation::ValueAt(std::string_view name, double x) {
    SetVar(name, x);
    Solve();
    const double value = state_->result;
    if (state_->undefined || !IsFinite(value))
        return std::nullopt;
    return value;
}

std::size_t clsEquation::Characters(std::string_view text) {
    return CountCodePoints(text);
}
