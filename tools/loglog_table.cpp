#include "loglog_table.h"

#include <cmath>

namespace tubeline::tools {

double LogLogBetween(const TabulatedPoint& low, const TabulatedPoint& high, double energyMeV) {
    const double fraction = (std::log(energyMeV) - std::log(low.EnergyMeV)) /
                            (std::log(high.EnergyMeV) - std::log(low.EnergyMeV));
    return std::exp(std::log(low.Value) + fraction * (std::log(high.Value) - std::log(low.Value)));
}

}  // namespace tubeline::tools
