#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quivela::expression {

enum class TokenKind : std::uint8_t {
    Number,        // digits and decimal commas: typed 2.5 is held as "2,5"
    Identifier,    // a name: a variable, or one of the constants pi, e, rnd
    Call,          // a name immediately followed by "(", held as "sen("
    Open,          // "("
    Close,         // ")"
    Plus,          // "+"
    Minus,         // "-" after an operand
    Times,         // "*", also inserted after a number followed by a letter or "("
    Divide,        // "/"
    IntegerDivide, // "\"
    Remainder,     // "%"
    Power,         // "^"
    Negate,        // "~": a "-" with no operand on its left
    Separator,     // ","; an empty slot of the working list from the start
};

// Priorities: each level of parentheses adds kLevelStep to the priority of
// the kind of token within its level. The evaluation order sorts the tokens
// by priority, highest first, so this table is the precedence rules.
inline constexpr int kLevelStep = 7;
inline constexpr std::array<std::int8_t, 14> kPriorityWithinLevel{
    -1, // Number: an operand, priority 0, out of the order
    6,  // Identifier
    7,  // Call: the level inside it
    7,  // Open: the level inside it
    0,  // Close
    1,  // Plus
    1,  // Minus
    3,  // Times
    3,  // Divide
    3,  // IntegerDivide
    2,  // Remainder
    5,  // Power
    4,  // Negate
    -1, // Separator: as an operand
};
static_assert(kPriorityWithinLevel.size() == static_cast<std::size_t>(TokenKind::Separator) + 1);
inline constexpr int PriorityOf(TokenKind kind, int depth) {
    const int within = kPriorityWithinLevel[static_cast<std::size_t>(kind)];
    return within < 0 ? 0 : depth + within;
}

// Positions, depths and priorities are 16-bit quantities of the language.
inline constexpr int kInt16Max = 32767;
inline constexpr int kInt16Min = -32768;

enum class NumberStatus : std::uint8_t {
    Ok,        // converted once at parse time into Token::number
    NotNumber, // "1,2,3" or ",": reading it fails, which is passed over
    TooLarge,  // cannot be held in a double: reading it raises overflow
};

enum class NameKind : std::uint8_t { None, Pi, E, Rnd, Variable };

struct Token {
    TokenKind kind = TokenKind::Number;
    std::int16_t priority = 0;
    std::string text; // as stored by the parser, lower case
    // Bytes of the scanned text from the first to past the last character
    // that formed the token (inserted "*" tokens have an empty span).
    std::size_t begin = 0;
    std::size_t end = 0;

    // Classification made once at parse time so that evaluation does no text work.
    double number = 0;
    NumberStatus numberStatus = NumberStatus::NotNumber;
    NameKind name = NameKind::None;
    int variable = -1; // index into ParsedExpression::variables
    int function = -1; // index into the function library, -1 when unknown
};

struct ParsedExpression {
    std::vector<Token> tokens;          // text order; position p is tokens[p - 1]
    std::vector<std::int16_t> order;    // positions, highest priority first, stable
    std::vector<std::string> variables; // distinct variable names of the identifiers
};

} // namespace quivela::expression
