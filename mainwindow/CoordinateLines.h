#pragma once

#include <QString>
#include <array>

class DrawingWindow;

// The dotted abscissa and ordinate lines of one point of each drawn graph.
namespace CoordinateLines {

// One graph as the coordinate-line command sees it (f, g or the operation).
struct Graph {
    bool drawn;              // DesenhadoF/G/O
    bool abscissaLine;       // AbcissaF/G/O checked
    bool ordinateLine;       // OrdenadaF/G/O checked
    QString expression;      // FunçãoF, FunçãoG or Função
    DrawingWindow* normal;   // windows 1, 2, 3
    DrawingWindow* enlarged; // windows 7, 8, 9
};

// Evaluates abscissaText at x = 0 (once for every graph that needs it) and
// each wanted graph's expression there, with one expression object, then
// draws the lines dotted, width 1, in the windows' ink: all abscissa lines
// (f, g, operation) first, then all ordinate lines, each into the normal and
// then the enlarged view. The empty-abscissa test is the caller's.
//
// When the abscissa itself raises an error or has no value, nothing is
// drawn and its Failure propagates for the caller to show. A graph whose
// value raises an error or has no value gets no lines; the others do.
void Draw(const QString& abscissaText, const std::array<Graph, 3>& graphs);

} // namespace CoordinateLines
