#include "energy_absorption.h"

#include <xraylib.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "photoelectric_jump.h"
#include "xraylib_call.h"

namespace tubeline::tools {
namespace {

// Simpson's rule over the scattering angle; from 256 intervals on the integral changes by less
// than 1e-8 of itself.
constexpr int kAngleIntervals = 512;

// xraylib tabulates the scattering function from this momentum transfer (1/angstrom) up; below,
// where it falls towards 0 as the square of the transfer (a few thousandths of an electron at
// most there), the incoherent scattering is taken as none.
constexpr double kFirstTabulatedMomentumTransfer = 0.001;

// The fluorescence lines of the K, L and M shells, in xraylib's numbering (KL1 = -1 downward).
constexpr int kFirstLine = KL1_LINE;
constexpr int kLastLine = M5P5_LINE;

// Below this share of the photon's energy, fluorescence that xraylib cannot tell is nothing.
constexpr double kNegligibleShare = 1e-4;

// cm2/g: the incoherent cross section weighted by the share of the energy the electron takes.
double IncoherentEnergyTransfer(int atomicNumber, double energyKeV) {
    const double interval = std::numbers::pi / kAngleIntervals;
    // At 0 the electron takes nothing: the sum starts at the first interval.
    double sum = 0;
    for (int i = 1; i <= kAngleIntervals; ++i) {
        const double theta = i * interval;
        if (XraylibCall(MomentTransf, energyKeV, theta) < kFirstTabulatedMomentumTransfer) {
            continue;
        }
        const double weight = i == kAngleIntervals ? 1 : (i % 2 == 1 ? 4 : 2);
        const double scatteredKeV = XraylibCall(ComptonEnergy, energyKeV, theta);
        sum += weight * XraylibCall(DCS_Compt, atomicNumber, energyKeV, theta) *
               (1 - scatteredKeV / energyKeV) * std::sin(theta);
    }
    return 2 * std::numbers::pi * interval / 3 * sum;
}

// xraylib's subshell data open a shell at EdgeEnergy, CS_Photo where its own table jumps, up to
// 0.6 % away (molybdenum K: 19.9995 against 20.00005 keV). The energy, at or just beside
// energyKeV, at which the subshell data see open the shells that CS_Photo sees open there.
double SubshellEnergyMatchingPhoto(int atomicNumber, double energyKeV) {
    for (int shell = K_SHELL; shell <= M5_SHELL; ++shell) {
        xrl_error* error = nullptr;
        const double edgeKeV = EdgeEnergy(atomicNumber, shell, &error);
        if (error != nullptr) {  // no such shell
            xrl_clear_error(&error);
            continue;
        }
        if (std::abs(energyKeV / edgeKeV - 1) >= kEdgeWindow) {
            continue;
        }
        const auto jump = PhotoelectricJumpNear(atomicNumber, edgeKeV);
        if (!jump) {
            continue;
        }
        const bool openForPhoto = energyKeV >= jump->EnergyKeV;
        const bool openForSubshells = energyKeV >= edgeKeV;
        if (openForPhoto && !openForSubshells) {
            return edgeKeV;
        }
        if (!openForPhoto && openForSubshells) {
            return std::nextafter(edgeKeV, 0.0);
        }
    }
    return energyKeV;
}

// The K shell's fluorescence yield, 0 for hydrogen and helium, which have none.
double KFluorescenceYield(int atomicNumber) {
    xrl_error* error = nullptr;
    const double yield = FluorYield(atomicNumber, K_SHELL, &error);
    if (error != nullptr) {
        xrl_clear_error(&error);
        return 0;
    }
    return yield;
}

// The share of the absorbed photon's energy that leaves as fluorescence.
double EscapingFluorescenceShare(int atomicNumber, double energyKeV) {
    const double subshellKeV = SubshellEnergyMatchingPhoto(atomicNumber, energyKeV);
    xrl_error* error = nullptr;
    const double photoionisation = CS_Photo_Total(atomicNumber, subshellKeV, &error);
    if (error != nullptr) {
        // The subshell data of hydrogen to oxygen end at some tens of keV; their fluorescence
        // (at most 0.5 keV, yields below 1 %) is nothing there.
        const std::string message = error->message;
        xrl_clear_error(&error);
        const double bound = KFluorescenceYield(atomicNumber) *
                             XraylibCall(EdgeEnergy, atomicNumber, K_SHELL) / energyKeV;
        if (bound < kNegligibleShare) {
            return 0;
        }
        throw std::runtime_error("xraylib: " + message);
    }
    double emittedKeV = 0;  // keV cm2/g
    for (int line = kFirstLine; line >= kLastLine; --line) {
        // A line the element does not have, or that the energy cannot excite, comes back as an
        // error with nothing emitted.
        const double crossSection =
            CS_FluorLine_Kissel_Cascade(atomicNumber, line, subshellKeV, &error);
        if (error != nullptr) {
            xrl_clear_error(&error);
            continue;
        }
        if (!(crossSection > 0)) {
            continue;
        }
        // xraylib has no energy for a few weak lines from outer N and O shells; even at their
        // vacancy's whole binding energy they would carry at most 0.011 % of the photon's
        // energy, for any element up to uranium, and are left out.
        const double lineKeV = LineEnergy(atomicNumber, line, &error);
        if (error != nullptr) {
            xrl_clear_error(&error);
            continue;
        }
        emittedKeV += crossSection * lineKeV;
    }
    const double share = emittedKeV / (photoionisation * energyKeV);
    if (!(share >= 0 && share < 1)) {
        throw std::runtime_error("xraylib's fluorescence of Z = " + std::to_string(atomicNumber) +
                                 " at " + std::to_string(energyKeV) + " keV is " +
                                 std::to_string(share) + " of the photon's energy");
    }
    return share;
}

}  // namespace

double ElementEnergyAbsorption(int atomicNumber, double energyKeV) {
    const double photoelectric = XraylibCall(CS_Photo, atomicNumber, energyKeV);
    const double fluorescence =
        photoelectric > 0 ? EscapingFluorescenceShare(atomicNumber, energyKeV) : 0;
    return photoelectric * (1 - fluorescence) + IncoherentEnergyTransfer(atomicNumber, energyKeV);
}

}  // namespace tubeline::tools
