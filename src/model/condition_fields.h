#pragma once

#include <array>
#include <optional>
#include <string>

#include "calculation_state.h"

namespace tubeline {

inline constexpr double kMinimumTubeVoltageKv = 30;
inline constexpr double kMaximumTubeVoltageKv = 150;
inline constexpr double kMinimumTargetAngleDegrees = 12;
// From 90 degrees the heel factor's denominator changes sign and the target attenuation grows.
inline constexpr double kTargetAngleLimitDegrees = 90;  // not reached

// What a calculation starts with: Tucker's model at 100 kV, the model's target angle, 2.5 mm Al
// inherent filtration, no added filters, constant potential.
inline constexpr SpectrumModel kDefaultModel = SpectrumModel::Tucker;
inline constexpr RectificationMode kDefaultRectification = RectificationMode::ConstantPotential;
// The target angle a model starts with: 12 degrees for Tucker and the physics model, 16 for
// Birch.
double DefaultTargetAngle(SpectrumModel model);
ConditionValues DefaultConditionValues(SpectrumModel model);
// The same values as the fields show them: "100", "12", "2.5", "0", "0".
ConditionTexts DefaultConditionTexts(SpectrumModel model);

enum class ConditionField {
    TubeVoltage,
    TargetAngle,
    InherentFiltration,
    AluminiumFilter,
    CopperFilter
};
inline constexpr std::array kConditionFields{
    ConditionField::TubeVoltage, ConditionField::TargetAngle, ConditionField::InherentFiltration,
    ConditionField::AluminiumFilter, ConditionField::CopperFilter};

std::string& TextOf(ConditionTexts& texts, ConditionField field);
const std::string& TextOf(const ConditionTexts& texts, ConditionField field);
double ValueOf(const ConditionValues& values, ConditionField field);
double& ValueOf(ConditionValues& values, ConditionField field);

// Why the calculate command ran no model.
struct ConditionRejection {
    enum class Kind {
        Empty,                    // nothing typed where a value is needed
        NotANumber,               // the text is not one number as a whole
        OutOfRange,               // a number beyond the double range
        TargetAngleBelowMinimum,  // below kMinimumTargetAngleDegrees; the field is reset to it
        TargetAngleFromLimit,     // kTargetAngleLimitDegrees or more
        Negative,                 // a filtration below zero
    };
    Kind Reason;
    ConditionField Field;
    std::string Text = {};  // what was typed, for NotANumber
    bool operator==(const ConditionRejection&) const = default;
};

// What the checks make of the conditions: the stored conditions afterwards and, when no model
// may run, why. On a rejection the stored conditions hold what was checked before the rejected
// field (the filtrations only when all three pass).
struct CheckedValues {
    IrradiationConditions Conditions;
    std::optional<ConditionRejection> Rejection;
    // Set when the tube voltage was corrected into 30..150 kV.
    bool TubeVoltageCorrected = false;
};

// What the calculate command makes of the fields before a model runs.
struct CheckedConditions : CheckedValues {
    ConditionTexts Texts;  // the fields afterwards: corrected voltage, reset angle
};

// The calculate command's rules on numbers, in the order of the fields: a tube voltage that is
// not finite is refused, otherwise corrected into 30..150 kV; a target angle that is not finite,
// below 12 or from 90 degrees is refused; the filtrations are stored only when all three are
// finite and none is below zero. ModelChoice and Rectification pass through unchanged.
CheckedValues CheckConditionValues(const ConditionValues& values,
                                   const IrradiationConditions& stored);

// Reads the fields, each one number as a whole (an empty added aluminium or copper field is
// 0 mm; any other empty field, and a text that is not a number, is refused), and checks the
// numbers as CheckConditionValues does, field by field. A corrected tube voltage is written back
// to its field and a target angle below 12 degrees resets its field to 12.
CheckedConditions CheckConditionFields(const ConditionTexts& texts,
                                       const IrradiationConditions& stored);

}  // namespace tubeline
