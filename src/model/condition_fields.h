#pragma once

#include <optional>
#include <string>

#include "calculation_state.h"

namespace tubeline {

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

// The target angle a model starts with: 12 degrees for Tucker, 16 for Birch.
std::string DefaultTargetAngleText(SpectrumModel model);

// Reads the fields by the leading-number rule, clamps the tube voltage into 30..150 kV, refuses
// target angles below 12 or from 90 degrees and numbers beyond the double range, and converts
// the filter thicknesses from mm to cm. ModelChoice and Rectification pass through unchanged.
CheckedConditions CheckConditionFields(const ConditionTexts& texts,
                                       const IrradiationConditions& stored);

}  // namespace tubeline
