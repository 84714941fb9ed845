// Replays every seed of the fuzzer's corpus, and every input the fuzzer ever
// reported (fuzz/regressions/), through the same promise checks the fuzz
// target makes, so that the ordinary and the sanitized suites guard them too.
#include "EngineTestSupport.h"
#include "fuzz/EquationInvariants.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cmath>

class FuzzReplay : public QObject {
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
    void randomTokens_data();
    void randomTokens();
    void findings_data();
    void findings();
};

void FuzzReplay::replay_data() {
    QTest::addColumn<QString>("path");
    int rows = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        QDir dir(QStringLiteral(QUIVELA_FUZZ_DIR "/") + folder);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(folder, name)))
                << dir.filePath(name);
            ++rows;
        }
    }
    QVERIFY2(rows >= 50, "the seed corpus went missing");
}

void FuzzReplay::replay() {
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray input = file.readAll();
    const std::string broken =
        CheckEquationInvariants(std::string_view(input.constData(), std::size_t(input.size())));
    QVERIFY2(broken.empty(), broken.c_str());
}

// The checks must not demand equal outcomes from texts that draw random
// numbers, and must demand them from every other text, however it is spelled.
void FuzzReplay::randomTokens_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("random");
    QTest::newRow("bare rnd") << QByteArray("rnd") << true;
    QTest::newRow("rnd call in capitals") << QByteArray("RND(1)") << true;
    QTest::newRow("rand split by blanks") << QByteArray("r a n d(6)") << true;
    QTest::newRow("random split by an accent") << QByteArray("ran\xc3\xa9"
                                                             "dom(1,2)")
                                               << true;
    QTest::newRow("rnd split by a tilde") << QByteArray("r~nd") << true;
    QTest::newRow("round is not random") << QByteArray("round(2)") << false;
    QTest::newRow("sine") << QByteArray("sen(x)") << false;
    QTest::newRow("r and d apart") << QByteArray("r*n*d") << false;
}

void FuzzReplay::randomTokens() {
    QFETCH(QByteArray, text);
    QFETCH(bool, random);
    QCOMPARE(MayUseRandom(std::string_view(text.constData(), std::size_t(text.size()))), random);
}

// Each input the fuzzer reported, with the outcome it must have. The files of
// the same inputs are in fuzz/regressions/.
void FuzzReplay::findings_data() {
    enginetest::AddColumns();
    // Two unary minuses: the first empties the second, whose entry then runs
    // the call case with an empty name (not a fault: the checks had been too strict).
    using enginetest::AddRow;
    using enginetest::Kind;
    AddRow("emptied unary minus reaches the call test", "'--7%", 0.0, Kind::Error, 0.0, 1101,
           QStringLiteral("Função não definida: )"));
    // A byte 0xC3 that starts no valid sequence must not keep the letter after
    // it from being lower-cased: the call is still "sen(".
    AddRow("truncated lead byte before a capital", "\xc3SEN(x)", 0.5, Kind::Value, std::sin(0.5));
    AddRow("truncated lead byte inside a name", "-OOOOOOOOOOOOO\xc3O2^^2", 0.0, Kind::Error, 0.0,
           1102, QStringLiteral("Variável não definida: oooooooooooooo2"));
}

void FuzzReplay::findings() {
    enginetest::CheckRow();
}

QTEST_MAIN(FuzzReplay)
#include "tst_fuzzreplay.moc"
