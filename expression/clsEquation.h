#pragma once

#include "expression/EngineError.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// What SolveRange did: the samples solved before it stopped, and the error
// that stopped it at sample `solved` (none when every sample was solved).
struct SampleRun {
    std::size_t solved = 0;
    std::optional<quivela::expression::EngineError> error;
};

// One analytic expression in x (and other named variables), parsed once and
// evaluated on demand. Callers: create, SetEquation, then per abscissa
// SetVar("x", v), Solve, Solution. Failures are raised as
// quivela::expression::EngineError.
class clsEquation {
public:
    clsEquation();
    ~clsEquation();
    clsEquation(const clsEquation&) = delete;
    clsEquation& operator=(const clsEquation&) = delete;
    // A moved-from object may only be destroyed or assigned to.
    clsEquation(clsEquation&&) noexcept;
    clsEquation& operator=(clsEquation&&) noexcept;

    bool Graus() const;
    void SetGraus(bool value);

    void VarClear();

    std::string Equation() const;
    void SetEquation(std::string_view text); // UTF-8
    // The longest text the language takes, in characters (code points); a
    // longer one raises the overflow error 6 at its first Solve. Callers that
    // build texts use it to stop building once a text can no longer be taken.
    static constexpr std::size_t LongestText = 32767;
    // The length of a UTF-8 text in those characters.
    static std::size_t Characters(std::string_view text);

    void VarRemove(std::string_view name);

    double Solution(); // solves first while the result is stale
    void Solve();

    double Var(std::string_view name);
    void SetVar(std::string_view name, double value);

    // True when the last Solve passed over a domain fault or ended with no
    // value left, so Solution is not the expression's value at that point.
    bool Undefined() const;

    // The expression's value with the variable `name` set to x, or none
    // where it has none there: a domain fault passed over, no value left, or
    // a number that is not finite. Errors are raised as by Solve.
    std::optional<double> ValueAt(std::string_view name, double x);

    // A sampling loop in one call: for each abscissa xs[i] in order, the
    // variable `name` is set to it, the expression is solved, and values[i]
    // and undefined[i] receive Solution() and Undefined(). Exactly what
    // SetVar, Solve and Solution per sample would give: the same values and
    // flags, the same error at the same sample (it ends the run, and the
    // samples before it are filled), and the same state of the object
    // afterwards. `values` and `undefined` hold xs.size() entries each.
    SampleRun SolveRange(std::string_view name, std::span<const double> xs, double* values,
                         bool* undefined);

private:
    friend struct EquationProbe; // read-only view for the engine's tests
    struct State;
    std::unique_ptr<State> state_;
};
