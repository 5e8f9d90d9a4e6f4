#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "energy_grid.h"
#include "base/file_io.h"
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

// A place among the numbers of a material file.
struct MaterialField {
    enum class Kind { Density, RowCount, RowValue };
    Kind Which = Kind::Density;
    int Row = 0;    // RowValue: 1..RowCount
    int Field = 0;  // RowValue: 1..6 within the row
};

// Why a material file was refused; such a file adds no filter.
struct MaterialFileProblem {
    // Line 1 is neither UTF-8 nor Shift-JIS.
    struct NameNotText {};
    // The text ended before this field; RowCount is the rows the file announced (0 before).
    struct EndsEarly {
        MaterialField Missing;
        int RowCount;
    };
    struct NotANumber {
        int Line;
        MaterialField Where;
        std::string Text;
    };
    struct DensityNotPositive {
        std::string Text;
    };
    struct RowCountInvalid {
        std::string Text;
        int Limit;
    };
    // A row's energy is zero or negative, or smaller than the row before.
    struct EnergyNotPositive {
        int Line, Row;
        double Energy;  // MeV
    };
    struct EnergyDescending {
        int Line, Row;
        double Energy, Previous;  // MeV
    };
    // A row's three coefficients sum to more than the double range, or to zero or less.
    struct SumOutOfRange {
        int Line, Row;
    };
    struct SumNotPositive {
        int Line, Row;
        double Sum;  // cm2/g
    };
    // The rows do not reach the energies the conversion interpolates at.
    struct FirstEnergyTooHigh {
        double Energy, Limit;  // MeV
    };
    struct LastEnergyTooLow {
        double Energy, Limit;  // MeV
    };
    // Density times a coefficient leaves the double range.
    struct LinearCoefficientOutOfRange {
        double Density;  // g/cm3
        double Sum;      // cm2/g
    };

    std::string File;
    std::variant<FileProblem, NameNotText, EndsEarly, NotANumber, DensityNotPositive,
                 RowCountInvalid, EnergyNotPositive, EnergyDescending, SumOutOfRange,
                 SumNotPositive, FirstEnergyTooHigh, LastEnergyTooLow, LinearCoefficientOutOfRange>
        Cause;
};

class MaterialFileError : public std::runtime_error {
  public:
    explicit MaterialFileError(MaterialFileProblem problem);
    const MaterialFileProblem& Problem() const { return problem_; }

  private:
    MaterialFileProblem problem_;
};

// Reads and checks a material file. Anything after the N-th row is never looked at. The name
// line may be UTF-8 (a leading byte-order mark is dropped) or Shift-JIS.
MaterialFile LoadMaterialFile(const std::filesystem::path& path);

// The same reading from text already in memory; fileName only labels the messages.
MaterialFile ParseMaterialFile(std::string_view text, std::string_view fileName);

// Only the name line, for showing the material before it is chosen.
std::string ReadMaterialName(const std::filesystem::path& path);

}  // namespace tubeline
