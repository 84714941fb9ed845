#include "expression/VectorState.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

// Compiled for AVX on its own, so that the rest of the engine keeps the
// baseline instruction set and runs on any x86 processor.
__attribute__((target("avx"))) void ZeroUpper() noexcept {
    _mm256_zeroupper();
}

bool HasAvx() noexcept {
    static const bool has = __builtin_cpu_supports("avx");
    return has;
}

} // namespace

void quivela::expression::ClearUpperVectorState() noexcept {
    if (HasAvx())
        ZeroUpper();
}

#else

void quivela::expression::ClearUpperVectorState() noexcept {}

#endif
