#pragma once

#include "expression/CheckedMath.h"
#include "expression/EngineError.h"
#include "expression/Tokens.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quivela::expression {

class RandomGenerator;

// The constants of the language, bit for bit: "pi" is 3.14159265358979 as
// written, not the double nearest to pi; "e" is 2.718281828 as written.
inline constexpr double kPi = std::bit_cast<double>(0x400921FB54442D11ULL);
inline constexpr double kE = std::bit_cast<double>(0x4005BF0A8B04919BULL);

// The error that a failed step raises: overflow (6) or division by zero (11);
// None for a domain fault, which is passed over.
inline ErrorCode RaisedBy(Fault fault) {
    if (fault == Fault::Overflow)
        return ErrorCode::Overflow;
    if (fault == Fault::DivisionByZero)
        return ErrorCode::DivisionByZero;
    return ErrorCode::None;
}

struct FunctionResult {
    Fault fault = Fault::None; // a failing formula stores nothing
    double value = 0;
};

// Calls body(j) for every sample j of the lane list, or for 0 .. n-1 when
// there is no list, each case as its own plain loop.
template <class Body> inline void ForLanes(const std::int32_t* lanes, std::size_t n, Body body) {
    if (lanes == nullptr) {
        for (std::size_t j = 0; j < n; ++j)
            body(j);
    } else {
        for (std::size_t t = 0; t < n; ++t)
            body(static_cast<std::size_t>(lanes[t]));
    }
}

// One formula over the samples of a block: out[j] = formula(a[j], b[j]); a
// sample that fails keeps the first step where it failed, with the fault.
// The run tells whether any sample failed.
struct BlockArgs {
    const std::int32_t* lanes; // nullptr: samples 0 .. n-1
    std::size_t n;
    const double* a;
    const double* b;
    double* out;
    std::int32_t step;
    std::int32_t* failedAt; // -1 until the sample fails
    Fault* faults;
};

// A formula of the language: a library function by its call token, or a
// binary operator. Each is written once, as checked steps; `scalar` and
// `block` are the same definition run on one sample or on a block of them.
struct Formula {
    std::string_view token; // call token; the operator's symbol for operators
    FunctionResult (*scalar)(double u, double w, RandomGenerator& random);
    bool (*block)(const BlockArgs& args); // nullptr for the formulas that draw
    bool drawsRandom;                     // re-seeds and draws from the generator
    bool readsLast;                       // a call's last argument w counts, not u alone
};

// The library holds the call tokens ("sen(", "log10(" ...) first, in the order
// the tokens are compared; the binary operators follow them. u is the first
// argument of a call, w the last one (the same value for one argument).
inline constexpr std::size_t kFunctionCount = 56;
inline constexpr std::size_t kFormulaCount = kFunctionCount + 7;
extern const std::array<Formula, kFormulaCount> kFormulas;

// Index of the call token in the library, -1 when it is not there.
int FindFunction(std::string_view callToken);
// Index of a binary operator's formula, -1 for any other kind of token.
int OperatorFormula(TokenKind op);

// Computes the whole formula as one step, checking every part of it.
inline FunctionResult CallFunction(int index, double u, double w, RandomGenerator& random) {
    return kFormulas[static_cast<std::size_t>(index)].scalar(u, w, random);
}

} // namespace quivela::expression
