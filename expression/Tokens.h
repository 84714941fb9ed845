#pragma once

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

// Priorities. Each level of parentheses adds kLevelStep; within a level the
// kind of token adds the offsets below. The evaluation order sorts the tokens
// by priority, highest first, so these offsets are the precedence rules.
inline constexpr int kLevelStep = 7;
inline constexpr int kPriorityOperand = 0; // numbers and separators stay out of the order
inline constexpr int kPrioritySum = 1;     // "+" and two-operand "-"
inline constexpr int kPriorityRemainder = 2;
inline constexpr int kPriorityProduct = 3; // "*", "/", "\"
inline constexpr int kPriorityNegation = 4;
inline constexpr int kPriorityPower = 5;
inline constexpr int kPriorityName = 6;
inline constexpr int kPriorityOpening = 7; // "(" and calls: the depth inside them

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
