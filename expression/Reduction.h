#pragma once

#include "expression/Drops.h"
#include "expression/EngineError.h"
#include "expression/FilledSlots.h"
#include "expression/FunctionLibrary.h"
#include "expression/Tokens.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quivela::expression {

class RandomGenerator;
class VariableTable;

enum class SlotState : std::uint8_t { Empty, Token, Value };

// One slot of the working list: empty, a token of the parsed list (by its
// index; tokens move between slots unchanged), or a value. What a value is
// depends on who walks: a double when evaluating, the register that will
// hold it when compiling a plan.
template <class V> struct SlotOf {
    SlotState state = SlotState::Empty;
    std::int16_t token = 0;
    V value{};

    bool Filled() const { return state != SlotState::Empty; }
};
using Slot = SlotOf<double>;

// How one step that computes a value ended.
enum class Step : std::uint8_t {
    Stored,     // the value is there
    PassedOver, // a fault the language passes over: nothing is stored
    Raised,     // an error that ends the evaluation (the machine's `error`)
    Stop,       // the walk cannot go on (only a plan being compiled stops)
};

// Who hears what the walk passes over (Drops.h): nobody when plotting, so
// that the walk compiles to the same code as without it; the record of the
// diagnosis otherwise.
struct NoRecorder {
    static constexpr bool kRecords = false;
    void Add(DropKind, int, int) {}
};
struct DropRecorder {
    static constexpr bool kRecords = true;
    DropRecord& record;
    void Add(DropKind kind, int at, int other) { record.Add(kind, at, other); }
};

