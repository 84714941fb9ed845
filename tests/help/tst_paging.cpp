// Paging of the three help windows, driven through their buttons as a user
// would press them.

#include "help/Form2.h"
#include "help/Form4.h"
#include "help/Form5.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

std::unique_ptr<PagedHelpWindow> MakePaged(const QString& name) {
    if (name == QLatin1String("Form4"))
        return std::make_unique<Form4>();
    return std::make_unique<Form5>();
}

template <typename T> T* Child(QWidget* window, const QString& name) {
    T* child = window->findChild<T*>(name);
    if (!child)
        qFatal("no child %s in %s", qPrintable(name), qPrintable(window->objectName()));
    return child;
}

// The numbers of the pages that are not hidden.
QList<int> ShownPages(QWidget* window, int count) {
    QList<int> shown;
    for (int k = 1; k <= count; ++k)
        if (!Child<QLabel>(window, QStringLiteral("Image1_%1").arg(k))->isHidden())
            shown << k;
    return shown;
}

void Press(QWidget* window, const QString& button) {
    QTest::mouseClick(Child<QAbstractButton>(window, button), Qt::LeftButton);
}

// A paged window shown on page k alone: its number, and each arrow enabled
// while there is a page on its side.
void ShowsPage(PagedHelpWindow* window, int k) {
    const int n = window->PageCount();
    QCOMPARE(window->CurrentPage(), k);
    QCOMPARE(Child<QLabel>(window, QStringLiteral("Label2"))->text(), QString::number(k));
    QCOMPARE(ShownPages(window, n), QList<int>{k});
    QCOMPARE(Child<QToolButton>(window, QStringLiteral("SetaE"))->isEnabled(), k > 1);
    QCOMPARE(Child<QToolButton>(window, QStringLiteral("SetaD"))->isEnabled(), k < n);
}

} // namespace

class PagingTest : public QObject {
    Q_OBJECT
private slots:
    void pagedWindowDesign_data();
    void pagedWindowDesign();
    void rightArrowToTheLastPage_data();
    void rightArrowToTheLastPage();
    void leftArrowBackToTheFirstPage_data();
    void leftArrowBackToTheFirstPage();
    void fecharRestartsAtPageOne_data();
    void fecharRestartsAtPageOne();
    void instructionsKeepTheirPage_data();
    void instructionsKeepTheirPage();
    void instructionsButtonsOnlyTurnFromTheirPage();
    void disabledArrowLooksDisabled_data();
    void disabledArrowLooksDisabled();
};

void PagingTest::pagedWindowDesign_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("ofPages");
    QTest::newRow("syntax") << "Form4" << QString::fromUtf8("SINTAXE") << 4 << "de  4";
    QTest::newRow("functions") << "Form5" << QString::fromUtf8("FUNÇÕES DEFINIDAS") << 23
                               << "de  23";
}

void PagingTest::pagedWindowDesign() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, pages);
    QFETCH(QString, ofPages);
    auto window = MakePaged(name);
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->PageCount(), pages);
    QCOMPARE(Child<QLabel>(window.get(), QStringLiteral("Label1"))->text(),
             QStringLiteral("Página"));
    QCOMPARE(Child<QLabel>(window.get(), QStringLiteral("Label3"))->text(), ofPages);
    QCOMPARE(Child<QPushButton>(window.get(), QStringLiteral("Command1"))->text(),
             QStringLiteral("Fechar"));
    // Every page at left 60, top 120 twips, and none beyond the window.
    for (int k = 1; k <= pages; ++k) {
        auto* page = Child<QLabel>(window.get(), QStringLiteral("Image1_%1").arg(k));
        QCOMPARE(page->pos(), QPoint(4, 8));
        QVERIFY(window->rect().contains(page->geometry()));
        QCOMPARE(page->pixmap().deviceIndependentSize().toSize(), page->size());
        // The words are in the picture; screen readers get them as text.
        QCOMPARE(page->accessibleName(), QStringLiteral("Página %1 de %2").arg(k).arg(pages));
        QVERIFY(page->accessibleDescription().size() > 200);
    }
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("Image1_%1").arg(pages + 1)) == nullptr);
}

void PagingTest::rightArrowToTheLastPage_data() {
    pagedWindowDesign_data();
}

// From the first page, where a window opens, to the last.
void PagingTest::rightArrowToTheLastPage() {
    QFETCH(QString, name);
    auto window = MakePaged(name);
    window->show();
    const int n = window->PageCount();
    ShowsPage(window.get(), 1);
    for (int k = 2; k <= n; ++k) {
        Press(window.get(), QStringLiteral("SetaD"));
        ShowsPage(window.get(), k);
    }
    // A further press changes nothing.
    Press(window.get(), QStringLiteral("SetaD"));
    Child<QToolButton>(window.get(), QStringLiteral("SetaD"))->click();
    ShowsPage(window.get(), n);
}

void PagingTest::leftArrowBackToTheFirstPage_data() {
    pagedWindowDesign_data();
}

