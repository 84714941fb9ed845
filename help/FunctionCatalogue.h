#pragma once

#include "help/HelpExample.h"
#include "help/MiniGraph.h"

#include <vector>

// One row of the catalogue of defined functions: a function with its call
// tokens (the name as typed, followed by "("), what it computes, where it has
// no value, typed examples and the graph drawn beside it.
struct FunctionEntry {
    const char* name;       // Portuguese name of the function
    const char* portuguese; // call token in Portuguese, e.g. "sen("
    const char* english;    // the English spelling, or nullptr when it is the same
    const char* arguments;  // as written after the name: "x" or "x, b"
    const char* computes;   // rich text (HTML), UTF-8
    const char* undefined;  // rich text (HTML), UTF-8
    std::vector<HelpExample> examples;
    GraphSpec graph;
};

// The functions of one kind, as the catalogue groups them; two functions go on
// each page of the group.
struct FunctionGroup {
    const char* title;
    const char* introduction; // rich text shown on the group's first page
    std::vector<FunctionEntry> entries;
};

std::vector<FunctionGroup> ElementaryFunctions();
std::vector<FunctionGroup> TrigonometricFunctions(); // direct and inverse
std::vector<FunctionGroup> HyperbolicFunctions();    // direct and inverse
std::vector<FunctionGroup> RandomFunctions();

// Every group, in the order of the pages.
const std::vector<FunctionGroup>& FunctionCatalogue();
