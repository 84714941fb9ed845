#include "help/Form5.h"

#include "help/FunctionPages.h"

Form5::Form5(QWidget* parent)
    : PagedHelpWindow(QStringLiteral("Form5"), QStringLiteral("FUNÇÕES DEFINIDAS"), kWidthTwips,
                      kHeightTwips, FunctionPages(), parent) {}
