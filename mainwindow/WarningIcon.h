#pragma once

#include <QIcon>

// The sign at the end of an expression box that has something to say about
// its text, drawn here rather than loaded: a yellow triangle with a black
// exclamation mark.
QIcon WarningIcon();
