#pragma once

#include <QString>

class clsEquation;

// The twelve operations on f and g, in the order the option buttons are tested.
enum class Operation {
    Soma,
    Produto,
    Subfg,
    Subgf,
    Quofg,
    Quogf,
    Sqrf,
    Sqrg,
    Compfg,
    Compgf,
    bf,
    fa
};

// Builds the text of an operation on f and g, and evaluates the parameters a
// and b (and the abscissa of the coordinate lines) the way the main window
// does: a new expression object, the text unchanged, x = 0.
namespace Composition {

// Number of the Failure raised when a typed value has no value at all
// (the expression object passed over a domain fault, as in sqr(-1), or
// nothing was left to evaluate). It is the platform's "invalid argument"
// number, outside the engine's own range.
inline constexpr int kUndefinedValue = 5;

// The text written into Função. f and g are used exactly as typed. For the
// compositions only the tokens the parser reads as the variable x (in
// either case) are replaced by "(", g, ")"; names such as exp( or max( and
// identifiers such as x2 are left alone. parameter is the text of a (fa) or
// b (bf), normally PlainDecimal of its value; the other operations ignore it.
// A composition stops growing once it is longer than
// clsEquation::LongestText characters: it is then the text built so far,
// which the engine rejects with the overflow error.
QString Compose(Operation op, const QString& f, const QString& g, const QString& parameter);

// A double as the parser reads it back: "." as the decimal point, no
// decimal part for integral values, never an exponent, and the shortest
// digits that give the same double. Negative zero is written "0".
// Infinity and NaN have no such text: they raise the Failure of the
// engine's overflow error 6.
QString PlainDecimal(double v);

// The value of text at x = 0 with a new expression object. Raises the
// engine's error as a Failure of the same number and description, and the
// Failure kUndefinedValue when the text evaluates to no value.
double ValueAtZero(const QString& text);

// The value of text at x with the given object (its variable table is
// reused, so one object can serve a whole click). Same errors as
// ValueAtZero.
double ValueAt(clsEquation& equation, const QString& text, double x);

// The description of the kUndefinedValue error for text.
QString UndefinedDescription(const QString& text);

} // namespace Composition
