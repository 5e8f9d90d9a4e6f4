#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "bremsstrahlung_cross_section.h"
#include "tungsten_target_file.h"

namespace tubeline {

// The depths of the kernel are padded with zeros to whole groups of this many.
inline constexpr std::size_t kKernelDepthGroup = 8;

// The bremsstrahlung of electrons of one incident energy E0 before the direction comes in: for
// every photon bin j below E0, Legendre order l and depth m,
//   G[j][l][m] = n_W * integral du M_l(u, m) dsigma/dk(u E0, k_j) s_l(u E0),
// in photons per keV per cm of depth per unit of the angular sum: M_l the fluence moments, s_l
// the angular shape's moments (emission_shape.h). The integral runs from u = k_j / E0, where the
// fluence is interpolated between its neighbours, to 1 by trapezoids; energy fractions below the
// table's lowest carry no electrons. The fluence and the sums are held in single precision, that
// of the tables, which lets the sums use twice the lanes.
class BremsstrahlungKernel {
  public:
    BremsstrahlungKernel(const BremsstrahlungCrossSection& crossSection,
                         const ElectronFluenceTable& fluence, double electronKeV);

    // The highest bin below E0 (at most the grid's last).
    int Top() const { return top_; }
    std::size_t PaddedDepths() const { return paddedDepths_; }
    // G[j][l][m] at [l * PaddedDepths() + m]; zero beyond the grid's depths.
    const float* Bin(int j) const { return values_.data() + j * BinLength(); }

  private:
    std::size_t BinLength() const { return kFluenceMomentCount * paddedDepths_; }
    double Fraction(int j) const;
    const float* NodeMoments(int order, std::size_t node) const;
    void AddBin(const BremsstrahlungCrossSection& crossSection, int j);

    const std::vector<double>& fractions_;
    std::size_t paddedDepths_;
    int top_;
    double electronKeV_;
    std::vector<float> moments_;    // [order][node][padded depth]
    std::vector<double> sections_;  // dsigma/dk at the nodes' energies, [node][bin]
    std::vector<std::array<double, kFluenceMomentCount>> shapes_;
    std::vector<float> values_;
    // Scratch of AddBin: the nodes' factors by order, and the fluence at the tip.
    std::vector<float> coefficients_;
    std::vector<float> tipMoments_;
};

}  // namespace tubeline
