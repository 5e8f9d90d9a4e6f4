// Writes the attenuation-coefficient table the program loads at start-up:
//   energy keV, mu of W, Al, Cu in 1/cm, mu_en/rho of dry air in cm2/g, 0, 0
// for 0.5..150 keV in 0.5-keV steps. mu = total mass attenuation coefficient with coherent
// scattering (xraylib CS_Total) times the density the models assume. Air comes from the NIST
// table in tools/reference (xraylib's energy-absorption coefficients disagree with NIST).
//
// Usage: generate_attenuation_table NIST_AIR_TSV > Att_Coeff2020.dat

#include <xraylib.h>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "loglog_table.h"

namespace {

struct Element {
    int AtomicNumber;
    double Density;  // g/cm3
};

constexpr Element kTungsten{74, 19.3};
constexpr Element kAluminium{13, 2.699};
constexpr Element kCopper{29, 8.96};

double LinearAttenuation(const Element& element, double energyKeV) {
    xrl_error* error = nullptr;
    const double massAttenuation = CS_Total(element.AtomicNumber, energyKeV, &error);
    if (error != nullptr) {
        const std::string message = error->message;
        xrl_clear_error(&error);
        throw std::runtime_error("xraylib: " + message);
    }
    return massAttenuation * element.Density;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s NIST_AIR_TSV > Att_Coeff2020.dat\n", argv[0]);
        return 2;
    }
    try {
        const auto air = tubeline::tools::ReadTabulatedColumn(argv[1], 2);
        for (int j = 1; j <= 300; ++j) {
            const double energyKeV = 0.5 * j;
            std::printf("%.1f,%.6E,%.6E,%.6E,%.6E,0,0\n", energyKeV,
                        LinearAttenuation(kTungsten, energyKeV),
                        LinearAttenuation(kAluminium, energyKeV),
                        LinearAttenuation(kCopper, energyKeV),
                        tubeline::tools::InterpolateLogLog(air, energyKeV / 1000));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