// The reduction in place, written once. It walks the evaluation order over a
// working list (slot 0 unused, so that positions map directly and 0 means
// "no such slot"); every operator takes the nearest filled slots on either
// side as operands, found through `Search`. A step that fails in a way the
// language passes over has no effect and the case goes on with its next
// step; errors that are raised end the walk.
//
// What a slot's value is and how a value is made is the `Machine`'s: it
// gives numbers, constants and variables, negates, and applies a formula of
// the library (FunctionLibrary.h) to two values. Evaluating, it computes;
// compiling, it emits an instruction and answers with its register.
//
// The scratch of the walk starts at zero: the order index N, the closing
// position C, and the argument values U and W. U and W keep their values
// from one call to the next, so a call whose argument cannot be read
// computes with what the call before it left.
template <class Machine, class Search, class Recorder = NoRecorder> class ReductionWalk {
public:
    using Value = typename Machine::Value;
    using SlotType = SlotOf<Value>;

    // The working list at the start: every token in its slot except the
    // separators, which are empty from the start.
    static void InitialSlots(const ParsedExpression& parsed, std::vector<SlotType>& working,
                             std::vector<bool>& emptyAtStart) {
        const std::size_t n = parsed.tokens.size();
        working.assign(n + 1, SlotType{});
        emptyAtStart.assign(n + 1, false);
        for (std::size_t i = 0; i < n; ++i) {
            emptyAtStart[i + 1] = parsed.tokens[i].kind == TokenKind::Separator;
            if (!emptyAtStart[i + 1])
                working[i + 1] = SlotType{SlotState::Token, static_cast<std::int16_t>(i), Value{}};
        }
    }

    ReductionWalk(const ParsedExpression& parsed, Machine& machine, std::vector<SlotType>& working,
                  Search& search, Recorder recorder = {})
        : parsed_(parsed), machine_(machine), slots_(working), search_(search), recorder_(recorder),
          last_(static_cast<int>(working.size()) - 1), u_(machine.Zero()), w_(machine.Zero()) {}

    // Walks the order: true with the value the walk ends with, false when
    // it leaves none or stops (the machine was told of a raised error).
    bool Run(Value& value) {
        const auto& order = parsed_.order;
        const std::size_t count = order.size(); // the bound is taken once
        for (index_ = 0; index_ < count && !stopped_; ++index_)
            Dispatch(order[index_]);
        if (stopped_)
            return false;
        const int first = Next(0);
        if constexpr (Recorder::kRecords)
            for (int q = first == 0 ? 0 : Next(first); q != 0; q = Next(q))
                Record(DropKind::Leftover, q);
        return ReadSlot(first, value) == Read::Ok;
    }

private:
    enum class Read : std::uint8_t {
        Ok,
        Failed,   // no slot, an empty slot, or text that is not a number: passed over
        TooLarge, // a number token that no double holds: overflow is raised
    };

    void Dispatch(int p) {
        const SlotType& slot = slots_[static_cast<std::size_t>(p)];
        if (slot.state != SlotState::Token) {
            // An emptied slot fails the function-call test, and the call case
            // goes on with an empty name. (No value ever lands on a position
            // still waiting in the order; it is treated the same way.)
            CallCase(p, -1, -1);
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
            CallCase(p, slot.token, token.function);
            break;
        default:
            NameCase(p, slot.token, token);
            break;
        }
    }

    // "~": (a) R = NextToken(P); (b) P = -R; (c) empty R.
    void NegateCase(int p) {
        const int r = Next(p);
        Value value{};
        const Read read = ReadSlot(r, value);
        if (read == Read::TooLarge)
            return;
        if (read == Read::Ok)
            StoreValue(p, machine_.Negate(value));
        else
            Record(DropKind::NoRightOperand, p, r);
        EmptySlot(r);
    }

    // (a) L = PrevToken(P); (b) R = NextToken(P); (c) L = L op R;
    // (d) empty R; (e) empty P. The left operand is read first, and the right
    // one only when the left one could be read.
    void BinaryCase(int p, TokenKind op);

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
            StoreValue(p, machine_.Zero());
            EmptySlot(c_);
        }
    }

    // A function call: (b) N += 1; (c) C = order[N]; (d) A = NextToken(P);
    // (e) B = PrevToken(C); (f) A must lie before C, else 1104; (g) U = A;
    // (h) B must lie after P, else 1104; (i) W = B; (j)-(m) empty B, A, P and
    // C; (n) P = the function of U and W, 1101 for a name the library lacks.
    // An emptied slot P arrives here with an empty name (nameToken -1).
    void CallCase(int p, int nameToken, int function);

    void NameCase(int p, int tokenIndex, const Token& token) {
        Value value{};
        Step step = Step::Stored;
        switch (token.name) {
        case NameKind::Pi:
            value = machine_.Pi();
            break;
        case NameKind::E:
            value = machine_.E();
            break;
        case NameKind::Rnd:
            value = machine_.Rnd();
            break;
        case NameKind::Variable:
            step = machine_.Variable(token, value);
            break;
        case NameKind::None:
            // Only a ")" that no opening took gets here; it is looked up
            // like any other name.
            step = machine_.Name(token, value);
            break;
        }
        Finish(p, step, value, tokenIndex);
    }

    // Stores a step's value, or passes over its fault, or raises or stops.
    bool Finish(int position, Step step, Value value, int detailToken) {
        switch (step) {
        case Step::Stored:
            StoreValue(position, value);
            return true;
        case Step::PassedOver:
            return true;
        case Step::Raised:
            Raise(machine_.error, detailToken);
            return false;
        case Step::Stop:
            stopped_ = true;
            return false;
        }
        return false;
    }

    // (N += 1; C = order[N]) -- a missing entry is passed over and C keeps
    // the value it had.
    void TakeClosing() {
        ++index_;
        if (index_ < parsed_.order.size())
            c_ = parsed_.order[index_];
    }

    // Reads an argument of the call at `call` into U or W; a failed read
    // leaves it as it was.
    bool ReadArgument(int call, int position, Value& target) {
        Value value{};
        const Read read = ReadSlot(position, value);
        if (read == Read::TooLarge)
            return false;
        if (read == Read::Ok)
            target = value;
        else
            Record(DropKind::UnreadArgument, call, position);
        return true;
    }

    // Tells the recorder of a drop, naming a filled position by its token:
    // an item stays at the position of its leftmost token (-1: none).
    void Record(DropKind kind, int position, int otherPosition = 0) {
        if constexpr (Recorder::kRecords)
            recorder_.Add(kind, Named(position), Named(otherPosition));
    }
    int Named(int position) const {
        return Exists(position) && slots_[static_cast<std::size_t>(position)].Filled()
                   ? position - 1
                   : -1;
    }

    bool Exists(int position) const { return position >= 1 && position <= last_; }
    int Next(int position) { return search_.Next(position, std::span<const SlotType>(slots_)); }
    int Prev(int position) { return search_.Prev(position, std::span<const SlotType>(slots_)); }

    Read ReadSlot(int position, Value& value) {
        if (!Exists(position))
            return Read::Failed;
        const SlotType& slot = slots_[static_cast<std::size_t>(position)];
        if (slot.state == SlotState::Value) {
            value = slot.value;
            return Read::Ok;
        }
        if (slot.state == SlotState::Empty)
            return Read::Failed;
        const Token& token = parsed_.tokens[static_cast<std::size_t>(slot.token)];
        if (token.kind != TokenKind::Number)
            return Read::Failed;
        switch (token.numberStatus) {
        case NumberStatus::Ok:
            value = machine_.Number(slot.token, token);
            return Read::Ok;
        case NumberStatus::TooLarge:
            Raise(ErrorCode::Overflow, -1);
            return Read::TooLarge;
        case NumberStatus::NotNumber:
            break;
        }
        return Read::Failed;
    }

    void StoreValue(int position, Value value) {
        if (!Exists(position))
            return;
        SlotType& slot = slots_[static_cast<std::size_t>(position)];
        slot.state = SlotState::Value;
        slot.value = value;
    }

    void EmptySlot(int position) {
        if (!Exists(position))
            return;
        slots_[static_cast<std::size_t>(position)].state = SlotState::Empty;
        search_.Empty(position);
    }

    void Raise(ErrorCode code, int detailToken) {
        machine_.Raise(code, detailToken);
        stopped_ = true;
    }

    const ParsedExpression& parsed_;
    Machine& machine_;
    std::vector<SlotType>& slots_;
    Search& search_;
    Recorder recorder_;
    const int last_;
    bool stopped_ = false;  // by an error or by the machine
    std::size_t index_ = 0; // N - 1
    int c_ = 0;
    Value u_;
    Value w_;
};

