#pragma once

#include <QString>

class DrawingWindow;

// The axes of one drawing window: the two black axes through the origin with
// their arrowheads, tick dots, numbers and names, with the abscissa graduated
// in units or in multiples of pi/2.
//
// The main window's axis procedures call these for each of their windows; the
// procedures own the graduation flags and the texts of the graduation buttons.
namespace AxisPainter {

// Axes of a normal or live view (scale -10..10, ticks -8..8), drawn at the
// window's current scale. Clears the window first. Leaves black ink, line
// width 1, font size 6, bold off.
void Normal(DrawingWindow& w, bool units);
// Axes of an enlarged view: sets the scale (-16,16)-(16,-16), clears the
// window and draws ticks -14..14. Leaves black ink, line width 3, font
// size 6, bold off.
void Enlarged(DrawingWindow& w, bool units);
// A tick's number as printing a number writes it: the minus sign, or a
// blank in its place (" 3", "-3").
QString NumberLabel(int n);

} // namespace AxisPainter
