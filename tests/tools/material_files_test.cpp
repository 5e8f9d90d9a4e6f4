// The shipped material files, read and converted as the program does, against xraylib itself.

#include <gtest/gtest.h>
#include <xraylib.h>

#include <cmath>

#include "material_catalogue.h"
#include "model/material_attenuation.h"
#include "support/test_data.h"

namespace tubeline {
namespace {

// Largest relative difference allowed at a whole keV; the files reach 0.011 %.
constexpr double kTolerance = 2e-4;

// xraylib's total mass attenuation coefficient with coherent scattering, cm2/g.
double XraylibTotal(const tools::Material& material, double energyKeV) {
    xrl_error* error = nullptr;
    const double total =
        material.NistCompound.empty()
            ? CS_Total(material.Constituents.front().AtomicNumber, energyKeV, &error)
            : CS_Total_CP(material.NistCompound.c_str(), energyKeV, &error);
    if (error != nullptr) {
        ADD_FAILURE() << error->message;
        xrl_clear_error(&error);
    }
    return total;
}

TEST(ShippedMaterialFiles, MatchXraylibAtEveryWholeKeV) {
    for (const tools::Material& material : tools::MaterialCatalogue()) {
        const MaterialFile file = LoadMaterialFile(testing::DataFolder() / material.FileName);
        EXPECT_EQ(file.Name, material.Name);
        EXPECT_EQ(file.Density, material.Density) << material.FileName;
        const EnergyArray mu = MuFilterOf(file);
        for (int keV = 1; keV <= kEnergyBinCount / 2; ++keV) {
            const double expected = material.Density * XraylibTotal(material, keV);
            EXPECT_NEAR(mu[2 * keV] / expected, 1, kTolerance)
                << material.FileName << " at " << keV << " keV";
        }
    }
}

TEST(ShippedMaterialFiles, ListEveryEdgeTwice) {
    // Pb: the K edge, three L and five M edges above 1 keV.
    const MaterialFile lead = LoadMaterialFile(testing::DataFolder() / "Pb.ele");
    int doubled = 0;
    for (std::size_t k = 1; k < lead.Table.size(); ++k) {
        if (lead.Table[k].Energy == lead.Table[k - 1].Energy) {
            ++doubled;
            EXPECT_GT(lead.Table[k].Photoelectric, lead.Table[k - 1].Photoelectric)
                << lead.Table[k].Energy << " MeV";
        }
    }
    EXPECT_EQ(doubled, 9);
}

}  // namespace
}  // namespace tubeline
