#pragma once

#include "expression/Drops.h"
#include "expression/EngineError.h"
#include "expression/Tokens.h"

#include <string_view>

namespace quivela::expression {

// Parses lower-case expression text into its token list and evaluation order.
// Returns ErrorCode::None and fills `out`, or the error to raise:
// Parentheses when the depth does not come back to 0, Overflow when a 16-bit
// limit is passed (text over 32,767 characters, 32,767 tokens or more, 4,680
// nested levels or more). On an error `out` is left untouched.
// With `drops`, records the characters the scanner skips and, after a
// successful parse, the tokens no step will use (Drops.h).
ErrorCode ParseExpression(std::string_view text, ParsedExpression& out,
                          DropRecord* drops = nullptr);

// Converts a number token ("2,5") as the evaluator reads it.
NumberStatus ConvertNumber(std::string_view text, double& value);

} // namespace quivela::expression
