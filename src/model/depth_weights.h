#pragma once

#include <span>
#include <vector>

#include "tungsten_target_file.h"

namespace tubeline {

// Integrates a profile given at the depths of a grid, linear between them, times the
// transmission exp(-a x) of the photons' way out, exactly: the weights w_m with
//   sum over m of w_m f_m = integral of f(x) exp(-a x) dx        (x in depth fractions).
// The exponentials at the depths follow from one exp(-a step) by multiplication, the grid's
// depths being whole numbers of steps.
class DepthWeights {
  public:
    // A grid of at most kMostDepthSpacings spacings, as the target tables' reader ensures.
    explicit DepthWeights(const DepthGrid& grid);

    // attenuation: a, per unit depth fraction, >= 0. weights: at least one per depth of the
    // grid; any beyond are set to 0.
    void Compute(double attenuation, std::span<double> weights) const;

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
