#include "condition_fields.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "base/number_format.h"
#include "base/number_text.h"

namespace tubeline {
namespace {

constexpr double kDefaultTubeVoltageKv = 100;
constexpr double kDefaultInherentFiltrationMm = 2.5;

// The members of each ConditionField, in the order of kConditionFields.
constexpr std::string ConditionTexts::*kTextMembers[] = {
    &ConditionTexts::TubeVoltage, &ConditionTexts::TargetAngle, &ConditionTexts::InherentFiltration,
    &ConditionTexts::AluminiumFilter, &ConditionTexts::CopperFilter};
constexpr double ConditionValues::*kValueMembers[] = {
    &ConditionValues::TubeVoltage, &ConditionValues::TargetAngle,
    &ConditionValues::InherentFiltration, &ConditionValues::AluminiumFilter,
    &ConditionValues::CopperFilter};

// One field as read: its number, or why it has none.
using FieldReading = std::variant<double, ConditionRejection>;

FieldReading ReadField(const ConditionTexts& texts, ConditionField field) {
    const std::string& text = TextOf(texts, field);
    const NumberText read = ReadNumberText(text);
    switch (read.Reading) {
        case NumberText::Kind::Number:
            return read.Value;
        case NumberText::Kind::Empty:
            // An empty added filter is no filter.
            if (field == ConditionField::AluminiumFilter || field == ConditionField::CopperFilter) {
                return 0.0;
            }
            return ConditionRejection{ConditionRejection::Kind::Empty, field};
        case NumberText::Kind::NotANumber:
            break;
    }
    return ConditionRejection{ConditionRejection::Kind::NotANumber, field, text};
}

// The checks of every field in order; the first field refused ends them.
CheckedValues Check(const std::array<FieldReading, kConditionFields.size()>& readings,
                    const IrradiationConditions& stored) {
    using Kind = ConditionRejection::Kind;
    CheckedValues result{stored, std::nullopt, false};
    IrradiationConditions& conditions = result.Conditions;
    // The number of a field, or nothing once the field is refused.
    const auto number = [&](ConditionField field) -> std::optional<double> {
        const FieldReading& reading = readings[static_cast<std::size_t>(field)];
        if (const auto* rejection = std::get_if<ConditionRejection>(&reading)) {
            result.Rejection = *rejection;
            return std::nullopt;
        }
        const double value = std::get<double>(reading);
        if (!std::isfinite(value)) {
            result.Rejection = ConditionRejection{Kind::OutOfRange, field};
            return std::nullopt;
        }
        return value;
    };

    const std::optional<double> voltage = number(ConditionField::TubeVoltage);
    if (!voltage) {
        return result;
    }
    conditions.TubeVoltage = std::clamp(*voltage, kMinimumTubeVoltageKv, kMaximumTubeVoltageKv);
    result.TubeVoltageCorrected = conditions.TubeVoltage != *voltage;

    const std::optional<double> angle = number(ConditionField::TargetAngle);
    if (!angle) {
        return result;
    }
    conditions.TargetAngle = *angle;
    if (*angle < kMinimumTargetAngleDegrees) {
        result.Rejection =
            ConditionRejection{Kind::TargetAngleBelowMinimum, ConditionField::TargetAngle};
        return result;
    }
    if (*angle >= kTargetAngleLimitDegrees) {
        result.Rejection =
            ConditionRejection{Kind::TargetAngleFromLimit, ConditionField::TargetAngle};
        return result;
    }

    // Filtrations are stored only when all three are numbers in range.
    constexpr ConditionField kFiltrations[] = {ConditionField::InherentFiltration,
                                               ConditionField::AluminiumFilter,
                                               ConditionField::CopperFilter};
    std::array<double, std::size(kFiltrations)> millimetres{};
    for (std::size_t i = 0; i < millimetres.size(); ++i) {
        const std::optional<double> mm = number(kFiltrations[i]);
        if (!mm) {
            return result;
        }
        if (*mm < 0) {
            result.Rejection = ConditionRejection{Kind::Negative, kFiltrations[i]};
            return result;
        }
        millimetres[i] = *mm;
    }
    for (std::size_t i = 0; i < millimetres.size(); ++i) {
        ValueOf(conditions, kFiltrations[i]) = millimetres[i];
    }
    return result;
}

}  // namespace

double DefaultTargetAngle(SpectrumModel model) {
    switch (model) {
        case SpectrumModel::Tucker:
        case SpectrumModel::Physics:
            return 12;
        case SpectrumModel::Birch:
            break;
    }
    return 16;
}

ConditionValues DefaultConditionValues(SpectrumModel model) {
    return {kDefaultTubeVoltageKv, DefaultTargetAngle(model), kDefaultInherentFiltrationMm, 0, 0};
}

ConditionTexts DefaultConditionTexts(SpectrumModel model) {
    const ConditionValues values = DefaultConditionValues(model);
    ConditionTexts texts;
    for (const ConditionField field : kConditionFields) {
        TextOf(texts, field) = FormatGeneral(ValueOf(values, field));
    }
    return texts;
}

std::string& TextOf(ConditionTexts& texts, ConditionField field) {
    return texts.*kTextMembers[static_cast<std::size_t>(field)];
}

const std::string& TextOf(const ConditionTexts& texts, ConditionField field) {
    return texts.*kTextMembers[static_cast<std::size_t>(field)];
}

double ValueOf(const ConditionValues& values, ConditionField field) {
    return values.*kValueMembers[static_cast<std::size_t>(field)];
}

double& ValueOf(ConditionValues& values, ConditionField field) {
    return values.*kValueMembers[static_cast<std::size_t>(field)];
}

CheckedValues CheckConditionValues(const ConditionValues& values,
                                   const IrradiationConditions& stored) {
    std::array<FieldReading, kConditionFields.size()> readings;
    for (const ConditionField field : kConditionFields) {
        readings[static_cast<std::size_t>(field)] = ValueOf(values, field);
    }
    return Check(readings, stored);
}

CheckedConditions CheckConditionFields(const ConditionTexts& texts,
                                       const IrradiationConditions& stored) {
    std::array<FieldReading, kConditionFields.size()> readings;
    for (const ConditionField field : kConditionFields) {
        readings[static_cast<std::size_t>(field)] = ReadField(texts, field);
    }
    CheckedConditions result{Check(readings, stored), texts};
    // The fields show what became of a corrected voltage and of an angle below the minimum.
    if (result.TubeVoltageCorrected) {
        result.Texts.TubeVoltage = FormatGeneral(result.Conditions.TubeVoltage);
    }
    if (result.Rejection &&
        result.Rejection->Reason == ConditionRejection::Kind::TargetAngleBelowMinimum) {
        result.Texts.TargetAngle = FormatGeneral(kMinimumTargetAngleDegrees);
    }
    return result;
}

}  // namespace tubeline
