#include "expression/clsEquation.h"

#include "expression/CompiledPlan.h"
#include "expression/EngineError.h"
#include "expression/EquationProbe.h"
#include "expression/ErrorTexts.h"
#include "expression/ExpressionParser.h"
#include "expression/RandomGenerator.h"
#include "expression/Reduction.h"
#include "expression/TextCase.h"
#include "expression/VariableTable.h"
#include "expression/VectorState.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

using namespace quivela::expression;

// The parser counts the characters of a text in a 16-bit integer.
static_assert(clsEquation::LongestText == static_cast<std::size_t>(kInt16Max));

struct clsEquation::State {
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

    // One evaluation, kept as Solve keeps it; the error instead when it
    // raises (the object then holds what it held).
    std::optional<EngineError> EvaluateAndKeep() {
        const ReductionOutcome outcome = Evaluate();
        if (outcome.error != ErrorCode::None)
            return MakeEngineError(outcome.error, outcome.detail);
        Keep(outcome.hasValue, outcome.value, outcome.domainFault || !outcome.hasValue);
        return std::nullopt;
    }

    // Solve past its common case (see Solve).
    [[gnu::noinline]] void SolveOtherwise() {
        if (!ready)
            Prepare();
        if (std::optional<EngineError> error = EvaluateAndKeep())
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
        run.error = EvaluateAndKeep();
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

bool EquationProbe::ResultStale(const clsEquation& e) {
    return e.state_->resultStale;
}
bool EquationProbe::ParseCurrent(const clsEquation& e) {
    return e.state_->parseCurrent;
}
int EquationProbe::Parses(const clsEquation& e) {
    return e.state_->parses;
}
int EquationProbe::Reductions(const clsEquation& e) {
    return e.state_->reductions;
}
const ParsedExpression& EquationProbe::Parsed(const clsEquation& e) {
    return e.state_->parsed;
}
void EquationProbe::SolveWith(clsEquation& e, const Evaluation& evaluate) {
    clsEquation::State& s = *e.state_;
    s.undefined = false;
    if (!s.ready)
        s.Prepare();
    ++s.reductions;
    const ReductionContext context{s.variables, s.bindings, s.random};
    const ReductionOutcome outcome = evaluate(s.parsed, context);
    if (outcome.error != ErrorCode::None)
        throw MakeEngineError(outcome.error, outcome.detail);
    s.Keep(outcome.hasValue, outcome.value, outcome.domainFault || !outcome.hasValue);
}
int EquationProbe::Fallbacks(const clsEquation& e) {
    return e.state_->fallbacks;
}
double EquationProbe::StoredResult(const clsEquation& e) {
    return e.state_->result;
}
int EquationProbe::PlanVariants(const clsEquation& e) {
    return static_cast<int>(e.state_->plan.Variants());
}
bool EquationProbe::PlanUsable(const clsEquation& e) {
    return e.state_->plan.Usable();
}
