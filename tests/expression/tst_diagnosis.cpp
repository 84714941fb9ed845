// The hints for what the language skips or drops: typed texts and the hints
// they must give, written as kind letters with byte spans (begin:length).
// Texts read as typed must give none.

#include "expression/Diagnosis.h"

#include <QtTest>

using quivela::expression::Diagnose;
using quivela::expression::Hint;
using quivela::expression::TextSpan;

namespace {

QString Written(const std::vector<Hint>& hints) {
    static const char kLetters[] = "ICLUNMPER";
    QStringList out;
    for (const Hint& hint : hints) {
        QStringList spans;
        for (const TextSpan& s : hint.spans)
            spans << QStringLiteral("%1:%2").arg(s.begin).arg(s.length);
        out << QLatin1Char(kLetters[int(hint.kind)]) + spans.join(QLatin1Char(','));
    }
    return out.join(QLatin1Char(' '));
}

} // namespace

class DiagnosisTest : public QObject {
    Q_OBJECT

private slots:
    void hints_data();
    void hints();
};

void DiagnosisTest::hints_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    // Read as typed: blanks, implicit products after a number, call commas.
    // Nor do points where a function has no value, or texts the plot
    // refuses with an error of its own.
    for (const char* text :
         {"4sen(x)",   "x^2-3x+1",  "min(x, 2)",  "sen (x)",  "2(x+1)",   "",     "1 000",
          "2\u00a0x",  "log(x-20)", "(-8)^(1/3)", "sen(x",    "-(x)",     "2*-3", "mod(x,2)",
          "logn(x,2)", "1/x",       "sqr(x)+1",   "1+sqr(x)", "x-sqr(x)", "2^-1", "1.5"})
        QTest::newRow(text) << QString::fromUtf8(text) << QString();

    // The texts, then the hints they give.
    const char* const rows[][2] = {
        // Skipped characters, named by their whole UTF-8 sequence, grouped.
        {"x²", "I1:2"},
        {"|x|", "I0:1,2:1"},
        {"x!", "I1:1"},
        {"√x", "I0:3"},
        {"π", "I0:2"},
        {"|x²|", "I0:1,4:1 I2:2"},
        {"y=x", "I1:1"},
        {"min(x;2)", "I5:1"},
        {"sen(30°)", "I6:2"},
        {"\uff12x", "I0:3"},
        {"\u2212x", "I0:3"},
        // Tokens after a ")" that closes before its "(".
        {"x)(", "M1:2"},
        {")x(", "M0:3"},
        // Numbers no double reads, whatever reads them.
        {"1.5.2", "P0:5"},
        {"x+1.5.2", "P2:5"},
        {"sen(1.2.3)", "P4:5"},
        // Operators without an operand.
        {"sen(x)+", "R6:1"},
        {"x*", "R1:1"},
        {"-", "R0:1"},
        {"(x*)", "R2:1,3:1"},
        {"+x", "E0:1,1:1"},
        // Commas that separate no arguments; what follows them is not read.
        {"3,5x", "C1:1"},
        {"(1,2)", "C2:1"},
        {"sen((1,2))", "C6:1"},
        {"3,5 sen(x)cos(x)", "C1:1"},
        // Values left over: the operand before and the one dropped.
        {"sen(x)cos(x)", "L0:6,6:6"},
        {"(x+1)(x-1)", "L0:5,5:5"},
        {"2sen(x)cos(x)^2", "L1:6,7:6"},
        {"(x+1)2x", "L0:5,5:2"},
        {"((x)(2))", "L1:3,4:3"},
        {"(1)(2)(3)", "L0:3,3:3 L3:3,6:3"},
        // Undefined for x < 0: found at the abscissae where it has a value.
        {"sqr(x)cos(x)", "L0:6,6:6"},
        {"Sen(X)Cos(X)", "L0:6,6:6"},
        // A group's second value taken by the call around it.
        {"sen((x)(2))", "L4:3,7:3"},
        // An argument no function reads.
        {"min(1,2+x,3)", "U0:4,6:3"},
        {"max(x,2,3)", "U0:4,6:1"},
        // The last one, of a function of one argument.
        {"sen(x,2)", "U0:4,6:1"},
        {"sqr(x,4)", "U0:4,6:1"},
        {"abs(x,1,2)", "U0:4,6:1 U0:4,8:1"},
        // Left behind inside, whatever takes them later.
        {"sen(sen(1,2,3))", "U4:4,10:1 U4:4,12:1"},
        {"min(1,2,3)+x", "U0:4,6:1"},
        {"(1,2)+3", "C2:1"},
    };
    for (const auto& [text, expected] : rows)
        QTest::newRow(text) << QString::fromUtf8(text) << QString::fromUtf8(expected);
}

void DiagnosisTest::hints() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Written(Diagnose(text.toStdString())), expected);
}

QTEST_APPLESS_MAIN(DiagnosisTest)
#include "tst_diagnosis.moc"
