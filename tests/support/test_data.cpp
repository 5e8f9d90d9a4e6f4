#include "support/test_data.h"

#include <stdlib.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "model/attenuation_table_file.h"

namespace tubeline::testing {

std::filesystem::path DataFolder() {
    return TUBELINE_DATA_DIR;
}

const AttenuationTable& ShippedAttenuation() {
    static const AttenuationTable table =
        LoadAttenuationTable(DataFolder() / kAttenuationTableFileName);
    return table;
}

CalculationState TuckerBeamState(double kv, double aluminiumFilterMm) {
    CalculationState state;
    state.Attenuation = ShippedAttenuation();
    state.Conditions = {{kv, 12, 2.5, aluminiumFilterMm, 0},
                        SpectrumModel::Tucker,
                        RectificationMode::ConstantPotential};
    return state;
}

RunOutcome RunModel(CalculationState& state) {
    RunOutcome outcome = ComputeChosenModel(InputsOf(state));
    if (const auto* run = std::get_if<ModelRun>(&outcome)) {
        state.Spectra = *run->Spectra;
        state.Quality = run->Quality;
    }
    return outcome;
}

ScratchFolder::ScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tubeline-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a scratch folder");
    }
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    // Restore write permission that a test may have taken away, then remove everything.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "line " << lines.size() + 1 << " does not end with CR LF";
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace tubeline::testing
