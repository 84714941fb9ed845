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
#include <utility>
#include <vector>

using namespace quivela::expression;

// The parser counts the characters of a text in a 16-bit integer.
static_assert(clsEquation::LongestText == static_cast<std::size_t>(kInt16Max));

struct clsEquation::State {
    bool resultStale = false;
    bool parseCurrent = true; // an object never assigned holds the empty expression
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

    // Table handles of parsed.variables, valid while the table's generation
    // and the parse stay the same.
    std::vector<int> bindings;
    std::uint64_t bindingsGeneration = 0;
    bool bindingsValid = false;
    bool allBound = false;
    // The plan runs on its own, drawing nothing, with every variable bound.
    bool pure = false;
    // The last name given to SetVar and its entry, while the table keeps it.
    std::string lastName;
    int lastHandle = -1;
    std::uint64_t lastGeneration = 0;

    void Bind() {
        if (bindingsValid && bindingsGeneration == variables.Generation())
            return;
        bindings.resize(parsed.variables.size());
        allBound = true;
        for (std::size_t i = 0; i < bindings.size(); ++i) {
            bindings[i] = variables.Find(parsed.variables[i]);
            allBound = allBound && bindings[i] >= 0;
        }
        bindingsGeneration = variables.Generation();
        bindingsValid = true;
        pure = plan.Usable() && allBound && !plan.DrawsRandom();
    }

    void ParseIfNeeded() {
        if (parseCurrent)
            return;
        ParsedExpression fresh;
        ++parses;
        const ErrorCode error = ParseExpression(text, fresh);
        if (error != ErrorCode::None)
            throw MakeEngineError(error, {});
        parsed = std::move(fresh);
        reduction.Prepare(parsed);
        plan.Compile(parsed);
        bindingsValid = false;
        parseCurrent = true;
    }

    // One evaluation of the parsed expression with the current variables.
    // The plan runs unless a variable is missing (the reduction reports it at
    // its step); when the plan meets a fault that is passed over, the
    // evaluation is run again from its start by the reduction, with the
    // random generator put back as it was so that nothing is drawn twice.
    ReductionOutcome Evaluate() {
        Bind();
        ++reductions;
        RandomGenerator& random = ProcessRandomGenerator();
        if (plan.Usable() && allBound) {
            RandomGenerator::Snapshot before{};
            if (plan.DrawsRandom())
                before = random.Save();
            ReductionOutcome outcome;
            if (FromPlan(plan.Run(parsed, variables, bindings, random), outcome))
                return outcome;
            ++fallbacks;
            if (plan.DrawsRandom())
                random.Restore(before);
        }
        const ReductionContext context{variables, bindings, random};
        return reduction.Run(parsed, context);
    }

    // What the plan's outcome means; false when the reduction must run.
    bool FromPlan(const CompiledPlan::Outcome& run, ReductionOutcome& outcome) const {
        switch (run.status) {
        case CompiledPlan::Status::Value:
            outcome = ReductionOutcome{ErrorCode::None, {}, true, run.value, run.domainFault};
            return true;
        case CompiledPlan::Status::NoValue:
            outcome = ReductionOutcome{ErrorCode::None, {}, false, 0, run.domainFault};
            return true;
        case CompiledPlan::Status::Raised:
            outcome = ReductionOutcome{};
            outcome.error = run.error;
            if (run.detailToken >= 0)
                outcome.detail = parsed.tokens[static_cast<std::size_t>(run.detailToken)].text;
            return true;
        case CompiledPlan::Status::Fallback:
            break;
        }
        return false;
    }

    // Solve past its common case: the plan of an expression that draws
    // nothing, when it ended with no value or stopped at a step that fails
    // (RunPure has run), or any evaluation that needs more.
    [[gnu::noinline]] void SolveOtherwise() {
        if (parseCurrent && pure && bindingsValid && bindingsGeneration == variables.Generation()) {
            if (plan.Stopped() == CompiledPlan::Status::NoValue) {
                ++reductions;
                undefined = true;
                resultStale = false;
                return;
            }
            // It stopped at a step that fails: go on from there. When it
            // needs more variants than it may have, the full evaluation below
            // runs it again from the start (harmless: nothing was drawn or
            // stored).
            ReductionOutcome outcome;
            if (FromPlan(plan.ResumePure(parsed, ProcessRandomGenerator()), outcome)) {
                ++reductions;
                if (outcome.error != ErrorCode::None)
                    throw MakeEngineError(outcome.error, outcome.detail);
                Accept(outcome);
                return;
            }
        }
        ParseIfNeeded();
        const ReductionOutcome outcome = Evaluate();
        if (outcome.error != ErrorCode::None)
            throw MakeEngineError(outcome.error, outcome.detail);
        Accept(outcome);
    }

    [[gnu::noinline]] void SetVarOtherwise(std::string_view name, double value) {
        variables.Set(name, value);
        lastName.assign(name);
        lastHandle = variables.Find(name);
        lastGeneration = variables.Generation();
    }

    // Stores what an evaluation that raised nothing gives.
    void Accept(const ReductionOutcome& outcome) {
        if (outcome.hasValue)
            result = outcome.value;
        undefined = outcome.domainFault || !outcome.hasValue;
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
    state_->resultStale = true;
}

std::string clsEquation::Equation() const {
    return state_->text;
}

void clsEquation::SetEquation(std::string_view text) {
    state_->parseCurrent = false;
    state_->resultStale = true;
    state_->text = LowerCased(text);
}

void clsEquation::VarRemove(std::string_view name) {
    state_->variables.Remove(name);
    state_->resultStale = true;
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
    // nothing runs straight through. Everything else is out of line, so that
    // this path stays short.
    double value = 0;
    if (s.parseCurrent && s.pure && s.bindingsValid &&
        s.bindingsGeneration == s.variables.Generation() &&
        s.plan.RunPure(s.variables, s.bindings, value) == CompiledPlan::Status::Value) {
        ++s.reductions;
        s.result = value;
        s.resultStale = false;
        return;
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
    if (s.plan.Usable() && s.allBound && s.plan.BatchSize() > 0)
        return SolveInBlocks(run, handle, xs, values, undefined);
    for (std::size_t i = 1; i < xs.size(); ++i) {
        s.resultStale = true;
        s.variables.SetValueAt(handle, xs[i]);
        s.undefined = false;
        const ReductionOutcome outcome = s.Evaluate();
        if (outcome.error != ErrorCode::None) {
            run.error = MakeEngineError(outcome.error, outcome.detail);
            return run;
        }
        s.Accept(outcome);
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
    RandomGenerator& random = ProcessRandomGenerator();
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
                s.variables.SetValueAt(handle, blockXs[j]);
                s.resultStale = true;
                s.undefined = false;
                const ReductionOutcome outcome = s.Evaluate();
                if (outcome.error != ErrorCode::None) {
                    run.error = MakeEngineError(outcome.error, outcome.detail);
                    run.solved = i;
                    return std::move(run);
                }
                s.Accept(outcome);
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
    s.ParseIfNeeded();
    s.Bind();
    ++s.reductions;
    const ReductionContext context{s.variables, s.bindings, ProcessRandomGenerator()};
    const ReductionOutcome outcome = evaluate(s.parsed, context);
    if (outcome.error != ErrorCode::None)
        throw MakeEngineError(outcome.error, outcome.detail);
    s.Accept(outcome);
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
