#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

struct TextSpan {
    std::size_t begin;
    std::size_t length;
};

// Byte spans, in `text` as typed, of every token that the expression parser
// reads as an identifier equal to `name` (ignoring letter case). A span runs
// from the first to the last character that formed the token, so characters
// the parser skips inside it ("x y" is the identifier xy) are included. Call
// tokens such as "x(" are not identifiers.
std::vector<TextSpan> VariableSpans(std::string_view text, std::string_view name);
