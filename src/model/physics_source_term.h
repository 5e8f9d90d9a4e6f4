#pragma once

#include <span>
#include <vector>

#include "bremsstrahlung_cross_section.h"
#include "characteristic_emission.h"
#include "depth_integral.h"
#include "energy_grid.h"
#include "tungsten_lines_file.h"
#include "tungsten_target_file.h"

namespace tubeline {

// What a thick tungsten target emits for electrons of one energy in one direction: photons per
// keV per steradian per incident electron at E_j = 0.5 j keV (j = 1 .. 300), as they leave the
// target surface.
struct TargetEmission {
    EnergyArray Bremsstrahlung{};
    EnergyArray Lines{};  // the characteristic lines, each in the bin nearest its energy
};

// The physics model's source: electrons entering a tungsten target along its normal, followed
// through their fluence in energy, depth and direction from Monte Carlo; bremsstrahlung from
// Seltzer and Berger's cross sections with the angular shape of each electron's emission
// averaged over the electrons' directions; fluorescence lines from depth distributions of the
// shells' photons. Every photon is attenuated along its straight way out of the target:
//
//   dN/dk dOmega (k, psi) = n_W R integral dx exp(-mu(k) R x / sin psi)
//                           integral du M(u, x) dsigma/dk(u E0, k) F(u, x; psi)
//
// with x the depth as a fraction of the CSDA range R, u = E / E0, M the fluence per unit u and
// depth, F the angular shape averaged over the electrons' directions at the angle 90 + psi
// degrees to the normal. Everything that does not depend on the take-off angle is worked out once
// per electron energy.
class PhysicsSourceTerm {
  public:
    // tungstenAttenuation: tungsten's linear attenuation coefficient on the energy grid, 1/cm.
    PhysicsSourceTerm(const TungstenTargetTables& tables, std::vector<CharacteristicLine> lines,
                      const EnergyArray& tungstenAttenuation);

    // The emission of electrons of electronKeV (a waveform sample's voltage in kV) towards each
    // take-off angle (radians between the ray and the target surface, above 0 and at most
    // pi/2). Electrons below the lowest tabulated range (1 keV) emit nothing on the grid.
    // Throws std::invalid_argument for an energy above the tables' highest or an angle out of
    // range.
    std::vector<TargetEmission> Emission(double electronKeV,
                                         std::span<const double> takeOffAngles) const;

    const BremsstrahlungCrossSection& CrossSection() const { return crossSection_; }

  private:
    TungstenTargetTables tables_;
    BremsstrahlungCrossSection crossSection_;
    CharacteristicEmission characteristic_;
    DepthIntegral depthIntegral_;
    EnergyArray tungstenAttenuation_;
};

}  // namespace tubeline
