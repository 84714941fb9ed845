#pragma once

#include "expression/IdentifierSpans.h"

#include <string_view>
#include <vector>

// What the language does with a text that the user may not expect: parts it
// skips or drops without an error. Each hint names the bytes of the text (as
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
    // An argument between the first and the last of a call, which no
    // function reads. Spans: the call's name with its "(", then the argument.
    UnusedArgument,
    // No abscissa of the plot gave a value. Decided by the plot, not here:
    // no spans.
    NoValue,
};

struct Hint {
    HintKind kind;
    std::vector<TextSpan> spans;
};

// The hints for `text`, from the character table, the parser and the
// general reduction run at a few abscissae of the plot's range (each with x
// set and nothing else defined). None when the text is read as typed. Never
// throws; the time is linear in the length of the text.
std::vector<Hint> Diagnose(std::string_view text);
