#pragma once

#include <filesystem>
#include <vector>

namespace tubeline::tools {

// A tabulated coefficient against energy, ascending; an absorption edge is listed twice, below
// and above.
struct TabulatedPoint {
    double EnergyMeV;
    double Value;
};

// Reads "energy<TAB>column1<TAB>column2..." rows, skipping '#' comments and the header line;
// takes the given column (1-based after the energy).
std::vector<TabulatedPoint> ReadTabulatedColumn(const std::filesystem::path& path, int column);

// Log-log interpolation between two points at an energy between theirs.
double LogLogBetween(const TabulatedPoint& low, const TabulatedPoint& high, double energyMeV);

// Log-log interpolation; exact at tabulated energies. At a doubled edge energy the value above
// the edge counts; below the first row the first two rows are extrapolated.
double InterpolateLogLog(const std::vector<TabulatedPoint>& table, double energyMeV);

}  // namespace tubeline::tools
