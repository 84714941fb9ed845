#pragma once

#include "help/PagedHelpWindow.h"

// "FUNÇÕES DEFINIDAS": the catalogue of the functions an expression may call.
class Form5 : public PagedHelpWindow {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    // Outer window size, in twips.
    static constexpr int kWidthTwips = 7245;
    static constexpr int kHeightTwips = 10965;
};
