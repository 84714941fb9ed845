#pragma once

#include "expression/CheckedMath.h"

#include <cstddef>
#include <string_view>

namespace quivela::expression {

class RandomGenerator;

struct FunctionResult {
    Fault fault = Fault::None; // a failing formula stores nothing
    double value = 0;
};

// The library of call tokens ("sen(", "log10(" ...). u is the first argument
// of the call, w the last one (the same value for one argument).
inline constexpr std::size_t kFunctionCount = 56;

// Index of the call token in the library, -1 when it is not there.
int FindFunction(std::string_view callToken);
std::string_view FunctionToken(int index);

// Computes the whole formula as one step, checking every part of it.
FunctionResult CallFunction(int index, double u, double w, RandomGenerator& random);

} // namespace quivela::expression
