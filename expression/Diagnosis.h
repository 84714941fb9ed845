#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace quivela::expression {

// Bytes of a text as typed (UTF-8).
struct TextSpan {
    std::size_t begin;
    std::size_t length;

    bool operator==(const TextSpan&) const = default;
};

// Byte spans, in `text` as typed, of every token that the expression parser
// reads as an identifier equal to `name` (ignoring letter case). A span runs
// from the first to the last character that formed the token, so characters
// the parser skips inside it ("x y" is the identifier xy) are included. Call
// tokens such as "x(" are not identifiers.
std::vector<TextSpan> VariableSpans(std::string_view text, std::string_view name);

// What the language does with a text that the user may not expect: parts it
// skips or drops without an error. Each hint comes from a drop the engine
// records where it happens (Drops.h) and names the bytes of the text (as
// typed, UTF-8) that it concerns.
enum class HintKind {
    // A character outside the language's character table (not a blank): it
    // is skipped. One hint per distinct character, with every place it
    // occurs; each span covers the character's whole UTF-8 sequence.
    Ignored,
    // A "," that does not separate the arguments of a function call: what
    // follows it is never used. Spans: each such comma.
    Comma,
    // The evaluation ends with more than one value: only the first counts.
    // Spans: the operand just before the dropped value, then the dropped one
    // ("sen(x)" and "cos(x)" in sen(x)cos(x)).
    Leftover,
    // An argument that the call's function does not read: between the first
    // and the last, the last one of a function of one argument, or one that
    // is no value. Spans: the call's name with its "(", then the argument.
    UnusedArgument,
    // No abscissa of the plot gave a value. Decided by the plot, not here:
    // no spans.
    NoValue,
    // Tokens after a ")" that closes before its "(": none of them is used.
    // Spans: each run of such tokens, from its first to its last.
    Misplaced,
    // A number no double reads ("1.5.2"): it is not used. Spans: the number.
    NotNumber,
    // An operator with no value on its left: neither it nor what follows it
    // is used. Spans: the operator, then the first token of what it took
    // along, if anything.
    NoLeftOperand,
    // An operator with no value on its right: it is not used. Spans: the
    // operator, then the token found there instead; the operator alone when
    // nothing follows it.
    NoRightOperand,
};

struct Hint {
    HintKind kind;
    std::vector<TextSpan> spans;

    bool operator==(const Hint&) const = default;
};

// The abscissae of a plot run from kPlotStart to kPlotEnd; the hints are
// sought inside that range.
inline constexpr double kPlotStart = -14.0;
inline constexpr double kPlotEnd = 14.0;

// The hints for `text`, from what the scanner, the parser and the general
// reduction drop, the reduction run at a few abscissae of the plot's range
// (each with x set and nothing else defined). None when the text is read as
// typed. Never throws; the time grows with the length of the text as that
// of a parse and a few evaluations does.
std::vector<Hint> Diagnose(std::string_view text);

} // namespace quivela::expression
