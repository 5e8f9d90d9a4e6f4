// Writes the material files of the arbitrary filters into a folder, one per material of the
// catalogue (the layout is described in material_file_text.h). Densities and compositions are
// xraylib's element densities and NIST compounds, or the cited tables of material_catalogue.cpp.
//
// Usage: generate_material_files FOLDER

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "material_catalogue.h"
#include "material_file_text.h"

namespace {

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
                      tubeline::tools::MaterialFileText(material));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
