#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "energy_grid.h"
#include "physics_constants.h"

namespace tubeline {

// Material files ("*.ele", "*.mix") describe the arbitrary filter materials: a name line, the
// density in g/cm3, the number of rows N and N rows of six numbers: energy in MeV, coherent,
// incoherent and photoelectric mass attenuation coefficients in cm2/g and two numbers that are
// read but not used. Commas, line ends, and blanks or tabs alone separate the numbers.

inline constexpr int kMaterialRowLimit = 120;
inline constexpr int kMaterialRowFields = 6;

// The conversion interpolates at every whole keV of the energy grid, so the rows must reach
// from at or below the first of them to beyond the last.
inline constexpr double kFirstInterpolatedEnergyMeV = PhotonEnergyKeV(2) * kKeVToMeV;
inline constexpr double kLastInterpolatedEnergyMeV = PhotonEnergyKeV(kEnergyBinCount) * kKeVToMeV;

// One row of the MaterialTable.
struct MaterialRow {
    double Total = 0;          // cm2/g: coherent + incoherent + photoelectric
    double Energy = 0;         // MeV
    double Coherent = 0;       // cm2/g
    double Incoherent = 0;     // cm2/g
    double Photoelectric = 0;  // cm2/g
};

// Rows in file order. Energies ascend, an edge listed twice at one energy (below, then above);
// every energy and total is positive; the first energy is at most kFirstInterpolatedEnergyMeV
// and the last above kLastInterpolatedEnergyMeV.
using MaterialTable = std::vector<MaterialRow>;

// A material file that passed every check.
struct MaterialFile {
    std::string Name;    // line 1 as read, in UTF-8
    double Density = 0;  // g/cm3, positive
    MaterialTable Table;
};

// Says which file was refused and why, in words for the operator.
class MaterialFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads and checks a material file. Anything after the N-th row is never looked at. The name
// line may be UTF-8 (a leading byte-order mark is dropped) or Shift-JIS.
MaterialFile LoadMaterialFile(const std::filesystem::path& path);

// The same reading from text already in memory; fileName only labels the messages.
MaterialFile ParseMaterialFile(std::string_view text, std::string_view fileName);

// Only the name line, for showing the material before it is chosen.
std::string ReadMaterialName(const std::filesystem::path& path);

}  // namespace tubeline
