#include "expression/clsEquation.h"

#include "expression/EngineError.h"
#include "expression/EquationInspector.h"
#include "expression/ErrorTexts.h"
#include "expression/ExpressionParser.h"
#include "expression/RandomGenerator.h"
#include "expression/Reduction.h"
#include "expression/TextCase.h"
#include "expression/VariableTable.h"

#include <utility>
#include <vector>

using namespace quivela::expression;

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

    // Table handles of parsed.variables, valid while the table's generation
    // and the parse stay the same.
    std::vector<int> bindings;
    std::uint64_t bindingsGeneration = 0;
    bool bindingsValid = false;

    void Bind() {
        if (bindingsValid && bindingsGeneration == variables.Generation())
            return;
        bindings.resize(parsed.variables.size());
        for (std::size_t i = 0; i < bindings.size(); ++i)
            bindings[i] = variables.Find(parsed.variables[i]);
        bindingsGeneration = variables.Generation();
        bindingsValid = true;
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
    State& s = *state_;
    s.undefined = false;
    if (!s.parseCurrent) {
        ParsedExpression fresh;
        ++s.parses;
        const ErrorCode error = ParseExpression(s.text, fresh);
        if (error != ErrorCode::None)
            throw MakeEngineError(error, {});
        s.parsed = std::move(fresh);
        s.reduction.Prepare(s.parsed);
        s.bindingsValid = false;
        s.parseCurrent = true;
    }
    s.Bind();

    ++s.reductions;
    const ReductionContext context{s.variables, s.bindings, ProcessRandomGenerator()};
    const ReductionOutcome outcome = s.reduction.Run(s.parsed, context);
    if (outcome.error != ErrorCode::None)
        throw MakeEngineError(outcome.error, outcome.detail);
    if (outcome.hasValue)
        s.result = outcome.value;
    s.undefined = outcome.domainFault || !outcome.hasValue;
    s.resultStale = false;
}

double clsEquation::Var(std::string_view name) {
    return state_->variables.Get(name);
}

void clsEquation::SetVar(std::string_view name, double value) {
    state_->resultStale = true;
    state_->variables.Set(name, value);
}

bool clsEquation::Undefined() const {
    return state_->undefined;
}

bool EquationInspector::ResultStale(const clsEquation& e) {
    return e.state_->resultStale;
}
bool EquationInspector::ParseCurrent(const clsEquation& e) {
    return e.state_->parseCurrent;
}
int EquationInspector::Parses(const clsEquation& e) {
    return e.state_->parses;
}
int EquationInspector::Reductions(const clsEquation& e) {
    return e.state_->reductions;
}
const ParsedExpression& EquationInspector::Parsed(const clsEquation& e) {
    return e.state_->parsed;
}
