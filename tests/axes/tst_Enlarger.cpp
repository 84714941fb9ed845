#include "Pixels.h"

#include "axes/Enlarger.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

// The left part of the main window: three normal views and the enlarged views
// of f and g above them, with their buttons and titles.
class TestEnlarger : public QObject {
    Q_OBJECT
private slots:
    void stacking_data();
    void stacking();
};

void TestEnlarger::stacking_data() {
    // Clicks on the f (0) and g (1) buttons, then the view expected on top
    // (1 normal f, 7 enlarged f, 8 enlarged g) and the two captions.
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("captionF");
    QTest::addColumn<QString>("captionG");
    QTest::newRow("nothing") << QList<int>{} << 1 << "Ampliar f"
                             << "Ampliar g";
    QTest::newRow("f") << QList<int>{0} << 7 << "Reduzir f"
                       << "Ampliar g";
    QTest::newRow("f, reduce f") << QList<int>{0, 0} << 1 << "Ampliar f"
                                 << "Ampliar g";
    QTest::newRow("f then g") << QList<int>{0, 1} << 8 << "Reduzir f"
                              << "Reduzir g";
    QTest::newRow("f, g, reduce g") << QList<int>{0, 1, 1} << 7 << "Reduzir f"
                                    << "Ampliar g";
    QTest::newRow("f, g, reduce f") << QList<int>{0, 1, 0} << 8 << "Ampliar f"
                                    << "Reduzir g";
    QTest::newRow("g then f") << QList<int>{1, 0} << 7 << "Reduzir f"
                              << "Reduzir g";
    QTest::newRow("g, f, reduce f") << QList<int>{1, 0, 0} << 8 << "Ampliar f"
                                    << "Reduzir g";
    QTest::newRow("all reduced") << QList<int>{0, 1, 0, 1} << 1 << "Ampliar f"
                                 << "Ampliar g";
}

void TestEnlarger::stacking() {
    QFETCH(QList<int>, clicks);
    QFETCH(int, top);
    QFETCH(QString, captionF);
    QFETCH(QString, captionG);
    QWidget form;
    form.resize(Twips(15240), Twips(11010));
    DrawingWindow* views[10] = {};
    for (int i : {1, 2, 3, 7, 8}) {
        views[i] = new DrawingWindow(i, &form);
        const bool enlarged = i > 6;
        views[i]->setGeometry(TwipsRect(i == 2 ? 5460 : 60, i == 3 ? 5760 : 300,
                                        enlarged ? EnlargedSide : NormalSide,
                                        enlarged ? EnlargedSide : NormalSide));
        views[i]->setVisible(!enlarged);
    }
    QPushButton buttonF(QStringLiteral("Ampliar f"), &form),
        buttonG(QStringLiteral("Ampliar g"), &form);
    QLabel titleF(QStringLiteral("Gráfico de f"), &form),
        titleG(QStringLiteral("Gráfico de g"), &form);
    const QPoint startF(Twips(11100), Twips(1500)), startG(Twips(10860), Twips(1740));
    titleF.move(startF);
    titleG.move(startG);
    Enlarger enlargers[2] = {
        Enlarger(views[7], &buttonF, &titleF, QStringLiteral("Ampliar f"),
                 QStringLiteral("Reduzir f")),
        Enlarger(views[8], &buttonG, &titleG, QStringLiteral("Ampliar g"),
                 QStringLiteral("Reduzir g")),
    };
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    bool everShown[2] = {false, false};
    for (int c : clicks) {
        enlargers[c].Toggle();
        everShown[c] |= enlargers[c].Enlarged();
    }
    // The centre of normal view 1 shows whatever lies on top there.
    const QPoint inView1 = views[1]->geometry().center();
    QCOMPARE(form.childAt(inView1), views[top]);
    QCOMPARE(buttonF.text(), captionF);
    QCOMPARE(buttonG.text(), captionG);
    QLabel* titles[2] = {&titleF, &titleG};
    const QPoint starts[2] = {startF, startG};
    for (int i = 0; i < 2; ++i) {
        const bool enlarged = enlargers[i].Enlarged();
        QCOMPARE(enlarged, (i == 0 ? captionF : captionG).startsWith(QLatin1String("Reduzir")));
        QCOMPARE(views[7 + i]->isVisible(), enlarged);
        // Until first enlarged a title stands, shown, at its starting place
        // beyond the right edge; from then on above the views, shown or hidden.
        QCOMPARE(titles[i]->isVisible(), everShown[i] ? enlarged : true);
        QCOMPARE(titles[i]->pos(), everShown[i] ? QPoint(Twips(60), Twips(60)) : starts[i]);
    }
}

QTEST_MAIN(TestEnlarger)
#include "tst_Enlarger.moc"
