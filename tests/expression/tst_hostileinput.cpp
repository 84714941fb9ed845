// What a user can type that the engine must survive: blank texts, texts at and
// beyond the 16-bit limits, bytes that are not text, characters the language
// does not know, numbers no double can hold. Each row names the outcome the
// program promises, and none may crash, hang or take long.
#include "EngineTestSupport.h"

#include <QByteArray>
#include <QtTest>

using namespace enginetest;

namespace {

QByteArray Repeat(const char* piece, int times) {
    return QByteArray(piece).repeated(times);
}

QByteArray Nested(const char* open, int levels, const char* inner) {
    return Repeat(open, levels) + inner + Repeat(")", levels);
}

const QString kOverflow = QStringLiteral("Excesso de capacidade");
const QString kParentheses = QStringLiteral("Número de parênteses incorrecto.");

} // namespace

class HostileInput : public QObject {
    Q_OBJECT

private slots:
    void typed_data();
    void typed();
};

void HostileInput::typed_data() {
    AddColumns();

    auto value = [](const char* name, const QByteArray& text, double x, double v) {
        AddRow(name, text, x, Kind::Value, v);
    };
    auto none = [](const char* name, const QByteArray& text) {
        AddRow(name, text, 2.0, Kind::NoValue);
    };
    auto error = [](const char* name, const QByteArray& text, int number, const QString& d) {
        AddRow(name, text, 2.0, Kind::Error, 0.0, number, d);
    };

    // Nothing to evaluate: the earlier result stays and nothing is reported.
    none("empty", "");
    none("blanks", "     ");
    none("tabs and line breaks", "\t\r\n\t");
    none("only ignored marks", "~=;~");
    none("nul byte alone", QByteArray(1, '\0'));

    // Length is counted in characters; 32,767 is the most a text may have.
    value("32767 characters", "x" + QByteArray(32766, ' '), 2.0, 2.0);
    error("32768 characters", "x" + QByteArray(32767, ' '), 6, kOverflow);
    value("32767 two-byte characters", "x" + Repeat("é", 32766), 2.0, 2.0);
    error("32768 two-byte characters", "x" + Repeat("é", 32767), 6, kOverflow);
    error("100000 characters", QByteArray(100000, '1'), 6, kOverflow);

    // Tokens, counted after the parser inserts the implicit products.
    value("32766 tokens", Repeat("1,", 16383), 2.0, 1.0);
    error("32767 tokens", Repeat("1,", 16383) + "1", 6, kOverflow);
    value("32766 tokens with implicit products", Repeat("2x,", 8191) + "2,", 2.0, 4.0);
    error("32767 tokens with implicit products", Repeat("2x,", 8191) + "2x", 6, kOverflow);
    value("16383 terms summed", Repeat("x+", 16382) + "x", 1.0, 16383.0);

    // Nesting: 4,679 levels are the deepest that still parse.
    value("4679 nested groups", Nested("(", 4679, "x"), 2.0, 2.0);
    error("4680 nested groups", Nested("(", 4680, "x"), 6, kOverflow);
    value("4679 nested calls", Nested("sen(", 4679, "x"), 0.0, 0.0);
    error("4680 nested calls", Nested("abs(", 4680, "x"), 6, kOverflow);
    error("4680 unclosed groups", Repeat("(", 4680) + "x", 1100, kParentheses);
    error("4681 unclosed groups", Repeat("(", 4681) + "x", 6, kOverflow);
    error("16000 nested groups", Nested("(", 16000, "x"), 6, kOverflow);
    error("5000 closings before openings", Repeat(")", 5000) + "x" + Repeat("(", 5000), 6,
          kOverflow);

    // Bytes that are not characters of the language are skipped, and an
    // invalid UTF-8 sequence never swallows the character after it.
    value("nul byte inside", QByteArray("1\0+2", 4), 2.0, 3.0);
    value("byte ff inside a number",
          "2\xff"
          "3",
          2.0, 23.0);
    value("truncated sequence before a digit",
          "2\xc3"
          "3",
          2.0, 23.0);
    value("latin-1 e-acute inside a name", "se\xe9n(0)", 2.0, 0.0);
    value("encoded surrogate",
          "\xed\xa0\x80"
          "5",
          2.0, 5.0);
    value("overlong slash is no operator",
          "8\xc0\xaf"
          "2",
          2.0, 82.0);
    error("overlong parenthesis is no parenthesis", "\xc0\xa8x)", 1100, kParentheses);
    value("lone continuation bytes", "\x80\x80x\xbf", 2.0, 2.0);

    // Characters the language does not know are skipped without ending a token.
    error("accent inside a function name", "sén(0)", 1101,
          QStringLiteral("Função não definida: sn()"));
    value("accent inside a number", "2é3", 2.0, 23.0);
    value("cedilla and tilde letters", "çã2", 2.0, 2.0);
    value("capital accented letters", "XÉ", 2.0, 2.0);
    value("pi sign is not pi", "2π", 2.0, 2.0);
    value("typed tilde is not a minus", "~2", 2.0, 2.0);
    value("typed tilde keeps the difference", "5~-3", 2.0, 2.0);
    value("minus then typed tilde", "-~2", 2.0, -2.0);
    error("equals sign joins a name", "x=2", 1102, QStringLiteral("Variável não definida: x2"));
    value("semicolon joins digits", "1;2", 2.0, 12.0);
    value("trailing semicolon", "x;", 2.0, 2.0);
    none("equals sign alone", "=");
    error("exponent notation is a name", "1e308", 1102,
          QStringLiteral("Variável não definida: e308"));

    // Numbers: the digits as typed, converted exactly, or 6 when no double holds them.
    error("400-digit number", "1" + QByteArray(400, '0'), 6, kOverflow);
    error("400-digit number in a product", "1" + QByteArray(400, '0') + "*0", 6, kOverflow);
    value("400 digits with leading zeros", QByteArray(399, '0') + "1", 2.0, 1.0);
    value("1e308 written out", "1" + QByteArray(308, '0'), 2.0, 1e308);
    error("1e309 written out", "1" + QByteArray(309, '0'), 6, kOverflow);
    value("30 digits", "123456789012345678901234567890", 2.0, 123456789012345678901234567890.0);
    value("400 decimals", "0.1" + QByteArray(400, '0') + "1", 2.0, 0.1);
    value("leading point", ".5", 2.0, 0.5);
    value("trailing point", "5.", 2.0, 5.0);

    // "1.2.3" is one number token that no reading accepts: it is no operand.
    none("two points", "1.2.3");
    none("point alone", ".");
    value("two points as right operand", "1+1.2.3", 2.0, 1.0);
    value("two points after a product", "2*1.2.3", 2.0, 2.0);
    none("two points as left operand", "1.2.3*2");
    // The call keeps the argument of the call before it (U and W carry over).
    value("two points as an argument", "sen(2)+cos(1.2.3)", 2.0, std::sin(2.0) + std::cos(2.0));
}

void HostileInput::typed() {
    CheckRow();
}

QTEST_MAIN(HostileInput)
#include "tst_hostileinput.moc"
