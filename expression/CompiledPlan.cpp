#include "expression/CompiledPlan.h"

#include "expression/CheckedMath.h"
#include "expression/FilledSlots.h"
#include "expression/FunctionLibrary.h"
#include "expression/RandomGenerator.h"
#include "expression/VariableTable.h"

#include <bit>
#include <string_view>

namespace quivela::expression {

namespace {

const double kPi = std::bit_cast<double>(0x400921FB54442D11ULL);
const double kE = std::bit_cast<double>(0x4005BF0A8B04919BULL);

constexpr int kZeroRegister = 0; // +0.0: U and W before any call, and the empty group
constexpr int kPiRegister = 1;
constexpr int kERegister = 2;

using Op = CompiledPlan::Op;

// Library formulas that the plan writes out instead of calling through the
// table; each does the same checked steps as its library formula.
Op OpForFunction(std::string_view token) {
    if (token == "sin(" || token == "sen(")
        return Op::Sin;
    if (token == "cos(")
        return Op::Cos;
    if (token == "tan(" || token == "tg(")
        return Op::Tan;
    if (token == "exp(")
        return Op::Exp;
    if (token == "log(" || token == "ln(")
        return Op::Ln;
    if (token == "sqr(")
        return Op::Sqrt;
    if (token == "abs(")
        return Op::Abs;
    if (token == "tgh(" || token == "tanh(")
        return Op::Tanh;
    return Op::Call;
}

bool DrawsRandom(std::string_view token) {
    return token == "rnd(" || token == "rand(" || token == "random(";
}

} // namespace

// The symbolic run of the reduction. It walks the evaluation order exactly as
// the general reduction does (the same cases, the same steps, the same
// searches), but a slot holds the register its value will be in instead of
// the value, and every step that computes a value appends an instruction.
// The steps listed in `failing` (by instruction index) are taken to pass over
// a domain fault: they store nothing, as in the reduction. Runs with the same
// failing steps up to some instruction emit the same instructions and
// registers up to it.
class PlanBuilder {
public:
    PlanBuilder(const ParsedExpression& parsed, CompiledPlan& plan, CompiledPlan::Variant& variant)
        : parsed_(parsed), plan_(plan), variant_(variant),
          last_(static_cast<int>(parsed.tokens.size())) {}

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
                (token.kind == TokenKind::Call && DrawsRandom(token.text)))
                plan_.drawsRandom_ = true;
        }
        if (first) {
            plan_.variableBase_ = next;
            plan_.variableCount_ = static_cast<int>(parsed_.variables.size());
        }
        nextRegister_ = next + static_cast<int>(parsed_.variables.size());

        slots_.assign(static_cast<std::size_t>(last_) + 1, Sym{});
        std::vector<bool> emptyAtStart(static_cast<std::size_t>(last_) + 1, false);
        for (int p = 1; p <= last_; ++p) {
            if (parsed_.tokens[static_cast<std::size_t>(p - 1)].kind == TokenKind::Separator) {
                emptyAtStart[static_cast<std::size_t>(p)] = true;
                continue;
            }
            slots_[static_cast<std::size_t>(p)] = Sym{State::Token, p - 1, -1};
        }
        filled_.Reset(emptyAtStart);

        const auto& order = parsed_.order;
        for (index_ = 0; index_ < order.size() && !stopped_; ++index_)
            Dispatch(order[index_]);
        if (!stopped_) {
            int reg = -1;
            const Read read = ReadSlot(filled_.Next(0), reg);
            if (read == Read::TooLarge)
                Raise(ErrorCode::Overflow, -1);
            else
                variant_.resultRegister = read == Read::Ok ? reg : -1;
        }
        if (plan_.registers_.size() < static_cast<std::size_t>(nextRegister_))
            plan_.registers_.resize(static_cast<std::size_t>(nextRegister_), 0.0);
    }

