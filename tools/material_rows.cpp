#include "material_rows.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "loglog_table.h"

namespace tubeline::tools {
namespace {

struct CandidateRow {
    MaterialRow Row;
    bool Removable;  // a whole-keV row; edges and the ends stay
};

TabulatedPoint TotalOf(const MaterialRow& row) {
    return {row.EnergyKeV / 1000, row.Coefficients.Total()};
}

// The largest relative error at the whole keV strictly between rows[before] and rows[after]
// when they are neighbours.
double WorstErrorBetween(const std::vector<CandidateRow>& rows, std::size_t before,
                         std::size_t after, const std::vector<double>& wholeKeVTotals) {
    const MaterialRow& low = rows[before].Row;
    const MaterialRow& high = rows[after].Row;
    double worst = 0;
    for (int keV = static_cast<int>(std::floor(low.EnergyKeV)) + 1;
         keV < high.EnergyKeV && keV <= kLastWholeKeV; ++keV) {
        const double interpolated = LogLogBetween(TotalOf(low), TotalOf(high), keV / 1000.0);
        worst = std::max(worst, std::abs(interpolated / wholeKeVTotals[keV] - 1));
    }
    return worst;
}

}  // namespace

std::vector<MaterialRow> MaterialRows(const Material& material) {
    std::vector<double> wholeKeVTotals(kLastWholeKeV + 1);
    std::vector<CandidateRow> rows;
    for (int keV = kFirstWholeKeV; keV <= kLastWholeKeV; ++keV) {
        const MassCoefficients coefficients = CoefficientsAt(material, keV);
        wholeKeVTotals[keV] = coefficients.Total();
        rows.push_back({{static_cast<double>(keV), coefficients}, keV != kFirstWholeKeV});
    }
    rows.push_back({{kLastRowKeV, CoefficientsAt(material, kLastRowKeV)}, false});
    for (const Edge& edge : EdgesBetween(material, kFirstWholeKeV, kLastRowKeV)) {
        // The pair goes in front of the first row above the edge: below, then above.
        const auto above = std::find_if(rows.begin(), rows.end(), [&](const CandidateRow& row) {
            return row.Row.EnergyKeV > edge.EnergyKeV;
        });
        rows.insert(rows.insert(above, {{edge.EnergyKeV, edge.Above}, false}),
                    {{edge.EnergyKeV, edge.Below}, false});
    }

    while (rows.size() > kMaterialRowLimit) {
        std::size_t cheapest = 0;
        double cheapestError = std::numeric_limits<double>::infinity();
        for (std::size_t i = 1; i + 1 < rows.size(); ++i) {
            if (!rows[i].Removable) {
                continue;
            }
            const double error = WorstErrorBetween(rows, i - 1, i + 1, wholeKeVTotals);
            if (error < cheapestError) {
                cheapest = i;
                cheapestError = error;
            }
        }
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(cheapest));
    }

    std::vector<MaterialRow> result;
    for (const CandidateRow& candidate : rows) {
        result.push_back(candidate.Row);
    }
    return result;
}

}  // namespace tubeline::tools
