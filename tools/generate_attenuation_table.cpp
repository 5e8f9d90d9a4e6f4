// Writes the attenuation-coefficient table the program loads at start-up:
//   energy keV, mu of W, Al, Cu in 1/cm, mu_en/rho of dry air, water and soft tissue in cm2/g
// for 0.5..150 keV in 0.5-keV steps. mu = total mass attenuation coefficient with coherent
// scattering (xraylib CS_Total) times the density the models assume. mu_en/rho is built from
// xraylib's cross sections (energy_absorption.h) for the compositions of Air.mix, Water.mix and
// SoftTissue.mix.
//
// Usage: generate_attenuation_table > Att_Coeff2020.dat

#include <xraylib.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

#include "mass_coefficients.h"
#include "material_catalogue.h"
#include "xraylib_call.h"

namespace {

using tubeline::tools::Material;

struct Element {
    int AtomicNumber;
    double Density;  // g/cm3
};

constexpr Element kTungsten{74, 19.3};
constexpr Element kAluminium{13, 2.699};
constexpr Element kCopper{29, 8.96};

double LinearAttenuation(const Element& element, double energyKeV) {
    return tubeline::tools::XraylibCall(CS_Total, element.AtomicNumber, energyKeV) *
           element.Density;
}

Material CatalogueMaterial(std::string_view fileName) {
    const auto catalogue = tubeline::tools::MaterialCatalogue();
    const auto found = std::find_if(catalogue.begin(), catalogue.end(),
                                    [&](const Material& m) { return m.FileName == fileName; });
    if (found == catalogue.end()) {
        throw std::logic_error("no " + std::string(fileName) + " in the catalogue");
    }
    return *found;
}

double EnergyAbsorption(const Material& material, double energyKeV) {
    return tubeline::tools::CoefficientsAt(material, energyKeV).EnergyAbsorption;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 1) {
        std::fprintf(stderr, "usage: %s > Att_Coeff2020.dat\n", argv[0]);
        return 2;
    }
    try {
        const Material air = CatalogueMaterial("Air.mix");
        const Material water = CatalogueMaterial("Water.mix");
        const Material softTissue = CatalogueMaterial("SoftTissue.mix");
        for (int j = 1; j <= 300; ++j) {
            const double energyKeV = 0.5 * j;
            std::printf(
                "%.1f,%.6E,%.6E,%.6E,%.6E,%.6E,%.6E\n", energyKeV,
                LinearAttenuation(kTungsten, energyKeV), LinearAttenuation(kAluminium, energyKeV),
                LinearAttenuation(kCopper, energyKeV), EnergyAbsorption(air, energyKeV),
                EnergyAbsorption(water, energyKeV), EnergyAbsorption(softTissue, energyKeV));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
