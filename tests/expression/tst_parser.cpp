// The parser: tokens, priorities and evaluation order; unbalanced
// parentheses; the 16-bit limits; the spans of a variable in typed text.

#include "EngineTestSupport.h"

#include "expression/Diagnosis.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace enginetest;
using quivela::expression::ErrorCode;
using quivela::expression::ParseExpression;
using quivela::expression::TextSpan;
using quivela::expression::VariableSpans;

class ParserTest : public QObject {
    Q_OBJECT

private slots:
    void tokensAndOrder_data();
    void tokensAndOrder();
    void balance_data();
    void balance();
    void numbersConvertOnce_data();
    void numbersConvertOnce();
    void limits_data();
    void limits();
    void variableSpans_data();
    void variableSpans();
};

void ParserTest::tokensAndOrder_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tokens");
    QTest::addColumn<QString>("order");

    // The worked examples.
    QTest::newRow("2x^2-sen(x)") << "2x^2-sen(x)"
                                 << "2:0 *:3 x:6 ^:5 2:0 -:1 sen(:7 x:13 ):7"
                                 << "8,7,9,3,4,2,6";
    QTest::newRow("-x^2") << "-x^2"
                          << "~:4 x:6 ^:5 2:0"
                          << "2,3,1";
    QTest::newRow("x*(x+1)") << "x*(x+1)"
                             << "x:6 *:3 (:7 x:13 +:8 1:0 ):7"
                             << "4,5,3,7,1,2";
    QTest::newRow("mod(x, 2)") << "mod(x, 2)"
                               << "mod(:7 x:13 <sep>:0 2:0 ):7"
                               << "2,1,5";
    QTest::newRow("e^-x") << "e^-x"
                          << "e:6 ^:5 ~:4 x:6"
                          << "1,4,2,3";

    // Consequences of the character table.
    QTest::newRow("2x") << "2x"
                        << "2:0 *:3 x:6"
                        << "3,2";
    QTest::newRow("5sen(x)") << "5sen(x)"
                             << "5:0 *:3 sen(:7 x:13 ):7"
                             << "4,3,5,2";
    QTest::newRow("2(x+1)") << "2(x+1)"
                            << "2:0 *:3 (:7 x:13 +:8 1:0 ):7"
                            << "4,5,3,7,2";
    QTest::newRow("(x+1)(x-1)") << "(x+1)(x-1)"
                                << "(:7 x:13 +:8 1:0 ):7 (:7 x:13 -:8 1:0 ):7"
                                << "2,7,3,8,1,5,6,10";
    QTest::newRow("x(x+1) is a call") << "x(x+1)"
                                      << "x(:7 x:13 +:8 1:0 ):7"
                                      << "2,3,1,5";
    QTest::newRow("2 3") << "2 3"
                         << "23:0"
                         << "";
    QTest::newRow("x y") << "x y"
                         << "xy:6"
                         << "1";
    QTest::newRow("2 x") << "2 x"
                         << "2:0 *:3 x:6"
                         << "3,2";
    QTest::newRow("sen (x)") << "sen (x)"
                             << "sen(:7 x:13 ):7"
                             << "2,1,3";
    QTest::newRow("-(x)") << "-(x)"
                          << "~:4 (:7 x:13 ):7"
                          << "3,2,4,1";
    QTest::newRow("3-(x)") << "3-(x)"
                           << "3:0 -:1 (:7 x:13 ):7"
                           << "4,3,5,2";
    QTest::newRow("x)(") << "x)("
                         << "x:6 ):0 (:0"
                         << "1";

    // Edge cases.
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("ignored only") << QString::fromUtf8(" ~=;é\t") << ""
                                  << "";
    QTest::newRow("typed comma separates") << "2,5"
                                           << "2:0 <sep>:0 5:0"
                                           << "";
    QTest::newRow("point is decimal comma") << "2.5"
                                            << "2,5:0"
                                            << "";
    QTest::newRow("1.2.3") << "1.2.3"
                           << "1,2,3:0"
                           << "";
    QTest::newRow("x.5") << "x.5"
                         << "x,5:6"
                         << "1";
    QTest::newRow("((x))") << "((x))"
                           << "(:7 (:14 x:20 ):14 ):7"
                           << "3,2,4,1,5";
    QTest::newRow("2(x)") << "2(x)"
                          << "2:0 *:3 (:7 x:13 ):7"
                          << "4,3,5,2";
    QTest::newRow("(2)(x) inserts nothing") << "(2)(x)"
                                            << "(:7 2:0 ):7 (:7 x:13 ):7"
                                            << "5,1,3,4,6";
    QTest::newRow("% below *") << "a*b%c"
                               << "a:6 *:3 b:6 %:2 c:6"
                               << "1,3,5,2,4";
    QTest::newRow("8/4/2 left to right") << "8/4/2"
                                         << "8:0 /:3 4:0 /:3 2:0"
                                         << "2,4";
    QTest::newRow("2^3^2 left to right") << "2^3^2"
                                         << "2:0 ^:5 3:0 ^:5 2:0"
                                         << "2,4";
    QTest::newRow("typed tilde ignored") << "~2"
                                         << "2:0"
                                         << "";
    QTest::newRow("tilde inside a name") << "x~2"
                                         << "x2:6"
                                         << "1";
    QTest::newRow("equals and semicolon") << "2=3;4"
                                          << "234:0"
                                          << "";
    QTest::newRow("accented letter ignored") << QString::fromUtf8("xé1") << "x1:6"
                                             << "1";
    QTest::newRow("unary plus is binary") << "+2"
                                          << "+:1 2:0"
                                          << "1";
    QTest::newRow("minus after separator") << "min(1,-2)"
                                           << "min(:7 1:0 <sep>:0 ~:11 2:0 ):7"
                                           << "4,1,6";
    QTest::newRow("minus after operator") << "2*-3"
                                          << "2:0 *:3 ~:4 3:0"
                                          << "3,2";
    QTest::newRow("minus after )") << "(1)-2"
                                   << "(:7 1:0 ):7 -:1 2:0"
                                   << "1,3,4";
    QTest::newRow("minus after point") << "2.-1"
                                       << "2,:0 -:1 1:0"
                                       << "2";
    QTest::newRow("underscore name") << "_a1"
                                     << "_a1:6"
                                     << "1";
    QTest::newRow("digits extend a name") << "2x3"
                                          << "2:0 *:3 x3:6"
                                          << "3,2";
    QTest::newRow("backslash") << "7\\2"
                               << "7:0 \\:3 2:0"
                               << "2";
    QTest::newRow("capitals are letters") << "SEN(X)"
                                          << "SEN(:7 X:13 ):7"
                                          << "2,1,3";
    QTest::newRow("stray ) lowers depth") << ")1("
                                          << "):0 1:0 *:-4 (:0"
                                          << "";
    QTest::newRow("call after a number") << "3cos(x)"
                                         << "3:0 *:3 cos(:7 x:13 ):7"
                                         << "4,3,5,2";
}

