// The material-file reader and the conversion to attenuation coefficients on arbitrary text:
// the reader refuses with its own error, or every row and every coefficient on the energy grid
// is a finite number, and the filter slot it fills stays consistent.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/filter_slots.h"
#include "model/material_attenuation.h"
#include "model/material_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    tubeline::MaterialFile material;
    try {
        material = tubeline::ParseMaterialFile(text, "fuzz.ele");
    } catch (const tubeline::MaterialFileError&) {
        return 0;
    }
    if (!(material.Density > 0) || !std::isfinite(material.Density) || material.Table.empty() ||
        material.Table.size() > tubeline::kMaterialRowLimit) {
        std::abort();
    }
    for (const tubeline::MaterialRow& row : material.Table) {
        if (!(row.Energy > 0) || !(row.Total > 0) || !std::isfinite(row.Total)) {
            std::abort();
        }
    }
    const tubeline::EnergyArray mu = tubeline::MuFilterOf(material);
    for (int j = 1; j <= tubeline::kEnergyBinCount; ++j) {
        if (!std::isfinite(mu[j]) || mu[j] < 0) {
            std::abort();
        }
    }
    tubeline::MaterialFilter filters;
    const int slot = tubeline::AddFilter(filters, material, 1.0);
    if (slot != 1 || filters.FilterCount != 1 || filters.MuFilter[1] != mu ||
        filters.MuFilter[2][10] != 0) {
        std::abort();
    }
    return 0;
}
