#include "filter_transmission.h"

#include <cmath>

#include "physics_constants.h"

namespace tubeline {
namespace {

// exp(-x) for the attenuation exponent x of a filter; an absent filter, x = 0, needs no
// exponential.
double TransmissionOf(double x) {
    return x == 0 ? 1 : std::exp(-x);
}

}  // namespace

double FilterTransmission(const ModelInputs& inputs, double pathFactor, int j) {
    const IrradiationConditions& conditions = inputs.Conditions;
    const MaterialFilter& filters = inputs.Filters;
    const AttenuationTable& mu = inputs.Attenuation;
    const double s = pathFactor;
    double arbitrary = 1;
    for (int k = 1; k <= kFilterSlotCount; ++k) {
        arbitrary *=
            TransmissionOf(filters.MuFilter[k][j] * Centimetres(filters.FilterThickness[k]) * s);
    }
    const double aluminium =
        TransmissionOf(mu.MuAluminium[j] * (s * Centimetres(conditions.AluminiumFilter) +
                                            s * Centimetres(conditions.InherentFiltration)));
    const double copper = TransmissionOf(mu.MuCopper[j] * Centimetres(conditions.CopperFilter) * s);
    return aluminium * copper * arbitrary;
}

}  // namespace tubeline
