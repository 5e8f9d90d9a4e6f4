// The calculate command on arbitrary field texts, model and rectification: a rejection, a
// refused run, or a complete run in which no spectrum value, table line or display text is
// NaN or infinite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/attenuation_table_file.h"
#include "model/condition_fields.h"
#include "model/condition_names.h"
#include "model/spectrum_model.h"
#include "texts/result_texts.h"

namespace {

const tubeline::AttenuationTable& Attenuation() {
    static const tubeline::AttenuationTable table = tubeline::LoadAttenuationTable(
        std::string(TUBELINE_DATA_DIR) + "/" + std::string(tubeline::kAttenuationTableFileName));
    return table;
}

bool HasNonNumber(const std::string& text) {
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

// Field texts separated by '|'; the first two bytes choose model and rectification.
std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> fields(5);
    std::size_t field = 0;
    for (const char c : text) {
        if (c == '|' && field + 1 < fields.size()) {
            ++field;
        } else {
            fields[field].push_back(c);
        }
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    tubeline::CalculationState state;
    state.Attenuation = Attenuation();
    state.Conditions.ModelChoice =
        data[0] % 2 == 0 ? tubeline::SpectrumModel::Tucker : tubeline::SpectrumModel::Birch;
    state.Conditions.Rectification = *tubeline::RectificationFromNumber(1 + data[1] % 3);
    const std::vector<std::string> f =
        Fields(std::string(reinterpret_cast<const char*>(data) + 2, size - 2));
    const tubeline::CheckedConditions checked =
        tubeline::CheckConditionFields({f[0], f[1], f[2], f[3], f[4]}, state.Conditions);
    if (checked.Rejection) {
        return 0;
    }
    const tubeline::RunOutcome outcome =
        tubeline::ComputeChosenModel({checked.Conditions, state.Attenuation, state.Filters});
    const auto* run = std::get_if<tubeline::ModelRun>(&outcome);
    if (run == nullptr) {
        return 0;
    }
    for (const auto& row : run->Spectra->PhotonSpectrum) {
        for (const double value : row) {
            if (!std::isfinite(value)) {
                std::abort();
            }
        }
    }
    const tubeline::BeamQualityTexts texts = tubeline::ResultTexts(run->Quality);
    if (HasNonNumber(run->TableText) || HasNonNumber(texts.HalfValueLayer) ||
        HasNonNumber(texts.FluencePerExposure)) {
        std::abort();
    }
    return 0;
}
