#pragma once

#include "help/HelpExample.h"
#include "help/HelpPage.h"

#include <vector>

// A page of the instructions or the syntax: a title and blocks of text, each
// block with the typed examples it shows.
struct PageBlock {
    const char* heading; // nullptr: the block continues the one before
    const char* text;    // rich text (HTML), UTF-8
    std::vector<HelpExample> examples;
};

struct TextPage {
    const char* title;
    std::vector<PageBlock> blocks;
};

HelpPage TextPageHtml(const TextPage& page);
std::vector<HelpPage> TextHelpPages(const std::vector<TextPage>& pages);
