#pragma once

#include <cmath>

#include "physics_constants.h"

namespace tubeline {

// The one place where the two models differ: the bremsstrahlung that an electron of kinetic
// energy T (keV) emits into the photon energy E (keV) during a sample at voltage V (kV), before
// self-absorption in the target. The pipeline sums it over the electron's slowing down.

// Tucker, Barnes and Chakraborty: A * B(u) * (1 + 511/T) / S(T) with u = E / T.
struct TuckerBremsstrahlung {
    static double Term(double sampleVoltage, double photonEnergy, double electronEnergy) {
        const double u = photonEnergy / electronEnergy;
        const double a = 0.03658 + 0.000029 * sampleVoltage;
        const double b = 1 - 5.049 * u + 10.847 * std::pow(u, 2) - 10.516 * std::pow(u, 3) +
                         3.842 * std::pow(u, 4);
        // Slowing-down divisor of the Thomson-Whiddington energy loss.
        const double s = 202.41 + 1036.1 * std::exp(-0.04695 * electronEnergy);
        return a * b * (kElectronRestEnergyKeV / electronEnergy + 1) / s;
    }
};

// Birch and Marshall: B(u) * (1 + T/511), no voltage factor and no slowing-down divisor.
struct BirchBremsstrahlung {
    static double Term(double /*sampleVoltage*/, double photonEnergy, double electronEnergy) {
        const double u = photonEnergy / electronEnergy;
        const double b =
            0.503 - 0.94597 * u + 0.1553 * u * u + 1.1632 * u * u * u - 0.6818 * u * u * u * u;
        return b * (1 + electronEnergy / kElectronRestEnergyKeV);
    }
};

}  // namespace tubeline
