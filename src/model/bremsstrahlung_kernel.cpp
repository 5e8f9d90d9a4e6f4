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
    coefficients_.assign(kFluenceMomentCount * fractions_.size(), 0);
    tipMoments_.assign(BinLength(), 0);
    for (int j = 1; j <= top_; ++j) {
        AddBin(crossSection, j);
    }
}

double BremsstrahlungKernel::Fraction(int j) const {
    return PhotonEnergyKeV(j) / electronKeV_;
}

const float* BremsstrahlungKernel::NodeMoments(int order, std::size_t node) const {
    return moments_.data() + (order * fractions_.size() + node) * paddedDepths_;
}

void BremsstrahlungKernel::AddBin(const BremsstrahlungCrossSection& crossSection, int j) {
    const double v = Fraction(j);
    const std::size_t first =
        std::lower_bound(fractions_.begin(), fractions_.end(), v) - fractions_.begin();
    const bool tip = first > 0 && fractions_[first] > v;
    const std::size_t nodes = fractions_.size();
    const std::size_t last = nodes - 1;
    const std::size_t bins = static_cast<std::size_t>(top_) + 1;

    // n_W times each node's trapezoid weight, cross section and shape moment, by order.
    for (std::size_t i = first; i <= last; ++i) {
        const double below = i > first ? fractions_[i - 1] : (tip ? v : fractions_[i]);
        const double above = i < last ? fractions_[i + 1] : fractions_[i];
        const double common = kTungstenAtomsPerCm3 * (above - below) / 2 * sections_[i * bins + j];
        for (int l = 0; l < kFluenceMomentCount; ++l) {
            coefficients_[l * nodes + i] = static_cast<float>(common * shapes_[i][l]);
        }
    }
    // The electrons at u = k / E0, which just reach the photon energy: the fluence there
    // interpolated between the nodes around it.
    std::array<float, kFluenceMomentCount> tipFactors{};
    if (tip) {
        const double w = (v - fractions_[first - 1]) / (fractions_[first] - fractions_[first - 1]);
        const double photonKeV = PhotonEnergyKeV(j);
        const double common = kTungstenAtomsPerCm3 * (fractions_[first] - v) / 2 *
                              crossSection.PerKeV(photonKeV, photonKeV);
        const auto shape = EmissionShapeMoments(photonKeV);
        for (int l = 0; l < kFluenceMomentCount; ++l) {
            tipFactors[l] = static_cast<float>(common * shape[l]);
            const float* lower = NodeMoments(l, first - 1);
            const float* upper = NodeMoments(l, first);
            for (std::size_t x = 0; x < paddedDepths_; ++x) {
                tipMoments_[l * paddedDepths_ + x] =
                    static_cast<float>((1 - w) * lower[x] + w * upper[x]);
            }
        }
    }

    // Sums over the nodes a group of depths at a time, in registers.
    float* bin = values_.data() + j * BinLength();
    for (int l = 0; l < kFluenceMomentCount; ++l) {
        const float* coefficients = coefficients_.data() + l * nodes;
        const float* moments = NodeMoments(l, 0);
        for (std::size_t x0 = 0; x0 < paddedDepths_; x0 += kKernelDepthGroup) {
            std::array<float, kKernelDepthGroup> sum{};
            if (tip) {
                const float* m = tipMoments_.data() + l * paddedDepths_ + x0;
                for (std::size_t x = 0; x < kKernelDepthGroup; ++x) {
                    sum[x] = tipFactors[l] * m[x];
                }
            }
            for (std::size_t i = first; i <= last; ++i) {
                const float c = coefficients[i];
                const float* m = moments + i * paddedDepths_ + x0;
                for (std::size_t x = 0; x < kKernelDepthGroup; ++x) {
                    sum[x] += c * m[x];
                }
            }
            std::copy(sum.begin(), sum.end(), bin + l * paddedDepths_ + x0);
        }
    }
}

}  // namespace tubeline
