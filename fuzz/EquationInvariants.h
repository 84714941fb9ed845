#pragma once

#include <string>
#include <string_view>

// The promises clsEquation makes to every caller, whatever the user types,
// checked through the public interface only. Used by the libFuzzer target and
// by the ordinary test suite, which replays the seed corpus and every input the
// fuzzer ever found through it.
//
// The hints the "Aviso" sign shows are built for the expression text too:
// nothing may escape them and every span must lie inside the text.
//
// The input is split at '\n': the first line is the expression text, every
// further line is the name of a variable that gets a value before solving. The
// expression is solved at x = 0, -1, 1, 1e308 and -1e308.
//
// Returns an empty string when every promise holds, otherwise a description
// of the first one broken.
std::string CheckEquationInvariants(std::string_view input);

// True when the expression may call the random generator, so that two solves
// of the same text need not agree. Looks at the ASCII letters only, because
// every other character is skipped by the parser without ending a name.
bool MayUseRandom(std::string_view text);
