#pragma once

#include <array>
#include <vector>

#include "depth_integral.h"
#include "energy_grid.h"
#include "tungsten_lines_file.h"
#include "tungsten_target_file.h"

namespace tubeline {

// The characteristic lines of the target: the fluorescence photons an electron releases at each
// depth, from the tabulated depth distributions of each shell (linear between the tabulated
// incident energies, none below the lowest), shared among the shell's lines, emitted
// isotropically and attenuated at the line's own energy on the way out.
class CharacteristicEmission {
  public:
    CharacteristicEmission(const TungstenTargetTables& tables,
                           std::vector<CharacteristicLine> lines);

    // Adds the lines, in photons per keV per steradian per electron, to the bins nearest their
    // energies: electrons of incidentKeV with a CSDA range of rangeCm, photons leaving at the
    // take-off angle (radians). Lines outside the grid are left out.
    void Add(double incidentKeV, double rangeCm, double takeOffAngle, EnergyArray& spectrum) const;

  private:
    struct Shell {
        std::vector<double> IncidentEnergiesKeV;
        std::vector<double> PhotonsPerDepth;
        std::vector<CharacteristicLine> Lines;
    };
    std::array<Shell, kFluorescenceShellCount> shells_;
    DepthIntegral depthIntegral_;
};

}  // namespace tubeline
