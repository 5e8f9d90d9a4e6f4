// The mass energy-absorption coefficients the generators build from xraylib, against values that
// J. H. Hubbell and S. M. Seltzer publish in "Tables of X-Ray Mass Attenuation Coefficients and
// Mass Energy-Absorption Coefficients", NIST Standard Reference Database 126 (tables 3 and 4).

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "mass_coefficients.h"
#include "material_catalogue.h"

namespace tubeline {
namespace {

struct SpotValue {
    double EnergyKeV;
    double MuEnOverRho;  // cm2/g
};

tools::Material CatalogueMaterial(std::string_view fileName) {
    const auto catalogue = tools::MaterialCatalogue();
    const auto found = std::find_if(
        catalogue.begin(), catalogue.end(),
        [&](const tools::Material& material) { return material.FileName == fileName; });
    if (found == catalogue.end()) {
        ADD_FAILURE() << "no " << fileName << " in the catalogue";
        return {};
    }
    return *found;
}

void ExpectNearSpotValues(std::string_view fileName, const std::vector<SpotValue>& published,
                          double tolerance) {
    const tools::Material material = CatalogueMaterial(fileName);
    for (const SpotValue& spot : published) {
        const double computed = tools::CoefficientsAt(material, spot.EnergyKeV).EnergyAbsorption;
        EXPECT_NEAR(computed / spot.MuEnOverRho, 1, tolerance)
            << fileName << " at " << spot.EnergyKeV << " keV: " << computed;
    }
}

// Air, dry (near sea level) and water, liquid: table 4.
TEST(EnergyAbsorption, AirAndWaterAgreeWithNistWithinHalfAPerCent) {
    ExpectNearSpotValues("Air.mix",
                         {{10, 4.742},
                          {15, 1.334},
                          {20, 0.5389},
                          {30, 0.1537},
                          {40, 0.06833},
                          {50, 0.04098},
                          {60, 0.03041},
                          {80, 0.02407},
                          {100, 0.02325},
                          {150, 0.02496}},
                         0.005);
    ExpectNearSpotValues("Water.mix",
                         {{10, 4.944},
                          {15, 1.374},
                          {20, 0.5503},
                          {30, 0.1557},
                          {40, 0.06947},
                          {50, 0.04223},
                          {60, 0.03190},
                          {80, 0.02597},
                          {100, 0.02546},
                          {150, 0.02764}},
                         0.005);
}

// Lead, table 3: the K, L and M fluorescence and its cascades, which carry away about 70 % of
// the absorbed energy just above the K edge (88.0 keV).
TEST(EnergyAbsorption, LeadAgreesWithNistWithinThreePerCent) {
    ExpectNearSpotValues("Pb.ele",
                         {{10, 124.7},
                          {15, 91.00},
                          {20, 68.99},
                          {30, 25.36},
                          {40, 12.11},
                          {50, 6.740},
                          {60, 4.149},
                          {80, 1.916},
                          {100, 1.976},
                          {150, 1.056}},
                         0.03);
}

}  // namespace
}  // namespace tubeline
