#include "mainwindow/Composition.h"

#include "expression/EngineError.h"
#include "expression/ErrorTexts.h"
#include "expression/IdentifierSpans.h"
#include "expression/clsEquation.h"

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

// The UTF-8 form of text together with, for every byte offset, the index of
// the UTF-16 unit that byte belongs to (one extra entry for the end), so that
// the byte spans the parser reports can be cut out of the text as typed. A
// lone surrogate is encoded as U+FFFD, as QString::toUtf8 does.
struct Utf8Text {
    std::string bytes;
    std::vector<qsizetype> unitAt;
};

Utf8Text ToUtf8(const QString& text) {
    Utf8Text out;
    out.bytes.reserve(static_cast<std::size_t>(text.size()) * 3);
    out.unitAt.reserve(static_cast<std::size_t>(text.size()) * 3 + 1);
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype start = i;
        char32_t cp = text[i].unicode();
        ++i;
        if (QChar::isHighSurrogate(cp) && i < text.size() && text[i].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(static_cast<char16_t>(cp), text[i].unicode());
            ++i;
        } else if (QChar::isSurrogate(cp)) {
            cp = 0xFFFD;
        }
        char buf[4];
        int n;
        if (cp < 0x80) {
            buf[0] = static_cast<char>(cp);
            n = 1;
        } else if (cp < 0x800) {
            buf[0] = static_cast<char>(0xC0 | (cp >> 6));
            buf[1] = static_cast<char>(0x80 | (cp & 0x3F));
            n = 2;
        } else if (cp < 0x10000) {
            buf[0] = static_cast<char>(0xE0 | (cp >> 12));
            buf[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            buf[2] = static_cast<char>(0x80 | (cp & 0x3F));
            n = 3;
        } else {
            buf[0] = static_cast<char>(0xF0 | (cp >> 18));
            buf[1] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            buf[2] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            buf[3] = static_cast<char>(0x80 | (cp & 0x3F));
            n = 4;
        }
        out.bytes.append(buf, static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k)
            out.unitAt.push_back(start);
    }
    out.unitAt.push_back(text.size());
    return out;
}

// Characters as the engine counts them: code points, where a lone surrogate
// (which reaches the engine as U+FFFD) is one.
qsizetype Characters(QStringView text) {
    qsizetype pairs = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i].isHighSurrogate() && text[i + 1].isLowSurrogate()) {
            ++pairs;
            ++i;
        }
    }
    return text.size() - pairs;
}

// outer with every token the parser reads as the variable x replaced by
// "(", inner, ")"; the rest of outer is kept character for character.
//
// The text grows by the length of inner at each x: two texts of the longest
// length would compose to over 500 million characters. Building stops as
// soon as the text is longer than the engine takes, which then reports the
// overflow of that text at once; the pieces already joined are returned.
QString ReplaceVariableX(const QString& outer, const QString& inner) {
    const Utf8Text utf8 = ToUtf8(outer);
    const QString replacement = QLatin1Char('(') + inner + QLatin1Char(')');
    const qsizetype replacementCharacters = Characters(replacement);
    const auto longest = static_cast<qsizetype>(clsEquation::LongestText);
    QString result;
    qsizetype characters = 0;
    qsizetype copied = 0; // UTF-16 index up to which outer has been copied
    for (const TextSpan& span : VariableSpans(utf8.bytes, "x")) {
        if (span.begin + span.length > utf8.bytes.size())
            break; // cannot happen for spans of this very text; never cut beyond it
        const qsizetype begin = utf8.unitAt[span.begin];
        const qsizetype end = utf8.unitAt[span.begin + span.length];
        if (begin < copied)
            continue;
        const QStringView before = QStringView(outer).sliced(copied, begin - copied);
        result += before;
        result += replacement;
        characters += Characters(before) + replacementCharacters;
        copied = end;
        if (characters > longest)
            return result;
    }
    result += QStringView(outer).sliced(copied);
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
        throw quivela::expression::MakeEngineError(quivela::expression::ErrorCode::Overflow, {});
    if (v == 0.0)
        return QStringLiteral("0"); // also for -0, which reads back as the same number
    // The fixed form of the shortest round-trip digits: at most 309 integer
    // digits, or "0." and up to 323 zeros before the 17 significant digits of
    // the smallest subnormals.
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (ec != std::errc())
        throw quivela::expression::MakeEngineError(quivela::expression::ErrorCode::Overflow, {});
    return QString::fromLatin1(buf, end - buf);
}

QString Composition::UndefinedDescription(const QString& text) {
    return QStringLiteral("Valor não definido: ") + text.trimmed();
}

double Composition::ValueAt(clsEquation& equation, const QString& text, double x) {
    const QByteArray utf8 = text.toUtf8();
    equation.SetEquation(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
    equation.SetVar("x", x);
    equation.Solve();
    const double value = equation.Solution();
    // The object passes over domain faults (sqr(-1)) and keeps its previous
    // result; that number is not this text's value, so it is not handed on.
    if (equation.Undefined() || !std::isfinite(value))
        throw EngineError(kUndefinedValue, UndefinedDescription(text).toStdString());
    return value;
}

double Composition::ValueAtZero(const QString& text) {
    clsEquation equation;
    return ValueAt(equation, text, 0.0);
}
