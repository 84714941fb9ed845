#pragma once

#include "expression/CheckedMath.h"
#include "expression/EngineError.h"
#include "expression/Reduction.h"
#include "expression/Tokens.h"
#include "expression/VariableTable.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quivela::expression {

class RandomGenerator;

// The evaluation of one parsed expression compiled into a straight-line
// program over an array of doubles.
//
// Which slots every step of the reduction reads and writes depends on the
// values only through the faults that are passed over (a square root or
// logarithm out of its domain, a negative base to a fractional power): those
// leave a slot without its value and change every search after them. So the
// reduction is run once when the text is parsed, symbolically, assuming that
// no step fails; every value it would compute becomes one instruction over
// registers (numbers and constants are registers filled once, variables are
// copied in at the start of each run). Errors that the structure alone
// decides (1101, 1104, an unreadable number) become a raising instruction at
// the step where the reduction meets them.
//
// Running the plan gives exactly what the reduction gives: raised errors come
// at the same step with the same number and description. A step that passes
// over a fault changes what the later steps find, so the plan then continues
// in a variant compiled (on first need) by the same symbolic run with that
// step failing; variants share the instructions before the failing step and
// the registers, so the evaluation goes on where it was without computing or
// drawing anything twice. When too many variants would be needed, Run
// answers Fallback and the caller runs the general reduction instead.
class CompiledPlan {
public:
    // Builds the plan of a freshly parsed expression, in time linear in its
    // number of tokens.
    void Compile(const ParsedExpression& parsed);

    // False when the plan cannot stand in for the reduction at all (a stray
    // ")" looked up as a name); the general reduction then runs every time.
    bool Usable() const { return usable_; }
    // Whether the expression can draw from the random generator; a fallback
    // must then restore the generator first.
    bool DrawsRandom() const { return drawsRandom_; }
    std::size_t Variants() const { return variants_.size(); }

    // One evaluation, with what the reduction would give. `parsed` is the
    // expression the plan was compiled from; `bindings` holds a table handle
    // for every one of its variables, all of them bound (a missing one is
    // the reduction's to report). Inline, so that a caller's common case
    // reaches the dispatch loop in one call: the first variant straight
    // through to its value. Everything else (no value, an error, a fault
    // passed over) is Stopped's.
    End Run(const ParsedExpression& parsed, const VariableTable& variables,
            std::span<const int> bindings, RandomGenerator& random, Outcome& outcome) {
        LoadVariables(variables, bindings);
        const Variant& first = variants_.front();
        const std::size_t size = first.code.size();
        const std::size_t pc = Execute(first.code.data(), 0, size, random);
        if (pc == size && first.resultRegister >= 0) [[likely]] {
            outcome.value = registers_[static_cast<std::size_t>(first.resultRegister)];
            return End::Value;
        }
        return Stopped(parsed, random, pc, outcome);
    }
    // A Raise instruction stops a run as a fault that is not passed over;
    // the error raised is the instruction's own.
    static constexpr Fault kRaiseStops = Fault::Overflow;

    // Operations of the plan. Call runs a formula of the library (a function
    // or a binary operator) by its index; the sum, difference and product
    // have their own, so that runs of them can be checked together.
    enum class Op : std::uint8_t {
        Negate,
        Add,
        Sub,
        Mul,
        Call,
        Rnd,
        Raise,
    };
    struct Instruction {
        Op op;
        std::uint8_t function; // formula index, for Call and the arithmetic
        std::int16_t detail;   // Raise: the call token's index, -1 for none
        std::int32_t a;        // first operand register
        std::int32_t b;        // second operand register
        std::int32_t out;      // result register; Raise: the error's number
    };

    // Upper bound on the variants of one expression; past it the general
    // reduction takes the evaluations that would need a new one.
    static constexpr std::size_t kMaxVariants = 64;

private:
    struct Variant {
        std::vector<Instruction> code;
        std::vector<std::int32_t> failing; // instructions that fail, ascending
        std::vector<std::pair<std::int32_t, std::int32_t>> next; // failing step -> variant
        int resultRegister = -1;                                 // -1: no value is left
        bool usable = true; // false: a stray ")" is looked up at some step
        // Runs of arithmetic for the blocks (MarkRuns).
        std::vector<std::int32_t> runEnd;
        std::vector<std::uint8_t> checkAtEnd;
    };
    // Where a variant's runs of arithmetic end, for the blocks (PlanBlocks.cpp).
    static void MarkRuns(Variant& variant);

    // The variant in which `variant` goes on when its instruction `step`
    // passes over a domain fault, compiled on first need; -1 when the general
    // reduction must take the evaluation instead (too many variants, or that
    // one looks up a stray ")").
    int VariantAfter(const ParsedExpression& parsed, int variant, int step);
    // Runs code[pc] onwards; the index of the instruction that failed (its
    // fault in fault_), or size.
    std::size_t Execute(const Instruction* code, std::size_t pc, std::size_t size,
                        RandomGenerator& random);
    // Copies the variables' values into their registers, for one sample
    // and for the fixed columns of a block alike.
    void LoadVariables(const VariableTable& variables, std::span<const int> bindings) {
        double* const r = registers_.data() + variableBase_;
        for (int k = 0; k < variableCount_; ++k)
            r[k] = variables.ValueAt(bindings[static_cast<std::size_t>(k)]);
    }
    End Stopped(const ParsedExpression& parsed, RandomGenerator& random, std::size_t pc,
                Outcome& outcome);

    std::vector<Variant> variants_;
    Fault fault_ = Fault::None;
    std::vector<double> registers_;
    int variableBase_ = 0;
    int variableCount_ = 0;
    bool usable_ = false;
    bool drawsRandom_ = false;

    friend class PlanMachine;
    friend class PlanBlocks;
};

} // namespace quivela::expression
