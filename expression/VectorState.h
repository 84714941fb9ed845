#pragma once

namespace quivela::expression {

// Clears the upper halves of the vector registers when the processor has
// them (AVX). A caller that has just run wide vector code, a graphics toolkit
// for instance, can leave them marked dirty; on some processors every
// following SSE instruction, and so every call into the maths library, then
// pays a transition penalty until they are cleared. Cheap: one instruction
// and one branch, inline.
namespace vectorstate {
extern const bool kHasAvx;
void ZeroUpper() noexcept;
} // namespace vectorstate
inline void ClearUpperVectorState() noexcept {
    if (vectorstate::kHasAvx)
        vectorstate::ZeroUpper();
}

} // namespace quivela::expression
