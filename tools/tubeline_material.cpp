// tubeline-material: writes a material file for the arbitrary filters from a chemical formula
// or a NIST compound, tabulated exactly as the shipped files are. See --help.

#include <iostream>
#include <string_view>
#include <vector>

#include "material_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return tubeline::tools::RunMaterialCommand(arguments, std::cout, std::cerr);
}
