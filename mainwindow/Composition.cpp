#include "mainwindow/Composition.h"

#include "expression/Diagnosis.h"
#include "expression/EngineError.h"
#include "expression/clsEquation.h"
#include "mainwindow/Failure.h"

#include <charconv>
#include <cmath>
#include <string_view>

using quivela::expression::EngineError;
using quivela::expression::TextSpan;
using quivela::expression::VariableSpans;

namespace {

// The number of UTF-16 units that the UTF-8 bytes [from, to) of a text stand
// for, when both ends fall between two characters. A lone surrogate, which
// QString::toUtf8 writes as U+FFFD, counts one unit either way.
qsizetype UnitsOf(const QByteArray& utf8, std::size_t from, std::size_t to) {
    return QString::fromUtf8(QByteArrayView(utf8).sliced(qsizetype(from), qsizetype(to - from)))
        .size();
}

std::string_view Bytes(const QByteArray& utf8) {
    return std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

// outer with every token the parser reads as the variable x replaced by
// "(", inner, ")"; the rest of outer is kept character for character. The
// parser reports byte spans of the UTF-8 text; each begins and ends at an
// ASCII character, so the text between two spans is whole characters.
//
// The text grows by the length of inner at each x: two texts of the longest
// length would compose to over 500 million characters. Building stops as
// soon as the text is longer than the engine takes, which then reports the
// overflow of that text at once; the pieces already joined are returned.
QString ReplaceVariableX(const QString& outer, const QString& inner) {
    const QByteArray utf8 = outer.toUtf8();
    const QString replacement = QLatin1Char('(') + inner + QLatin1Char(')');
    // Characters as the engine counts them.
    const std::size_t replacementCharacters = clsEquation::Characters(Bytes(replacement.toUtf8()));
    QString result;
    std::size_t byte = 0; // byte offset in utf8 up to which outer has been copied
    qsizetype unit = 0;   // the same place in outer's UTF-16 units
    std::size_t characters = 0;
    const std::string_view bytes = Bytes(utf8);
    for (const TextSpan& span : VariableSpans(bytes, "x")) {
        const std::size_t end = span.begin + span.length;
        if (span.begin < byte || end > bytes.size())
            continue; // cannot happen for spans of this very text; never cut beyond it
        const QStringView before = QStringView(outer).sliced(unit, UnitsOf(utf8, byte, span.begin));
        result += before;
        result += replacement;
        characters +=
            clsEquation::Characters(bytes.substr(byte, span.begin - byte)) + replacementCharacters;
        unit += before.size() + UnitsOf(utf8, span.begin, end);
        byte = end;
        if (characters > clsEquation::LongestText)
            return result;
    }
    result += QStringView(outer).sliced(unit);
    return result;
}

QString Parenthesised(const QString& text) {
    return QLatin1Char('(') + text + QLatin1Char(')');
}

} // namespace

QString Composition::Compose(Operation op, const QString& f, const QString& g,
                             const QString& parameter) {
    const QString F = Parenthesised(f);
    const QString G = Parenthesised(g);
    switch (op) {
    case Operation::Soma:
        return F + QLatin1Char('+') + G;
    case Operation::Produto:
        return F + QLatin1Char('*') + G;
    case Operation::Subfg:
        return F + QLatin1Char('-') + G;
    case Operation::Subgf:
        return G + QLatin1Char('-') + F;
    case Operation::Quofg:
        return F + QLatin1Char('/') + G;
    case Operation::Quogf:
        return G + QLatin1Char('/') + F;
    case Operation::Sqrf:
        return QStringLiteral("sqr (") + f + QLatin1Char(')');
    case Operation::Sqrg:
        return QStringLiteral("sqr (") + g + QLatin1Char(')');
    case Operation::Compfg:
        return ReplaceVariableX(f, g);
    case Operation::Compgf:
        return ReplaceVariableX(g, f);
    case Operation::bf:
        return Parenthesised(parameter) + QLatin1Char('^') + F;
    case Operation::fa:
        return F + QLatin1Char('^') + Parenthesised(parameter);
    }
    return QString();
}

QString Composition::PlainDecimal(double v) {
    if (!std::isfinite(v))
        throw Failure::FromEngine(
            quivela::expression::MakeEngineError(quivela::expression::ErrorCode::Overflow, {}));
    if (v == 0.0)
        return QStringLiteral("0"); // also for -0, which reads back as the same number
    // The fixed form of the shortest round-trip digits: at most 309 integer
    // digits, or "0." and up to 323 zeros before the 17 significant digits of
    // the smallest subnormals.
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (ec != std::errc())
        throw Failure::FromEngine(
            quivela::expression::MakeEngineError(quivela::expression::ErrorCode::Overflow, {}));
    return QString::fromLatin1(buf, end - buf);
}

QString Composition::UndefinedDescription(const QString& text) {
    return QStringLiteral("Valor não definido: ") + text.trimmed();
}

double Composition::ValueAt(clsEquation& equation, const QString& text, double x) {
    const QByteArray utf8 = text.toUtf8();
    equation.SetEquation(Bytes(utf8));
    std::optional<double> value;
    try {
        value = equation.ValueAt("x", x);
    } catch (const EngineError& error) {
        throw Failure::FromEngine(error);
    }
    // No value at x (a domain fault passed over, as in sqr(-1), or nothing
    // left to evaluate): the command stops rather than use some other number.
    if (!value)
        throw Failure(kUndefinedValue, UndefinedDescription(text));
    return *value;
}

double Composition::ValueAtZero(const QString& text) {
    clsEquation equation;
    return ValueAt(equation, text, 0.0);
}
