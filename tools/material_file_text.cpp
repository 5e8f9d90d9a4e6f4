#include "material_file_text.h"

#include <cstdio>

#include "material_rows.h"

namespace tubeline::tools {
namespace {

std::string Formatted(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

std::string MaterialFileText(const Material& material) {
    const auto rows = MaterialRows(material);
    std::string text = material.Name + "\n";
    text += Formatted("%.15g", material.Density) + "\n";
    text += std::to_string(rows.size()) + "\n";
    for (const auto& row : rows) {
        const auto& c = row.Coefficients;
        // Nine significant digits keep an edge that xraylib places a few eV from a whole keV on
        // its side of it (Mo K: 20.00005 keV).
        text += Formatted("%.9g", row.EnergyKeV / 1000);
        for (const double value :
             {c.Coherent, c.Incoherent, c.Photoelectric, c.Total(), c.EnergyAbsorption}) {
            text += Formatted(",%.6E", value);
        }
        text += "\n";
    }
    return text;
}

}  // namespace tubeline::tools
