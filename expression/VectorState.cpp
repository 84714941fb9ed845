#include "expression/VectorState.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace quivela::expression::vectorstate {

// Set while the program starts; read before that (by another static
// initialiser) it is false and nothing is cleared, which is harmless.
const bool kHasAvx = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}();

// Compiled for AVX on its own, so that the rest of the engine keeps the
// baseline instruction set and runs on any x86 processor.
__attribute__((target("avx"))) void ZeroUpper() noexcept {
    _mm256_zeroupper();
}

} // namespace quivela::expression::vectorstate

#else

namespace quivela::expression::vectorstate {
const bool kHasAvx = false;
void ZeroUpper() noexcept {}
} // namespace quivela::expression::vectorstate

#endif
