#pragma once

#include "help/TextPage.h"

// The two pages of "INSTRUÇÕES": how to use the main window.
const std::vector<TextPage>& InstructionsPages();
std::vector<HelpPage> InstructionsHelpPages();
