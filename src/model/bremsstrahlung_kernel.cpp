#include "bremsstrahlung_kernel.h"

#include <algorithm>
#include <cmath>

#include "electron_fluence.h"
#include "emission_shape.h"
#include "energy_grid.h"
#include "physics_constants.h"

namespace tubeline {
namespace {

constexpr double kTungstenAtomsPerCm3 = kAvogadroConstant * kTungstenDensity / kTungstenMolarMass;

// One point of the u integral: its trapezoid weight times n_W and the cross section, times the
// shape's moment of each order, and the fluence moments there (padded depths, by order).
struct IntegralPoint {
    std::array<double, kFluenceMomentCount> Factor;
    std::array<const double*, kFluenceMomentCount> Moments;
};

}  // namespace

BremsstrahlungKernel::BremsstrahlungKernel(const BremsstrahlungCrossSection& crossSection,
                                           const ElectronFluenceTable& fluence, double electronKeV)
    : fractions_(fluence.EnergyFractions),
      paddedDepths_((fluence.Depths.Steps.size() + kKernelDepthGroup - 1) / kKernelDepthGroup *
                    kKernelDepthGroup),
      top_(
          std::min(kEnergyBinCount, static_cast<int>(std::ceil(electronKeV / kEnergyStepKeV)) - 1)),
      electronKeV_(electronKeV) {
    std::vector<double> unpadded;
    FluenceMomentsAt(fluence, electronKeV, unpadded);
    const std::size_t depths = fluence.Depths.Steps.size();
    const std::size_t rows = kFluenceMomentCount * fractions_.size();
    moments_.assign(rows * paddedDepths_, 0);
    for (std::size_t row = 0; row < rows; ++row) {
        std::copy_n(unpadded.begin() + row * depths, depths,
                    moments_.begin() + row * paddedDepths_);
    }
    const std::size_t bins = static_cast<std::size_t>(top_) + 1;
    sections_.assign(fractions_.size() * bins, 0);
    for (std::size_t i = 0; i < fractions_.size(); ++i) {
        int reached = 0;
        while (reached < top_ && Fraction(reached + 1) <= fractions_[i]) {
            ++reached;
        }
        const double energy = fractions_[i] * electronKeV;
        crossSection.PerKeVOnGrid(energy,
                                  std::span<double>(sections_.data() + i * bins, reached + 1));
        shapes_.push_back(EmissionShapeMoments(energy));
    }
    values_.assign(bins * BinLength(), 0);
    for (int j = 1; j <= top_; ++j) {
        AddBin(crossSection, j);
    }
}

double BremsstrahlungKernel::Fraction(int j) const {
    return PhotonEnergyKeV(j) / electronKeV_;
}

const double* BremsstrahlungKernel::NodeMoments(int order, std::size_t node) const {
    return moments_.data() + (order * fractions_.size() + node) * paddedDepths_;
}

void BremsstrahlungKernel::AddBin(const BremsstrahlungCrossSection& crossSection, int j) {
    const double v = Fraction(j);
    const std::size_t first =
        std::lower_bound(fractions_.begin(), fractions_.end(), v) - fractions_.begin();
    const bool tip = first > 0 && fractions_[first] > v;
    const std::size_t last = fractions_.size() - 1;
    const std::size_t bins = static_cast<std::size_t>(top_) + 1;

    std::vector<IntegralPoint> points;
    points.reserve(last - first + 2);
    const auto add = [&points](double weight, double section,
                               const std::array<double, kFluenceMomentCount>& shape,
                               const auto& momentsOf) {
        IntegralPoint point;
        for (int l = 0; l < kFluenceMomentCount; ++l) {
            point.Factor[l] = kTungstenAtomsPerCm3 * weight * section * shape[l];
            point.Moments[l] = momentsOf(l);
        }
        points.push_back(point);
    };
    for (std::size_t i = first; i <= last; ++i) {
        const double below = i > first ? fractions_[i - 1] : (tip ? v : fractions_[i]);
        const double above = i < last ? fractions_[i + 1] : fractions_[i];
        add((above - below) / 2, sections_[i * bins + j], shapes_[i],
            [this, i](int l) { return NodeMoments(l, i); });
    }
    // The electrons at u = k / E0, which just reach the photon energy.
    std::vector<double> tipMoments;
    if (tip) {
        const double w = (v - fractions_[first - 1]) / (fractions_[first] - fractions_[first - 1]);
        tipMoments.resize(BinLength());
        for (int l = 0; l < kFluenceMomentCount; ++l) {
            const double* lower = NodeMoments(l, first - 1);
            const double* upper = NodeMoments(l, first);
            for (std::size_t x = 0; x < paddedDepths_; ++x) {
                tipMoments[l * paddedDepths_ + x] = (1 - w) * lower[x] + w * upper[x];
            }
        }
        const double photonKeV = PhotonEnergyKeV(j);
        add((fractions_[first] - v) / 2, crossSection.PerKeV(photonKeV, photonKeV),
            EmissionShapeMoments(photonKeV),
            [this, &tipMoments](int l) { return tipMoments.data() + l * paddedDepths_; });
    }

    // Sums over the points a group of depths at a time, in registers.
    double* bin = values_.data() + j * BinLength();
    for (int l = 0; l < kFluenceMomentCount; ++l) {
        for (std::size_t x0 = 0; x0 < paddedDepths_; x0 += kKernelDepthGroup) {
            std::array<double, kKernelDepthGroup> sum{};
            for (const IntegralPoint& point : points) {
                const double factor = point.Factor[l];
                const double* m = point.Moments[l] + x0;
                for (std::size_t x = 0; x < kKernelDepthGroup; ++x) {
                    sum[x] += factor * m[x];
                }
            }
            std::copy(sum.begin(), sum.end(), bin + l * paddedDepths_ + x0);
        }
    }
}

}  // namespace tubeline
