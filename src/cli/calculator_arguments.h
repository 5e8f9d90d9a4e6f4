#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "command_line.h"
#include "model/calculation_state.h"
#include "model/condition_fields.h"
#include "texts/language.h"

namespace tubeline {

// One --filter FILE:MM: a material file and the thickness as typed, in mm.
struct FilterArgument {
    std::filesystem::path MaterialFile;
    std::string Thickness;
};

struct CalculatorArguments {
    SpectrumModel ModelChoice = SpectrumModel::Tucker;
    RectificationMode Rectification = RectificationMode::ConstantPotential;
    // Texts read by the same leading-number rule as the window's fields; the target angle
    // defaults by model.
    ConditionTexts Fields{"100", "", "2.5", "0", "0"};
    // --data; without it the working folder, or the installed data when only that holds the
    // table.
    std::optional<std::filesystem::path> DataFolder;
    std::optional<std::filesystem::path> TableFile;
    std::vector<FilterArgument> Filters;  // at most kFilterSlotCount, in the order given
    std::optional<std::filesystem::path> CsvFile;
    std::optional<Language> Speak;  // --lang; the locale's language when not given
    bool Help = false;
};

CalculatorArguments ParseCalculatorArguments(std::span<const std::string_view> arguments);

extern const std::string_view kCalculatorUsage;

}  // namespace tubeline
