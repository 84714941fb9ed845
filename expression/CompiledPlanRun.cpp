// Running a compiled plan on one sample: the dispatch loop over its
// instructions, and the way on from where the first variant stopped.

#include "expression/CompiledPlan.h"

#include "expression/CheckedMath.h"
#include "expression/FunctionLibrary.h"
#include "expression/RandomGenerator.h"
#include "expression/VariableTable.h"

#include <iterator>

namespace quivela::expression {

using Op = CompiledPlan::Op;

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
    v = Negated(r[in->a]);
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
    QUIVELA_FAIL(kRaiseStops); // Stopped reads the error

#undef QUIVELA_STEP
#undef QUIVELA_FAIL
#undef QUIVELA_NEXT
}

// The first variant has run up to `pc`: its end, or the instruction that
// failed. A step that passes over a domain fault goes on in the variant where
// it fails, after it; any other failure raises its error.
End CompiledPlan::Stopped(const ParsedExpression& parsed, RandomGenerator& random, std::size_t pc,
                          Outcome& outcome) {
    int variant = 0;
    for (;;) {
        const Variant& current = variants_[static_cast<std::size_t>(variant)];
        if (pc == current.code.size()) {
            const int result = current.resultRegister;
            if (result >= 0)
                outcome.value = registers_[static_cast<std::size_t>(result)];
            return Ended(result >= 0, variant != 0);
        }
        if (fault_ != Fault::Domain) {
            const Instruction& failed = current.code[pc];
            const bool raising = failed.op == Op::Raise;
            outcome.error = raising ? static_cast<ErrorCode>(failed.out) : RaisedBy(fault_);
            outcome.detail = raising ? failed.detail : -1;
            return End::Raised;
        }
        variant = VariantAfter(parsed, variant, static_cast<int>(pc));
        if (variant < 0)
            return End::Fallback;
        const Variant& following = variants_[static_cast<std::size_t>(variant)];
        pc = Execute(following.code.data(), pc + 1, following.code.size(), random);
    }
}

} // namespace quivela::expression
