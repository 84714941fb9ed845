#include "help/HelpExample.h"

namespace {

QString Typed(const char* text) {
    return QStringLiteral("<tt>") + QString::fromUtf8(text).toHtmlEscaped() +
           QStringLiteral("</tt>");
}

// Numbers are printed the way they are typed: with a decimal point and a true
// minus sign.
QString Number(const char* text) {
    QString s = QString::fromUtf8(text);
    s.replace(QLatin1Char('-'), QChar(0x2212));
    return QStringLiteral("<b>") + s + QStringLiteral("</b>");
}

} // namespace

QString ExampleHtml(const HelpExample& example) {
    QString line = Typed(example.typed);
    if (example.x)
        line += QStringLiteral(", com x = ") + Number(example.x) + QStringLiteral(",");
    switch (example.outcome) {
    case ExampleOutcome::Value:
        line += example.approximate ? QStringLiteral(" dá ≈ ") : QStringLiteral(" dá ");
        line += Number(example.stated);
        break;
    case ExampleOutcome::Undefined:
        line += QStringLiteral(" não tem valor (o ponto não é desenhado)");
        break;
    case ExampleOutcome::Error:
        line += QStringLiteral(" dá o erro «") + QString::fromUtf8(example.stated).toHtmlEscaped() +
                QStringLiteral("»");
        break;
    case ExampleOutcome::Between:
        line += QStringLiteral(" dá um valor entre ") + Number(example.stated) +
                QStringLiteral(" e ") + Number(example.upper);
        break;
    case ExampleOutcome::IntegerIn:
        line += QStringLiteral(" dá um dos inteiros de ") + Number(example.stated) +
                QStringLiteral(" a ") + Number(example.upper);
        break;
    }
    return line;
}
