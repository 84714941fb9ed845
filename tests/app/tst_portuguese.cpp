// The toolkit's own texts (dialog buttons, colour-dialog labels, the text
// boxes' context menu) read in European Portuguese once the program's set-up
// has run, the catalogues are taken in the right order of preference, and the
// windows carry the program's icon.

#include "app/ProgramSetUp.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

class TestPortuguese : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void names();
    void toolkitTexts_data();
    void toolkitTexts();
    void preference_data();
    void preference();
};

void TestPortuguese::initTestCase() {
    ProgramSetUp::SetUp(*qApp);
}

void TestPortuguese::names() {
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quivela"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(QUIVELA_ID));
    // Built into the program: a window manager that does not read the
    // desktop entry shows it too.
    const QIcon icon = QApplication::windowIcon();
    for (int size : {16, 48, 256})
        QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
    QWidget window;
    QCOMPARE(window.windowIcon().cacheKey(), icon.cacheKey());
}

namespace {

// Every text a user reads on one toolkit dialog or menu.
QStringList ElementTexts(const QString& element) {
    QStringList texts;
    if (element == QStringLiteral("box")) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Quivela"), QStringLiteral("x"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        for (QAbstractButton* b : box.buttons())
            texts << b->text();
    } else if (element == QStringLiteral("colour")) {
        // As the program's colour dialogs are made.
        QColorDialog dialog;
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        texts << dialog.windowTitle();
        for (QLabel* l : dialog.findChildren<QLabel*>())
            texts << l->text();
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            texts << b->text();
    } else {
        QLineEdit edit;
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        // Without their shortcuts.
        for (QAction* a : menu->actions())
            texts << a->text().section(QLatin1Char('\t'), 0, 0);
    }
    return texts;
}

} // namespace

void TestPortuguese::toolkitTexts_data() {
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("portuguese");
    const std::pair<const char*, std::vector<const char*>> elements[] = {
        {"box", {"OK", "Cancelar"}},
        {"colour",
         {"OK", "Cancelar", "Seleccionar cor", "Cores &básicas", "Cores &personalizadas",
          "&Adicionar às cores personalizadas", "Seleccionar &cor no ecrã",
          "&Matiz:", "Ve&rmelho:"}},
        {"menu", {"&Desfazer", "Eliminar", "Seleccionar tudo"}},
    };
    for (const auto& [element, texts] : elements)
        for (const char* text : texts)
            QTest::addRow("%s: %s", element, text)
                << QString::fromUtf8(element) << QString::fromUtf8(text);
}

void TestPortuguese::toolkitTexts() {
    QFETCH(QString, element);
    QFETCH(QString, portuguese);
    const QStringList texts = ElementTexts(element);
    QVERIFY2(texts.contains(portuguese), qPrintable(texts.join(QLatin1Char('|'))));
    // Words of Brazilian Portuguese only: the distribution's catalogue of
    // that language must not show through anywhere on the element.
    for (const char* brazilian : {"tela", "customizad", "Selecionar", "Excluir"})
        QVERIFY2(
            !texts.join(QLatin1Char('|')).contains(QLatin1String(brazilian), Qt::CaseInsensitive),
            qPrintable(texts.join(QLatin1Char('|'))));
}

void TestPortuguese::preference_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("installOrder");
    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("Brazilian only") << QStringList{"qtbase_pt_BR"} << QStringList{"qtbase_pt_BR"};
    QTest::newRow("European legacy over Brazilian")
        << QStringList{"qtbase_pt_BR", "qt_pt_PT", "qt_pt_BR", "qtbase_de"}
        << QStringList{"qtbase_pt_BR", "qt_pt_PT"};
    QTest::newRow("everything") << QStringList{"qt_pt", "qtbase_pt", "qt_pt_PT", "qtbase_pt_PT",
                                               "qtbase_pt_BR"}
                                << QStringList{"qtbase_pt_BR", "qt_pt", "qtbase_pt", "qt_pt_PT",
                                               "qtbase_pt_PT"};
    QTest::newRow("other programs' catalogues ignored")
        << QStringList{"assistant_pt_BR", "qtbase_pt_PT.ts", "qtmultimedia_pt_BR"} << QStringList{};
}

void TestPortuguese::preference() {
    QFETCH(QStringList, present);
    QFETCH(QStringList, installOrder);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString& name : present) {
        QFile f(dir.filePath(name.endsWith(QStringLiteral(".ts")) ? name : name + ".qm"));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QStringList expected;
    for (const QString& name : installOrder)
        expected << dir.filePath(name + ".qm");
    QCOMPARE(ProgramSetUp::PortugueseCatalogues(dir.path()), expected);
}

QTEST_MAIN(TestPortuguese)
#include "tst_portuguese.moc"
