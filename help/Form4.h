#pragma once

#include "help/PagedHelpWindow.h"

// "SINTAXE": the syntax of expressions and numeric values.
class Form4 : public PagedHelpWindow {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

    // Outer window size, in twips.
    static constexpr int kWidthTwips = 7350;
    static constexpr int kHeightTwips = 11310;
};
