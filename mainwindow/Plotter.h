#pragma once

#include "expression/Diagnosis.h"

#include <QColor>
#include <span>
#include <string>
#include <vector>

class DrawingWindow;
class clsEquation;

// The sampling loop shared by the plots of f, g and the operation.
//
// x runs from -14 while x <= 14 by repeated addition of 0.001 in double
// precision (28,001 samples; the accumulated rounding is part of the
// contract, so the samples are not computed as -14 + n * 0.001). A sample
// whose evaluation is left undefined (a square root or logarithm of a
// negative number, say) is not plotted.
namespace Plotter {

struct Views {
    DrawingWindow* normal;   // persistent, bound 8
    DrawingWindow* live;     // shown during the plot, bound 8
    DrawingWindow* enlarged; // persistent, bound 14
};

inline constexpr double kStart = quivela::expression::kPlotStart;
inline constexpr double kEnd = quivela::expression::kPlotEnd;
inline constexpr double kStep = 0.001;
inline constexpr double kNormalBound = 8.0;
inline constexpr double kEnlargedBound = 14.0;

// The abscissae of a plot, in order: kStart, then each the previous one
// plus kStep while it is not beyond kEnd. A whole range at once, so that an
// evaluation of many values in one call can be given them.
const std::vector<double>& Abscissae();

// Most samples evaluated in one call of the engine during a plot.
inline constexpr std::size_t kMostPerChunk = 1024;

// Gives text to the expression object and plots every sample in colour.
// An error of the engine stops the loop where it is raised and propagates
// as a Failure; the points already set stay. Returns whether any sample had
// a value.
//
// The curve is evaluated in chunks of samples, and each chunk's points are
// set before the next chunk is evaluated, so that the live view shows a slow
// curve growing from left to right. chunk 0 sizes the chunks as the plot
// goes: kMostPerChunk samples, fewer when they are slow. Any other value is
// the size of every chunk (but the last). The pictures and the sample an
// error stops at do not depend on the chunks.
bool Plot(clsEquation& equation, const std::string& text, const Views& views, QColor colour,
          std::size_t chunk = 0);

// The samples' points: into the normal and then the live view when
// -8 < x < 8 and -8 < y < 8, into the enlarged view when -14 < x < 14
// and -14 < y < 14; all bounds strict. A sample marked undefined is left
// out (undefined may be null: none is). Kept apart from the evaluation so
// that any loop over computed values can call it just the same.
void PutSamples(const Views& views, QColor colour, std::span<const double> xs,
                std::span<const double> ys, const bool* undefined);

} // namespace Plotter
