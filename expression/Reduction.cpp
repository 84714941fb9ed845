#include "expression/Reduction.h"

#include "expression/CheckedMath.h"
#include "expression/FilledSlots.h"
#include "expression/FunctionLibrary.h"
#include "expression/RandomGenerator.h"
#include "expression/VariableTable.h"

#include <bit>

namespace quivela::expression {

namespace {

// The constants of the language, bit for bit: "pi" is 3.14159265358979 as
// written, not the double nearest to pi; "e" is 2.718281828 as written.
const double kPi = std::bit_cast<double>(0x400921FB54442D11ULL);
const double kE = std::bit_cast<double>(0x4005BF0A8B04919BULL);

enum class Read : std::uint8_t {
    Ok,
    Failed,   // no slot, an empty slot, or text that is not a number: passed over
    TooLarge, // a number token that no double holds: raised as overflow
};

ErrorCode RaisedBy(Fault fault) {
    switch (fault) {
    case Fault::Overflow:
        return ErrorCode::Overflow;
    case Fault::DivisionByZero:
        return ErrorCode::DivisionByZero;
    default:
        return ErrorCode::None;
    }
}

double Combine(TokenKind op, double left, double right, CheckedSteps& steps) {
    switch (op) {
    case TokenKind::Plus:
        return steps.Add(left, right);
    case TokenKind::Minus:
        return steps.Sub(left, right);
    case TokenKind::Times:
        return steps.Mul(left, right);
    case TokenKind::Divide:
        return steps.Div(left, right);
    case TokenKind::IntegerDivide:
        return steps.IntegerQuotient(left, right);
    case TokenKind::Remainder:
        return steps.IntegerRemainder(left, right);
    case TokenKind::Power:
        return steps.Pow(left, right);
    default:
        return 0;
    }
}

// One evaluation: the working list and the scratch of the walk, all zero at
// the start: the order index N, the closing position C, the first and last
// argument positions A and B, and the argument values U and W. U and W keep
// their values from one call to the next within the evaluation, so a call
// whose argument cannot be read computes with what the call before it left.
class Walk {
public:
    // `index` answers the searches when given; without it they scan the
    // slots one by one. Both give the same positions.
    Walk(const ParsedExpression& parsed, std::vector<Slot>& slots, const ReductionContext& context,
         FilledSlots* index)
        : parsed_(parsed), slots_(slots), context_(context), index_of_filled_(index),
          last_(static_cast<int>(slots.size()) - 1) {}

    ReductionOutcome Run() {
        const auto& order = parsed_.order;
        const std::size_t count = order.size(); // the bound is taken once
        for (index_ = 0; index_ < count && outcome_.error == ErrorCode::None; ++index_) {
            const int p = order[index_];
            Dispatch(p);
        }
        if (outcome_.error != ErrorCode::None)
            return outcome_;

        double value = 0;
        const Read read = ReadSlot(Next(0), value);
        if (read == Read::TooLarge)
            return Raise(ErrorCode::Overflow, {});
        outcome_.hasValue = read == Read::Ok;
        outcome_.value = value;
        return outcome_;
    }

private:
    void Dispatch(int p) {
        const Slot& slot = slots_[static_cast<std::size_t>(p)];
        if (slot.state != Slot::State::Token) {
            // An emptied slot fails the function-call test, and the call case
            // goes on with an empty name. (No value ever lands on a position
            // still waiting in the order; it is treated the same way.)
            CallCase(p, {}, -1);
            return;
        }
        const Token& token = parsed_.tokens[static_cast<std::size_t>(slot.token)];
        switch (token.kind) {
        case TokenKind::Negate:
            NegateCase(p);
            break;
        case TokenKind::Plus:
        case TokenKind::Minus:
        case TokenKind::Times:
        case TokenKind::Divide:
        case TokenKind::IntegerDivide:
        case TokenKind::Remainder:
        case TokenKind::Power:
            BinaryCase(p, token.kind);
            break;
        case TokenKind::Open:
            OpenCase(p);
            break;
        case TokenKind::Call:
            CallCase(p, token.text, token.function);
            break;
        default:
            NameCase(p, token);
            break;
        }
    }

    // "~": (a) R = NextToken(P); (b) P = -R; (c) empty R.
    void NegateCase(int p) {
        const int r = Next(p);
        double value = 0;
        const Read read = ReadSlot(r, value);
        if (read == Read::TooLarge) {
            Raise(ErrorCode::Overflow, {});
            return;
        }
        if (read == Read::Ok)
            StoreValue(p, -value);
        EmptySlot(r);
    }