void PagingTest::leftArrowBackToTheFirstPage() {
    QFETCH(QString, name);
    auto window = MakePaged(name);
    window->show();
    const int n = window->PageCount();
    for (int k = 1; k < n; ++k)
        Press(window.get(), QStringLiteral("SetaD"));
    for (int k = n - 1; k >= 1; --k) {
        Press(window.get(), QStringLiteral("SetaE"));
        ShowsPage(window.get(), k);
    }
    Child<QToolButton>(window.get(), QStringLiteral("SetaE"))->click();
    ShowsPage(window.get(), 1);
}

void PagingTest::fecharRestartsAtPageOne_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("closedOn");
    QTest::addColumn<bool>("fromTitleBar");
    QTest::newRow("functions closed on page 12") << "Form5" << 12 << false;
    QTest::newRow("functions closed on the last page") << "Form5" << 23 << false;
    QTest::newRow("syntax closed on the last page") << "Form4" << 4 << false;
    QTest::newRow("syntax closed on page 2 from the title bar") << "Form4" << 2 << true;
    QTest::newRow("functions closed on page 1") << "Form5" << 1 << false;
}

void PagingTest::fecharRestartsAtPageOne() {
    QFETCH(QString, name);
    QFETCH(int, closedOn);
    QFETCH(bool, fromTitleBar);
    auto window = MakePaged(name);
    window->show();
    for (int k = 1; k < closedOn; ++k)
        Press(window.get(), QStringLiteral("SetaD"));
    QCOMPARE(window->CurrentPage(), closedOn);
    if (fromTitleBar)
        window->close();
    else
        Press(window.get(), QStringLiteral("Command1"));
    QVERIFY(window->isHidden());
    window->show();
    ShowsPage(window.get(), 1);
}

void PagingTest::instructionsKeepTheirPage_data() {
    QTest::addColumn<int>("closedOn");
    QTest::addColumn<bool>("fromTitleBar");
    QTest::newRow("closed on page 2") << 2 << false;
    QTest::newRow("closed on page 2 from the title bar") << 2 << true;
    QTest::newRow("closed on page 1") << 1 << false;
}

void PagingTest::instructionsKeepTheirPage() {
    QFETCH(int, closedOn);
    QFETCH(bool, fromTitleBar);
    Form2 window;
    QCOMPARE(window.windowTitle(), QString::fromUtf8("INSTRUÇÕES"));
    QCOMPARE(window.size(), QSize(543, 651));
    window.show();
    if (closedOn == 2)
        Press(&window, QStringLiteral("Command1"));
    if (fromTitleBar)
        window.close();
    else
        Press(&window, QStringLiteral("Command3"));
    QVERIFY(window.isHidden());
    window.show();
    QCOMPARE(window.CurrentPage(), closedOn);
    auto* image1 = Child<QLabel>(&window, QStringLiteral("Image1"));
    auto* image2 = Child<QLabel>(&window, QStringLiteral("Image2"));
    QCOMPARE(image1->isHidden(), closedOn == 2);
    QCOMPARE(image2->isHidden(), closedOn == 1);
    QCOMPARE(Child<QPushButton>(&window, QStringLiteral("Command1"))->isEnabled(), closedOn == 1);
    QCOMPARE(Child<QPushButton>(&window, QStringLiteral("Command2"))->isEnabled(), closedOn == 2);
}

void PagingTest::instructionsButtonsOnlyTurnFromTheirPage() {
    Form2 window;
    window.show();
    auto* command1 = Child<QPushButton>(&window, QStringLiteral("Command1"));
    auto* command2 = Child<QPushButton>(&window, QStringLiteral("Command2"));
    QVERIFY(!command2->isEnabled());
    command2->click(); // disabled: nothing happens
    QCOMPARE(window.CurrentPage(), 1);
    Press(&window, QStringLiteral("Command1"));
    QCOMPARE(window.CurrentPage(), 2);
    QVERIFY(!command1->isEnabled());
    Press(&window, QStringLiteral("Command2"));
    QCOMPARE(window.CurrentPage(), 1);
    QVERIFY(command1->isEnabled());
    QVERIFY(!command2->isEnabled());
    QVERIFY(Child<QLabel>(&window, QStringLiteral("Image2"))->isHidden());
}

void PagingTest::disabledArrowLooksDisabled_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("leftBlue");
    QTest::addColumn<bool>("rightBlue");
    QTest::newRow("first page") << 0 << false << true;
    QTest::newRow("middle page") << 1 << true << true;
    QTest::newRow("last page") << 3 << true << false;
}

// An enabled arrow is drawn in blue; a disabled one in greys only.
void PagingTest::disabledArrowLooksDisabled() {
    QFETCH(int, presses);
    QFETCH(bool, leftBlue);
    QFETCH(bool, rightBlue);
    Form4 window;
    window.show();
    for (int k = 0; k < presses; ++k)
        Press(&window, QStringLiteral("SetaD"));
    auto blue = [&](const QString& name) {
        const QImage image = Child<QWidget>(&window, name)->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.blue() > 150 && c.red() < 60 && c.green() < 110;
            }
        return count > 20;
    };
    QCOMPARE(blue(QStringLiteral("SetaE")), leftBlue);
    QCOMPARE(blue(QStringLiteral("SetaD")), rightBlue);
}

QTEST_MAIN(PagingTest)
#include "tst_paging.moc"
