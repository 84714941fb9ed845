#pragma once

#include <cmath>
#include <cstdint>

namespace quivela::expression {

// How one step of arithmetic ended. Domain faults are passed over by the
// evaluator; Overflow (6) and DivisionByZero (11) are raised.
enum class Fault : std::uint8_t { None, Domain, Overflow, DivisionByZero };

// The arithmetic itself, unchecked: the checked steps below, the compiled
// plan and the blocks' runs of arithmetic (checked at their ends) compute
// with these.
inline double Negated(double a) {
    return -a; // exact: a negation cannot fail
}
inline double Sum(double a, double b) {
    return a + b;
}
inline double Difference(double a, double b) {
    return a - b;
}
inline double Product(double a, double b) {
    return a * b;
}
// r - r is 0 exactly when r is finite (NaN for infinities and NaN): one
// subtraction and one comparison, with no constant to load.
inline bool IsFinite(double r) {
    return r - r == 0;
}
// The square, the most common power, is the product itself: the correctly
// rounded x², and several times quicker than the general power function.
inline bool SquaresByProduct(double exponent) {
    return exponent == 2;
}

// Checked arithmetic of one step. Every operation is checked on its own
// result before the next one runs; the first failure decides the step and
// the operations after it do nothing. Division tells a nonzero dividend
// (division by zero) from 0/0 (an invalid operation, reported as overflow);
// other results that are infinite or NaN are overflow.
class CheckedSteps {
public:
    Fault fault() const { return fault_; }
    bool ok() const { return fault_ == Fault::None; }

    double Add(double a, double b) { return ok() ? Check(Sum(a, b)) : 0; }
    double Sub(double a, double b) { return ok() ? Check(Difference(a, b)) : 0; }
    double Mul(double a, double b) { return ok() ? Check(Product(a, b)) : 0; }
    double Div(double a, double b) {
        if (!ok())
            return 0;
        if (b == 0)
            return Fail(a == 0 || std::isnan(a) ? Fault::Overflow : Fault::DivisionByZero);
        return Check(a / b);
    }
    double Sqrt(double a) {
        if (!ok())
            return 0;
        return a < 0 ? Fail(Fault::Domain) : Check(std::sqrt(a));
    }
    double Ln(double a) {
        if (!ok())
            return 0;
        return a <= 0 ? Fail(Fault::Domain) : Check(std::log(a));
    }
    double Exp(double a) { return ok() ? Check(std::exp(a)) : 0; }
    double Atan(double a) { return ok() ? Check(std::atan(a)) : 0; }
    double Sin(double a) { return ok() ? Check(std::sin(a)) : 0; }
    double Cos(double a) { return ok() ? Check(std::cos(a)) : 0; }
    double Tan(double a) { return ok() ? Check(std::tan(a)) : 0; }

    // The power operator's own rules: a negative base needs an integer
    // exponent (otherwise a domain fault), zero to a negative power divides by
    // zero, and a result out of range is overflow.
    double Pow(double base, double exponent) {
        if (!ok())
            return 0;
        if (base < 0 && std::isfinite(exponent) && exponent != std::trunc(exponent))
            return Fail(Fault::Domain);
        if (base == 0 && exponent < 0)
            return Fail(Fault::DivisionByZero);
        if (SquaresByProduct(exponent))
            return Check(Product(base, base));
        return Check(std::pow(base, exponent));
    }

    // Rounds to the nearest 32-bit integer, ties to even; overflow outside.
    std::int32_t Round32(double a) {
        if (!ok())
            return 0;
        const double rounded = std::nearbyint(a);
        if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
            Fail(Fault::Overflow);
            return 0;
        }
        return static_cast<std::int32_t>(rounded);
    }

    // Integer quotient and remainder of the rounded operands: left operand
    // rounded first, then the right one, then the zero divisor, then the one
    // quotient that does not fit.
    double IntegerQuotient(double a, double b) { return IntegerDivision(a, b, false); }
    double IntegerRemainder(double a, double b) { return IntegerDivision(a, b, true); }

private:
    double IntegerDivision(double a, double b, bool remainder) {
        const std::int32_t left = Round32(a);
        const std::int32_t right = Round32(b);
        if (!ok())
            return 0;
        if (right == 0)
            return Fail(Fault::DivisionByZero);
        if (left == INT32_MIN && right == -1)
            return Fail(Fault::Overflow);
        return remainder ? left % right : left / right;
    }

    double Check(double r) {
        if (!IsFinite(r))
            return Fail(Fault::Overflow);
        return r;
    }
    double Fail(Fault f) {
        fault_ = f;
        return 0;
    }

    Fault fault_ = Fault::None;
};

} // namespace quivela::expression
