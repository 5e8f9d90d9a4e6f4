#pragma once

namespace tubeline::tools {

// A tabulated coefficient at one energy.
struct TabulatedPoint {
    double EnergyMeV;
    double Value;
};

// Log-log interpolation between two points at an energy between theirs.
double LogLogBetween(const TabulatedPoint& low, const TabulatedPoint& high, double energyMeV);

}  // namespace tubeline::tools
