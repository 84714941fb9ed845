#pragma once

#include <QColor>
#include <QColorDialog>
#include <QObject>
#include <QPointer>

class QWidget;

// The main window's six colour dialogs, which also hold the colours in force:
// 1 to 3 the backgrounds of the f, g and operation views, 4 to 6 the colours
// of their curves.
class ColourStore : public QObject {
    Q_OBJECT
public:
    static constexpr int Count = 6;

    // The dialogs become children of window, named CommonDialog1 to
    // CommonDialog6, hidden until chosen from.
    explicit ColourStore(QWidget* window);

    // The colour held by dialog n (1 to 6); an invalid colour for other n.
    QColor Colour(int n) const;
    void SetColour(int n, QColor colour);
    // Opens dialog n modally on the colour it holds. OK keeps the colour
    // chosen and returns true; Cancel leaves the held colour as it was and
    // returns false.
    bool Choose(int n);
    QColorDialog* Dialog(int n) const;

private:
    static bool Valid(int n) { return n >= 1 && n <= Count; }

    QPointer<QColorDialog> dialogs_[Count];
    QColor colours_[Count];
};
