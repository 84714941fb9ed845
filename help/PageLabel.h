#pragma once

#include <QRect>
#include <QString>

struct HelpPage;
class QLabel;
class QWidget;

// One page of a help window: a picture control showing the page, drawn once
// for each scale its window takes, named as the page control is named, and
// carrying the page's text for screen readers, since the words are part of
// the picture.
QLabel* MakePageLabel(QWidget* parent, const QString& name, const HelpPage& page, QRect geometry,
                      int number, int count);
