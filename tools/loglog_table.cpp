#include "loglog_table.h"

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace tubeline::tools {

std::vector<TabulatedPoint> ReadTabulatedColumn(const std::filesystem::path& path, int column) {
    std::ifstream file(path);
    if (!file) {
        throw std::runtime_error("cannot open " + path.string());
    }
    std::vector<TabulatedPoint> table;
    std::string line;
    bool headerSeen = false;
    while (std::getline(file, line)) {
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (!headerSeen) {
            headerSeen = true;
            continue;
        }
        std::istringstream fields(line);
        fields.imbue(std::locale::classic());
        TabulatedPoint point{};
        fields >> point.EnergyMeV;
        for (int c = 1; c <= column; ++c) {
            fields >> point.Value;
        }
        if (!fields) {
            throw std::runtime_error("bad row in " + path.string() + ": " + line);
        }
        table.push_back(point);
    }
    if (table.size() < 2) {
        throw std::runtime_error("too few rows in " + path.string());
    }
    return table;
}

double LogLogBetween(const TabulatedPoint& low, const TabulatedPoint& high, double energyMeV) {
    const double fraction = (std::log(energyMeV) - std::log(low.EnergyMeV)) /
                            (std::log(high.EnergyMeV) - std::log(low.EnergyMeV));
    return std::exp(std::log(low.Value) + fraction * (std::log(high.Value) - std::log(low.Value)));
}

double InterpolateLogLog(const std::vector<TabulatedPoint>& table, double energyMeV) {
    // The first row above the energy; at a doubled edge energy this passes both rows.
    std::size_t above = 1;
    while (above + 1 < table.size() && table[above].EnergyMeV <= energyMeV) {
        ++above;
    }
    const TabulatedPoint& low = table[above - 1];
    const TabulatedPoint& high = table[above];
    if (energyMeV == low.EnergyMeV) {
        return low.Value;
    }
    if (energyMeV == high.EnergyMeV) {
        return high.Value;
    }
    return LogLogBetween(low, high, energyMeV);
}

}  // namespace tubeline::tools
