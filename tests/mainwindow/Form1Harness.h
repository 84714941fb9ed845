#pragma once

// Helpers shared by the main-window tests: the window opened as the start
// window opens it, its controls by design name, what a drawing window shows
// at a user point, and answers to the modal boxes a click brings up.

#include "TestScreens.h"
#include "drawing/DrawingWindow.h"
#include "drawing/Pixels.h"
#include "mainwindow/Form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>

// The colours of the curves at start: f and g blue, the operation red.
inline const QColor Blue(0, 0, 255), Red(255, 0, 0);

template <typename T> T* Control(QWidget* form, const char* name) {
    T* w = form->findChild<T*>(QString::fromUtf8(name));
    if (w == nullptr)
        qFatal("no control %s", name);
    return w;
}

// A main window shown and active, its axes drawn by the activation, on the
// first screen of the test configuration unless another is named.
inline std::unique_ptr<Form1> OpenForm1(const QString& screen = QString()) {
    auto form = std::make_unique<Form1>();
    form->move(ScreenNamed(screen)->availableGeometry().topLeft());
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("main window did not become active");
    return form;
}

inline void Click(QWidget* form, const char* name) {
    QTest::mouseClick(Control<QAbstractButton>(form, name), Qt::LeftButton);
}

inline void SetText(QWidget* form, const char* name, const QString& text) {
    auto* box = Control<QLineEdit>(form, name);
    box->clear();
    QTest::keyClicks(box, text);
}

// The colour shown at a user point of a drawing window, or any of the
// colours within radius pixels of it.
inline bool ShowsNear(const DrawingWindow& w, double x, double y, QColor colour, int radius = 1) {
    const QImage im = w.Image();
    const qreal r = im.devicePixelRatio();
    const QPointF p = w.ToWidget(x, y) * r;
    const int cx = int(std::floor(p.x())), cy = int(std::floor(p.y()));
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (im.rect().contains(cx + dx, cy + dy) &&
                QColor(im.pixel(cx + dx, cy + dy)) == colour)
                return true;
    return false;
}

inline int CountColour(const DrawingWindow& w, QColor colour) {
    return CountColour(w.Image(), colour);
}

// What a modal box showed before it was answered.
struct ModalSeen {
    bool shown = false;
    QString className, title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Runs action; the first modal widget that comes up meanwhile is recorded and
// handed to answer (by default: OK on a message box, Cancel elsewhere).
inline ModalSeen WithModal(const std::function<void()>& action,
                           std::function<void(QWidget*)> answer = {}) {
    ModalSeen seen;
    QTimer poll;
    poll.setInterval(5);
    int waits = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || seen.shown)
            return;
        // Answered once it has the focus, as a user would.
        if (!modal->isActiveWindow() && ++waits < 100)
            return;
        seen.shown = true;
        seen.className = QString::fromLatin1(modal->metaObject()->className());
        seen.title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.text = box->text();
            seen.icon = box->icon();
        }
        poll.stop();
        if (answer)
            answer(modal);
        else if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::Ok)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

// An answer for a colour dialog: pick colour and press OK.
inline std::function<void(QWidget*)> PickColour(QColor colour) {
    return [colour](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        if (dialog == nullptr)
            qFatal("expected a colour dialog");
        dialog->setCurrentColor(colour);
        dialog->accept();
    };
}
