#pragma once

#include "help/FunctionCatalogue.h"
#include "help/HelpPage.h"

// The pages of "FUNÇÕES DEFINIDAS": an opening page on how functions are
// called, then the catalogue, two functions to a page, each with its graph.
std::vector<HelpPage> FunctionPages();

// The examples of the opening page (the catalogue's own are in its entries).
const std::vector<HelpExample>& FunctionIntroductionExamples();
