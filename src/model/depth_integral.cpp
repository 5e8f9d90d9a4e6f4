#include "depth_integral.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace tubeline {
namespace {

// Below this exponent over an interval, the integrals follow from their series, where the closed
// forms would lose digits to cancellation.
constexpr double kSeriesBelowExponent = 1e-3;

// q^n by squaring.
double Power(double q, int n) {
    double result = 1;
    for (; n > 0; n /= 2, q *= q) {
        if (n % 2 == 1) {
            result *= q;
        }
    }
    return result;
}

}  // namespace

DepthIntegral::DepthIntegral(const DepthGrid& grid)
    : stepFraction_(grid.StepFraction), size_(grid.Steps.size()) {
    for (std::size_t m = 1; m < grid.Steps.size(); ++m) {
        const int gap = grid.Steps[m] - grid.Steps[m - 1];
        auto found = std::find(spacings_.begin(), spacings_.end(), gap);
        if (found == spacings_.end()) {
            if (spacings_.size() == kMostDepthSpacings) {
                throw std::invalid_argument("a depth grid of too many spacings");
            }
            found = spacings_.insert(spacings_.end(), gap);
        }
        const int spacing = static_cast<int>(found - spacings_.begin());
        if (runs_.empty() || runs_.back().Spacing != spacing) {
            runs_.push_back({spacing, 0});
        }
        ++runs_.back().Intervals;
    }
}

double DepthIntegral::Of(double attenuation, std::span<const double> profile) const {
    // Over an interval of width h with y = a h and the transmission t at its start:
    //   integral = h t (f_start (I0 - I1) + f_end I1),
    //   I0 = integral of exp(-y s) ds over [0, 1],  I1 = the same of s exp(-y s).
    struct Spacing {
        double Transmission, Start, End;
    };
    std::array<Spacing, kMostDepthSpacings> spacings;
    const double stepTransmission = std::exp(-attenuation * stepFraction_);
    const double perStepExponent = attenuation * stepFraction_;
    const double perStepReciprocal = perStepExponent > 0 ? 1 / perStepExponent : 0;
    for (std::size_t s = 0; s < spacings_.size(); ++s) {
        const double width = spacings_[s] * stepFraction_;
        const double y = perStepExponent * spacings_[s];
        const double e = Power(stepTransmission, spacings_[s]);
        double i0, i1;
        if (y < kSeriesBelowExponent) {
            i0 = 1 - y / 2 + y * y / 6;
            i1 = 0.5 - y / 3 + y * y / 8;
        } else {
            const double reciprocal = perStepReciprocal / spacings_[s];
            i0 = (1 - e) * reciprocal;
            i1 = (1 - e * (1 + y)) * reciprocal * reciprocal;
        }
        spacings[s] = {e, width * (i0 - i1), width * i1};
    }
    // Two chains of intervals, every other one each, so that neither waits on the other's
    // products.
    double integral = 0;
    double transmission = 1;
    std::size_t m = 0;
    for (const Run& run : runs_) {
        const Spacing& spacing = spacings[run.Spacing];
        const double twoIntervals = spacing.Transmission * spacing.Transmission;
        double even = transmission, odd = transmission * spacing.Transmission;
        double evenSum = 0, oddSum = 0;
        int n = 0;
        for (; n + 1 < run.Intervals; n += 2, m += 2) {
            evenSum += even * (spacing.Start * profile[m] + spacing.End * profile[m + 1]);
            oddSum += odd * (spacing.Start * profile[m + 1] + spacing.End * profile[m + 2]);
            even *= twoIntervals;
            odd *= twoIntervals;
        }
        if (n < run.Intervals) {
            evenSum += even * (spacing.Start * profile[m] + spacing.End * profile[m + 1]);
            ++m;
            transmission = odd;
        } else {
            transmission = even;
        }
        integral += evenSum + oddSum;
    }
    return integral;
}

}  // namespace tubeline
