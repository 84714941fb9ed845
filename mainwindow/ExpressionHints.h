#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QAction;
class QLineEdit;
class QToolButton;

// The warning sign at the end of an expression box: shown while the box's
// text has hints (what the language skips or drops, see Diagnose), with the
// hints in its tooltip. It never changes the text nor what is plotted.
//
// The hints that depend on the text alone follow the typing, a moment after
// it, so that a keystroke never waits for them; the plot adds whether it
// found any value, which holds until the text changes.
class ExpressionHints : public QObject {
    Q_OBJECT
public:
    explicit ExpressionHints(QLineEdit* box);

    // After the box's text was plotted: whether any abscissa gave a value.
    void Plotted(bool anyValue);

    QAction* Action() const { return action_; }

private:
    void TextChanged();
    void Update();

    QLineEdit* box_;
    QAction* action_;
    QToolButton* button_ = nullptr;
    QTimer timer_;
    // The text whose plot found no value at all.
    QString noValueText_;
};
