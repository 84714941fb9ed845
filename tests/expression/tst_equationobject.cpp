// The expression object: its two flags, the variable table, and what
// survives a failure.

#include "EngineTestSupport.h"

#include "EquationProbe.h"

#include <QtTest>

using namespace enginetest;

class EquationObjectTest : public QObject {
    Q_OBJECT

private slots:
    void flagTransitions_data();
    void flagTransitions();
    void variableBindingsFollowTheTable_data();
    void variableBindingsFollowTheTable();
    void equationIsStoredLowerCase_data();
    void equationIsStoredLowerCase();
    void sameTextParsesAgain();
    void solutionSolvesOnlyWhileStale();
    void staleSolutionRaisesToTheReader();
    void failedParseRepeatsUntilCorrected();
    void varReadsAndWrites();
    void varClearThenUnknownX();
    void neverAssignedIsEmpty();
    void movedObjectKeepsItsState();
};

// A script of steps, separated by ";":
//   eq:TEXT   SetEquation      var:NAME=V  SetVar      rm:NAME  VarRemove
//   clear     VarClear         graus:0|1   SetGraus    solve    Solve (errors swallowed)
static void RunScript(clsEquation& equation, const QString& script) {
    for (const QString& step : script.split(u';', Qt::SkipEmptyParts)) {
        const QString arg = step.section(u':', 1);
        if (step.startsWith("eq:")) {
            equation.SetEquation(arg.toStdString());
        } else if (step.startsWith("var:")) {
            equation.SetVar(arg.section(u'=', 0, 0).toStdString(), arg.section(u'=', 1).toDouble());
        } else if (step.startsWith("rm:")) {
            equation.VarRemove(arg.toStdString());
        } else if (step == "clear") {
            equation.VarClear();
        } else if (step.startsWith("graus:")) {
            equation.SetGraus(arg == "1");
        } else if (step == "solve") {
            try {
                equation.Solve();
            } catch (const EngineError&) {
            }
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
}

void EquationObjectTest::flagTransitions_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("event");
    QTest::addColumn<bool>("parseCurrent");
    QTest::addColumn<bool>("resultStale");

    QTest::newRow("construction") << ""
                                  << "" << true << false;
    QTest::newRow("Equation written") << ""
                                      << "eq:x" << false << true;
    QTest::newRow("Graus to true") << "var:x=1;eq:x;solve"
                                   << "graus:1" << true << true;
    QTest::newRow("Graus unchanged") << "var:x=1;eq:x;solve"
                                     << "graus:0" << true << false;
    QTest::newRow("Graus back after stale") << "graus:1;var:x=1;eq:x;solve"
                                            << "graus:1" << true << false;
    QTest::newRow("Var written") << "var:x=1;eq:x;solve"
                                 << "var:x=2" << true << true;
    QTest::newRow("VarRemove") << "var:x=1;eq:x;solve"
                               << "rm:x" << true << true;
    QTest::newRow("VarRemove unknown name") << "var:x=1;eq:x;solve"
                                            << "rm:nada" << true << true;
    QTest::newRow("VarClear") << "var:x=1;eq:x;solve"
                              << "clear" << true << true;
    QTest::newRow("Solve succeeds") << "var:x=1;eq:x"
                                    << "solve" << true << false;
    QTest::newRow("parse fails") << "eq:(x"
                                 << "solve" << false << true;
    QTest::newRow("parse succeeds, evaluation fails") << "eq:y"
                                                      << "solve" << true << true;
    QTest::newRow("Solve fails after a success") << "eq:1;solve;eq:1/0"
                                                 << "solve" << true << true;
    QTest::newRow("Var on a failed parse") << "eq:(x;solve"
                                           << "var:x=3" << false << true;
    QTest::newRow("empty expression solved") << "eq:"
                                             << "solve" << true << false;
}

void EquationObjectTest::flagTransitions() {
    QFETCH(QString, setup);
    QFETCH(QString, event);
    QFETCH(bool, parseCurrent);
    QFETCH(bool, resultStale);

    clsEquation equation;
    RunScript(equation, setup);
    RunScript(equation, event);
    QCOMPARE(EquationProbe::ParseCurrent(equation), parseCurrent);
    QCOMPARE(EquationProbe::ResultStale(equation), resultStale);
}

void EquationObjectTest::variableBindingsFollowTheTable_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("outcome");

    QTest::newRow("both set") << "eq:x+y;var:x=1;var:y=2"
                              << "value 3";
    QTest::newRow("y added after a solve") << "eq:x+y;var:x=1;solve;var:y=2"
                                           << "value 3";
    QTest::newRow("x removed after a solve")
        << "eq:x+y;var:x=1;var:y=2;solve;rm:X"
        << QString::fromUtf8("error 1102 (Interpretador): Variável não definida: x");
    QTest::newRow("removing x moves y") << "eq:y;var:x=1;var:y=2;solve;rm:x"
                                        << "value 2";
    QTest::newRow("cleared and set again") << "eq:x;var:x=1;solve;clear;var:X=5"
                                           << "value 5";
    QTest::newRow("value changed in place") << "eq:x*10;var:x=1;solve;var:x=4"
                                            << "value 40";
    QTest::newRow("new text, same table") << "eq:x;var:x=1;var:t=9;solve;eq:t"
                                          << "value 9";
    QTest::newRow("repeated name") << "eq:x*x+x;var:x=3"
                                   << "value 12";
    QTest::newRow("case of the key") << "eq:abc;var:AbC=7"
                                     << "value 7";
    QTest::newRow("accented key folds")
        << QString::fromUtf8("eq:x;var:X=1;var:Ç=2;rm:ç;var:x=6") << "value 6";
}

