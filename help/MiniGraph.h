#pragma once

#include <QImage>
#include <QSize>

// The small graph beside a function on the defined-functions pages: the
// function's expression evaluated by the program's own engine and drawn in the
// style of the main window's drawing windows (black axes with arrowheads,
// numbered ticks, a blue curve).
struct GraphSpec {
    const char* expression; // in x, as a user would type it
    double xMin, xMax, yMin, yMax;
    double xTick, yTick; // spacing of the numbered ticks
    bool scatter;        // random functions: a cloud of dots rather than a curve
};

// A graph of `size` pixels at the design, drawn for a window at `scale`: its
// pixels are that many fewer, and it keeps its size in a page's layout.
QImage DrawMiniGraph(const GraphSpec& graph, QSize size, double scale = 1.0);
