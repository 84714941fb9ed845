#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quivela::expression {

// What the engine passes over without an error, recorded at the place where
// it happens: the scanner, the parser and the reduction each tell the record
// what they skip, when they are handed one. The plot hands them none and
// pays nothing; the diagnosis (Diagnosis.h) hands them one and turns its
// entries into hints.
//
// `at` and `other` are token indices (ParsedExpression::tokens), except for
// an ignored character, whose `at` is the byte offset in the text. A value
// is named by the token where it stays, its leftmost one.
enum class DropKind : std::uint8_t {
    // Scanner: a byte outside the character table, skipped (blanks too).
    IgnoredCharacter,
    // Parser: a token the evaluation order leaves out, because a ")" closed
    // the level before its "(" opened it ("x)(").
    OutOfOrder,
    // Parser: a number no double reads ("1.5.2", "."), so no step uses it.
    NotNumber,
    // Reduction: an operator (at) with no value on its left; the operand on
    // its right (other, -1 for none) is emptied with it.
    NoLeftOperand,
    // Reduction: an operator (at) with no value on its right, where `other`
    // is the token found there instead, -1 when nothing is left at all.
    NoRightOperand,
    // Reduction: the last argument (other) of a call (at) to a function of
    // one argument, which it does not read. (An argument between the first
    // and the last is never taken, and is left over at the end.)
    UnusedArgument,
    // Reduction: an argument (other) of the call (at) that is no value; the
    // call computes with what the call before it left.
    UnreadArgument,
    // Reduction: an item (at) still filled after the first when the walk
    // ends: only the first one is the result. Each is recorded once, so the
    // record stays as long as the text.
    Leftover,
};

struct Drop {
    int at;
    DropKind kind;
    int other = -1;

    // In text order, then by kind.
    auto operator<=>(const Drop&) const = default;
};

struct DropRecord {
    std::vector<Drop> drops;

    void Add(DropKind kind, int at, int other = -1) { drops.push_back(Drop{at, kind, other}); }
};

} // namespace quivela::expression