void ParserTest::tokensAndOrder() {
    QFETCH(QString, text);
    QFETCH(QString, tokens);
    QFETCH(QString, order);

    ParsedExpression parsed;
    QCOMPARE(ParseExpression(text.toStdString(), parsed), ErrorCode::None);
    QCOMPARE(RenderTokens(parsed), tokens);
    QCOMPARE(RenderOrder(parsed), order);
}

void ParserTest::balance_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("balanced");

    QTest::newRow("(x") << "(x" << false;
    QTest::newRow("x)") << "x)" << false;
    QTest::newRow("((x))") << "((x))" << true;
    QTest::newRow("sen(x") << "sen(x" << false;
    QTest::newRow(") before ( goes unnoticed") << ")x(" << true;
    QTest::newRow("((x)") << "((x)" << false;
}

void ParserTest::balance() {
    QFETCH(QString, text);
    QFETCH(bool, balanced);

    ParsedExpression parsed;
    parsed.order = {42}; // a failed parse must leave the previous result alone
    const ErrorCode error = ParseExpression(text.toStdString(), parsed);
    QCOMPARE(error, balanced ? ErrorCode::None : ErrorCode::Parentheses);
    if (!balanced)
        QCOMPARE(parsed.order.size(), std::size_t(1));

    clsEquation equation;
    equation.SetEquation(text.toStdString());
    equation.SetVar("x", 1);
    if (balanced) {
        equation.Solve();
        return;
    }
    try {
        equation.Solve();
        QFAIL("no error raised");
    } catch (const EngineError& e) {
        QCOMPARE(e.Number(), 1100);
        QCOMPARE(e.Source(), std::string("Interpretador"));
        QCOMPARE(e.Description(), std::string("Número de parênteses incorrecto."));
    }
}

void ParserTest::numbersConvertOnce_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("value");

    using quivela::expression::NumberStatus;
    QTest::newRow("2,5") << "2,5" << int(NumberStatus::Ok) << 2.5;
    QTest::newRow("trailing comma") << "2," << int(NumberStatus::Ok) << 2.0;
    QTest::newRow("leading comma") << ",5" << int(NumberStatus::Ok) << 0.5;
    QTest::newRow("comma alone") << "," << int(NumberStatus::NotNumber) << 0.0;
    QTest::newRow("two commas") << "1,2,3" << int(NumberStatus::NotNumber) << 0.0;
    QTest::newRow("huge") << QString("1") + QString(400, '0') << int(NumberStatus::TooLarge) << 0.0;
    QTest::newRow("tiny reads as zero")
        << QString(",") + QString(400, '0') + "1" << int(NumberStatus::Ok) << 0.0;
    QTest::newRow("largest double digits") << QString("17976931348623157") + QString(292, '0')
                                           << int(NumberStatus::Ok) << 1.7976931348623157e308;
}

void ParserTest::numbersConvertOnce() {
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(double, value);

    double converted = -1;
    const auto result = quivela::expression::ConvertNumber(text.toStdString(), converted);
    QCOMPARE(int(result), status);
    if (result == quivela::expression::NumberStatus::Ok)
        QCOMPARE(converted, value);
}

