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
    static constexpr int kCount = 6;

    // The dialogs become children of window, named CommonDialog1 to
    // CommonDialog6, hidden until chosen from.
    explicit ColourStore(QWidget* window);

    // The colours of graph g (0 f, 1 g, 2 the operation): the background of
    // its views, held by dialog g + 1, and its curve, held by dialog g + 4.
    QColor Background(int g) const { return Colour(g + 1); }
    QColor Curve(int g) const { return Colour(g + 4); }
    bool ChooseBackground(int g) { return Choose(g + 1); }
    bool ChooseCurve(int g) { return Choose(g + 4); }

    // The colour held by dialog n (1 to 6); an invalid colour for other n.
    QColor Colour(int n) const;
    void SetColour(int n, QColor colour);
    // Opens dialog n modally on the colour it holds. OK keeps the colour
    // chosen and returns true; Cancel leaves the held colour as it was and
    // returns false.
    bool Choose(int n);
    QColorDialog* Dialog(int n) const;

private:
    static bool Valid(int n) { return n >= 1 && n <= kCount; }

    QPointer<QColorDialog> dialogs_[kCount];
    QColor colours_[kCount];
};
