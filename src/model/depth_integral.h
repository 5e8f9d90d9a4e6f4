#pragma once

#include <span>
#include <vector>

#include "tungsten_target_file.h"

namespace tubeline {

// Integrates a profile given at the depths of a grid, linear between them, times the
// transmission exp(-a x) of the photons' way out, exactly:
//   integral of f(x) exp(-a x) dx        (x in depth fractions, over the grid).
// The exponentials at the depths follow from one exp(-a step) by multiplication, the grid's
// depths being whole numbers of steps.
class DepthIntegral {
  public:
    // A grid of at most kMostDepthSpacings spacings, as the target tables' reader ensures.
    explicit DepthIntegral(const DepthGrid& grid);

    // attenuation: a, per unit depth fraction, >= 0; profile: f at the grid's depths (values
    // beyond them are not read).
    double Of(double attenuation, std::span<const double> profile) const;

    std::size_t Size() const { return size_; }

  private:
    // Consecutive intervals of one spacing.
    struct Run {
        int Spacing;  // index into spacings_
        int Intervals;
    };

    double stepFraction_;
    std::size_t size_;
    std::vector<int> spacings_;  // the distinct spacings of the grid, in steps
    std::vector<Run> runs_;
};

}  // namespace tubeline
