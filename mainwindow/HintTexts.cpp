#include "mainwindow/HintTexts.h"

#include "mainwindow/Plotter.h"

#include <QStringList>

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
        const char* characters; // any of these, in UTF-8
        const char* advice;
    };
    static const Fix fixes[] = {
        {"²", "para x² escreva x^2."},
        {"³", "para x³ escreva x^3."},
        {"|", "para |x| escreva abs(x)."},
        {"√", "para √x escreva sqr(x)."},
        {"π", "escreva pi."},
        {"!", "não há factorial."},
        {"×·∙", "para multiplicar escreva *."},
        {"÷:", "para dividir escreva /."},
        {"−–—", "para subtrair escreva -."},
        {"[]{}", "escreva só os parênteses ( e )."},
        {"=", "escreva só a expressão em x, sem «y =»."},
    };
    for (const Fix& fix : fixes)
        if (QString::fromUtf8(fix.characters).contains(c))
            return QStringLiteral(": ") + QString::fromUtf8(fix.advice);
    return QStringLiteral(".");
}

// A character that shows nothing is named by its code.
QString Named(const QString& c) {
    const QList<uint> code = c.toUcs4();
    if (code.isEmpty())
        return c;
    if (QChar::isPrint(char32_t(code.front())))
        return c;
    return QStringLiteral("U+%1").arg(code.front(), 4, 16, QLatin1Char('0')).toUpper();
}

QString Number(double v) {
    return QString::number(v, 'g', 15);
}

} // namespace

QString HintLine(const Hint& hint, const QByteArray& utf8) {
    switch (hint.kind) {
    case HintKind::Ignored: {
        const QString c = Piece(utf8, hint.spans.front());
        return QString::fromUtf8("O carácter %1 é ignorado").arg(Quoted(Named(c))) + IgnoredFix(c);
    }
    case HintKind::Comma:
        return QString::fromUtf8("Depois da vírgula nada é usado: o ponto decimal é \".\".");
    case HintKind::Leftover:
        return QString::fromUtf8("Falta um sinal * entre %1 e %2: só o primeiro valor é desenhado.")
            .arg(Quoted(Piece(utf8, hint.spans[0])), Quoted(Piece(utf8, hint.spans[1])));
    case HintKind::UnusedArgument:
        return QString::fromUtf8("O argumento %1 de %2 não é usado.")
            .arg(Quoted(Piece(utf8, hint.spans[1])), Quoted(Piece(utf8, hint.spans[0])));
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