    // (a) L = PrevToken(P); (b) R = NextToken(P); (c) L = L op R;
    // (d) empty R; (e) empty P. The left operand is read first, and the right
    // one only when the left one could be read.
    void BinaryCase(int p, TokenKind op) {
        const int l = Prev(p);
        const int r = Next(p);
        double left = 0;
        Read read = ReadSlot(l, left);
        if (read == Read::Ok) {
            double right = 0;
            read = ReadSlot(r, right);
            if (read == Read::Ok) {
                CheckedSteps steps;
                const double value = Combine(op, left, right, steps);
                if (!StoreOrRaise(l, value, steps.fault()))
                    return;
            }
        }
        if (read == Read::TooLarge) {
            Raise(ErrorCode::Overflow, {});
            return;
        }
        EmptySlot(r);
        EmptySlot(p);
    }

    // (a) N += 1; (b) C = order[N]; (c) A = NextToken(P); if A < C: (e) P = A's
    // item, (f) empty A, (g) empty C; else (e) P = 0, (f) empty C.
    void OpenCase(int p) {
        TakeClosing();
        const int a = Next(p);
        if (a < c_) {
            if (Exists(a))
                slots_[static_cast<std::size_t>(p)] = slots_[static_cast<std::size_t>(a)];
            EmptySlot(a);
            EmptySlot(c_);
        } else {
            StoreValue(p, 0.0);
            EmptySlot(c_);
        }
    }

    // A function call: (b) N += 1; (c) C = order[N]; (d) A = NextToken(P);
    // (e) B = PrevToken(C); (f) A must lie before C, else 1104; (g) U = A;
    // (h) B must lie after P, else 1104; (i) W = B; (j)-(m) empty B, A, P and
    // C; (n) P = the function of U and W, 1101 for a name the library lacks.
    // An emptied slot P arrives here with an empty name.
    void CallCase(int p, std::string_view name, int function) {
        TakeClosing();
        a_ = Next(p);
        b_ = Prev(c_);
        if (!(a_ < c_)) {
            Raise(ErrorCode::InvalidArgument, name);
            return;
        }
        if (!ReadArgument(a_, u_))
            return;
        if (!(b_ > p)) {
            Raise(ErrorCode::InvalidArgument, name);
            return;
        }
        if (!ReadArgument(b_, w_))
            return;
        EmptySlot(b_);
        EmptySlot(a_);
        // Slot P is emptied and then filled with the call's value: the
        // search index sees it emptied only when no value arrives.
        slots_[static_cast<std::size_t>(p)].state = Slot::State::Empty;
        EmptySlot(c_);
        if (function < 0) {
            Raise(ErrorCode::UnknownFunction, name);
            return;
        }
        const FunctionResult result = CallFunction(function, u_, w_, context_.random);
        StoreOrRaise(p, result.value, result.fault);
        if (index_of_filled_ != nullptr && !slots_[static_cast<std::size_t>(p)].Filled())
            index_of_filled_->Empty(p);
    }

    void NameCase(int p, const Token& token) {
        switch (token.name) {
        case NameKind::Pi:
            StoreValue(p, kPi);
            return;
        case NameKind::E:
            StoreValue(p, kE);
            return;
        case NameKind::Rnd:
            StoreValue(p, context_.random.Next());
            return;
        case NameKind::Variable: {
            const int handle = context_.bindings[static_cast<std::size_t>(token.variable)];
            if (handle < 0) {
                Raise(ErrorCode::UnknownVariable, token.text);
                return;
            }
            StoreValue(p, context_.variables.ValueAt(handle));
            return;
        }
        case NameKind::None: {
            // Only a ")" that no opening took gets here; it is looked up
            // like any other name.
            const int handle = context_.variables.Find(token.text);
            if (handle < 0) {
                Raise(ErrorCode::UnknownVariable, token.text);
                return;
            }
            StoreValue(p, context_.variables.ValueAt(handle));
            return;
        }
        }
    }

    // (N += 1; C = order[N]) -- a missing entry is passed over and C keeps
    // the value it had.
    void TakeClosing() {
        ++index_;
        if (index_ < parsed_.order.size())
            c_ = parsed_.order[index_];
    }

    // Reads an argument into U or W; a failed read leaves it as it was.
    bool ReadArgument(int position, double& target) {
        double value = 0;
        const Read read = ReadSlot(position, value);
        if (read == Read::TooLarge) {
            Raise(ErrorCode::Overflow, {});
            return false;
        }
        if (read == Read::Ok)
            target = value;
        return true;
    }

