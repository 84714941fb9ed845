#include "help/Form4.h"

#include "help/SyntaxPages.h"

Form4::Form4(QWidget* parent)
    : PagedHelpWindow(QStringLiteral("Form4"), QStringLiteral("SINTAXE"), kWidthTwips, kHeightTwips,
                      SyntaxHelpPages(), parent) {}
