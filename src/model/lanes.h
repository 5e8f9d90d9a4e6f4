#pragma once

#include <cstddef>
#include <cstring>
#include <new>

namespace tubeline {

// Count doubles handled as one value: element-wise IEEE arithmetic on one of the target's vector
// registers (a GCC vector extension, which GCC and Clang offer on every target); one lane is a
// plain double. Each lane gets exactly the operations it would get on its own, so the results
// do not depend on the lane count or the instruction set.
#if !defined(__GNUC__)
#error "tubeline::Lanes needs the GCC vector extension (GCC or Clang)"
#endif
template <int Count>
struct LanesOf {
    // GCC 12 ignores vector_size on a dependent alias declaration, but not on a typedef.
    typedef double Type __attribute__((vector_size(Count * sizeof(double))));
};
template <>
struct LanesOf<1> {
    using Type = double;
};
template <int Count>
using Lanes = typename LanesOf<Count>::Type;
static_assert(sizeof(Lanes<4>) == 4 * sizeof(double));

// The widest lanes of any target (AVX-512). Arrays that are run through lanes hold whole groups
// of it, so that every narrower lane count divides them too.
inline constexpr int kWidestLaneCount = 8;

// The length of an array that holds indices 0 .. count - 1 in whole groups of the widest lanes.
constexpr int PaddedToWidestLanes(int count) {
    return (count + kWidestLaneCount - 1) / kWidestLaneCount * kWidestLaneCount;
}

// Allocates arrays on boundaries of the widest lanes, so that no load of lanes from them
// straddles two cache lines (which made the AVX-512 loop a quarter slower).
template <class T>
struct WidestLanesAllocator {
    static constexpr std::align_val_t kAlignment{kWidestLaneCount * sizeof(double)};
    using value_type = T;

    WidestLanesAllocator() = default;
    template <class U>
    explicit WidestLanesAllocator(const WidestLanesAllocator<U>&) {}

    T* allocate(std::size_t count) {
        return static_cast<T*>(::operator new(count * sizeof(T), kAlignment));
    }
    void deallocate(T* values, std::size_t) { ::operator delete(values, kAlignment); }
    bool operator==(const WidestLanesAllocator&) const = default;
};

// Copies between lanes and as many consecutive doubles: one vector load or store. The lanes are
// not returned by value: a function compiled for wider registers than the build's baseline
// would pass them by another convention.
template <class Group>
[[gnu::always_inline]] inline void LoadLanes(const double* values, Group& lanes) {
    std::memcpy(&lanes, values, sizeof lanes);
}

template <class Group>
[[gnu::always_inline]] inline void StoreLanes(const Group& lanes, double* values) {
    std::memcpy(values, &lanes, sizeof lanes);
}

}  // namespace tubeline
