#pragma once

#include "expression/ErrorTexts.h"
#include "expression/FilledSlots.h"
#include "expression/Tokens.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quivela::expression {

class RandomGenerator;
class VariableTable;

// One slot of the working list: empty, a token of the parsed list (by its
// index; tokens move between slots unchanged), or a value.
struct Slot {
    enum class State : std::uint8_t { Empty, Token, Value };
    State state = State::Empty;
    std::int16_t token = 0;
    double value = 0;

    bool Filled() const { return state != State::Empty; }
};

// The working list is indexed from 1; index 0 exists in the vector only so
// that positions map directly, and counts as "no such slot".
// NextToken: the first filled slot after `position`, 0 when there is none.
// PrevToken: the last filled slot before `position`, 0 when there is none.
int NextToken(int position, std::span<const Slot> slots);
int PrevToken(int position, std::span<const Slot> slots);

struct ReductionOutcome {
    ErrorCode error = ErrorCode::None;
    std::string_view detail; // call token or variable name for the description
    bool hasValue = false;   // false: no filled slot was left (or it was no number)
    double value = 0;
    bool domainFault = false; // a square root, logarithm or power was out of its domain
};

// What the evaluation reads besides the parsed expression.
struct ReductionContext {
    const VariableTable& variables;
    std::span<const int> bindings; // per ParsedExpression::variables: a table handle or -1
    RandomGenerator& random;
};

// The general reduction in place. Walks the evaluation order once over a
// working copy of the token list; every operator takes the nearest filled
// slots on either side as operands. A step that fails in a way the language
// passes over has no effect and the case goes on with its next step; errors
// that are raised end the walk and come back in the outcome. Nothing here
// allocates once the working list has grown to the expression's size.
class GeneralReduction {
public:
    // How NextToken and PrevToken are answered: by the linear scans over the
    // slots, as the language describes them, or through an index of the
    // filled slots that makes a whole evaluation linear in the number of
    // tokens. The positions found are the same.
    enum class Search : std::uint8_t { Indexed, Scan };
    void SetSearch(Search search) { search_ = search; }

    // Builds the initial slot image of a freshly parsed expression.
    void Prepare(const ParsedExpression& parsed);

    ReductionOutcome Run(const ParsedExpression& parsed, const ReductionContext& context);

    // The working list as the last Run left it (slot 0 unused).
    std::span<const Slot> Slots() const { return slots_; }

private:
    std::vector<Slot> initial_ = std::vector<Slot>(1); // slot 0 alone: no tokens
    std::vector<Slot> slots_;
    FilledSlots filled_;
    Search search_ = Search::Indexed;
};

} // namespace quivela::expression
