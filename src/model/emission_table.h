#pragma once

#include <cstddef>
#include <vector>

#include "energy_grid.h"
#include "lanes.h"

namespace tubeline {

// ShapeFactor(E / T) * ElectronFactor(T) of a model for every pair of photon energy E = 0.5 j
// and electron energy T = 0.5 m on the grid with 2 <= j <= m <= highest. Neither factor
// depends on the conditions, so one table of the whole grid serves every run of a model.
//
// Stored row by row of electron energy, each row indexed by j, holding zero wherever j < 2 or
// j > m and padded to whole groups of the widest lanes, so that a row can be run through whole
// lanes at a time.
class EmissionTable {
  public:
    template <class Term>
    static EmissionTable Of(int highest) {
        EmissionTable table(highest);
        for (int m = 2; m <= highest; ++m) {
            const double t = PhotonEnergyKeV(m);
            const double electronFactor = Term::ElectronFactor(t);
            double* row = table.values_.data() + table.rowStart_[m];
            for (int j = 2; j <= m; ++j) {
                row[j] = Term::ShapeFactor(PhotonEnergyKeV(j) / t) * electronFactor;
            }
        }
        return table;
    }

    // Passes over the table take up to this many rows at a time from some m down, each row read
    // in whole lanes as far as j = m.
    static constexpr int kMostRowsPerPass = 8;

    // Length of a row: enough for j up to m + kMostRowsPerPass - 1, for the passes that start
    // above it.
    static constexpr int RowLength(int m) { return PaddedToWidestLanes(m + kMostRowsPerPass); }

    // Row of electron energy index m = 1 .. highest; row 1 is all zero.
    const double* Row(int m) const { return values_.data() + rowStart_[m]; }

  private:
    explicit EmissionTable(int highest);

    std::vector<std::size_t> rowStart_;
    std::vector<double, WidestLanesAllocator<double>> values_;
};

// The table of a model over the whole energy grid, computed on first use and kept.
template <class Term>
const EmissionTable& EmissionTableOf() {
    static const EmissionTable table = EmissionTable::Of<Term>(kEnergyBinCount);
    return table;
}

}  // namespace tubeline
