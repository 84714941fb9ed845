// The start window: caption, size, title labels, menu and the windows it opens.
#include "TestScreens.h"
#include "app/Form3.h"
#include "drawing/Twips.h"
#include "drawing/WindowScale.h"
#include "help/Form2.h"
#include "help/Form4.h"
#include "help/Form5.h"
#include "mainwindow/Form1.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    void window();
    void labels_data();
    void labels();
    void pictures();
    void menu_data();
    void menu();
    void helpFromTheMainWindow_data();
    void helpFromTheMainWindow();
    void endsTheProgram_data();
    void endsTheProgram();
    void fitsEachScreen_data();
    void fitsEachScreen();
    void fixedColours_data();
    void fixedColours();
};

namespace {

// The start window on a screen, and every window opened from its menu.
QList<QWidget*> OpenAll(Form3& start, const QString& screen) {
    start.move(ScreenNamed(screen)->availableGeometry().topLeft());
    start.show();
    for (const char* action : {"Quivela", "Instruções", "Sintaxe", "FunçõesDefinidas"})
        start.findChild<QAction*>(QString::fromUtf8(action))->trigger();
    if (!QTest::qWaitForWindowExposed(start.MainWindow()))
        qWarning("main window not shown");
    return {&start, start.MainWindow(), start.Instructions(), start.Syntax(), start.Functions()};
}

} // namespace

void TestForm3::window() {
    Form3 start;
    QCOMPARE(start.objectName(), QStringLiteral("Form3"));
    QCOMPARE(start.windowTitle(), QString::fromUtf8("QUIVELA COM FUNÇÕES"));
    QCOMPARE(start.centralWidget()->size(), QSize(Twips(15240), Twips(10710)));
    // Nothing else is opened at start.
    QVERIFY(start.MainWindow() == nullptr && start.Instructions() == nullptr &&
            start.Syntax() == nullptr && start.Functions() == nullptr);
}

void TestForm3::labels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("comic");
    QTest::newRow("Label1") << "Label1"
                            << "QUIVELA" << true;
    QTest::newRow("Label2") << "Label2"
                            << "COM" << true;
    QTest::newRow("Label3") << "Label3" << QString::fromUtf8("FUNÇÕES") << true;
    QTest::newRow("Label4") << "Label4" << QString::fromUtf8("Versão " QUIVELA_VERSION) << false;
    QTest::newRow("Label5") << "Label5" << QString::fromUtf8("Resolução: 1024x768") << false;
}

void TestForm3::labels() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(bool, comic);
    Form3 start;
    auto* label = start.findChild<QLabel*>(name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    if (comic)
        QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Comic Neue"));
}

void TestForm3::pictures() {
    Form3 start;
    start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    for (const char* name : {"Image1", "Image2", "Image3", "Image10"}) {
        QWidget* picture = start.findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(picture, name);
        // Drawn artwork: more than one colour on it.
        const QImage im = picture->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < im.height(); y += 3)
            for (int x = 0; x < im.width(); x += 3)
                colours.insert(im.pixel(x, y));
        QVERIFY2(colours.size() > 5, name);
    }
}

// The menu bar's entries; each but "Ficheiro" opens a window (its caption)
// once, and the same again at the next choice.
void TestForm3::menu_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("window");
    QTest::newRow("Ficheiro") << 0 << "Ficheiro"
                              << "Ficheiro" << QString();
    QTest::newRow("Quivela") << 1 << "Quivela"
                             << "Quivela" << QString::fromUtf8("QUIVELA COM FUNÇÕES");
    QTest::newRow("Instruções") << 2 << QString::fromUtf8("Instruções")
                                << QString::fromUtf8("Instruções")
                                << QString::fromUtf8("INSTRUÇÕES");
    QTest::newRow("Sintaxe") << 3 << "Sintaxe"
                             << "Sintaxe"
                             << "SINTAXE";
    QTest::newRow("FunçõesDefinidas")
        << 4 << QString::fromUtf8("FunçõesDefinidas") << QString::fromUtf8("Funções definidas")
        << QString::fromUtf8("FUNÇÕES DEFINIDAS");
}

void TestForm3::menu() {
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, window);
    Form3 start;
    const QList<QAction*> top = start.menuBar()->actions();
    QCOMPARE(top.size(), 5);
    QCOMPARE(top[position]->objectName(), name);
    QCOMPARE(top[position]->text(), caption);
    if (position == 0) {
        QMenu* ficheiro = top[0]->menu();
        QVERIFY(ficheiro);
        QCOMPARE(ficheiro->actions().size(), 1);
        QCOMPARE(ficheiro->actions()[0]->objectName(), QStringLiteral("Sair"));
        QCOMPARE(ficheiro->actions()[0]->text(), QStringLiteral("Sair"));
        return;
    }
    start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    auto* a = start.findChild<QAction*>(name);
    QVERIFY(a);
    const QWidgetList tops = QApplication::topLevelWidgets();
    const QSet<QWidget*> before(tops.begin(), tops.end());
    a->trigger();
    QWidget* opened = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!before.contains(w) && w->isVisible() && w->windowTitle() == window)
            opened = w;
    QVERIFY(opened);
    QVERIFY(!opened->isModal());
    const int count = QApplication::topLevelWidgets().size();
    a->trigger();
    QCOMPARE(QApplication::topLevelWidgets().size(), count);
    QVERIFY(opened->isVisible());
    QVERIFY(start.isVisible()); // the start window stays
}

