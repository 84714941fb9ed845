// The engine reads and writes numbers the same way whatever the user's locale:
// QApplication takes the C locale from the environment, and under pt_PT the C
// library reads "0,5" and stops at the "." of "0.5". Every value (to the bit),
// every error number and every description must be the same as under "C".
#include "EngineTestSupport.h"

#include <QtTest>

#include <bit>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const kPortuguese = "pt_PT.UTF-8";

struct Result {
    bool raised;
    int number;
    QString description;
    std::uint64_t bits;
    std::string equation;
};

Result Evaluate(const QByteArray& text, double x) {
    const enginetest::Outcome o = enginetest::Evaluate(text, x);
    clsEquation eq;
    eq.SetEquation(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    return {o.kind == enginetest::Kind::Error, o.number, QString::fromStdString(o.description),
            std::bit_cast<std::uint64_t>(o.value), eq.Equation()};
}

} // namespace

class EngineLocale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void sameUnderPortuguese_data();
    void sameUnderPortuguese();
    void localeReallyDiffers();

private:
    std::string original_;
    bool available_ = false;
};

void EngineLocale::initTestCase() {
    original_ = std::setlocale(LC_ALL, nullptr);
    available_ = std::setlocale(LC_ALL, kPortuguese) != nullptr;
    std::setlocale(LC_ALL, original_.c_str());
}

void EngineLocale::cleanup() {
    std::setlocale(LC_ALL, original_.c_str());
    qunsetenv("LC_ALL");
}

void EngineLocale::sameUnderPortuguese_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<QByteArray>("route");
    const std::pair<const char*, double> cases[] = {
        {"0.5", 0},
        {"2.5*2", 0},
        {".5+5.", 0},
        {"0.1+0.2", 0},
        {"3.14159265358979-pi", 0},
        {"x*0.001", 1.5},
        {"123456789.123456789", 0},
        {"0.1"
         "0000000000000000000000000000000000000001",
         0},
        {"1"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000",
         0},
        {"2,5", 0},
        {"min(2.5, 1.5)", 0},
        {"logn(8, 2)", 0},
        {"mod(7.5, 2)", 0},
        {"7.5\\2", 0},
        {"graus(0.5)", 0},
        {"rad(180.5)", 0},
        {"sen(0.5)+cos(0.5)", 0},
        {"1.2.3", 0},
        {"1+1.2.3", 0},
        {"x^0.5", 2.25},
        {"1/0.0", 0},
        {"0.0/0", 0},
        {"foo(1.5)", 0},
        {"y.5", 0},
        {"x.5", 0},
        {"sqr(x)", -0.5},
        {"SEN(0.5)", 0},
        {"Ação(0.5)", 0},
    };
    for (const char* route : {"setlocale", "environment"})
        for (const auto& [text, x] : cases)
            QTest::newRow(QStringLiteral("%1 %2").arg(route, text).left(60).toUtf8().constData())
                << QByteArray(text) << x << QByteArray(route);
}

void EngineLocale::sameUnderPortuguese() {
    if (!available_)
        QSKIP("the locale pt_PT.UTF-8 is not installed (./dev.sh ci generates it)");
    QFETCH(QByteArray, text);
    QFETCH(double, x);
    QFETCH(QByteArray, route);

    QVERIFY(std::setlocale(LC_ALL, "C"));
    const Result c = Evaluate(text, x);

    if (route == "setlocale") {
        QVERIFY(std::setlocale(LC_ALL, kPortuguese));
    } else {
        // What QApplication does at start-up: take the locale from the environment.
        qputenv("LC_ALL", kPortuguese);
        QVERIFY(std::setlocale(LC_ALL, ""));
    }
    const Result pt = Evaluate(text, x);

    QCOMPARE(pt.raised, c.raised);
    QCOMPARE(pt.number, c.number);
    QCOMPARE(pt.description, c.description);
    QCOMPARE(pt.bits, c.bits);
    QCOMPARE(pt.equation, c.equation);
}

// Guards the test itself: under pt_PT the C library really does read and write
// decimal commas, so the table above would catch an engine that used it.
void EngineLocale::localeReallyDiffers() {
    if (!available_)
        QSKIP("the locale pt_PT.UTF-8 is not installed (./dev.sh ci generates it)");
    QVERIFY(std::setlocale(LC_ALL, kPortuguese));
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 0.5);
    QCOMPARE(QByteArray(buffer), QByteArray("0,5"));
    QCOMPARE(std::strtod("0.5", nullptr), 0.0);
    QCOMPARE(std::strtod("0,5", nullptr), 0.5);
}

QTEST_MAIN(EngineLocale)
#include "tst_enginelocale.moc"
