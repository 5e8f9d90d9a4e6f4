#pragma once

#include <cmath>

#include "beam_quality.h"
#include "beam_quality_figures.h"
#include "physics_constants.h"

namespace tubeline {

// The figures of one spectrum's aluminium and copper transmission curves, on the table's bins or
// on lines of one's own (any curve with AttenuateWhileAbove and DepthCm): the two half-value
// layers and their homogeneity, the effective energy (aluminium's bins up to `top`) and copper's
// layer. False when the first layer is not a finite number: the spectrum then has no figures.
template <class Curve>
bool SetLayerFigures(Curve& aluminium, Curve& copper, const EnergyArray& muAluminium, int top,
                     BeamQualityFigures& figures) {
    aluminium.AttenuateWhileAbove(kQuarterKermaPercent);
    if (const std::optional<double> layer = HalfValueLayerMm(aluminium)) {
        const double first = *layer;
        if (!std::isfinite(first)) {
            return false;
        }
        figures.HalfValueLayerMm = first;
        if (const auto quarterCm = aluminium.DepthCm(kQuarterKermaPercent)) {
            const double second = kCentimetresToMillimetres * *quarterCm - first;
            if (second > 0 && std::isfinite(second)) {
                figures.SecondHalfValueLayerMm = second;
                figures.HomogeneityCoefficient = first / second;
            }
        }
        figures.EffectiveEnergyKeV = EffectiveEnergyKeV(first, muAluminium, top);
    }

    copper.AttenuateWhileAbove(kHalfKermaPercent);
    if (const auto copperCm = copper.DepthCm(kHalfKermaPercent)) {
        const double layer = kCentimetresToMillimetres * *copperCm;
        if (std::isfinite(layer)) {
            figures.CopperHalfValueLayerMm = layer;
        }
    }
    return true;
}

}  // namespace tubeline
