// Writes the material files of the arbitrary filters into a folder, one per material of the
// catalogue:
//   line 1   the name the program shows
//   line 2   density, g/cm3
//   line 3   N, the number of rows (at most 120)
//   N rows   energy MeV, coherent, incoherent, photoelectric, total with coherent (the sum of
//            the three), all in cm2/g, and 0
// Coefficients are xraylib's (CS_Rayl, CS_Compt, CS_Photo), mass-fraction sums for compounds;
// densities and compositions are xraylib's element densities and NIST compounds. The sixth
// column stays 0 rather than hold xraylib's CS_Energy, which is far from the NIST
// energy-absorption coefficients for light elements (Be at 5 keV: 1.77 against 4.0 cm2/g).
//
// Usage: generate_material_files FOLDER

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "material_catalogue.h"
#include "material_rows.h"

namespace {

std::string Formatted(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string MaterialFileText(const tubeline::tools::Material& material) {
    const auto rows = tubeline::tools::MaterialRows(material);
    std::string text = material.Name + "\n";
    text += Formatted("%.15g", material.Density) + "\n";
    text += std::to_string(rows.size()) + "\n";
    for (const auto& row : rows) {
        const auto& c = row.Coefficients;
        // Nine significant digits keep an edge that xraylib places a few eV from a whole keV on
        // its side of it (Mo K: 20.00005 keV).
        text += Formatted("%.9g", row.EnergyKeV / 1000);
        for (const double value : {c.Coherent, c.Incoherent, c.Photoelectric, c.Total()}) {
            text += Formatted(",%.6E", value);
        }
        text += ",0\n";
    }
    return text;
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    try {
        for (const auto& material : tubeline::tools::MaterialCatalogue()) {
            WriteFile(std::filesystem::path(argv[1]) / material.FileName,
                      MaterialFileText(material));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
