#pragma once

#include "expression/EngineError.h"

#include <string_view>

namespace quivela::expression {

// Every error the engine raises. The numbers are what callers see.
enum class ErrorCode : int {
    None = 0,
    Overflow = 6,
    DivisionByZero = 11,
    Parentheses = 1100,
    UnknownFunction = 1101,
    UnknownVariable = 1102,
    InvalidArgument = 1104,
};

// The error of that code, its description completed by the detail (the
// function-call token or the variable name; empty for the others).
EngineError MakeEngineError(ErrorCode code, std::string_view detail);

} // namespace quivela::expression
