#pragma once

namespace tubeline {

// Eight doubles handled as one value: element-wise IEEE arithmetic that the compiler maps onto
// whatever vector registers the target has (a GCC vector extension, which GCC and Clang offer
// on every target: SSE2 to AVX-512 on x86-64, NEON on 64-bit ARM). Each lane gets exactly the
// operations it would get on its own, so the results do not depend on the instruction set.
#if !defined(__GNUC__)
#error "tubeline::Lanes needs the GCC vector extension (GCC or Clang)"
#endif
inline constexpr int kLaneCount = 8;
using Lanes = double __attribute__((vector_size(kLaneCount * sizeof(double))));

// Groups of lanes needed to hold indices 0 .. count - 1.
constexpr int LaneGroupsFor(int count) {
    return (count + kLaneCount - 1) / kLaneCount;
}

}  // namespace tubeline