template <class Machine, class Search, class Recorder>
void ReductionWalk<Machine, Search, Recorder>::BinaryCase(int p, TokenKind op) {
    const int l = Prev(p);
    const int r = Next(p);
    Value left{};
    Read read = ReadSlot(l, left);
    const bool leftRead = read == Read::Ok;
    if (leftRead) {
        Value right{};
        read = ReadSlot(r, right);
        if (read == Read::Ok) {
            Value value{};
            const Step step = machine_.Apply(OperatorFormula(op), left, right, value);
            if (!Finish(l, step, value, -1))
                return;
        }
    }
    if (read == Read::TooLarge)
        return;
    if (read == Read::Failed)
        Record(leftRead ? DropKind::NoRightOperand : DropKind::NoLeftOperand, p, r);
    EmptySlot(r);
    EmptySlot(p);
}

template <class Machine, class Search, class Recorder>
void ReductionWalk<Machine, Search, Recorder>::CallCase(int p, int nameToken, int function) {
    TakeClosing();
    const int a = Next(p);
    const int b = Prev(c_);
    if (!(a < c_)) {
        Raise(ErrorCode::InvalidArgument, nameToken);
        return;
    }
    if (!ReadArgument(p, a, u_))
        return;
    if (!(b > p)) {
        Raise(ErrorCode::InvalidArgument, nameToken);
        return;
    }
    if (!ReadArgument(p, b, w_))
        return;
    // The last argument is passed to every function, but not all of them
    // read it. (Those between the first and the last stay where they are, to
    // be left over at the end.)
    if constexpr (Recorder::kRecords)
        if (b != a && function >= 0 && !kFormulas[static_cast<std::size_t>(function)].readsLast)
            Record(DropKind::UnusedArgument, p, b);
    EmptySlot(b);
    EmptySlot(a);
    // Slot P is emptied and then filled with the call's value: the search
    // sees it emptied only when no value arrives.
    slots_[static_cast<std::size_t>(p)].state = SlotState::Empty;
    EmptySlot(c_);
    if (function < 0) {
        Raise(ErrorCode::UnknownFunction, nameToken);
        return;
    }
    Value value{};
    const Step step = machine_.Apply(function, u_, w_, value);
    if (Finish(p, step, value, -1) && !slots_[static_cast<std::size_t>(p)].Filled())
        search_.Empty(p);
}

