#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "base/file_io.h"

namespace tubeline {

inline constexpr std::string_view kTungstenTargetFileName = "TungstenTarget.bin";

// Depths below the target surface as fractions of the electrons' CSDA range, each a whole
// number of steps: Steps[m] * StepFraction, from 0 upwards, with at most kMostDepthSpacings
// different spacings between neighbours.
inline constexpr int kMostDepthSpacings = 8;

struct DepthGrid {
    double StepFraction = 0;
    std::vector<int> Steps;

    double Fraction(std::size_t m) const { return Steps[m] * StepFraction; }
};

// Seltzer and Berger's scaled bremsstrahlung cross section of tungsten, chi = beta^2 k
// dsigma/dk / Z^2 in mb, on a grid of electron kinetic energies and photon energy fractions k/T.
struct ScaledCrossSectionTable {
    std::vector<double> ElectronEnergiesKeV;
    std::vector<double> PhotonFractions;
    std::vector<double> Millibarn;  // row by electron energy, PhotonFractions.size() per row

    double At(std::size_t energy, std::size_t fraction) const {
        return Millibarn[energy * PhotonFractions.size() + fraction];
    }
};

// The continuous-slowing-down range of electrons in tungsten.
struct ElectronRangeTable {
    std::vector<double> ElectronEnergiesKeV;
    std::vector<double> RangesGramPerCm2;
};

// Legendre orders 0 .. 3 of the electrons' directions are kept.
inline constexpr int kFluenceMomentCount = 4;

// The electrons in the target for each tabulated incident energy E0: their track length per unit
// depth and per unit energy fraction u = E / E0, times the Legendre moment P_l(cos theta) of their
// direction about the inward normal, averaged. Order 0 is the fluence itself.
struct ElectronFluenceTable {
    std::vector<double> IncidentEnergiesKeV;
    std::vector<double> EnergyFractions;
    DepthGrid Depths;
    // [incident energy][order][energy fraction][depth]
    std::vector<double> Moments;

    std::size_t MomentsPerEnergy() const {
        return kFluenceMomentCount * EnergyFractions.size() * Depths.Steps.size();
    }
};

// The shells whose fluorescence the target emits.
enum class FluorescenceShell { K, L1, L2, L3 };
inline constexpr int kFluorescenceShellCount = 4;

// The fluorescence photons one electron of each tabulated incident energy releases in a shell's
// lines per unit depth fraction, on the common depth grid.
struct FluorescenceTable {
    std::vector<double> IncidentEnergiesKeV;
    std::vector<double> PhotonsPerDepth;  // [incident energy][depth]
};

// Everything TungstenTarget.bin holds.
struct TungstenTargetTables {
    ScaledCrossSectionTable CrossSections;
    ElectronRangeTable Ranges;
    ElectronFluenceTable Fluence;
    DepthGrid FluorescenceDepths;
    std::array<FluorescenceTable, kFluorescenceShellCount> Fluorescence;  // by FluorescenceShell
};

// Why the target tables could not be used; nothing of such a file is ever used. Arrays are
// named as the file names them.
struct TungstenTargetProblem {
    // The file does not start as the tables of this format's version do.
    struct NotTargetTables {};
    // The file ends inside this array, or before it.
    struct EndsEarly {
        std::string Array;
    };
    // An array in the place of another.
    struct UnexpectedArray {
        std::string Expected, Found;
    };
    // An array whose dimensions disagree with the format or with the arrays before it.
    struct WrongShape {
        std::string Array;
        std::vector<std::size_t> Dimensions;
    };
    // A value that is not finite, or out of its range (a grid not ascending, a negative
    // fluence, a depth that is not a whole number of steps ...).
    struct BadValue {
        std::string Array;
        std::size_t Index;  // in the array's flat order
        double Value;
    };
    // The tables stop below the highest tube voltage the program accepts.
    struct TooFewEnergies {
        std::string Array;
        double HighestKeV;
        double NeededKeV;
    };
    // Bytes after the last array.
    struct TrailingBytes {
        std::size_t Count;
    };

    std::string File;
    std::variant<FileProblem, NotTargetTables, EndsEarly, UnexpectedArray, WrongShape, BadValue,
                 TooFewEnergies, TrailingBytes>
        Cause;
};

class TungstenTargetError : public std::runtime_error {
  public:
    explicit TungstenTargetError(TungstenTargetProblem problem);
    const TungstenTargetProblem& Problem() const { return problem_; }

  private:
    TungstenTargetProblem problem_;
};

// Reads and checks the file (format in data/README.md).
TungstenTargetTables LoadTungstenTargetTables(const std::filesystem::path& path);

// The same from the file's bytes already in memory; fileName only labels the messages.
TungstenTargetTables ParseTungstenTargetTables(std::string_view bytes, std::string_view fileName);

}  // namespace tubeline
