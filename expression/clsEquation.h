#pragma once

#include <memory>
#include <string>
#include <string_view>

// One analytic expression in x (and other named variables), parsed once and
// evaluated on demand. Callers: create, SetEquation, then per abscissa
// SetVar("x", v), Solve, Solution. Failures are raised as EngineError.
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

    void VarRemove(std::string_view name);

    double Solution(); // solves first while the result is stale
    void Solve();

    double Var(std::string_view name);
    void SetVar(std::string_view name, double value);

    // True when the last Solve passed over a domain fault or ended with no
    // value left, so Solution is not the expression's value at that point.
    bool Undefined() const;

private:
    friend struct EquationInspector; // read-only view for the engine's tests
    struct State;
    std::unique_ptr<State> state_;
};