// The searches through the index of filled slots: a whole evaluation is
// linear in the number of tokens.
struct IndexedSearch {
    FilledSlots& filled;
    template <class S> int Next(int position, std::span<const S>) { return filled.Next(position); }
    template <class S> int Prev(int position, std::span<const S>) { return filled.Prev(position); }
    void Empty(int position) { filled.Empty(position); }
};

// How one evaluation of a sample ended, by either route; in this order, so
// that comparisons tell the ends with a value from those without.
enum class End : std::uint8_t {
    Value,             // the value is there
    ValueAfterFault,   // the same, but a step passed over a domain fault
    NoValue,           // no filled slot was left: the previous result stays
    NoValueAfterFault, // the same, after a domain fault
    Raised,            // an error is raised
    Fallback,          // the plan cannot take it: the general reduction must (a
                       // sample of a block: run on its own), and its draws count
                       // for nothing
};

// The end of an evaluation that neither raised nor fell back.
constexpr End Ended(bool hasValue, bool afterFault) {
    if (hasValue)
        return afterFault ? End::ValueAfterFault : End::Value;
    return afterFault ? End::NoValueAfterFault : End::NoValue;
}

// What an evaluation gave: how it ended, its value (for Value and
// ValueAfterFault), and for Raised the error with the token named in its
// description (a call or a variable name; -1 for none).
struct Outcome {
    End end = End::NoValue;
    double value = 0;
    ErrorCode error = ErrorCode::None;
    int detail = -1;
};

// What the evaluation reads besides the parsed expression.
struct ReductionContext {
    const VariableTable& variables;
    std::span<const int> bindings; // per ParsedExpression::variables: a table handle or -1
    RandomGenerator& random;
};

// The machine that evaluates: a value is a double, and each formula is
// computed as the walk meets it.
class ValueMachine {
public:
    using Value = double;
    explicit ValueMachine(const ReductionContext& context) : context_(context) {}

    double Number(int, const Token& token) const { return token.number; }
    double Zero() const { return 0.0; }
    double Pi() const { return kPi; }
    double E() const { return kE; }
    double Rnd();
    double Negate(double value) const { return Negated(value); }
    Step Apply(int formula, double u, double w, double& out);
    Step Variable(const Token& token, double& out);
    Step Name(const Token& token, double& out);
    void Raise(ErrorCode code, int detailToken) {
        outcome.end = End::Raised;
        outcome.error = code;
        outcome.detail = detailToken;
    }

    ErrorCode error = ErrorCode::None; // of the step that raises
    bool passedOver = false;           // a step passed over a domain fault
    Outcome outcome;                   // of a walk that raised

private:
    // The value of a table entry; a missing one (-1) raises unknown variable.
    Step ValueAt(int handle, double& out);

    const ReductionContext& context_;
};

// Runs the walk that evaluates over `working`, searching by `search`.
template <class Search, class Recorder = NoRecorder>
Outcome Reduce(const ParsedExpression& parsed, const ReductionContext& context,
               std::vector<Slot>& working, Search& search, Recorder recorder = {}) {
    ValueMachine machine(context);
    double value = 0;
    const bool hasValue =
        ReductionWalk<ValueMachine, Search, Recorder>(parsed, machine, working, search, recorder)
            .Run(value);
    if (machine.outcome.end == End::Raised)
        return machine.outcome;
    return Outcome{Ended(hasValue, machine.passedOver), value};
}

// The general reduction in place, with its working list and index kept from
// one evaluation to the next: nothing here allocates once the working list
// has grown to the expression's size.
class GeneralReduction {
public:
    // The initial slots of a freshly parsed expression.
    void Prepare(const ParsedExpression& parsed);

    // One evaluation, telling `recorder` what it passes over.
    template <class Recorder = NoRecorder>
    Outcome Run(const ParsedExpression& parsed, const ReductionContext& context,
                Recorder recorder = {}) {
        slots_.assign(initial_.begin(), initial_.end());
        filled_.Restart();
        IndexedSearch search{filled_};
        return Reduce(parsed, context, slots_, search, recorder);
    }

private:
    std::vector<Slot> initial_ = std::vector<Slot>(1); // slot 0 alone: no tokens
    std::vector<Slot> slots_;
    FilledSlots filled_;
};

} // namespace quivela::expression
