#pragma once

#include <optional>
#include <string>

#include "calculation_state.h"

namespace tubeline {

// The five conditions as numbers, in the units the operator types them in.
struct ConditionValues {
    double TubeVoltageKv = 0;
    double TargetAngleDegrees = 0;
    double InherentFiltrationMm = 0;
    double AluminiumFilterMm = 0;
    double CopperFilterMm = 0;
};

// The five condition fields as the operator typed them.
struct ConditionTexts {
    std::string TubeVoltage;         // Text1, kV
    std::string TargetAngle;         // Text5, degrees
    std::string InherentFiltration;  // Text2, mm Al
    std::string AluminiumFilter;     // Text3, mm
    std::string CopperFilter;        // Text4, mm
};

inline constexpr double kMinimumTubeVoltage = 30;   // kV
inline constexpr double kMaximumTubeVoltage = 150;  // kV
inline constexpr double kMinimumTargetAngle = 12;   // degrees
// From 90 degrees the heel factor's denominator changes sign and the target attenuation grows.
inline constexpr double kTargetAngleLimit = 90;  // degrees, not reached

enum class ConditionField {
    TubeVoltage,
    TargetAngle,
    InherentFiltration,
    AluminiumFilter,
    CopperFilter
};

// Why the calculate command ran no model.
struct ConditionRejection {
    enum class Kind {
        TargetAngleBelowMinimum,  // below kMinimumTargetAngle; the field is reset to it
        TargetAngleFromLimit,     // kTargetAngleLimit or more
        OutOfRange,               // a number beyond the double range
    };
    Kind Reason;
    ConditionField Field;
    bool operator==(const ConditionRejection&) const = default;
};

// What the calculate command makes of the fields before a model runs.
struct CheckedConditions {
    ConditionTexts Texts;              // the fields afterwards: corrected voltage, reset angle
    IrradiationConditions Conditions;  // the stored conditions afterwards
    // Set when no model may run. The stored conditions then hold what was read before the
    // rejected field.
    std::optional<ConditionRejection> Rejection;
};

// What the checks make of the conditions: the stored conditions afterwards and, when no model
// may run, why. On a rejection the stored conditions hold what was checked before the rejected
// value.
struct CheckedValues {
    IrradiationConditions Conditions;
    std::optional<ConditionRejection> Rejection;
};

// The target angle a model starts with: 12 degrees for Tucker, 16 for Birch.
double DefaultTargetAngle(SpectrumModel model);
std::string DefaultTargetAngleText(SpectrumModel model);

// The calculate command's rules on numbers, in its order: a tube voltage that is not finite is
// refused, otherwise clamped into 30..150 kV; a target angle that is not finite, below 12 or from
// 90 degrees is refused; the filters are stored in cm only when all three are finite.
// ModelChoice and Rectification pass through unchanged.
CheckedValues CheckConditionValues(const ConditionValues& values,
                                   const IrradiationConditions& stored);

// Reads the fields by the leading-number rule and checks the numbers by CheckConditionValues; a
// clamped tube voltage is written back to its field and a target angle below 12 degrees resets
// its field to 12.
CheckedConditions CheckConditionFields(const ConditionTexts& texts,
                                       const IrradiationConditions& stored);

}  // namespace tubeline
