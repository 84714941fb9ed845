// The toolkit's own texts (dialog buttons, colour-dialog labels, the text
// boxes' context menu) read in Portuguese once the program's set-up has run,
// and the catalogues are taken in the right order of preference.

#include "app/ProgramSetUp.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

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
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("quivela"));
}

namespace {

// The text a user reads on one element of a toolkit dialog.
QString ElementText(const QString& element) {
    if (element.startsWith(QStringLiteral("box "))) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Quivela"), QStringLiteral("x"),
                        QMessageBox::Ok | QMessageBox::Cancel);
        return box
            .button(element.endsWith(QStringLiteral("Ok")) ? QMessageBox::Ok : QMessageBox::Cancel)
            ->text();
    }
    if (element.startsWith(QStringLiteral("colour "))) {
        // As the program's colour dialogs are made.
        QColorDialog dialog;
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        if (element == QStringLiteral("colour Ok"))
            return buttons->button(QDialogButtonBox::Ok)->text();
        if (element == QStringLiteral("colour Cancel"))
            return buttons->button(QDialogButtonBox::Cancel)->text();
        // Every label of the dialog, one after another.
        QStringList labels;
        for (QLabel* l : dialog.findChildren<QLabel*>())
            labels << l->text();
        return labels.join(QLatin1Char('|'));
    }
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    // The first entry, without its shortcut.
    return menu->actions().at(0)->text().section(QLatin1Char('\t'), 0, 0);
}

} // namespace

void TestPortuguese::toolkitTexts_data() {
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("portuguese");
    QTest::newRow("message box OK") << "box Ok"
                                    << "OK";
    QTest::newRow("message box Cancel") << "box Cancel"
                                        << "Cancelar";
    QTest::newRow("colour dialog OK") << "colour Ok"
                                      << "OK";
    QTest::newRow("colour dialog Cancel") << "colour Cancel"
                                          << "Cancelar";
    // European and Brazilian wordings differ on some labels; either is
    // Portuguese, so those rows only ask for a word both use.
    QTest::newRow("colour dialog basic colours")
        << "colour labels" << QString::fromUtf8("|Cores &básicas|");
    QTest::newRow("colour dialog red") << "colour labels"
                                       << "rmelho:|";
    QTest::newRow("text box context menu") << "menu"
                                           << "&Desfazer";
}

void TestPortuguese::toolkitTexts() {
    QFETCH(QString, element);
    QFETCH(QString, portuguese);
    if (ProgramSetUp::PortugueseCatalogues(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
            .isEmpty())
        QSKIP("the toolkit's Portuguese translations are not installed");
    const QString text = ElementText(element);
    if (element == QStringLiteral("colour labels")) {
        QVERIFY2(("|" + text + "|").contains(portuguese), qPrintable(text));
    } else {
        QCOMPARE(text, portuguese);
    }
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
