#pragma once

// The offscreen screens of tests/screens.json as rows of a test table, and
// a window put on one of them before it is shown.

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

// A "screen" column and one row for each screen. The platform orders them by
// name, the first being the primary screen: the names begin with a number.
inline void ScreenRows() {
    QTest::addColumn<QString>("screen");
    for (const QScreen* s : QGuiApplication::screens())
        QTest::newRow(qPrintable(s->name())) << s->name();
}

inline QScreen* ScreenNamed(const QString& name) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->name() == name)
            return s;
    return QGuiApplication::primaryScreen();
}
