#pragma once

#include "expression/Diagnosis.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The hints about an expression text in words, one line each: the
// characters concerned, quoted as typed, and the usual way to write what
// was meant. `utf8` is the text the hints' byte spans refer to; `from` and
// `to` the abscissae of a plot, for the hint that it found no value.
QString HintLine(const Hint& hint, const QByteArray& utf8, double from, double to);

// All the lines, at most a screenful of them.
QString HintLines(const std::vector<Hint>& hints, const QByteArray& utf8, double from, double to);
