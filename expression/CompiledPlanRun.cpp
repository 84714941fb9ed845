// Running a compiled plan: the dispatch loop over its instructions, the
// quick way for plans that draw nothing, and the way through the variants.

#include "expression/CompiledPlan.h"

#include "expression/CheckedMath.h"
#include "expression/FunctionLibrary.h"
#include "expression/RandomGenerator.h"
#include "expression/VariableTable.h"

#include <iterator>

namespace quivela::expression {

using Op = CompiledPlan::Op;

namespace {

// A fault that is raised, or one that only the reduction can go on from.
CompiledPlan::Outcome Failed(Fault fault) {
    CompiledPlan::Outcome outcome;
    outcome.error = RaisedBy(fault);
    outcome.status = outcome.error == ErrorCode::None ? CompiledPlan::Status::Fallback
                                                      : CompiledPlan::Status::Raised;
    return outcome;
}

} // namespace

// Runs code[pc] onwards over the registers r. Returns the index of the
// instruction that failed (its fault in `fault`), or `size` when all ran.
// Each operation jumps straight to the next one's code (labels as values, a
// GCC and Clang extension), which keeps the dispatch of a short plan cheap.
std::size_t CompiledPlan::Execute(const Instruction* code, std::size_t pc, std::size_t size,
                                  RandomGenerator& random) {
    double* const r = registers_.data();
    // In the order of Op.
    static const void* const kHandlers[] = {
        &&negate, &&add, &&sub, &&mul, &&call, &&rnd, &&raise,
    };
    static_assert(std::size(kHandlers) == static_cast<std::size_t>(Op::Raise) + 1);
    const Instruction* in = code + pc;
    const Instruction* const end = code + size;
    double v = 0;
    if (in == end)
        return size;
    goto* kHandlers[static_cast<std::size_t>(in->op)];

#define QUIVELA_NEXT()                                                                             \
    do {                                                                                           \
        r[in->out] = v;                                                                            \
        if (++in == end)                                                                           \
            return size;                                                                           \
        goto* kHandlers[static_cast<std::size_t>(in->op)];                                         \
    } while (0)
#define QUIVELA_FAIL(why)                                                                          \
    do {                                                                                           \
        fault_ = (why);                                                                            \
        return static_cast<std::size_t>(in - code);                                                \
    } while (0)
#define QUIVELA_STEP(expression)                                                                   \
    do {                                                                                           \
        CheckedSteps s;                                                                            \
        v = (expression);                                                                          \
        if (!s.ok())                                                                               \
            QUIVELA_FAIL(s.fault());                                                               \
        QUIVELA_NEXT();                                                                            \
    } while (0)

negate:
    v = -r[in->a];
    QUIVELA_NEXT();
add:
    QUIVELA_STEP(s.Add(r[in->a], r[in->b]));
sub:
    QUIVELA_STEP(s.Sub(r[in->a], r[in->b]));
mul:
    QUIVELA_STEP(s.Mul(r[in->a], r[in->b]));
call : {
    const FunctionResult result = CallFunction(in->function, r[in->a], r[in->b], random);
    if (result.fault != Fault::None)
        QUIVELA_FAIL(result.fault);
    v = result.value;
    QUIVELA_NEXT();
}
rnd:
    v = random.Next();
    QUIVELA_NEXT();
raise:
    raised_ = Outcome{Status::Raised, 0, static_cast<ErrorCode>(in->out), in->detail, false};
    QUIVELA_FAIL(Fault::Overflow); // any fault that is not passed over

#undef QUIVELA_STEP
#undef QUIVELA_FAIL
#undef QUIVELA_NEXT
}

void CompiledPlan::LoadVariables(const VariableTable& variables, std::span<const int> bindings) {
    double* const r = registers_.data() + variableBase_;
    for (int k = 0; k < variableCount_; ++k)
        r[k] = variables.ValueAt(bindings[static_cast<std::size_t>(k)]);
}

CompiledPlan::Status CompiledPlan::RunPure(const VariableTable& variables,
                                           std::span<const int> bindings, double& value) {
    LoadVariables(variables, bindings);
    const Variant& first = variants_.front();
    const std::size_t size = first.code.size();
    stoppedAt_ = Execute(first.code.data(), 0, size, ProcessRandomGenerator());
    if (stoppedAt_ != size)
        stopped_ = Status::Fallback;
    else if (first.resultRegister < 0)
        stopped_ = Status::NoValue;
    else
        value = registers_[static_cast<std::size_t>(first.resultRegister)];
    return stoppedAt_ == size && first.resultRegister >= 0 ? Status::Value : stopped_;
}

CompiledPlan::Outcome CompiledPlan::ResumePure(const ParsedExpression& parsed,
                                               RandomGenerator& random) {
    const Instruction& stopped = variants_.front().code[stoppedAt_];
    if (stopped.op == Op::Raise)
        return Outcome{Status::Raised, 0, static_cast<ErrorCode>(stopped.out), stopped.detail,
                       false};
    if (fault_ != Fault::Domain)
        return Failed(fault_);
    const int following = VariantAfter(parsed, 0, static_cast<int>(stoppedAt_));
    if (following < 0)
        return Outcome{Status::Fallback, 0, ErrorCode::None, -1, false};
    return Continue(parsed, random, following, stoppedAt_ + 1, true);
}

CompiledPlan::Outcome CompiledPlan::Run(const ParsedExpression& parsed,
                                        const VariableTable& variables,
                                        std::span<const int> bindings, RandomGenerator& random) {
    LoadVariables(variables, bindings);
    return Continue(parsed, random, 0, 0, false);
}

CompiledPlan::Outcome CompiledPlan::Continue(const ParsedExpression& parsed,
                                             RandomGenerator& random, int variant, std::size_t pc,
                                             bool domainFault) {
    for (;;) {
        const Variant& current = variants_[static_cast<std::size_t>(variant)];
        if (!current.usable)
            return Outcome{Status::Fallback, 0, ErrorCode::None, -1, false};
        const std::size_t size = current.code.size();
        fault_ = Fault::None;
        raised_ = Outcome{};
        pc = Execute(current.code.data(), pc, size, random);
        if (pc == size) {
            if (current.resultRegister < 0)
                return Outcome{Status::NoValue, 0, ErrorCode::None, -1, domainFault};
            return Outcome{Status::Value,
                           registers_[static_cast<std::size_t>(current.resultRegister)],
                           ErrorCode::None, -1, domainFault};
        }
        if (fault_ != Fault::Domain) {
            if (raised_.status == Status::Raised)
                return raised_;
            return Failed(fault_);
        }
        // Go on in the variant where this step failed, after it.
        const int following = VariantAfter(parsed, variant, static_cast<int>(pc));
        if (following < 0)
            return Outcome{Status::Fallback, 0, ErrorCode::None, -1, false};
        variant = following;
        ++pc;
        domainFault = true;
    }
}

} // namespace quivela::expression
