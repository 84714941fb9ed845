#pragma once

#include "expression/Tokens.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quivela::expression {

// Character table of the expression language (case-sensitive, by byte):
//
//   "A"-"Z" "a"-"z" "_"   letter: starts or extends an identifier; after a
//                         number, ends it and inserts "*"
//   "0"-"9" "."           digit: starts a number, or extends the number or
//                         identifier being read; "." is stored as ","
//   "("                   opening: a name before it makes a call token; a
//                         number before it is followed by an inserted "*"
//   ")"                   closing
//   "*" "/" "\" "+" "^" "%"  operators
//   "-"                   two-operand after an operand (digit, letter, "_",
//                         "." or ")"), otherwise the unary minus "~"
//   ","                   argument separator
//   anything else         ignored, without ending the number or name being
//                         read: "2 3" is 23 and "x y" is xy
enum class CharClass : std::uint8_t {
    Ignored,
    Letter,
    Digit,
    Point,
    Open,
    Close,
    Operator,
    Comma,
};

// The operators by character, in the order of TokenKind from Plus to Power.
inline constexpr std::string_view kOperatorCharacters = "+-*/\\%^";
static_assert(kOperatorCharacters.size() == static_cast<std::size_t>(TokenKind::Power) -
                                                static_cast<std::size_t>(TokenKind::Plus) + 1);

constexpr std::array<CharClass, 256> MakeCharTable() {
    std::array<CharClass, 256> table{};
    for (int c = 'a'; c <= 'z'; ++c)
        table[c] = CharClass::Letter;
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = CharClass::Letter;
    table['_'] = CharClass::Letter;
    for (int c = '0'; c <= '9'; ++c)
        table[c] = CharClass::Digit;
    table['.'] = CharClass::Point;
    table['('] = CharClass::Open;
    table[')'] = CharClass::Close;
    for (const char c : kOperatorCharacters)
        table[static_cast<unsigned char>(c)] = CharClass::Operator;
    table[','] = CharClass::Comma;
    return table;
}

inline constexpr std::array<CharClass, 256> kCharTable = MakeCharTable();

// One token as the scanner emits it. `depth` is the nesting depth at the
// moment of emission (7 per open parenthesis), before a ")" lowers it.
struct ScannedToken {
    TokenKind kind;
    std::string_view text;
    int depth;
    std::size_t begin;
    std::size_t end;
};

// Runs the character table over `text` and hands every token to the sink:
//   bool sink.Token(const ScannedToken&)  -- false stops the scan
//   bool sink.Depth(int newDepth)        -- after each "(" or ")"; false stops
//   void sink.Ignored(std::size_t at)    -- optional: each byte the table skips
// Returns false when the sink stopped it. Shared by the parser and by the
// search for a variable's spans, so both read the text the same way.
template <class Sink> bool ScanExpression(std::string_view text, Sink& sink) {
    enum class Reading { Nothing, Name, Number };
    Reading reading = Reading::Nothing;
    std::string current;
    std::size_t currentBegin = 0;
    std::size_t currentEnd = 0;
    int depth = 0;
    bool afterOperand = false;

    auto emit = [&](TokenKind kind, std::string_view tokenText, std::size_t begin,
                    std::size_t end) {
        return sink.Token(ScannedToken{kind, tokenText, depth, begin, end});
    };
    auto emitCurrent = [&]() {
        const TokenKind kind = reading == Reading::Name ? TokenKind::Identifier : TokenKind::Number;
        return emit(kind, current, currentBegin, currentEnd);
    };
    auto flush = [&]() {
        if (reading != Reading::Nothing && !emitCurrent())
            return false;
        current.clear();
        reading = Reading::Nothing;
        return true;
    };
    auto startCurrent = [&](char c, Reading what, std::size_t at) {
        current.assign(1, c);
        reading = what;
        currentBegin = at;
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const CharClass cls = kCharTable[static_cast<unsigned char>(c)];
        switch (cls) {
        case CharClass::Ignored:
            if constexpr (requires { sink.Ignored(i); })
                sink.Ignored(i);
            break;
        case CharClass::Letter:
            if (reading == Reading::Nothing) {
                startCurrent(c, Reading::Name, i);
            } else if (reading == Reading::Name) {
                current += c;
            } else {
                if (!emitCurrent() || !emit(TokenKind::Times, "*", i, i))
                    return false;
                startCurrent(c, Reading::Name, i);
            }
            currentEnd = i + 1;
            afterOperand = true;
            break;
        case CharClass::Digit:
        case CharClass::Point: {
            const char stored = cls == CharClass::Point ? ',' : c;
            if (reading == Reading::Nothing)
                startCurrent(stored, Reading::Number, i);
            else
                current += stored;
            currentEnd = i + 1;
            afterOperand = true;
            break;
        }
        case CharClass::Open:
            if (reading == Reading::Name) {
                current += '(';
                if (!emit(TokenKind::Call, current, currentBegin, i + 1))
                    return false;
            } else {
                if (reading == Reading::Number &&
                    (!emitCurrent() || !emit(TokenKind::Times, "*", i, i)))
                    return false;
                if (!emit(TokenKind::Open, "(", i, i + 1))
                    return false;
            }
            current.clear();
            reading = Reading::Nothing;
            depth += kLevelStep;
            if (!sink.Depth(depth))
                return false;
            afterOperand = false;
            break;
        case CharClass::Close:
            if (!flush() || !emit(TokenKind::Close, ")", i, i + 1))
                return false;
            depth -= kLevelStep;
            if (!sink.Depth(depth))
                return false;
            afterOperand = true;
            break;
        case CharClass::Comma:
            if (!flush() || !emit(TokenKind::Separator, "", i, i + 1))
                return false;
            afterOperand = false;
            break;
        case CharClass::Operator: {
            const std::size_t at = kOperatorCharacters.find(c);
            TokenKind kind = static_cast<TokenKind>(static_cast<std::size_t>(TokenKind::Plus) + at);
            std::string_view symbol = kOperatorCharacters.substr(at, 1);
            if (kind == TokenKind::Minus && !afterOperand) {
                kind = TokenKind::Negate;
                symbol = "~";
            }
            if (!flush() || !emit(kind, symbol, i, i + 1))
                return false;
            afterOperand = false;
            break;
        }
        }
    }
    return flush();
}

} // namespace quivela::expression
