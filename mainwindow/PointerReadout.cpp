#include "mainwindow/PointerReadout.h"

#include <charconv>
#include <cmath>
#include <string>

QString PointerReadout::Number(float v, const QLocale& locale) {
    if (!std::isfinite(v))
        return locale.toString(v);
    // A float has 24 significant bits and 100 needs 5 more beyond its factor
    // of 4, so the product is exact in a double, and so is its distance to the
    // integer below: an exact half (0.125 -> 12.5) is recognised as such and
    // goes to the even neighbour, whatever the floating-point rounding mode.
    const double scaled = static_cast<double>(v) * 100.0;
    double hundredths = std::floor(scaled);
    const double above = scaled - hundredths;
    if (above > 0.5 || (above == 0.5 && std::fmod(hundredths, 2.0) != 0.0))
        hundredths += 1.0;
    if (hundredths == 0.0)
        return QStringLiteral("0");

    // The integral digits of |hundredths|, then the point two digits from the
    // right, then no trailing zeros.
    char buf[64];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, std::fabs(hundredths), std::chars_format::fixed);
    std::string digits(buf, result.ptr);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    std::string integral = digits.substr(0, digits.size() - 2);
    std::string fraction = digits.substr(digits.size() - 2);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();

    QString text;
    if (hundredths < 0)
        text += locale.negativeSign();
    text += QString::fromLatin1(integral.data(), static_cast<qsizetype>(integral.size()));
    if (!fraction.empty()) {
        text += locale.decimalPoint();
        text += QString::fromLatin1(fraction.data(), static_cast<qsizetype>(fraction.size()));
    }
    return text;
}

QString PointerReadout::Text(float x, float y, const QLocale& locale) {
    return QLatin1Char('(') + Number(x, locale) + QStringLiteral(" , ") + Number(y, locale) +
           QLatin1Char(')');
}
