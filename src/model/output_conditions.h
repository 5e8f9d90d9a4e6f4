#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calculation_state.h"

namespace tubeline {

// The two conditions of a model's absolute output (OutputConditions): where the air kerma per
// mAs is wanted and the tube's output factor. Tucker's and Birch's models take them as well and
// have no use for them.
enum class OutputField { Distance, OutputFactor };

// Whether the model's spectra are absolute, so that it has an output per mAs: the physics model's
// are; Tucker's and Birch's are relative.
bool HasAbsoluteOutput(SpectrumModel model);
inline constexpr std::array kOutputFields{OutputField::Distance, OutputField::OutputFactor};

// By the names of tubeline-calc's options (without "--") and of its batch columns: "distance"
// and "output-factor". Matched exactly, as options are.
std::string_view OutputFieldName(OutputField field);
std::optional<OutputField> OutputFieldNamed(std::string_view name);

std::string& TextOf(OutputTexts& texts, OutputField field);
const std::string& TextOf(const OutputTexts& texts, OutputField field);
double& ValueOf(OutputValues& values, OutputField field);
double ValueOf(const OutputValues& values, OutputField field);

// kDefaultOutput as typed: "1000" and "1".
OutputTexts DefaultOutputTexts();

// Why a distance or output factor was refused.
struct OutputRejection {
    enum class Kind {
        Empty,        // nothing typed
        NotANumber,   // the text is not one number as a whole
        OutOfRange,   // a number beyond the double range
        NotPositive,  // zero or below
    };
    Kind Reason;
    OutputField Field;
    std::string Text = {};  // what was typed, for NotANumber
    bool operator==(const OutputRejection&) const = default;
};

// Each field one number as a whole, finite and above zero, as the condition fields are read; the
// first field refused ends the checks.
std::variant<OutputValues, OutputRejection> CheckOutputFields(const OutputTexts& texts);
std::variant<OutputValues, OutputRejection> CheckOutputValues(const OutputValues& values);

}  // namespace tubeline
