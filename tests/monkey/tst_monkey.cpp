// Long random sequences of what a user can do with every window of the
// program, each followed by the checks of what must always hold. A failing
// seed is replayed with ./dev.sh monkey SEED ACTIONS and then kept below.
#include "Monkey.h"

#include "app/Form3.h"
#include "app/ProgramSetUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>

#include <deque>
#include <memory>

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ProgramSetUp::SetUp(*qApp); }
    void run_data();
    void run();
};

void MonkeyTest::run_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("actions");
    // A run asked for from outside (the CI's random seed, a replay).
    const QByteArray seed = qgetenv("QUIVELA_MONKEY_SEED");
    if (!seed.isEmpty()) {
        QTest::newRow("asked for")
            << seed.toUInt() << qEnvironmentVariableIntValue("QUIVELA_MONKEY_ACTIONS");
        return;
    }
    QTest::newRow("short run") << 1u << 400;
    // Each seed that ever failed stays here, with the actions it took to fail.
}

void MonkeyTest::run() {
    QFETCH(quint32, seed);
    QFETCH(int, actions);
    // The program as main() starts it.
    auto start = std::make_unique<Form3>();
    start->show();
    QVERIFY(QTest::qWaitForWindowExposed(start.get()));
    Monkey monkey(*start, seed);
    std::deque<QString> recent;
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= actions; ++i) {
        if (i % 2000 == 0)
            qInfo("%d actions in %lld s", i, clock.elapsed() / 1000);
        recent.push_back(monkey.Act());
        if (recent.size() > 15)
            recent.pop_front();
        const QString broken = monkey.Broken();
        if (!broken.isEmpty()) {
            QStringList log(recent.begin(), recent.end());
            QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions: %4")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(broken, log.join(QStringLiteral(", ")))));
        }
    }
    qInfo("%s", qPrintable(monkey.Summary()));
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
