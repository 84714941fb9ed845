#include "drawing/ReturnClicks.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

// Watches the window's push buttons, and the help's arrows, picture buttons
// doing a push button's job: a key press goes to the widget with the focus.
class ReturnClicker : public QObject {
public:
    explicit ReturnClicker(QWidget* window) : QObject(window) {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            auto* push = qobject_cast<QPushButton*>(button);
            // A dialog's buttons already take Return for themselves.
            if (button->window() == window &&
                ((push && !push->autoDefault() && !push->isDefault()) ||
                 qobject_cast<QToolButton*>(button)))
                button->installEventFilter(this);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            const bool plain =
                !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
            auto* button = static_cast<QAbstractButton*>(watched);
            if (enter && plain && button->isEnabled()) {
                button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void ClickButtonsOnReturn(QWidget* window) {
    new ReturnClicker(window);
}
