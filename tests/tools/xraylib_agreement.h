#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/material_attenuation.h"
#include "model/material_file_reader.h"

namespace tubeline::testing {

// Largest relative difference allowed at a whole keV between a material file, read and
// converted as the program does, and xraylib; the shipped files reach 0.011 %.
inline constexpr double kXraylibTolerance = 2e-4;

// Expects the file's linear attenuation coefficients at every whole keV the program uses to be
// its density times xraylibTotal(keV), the mass attenuation coefficient in cm2/g.
inline void ExpectMatchesXraylib(const MaterialFile& file,
                                 const std::function<double(double)>& xraylibTotal,
                                 const std::string& label) {
    const EnergyArray mu = MuFilterOf(file);
    for (int keV = 1; keV <= kEnergyBinCount / 2; ++keV) {
        EXPECT_NEAR(mu[2 * keV] / (file.Density * xraylibTotal(keV)), 1, kXraylibTolerance)
            << label << " at " << keV << " keV";
    }
}

}  // namespace tubeline::testing
