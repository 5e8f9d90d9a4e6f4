#pragma once

#include <span>
#include <vector>

#include "tungsten_target_file.h"

namespace tubeline {

// Seltzer and Berger's bremsstrahlung cross section of tungsten, differential in the photon
// energy k, for an electron of kinetic energy T:
//   dsigma/dk = 1e-27 cm2/mb * Z^2 * chi(T, k/T) / (beta^2 k)      [cm2 per atom per keV]
// chi interpolated linearly in ln T and in k/T between the tabulated points, 0 below the lowest
// tabulated electron energy (the table has none there).
class BremsstrahlungCrossSection {
  public:
    explicit BremsstrahlungCrossSection(const ScaledCrossSectionTable& table);

    // chi in mb; photonFraction = k / T in [0, 1].
    double ScaledMillibarn(double electronKeV, double photonFraction) const;

    // dsigma/dk in cm2 per keV; 0 for k outside (0, T].
    double PerKeV(double electronKeV, double photonKeV) const;

    // dsigma/dk at the photon energies 0.5 j keV of the bins j = 1 .. perKeV.size() - 1, all
    // at most T; perKeV[0] is left alone.
    void PerKeVOnGrid(double electronKeV, std::span<double> perKeV) const;

  private:
    // chi at T for every tabulated photon fraction, and the factor 1e-27 Z^2 / beta^2.
    double RowAt(double electronKeV, std::vector<double>& chi) const;

    ScaledCrossSectionTable table_;
    std::vector<double> logEnergies_;
};

// beta^2 of an electron of kinetic energy T in keV.
double BetaSquared(double electronKeV);

}  // namespace tubeline
