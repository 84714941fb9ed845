// The text of the pointer readout: rounding, shortest form and the locale.

#include "mainwindow/PointerReadout.h"

#include <QtTest>
#include <cmath>

class PointerReadoutTest : public QObject {
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void roundingAgreesWithExactDecimal();
};

void PointerReadoutTest::text_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("portuguese");

    QTest::newRow("1.5, -2.25") << 1.5f << -2.25f << "(1.5 , -2.25)"
                                << "(1,5 , -2,25)";
    QTest::newRow("3, 0.004") << 3.0f << 0.004f << "(3 , 0)"
                              << "(3 , 0)";
    QTest::newRow("1.236 rounds up") << 1.236f << 0.0f << "(1.24 , 0)"
                                     << "(1,24 , 0)";
    QTest::newRow("0.125 half to even, down") << 0.125f << 0.375f << "(0.12 , 0.38)"
                                              << "(0,12 , 0,38)";
    QTest::newRow("0.625 and -0.875 halves") << 0.625f << -0.875f << "(0.62 , -0.88)"
                                             << "(0,62 , -0,88)";
    QTest::newRow("negative zero") << -0.0f << -0.004f << "(0 , 0)"
                                   << "(0 , 0)";
    QTest::newRow("-0.005 below the half as a float") << -0.005f << 0.005f << "(0 , 0)"
                                                      << "(0 , 0)";
    QTest::newRow("2.675 is below the half") << 2.675f << 0.615f << "(2.67 , 0.62)"
                                             << "(2,67 , 0,62)";
    QTest::newRow("12.345 is above the half") << 12.345f << -12.345f << "(12.35 , -12.35)"
                                              << "(12,35 , -12,35)";
    QTest::newRow("trailing zero dropped") << 1.1f << 0.05f << "(1.1 , 0.05)"
                                           << "(1,1 , 0,05)";
    QTest::newRow("rounds to an integer") << 7.999f << -9.996f << "(8 , -10)"
                                          << "(8 , -10)";
    QTest::newRow("enlarged corner") << -16.0f << 16.0f << "(-16 , 16)"
                                     << "(-16 , 16)";
    QTest::newRow("centre") << 0.0f << 0.0f << "(0 , 0)"
                            << "(0 , 0)";
    QTest::newRow("large, no grouping") << 12345.678f << 1e10f << "(12345.68 , 10000000000)"
                                        << "(12345,68 , 10000000000)";
}

void PointerReadoutTest::text() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QString, english);
    QFETCH(QString, portuguese);
    QCOMPARE(PointerReadout::Text(x, y, QLocale::c()), english);
    QCOMPARE(PointerReadout::Text(x, y, QLocale(QLocale::English, QLocale::UnitedStates)), english);
    QCOMPARE(PointerReadout::Text(x, y, QLocale(QLocale::Portuguese, QLocale::Portugal)),
             portuguese);
}

// Over a dense grid of floats, the shown number is the exact decimal value of
// the float rounded half to even at two decimals, checked against a long
// decimal expansion of the float.
void PointerReadoutTest::roundingAgreesWithExactDecimal() {
    const QLocale c = QLocale::c();
    for (int i = -200000; i <= 200000; i += 7) {
        const float v = static_cast<float>(i) / 1000.0f;
        // 30 decimals show the float exactly enough to decide any rounding
        // (a float in this range has at most 24 binary fraction digits).
        const QString exact = QString::number(static_cast<double>(v), 'f', 30);
        const double shown = PointerReadout::Number(v, c).toDouble();
        const double below = std::floor(static_cast<double>(v) * 100.0) / 100.0;
        const double above = std::ceil(static_cast<double>(v) * 100.0) / 100.0;
        QVERIFY2(shown == below || shown == above, qPrintable(exact));
        const double distBelow = std::fabs(v - below), distAbove = std::fabs(above - v);
        if (std::fabs(distBelow - distAbove) > 1e-12)
            QVERIFY2(shown == (distBelow < distAbove ? below : above), qPrintable(exact));
        QVERIFY2(!PointerReadout::Number(v, c).endsWith(QLatin1Char('0')) ||
                     !PointerReadout::Number(v, c).contains(QLatin1Char('.')),
                 qPrintable(exact));
    }
}

QTEST_MAIN(PointerReadoutTest)
#include "tst_pointerreadout.moc"
