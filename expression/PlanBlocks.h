#pragma once

#include "expression/CompiledPlan.h"

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace quivela::expression {

// Runs of many samples of one compiled plan at once, for SolveRange: the
// instructions run one after the other over a block of samples, each
// instruction a plain loop over the block, so that the cost of interpreting
// is shared by the block. Only for plans that draw no random numbers (their
// draws must come sample by sample). Samples that pass over a fault go on in
// the variant of that step, together; a sample whose lane ends in Fallback
// meets an error that is raised (or needs more variants than allowed) and
// must be run again on its own with CompiledPlan::Run.
class PlanBlocks {
public:
    // Samples per block of `plan` (0 when it is too large for blocks to pay,
    // or draws).
    static std::size_t Size(const CompiledPlan& plan);
    // Fills the constant and fixed variable columns; `swept` is the index of
    // the variable that changes from sample to sample (-1 if the expression
    // does not use it). The plan stays this object's until the next Prepare.
    void Prepare(CompiledPlan& plan, const VariableTable& variables, std::span<const int> bindings,
                 int swept);
    // `xs` holds the swept variable's values for `count` <= Size() samples.
    // True when every sample of the block has its value, with no fault;
    // otherwise Lane(j) tells how sample j ended.
    bool Run(const ParsedExpression& parsed, const double* xs, std::size_t count, double* values);
    End Lane(std::size_t j) const { return lanes_[j]; }

private:
    bool RunLanes(const ParsedExpression& parsed, int variant, std::size_t pc,
                  std::span<const std::int32_t> list, double* values, bool afterFault);
    bool RunArithmetic(const CompiledPlan::Variant& variant, std::size_t k, std::size_t end,
                       const std::int32_t* lanes, std::size_t n);
    double* Column(int reg) { return columns_.data() + static_cast<std::size_t>(reg) * block_; }

    CompiledPlan* plan_ = nullptr;
    std::vector<double> columns_;        // Size() doubles per register
    std::vector<std::int32_t> failedAt_; // per sample of a block: first failing step, or -1
    std::vector<Fault> faults_;
    std::vector<End> lanes_; // per sample of a block, unless it ran through
    std::vector<std::pair<std::int32_t, std::int32_t>> passedOver_; // (step, sample) per level
    std::size_t lastCount_ = 0;       // samples of the block being run
    std::size_t block_ = 0;           // Size() when the columns were prepared
    std::vector<std::int32_t> every_; // 0 .. block_-1: the list of a whole block
    bool failedAtWritten_ = true;     // failedAt_ may hold marks of an earlier run
    int swept_ = -1;
};

} // namespace quivela::expression
