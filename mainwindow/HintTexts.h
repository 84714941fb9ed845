#pragma once

#include "expression/Diagnosis.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The hints about an expression text in words, one line each: the
// characters concerned, quoted as typed, and the usual way to write what
// was meant. `utf8` is the text the hints' byte spans refer to. The hint
// that a plot found no value names the plot's range.
QString HintLine(const quivela::expression::Hint& hint, const QByteArray& utf8);

// All the lines, at most a screenful of them.
QString HintLines(const std::vector<quivela::expression::Hint>& hints, const QByteArray& utf8);