private:
    enum class State : std::uint8_t { Empty, Token, Value };
    struct Sym {
        State state = State::Empty;
        int token = -1; // State::Token: index into the token list
        int reg = -1;   // State::Value: where the value will be
    };
    enum class Read : std::uint8_t { Ok, Failed, TooLarge };

    void Dispatch(int p) {
        const Sym slot = slots_[static_cast<std::size_t>(p)];
        if (slot.state != State::Token) {
            CallCase(p, -1, -1);
            return;
        }
        const Token& token = parsed_.tokens[static_cast<std::size_t>(slot.token)];
        switch (token.kind) {
        case TokenKind::Negate:
            NegateCase(p);
            break;
        case TokenKind::Plus:
            BinaryCase(p, Op::Add);
            break;
        case TokenKind::Minus:
            BinaryCase(p, Op::Sub);
            break;
        case TokenKind::Times:
            BinaryCase(p, Op::Mul);
            break;
        case TokenKind::Divide:
            BinaryCase(p, Op::Div);
            break;
        case TokenKind::IntegerDivide:
            BinaryCase(p, Op::IntegerDivide);
            break;
        case TokenKind::Remainder:
            BinaryCase(p, Op::Remainder);
            break;
        case TokenKind::Power:
            BinaryCase(p, Op::Power);
            break;
        case TokenKind::Open:
            OpenCase(p);
            break;
        case TokenKind::Call:
            CallCase(p, slot.token, token.function);
            break;
        default:
            NameCase(p, token);
            break;
        }
    }

    void NegateCase(int p) {
        const int r = filled_.Next(p);
        int reg = -1;
        const Read read = ReadSlot(r, reg);
        if (read == Read::TooLarge) {
            Raise(ErrorCode::Overflow, -1);
            return;
        }
        if (read == Read::Ok)
            StoreValue(p, Emit(Op::Negate, reg, reg));
        EmptySlot(r);
    }

    void BinaryCase(int p, Op op) {
        const int l = filled_.Prev(p);
        const int r = filled_.Next(p);
        int left = -1;
        Read read = ReadSlot(l, left);
        if (read == Read::Ok) {
            int right = -1;
            read = ReadSlot(r, right);
            if (read == Read::Ok) {
                const int out = IsTwo(right) && op == Op::Power ? Emit(Op::Mul, left, left)
                                                                : Emit(op, left, right);
                if (!EmittedFails())
                    StoreValue(l, out);
            }
        }
        if (read == Read::TooLarge) {
            Raise(ErrorCode::Overflow, -1);
            return;
        }
        EmptySlot(r);
        EmptySlot(p);
    }

    void OpenCase(int p) {
        TakeClosing();
        const int a = filled_.Next(p);
        if (a < c_) {
            if (Exists(a))
                slots_[static_cast<std::size_t>(p)] = slots_[static_cast<std::size_t>(a)];
            EmptySlot(a);
            EmptySlot(c_);
        } else {
            StoreValue(p, kZeroRegister);
            EmptySlot(c_);
        }
    }

    void CallCase(int p, int nameToken, int function) {
        TakeClosing();
        const int a = filled_.Next(p);
        const int b = filled_.Prev(c_);
        if (!(a < c_)) {
            Raise(ErrorCode::InvalidArgument, nameToken);
            return;
        }
        if (!ReadArgument(a, u_))
            return;
        if (!(b > p)) {
            Raise(ErrorCode::InvalidArgument, nameToken);
            return;
        }
        if (!ReadArgument(b, w_))
            return;
        EmptySlot(b);
        EmptySlot(a);
        EmptySlot(c_);
        if (function < 0) {
            Raise(ErrorCode::UnknownFunction, nameToken);
            return;
        }
        // Slot P is emptied and filled again with the value: when the
        // formula succeeds it simply stays filled.
        const int out = Emit(OpForFunction(FunctionToken(function)), u_, w_);
        variant_.code.back().function = static_cast<std::uint8_t>(function);
        if (EmittedFails())
            EmptySlot(p);
        else
            StoreValue(p, out);
    }

    void NameCase(int p, const Token& token) {
        switch (token.name) {
        case NameKind::Pi:
            StoreValue(p, kPiRegister);
            return;
        case NameKind::E:
            StoreValue(p, kERegister);
            return;
        case NameKind::Rnd:
            StoreValue(p, Emit(Op::Rnd, kZeroRegister, kZeroRegister));
            return;
        case NameKind::Variable:
            StoreValue(p, plan_.variableBase_ + token.variable);
            return;
        case NameKind::None:
            // A ")" that no opening took is looked up by its text at this
            // step; that is left to the general reduction.
            variant_.usable = false;
            stopped_ = true;
            return;
        }
    }

    void TakeClosing() {
        ++index_;
        if (index_ < parsed_.order.size())
            c_ = parsed_.order[index_];
    }

    bool ReadArgument(int position, int& target) {
        int reg = -1;
        const Read read = ReadSlot(position, reg);
        if (read == Read::TooLarge) {
            Raise(ErrorCode::Overflow, -1);
            return false;
        }
        if (read == Read::Ok)
            target = reg;
        return true;
    }

    bool Exists(int position) const { return position >= 1 && position <= last_; }

    Read ReadSlot(int position, int& reg) const {
        if (!Exists(position))
            return Read::Failed;
        const Sym& slot = slots_[static_cast<std::size_t>(position)];
        if (slot.state == State::Value) {
            reg = slot.reg;
            return Read::Ok;
        }
        if (slot.state == State::Empty)
            return Read::Failed;
        const Token& token = parsed_.tokens[static_cast<std::size_t>(slot.token)];
        if (token.kind != TokenKind::Number)
            return Read::Failed;
        switch (token.numberStatus) {
        case NumberStatus::Ok:
            reg = numberRegister_[static_cast<std::size_t>(slot.token)];
            return Read::Ok;
        case NumberStatus::TooLarge:
            return Read::TooLarge;
        case NumberStatus::NotNumber:
            break;
        }
        return Read::Failed;
    }

    void StoreValue(int position, int reg) {
        if (!Exists(position))
            return;
        slots_[static_cast<std::size_t>(position)] = Sym{State::Value, -1, reg};
    }

    void EmptySlot(int position) {
        if (!Exists(position))
            return;
        slots_[static_cast<std::size_t>(position)].state = State::Empty;
        filled_.Empty(position);
    }

    // A number of the text that is exactly 2. The power operator squares by
    // a checked product (CheckedSteps::Pow), so x^2 is compiled as x*x.
    bool IsTwo(int reg) const {
        return reg >= 3 && reg < plan_.variableBase_ &&
               plan_.registers_[static_cast<std::size_t>(reg)] == 2.0;
    }

    int Emit(Op op, int a, int b) {
        const int out = nextRegister_++;
        variant_.code.push_back(CompiledPlan::Instruction{op, 0, -1, a, b, out});
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

    void Raise(ErrorCode code, int detailToken) {
        variant_.code.push_back(CompiledPlan::Instruction{
            Op::Raise, 0, static_cast<std::int16_t>(detailToken), 0, 0, static_cast<int>(code)});
        stopped_ = true;
    }

    const ParsedExpression& parsed_;
    CompiledPlan& plan_;
    CompiledPlan::Variant& variant_;
    const int last_;
    int nextRegister_ = 0;
    std::size_t failingSeen_ = 0;
    std::vector<Sym> slots_;
    std::vector<int> numberRegister_;
    FilledSlots filled_;
    std::size_t index_ = 0;
    bool stopped_ = false;
    int c_ = 0;
    int u_ = kZeroRegister;
    int w_ = kZeroRegister;
};

void CompiledPlan::Compile(const ParsedExpression& parsed) {
    *this = CompiledPlan{};
    variants_.emplace_back();
    PlanBuilder(parsed, *this, variants_[0]).Build(true);
    usable_ = variants_[0].usable;
}

// The variant that continues `variant` when its instruction `step` passes over
// a fault; -1 when there would be too many variants.
int CompiledPlan::VariantAfter(const ParsedExpression& parsed, int variant, int step) {
    for (const auto& [failingStep, following] : variants_[static_cast<std::size_t>(variant)].next)
        if (failingStep == step)
            return following;
    if (variants_.size() >= kMaxVariants)
        return -1;
    Variant fresh;
    fresh.failing = variants_[static_cast<std::size_t>(variant)].failing;
    fresh.failing.push_back(step);
    PlanBuilder(parsed, *this, fresh).Build(false);
    variants_.push_back(std::move(fresh));
    const int id = static_cast<int>(variants_.size()) - 1;
    variants_[static_cast<std::size_t>(variant)].next.emplace_back(step, id);
    return id;
}

} // namespace quivela::expression
