#include "output_conditions.h"

#include <cmath>

#include "base/number_format.h"
#include "base/number_text.h"

namespace tubeline {
namespace {

// The members of each OutputField, in the order of kOutputFields.
constexpr std::string OutputTexts::*kTextMembers[] = {&OutputTexts::DistanceMm,
                                                      &OutputTexts::OutputFactor};
constexpr double OutputValues::*kValueMembers[] = {&OutputValues::DistanceMm,
                                                   &OutputValues::OutputFactor};

std::optional<OutputRejection> CheckNumber(double value, OutputField field) {
    if (!std::isfinite(value)) {
        return OutputRejection{OutputRejection::Kind::OutOfRange, field};
    }
    if (!(value > 0)) {
        return OutputRejection{OutputRejection::Kind::NotPositive, field};
    }
    return std::nullopt;
}

}  // namespace

bool HasAbsoluteOutput(SpectrumModel model) {
    return model == SpectrumModel::Physics;
}

std::string_view OutputFieldName(OutputField field) {
    return field == OutputField::Distance ? "distance" : "output-factor";
}

std::optional<OutputField> OutputFieldNamed(std::string_view name) {
    for (const OutputField field : kOutputFields) {
        if (name == OutputFieldName(field)) {
            return field;
        }
    }
    return std::nullopt;
}

std::string& TextOf(OutputTexts& texts, OutputField field) {
    return texts.*kTextMembers[static_cast<std::size_t>(field)];
}

const std::string& TextOf(const OutputTexts& texts, OutputField field) {
    return texts.*kTextMembers[static_cast<std::size_t>(field)];
}

double& ValueOf(OutputValues& values, OutputField field) {
    return values.*kValueMembers[static_cast<std::size_t>(field)];
}

double ValueOf(const OutputValues& values, OutputField field) {
    return values.*kValueMembers[static_cast<std::size_t>(field)];
}

OutputTexts DefaultOutputTexts() {
    return {FormatGeneral(kDefaultOutput.DistanceMm), FormatGeneral(kDefaultOutput.OutputFactor)};
}

std::variant<OutputValues, OutputRejection> CheckOutputFields(const OutputTexts& texts) {
    OutputValues values;
    for (const OutputField field : kOutputFields) {
        const std::string& text = TextOf(texts, field);
        const NumberText read = ReadNumberText(text);
        switch (read.Reading) {
            case NumberText::Kind::Empty:
                return OutputRejection{OutputRejection::Kind::Empty, field};
            case NumberText::Kind::NotANumber:
                return OutputRejection{OutputRejection::Kind::NotANumber, field, text};
            case NumberText::Kind::Number:
                break;
        }
        if (const std::optional<OutputRejection> rejection = CheckNumber(read.Value, field)) {
            return *rejection;
        }
        ValueOf(values, field) = read.Value;
    }
    return values;
}

std::variant<OutputValues, OutputRejection> CheckOutputValues(const OutputValues& values) {
    for (const OutputField field : kOutputFields) {
        if (const std::optional<OutputRejection> rejection =
                CheckNumber(ValueOf(values, field), field)) {
            return *rejection;
        }
    }
    return values;
}

}  // namespace tubeline
