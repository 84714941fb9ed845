#pragma once

#include <stdexcept>
#include <string>

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
