#pragma once

#include <QRadioButton>

// An option button of the main window. The toolkit's own button reacts only
// on its indicator and on the letters of its caption, so a click a few pixels
// above or beside a short caption such as "f^a" did nothing; this one reacts
// anywhere on the button, which is sized to its caption.
class Form1OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};