    // Stores a step's value, or passes over a domain fault, or raises.
    bool StoreOrRaise(int position, double value, Fault fault) {
        if (fault == Fault::None) {
            StoreValue(position, value);
            return true;
        }
        if (fault == Fault::Domain) {
            outcome_.domainFault = true;
            return true;
        }
        Raise(RaisedBy(fault), {});
        return false;
    }

    bool Exists(int position) const { return position >= 1 && position <= last_; }

    int Next(int position) {
        return index_of_filled_ != nullptr ? index_of_filled_->Next(position)
                                           : NextToken(position, slots_);
    }
    int Prev(int position) {
        return index_of_filled_ != nullptr ? index_of_filled_->Prev(position)
                                           : PrevToken(position, slots_);
    }

    Read ReadSlot(int position, double& value) const {
        if (!Exists(position))
            return Read::Failed;
        const Slot& slot = slots_[static_cast<std::size_t>(position)];
        if (slot.state == Slot::State::Value) {
            value = slot.value;
            return Read::Ok;
        }
        if (slot.state == Slot::State::Empty)
            return Read::Failed;
        const Token& token = parsed_.tokens[static_cast<std::size_t>(slot.token)];
        if (token.kind != TokenKind::Number)
            return Read::Failed;
        switch (token.numberStatus) {
        case NumberStatus::Ok:
            value = token.number;
            return Read::Ok;
        case NumberStatus::TooLarge:
            return Read::TooLarge;
        case NumberStatus::NotNumber:
            break;
        }
        return Read::Failed;
    }

    void StoreValue(int position, double value) {
        if (!Exists(position))
            return;
        Slot& slot = slots_[static_cast<std::size_t>(position)];
        slot.state = Slot::State::Value;
        slot.value = value;
    }

    void EmptySlot(int position) {
        if (!Exists(position))
            return;
        slots_[static_cast<std::size_t>(position)].state = Slot::State::Empty;
        if (index_of_filled_ != nullptr)
            index_of_filled_->Empty(position);
    }

    ReductionOutcome Raise(ErrorCode code, std::string_view detail) {
        outcome_.error = code;
        outcome_.detail = detail;
        return outcome_;
    }

    const ParsedExpression& parsed_;
    std::vector<Slot>& slots_;
    const ReductionContext& context_;
    FilledSlots* index_of_filled_;
    const int last_;
    ReductionOutcome outcome_;
    std::size_t index_ = 0; // N - 1
    int c_ = 0;
    int a_ = 0;
    int b_ = 0;
    double u_ = 0;
    double w_ = 0;
};

} // namespace

int NextToken(int position, std::span<const Slot> slots) {
    const int last = static_cast<int>(slots.size()) - 1;
    for (int i = position < 0 ? 1 : position + 1; i <= last; ++i)
        if (slots[static_cast<std::size_t>(i)].Filled())
            return i;
    return 0;
}

int PrevToken(int position, std::span<const Slot> slots) {
    const int last = static_cast<int>(slots.size()) - 1;
    for (int i = (position > last + 1 ? last : position - 1); i >= 1; --i)
        if (slots[static_cast<std::size_t>(i)].Filled())
            return i;
    return 0;
}

void GeneralReduction::Prepare(const ParsedExpression& parsed) {
    const std::size_t n = parsed.tokens.size();
    initial_.assign(n + 1, Slot{});
    for (std::size_t i = 0; i < n; ++i) {
        if (parsed.tokens[i].kind == TokenKind::Separator)
            continue; // the separators are empty slots from the start
        initial_[i + 1].state = Slot::State::Token;
        initial_[i + 1].token = static_cast<std::int16_t>(i);
    }
    slots_.reserve(n + 1);
    std::vector<bool> emptyAtStart(n + 1, false);
    for (std::size_t i = 1; i <= n; ++i)
        emptyAtStart[i] = !initial_[i].Filled();
    filled_.Reset(emptyAtStart);
}

ReductionOutcome GeneralReduction::Run(const ParsedExpression& parsed,
                                       const ReductionContext& context) {
    slots_.assign(initial_.begin(), initial_.end());
    FilledSlots* index = nullptr;
    if (search_ == Search::Indexed) {
        filled_.Restart();
        index = &filled_;
    }
    Walk walk(parsed, slots_, context, index);
    return walk.Run();
}

} // namespace quivela::expression
