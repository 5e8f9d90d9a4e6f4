#include "photoelectric_jump.h"

#include <xraylib.h>

#include <cmath>

#include "xraylib_call.h"

namespace tubeline::tools {
namespace {

constexpr int kScanSteps = 400;
// What is left of a step narrowed down to neighbouring doubles when the table really jumps.
constexpr double kDiscontinuityLogChange = 1e-6;

}  // namespace

std::optional<PhotoelectricJump> PhotoelectricJumpNear(int atomicNumber, double nominalKeV) {
    const auto photo = [atomicNumber](double e) { return XraylibCall(CS_Photo, atomicNumber, e); };
    const auto logChange = [&photo](double from, double to) {
        return std::abs(std::log(photo(to) / photo(from)));
    };
    const double start = nominalKeV * (1 - kEdgeWindow);
    const double step = 2 * kEdgeWindow * nominalKeV / kScanSteps;
    double low = start;
    double high = start;
    double largest = -1;
    for (int i = 0; i < kScanSteps; ++i) {
        const double from = start + i * step;
        const double to = start + (i + 1) * step;
        if (const double change = logChange(from, to); change > largest) {
            largest = change;
            low = from;
            high = to;
        }
    }
    for (double middle = low + (high - low) / 2; middle > low && middle < high;
         middle = low + (high - low) / 2) {
        if (logChange(low, middle) > logChange(middle, high)) {
            high = middle;
        } else {
            low = middle;
        }
    }
    if (logChange(low, high) < kDiscontinuityLogChange) {
        return std::nullopt;
    }
    return PhotoelectricJump{low, high, photo(low), photo(high)};
}

}  // namespace tubeline::tools
