#include "expression/CompiledPlan.h"

#include "expression/FunctionLibrary.h"
#include "expression/VariableTable.h"

#include <algorithm>
#include <cmath>

namespace quivela::expression {

namespace {

constexpr std::size_t kBlock = 256;
// Columns of all registers together stay within this many doubles, so that a
// block is still in the caches; a plan that would need blocks shorter than
// kShortestBlock runs sample by sample.
constexpr std::size_t kColumnBudget = 1u << 19;
constexpr std::size_t kShortestBlock = 16;

using Op = CompiledPlan::Op;

} // namespace

std::size_t CompiledPlan::BatchSize() const {
    if (!usable_ || drawsRandom_ || variants_.empty())
        return 0;
    const std::size_t block =
        std::min(kBlock, kColumnBudget / std::max<std::size_t>(1, registers_.size()));
    return block < kShortestBlock ? 0 : block;
}

void CompiledPlan::PrepareBatch(const VariableTable& variables, std::span<const int> bindings,
                                int swept) {
    const std::size_t block = BatchSize();
    columns_.assign(registers_.size() * block, 0.0);
    for (int k = 0; k < variableCount_; ++k)
        registers_[static_cast<std::size_t>(variableBase_ + k)] =
            variables.ValueAt(bindings[static_cast<std::size_t>(k)]);
    // Constants and variables: every register below the first result.
    const std::size_t fixed = static_cast<std::size_t>(variableBase_ + variableCount_);
    for (std::size_t r = 0; r < fixed && r < registers_.size(); ++r)
        std::fill_n(columns_.begin() + static_cast<std::ptrdiff_t>(r * block), block,
                    registers_[r]);
    swept_ = swept < 0 ? -1 : variableBase_ + swept;
}

void CompiledPlan::RunBatch(const ParsedExpression& parsed, RandomGenerator& random,
                            const double* xs, std::size_t count, double* values, Lane* lanes) {
    const std::size_t block = BatchSize();
    if (swept_ >= 0)
        std::copy_n(xs, count, columns_.data() + static_cast<std::size_t>(swept_) * block);
    std::vector<std::int32_t> all(count);
    for (std::size_t j = 0; j < count; ++j)
        all[j] = static_cast<std::int32_t>(j);
    std::fill_n(lanes, count, Lane::Rerun);
    lastCount_ = count;
    passedOver_.clear();
    RunLanes(parsed, random, 0, 0, all, values, lanes, false);
}

// Runs variant `variant` from instruction `pc` for the samples in `list`, and
// the samples that pass over a fault on in the variant that follows it.
void CompiledPlan::RunLanes(const ParsedExpression& parsed, RandomGenerator& random, int variant,
                            std::size_t pc, const std::vector<std::int32_t>& list, double* values,
                            Lane* lanes, bool afterFault) {
    const std::size_t block = BatchSize();
    double* const c = columns_.data();
    auto column = [&](int reg) { return c + static_cast<std::size_t>(reg) * block; };
    failedAt_.resize(block);
    faults_.resize(block);
    for (const std::int32_t j : list)
        failedAt_[static_cast<std::size_t>(j)] = -1;
    std::int32_t* const failedAt = failedAt_.data();
    Fault* const faults = faults_.data();
    // The whole block runs without a list of samples.
    const bool dense = list.size() == block || (list.size() == lastCount_ && variant == 0);
    const std::int32_t* const l = dense ? nullptr : list.data();
    const std::size_t n = list.size();

    const Variant& current = variants_[static_cast<std::size_t>(variant)];
    const std::size_t size = current.code.size();
    for (std::size_t k = pc; k < size; ++k) {
        const Instruction& in = variants_[static_cast<std::size_t>(variant)].code[k];
        const auto step = static_cast<std::int32_t>(k);
        const double* a = column(in.a);
        const double* b = column(in.b);
        double* out = in.op == Op::Raise ? nullptr : column(in.out);
        switch (in.op) {
        case Op::Negate:
            ForLanes(l, n, [&](std::size_t j) { out[j] = -a[j]; });
            break;
        case Op::Add:
        case Op::Sub:
        case Op::Mul:
        case Op::Call:
            kFormulas[in.function].block(BlockArgs{l, n, a, b, out, step, failedAt, faults});
            break;
        case Op::Rnd:   // plans that draw do not run in blocks
        case Op::Raise: // the sample raises here, unless it failed before
            ForLanes(l, n, [&](std::size_t j) {
                if (failedAt[j] < 0) {
                    failedAt[j] = step;
                    faults[j] = Fault::Overflow;
                }
            });
            break;
        }
    }

    // Samples that went through are done; those that passed over a fault go
    // on in the variant for that step, all samples of one step together;
    // those that raise are left to be run on their own.
    const int result = variants_[static_cast<std::size_t>(variant)].resultRegister;
    std::vector<std::pair<std::int32_t, std::int32_t>>& passedOver = passedOver_; // (step, sample)
    const std::size_t mine = passedOver.size(); // below: entries of the callers
    for (const std::int32_t j : list) {
        const auto lane = static_cast<std::size_t>(j);
        if (failedAt[j] < 0) {
            if (result >= 0) {
                values[lane] = column(result)[lane];
                lanes[lane] = afterFault ? Lane::ValueAfterFault : Lane::Value;
            } else {
                lanes[lane] = Lane::NoValue;
            }
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
        const int following = VariantAfter(parsed, variant, step);
        if (following >= 0 && variants_[static_cast<std::size_t>(following)].usable)
            RunLanes(parsed, random, following, static_cast<std::size_t>(step) + 1, group, values,
                     lanes, true);
        first = last;
    }
    passedOver.resize(mine);
}

} // namespace quivela::expression
