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
    double value = 0;
    if (s.ready && s.quick) [[likely]] {
        const CompiledPlan::End end =
            s.plan.Run(s.parsed, s.variables, s.bindings, s.random, value);
        if (end <= CompiledPlan::End::NoValue) [[likely]] {
            ++s.reductions;
            s.Keep(end != CompiledPlan::End::NoValue, value, end != CompiledPlan::End::Value);
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
    if (s.planRuns && s.plan.BatchSize() > 0)
        return SolveInBlocks(run, handle, xs, values, undefined);
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

// SolveRange from sample 1 on, in blocks of samples run through the plan
// together. A sample that met a fault anywhere is run again on its own, in
// order, exactly as Solve would run it, so that what it leaves (its value or
// the kept result, its flag, or the error that ends the run) is the same.
SampleRun clsEquation::SolveInBlocks(SampleRun& run, int handle, std::span<const double> xs,
                                     double* values, bool* undefined) {
    State& s = *state_;
    int swept = -1;
    for (std::size_t k = 0; k < s.bindings.size(); ++k)
        if (s.bindings[k] == handle)
            swept = static_cast<int>(k);
    s.plan.PrepareBatch(s.variables, s.bindings, swept);
    const std::size_t block = s.plan.BatchSize();
    const std::size_t count = xs.size();
    const auto lanes = std::make_unique<CompiledPlan::Lane[]>(block);
    RandomGenerator& random = s.random;
    for (std::size_t i = 1; i < count;) {
        const std::size_t n = std::min(block, count - i);
        const double* blockXs = xs.data() + i;
        // The plan writes the values of the block in place; the loop below
        // puts the kept result where a sample has none.
        double* const results = values + i;
        if (s.plan.RunBatch(s.parsed, random, blockXs, n, results, lanes.get())) {
            std::fill_n(undefined + i, n, false);
            i += n;
            s.result = values[i - 1];
            s.undefined = false;
            s.reductions += static_cast<int>(n);
            s.resultStale = false;
            run.solved = i;
            continue;
        }
        // Kept in locals through the block: the stores through `values` and
        // `undefined` could otherwise alias the object's fields.
        double result = s.result;
        bool wasUndefined = s.undefined;
        int reductions = s.reductions;
        for (std::size_t j = 0; j < n; ++j, ++i) {
            const CompiledPlan::Lane lane = lanes[j];
            if (lane == CompiledPlan::Lane::Rerun) [[unlikely]] {
                s.result = result;
                s.reductions = reductions;
                if (!s.SolveAt(handle, blockXs[j], run)) {
                    run.solved = i;
                    return std::move(run);
                }
                result = s.result;
                wasUndefined = s.undefined;
                reductions = s.reductions;
            } else {
                ++reductions;
                if (lane != CompiledPlan::Lane::NoValue)
                    result = results[j];
                wasUndefined = lane != CompiledPlan::Lane::Value;
            }
            values[i] = result;
            undefined[i] = wasUndefined;
        }
        s.result = result;
        s.undefined = wasUndefined;
        s.reductions = reductions;
        s.resultStale = false;
        run.solved = i;
    }
    s.variables.SetValueAt(handle, xs.back());
    return std::move(run);
}

bool clsEquation::Undefined() const {
    return state_->undefined;
}
