// The shipped material files, read and converted as the program does, against xraylib itself.

#include <gtest/gtest.h>
#include <xraylib.h>

#include "material_catalogue.h"
#include "base/shift_jis.h"
#include "support/test_data.h"
#include "xraylib_agreement.h"

namespace tubeline {
namespace {

void ExpectNoXraylibError(xrl_error* error) {
    if (error != nullptr) {
        ADD_FAILURE() << error->message;
        xrl_clear_error(&error);
    }
}

// xraylib's total mass attenuation coefficient with coherent scattering, cm2/g: its own
// compound sum for a NIST compound, otherwise the mass-fraction sum over the constituents.
double XraylibTotal(const tools::Material& material, double energyKeV) {
    xrl_error* error = nullptr;
    if (!material.NistCompound.empty()) {
        const double total = CS_Total_CP(material.NistCompound.c_str(), energyKeV, &error);
        ExpectNoXraylibError(error);
        return total;
    }
    double total = 0;
    for (const tools::Constituent& constituent : material.Constituents) {
        total += constituent.MassFraction * CS_Total(constituent.AtomicNumber, energyKeV, &error);
        ExpectNoXraylibError(error);
    }
    return total;
}

TEST(ShippedMaterialFiles, MatchXraylibAtEveryWholeKeV) {
    for (const tools::Material& material : tools::MaterialCatalogue()) {
        const MaterialFile file = LoadMaterialFile(testing::DataFolder() / material.FileName);
        EXPECT_EQ(file.Name, material.Name);
        EXPECT_EQ(file.Density, material.Density) << material.FileName;
        double fractions = 0;
        for (const tools::Constituent& constituent : material.Constituents) {
            fractions += constituent.MassFraction;
        }
        EXPECT_NEAR(fractions, 1, 1e-5) << material.FileName;
        // The spectrum export writes the name in Shift-JIS.
        EXPECT_NO_THROW(EncodeShiftJis(file.Name)) << material.FileName;
        testing::ExpectMatchesXraylib(
            file, [&](double keV) { return XraylibTotal(material, keV); }, material.FileName);
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
