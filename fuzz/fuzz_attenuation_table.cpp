// The attenuation-table reader on arbitrary text: it refuses with its own error or returns only
// finite numbers, and nothing after the last field it needs can change what it returns.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/attenuation_table_file.h"

namespace {

bool AllFinite(const tubeline::AttenuationTable& table) {
    for (const auto* column : {&table.MuTarget, &table.MuAluminium, &table.MuCopper, &table.MuEnAir,
                               &table.MuEnWater, &table.MuEnSoftTissue}) {
        for (const double value : *column) {
            if (!std::isfinite(value)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const tubeline::AttenuationTable table = tubeline::ParseAttenuationTable(text, "fuzz");
        if (!AllFinite(table)) {
            std::abort();
        }
        const tubeline::AttenuationTable extended =
            tubeline::ParseAttenuationTable(text + "\nnot a number,,", "fuzz");
        if (extended.MuTarget != table.MuTarget || extended.MuEnAir != table.MuEnAir) {
            std::abort();
        }
    } catch (const tubeline::AttenuationTableError&) {
    }
    return 0;
}
