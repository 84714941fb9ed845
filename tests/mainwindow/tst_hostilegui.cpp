// Hostile input typed into the main window's boxes, through the real widgets:
// every text ends in a clear Portuguese message or in a plot, the message is
// answered like a user would, and afterwards the pointer is the default one,
// nothing modal is left and the window takes typing and plots again.
#include "Form1Harness.h"
#include "HostileTexts.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

const QString kExpressionError = QString::fromUtf8("Erro na expressão analítica:\r\n\r\n");
const QString kOperationError = QStringLiteral("Erro:\r\n\r\n");

// The hostile texts shared by the three boxes, with the error each raises
// (empty: it raises none). A text that leaves no value plots nothing as a
// function; as the value of a or of the abscissa it is refused when
// valueNeeded.
void HostileRows(const QString& heading, bool valueNeeded) {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    for (const HostileText& h : HostileTexts()) {
        QString message;
        if (h.noValue && valueNeeded)
            message = heading + QString::fromUtf8("Valor não definido: ") + h.text;
        else if (*h.description)
            message = heading + QString::fromUtf8(h.description);
        QTest::newRow(h.name) << h.text << message;
    }
}

} // namespace

class HostileGui : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { form_.reset(); }
    void functionBox_data();
    void functionBox();
    void exponentBox_data();
    void exponentBox();
    void abscissaBox_data();
    void abscissaBox();
    void stillPlotsAfterwards();

private:
    QLineEdit* Box(const char* name) { return Control<QLineEdit>(form_.get(), name); }
    void Press(const char* button, const QString& expected, QLineEdit* focus);
    std::unique_ptr<Form1> form_;
};

void HostileGui::initTestCase() {
    form_ = OpenForm1();
    QVERIFY(form_->isActiveWindow());
}

// Presses a button, answers the message it brings up, and checks what a user
// would see afterwards.
void HostileGui::Press(const char* button, const QString& expected, QLineEdit* focus) {
    const ModalSeen seen = WithModal([&] { Click(form_.get(), button); });
    if (expected.isEmpty()) {
        QVERIFY2(!seen.shown, qPrintable(QStringLiteral("unexpected message: ") + seen.text));
    } else {
        QVERIFY2(seen.shown, "no message came up");
        QCOMPARE(seen.text, expected);
        QCOMPARE(seen.title, QStringLiteral("Quivela"));
        if (focus != nullptr)
            QCOMPARE(form_->focusWidget(), focus);
    }
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(form_->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(form_->isEnabled());
    // The window still takes typing.
    QLineEdit* g = Box("FunçãoG");
    g->clear();
    QTest::keyClicks(g, QStringLiteral("x+1"));
    QCOMPARE(g->text(), QStringLiteral("x+1"));
    g->clear();
}

void HostileGui::functionBox_data() {
    HostileRows(kExpressionError, false);
    const QString ask = QString::fromUtf8(
        "Deve escrever a expressão analítica da função que pretende representar graficamente.");
    QTest::newRow("empty") << QString() << ask;
    QTest::newRow("blanks") << QStringLiteral("   ") << ask;
    // A text box holds a longer paste whole, and the engine refuses it.
    QTest::newRow("32768 characters pasted")
        << QLatin1Char('x') + QString(32767, QLatin1Char(' '))
        << kExpressionError + QStringLiteral("Excesso de capacidade");
}

void HostileGui::functionBox() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QLineEdit* f = Box("FunçãoF");
    f->setText(text);
    QCOMPARE(f->text(), text);
    Press("DesenharF", message, message.startsWith(kExpressionError) ? f : nullptr);
}

void HostileGui::exponentBox_data() {
    HostileRows(kOperationError, true);
    QTest::newRow("empty") << QString() << QString::fromUtf8("Deve indicar o valor de a.");
    QTest::newRow("blanks") << QStringLiteral("  ")
                            << QString::fromUtf8("Deve indicar o valor de a.");
}

void HostileGui::exponentBox() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    Box("FunçãoF")->setText(QStringLiteral("x"));
    Control<QRadioButton>(form_.get(), "Optionfa")->setChecked(true);
    Box("ValorDeA")->setText(text);
    Press("DesenharO", message, nullptr);
}

void HostileGui::abscissaBox_data() {
    HostileRows(kExpressionError, true);
    QTest::newRow("empty") << QString()
                           << QString::fromUtf8("Deve indicar para abcissa um valor entre -8 e 8.");
    QTest::newRow("far outside the window")
        << QStringLiteral("1e3")
        << kExpressionError + QString::fromUtf8("Variável não definida: e3");
    QTest::newRow("a large value is used as it is") << QStringLiteral("1000") << QString();
}

void HostileGui::abscissaBox() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    if (!form_->Desenhado(Form1::F)) {
        Box("FunçãoF")->setText(QStringLiteral("x"));
        Press("DesenharF", QString(), nullptr);
        QVERIFY(form_->Desenhado(Form1::F));
    }
    Box("Abcissa")->setText(text);
    Press("DesenharCoordenadas", message,
          message.startsWith(kExpressionError) ? Box("Abcissa") : nullptr);
}

// After all of the above, the window draws a graph as on its first use.
void HostileGui::stillPlotsAfterwards() {
    Box("FunçãoG")->setText(QStringLiteral("x^2-3"));
    Press("DesenharG", QString(), nullptr);
    QVERIFY(form_->Desenhado(Form1::G));
    QVERIFY(ShowsNear(*form_->Picture1(2), 1, -2, form_->Colours().Colour(5), 2));
}

QTEST_MAIN(HostileGui)
#include "tst_hostilegui.moc"