void TestForm3::helpFromTheMainWindow_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("key"); // pressed on the focused button; 0: a click
    QTest::newRow("Ajuda") << "Ajuda" << QString::fromUtf8("Instruções") << 0;
    QTest::newRow("Command4") << "Command4"
                              << "Sintaxe" << 0;
    QTest::newRow("Command5") << "Command5" << QString::fromUtf8("FunçõesDefinidas") << 0;
    QTest::newRow("Ajuda, Return")
        << "Ajuda" << QString::fromUtf8("Instruções") << int(Qt::Key_Return);
    QTest::newRow("Command5, Enter")
        << "Command5" << QString::fromUtf8("FunçõesDefinidas") << int(Qt::Key_Enter);
}

void TestForm3::helpFromTheMainWindow() {
    QFETCH(QString, button);
    QFETCH(QString, menu);
    QFETCH(int, key);
    Form3 start;
    start.show();
    start.findChild<QAction*>(QStringLiteral("Quivela"))->trigger();
    Form1* form = start.MainWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    auto* b = form->findChild<QPushButton*>(button);
    b->setFocus();
    if (key)
        QTest::keyClick(b, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    else
        QTest::mouseClick(b, Qt::LeftButton);
    auto shown = [&]() -> QWidget* {
        if (button == QLatin1String("Ajuda"))
            return start.Instructions();
        if (button == QLatin1String("Command4"))
            return start.Syntax();
        return start.Functions();
    };
    QWidget* help = shown();
    QVERIFY(help && help->isVisible());
    QVERIFY(form->isVisible()); // not modal: the main window stays usable
    QVERIFY(form->isEnabled());
    if (key) { // and in the help window, whose "Fechar" hides it
        for (QPushButton* p : help->findChildren<QPushButton*>())
            if (p->text() == QLatin1String("Fechar"))
                QTest::keyClick(p, Qt::Key(key));
        QVERIFY(help->isHidden());
    }
    start.findChild<QAction*>(menu)->trigger();
    QCOMPARE(shown(), help); // the menu shows the same window
}

void TestForm3::endsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Sair in the menu") << "menu";
    QTest::newRow("Sair on the main window") << "button";
    QTest::newRow("closing the start window") << "close";
}

// The event loop ends (exec returns 0) with the main and a help window open.
void TestForm3::endsTheProgram() {
    QFETCH(QString, how);
    Form3 start;
    start.show();
    start.findChild<QAction*>(QStringLiteral("Quivela"))->trigger();
    start.ShowSyntax();
    QTimer::singleShot(0, [&] {
        if (how == QLatin1String("menu"))
            start.findChild<QAction*>(QStringLiteral("Sair"))->trigger();
        else if (how == QLatin1String("button"))
            QTest::mouseClick(start.MainWindow()->findChild<QPushButton*>(QStringLiteral("Sair")),
                              Qt::LeftButton);
        else
            start.close();
    });
    QTimer giveUp; // the program did not end; stopped with the test
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(3000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TestForm3::fitsEachScreen_data() {
    ScreenRows();
}

// Every window lies inside the screen with room for its frame, at the design
// size where that fits; and any scale can follow another without a trace.
void TestForm3::fitsEachScreen() {
    QFETCH(QString, screen);
    Form3 start;
    const QRect room = ScreenNamed(screen)->availableGeometry() - WindowScale::kLeastFrame;
    const bool designFits = room.height() >= Twips(11010);
    for (QWidget* w : OpenAll(start, screen)) {
        QVERIFY2(w->width() <= room.width() && w->height() <= room.height(),
                 qPrintable(w->objectName()));
        QCOMPARE(w->screen()->name(), screen);
        const double scale = WindowScale::Of(w);
        QVERIFY(scale >= 0.7 && (scale == 1.0 || !designFits));
        // No smaller than it needs to be.
        const QSizeF larger = QSizeF(w->size()) * ((scale + 0.02) / scale);
        QVERIFY(scale == 1.0 || larger.width() > room.width() || larger.height() > room.height());
        if (w == start.MainWindow())
            continue; // its drawings are redrawn at activation, not kept
        const QImage before = w->grab().toImage();
        WindowScale::Apply(w, 0.5);
        WindowScale::Apply(w, scale);
        QCOMPARE(w->grab().toImage(), before);
    }
}

void TestForm3::fixedColours_data() {
    QTest::addColumn<QString>("surface"); // window/control
    for (const char* s :
         {"Form3/Form3Client", "Form2/Image1", "Form5/Image1_2", "Form1/Picture1_1"})
        QTest::newRow(s) << QString::fromLatin1(s);
}

// The surfaces whose colours the program fixes look the same under a light
// and a dark system palette.
void TestForm3::fixedColours() {
    QFETCH(QString, surface);
    const QStringList path = surface.split(QLatin1Char('/'));
    const QPalette light = QApplication::palette(), dark(QColor(53, 53, 53));
    QImage seen[2];
    for (int k = 0; k < 2; ++k) {
        QApplication::setPalette(k == 0 ? light : dark);
        Form3 start;
        QWidget* shown = nullptr;
        for (QWidget* w : OpenAll(start, QString()))
            if (w->objectName() == path[0])
                shown = w->findChild<QWidget*>(path[1]);
        QVERIFY(shown);
        seen[k] = shown->grab().toImage();
    }
    QApplication::setPalette(light);
    QCOMPARE(seen[1], seen[0]);
}

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
