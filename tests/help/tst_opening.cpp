// The help windows opened as the user opens them: from the start window's
// menu and from the main window's buttons, one window of each kind whatever
// the way in, keeping or discarding its page as each window does.

#include "app/Form3.h"
#include "help/Form2.h"
#include "help/PagedHelpWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTest>

namespace {

QList<QWidget*> TopLevels(const QString& name) {
    QList<QWidget*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            found << w;
    return found;
}

QWidget* Only(const QString& name) {
    const QList<QWidget*> found = TopLevels(name);
    return found.size() == 1 ? found.front() : nullptr;
}

void Trigger(Form3& start, const QString& action) {
    QAction* a = start.findChild<QAction*>(action);
    QVERIFY2(a, qPrintable(action));
    a->trigger();
}

void Click(QWidget* window, const QString& button) {
    auto* b = window->findChild<QAbstractButton*>(button);
    QVERIFY2(b, qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class OpeningTest : public QObject {
    Q_OBJECT
private slots:
    void oneWindowFromBothPlaces_data();
    void oneWindowFromBothPlaces();
};

void OpeningTest::oneWindowFromBothPlaces_data() {
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("mainButton");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("turns");     // pages turned before closing
    QTest::addColumn<int>("pageAfter"); // page shown when opened again
    QTest::newRow("instructions") << QString::fromUtf8("Instruções") << "Ajuda"
                                  << "Form2" << 1 << 2;
    QTest::newRow("syntax") << "Sintaxe"
                            << "Command4"
                            << "Form4" << 3 << 1;
    QTest::newRow("functions") << QString::fromUtf8("FunçõesDefinidas") << "Command5"
                               << "Form5" << 11 << 1;
}

void OpeningTest::oneWindowFromBothPlaces() {
    QFETCH(QString, menuItem);
    QFETCH(QString, mainButton);
    QFETCH(QString, window);
    QFETCH(int, turns);
    QFETCH(int, pageAfter);
    Form3 start;
    start.show();
    QVERIFY(TopLevels(window).isEmpty()); // created on first use only

    Trigger(start, menuItem);
    QWidget* help = Only(window);
    QVERIFY(help);
    QVERIFY(help->isVisible());
    Trigger(start, menuItem);
    QCOMPARE(Only(window), help);

    // Turn some pages and close it with its own "Fechar".
    const QString next = window == QLatin1String("Form2") ? "Command1" : "SetaD";
    for (int k = 0; k < turns; ++k)
        Click(help, next);
    Click(help, window == QLatin1String("Form2") ? "Command3" : "Command1");
    QVERIFY(help->isHidden());

    // From the main window's button: the same window, on the page it keeps.
    Trigger(start, QStringLiteral("Quivela"));
    QWidget* main = Only(QStringLiteral("Form1"));
    QVERIFY(main);
    Click(main, mainButton);
    QCOMPARE(Only(window), help);
    QVERIFY(help->isVisible());
    if (auto* form2 = qobject_cast<Form2*>(help))
        QCOMPARE(form2->CurrentPage(), pageAfter);
    else
        QCOMPARE(qobject_cast<PagedHelpWindow*>(help)->CurrentPage(), pageAfter);
    Trigger(start, menuItem);
    QCOMPARE(TopLevels(window).size(), 1);
}

QTEST_MAIN(OpeningTest)
#include "tst_opening.moc"
