#include "expression/PlanBlocks.h"

#include "expression/FunctionLibrary.h"
#include "expression/VariableTable.h"

#include <algorithm>

namespace quivela::expression {

namespace {

constexpr std::size_t kBlock = 256;
// Columns of all registers together stay within this many doubles, so that a
// block is still in the caches; a plan that would need blocks shorter than
// kShortestBlock runs sample by sample.
constexpr std::size_t kColumnBudget = 1u << 19;
constexpr std::size_t kShortestBlock = 16;

using Op = CompiledPlan::Op;
using Instruction = CompiledPlan::Instruction;

} // namespace

std::size_t PlanBlocks::Size(const CompiledPlan& plan) {
    if (!plan.usable_ || plan.drawsRandom_ || plan.variants_.empty())
        return 0;
    const std::size_t block =
        std::min(kBlock, kColumnBudget / std::max<std::size_t>(1, plan.registers_.size()));
    return block < kShortestBlock ? 0 : block;
}

// Sums, differences, products and negations carry a value that is not finite
// into their result, so a run of them one after the other needs its checks
// only at its ends: when the values that leave the run (those no later
// operation of the run reads) are finite, every value inside it was too.
// Marks, for every instruction, where the run it opens ends (itself when it
// opens none), and which of its values leave it and are to be checked.
void CompiledPlan::MarkRuns(Variant& variant) {
    const auto& code = variant.code;
    const std::size_t size = code.size();
    const auto arithmetic = [](Op op) {
        return op == Op::Negate || op == Op::Add || op == Op::Sub || op == Op::Mul;
    };
    variant.runEnd.assign(size, 0);
    variant.checkAtEnd.assign(size, 0);
    // Per register: the first instruction of the run that made it, and of
    // the last run that read it (+1, so that 0 means none); linear in the
    // length of the code.
    std::int32_t registers = 0;
    for (const Instruction& in : code)
        registers = std::max({registers, in.a + 1, in.b + 1, in.out + 1});
    std::vector<std::int32_t> madeIn(static_cast<std::size_t>(registers), 0);
    std::vector<std::int32_t> readIn(static_cast<std::size_t>(registers), 0);
    for (std::size_t begin = 0; begin < size;) {
        std::size_t end = begin;
        while (end < size && arithmetic(code[end].op))
            ++end;
        if (end == begin) {
            variant.runEnd[begin] = static_cast<std::int32_t>(begin);
            ++begin;
            continue;
        }
        const auto run = static_cast<std::int32_t>(begin) + 1;
        for (std::size_t k = begin; k < end; ++k) {
            variant.runEnd[k] = static_cast<std::int32_t>(end);
            // A negation of a value from outside the run cannot fail.
            const bool checked =
                code[k].op != Op::Negate || madeIn[static_cast<std::size_t>(code[k].a)] == run;
            variant.checkAtEnd[k] = checked;
            madeIn[static_cast<std::size_t>(code[k].out)] = run;
            readIn[static_cast<std::size_t>(code[k].a)] = run;
            readIn[static_cast<std::size_t>(code[k].b)] = run;
        }
        for (std::size_t k = begin; k < end; ++k)
            if (readIn[static_cast<std::size_t>(code[k].out)] == run)
                variant.checkAtEnd[k] = 0; // a later operation of the run reads it
        begin = end;
    }
}

void PlanBlocks::Prepare(CompiledPlan& plan, const VariableTable& variables,
                         std::span<const int> bindings, int swept) {
    plan_ = &plan;
    const std::size_t block = Size(plan);
    block_ = block;
    const std::vector<double>& registers = plan.registers_;
    columns_.assign(registers.size() * block, 0.0);
    failedAt_.resize(block);
    faults_.resize(block);
    lanes_.resize(block);
    failedAtWritten_ = true;
    every_.resize(block);
    for (std::size_t j = 0; j < block; ++j)
        every_[j] = static_cast<std::int32_t>(j);
    plan.LoadVariables(variables, bindings);
    // Constants and variables: every register below the first result.
    const std::size_t fixed = static_cast<std::size_t>(plan.variableBase_ + plan.variableCount_);
    for (std::size_t r = 0; r < fixed && r < registers.size(); ++r)
        std::fill_n(columns_.begin() + static_cast<std::ptrdiff_t>(r * block), block, registers[r]);
    swept_ = swept < 0 ? -1 : plan.variableBase_ + swept;
}

bool PlanBlocks::Run(const ParsedExpression& parsed, const double* xs, std::size_t count,
                     double* values) {
    if (swept_ >= 0)
        std::copy_n(xs, count, columns_.data() + static_cast<std::size_t>(swept_) * block_);
    lastCount_ = count;
    passedOver_.clear();
    return RunLanes(parsed, 0, 0, std::span<const std::int32_t>(every_.data(), count), values,
                    false);
}

// The operations k .. end-1, a run of arithmetic, without checks; when a
// value that leaves the run is not finite for some sample, the run is done
// again with the checks of every step, which find where it failed.
bool PlanBlocks::RunArithmetic(const CompiledPlan::Variant& variant, std::size_t k, std::size_t end,
                               const std::int32_t* l, std::size_t n) {
    bool finite = true;
    for (std::size_t i = k; i < end; ++i) {
        const Instruction& in = variant.code[i];
        const double* a = Column(in.a);
        const double* b = Column(in.b);
        double* out = Column(in.out);
        switch (in.op) {
        case Op::Negate:
            ForLanes(l, n, [&](std::size_t j) { out[j] = Negated(a[j]); });
            break;
        case Op::Add:
            ForLanes(l, n, [&](std::size_t j) { out[j] = Sum(a[j], b[j]); });
            break;
        case Op::Sub:
            ForLanes(l, n, [&](std::size_t j) { out[j] = Difference(a[j], b[j]); });
            break;
        default:
            ForLanes(l, n, [&](std::size_t j) { out[j] = Product(a[j], b[j]); });
            break;
        }
    }
    for (std::size_t i = k; i < end; ++i) {
        if (!variant.checkAtEnd[i])
            continue;
        const double* out = Column(variant.code[i].out);
        bool bad = false;
        ForLanes(l, n, [&](std::size_t j) { bad |= !IsFinite(out[j]); });
        finite = finite && !bad;
    }
    if (finite)
        return false;
    bool failed = false;
    for (std::size_t i = k; i < end; ++i) {
        const Instruction& in = variant.code[i];
        if (in.op != Op::Negate) // a negation cannot fail
            failed |= kFormulas[in.function].block(
                BlockArgs{l, n, Column(in.a), Column(in.b), Column(in.out),
                          static_cast<std::int32_t>(i), failedAt_.data(), faults_.data()});
    }
    return failed;
}

// Runs variant `variant` from instruction `pc` for the samples in `list`, and
// the samples that pass over a fault on in the variant that follows it. True
// when every sample of the whole block has its value, with no fault: the
// lanes are then not written.
bool PlanBlocks::RunLanes(const ParsedExpression& parsed, int variant, std::size_t pc,
                          std::span<const std::int32_t> list, double* values, bool afterFault) {
    End* const lanes = lanes_.data();
    std::int32_t* const failedAt = failedAt_.data();
    Fault* const faults = faults_.data();
    // The whole block runs without a list of samples.
    const bool dense = list.size() == block_ || (list.size() == lastCount_ && variant == 0);
    const std::int32_t* const all = dense ? nullptr : list.data();
    // The samples still going: all of them until a step fails for some.
    const std::int32_t* l = all;
    std::size_t n = list.size();
    // Only a failure writes failedAt: after a block without one, it is
    // still clear.
    if (!dense || failedAtWritten_) {
        ForLanes(l, n, [&](std::size_t j) { failedAt[j] = -1; });
        failedAtWritten_ = !dense;
    }

    bool failed = false;
    std::vector<std::int32_t> going;
    const CompiledPlan::Variant& current = plan_->variants_[static_cast<std::size_t>(variant)];
    const std::size_t size = current.code.size();
    for (std::size_t k = pc; k < size && n > 0; ++k) {
        const auto end = static_cast<std::size_t>(current.runEnd[k]);
        const Instruction& in = current.code[k];
        const auto step = static_cast<std::int32_t>(k);
        bool stepFailed = false;
        if (end > k) {
            stepFailed = RunArithmetic(current, k, end, l, n);
            k = end - 1;
        } else if (in.op == Op::Call) {
            stepFailed = kFormulas[in.function].block(BlockArgs{
                l, n, Column(in.a), Column(in.b), Column(in.out), step, failedAt, faults});
        } else {
            // Rnd (plans that draw do not run in blocks) and Raise: every
            // sample still going raises here.
            ForLanes(l, n, [&](std::size_t j) {
                failedAt[j] = step;
                faults[j] = CompiledPlan::kRaiseStops;
            });
            stepFailed = true;
        }
        if (!stepFailed)
            continue;
        // What a failed sample would compute after its failure is never
        // read (its variant reads only the registers made before it), so
        // the later steps skip it.
        failed = true;
        std::vector<std::int32_t> still;
        still.reserve(n);
        ForLanes(l, n, [&](std::size_t j) {
            if (failedAt[j] < 0)
                still.push_back(static_cast<std::int32_t>(j));
        });
        going.swap(still);
        l = going.data();
        n = going.size();
    }

    const int result = current.resultRegister;
    failedAtWritten_ = failedAtWritten_ || failed;
    if (!failed) {
        if (result >= 0 && dense) {
            std::copy_n(Column(result), n, values);
        } else if (result >= 0) {
            const double* column = Column(result);
            ForLanes(l, n, [&](std::size_t j) { values[j] = column[j]; });
        }
        if (dense && !afterFault && result >= 0)
            return true;
        const End lane = Ended(result >= 0, afterFault);
        ForLanes(l, n, [&](std::size_t j) { lanes[j] = lane; });
        return false;
    }
    ForLanes(all, list.size(), [&](std::size_t j) { lanes[j] = End::Fallback; });

    // Samples that went through are done; those that passed over a fault go
    // on in the variant for that step, all samples of one step together;
    // those that raise are left to be run on their own.
    std::vector<std::pair<std::int32_t, std::int32_t>>& passedOver = passedOver_; // (step, sample)
    const std::size_t mine = passedOver.size(); // below: entries of the callers
    for (const std::int32_t j : list) {
        const auto lane = static_cast<std::size_t>(j);
        if (failedAt[j] < 0) {
            if (result >= 0)
                values[lane] = Column(result)[lane];
            lanes[lane] = Ended(result >= 0, afterFault);
        } else if (faults[j] == Fault::Domain) {
            passedOver.emplace_back(failedAt[j], j);
        }
    }
    // Samples were added in order, so a stable sort by step keeps each
    // group in sample order.
    const auto byStep = [](const auto& x, const auto& y) { return x.first < y.first; };
    const auto from = passedOver.begin() + static_cast<std::ptrdiff_t>(mine);
    if (!std::is_sorted(from, passedOver.end(), byStep)) // usually one step fails in a block
        std::stable_sort(from, passedOver.end(), byStep);
    const std::size_t end = passedOver.size();
    for (std::size_t first = mine; first < end;) {
        const std::int32_t step = passedOver[first].first;
        std::vector<std::int32_t> group;
        std::size_t last = first;
        for (; last < end && passedOver[last].first == step; ++last)
            group.push_back(passedOver[last].second);
        const int following = plan_->VariantAfter(parsed, variant, step);
        if (following >= 0)
            RunLanes(parsed, following, static_cast<std::size_t>(step) + 1, group, values, true);
        first = last;
    }
    passedOver.resize(mine);
    return false;
}

} // namespace quivela::expression
