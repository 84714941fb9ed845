#include "mainwindow/CoordinateLines.h"

#include "drawing/DrawingWindow.h"
#include "expression/clsEquation.h"
#include "mainwindow/Composition.h"
#include "mainwindow/Failure.h"

namespace {

struct Point {
    bool valid = false; // the graph wants lines and both values exist
    double a = 0;
    double y = 0;
};

// A line in width 1 whatever width the window was left with (the enlarged
// views keep the width 3 of their axes); the window gets its width back.
void ThinLine(DrawingWindow* window, double x1, double y1, double x2, double y2) {
    if (window == nullptr)
        return;
    const int width = window->DrawWidth();
    window->SetDrawWidth(1);
    window->Line(x1, y1, x2, y2);
    window->SetDrawWidth(width);
}

void SetStyle(const std::array<CoordinateLines::Graph, 3>& graphs, DrawingWindow::Style style) {
    for (const auto& graph : graphs)
        if (graph.normal != nullptr)
            graph.normal->SetDrawStyle(style);
    for (const auto& graph : graphs)
        if (graph.enlarged != nullptr)
            graph.enlarged->SetDrawStyle(style);
}

} // namespace

void CoordinateLines::Draw(const QString& abscissaText, const std::array<Graph, 3>& graphs) {
    std::array<Point, 3> points;
    {
        clsEquation equation;
        for (std::size_t k = 0; k < graphs.size(); ++k) {
            const Graph& graph = graphs[k];
            if (!graph.drawn || !(graph.abscissaLine || graph.ordinateLine))
                continue;
            // The abscissa is an expression of its own, evaluated for every
            // graph that needs it (rnd gives each its own value). Its failure
            // is the user's typing and stops the whole command.
            points[k].a = Composition::ValueAt(equation, abscissaText, 0.0);
            // A graph without a value there simply has no point to mark.
            try {
                points[k].y = Composition::ValueAt(equation, graph.expression, points[k].a);
                points[k].valid = true;
            } catch (const Failure&) {
            }
        }
    }

    SetStyle(graphs, DrawingWindow::Style::Dot);
    for (std::size_t k = 0; k < graphs.size(); ++k) {
        if (points[k].valid && graphs[k].abscissaLine) {
            const Point& p = points[k];
            ThinLine(graphs[k].normal, p.a, 0, p.a, p.y);
            ThinLine(graphs[k].enlarged, p.a, 0, p.a, p.y);
        }
    }
    for (std::size_t k = 0; k < graphs.size(); ++k) {
        if (points[k].valid && graphs[k].ordinateLine) {
            const Point& p = points[k];
            ThinLine(graphs[k].normal, 0, p.y, p.a, p.y);
            ThinLine(graphs[k].enlarged, 0, p.y, p.a, p.y);
        }
    }
    SetStyle(graphs, DrawingWindow::Style::Solid);
}
