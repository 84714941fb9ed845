#include "expression/CompiledPlan.h"

#include "expression/CheckedMath.h"
#include "expression/FilledSlots.h"
#include "expression/FunctionLibrary.h"
#include "expression/Reduction.h"

namespace quivela::expression {

namespace {

constexpr int kZeroRegister = 0; // +0.0: U and W before any call, and the empty group
constexpr int kPiRegister = 1;
constexpr int kERegister = 2;

using Op = CompiledPlan::Op;

} // namespace

// The machine of the reduction that compiles: a slot's value is the register
// the value will be in, and every step that computes a value appends an
// instruction. The steps listed in `failing` (by instruction index) are taken
// to pass over a domain fault: they store nothing, as in the evaluation. Runs
// with the same failing steps up to some instruction emit the same
// instructions and registers up to it.
class PlanMachine {
public:
    using Value = int;

    PlanMachine(const ParsedExpression& parsed, CompiledPlan& plan, CompiledPlan::Variant& variant)
        : parsed_(parsed), plan_(plan), variant_(variant) {}

    // The registers: +0.0, pi, e, the numbers, the variables, then one per
    // instruction. Only the first build writes their initial values.
    void Build(bool first) {
        if (first)
            plan_.registers_ = {0.0, kPi, kE};
        int next = 3;
        numberRegister_.assign(parsed_.tokens.size(), -1);
        for (std::size_t i = 0; i < parsed_.tokens.size(); ++i) {
            const Token& token = parsed_.tokens[i];
            if (token.kind == TokenKind::Number && token.numberStatus == NumberStatus::Ok) {
                numberRegister_[i] = next++;
                if (first)
                    plan_.registers_.push_back(token.number);
            }
            if ((token.kind == TokenKind::Identifier && token.name == NameKind::Rnd) ||
                (token.kind == TokenKind::Call && token.function >= 0 &&
                 kFormulas[static_cast<std::size_t>(token.function)].drawsRandom))
                plan_.drawsRandom_ = true;
        }
        if (first) {
            plan_.variableBase_ = next;
            plan_.variableCount_ = static_cast<int>(parsed_.variables.size());
        }
        nextRegister_ = next + static_cast<int>(parsed_.variables.size());

        using Walk = ReductionWalk<PlanMachine, IndexedSearch>;
        std::vector<Walk::SlotType> working;
        std::vector<bool> emptyAtStart;
        Walk::InitialSlots(parsed_, working, emptyAtStart);
        FilledSlots filled;
        filled.Reset(emptyAtStart);
        IndexedSearch search{filled};
        int result = -1;
        // A walk that stops leaves no result: it was told of a stray ")"
        // (the variant is then unusable) or it ends in a raising instruction.
        variant_.resultRegister = Walk(parsed_, *this, working, search).Run(result) ? result : -1;
        if (plan_.registers_.size() < static_cast<std::size_t>(nextRegister_))
            plan_.registers_.resize(static_cast<std::size_t>(nextRegister_), 0.0);
    }

    int Number(int tokenIndex, const Token&) const {
        return numberRegister_[static_cast<std::size_t>(tokenIndex)];
    }
    int Zero() const { return kZeroRegister; }
    int Pi() const { return kPiRegister; }
    int E() const { return kERegister; }
    int Rnd() { return Emit(Op::Rnd, 0, kZeroRegister, kZeroRegister); }
    int Negate(int reg) { return Emit(Op::Negate, 0, reg, reg); }

    Step Apply(int formula, int u, int w, int& out) {
        Op op = Op::Call;
        if (formula == OperatorFormula(TokenKind::Plus))
            op = Op::Add;
        else if (formula == OperatorFormula(TokenKind::Minus))
            op = Op::Sub;
        else if (formula == OperatorFormula(TokenKind::Times))
            op = Op::Mul;
        else if (formula == OperatorFormula(TokenKind::Power) && SquaredBy(w)) {
            // The power squares by a checked product, as CheckedSteps::Pow.
            op = Op::Mul;
            formula = OperatorFormula(TokenKind::Times);
            w = u;
        }
        out = Emit(op, formula, u, w);
        return EmittedFails() ? Step::PassedOver : Step::Stored;
    }

    Step Variable(const Token& token, int& out) const {
        out = plan_.variableBase_ + token.variable;
        return Step::Stored;
    }
    // A ")" that no opening took is looked up by its text at this step; that
    // is left to the general reduction.
    Step Name(const Token&, int&) {
        variant_.usable = false;
        return Step::Stop;
    }

    void Raise(ErrorCode code, int detailToken) {
        variant_.code.push_back(CompiledPlan::Instruction{
            Op::Raise, 0, static_cast<std::int16_t>(detailToken), 0, 0, static_cast<int>(code)});
    }

    ErrorCode error = ErrorCode::None; // never set: no step is raised while compiling

private:
    // A number of the text that, as an exponent, squares.
    bool SquaredBy(int reg) const {
        return reg >= 3 && reg < plan_.variableBase_ &&
               SquaresByProduct(plan_.registers_[static_cast<std::size_t>(reg)]);
    }

    int Emit(Op op, int formula, int a, int b) {
        const int out = nextRegister_++;
        variant_.code.push_back(
            CompiledPlan::Instruction{op, static_cast<std::uint8_t>(formula), -1, a, b, out});
        return out;
    }

    // Whether the instruction just emitted is one of the failing steps.
    bool EmittedFails() {
        const auto emitted = static_cast<std::int32_t>(variant_.code.size()) - 1;
        const auto& failing = variant_.failing;
        if (failingSeen_ < failing.size() && failing[failingSeen_] == emitted) {
            ++failingSeen_;
            return true;
        }
        return false;
    }

    const ParsedExpression& parsed_;
    CompiledPlan& plan_;
    CompiledPlan::Variant& variant_;
    int nextRegister_ = 0;
    std::size_t failingSeen_ = 0;
    std::vector<int> numberRegister_;
};

void CompiledPlan::Compile(const ParsedExpression& parsed) {
    *this = CompiledPlan{};
    variants_.emplace_back();
    PlanMachine(parsed, *this, variants_[0]).Build(true);
    MarkRuns(variants_[0]);
    usable_ = variants_[0].usable;
}

int CompiledPlan::VariantAfter(const ParsedExpression& parsed, int variant, int step) {
    const auto usable = [&](int v) {
        return variants_[static_cast<std::size_t>(v)].usable ? v : -1;
    };
    for (const auto& [failingStep, known] : variants_[static_cast<std::size_t>(variant)].next)
        if (failingStep == step)
            return usable(known);
    if (variants_.size() >= kMaxVariants)
        return -1;
    Variant fresh;
    fresh.failing = variants_[static_cast<std::size_t>(variant)].failing;
    fresh.failing.push_back(step);
    PlanMachine(parsed, *this, fresh).Build(false);
    MarkRuns(fresh);
    variants_.push_back(std::move(fresh));
    const int following = static_cast<int>(variants_.size()) - 1;
    variants_[static_cast<std::size_t>(variant)].next.emplace_back(step, following);
    return usable(following);
}

} // namespace quivela::expression
