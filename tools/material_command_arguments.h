#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cli/command_line.h"

namespace tubeline::tools {

// What the material is made of: a chemical formula or a NIST compound of xraylib's list.
struct MaterialSource {
    enum class Kind { Formula, NistCompound };
    Kind From;
    std::string Text;
};

struct MaterialCommandArguments {
    bool Help = false;
    bool ListCompounds = false;
    // Set unless Help or ListCompounds.
    MaterialSource Source{MaterialSource::Kind::Formula, ""};
    std::optional<double> Density;  // g/cm3; always set for a formula
    std::optional<std::string> Name;
    std::filesystem::path Output;
};

// Checks everything that needs no look-up in xraylib: exactly one of --formula and --compound,
// a density for a formula, a positive finite density, -o, and a name of one line that the
// spectrum export can write in Shift-JIS. UsageError says what is wrong.
MaterialCommandArguments ParseMaterialCommandArguments(std::span<const std::string_view> arguments);

extern const std::string_view kMaterialCommandUsage;

}  // namespace tubeline::tools