void EquationObjectTest::variableBindingsFollowTheTable() {
    QFETCH(QString, script);
    QFETCH(QString, outcome);

    clsEquation equation;
    RunScript(equation, script);
    Outcome result;
    try {
        equation.Solve();
        result.kind = Kind::Value;
        result.value = equation.Solution();
    } catch (const EngineError& error) {
        result.kind = Kind::Error;
        result.number = error.Number();
        result.source = error.Source();
        result.description = error.Description();
    }
    QCOMPARE(Describe(result), outcome);
}

void EquationObjectTest::equationIsStoredLowerCase_data() {
    QTest::addColumn<QString>("assigned");
    QTest::addColumn<QString>("stored");

    QTest::newRow("SEN(X)") << "SEN(X)"
                            << "sen(x)";
    QTest::newRow("mixed") << "Log10 (2X) + PI"
                           << "log10 (2x) + pi";
    QTest::newRow("Latin-1 capitals")
        << QString::fromUtf8("ÁGUA Ç É Þ") << QString::fromUtf8("água ç é þ");
    QTest::newRow("times sign kept") << QString::fromUtf8("2×3") << QString::fromUtf8("2×3");
    QTest::newRow("other scripts kept") << QString::fromUtf8("ΠX∘√") << QString::fromUtf8("Πx∘√");
}

void EquationObjectTest::equationIsStoredLowerCase() {
    QFETCH(QString, assigned);
    QFETCH(QString, stored);

    clsEquation equation;
    equation.SetEquation(assigned.toStdString());
    QCOMPARE(QString::fromStdString(equation.Equation()), stored);
}

void EquationObjectTest::sameTextParsesAgain() {
    clsEquation equation;
    equation.SetVar("x", 2);
    equation.SetEquation("x+1");
    equation.Solve();
    equation.Solve();
    QCOMPARE(EquationProbe::Parses(equation), 1);
    equation.SetEquation("x+1");
    equation.Solve();
    QCOMPARE(EquationProbe::Parses(equation), 2);
    // Variables never force a parse.
    equation.SetVar("x", 3);
    equation.VarRemove("q");
    equation.SetGraus(true);
    QCOMPARE(equation.Solution(), 4.0);
    QCOMPARE(EquationProbe::Parses(equation), 2);
}

