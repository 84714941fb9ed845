// The index of filled slots against the linear scans it replaces: after
// every emptying, the next and previous filled slot from every position
// (including positions before the first and past the last slot) must be
// what NextToken and PrevToken would find scanning slot by slot.

#include "expression/FilledSlots.h"

#include <QRandomGenerator>
#include <QtTest>

#include <vector>

using quivela::expression::FilledSlots;

namespace {

int ScanNext(const std::vector<bool>& filled, int position) {
    const int last = int(filled.size()) - 1;
    for (int i = position < 0 ? 1 : position + 1; i <= last; ++i)
        if (filled[std::size_t(i)])
            return i;
    return 0;
}

int ScanPrev(const std::vector<bool>& filled, int position) {
    const int last = int(filled.size()) - 1;
    for (int i = position > last + 1 ? last : position - 1; i >= 1; --i)
        if (filled[std::size_t(i)])
            return i;
    return 0;
}

} // namespace

class FilledSlotsTest : public QObject {
    Q_OBJECT

private slots:
    void sameAsScanning_data();
    void sameAsScanning();
};

void FilledSlotsTest::sameAsScanning_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("emptyAtStartPercent");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("no slots") << 0 << 0 << quint32(1);
    QTest::newRow("one slot") << 1 << 0 << quint32(2);
    QTest::newRow("one slot, empty") << 1 << 100 << quint32(3);
    QTest::newRow("ten slots") << 10 << 0 << quint32(4);
    QTest::newRow("ten slots, separators") << 10 << 30 << quint32(5);
    QTest::newRow("hundred slots") << 100 << 10 << quint32(6);
    QTest::newRow("all empty") << 50 << 100 << quint32(7);
    QTest::newRow("many slots") << 400 << 20 << quint32(8);
}

void FilledSlotsTest::sameAsScanning() {
    QFETCH(int, count);
    QFETCH(int, emptyAtStartPercent);
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    std::vector<bool> emptyAtStart(std::size_t(count) + 1, false);
    std::vector<bool> filled(std::size_t(count) + 1, false);
    for (int i = 1; i <= count; ++i) {
        emptyAtStart[std::size_t(i)] = int(random.bounded(100)) < emptyAtStartPercent;
        filled[std::size_t(i)] = !emptyAtStart[std::size_t(i)];
    }
    FilledSlots index;
    index.Reset(emptyAtStart);
    // Twice: Restart must bring back the state of Reset.
    for (int round = 0; round < 2; ++round) {
        for (int step = 0; step <= count + 2; ++step) {
            for (int p = -2; p <= count + 3; ++p) {
                QCOMPARE(index.Next(p), ScanNext(filled, p));
                QCOMPARE(index.Prev(p), ScanPrev(filled, p));
            }
            // Empty a random slot (already empty, or out of range, at times).
            const int victim = int(random.bounded(count + 4)) - 1;
            index.Empty(victim);
            if (victim >= 1 && victim <= count)
                filled[std::size_t(victim)] = false;
        }
        index.Restart();
        for (int i = 1; i <= count; ++i)
            filled[std::size_t(i)] = !emptyAtStart[std::size_t(i)];
    }
}

QTEST_MAIN(FilledSlotsTest)
#include "tst_filledslots.moc"
