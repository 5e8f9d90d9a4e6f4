#include "condition_fields.h"

#include <cmath>
#include <iterator>

#include "leading_number.h"
#include "number_format.h"
#include "physics_constants.h"

namespace tubeline {
namespace {

ConditionRejection OutOfRange(ConditionField field) {
    return {ConditionRejection::Kind::OutOfRange, field};
}

}  // namespace

double DefaultTargetAngle(SpectrumModel model) {
    switch (model) {
        case SpectrumModel::Tucker:
            return 12;
        case SpectrumModel::Birch:
            break;
    }
    return 16;
}

std::string DefaultTargetAngleText(SpectrumModel model) {
    return FormatGeneral(DefaultTargetAngle(model));
}

CheckedValues CheckConditionValues(const ConditionValues& values,
                                   const IrradiationConditions& stored) {
    CheckedValues result{stored, std::nullopt};
    IrradiationConditions& conditions = result.Conditions;

    if (!std::isfinite(values.TubeVoltageKv)) {
        result.Rejection = OutOfRange(ConditionField::TubeVoltage);
        return result;
    }
    conditions.TubeVoltage = values.TubeVoltageKv;
    if (conditions.TubeVoltage > kMaximumTubeVoltage) {
        conditions.TubeVoltage = kMaximumTubeVoltage;
    } else if (conditions.TubeVoltage < kMinimumTubeVoltage) {
        conditions.TubeVoltage = kMinimumTubeVoltage;
    }

    if (!std::isfinite(values.TargetAngleDegrees)) {
        result.Rejection = OutOfRange(ConditionField::TargetAngle);
        return result;
    }
    conditions.TargetAngle = values.TargetAngleDegrees;
    if (conditions.TargetAngle < kMinimumTargetAngle) {
        result.Rejection = {ConditionRejection::Kind::TargetAngleBelowMinimum,
                            ConditionField::TargetAngle};
        return result;
    }
    if (conditions.TargetAngle >= kTargetAngleLimit) {
        result.Rejection = {ConditionRejection::Kind::TargetAngleFromLimit,
                            ConditionField::TargetAngle};
        return result;
    }

    const struct {
        double mm;
        ConditionField field;
        double& stored;
    } filters[] = {
        {values.InherentFiltrationMm, ConditionField::InherentFiltration,
         conditions.InherentFiltration},
        {values.AluminiumFilterMm, ConditionField::AluminiumFilter, conditions.AluminiumFilter},
        {values.CopperFilterMm, ConditionField::CopperFilter, conditions.CopperFilter},
    };
    // Filters are stored only when all three are numbers in range.
    for (const auto& filter : filters) {
        if (!std::isfinite(filter.mm)) {
            result.Rejection = OutOfRange(filter.field);
            return result;
        }
    }
    for (const auto& filter : filters) {
        filter.stored = filter.mm * kMillimetresToCentimetres;
    }
    return result;
}

CheckedConditions CheckConditionFields(const ConditionTexts& texts,
                                       const IrradiationConditions& stored) {
    const ConditionValues values{LeadingNumber(texts.TubeVoltage), LeadingNumber(texts.TargetAngle),
                                 LeadingNumber(texts.InherentFiltration),
                                 LeadingNumber(texts.AluminiumFilter),
                                 LeadingNumber(texts.CopperFilter)};
    const CheckedValues checked = CheckConditionValues(values, stored);
    CheckedConditions result{texts, checked.Conditions, checked.Rejection};
    // The fields show what became of a clamped voltage and of an angle below the minimum.
    if (std::isfinite(values.TubeVoltageKv) &&
        checked.Conditions.TubeVoltage != values.TubeVoltageKv) {
        result.Texts.TubeVoltage = FormatGeneral(checked.Conditions.TubeVoltage);
    }
    if (checked.Rejection &&
        checked.Rejection->Reason == ConditionRejection::Kind::TargetAngleBelowMinimum) {
        result.Texts.TargetAngle = FormatGeneral(kMinimumTargetAngle);
    }
    return result;
}

}  // namespace tubeline
