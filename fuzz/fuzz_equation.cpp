// libFuzzer entry point: arbitrary bytes become an expression text and variable
// names (see EquationInvariants.h); any broken promise aborts with a message,
// which libFuzzer records as a crash together with the input.
#include "fuzz/EquationInvariants.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string broken =
        CheckEquationInvariants(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!broken.empty()) {
        std::fputs("clsEquation broke a promise: ", stderr);
        std::fputs(broken.c_str(), stderr);
        std::fputs("\n", stderr);
        std::abort();
    }
    return 0;
}
