#pragma once

#include <cmath>

#include "physics_constants.h"

namespace tubeline {

// The one place where the two models differ: the bremsstrahlung that an electron of kinetic
// energy T (keV) emits into the photon energy E (keV) during a sample at voltage V (kV), before
// self-absorption in the target. The pipeline sums it over the electron's slowing down.
//
// Each model gives its term as a product of three factors, so that the pipeline can evaluate
// each factor only as often as its arguments change:
//   VoltageFactor(V) * ShapeFactor(u = E / T) * ElectronFactor(T).

// Tucker, Barnes and Chakraborty: A(V) * B(u) * (1 + 511/T) / S(T).
struct TuckerBremsstrahlung {
    static double VoltageFactor(double sampleVoltage) { return 0.03658 + 0.000029 * sampleVoltage; }
    static double ShapeFactor(double u) {
        const double u2 = u * u;
        return 1 - 5.049 * u + 10.847 * u2 - 10.516 * u2 * u + 3.842 * u2 * u2;
    }
    static double ElectronFactor(double electronEnergy) {
        // Slowing-down divisor of the Thomson-Whiddington energy loss.
        const double s = 202.41 + 1036.1 * std::exp(-0.04695 * electronEnergy);
        return (kElectronRestEnergyKeV / electronEnergy + 1) / s;
    }
};

// Birch and Marshall: B(u) * (1 + T/511), no voltage factor and no slowing-down divisor.
struct BirchBremsstrahlung {
    static double VoltageFactor(double /*sampleVoltage*/) { return 1; }
    static double ShapeFactor(double u) {
        return 0.503 - 0.94597 * u + 0.1553 * u * u + 1.1632 * u * u * u - 0.6818 * u * u * u * u;
    }
    static double ElectronFactor(double electronEnergy) {
        return 1 + electronEnergy / kElectronRestEnergyKeV;
    }
};

}  // namespace tubeline
