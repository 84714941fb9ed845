#include "mainwindow/HintTexts.h"

#include "mainwindow/Plotter.h"

#include <QStringList>

using quivela::expression::Hint;
using quivela::expression::HintKind;
using quivela::expression::TextSpan;

namespace {

// Lines shown at most; the rest are counted.
constexpr int kMostLines = 8;
// Characters of a quoted piece of the text shown at most.
constexpr int kLongestQuote = 32;

QString Piece(const QByteArray& utf8, const TextSpan& span) {
    const QString piece = QString::fromUtf8(utf8.constData() + span.begin, qsizetype(span.length));
    if (piece.size() <= kLongestQuote)
        return piece;
    const int half = kLongestQuote / 2;
    return piece.left(half) + QChar(0x2026) + piece.right(half);
}

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The usual intention behind a character the language skips, and how it is
// written instead.
QString IgnoredFix(const QString& c) {
    struct Fix {
        const char16_t* characters; // any of these
        const char* advice;         // UTF-8
    };
    static const Fix fixes[] = {
        {u"²", "para x² escreva x^2."},
        {u"³", "para x³ escreva x^3."},
        {u"|", "para |x| escreva abs(x)."},
        {u"√", "para √x escreva sqr(x)."},
        {u"π", "escreva pi."},
        {u"!", "não há factorial."},
        {u"×·∙", "para multiplicar escreva *."},
        {u"÷:", "para dividir escreva /."},
        {u"−–—", "escreva o sinal - do teclado."},
        {u";", "para separar os argumentos escreva \",\"."},
        {u"°º", "os ângulos são em radianos; para 30° escreva rad(30)."},
        {u"[]{}", "escreva só os parênteses ( e )."},
        {u"=", "escreva só a expressão em x, sem «y =»."},
    };
    for (const Fix& fix : fixes)
        if (QStringView(fix.characters).contains(c))
            return QStringLiteral(": ") + QString::fromUtf8(fix.advice);
    return QStringLiteral(".");
}

// The full-width forms of the ASCII characters, which the usual fonts
// lack: "１" would show as a box.
constexpr char32_t kFullWidthFirst = 0xFF01;
constexpr char32_t kFullWidthLast = 0xFF5E;
constexpr char32_t kFullWidthOffset = 0xFF01 - 0x21;

QString CodePoint(char32_t code) {
    return QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
}

// The hint for a character the language skips: named as typed, by its code
// when it shows nothing or needs a font the user may not have.
QString IgnoredLine(const QString& c) {
    const QList<uint> code = c.toUcs4();
    const char32_t first = code.isEmpty() ? 0 : char32_t(code.front());
    if (first >= kFullWidthFirst && first <= kFullWidthLast) {
        const QString plain(QChar(char16_t(first - kFullWidthOffset)));
        return QString::fromUtf8(
                   "O carácter %1 (um \"%2\" de largura dupla) é ignorado: escreva %2.")
            .arg(CodePoint(first), plain);
    }
    const QString named = code.isEmpty() || QChar::isPrint(first) ? Quoted(c) : CodePoint(first);
    return QString::fromUtf8("O carácter %1 é ignorado").arg(named) + IgnoredFix(c);
}

// "1.5.2" or a point alone: the two numbers no double reads.
QString NotNumberLine(const QString& number) {
    if (number.count(QLatin1Char('.')) > 1)
        return QString::fromUtf8("O número %1 tem mais de um ponto decimal e não é usado.")
            .arg(Quoted(number));
    return QString::fromUtf8("O ponto %1 não tem algarismos e não é usado.").arg(Quoted(number));
}

QString Number(double v) {
    return QString::number(v, 'g', 15);
}

} // namespace

QString HintLine(const Hint& hint, const QByteArray& utf8) {
    switch (hint.kind) {
    case HintKind::Ignored:
        return IgnoredLine(Piece(utf8, hint.spans.front()));
    case HintKind::Comma:
        return QString::fromUtf8("Depois da vírgula nada é usado: o ponto decimal é \".\".");
    case HintKind::Leftover:
        return QString::fromUtf8("Falta um sinal * entre %1 e %2: só o primeiro valor é desenhado.")
            .arg(Quoted(Piece(utf8, hint.spans[0])), Quoted(Piece(utf8, hint.spans[1])));
    case HintKind::UnusedArgument:
        return QString::fromUtf8("O argumento %1 de %2 não é usado.")
            .arg(Quoted(Piece(utf8, hint.spans[1])), Quoted(Piece(utf8, hint.spans[0])));
    case HintKind::Misplaced:
        return QString::fromUtf8("%1 não é usado: um \")\" fecha antes do seu \"(\".")
            .arg(Quoted(Piece(utf8, hint.spans[0])));
    case HintKind::NotNumber:
        return NotNumberLine(Piece(utf8, hint.spans[0]));
    case HintKind::NoLeftOperand:
        return (hint.spans.size() == 1
                    ? QString::fromUtf8("O operador %1 não tem valor à esquerda e não é usado.")
                    : QString::fromUtf8("O operador %1 não tem valor à esquerda: nem ele nem o "
                                        "valor que se lhe segue são usados."))
            .arg(Quoted(Piece(utf8, hint.spans[0])));
    case HintKind::NoRightOperand:
        if (hint.spans.size() == 1)
            return QString::fromUtf8("O operador %1 no fim não é usado.")
                .arg(Quoted(Piece(utf8, hint.spans[0])));
        return QString::fromUtf8("O operador %1 antes de %2 não é usado.")
            .arg(Quoted(Piece(utf8, hint.spans[0])), Quoted(Piece(utf8, hint.spans[1])));
    case HintKind::NoValue:
        return QString::fromUtf8("A expressão não tem valor para nenhum x entre %1 e %2.")
            .arg(Number(Plotter::kStart), Number(Plotter::kEnd));
    }
    return {};
}

QString HintLines(const std::vector<Hint>& hints, const QByteArray& utf8) {
    QStringList lines;
    for (const Hint& hint : hints) {
        if (lines.size() == kMostLines) {
            const auto more = hints.size() - kMostLines;
            lines << (more == 1 ? QString::fromUtf8("… e mais um aviso.")
                                : QString::fromUtf8("… e mais %1 avisos.").arg(more));
            break;
        }
        lines << HintLine(hint, utf8);
    }
    return lines.join(QLatin1Char('\n'));
}
