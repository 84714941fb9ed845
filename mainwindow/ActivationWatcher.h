#pragma once

#include <QObject>

class QWidget;
class QWindow;

// Tells when a top-level window becomes the active window of the program in
// the sense its activation handler wants: when it is first shown, and each
// time the focus comes to it from another window of this program (the start
// window, a help window). Coming back from the window's own dialogs (message
// boxes, colour dialogs: any window whose parent chain leads to it) or from
// another application is not an activation.
//
// Windows are classified when they receive the focus, not when they lose it,
// because a message box is often already destroyed when the focus comes back.
class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    explicit ActivationWatcher(QWidget* window);

    // To be called from the window's showEvent.
    void Shown();
    // Connected to the application's focus-window change; now is null while
    // another application has the focus.
    void FocusWindowChanged(QWindow* now);

signals:
    void Activated();

private:
    enum class Kind { None, Self, OwnDialog, Other };

    Kind Classify(QWindow* w) const;

    QWidget* window_;
    Kind last_ = Kind::None;
    bool shownOnce_ = false;
    // The first showing already ran the activation; the focus that follows it
    // is the same activation, not a second one.
    bool skipNextFocus_ = false;
};
