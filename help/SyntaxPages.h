#pragma once

#include "help/TextPage.h"

// The four pages of "SINTAXE": how expressions and numeric values are
// written, with typed examples and what they give.
const std::vector<TextPage>& SyntaxPages();
std::vector<HelpPage> SyntaxHelpPages();
