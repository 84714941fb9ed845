#pragma once

#include <QIcon>

// The pictures of the page-turning buttons, drawn here rather than loaded: a
// filled arrow pointing left or right, and a greyed outline of it for the
// disabled button.
enum class ArrowDirection { Left, Right };

QIcon ArrowIcon(ArrowDirection direction, int size);