namespace {

QString Repeat(const QString& piece, int times) {
    QString out;
    out.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

} // namespace

void ParserTest::limits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("error"); // 0: parses and evaluates

    // Length: 32,767 characters pass, 32,768 do not (code points, not bytes).
    QTest::newRow("32767 characters") << "x" + QString(32766, ' ') << 0;
    QTest::newRow("32768 characters") << "x" + QString(32767, ' ') << 6;
    QTest::newRow("32767 code points, more bytes")
        << "x" + Repeat(QString::fromUtf8("é"), 32766) << 0;
    QTest::newRow("32768 code points") << "x" + Repeat(QString::fromUtf8("é"), 32767) << 6;

    // Tokens: 32,766 pass, 32,767 do not.
    QTest::newRow("32766 tokens") << Repeat("1,", 16383) << 0;
    QTest::newRow("32767 tokens") << Repeat("1,", 16383) + "1" << 6;
    QTest::newRow("inserted * counts")
        << Repeat("2x,", 10922) << 6; // 32,766 typed tokens + 10,922 "*"
    QTest::newRow("32766 tokens with inserted *") << Repeat("2x,", 8191) + "2," << 0;

    // Nesting: 4,679 levels pass, 4,680 do not; unbalanced text reports 1100 first.
    QTest::newRow("4679 levels") << QString(4679, '(') + "x" + QString(4679, ')') << 0;
    QTest::newRow("4680 levels") << QString(4680, '(') + "x" + QString(4680, ')') << 6;
    QTest::newRow("4681 levels") << QString(4681, '(') + "x" + QString(4681, ')') << 6;
    QTest::newRow("4679 call levels") << Repeat("abs(", 4679) + "x" + QString(4679, ')') << 0;
    QTest::newRow("4680 call levels") << Repeat("abs(", 4680) + "x" + QString(4680, ')') << 6;
    QTest::newRow("4680 open levels") << QString(4680, '(') + "x" << 1100;
    QTest::newRow("depth below the range") << QString(4682, ')') + QString(4682, '(') << 6;
}

void ParserTest::limits() {
    QFETCH(QString, text);
    QFETCH(int, error);

    QElapsedTimer timer;
    timer.start();
    clsEquation equation;
    equation.SetEquation(text.toStdString());
    equation.SetVar("x", 3);
    int raised = 0;
    try {
        equation.Solve();
    } catch (const EngineError& e) {
        raised = e.Number();
        QCOMPARE(e.Source(), std::string("Interpretador"));
        if (raised == 6)
            QCOMPARE(e.Description(), std::string("Excesso de capacidade"));
    }
    QCOMPARE(raised, error);
    if (error == 0 && text.contains('x'))
        QCOMPARE(equation.Solution(), text.startsWith("2x") ? 6.0 : 3.0);
    // The limits are found in one pass over the text, not by counting up
    // through every priority or by recursion.
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
}

void ParserTest::variableSpans_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spans"); // begin:length, in bytes

    QTest::newRow("call and capital") << "exp(x)+2X"
                                      << "x"
                                      << "4:1 8:1";
    QTest::newRow("only the argument") << "max(x,1)"
                                       << "x"
                                       << "4:1";
    QTest::newRow("x y is xy") << "x y"
                               << "x"
                               << "";
    QTest::newRow("xy with blank spans both") << "x y+1"
                                              << "XY"
                                              << "0:3";
    QTest::newRow("x( is a call") << "x(x+1)"
                                  << "x"
                                  << "2:1";
    QTest::newRow("name with digits") << "x2+x"
                                      << "x"
                                      << "3:1";
    QTest::newRow("after a number") << "2x+3 x"
                                    << "x"
                                    << "1:1 5:1";
    QTest::newRow("blank before (") << "x (2)"
                                    << "x"
                                    << "";
    QTest::newRow("bytes after accents") << QString::fromUtf8("é+x") << "x"
                                         << "3:1";
    QTest::newRow("accent inside: x1") << QString::fromUtf8("xé1") << "x"
                                       << "";
    QTest::newRow("accent inside spans it") << QString::fromUtf8("xé1") << "X1"
                                            << "0:4";
    QTest::newRow("accent after a name") << QString::fromUtf8("xé+1") << "x"
                                         << "0:1";
    QTest::newRow("none") << "sen(t)"
                          << "x"
                          << "";
    QTest::newRow("nested") << "sen(cos(X))*x"
                            << "x"
                            << "8:1 12:1";
    QTest::newRow("unbalanced text still scanned") << "(x"
                                                   << "x"
                                                   << "1:1";
}

void ParserTest::variableSpans() {
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(QString, spans);

    const std::string utf8 = text.toStdString();
    QStringList found;
    for (const TextSpan& span : VariableSpans(utf8, name.toStdString())) {
        QVERIFY(span.begin + span.length <= utf8.size());
        found << QStringLiteral("%1:%2").arg(span.begin).arg(span.length);
    }
    QCOMPARE(found.join(u' '), spans);
}

QTEST_MAIN(ParserTest)
#include "tst_parser.moc"
