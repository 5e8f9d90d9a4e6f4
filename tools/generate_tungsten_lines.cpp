// Writes the characteristic lines of tungsten the physics model adds to its spectra, one line of
// the file per X-ray line:
//   shell, line, energy keV, share of the shell's line photons, mu/rho of tungsten cm2/g
// for every K, L1, L2 and L3 line xraylib gives a radiative rate for: its energy (LineEnergy),
// its share (RadRate, the fraction of the shell's radiative transitions) and the total mass
// attenuation coefficient with coherent scattering at its energy (CS_Total), which attenuates the
// line on its way out of the target.
//
// Usage: generate_tungsten_lines > TungstenLines.txt

#include <xraylib.h>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "xraylib_call.h"

namespace {

constexpr int kTungsten = 74;

struct XrayLine {
    int Code;
    std::string_view Name;
};

struct Shell {
    std::string_view Name;
    std::vector<XrayLine> Lines;
};

#define LINE(name)         \
    XrayLine {             \
        name##_LINE, #name \
    }

// Every line into each shell that xraylib names, its sums of several (KO, L1N67, L3O45 ...)
// included: where it gives a rate for the sum, it gives none for the parts. The shares of a shell
// are checked to add up to 1, so that no photon counts twice.
const std::vector<Shell> kShells = {
    {"K", {LINE(KL1), LINE(KL2), LINE(KL3), LINE(KM1), LINE(KM2), LINE(KM3), LINE(KM4), LINE(KM5),
           LINE(KN1), LINE(KN2), LINE(KN3), LINE(KN4), LINE(KN5), LINE(KN6), LINE(KN7), LINE(KO),
           LINE(KO1), LINE(KO2), LINE(KO3), LINE(KO4), LINE(KO5), LINE(KO6), LINE(KO7), LINE(KP),
           LINE(KP1), LINE(KP2), LINE(KP3), LINE(KP4), LINE(KP5)}},
    {"L1", {LINE(L1L2), LINE(L1L3),  LINE(L1M1), LINE(L1M2), LINE(L1M3), LINE(L1M4),
            LINE(L1M5), LINE(L1N1),  LINE(L1N2), LINE(L1N3), LINE(L1N4), LINE(L1N5),
            LINE(L1N6), LINE(L1N67), LINE(L1N7), LINE(L1O1), LINE(L1O2), LINE(L1O3),
            LINE(L1O4), LINE(L1O45), LINE(L1O5), LINE(L1O6), LINE(L1O7), LINE(L1P1),
            LINE(L1P2), LINE(L1P23), LINE(L1P3), LINE(L1P4), LINE(L1P5)}},
    {"L2", {LINE(L2L3), LINE(L2M1),  LINE(L2M2), LINE(L2M3), LINE(L2M4), LINE(L2M5), LINE(L2N1),
            LINE(L2N2), LINE(L2N3),  LINE(L2N4), LINE(L2N5), LINE(L2N6), LINE(L2N7), LINE(L2O1),
            LINE(L2O2), LINE(L2O3),  LINE(L2O4), LINE(L2O5), LINE(L2O6), LINE(L2O7), LINE(L2P1),
            LINE(L2P2), LINE(L2P23), LINE(L2P3), LINE(L2P4), LINE(L2P5), LINE(L2Q1)}},
    {"L3", {LINE(L3M1), LINE(L3M2),  LINE(L3M3),  LINE(L3M4), LINE(L3M5),  LINE(L3N1), LINE(L3N2),
            LINE(L3N3), LINE(L3N4),  LINE(L3N5),  LINE(L3N6), LINE(L3N7),  LINE(L3O1), LINE(L3O2),
            LINE(L3O3), LINE(L3O4),  LINE(L3O45), LINE(L3O5), LINE(L3O6),  LINE(L3O7), LINE(L3P1),
            LINE(L3P2), LINE(L3P23), LINE(L3P3),  LINE(L3P4), LINE(L3P45), LINE(L3P5), LINE(L3Q1)}},
};

#undef LINE

// xraylib reports a missing value as an error; nothing for a line it has no rate or no energy
// for (two lines of tungsten, L2P1 and L3P1, have a rate below 2e-4 but no energy).
double ValueOrZero(double (*function)(int, int, xrl_error**), int code) {
    xrl_error* error = nullptr;
    const double value = function(kTungsten, code, &error);
    if (error != nullptr) {
        xrl_clear_error(&error);
        return 0;
    }
    return value;
}

// Radiative rates of one shell's lines add up to 1; a little less where lines have no energy.
constexpr double kLeastShareSum = 0.999;
constexpr double kMostShareSum = 1.0001;

}  // namespace

int main() {
    using tubeline::tools::XraylibCall;
    try {
        for (const Shell& shell : kShells) {
            double shareSum = 0;
            for (const XrayLine& line : shell.Lines) {
                const double share = ValueOrZero(RadRate, line.Code);
                const double energyKeV = ValueOrZero(LineEnergy, line.Code);
                if (share <= 0 || energyKeV <= 0) {
                    continue;
                }
                shareSum += share;
                std::printf("%.*s,%.*s,%.5f,%.6E,%.6E\n", static_cast<int>(shell.Name.size()),
                            shell.Name.data(), static_cast<int>(line.Name.size()), line.Name.data(),
                            energyKeV, share, XraylibCall(CS_Total, kTungsten, energyKeV));
            }
            if (shareSum < kLeastShareSum || shareSum > kMostShareSum) {
                throw std::runtime_error("the shares of the lines into " + std::string(shell.Name) +
                                         " add up to " + std::to_string(shareSum));
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