void EquationObjectTest::solutionSolvesOnlyWhileStale() {
    clsEquation equation;
    QCOMPARE(equation.Solution(), 0.0); // a new object evaluates nothing
    QCOMPARE(EquationProbe::Reductions(equation), 0);

    equation.SetEquation("rnd");
    equation.Solve();
    const double first = equation.Solution();
    QCOMPARE(equation.Solution(), first);
    QCOMPARE(EquationProbe::Reductions(equation), 1);
    equation.SetVar("x", 1);
    equation.Solution();
    QCOMPARE(EquationProbe::Reductions(equation), 2);
}

void EquationObjectTest::staleSolutionRaisesToTheReader() {
    clsEquation equation;
    equation.SetVar("x", 2);
    equation.SetEquation("x");
    QCOMPARE(equation.Solution(), 2.0);
    equation.VarClear();
    try {
        equation.Solution();
        QFAIL("no error raised");
    } catch (const EngineError& e) {
        QCOMPARE(e.Number(), 1102);
    }
    QVERIFY(EquationProbe::ResultStale(equation));
    equation.SetVar("x", 5);
    QCOMPARE(equation.Solution(), 5.0);
}

void EquationObjectTest::failedParseRepeatsUntilCorrected() {
    clsEquation equation;
    equation.SetVar("x", 3);
    equation.SetEquation("x*2");
    equation.Solve();
    equation.SetEquation("(x");
    for (int i = 0; i < 3; ++i) {
        try {
            equation.Solve();
            QFAIL("no error raised");
        } catch (const EngineError& e) {
            QCOMPARE(e.Number(), 1100);
        }
    }
    QCOMPARE(EquationProbe::Parses(equation), 4);
    equation.SetGraus(true); // stale again, but the stored result is still the old one
    equation.SetEquation("(x)");
    equation.Solve();
    QCOMPARE(equation.Solution(), 3.0);
}

void EquationObjectTest::varReadsAndWrites() {
    clsEquation equation;
    QCOMPARE(equation.Var("never"), 0.0);
    equation.SetVar("X", 2);
    QCOMPARE(equation.Var("x"), 2.0);
    equation.SetEquation("x");
    QCOMPARE(equation.Solution(), 2.0);
    equation.SetVar("x", -7);
    QCOMPARE(equation.Var("X"), -7.0);
    equation.VarRemove("x");
    QCOMPARE(equation.Var("x"), 0.0);
    equation.VarRemove("x"); // not an error
}

void EquationObjectTest::varClearThenUnknownX() {
    clsEquation equation;
    equation.SetVar("x", 1);
    equation.SetEquation("x");
    equation.Solve();
    equation.VarClear();
    try {
        equation.Solve();
        QFAIL("no error raised");
    } catch (const EngineError& e) {
        QCOMPARE(e.Number(), 1102);
        QCOMPARE(e.Source(), std::string("Interpretador"));
        QCOMPARE(e.Description(), std::string("Variável não definida: x"));
        QCOMPARE(std::string(e.what()), e.Description());
    }
}

void EquationObjectTest::neverAssignedIsEmpty() {
    clsEquation equation;
    equation.Solve();
    QCOMPARE(equation.Solution(), 0.0);
    QVERIFY(equation.Undefined());
    QVERIFY(!EquationProbe::ResultStale(equation));
}

void EquationObjectTest::movedObjectKeepsItsState() {
    clsEquation equation;
    equation.SetVar("x", 4);
    equation.SetEquation("sqr(x)");
    clsEquation moved(std::move(equation));
    QCOMPARE(moved.Solution(), 2.0);
    QCOMPARE(moved.Equation(), std::string("sqr(x)"));
}

QTEST_MAIN(EquationObjectTest)
#include "tst_equationobject.moc"
