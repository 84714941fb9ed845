#pragma once

#include <QLocale>
#include <QString>

// The text of the pointer readout Label6.
namespace PointerReadout {

// "(" X " , " Y ")": each coordinate rounded to 2 decimals (an exact half
// goes to the even digit, judged on the exact single-precision value, so
// 0.125 gives 0.12), written with the fewest digits (no trailing zeros),
// the locale's decimal separator and minus sign; a value that rounds to
// zero is "0", never "-0".
QString Text(float x, float y, const QLocale& locale);

// One coordinate as Text writes it.
QString Number(float v, const QLocale& locale);

} // namespace PointerReadout
