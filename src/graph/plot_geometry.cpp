#include "plot_geometry.h"

#include <array>

namespace tubeline {

int AngleCurveColour(int angleIndex) {
    static constexpr std::array<int, 12> kColours = {0, 6, 3, 11, 5, 13, 12, 10, 2, 9, 1, 0};
    return kColours.at(static_cast<std::size_t>(angleIndex));
}

}  // namespace tubeline
