#include "expression/Reduction.h"

#include "expression/RandomGenerator.h"
#include "expression/VariableTable.h"

namespace quivela::expression {

double ValueMachine::Rnd() {
    return context_.random.Next();
}

Step ValueMachine::Apply(int formula, double u, double w, double& out) {
    const FunctionResult result = CallFunction(formula, u, w, context_.random);
    if (result.fault == Fault::None) {
        out = result.value;
        return Step::Stored;
    }
    error = RaisedBy(result.fault);
    if (error != ErrorCode::None)
        return Step::Raised;
    passedOver = true;
    return Step::PassedOver;
}

Step ValueMachine::Variable(const Token& token, double& out) {
    return ValueAt(context_.bindings[static_cast<std::size_t>(token.variable)], out);
}

Step ValueMachine::Name(const Token& token, double& out) {
    return ValueAt(context_.variables.Find(token.text), out);
}

Step ValueMachine::ValueAt(int handle, double& out) {
    if (handle < 0) {
        error = ErrorCode::UnknownVariable;
        return Step::Raised;
    }
    out = context_.variables.ValueAt(handle);
    return Step::Stored;
}

void GeneralReduction::Prepare(const ParsedExpression& parsed) {
    std::vector<bool> emptyAtStart;
    ReductionWalk<ValueMachine, IndexedSearch>::InitialSlots(parsed, initial_, emptyAtStart);
    slots_.reserve(initial_.size());
    filled_.Reset(emptyAtStart);
}

} // namespace quivela::expression
