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

// out[j] = f(a[j], b[j]) over the block with the checks of one step; a
// sample whose step fails is flagged.
template <class F>
void Each(std::size_t n, const double* a, const double* b, double* out, bool* failed, F f) {
    for (std::size_t j = 0; j < n; ++j) {
        CheckedSteps s;
        out[j] = f(s, a[j], b[j]);
        failed[j] |= !s.ok();
    }
}

} // namespace

std::size_t CompiledPlan::BatchSize() const {
    if (!usable_ || drawsRandom_ || variants_.empty())
        return 0;
    const std::size_t block = std::min(kBlock, kColumnBudget / std::max<std::size_t>(1, registers_.size()));
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
        std::fill_n(columns_.begin() + static_cast<std::ptrdiff_t>(r * block), block, registers_[r]);
    swept_ = swept < 0 ? -1 : variableBase_ + swept;
}

void CompiledPlan::RunBatch(const ParsedExpression&, RandomGenerator& random, const double* xs,
                            std::size_t count, double* values, bool* failed) {
    const std::size_t block = BatchSize();
    double* const c = columns_.data();
    auto column = [&](int reg) { return c + static_cast<std::size_t>(reg) * block; };
    if (swept_ >= 0)
        std::copy_n(xs, count, column(swept_));
    std::fill_n(failed, count, false);
    const std::size_t n = count;
    for (const Instruction& in : variants_[0].code) {
        const double* a = column(in.a);
        const double* b = column(in.b);
        double* out = in.op == Op::Raise ? nullptr : column(in.out);
        switch (in.op) {
        case Op::Negate:
            for (std::size_t j = 0; j < n; ++j)
                out[j] = -a[j];
            break;
        case Op::Add:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double w) { return s.Add(u, w); });
            break;
        case Op::Sub:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double w) { return s.Sub(u, w); });
            break;
        case Op::Mul:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double w) { return s.Mul(u, w); });
            break;
        case Op::Div:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double w) { return s.Div(u, w); });
            break;
        case Op::IntegerDivide:
            Each(n, a, b, out, failed,
                 [](CheckedSteps& s, double u, double w) { return s.IntegerQuotient(u, w); });
            break;
        case Op::Remainder:
            Each(n, a, b, out, failed,
                 [](CheckedSteps& s, double u, double w) { return s.IntegerRemainder(u, w); });
            break;
        case Op::Power:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double w) { return s.Pow(u, w); });
            break;
        case Op::Sin:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double) { return s.Sin(u); });
            break;
        case Op::Cos:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double) { return s.Cos(u); });
            break;
        case Op::Tan:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double) { return s.Tan(u); });
            break;
        case Op::Exp:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double) { return s.Exp(u); });
            break;
        case Op::Ln:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double) { return s.Ln(u); });
            break;
        case Op::Sqrt:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double) { return s.Sqrt(u); });
            break;
        case Op::Abs:
            for (std::size_t j = 0; j < n; ++j)
                out[j] = std::fabs(a[j]);
            break;
        case Op::Tanh:
            Each(n, a, b, out, failed, [](CheckedSteps& s, double u, double) {
                const double e = s.Exp(u);
                const double f = s.Exp(-u);
                const double top = s.Sub(e, f);
                const double bottom = s.Add(e, f);
                return s.Div(top, bottom);
            });
            break;
        case Op::Call:
            for (std::size_t j = 0; j < n; ++j) {
                const FunctionResult result = CallFunction(in.function, a[j], b[j], random);
                out[j] = result.value;
                failed[j] |= result.fault != Fault::None;
            }
            break;
        case Op::Rnd: // plans that draw do not run in blocks
        case Op::Raise:
            std::fill_n(failed, n, true);
            return;
        }
    }
    const int result = variants_[0].resultRegister;
    if (result >= 0)
        std::copy_n(column(result), n, values);
}

} // namespace quivela::expression
