#pragma once

#include <optional>

// The program's command line, read before the application object exists, so
// that "--help" and "--version" are answered without a display and a refused
// argument opens no window.
namespace CommandLine {

// With no argument, nothing: the program starts. "--help" or "--version"
// alone is answered on standard output with status 0 (1 when the answer could
// not be written); anything else is refused on standard error with status 2.
// What comes back is the status to end the program with.
std::optional<int> Answer(int argc, const char* const argv[]);

} // namespace CommandLine
