#include "axes/ColourStore.h"
#include "drawing/DrawingWindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace {

// Answers the modal dialog that Choose() is about to open: notes the colour
// it opened on, picks another, then presses OK or Cancel.
void Answer(QColor pick, bool ok, QColor* openedOn, QString* name) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        *openedOn = dialog->currentColor();
        *name = dialog->objectName();
        dialog->setCurrentColor(pick);
        if (ok)
            dialog->accept();
        else
            dialog->reject();
    });
}

} // namespace

class TestColourStore : public QObject {
    Q_OBJECT
private slots:
    void initialColours_data();
    void initialColours();
    void choose_data();
    void choose();
    void setColourIsWhatTheDialogOpensOn();
};

void TestColourStore::initialColours_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QColor>("colour");
    for (int n = 1; n <= 3; ++n)
        QTest::addRow("background %d", n) << n << DrawingWindow::StartBackground();
    QTest::newRow("curve of f") << 4 << QColor(0, 0, 255);
    QTest::newRow("curve of g") << 5 << QColor(0, 0, 255);
    QTest::newRow("curve of the operation") << 6 << QColor(255, 0, 0);
    QTest::newRow("no dialog 0") << 0 << QColor();
    QTest::newRow("no dialog 7") << 7 << QColor();
}

void TestColourStore::initialColours() {
    QFETCH(int, n);
    QFETCH(QColor, colour);
    QWidget window;
    ColourStore store(&window);
    QCOMPARE(store.Colour(n), colour);
    QColorDialog* dialog = store.Dialog(n);
    QCOMPARE(dialog != nullptr, colour.isValid());
    if (dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("CommonDialog%1").arg(n));
        QCOMPARE(dialog->parentWidget(), &window);
        QCOMPARE(window.findChild<QColorDialog*>(dialog->objectName()), dialog);
        QVERIFY(!dialog->isVisible());
    }
}

void TestColourStore::choose_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("ok");
    for (int n : {1, 4, 6}) {
        QTest::addRow("dialog %d OK", n) << n << true;
        QTest::addRow("dialog %d Cancel", n) << n << false;
    }
}

void TestColourStore::choose() {
    QFETCH(int, n);
    QFETCH(bool, ok);
    QWidget window;
    window.show();
    ColourStore store(&window);
    const QColor before = store.Colour(n), pick(12, 200, 34);
    QColor openedOn;
    QString name;
    Answer(pick, ok, &openedOn, &name);
    QCOMPARE(store.Choose(n), ok);
    QCOMPARE(name, QStringLiteral("CommonDialog%1").arg(n));
    QCOMPARE(openedOn, before);
    QCOMPARE(store.Colour(n), ok ? pick : before);
    QVERIFY(!store.Dialog(n)->isVisible());
    // Opened again, the dialog starts on the colour in force.
    Answer(QColor(1, 2, 3), false, &openedOn, &name);
    QCOMPARE(store.Choose(n), false);
    QCOMPARE(openedOn, ok ? pick : before);
    QCOMPARE(store.Colour(n), ok ? pick : before);
}

void TestColourStore::setColourIsWhatTheDialogOpensOn() {
    QWidget window;
    window.show();
    ColourStore store(&window);
    store.SetColour(2, QColor(10, 20, 30, 40)); // alpha plays no part
    QCOMPARE(store.Colour(2), QColor(10, 20, 30));
    QCOMPARE(store.Colour(1), DrawingWindow::StartBackground());
    QColor openedOn;
    QString name;
    Answer(QColor(9, 9, 9), false, &openedOn, &name);
    QVERIFY(!store.Choose(2));
    QCOMPARE(openedOn, QColor(10, 20, 30));
}

QTEST_MAIN(TestColourStore)
#include "tst_ColourStore.moc"
