#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quivela::expression {

// The one error type the expression engine raises. Users read Description();
// Number() tells the kind: 1100-1105 the engine's own, 6 overflow, 11 division
// by zero. Source() is always "Interpretador".
class EngineError : public std::exception {
public:
    EngineError(int number, std::string description);

    int Number() const noexcept { return number_; }
    const std::string& Source() const noexcept { return source_; }
    const std::string& Description() const noexcept { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    int number_;
    std::string source_;
    std::string description_;
};

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
