#include "mainwindow/ActivationWatcher.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

ActivationWatcher::ActivationWatcher(QWidget* window) : QObject(window), window_(window) {
    last_ = Classify(QGuiApplication::focusWindow());
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationWatcher::FocusWindowChanged);
}

void ActivationWatcher::Shown() {
    if (shownOnce_)
        return;
    shownOnce_ = true;
    skipNextFocus_ = true;
    emit Activated();
}

void ActivationWatcher::FocusWindowChanged(QWindow* now) {
    // No focus window: another application has the focus (or the focus is
    // between two of our windows). Returning from there is judged by the
    // last window of ours that had the focus.
    if (now == nullptr)
        return;
    const Kind kind = Classify(now);
    if (kind == Kind::Self) {
        const bool skip = skipNextFocus_;
        skipNextFocus_ = false;
        if (!skip && shownOnce_ && last_ == Kind::Other)
            emit Activated();
    } else {
        skipNextFocus_ = false;
    }
    last_ = kind;
}

ActivationWatcher::Kind ActivationWatcher::Classify(QWindow* w) const {
    if (w == nullptr)
        return Kind::None;
    QWidget* widget = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() == w) {
            widget = top;
            break;
        }
    }
    if (widget == window_)
        return Kind::Self;
    for (QWidget* p = widget ? widget->parentWidget() : nullptr; p != nullptr;
         p = p->parentWidget()) {
        if (p == window_)
            return Kind::OwnDialog;
    }
    return Kind::Other;
}
